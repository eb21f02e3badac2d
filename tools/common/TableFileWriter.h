#pragma once

#include "data/FieldDecl.h"

#include <QList>
#include <QString>
#include <QVariant>

// Writes a table file as the catalogue reads it: an SQLite database holding
// one table. Used by the build tools and by the tests' fixtures; the program
// itself never writes a table.
namespace tablefile {

struct Column {
    QString name;
    FieldType type;
};

// The stored fields of a declaration, in declaration order.
QList<Column> storedColumns(const TableDecl &decl);

// Writes path anew (through a temporary file, so a failure leaves any
// existing file untouched), in SQLite's rollback-journal mode, with the
// content checksum in its header. A null QVariant is written as NULL.
// Throws std::runtime_error naming the file on failure.
void write(const QString &path, const QString &tableName, const QList<Column> &columns,
           const QList<QVariantList> &rows);

} // namespace tablefile
