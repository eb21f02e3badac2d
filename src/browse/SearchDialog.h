#pragma once

#include "data/Criterion.h"
#include "browse/SearchCriterion.h"
#include "data/AppContext.h"

#include <QDialog>
#include <QList>
#include <QSize>

#include <span>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class TBoundEdit;

// The frame of one search dialog; its rows are the criteria of the family
// it searches, one row per criterion.
struct SearchDialogDesign {
    const char *formName;
    QSize clientSize;
    // Top of the button row; the group box ends a little above it.
    int buttonsTop;
    // The cancel button is "CancelBt" in the property dialogs and
    // "CancelaBt" in the detailing ones.
    const char *cancelName;
};

// The modal dialog that edits a family window's search criteria: one row per
// criterion, rows numbered from 1 as the criteria are.
class SearchDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 1036;

    int rowCount() const { return int(m_rows.size()); }

    // Loads c into row `row` and updates the visibility of every row; a row
    // that is not in the dialog only updates the visibility.
    void AjustaDados(const SearchCriterion &c, int row);
    // The criterion row `row` describes, hidden bound boxes included; the
    // all-zero criterion for a row that is not in the dialog.
    SearchCriterion LeDados(int row) const;

public slots:
    // A row shows its mode list and first bound box only while ticked, and
    // its second bound box only while ticked on "between". Hidden controls
    // keep their contents.
    void AjustaVisao();
    void AyudaBtClick();

protected:
    SearchDialog(const SearchDialogDesign &design, Criteria criteria, const AppContext &context, QWidget *parent);

private:
    const AppContext *m_context;
    struct Row {
        QCheckBox *check = nullptr;
        QComboBox *list = nullptr;
        TBoundEdit *first = nullptr;
        TBoundEdit *second = nullptr;
    };

    // Where the group box's frame line runs under its title, in its coordinates.
    static int frameTop(const QGroupBox *group);
    void buildRows(QGroupBox *group, Criteria criteria, int top);
    void buildButtons(const SearchDialogDesign &design, int top);
    void setKeyboardOrder();
    void createTranslator();
    const Row *rowAt(int row) const;

    QList<Row> m_rows;
    QPushButton *m_okBt = nullptr;
    QPushButton *m_cancelBt = nullptr;
    QPushButton *m_ayudaBt = nullptr;
};
