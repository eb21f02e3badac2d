#pragma once

#include "MldWriter.h"

#include <QList>
#include <QString>

// The readable translation table of supply/i18n: one line per native text,
//     native <TAB> Spanish [<TAB> class context [<TAB> component context]]
// Lines starting with "#" are comments; blank lines are skipped. A field is
// taken literally except for the escapes \t (tab), \n (line feed), \r
// (carriage return), \" (quote) and \\ (backslash). A field that begins or
// ends with a space must be written between double quotes ("Record "), so
// that such spaces are seen and no editor drops them. An empty Spanish field
// means no translation: the program shows the native text.
namespace dictc {

struct Row {
    QString native;
    QString spanish;
    QString className;
    QString component;
    int line = 0;
};

// Fails with std::runtime_error "name:line: what is wrong".
QList<Row> parse(const QString &text, const QString &name);
QList<Row> readFile(const QString &path);

// The program's dictionary: languages 0 native, 1 English (the native text
// itself), 2 Spanish; contexts when a row carries one (or as kind says:
// -1 chooses by the rows).
mld::Document programDocument(const QList<Row> &rows, int contextKind = -1);

} // namespace dictc
