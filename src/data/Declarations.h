#pragma once

#include "data/FieldDecl.h"

#include <QString>

// The declarations of every table file the catalogue reads. Written once;
// windows, sheets, reports, the command-line tool and the build tools share them.
namespace decl {

// HEA, HEB, HEM and IPE share one declaration; its declared file is "heb.DB",
// always replaced by the series' file before opening.
extern const TableDecl iLamParTable;
extern const TableDecl iLamIncTable;  // "IPN.db"
extern const TableDecl uLamTable;     // "UPN.db"
extern const TableDecl AngularTable;  // "Ang.db"
extern const TableDecl TolTable;      // "TOL.DB"
extern const TableDecl AceroMECTable; // "AceroMEC.db"
extern const TableDecl AceroQUITable; // "AceroQUI.db"
extern const TableDecl AceroDESTable; // "AceroDES.db"

// The declaration of a supplied table file, by its name compared ignoring
// case ("heb.db", "ANG.DB"), or nullptr when the name is not one of them.
const TableDecl *forFile(const QString &fileName);

// The eleven supplied table files, with the case of their names.
std::span<const char *const> suppliedFiles();

} // namespace decl
