#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>

#include "data/GridColumn.h"
#include "data/Table.h"

// A read-only grid's view of a table: the chosen columns of the rows the
// table's filter accepts, each cell in its field's display format. Column
// titles start as the fields' display labels and can be replaced
// (setHeaderData), which is how translations reach them. The vertical header
// marks the table's current row.
class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TableModel(Table *table, const QList<GridColumn> &columns, QObject *parent = nullptr);

    Table *table() const { return m_table; }
    // Index of the table field shown in a column.
    int fieldIndex(int column) const { return m_fields.value(column, -1); }
    // The first column painted in alternating colours (from the third on in
    // section grids, from the second in the steel grids).
    void setFirstTintedColumn(int column) { m_firstTinted = column; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Width in pixels a column asks for, given the grid's character width.
    int columnWidth(int column, int charWidthPx) const;
    // Whether the column's width was given in pixels (kept exactly).
    bool hasPixelWidth(int column) const { return m_widths.value(column) > 0; }

private:
    void tableReset();
    void currentMoved();

    QPointer<Table> m_table;
    QList<int> m_fields;
    QStringList m_titles;
    QList<int> m_widths;
    int m_firstTinted = 2;
    int m_rows = 0;
    int m_markedRow = -1;
};
