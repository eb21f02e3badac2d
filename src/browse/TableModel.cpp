#include "browse/TableModel.h"

#include "data/DisplayFormat.h"
#include "data/Table.h"
#include "data/TableError.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

TableModel::TableModel(Table *table, const QList<GridColumn> &columns, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
    for (const GridColumn &c : columns) {
        const int index = table->fieldIndex(QString::fromUtf8(c.field));
        if (index < 0) {
            throw TableError(QStringLiteral("The table %1 has no field \"%2\" for a grid column")
                                 .arg(table->fileName(), QString::fromUtf8(c.field)));
        }
        const FieldDecl &f = table->declaration().fields[size_t(index)];
        m_fields.append(index);
        m_titles.append(QString::fromUtf8(c.title ? c.title : f.displayLabel()));
        m_widths.append(c.widthPx);
    }
    connect(table, &Table::rowsReset, this, &TableModel::tableReset);
    connect(table, &Table::dataChange, this, &TableModel::currentMoved);
    m_rows = table->isOpen() ? table->recordCount() : 0;
    m_markedRow = table->currentRow();
}

void TableModel::tableReset()
{
    beginResetModel();
    m_rows = m_table && m_table->isOpen() ? m_table->recordCount() : 0;
    m_markedRow = m_table ? m_table->currentRow() : -1;
    endResetModel();
}

void TableModel::currentMoved()
{
    const int previous = m_markedRow;
    m_markedRow = m_table ? m_table->currentRow() : -1;
    if (previous == m_markedRow)
        return;
    if (previous >= 0 && previous < m_rows)
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (m_markedRow >= 0 && m_markedRow < m_rows)
        emit headerDataChanged(Qt::Vertical, m_markedRow, m_markedRow);
}

int TableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows; }

int TableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_fields.size()); }

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    // Qt calls this while painting: every access is checked, so nothing here
    // can throw or read past a list (Table::value answers an empty value for
    // a row the table no longer has).
    if (!index.isValid() || !m_table || index.row() < 0 || index.row() >= m_rows || index.column() < 0
        || index.column() >= m_fields.size())
        return {};
    const int field = m_fields.at(index.column());
    const std::span<const FieldDecl> fields = m_table->declaration().fields;
    if (field < 0 || size_t(field) >= fields.size())
        return {};
    const FieldDecl &decl = fields[size_t(field)];
    switch (role) {
    case Qt::DisplayRole:
        return display::cell(m_table->value(index.row(), field), decl, display::systemDecimalPoint());
    case Qt::TextAlignmentRole:
        switch (decl.effectiveAlign()) {
        case FieldAlign::Left:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        case FieldAlign::Right:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return int(Qt::AlignCenter);
        }
    case Qt::BackgroundRole:
        if (index.column() >= m_firstTinted) {
            // Alternate column colours, the first tinted column white.
            return (index.column() - m_firstTinted) % 2 == 0 ? QBrush(Qt::white)
                                                             : QBrush(QApplication::palette().color(QPalette::ToolTipBase));
        }
        return {};
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_titles.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return m_titles[section];
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    // The record indicator.
    if (role == Qt::DisplayRole)
        return section == m_markedRow ? QStringLiteral("\u25B6") : QString();
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

bool TableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_titles.size()
        || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    m_titles[section] = value.toString();
    emit headerDataChanged(Qt::Horizontal, section, section);
    return true;
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

int TableModel::columnWidth(int column, int charWidthPx) const
{
    if (column < 0 || column >= m_widths.size())
        return 0;
    if (m_widths[column] > 0)
        return m_widths[column];
    const FieldDecl &decl = m_table->declaration().fields[size_t(m_fields[column])];
    return decl.width > 0 ? decl.width * charWidthPx + 8 : 0;
}
