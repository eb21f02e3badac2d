#pragma once

#include "data/AppContext.h"

#include <QWidget>

class QLabel;
class QTabWidget;
class Table;
class TDBNavigator;
class TIvTranslator;
class TRxDBGrid;

// The steel grades window: the mechanical properties, chemical composition
// and equivalent designations of the steel grades, one read-only table and
// grid per tab. The main window keeps its single instance.
class TAceroFm : public QWidget {
    Q_OBJECT
public:
    explicit TAceroFm(const AppContext &context, QWidget *parent = nullptr);
    ~TAceroFm() override;

    // The table of a page: 0 mechanical, 1 chemical, 2 designations.
    Table *table(int page) const;
    // The shared values the window was created with.
    const AppContext &context() const { return *m_context; }
    // The page shown; the navigator, Help and Print act on it.
    int currentPage() const { return m_page; }
    // Shows a page (0, 1 or 2) as a click on its tab would; the current page follows.
    void selectPage(int page);
    // The grid of the page shown.
    TRxDBGrid *currentGrid() const { return m_grids[m_page]; }
    // "Export to CSV...": the rows of the page shown.
    void exportToCsv();

    // Handlers.
    void OKBtnClick();
    void HelpBtnClick();
    void PageControl1Change(int page);
    void DataSource1DataChange();
    void DataSource2DataChange();
    void DataSource3DataChange();
    void ImprimirCatBtClick();
    void IvTranslator1LanguageChange();

    // The help topic of each page.
    static constexpr int kHelpContexts[3] = {1004, 1005, 1003};

public slots:
    // The creation steps after the widgets exist (the main window invokes it
    // by name): the tables open from the application directory. An error
    // escapes; the window stays with the tables opened so far.
    void FormCreate();

signals:
    // Print button: the print commands print the catalogue of currentPage().
    void printRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildLeftPanel();
    QWidget *buildPages();
    void showCounter(const Table *table);
    void fitColumns();

    const AppContext *m_context;
    Table *m_tables[3] = {};
    int m_page = 0;
    bool m_pageShown[3] = {true, false, false};
    QLabel *m_regT = nullptr;
    TDBNavigator *m_navigator = nullptr;
    QLabel *m_logo = nullptr;
    QTabWidget *m_pages = nullptr;
    TRxDBGrid *m_grids[3] = {};
    TIvTranslator *m_translator = nullptr;
};
