#include "data/CsvWriter.h"

#include "data/DisplayFormat.h"
#include "data/Table.h"

#include <QRegularExpression>
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

namespace {

// A text that is one decimal number written with a full stop ("0.17" in the
// chemical composition) takes the format's decimal point, as the numbers do;
// any other text ("360-510", "S235JR (1.0038)") is written as stored.
QString textCell(const QString &text, QChar decimalPoint)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+\\.[0-9]+$"));
    if (decimalPoint == u'.' || !decimal.match(text).hasMatch())
        return text;
    QString t = text;
    t.replace(u'.', decimalPoint);
    return t;
}

} // namespace

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
            QString text;
            if (f.type == FieldType::Float)
                text = raw ? display::shortest(v) : display::cell(v, f, format.decimalPoint);
            else
                text = textCell(display::cell(v, f, format.decimalPoint), format.decimalPoint);
            line << cell(text, format.separator);
        }
        out << line.join(separator) << '\n';
    }
}

} // namespace csv
