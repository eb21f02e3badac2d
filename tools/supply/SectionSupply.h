#pragma once

#include "TableFileWriter.h"

#include <QList>
#include <QString>
#include <QVariant>

// One table file to write: its file name, the name of the one table inside,
// the columns and the rows.
struct TableContent {
    QString file;
    QString tableName;
    QList<tablefile::Column> columns;
    QList<QVariantList> rows;
};

// Fails (std::runtime_error) when a text value is longer than its field
// allows, naming the file, row and field.
void checkTextSizes(const TableContent &table, const QList<int> &sizes);

// The seven section tables, from supply/sections/<family key>.csv: the
// dimensions as given, the stored properties of IPN and UPN computed on the
// exact tapered outline, and the detailing texts by the bolting rule.
QList<TableContent> sectionTables(const QString &supplyDir);
