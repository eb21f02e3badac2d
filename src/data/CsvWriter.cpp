#include "data/CsvWriter.h"

#include "data/DisplayFormat.h"
#include "data/Table.h"

#include <QStringList>

namespace csv {

QString cell(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString q = text;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

void write(QTextStream &out, const Table &table, const QList<Column> &columns, Format format, bool raw)
{
    const QString separator(format.separator);
    QStringList line;
    for (const Column &c : columns)
        line << cell(c.heading, format.separator);
    out << line.join(separator) << '\n';
    for (int r = 0; r < table.recordCount(); ++r) {
        line.clear();
        for (const Column &c : columns) {
            const FieldDecl &f = table.declaration().fields[size_t(c.field)];
            const QVariant &v = table.value(r, c.field);
            const QString text = raw && f.type == FieldType::Float ? display::shortest(v)
                                                                   : display::cell(v, f, format.decimalPoint);
            line << cell(text, format.separator);
        }
        out << line.join(separator) << '\n';
    }
}

} // namespace csv
