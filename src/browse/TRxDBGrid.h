#pragma once

#include <QHash>
#include <QTableView>

class QAction;
class Table;
class TableModel;

// A read-only grid bound to a table whose first columns stay in place while
// the others scroll sideways (an overlay view sharing model and selection, as
// in Qt's frozen-column example). The others scroll by whole columns, the
// first one shown always starting at the frozen columns' right edge, so no
// part of a column peeks out beside them. Selecting a row makes it the
// table's current row and moving the table moves the selection. A
// double-click is reported.
// Ctrl+C and the context menu copy the selected rows (or the current one) as
// tab-separated text; the context menu also asks for an export to CSV.
class TRxDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TRxDBGrid(QWidget *parent = nullptr);

    // Shows the model, keeping its first frozenColumns columns fixed.
    void setTableModel(TableModel *model, int frozenColumns);
    TableModel *tableModel() const { return m_model; }
    QTableView *frozenView() const { return m_frozen; }
    // The frozen columns' width: where the scrolling columns start.
    int frozenWidth() const;
    // Widens every column whose title (in the header's font) or a value
    // would be cut; no column narrows, and a column the user sized stays.
    void growToFit();

    // The model rows the user selected, in order; the current row when none is.
    QList<int> chosenRows() const;
    // Puts the chosen rows on the clipboard, headed by the column titles.
    void copyRows();
    // The file name (without suffix) an export of the grid proposes.
    void setExportName(const QString &name) { m_exportName = name; }
    const QString &exportName() const { return m_exportName; }

signals:
    void rowDoubleClicked();
    // "Export to CSV..." of the context menu: the window asks for the file.
    void exportRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    // With frozen columns the horizontal scroll bar counts the scrolling
    // columns scrolled out of sight rather than pixels.
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void updateFrozenGeometry();
    // The most scrolling columns that can be out of sight: the fewest that
    // leave the last column wholly in view.
    int columnScrollLimit() const;
    // Shows the scrolling columns from the one the scroll bar names on, at
    // the frozen columns' right edge.
    void applyColumnScroll();
    void updateFrozenColumns();
    void applyWidths();
    // The width a column needs for its title, measured with titles, and its texts.
    int neededWidth(int column, const QFontMetrics &titles) const;
    void followTable();
    void rowChosen(const QModelIndex &current);

    TableModel *m_model = nullptr;
    QTableView *m_frozen;
    int m_frozenColumns = 0;
    bool m_following = false;
    bool m_updating = false;
    // The widths of the columns the user sized, by column, and whether the
    // user is sizing one now (a mouse button down on the header).
    QHash<int, int> m_userWidths;
    bool m_userResizing = false;
    QString m_exportName;
    QAction *m_copyAction = nullptr;
    QAction *m_exportAction = nullptr;
};
