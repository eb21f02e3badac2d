#include "Csv.h"

#include <QFile>

#include <stdexcept>

namespace {

QStringList splitLine(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

} // namespace

void sourceError(const QString &path, int line, const QString &what)
{
    const QString where = line > 0 ? QStringLiteral("%1:%2").arg(path).arg(line) : path;
    throw std::runtime_error(QStringLiteral("%1: %2").arg(where, what).toStdString());
}

int CsvTable::column(const QString &name) const
{
    const int i = int(header.indexOf(name));
    if (i < 0)
        sourceError(path, 1, QStringLiteral("no column \"%1\"").arg(name));
    return i;
}

CsvTable readCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        sourceError(path, 0, file.errorString());
    CsvTable t;
    t.path = path;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = splitLine(line);
        if (t.header.isEmpty()) {
            t.header = fields;
            continue;
        }
        if (fields.size() != t.header.size()) {
            sourceError(path, n + 1, QStringLiteral("%1 fields where the header has %2")
                                         .arg(fields.size())
                                         .arg(t.header.size()));
        }
        t.rows << fields;
        t.lines << n + 1;
    }
    if (t.header.isEmpty())
        sourceError(path, 0, QStringLiteral("the file is empty"));
    return t;
}
