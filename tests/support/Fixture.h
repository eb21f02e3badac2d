#pragma once

#include "data/FieldDecl.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Small table files for tests, written into a temporary folder.
namespace fixture {

// Writes dir/file holding the stored fields of decl (minus dropColumns), one
// row per map; a field missing from a map is NULL. Fails the running test on
// error.
void writeTable(const QString &dir, const QString &file, const TableDecl &decl, const QList<QVariantMap> &rows,
                const QStringList &dropColumns = {});

// An HE/IPE row from its five dimensions in mm (a negative value leaves the
// field empty).
QVariantMap heRow(const QString &designation, double h, double b, double tw, double tf, double r);

// Copies every table and the dictionary of the built application directory
// (TOLMO_APPDIR) into dir, so a test may write its own settings beside
// them. Answers the files that could not be copied (empty on success).
QStringList copySuppliedFiles(const QString &dir);

} // namespace fixture
