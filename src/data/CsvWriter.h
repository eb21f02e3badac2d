#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QTextStream>

class Table;

// Tables written as CSV, for `tolmo-cli export` and for the windows' "Export
// to CSV...": one heading line, then one line per row the table accepts.
namespace csv {

// The two separators: a full stop and commas, or (for spreadsheets that read
// a decimal comma) a comma and semicolons.
struct Format {
    QChar decimalPoint = u'.';
    QChar separator = u',';
};
inline constexpr Format kFullStop{u'.', u','};
inline constexpr Format kDecimalComma{u',', u';'};

// One column: a field of the table and its heading.
struct Column {
    int field;
    QString heading;
};

// One cell: quoted when it holds the separator, a quote or a line break.
QString cell(const QString &text, QChar separator);

// Writes the columns of every row the table accepts, in its order: each
// number in its field's display format with the format's decimal point (raw:
// in its shortest round-trip form with a full stop), a text as stored, save
// that a text holding one decimal number ("0.17") takes the decimal point too.
void write(QTextStream &out, const Table &table, const QList<Column> &columns, Format format, bool raw = false);

} // namespace csv
