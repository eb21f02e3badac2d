#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace cad {
struct SectionDrawing;
}

// The command-line tool: the catalogue's tables for machines and for data
// suppliers. Exit codes: 0 success, 1 failure (one line on err), 2 usage.
namespace cli {

// args excludes the program name; defaultDir is where tables are looked for
// when no --dir is given (the tool's own directory).
int run(const QStringList &args, QTextStream &out, QTextStream &err, const QString &defaultDir);

// export TABLE [--raw] [--dir DIR]
int exportTable(const QString &fileName, bool raw, const QString &dir, QTextStream &out);

// seal TABLE [--dir DIR]: checks a table a data supplier changed on purpose
// (every check of the catalogue's open, and verify's for a section table)
// and only then writes its content checksum.
int sealTable(const QString &fileName, const QString &dir, QTextStream &out);

// outline DESIGNATION OUT.dxf|OUT.svg [--dir DIR]: the exact outline of a
// size for CAD (cad::writeOutlineFile).
int outlineCommand(const QString &designation, const QString &output, const QString &dir);
// The drawing of the size the designation names, in any form the find box
// takes ("heb300", "HE 300 B", "L100.100.10"), from the section tables in
// dir; throws std::runtime_error when none is.
cad::SectionDrawing sectionNamed(const QString &designation, const QString &dir);

} // namespace cli
