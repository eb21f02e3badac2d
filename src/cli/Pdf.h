#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace cli {

// pdf OUT.pdf REPORT... [--lang EN|ES] [--select FIELD:LOW:HIGH]... [--dir DIR]
// Writes the named catalogues, in the order given, into one PDF without a
// display. args are those after "pdf". Exit codes as run()'s; a failed run
// leaves no file behind.
int pdfCommand(const QStringList &args, QTextStream &out, QTextStream &err, const QString &defaultDir);

} // namespace cli
