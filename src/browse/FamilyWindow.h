#pragma once

#include "browse/SearchCriterion.h"
#include "data/AppContext.h"
#include "data/SectionFamily.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class Table;
class TDBNavigator;
class TIvTranslator;
class TRxDBGrid;
class TableModel;

// The section window: one design for every family, told apart by its
// description. It owns its section table and its copy of the tolerance table,
// its search criteria and its current tab.
class FamilyWindow : public QWidget {
    Q_OBJECT
public:
    ~FamilyWindow() override;

    const FamilyInfo &family() const { return *m_family; }
    // The program's shared values, which the window's sheets and dialogs use too.
    AppContext &context() const { return *m_context; }
    // The creation steps after the widgets exist: tables, tolerance list,
    // Windows menu. An error escapes (the window stays, as created so far).
    void FormCreate();

    Table *sectionTable() const { return m_table; }
    Table *toleranceTable() const { return m_tolTable; }
    int currentTab() const { return m_tab; }
    // Selects a tab as the user would (the print commands do this).
    void selectTab(int tab);
    // The grid of the tab shown, or nullptr on the tolerances tab.
    TRxDBGrid *currentGrid() const;
    // Shows the size on the Properties tab as the current row. When the search
    // in force hides it, the search is switched off as the Search button
    // would and the record counter says so. False when the table has no such size.
    bool showSection(const QString &designation);
    // "Export to CSV...": the rows and columns of the tab shown, as its search leaves them.
    void exportToCsv();
    // The HE series (1 HEA, 2 HEB, 3 HEM); 0 for the other families.
    int tag() const { return m_family->heSeries; }
    // The family key ("HEB", "ANG"...).
    QString familyKey() const { return QString::fromLatin1(m_family->key); }

    // Criteria, indexed from 1 as the dialog rows are.
    SearchCriterion &PropertyCriteria(int index) { return m_property.at(size_t(index - 1)); }
    SearchCriterion &DetailCriteria(int index) { return m_detail.at(size_t(index - 1)); }
    int propertyCriteriaCount() const { return int(m_property.size()); }
    int detailCriteriaCount() const { return int(m_detail.size()); }
    // Whether a search of that kind (1 property, 2 detailing) is in force.
    bool Filtrado(int kind) const;
    // Whether the rows are filtered now: the Search button is pressed and a
    // browsing tab is shown (even with no criterion ticked).
    bool searchInForce() const;
    // The record filter: whether a row passes the criteria of the active tab.
    bool filterRecord(const Record &row) const;

    // Handlers.
    void OKBtnClick();
    void HelpBtnClick();
    void DataSource1DataChange();
    void PageControl1Change(int tab);
    void ToleranciasLBClick();
    void DatosBtClick();
    void BusquedaBtClick();
    void IvTranslator1LanguageChange();
    void FillTolerancias();

signals:
    // Print button: the print commands act on the window's current tab.
    void printRequested();
    // Data button or a double-click: the sheet of the current row, tab 0 the
    // property sheet, tab 1 the detailing sheet.
    void sheetRequested(int tab);

protected:
    FamilyWindow(const FamilyInfo &family, AppContext &context, QWidget *parent);
    void closeEvent(QCloseEvent *event) override;

private:
    void buildHeading(QWidget *host);
    QWidget *buildLeftColumn();
    QWidget *buildTabs();
    void showFigure();
    // Data, Search and the navigator, by the tab and whether a row is current.
    void updateCommands();
    // The Search button shows plainly whether it is latched.
    void showSearchLatched(bool latched);

    const FamilyInfo *m_family;
    AppContext *m_context;
    const FamilyWindowDesc *m_window;
    const SectionKind *m_kind;
    int m_tab = 0;
    std::vector<SearchCriterion> m_property;
    std::vector<SearchCriterion> m_detail;

    Table *m_table = nullptr;
    Table *m_tolTable = nullptr;
    TableModel *m_model1 = nullptr;
    TableModel *m_model2 = nullptr;
    TIvTranslator *m_translator = nullptr;

    QLabel *m_heading = nullptr;
    QLabel *m_imgProp = nullptr;
    QLabel *m_imgDet = nullptr;
    QLabel *m_dbText1 = nullptr;
    QLabel *m_dbText2 = nullptr;
    QLabel *m_dbText3 = nullptr;
    QList<QLabel *> m_dimLabels;
    QLabel *m_regT = nullptr;
    TDBNavigator *m_navigator = nullptr;
    QPushButton *m_printBt = nullptr;
    QPushButton *m_datosBt = nullptr;
    QPushButton *m_busquedaBt = nullptr;
    QLabel *m_logo = nullptr;
    QTabWidget *m_pages = nullptr;
    TRxDBGrid *m_grid1 = nullptr;
    TRxDBGrid *m_grid2 = nullptr;
    QListWidget *m_tolList = nullptr;
    QLabel *m_figure = nullptr;
};
