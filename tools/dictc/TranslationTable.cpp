#include "TranslationTable.h"

#include <QFile>
#include <QSet>

#include <stdexcept>

namespace dictc {

namespace {

[[noreturn]] void fail(const QString &name, int line, const QString &what)
{
    throw std::runtime_error(QStringLiteral("%1:%2: %3").arg(name).arg(line).arg(what).toStdString());
}

QString field(QString raw, const QString &name, int line)
{
    const bool quoted = raw.startsWith(u'"');
    if (quoted) {
        if (raw.size() < 2 || !raw.endsWith(u'"'))
            fail(name, line, QStringLiteral("a quoted text needs its closing quote: %1").arg(raw));
        raw = raw.mid(1, raw.size() - 2);
    } else if (!raw.isEmpty() && (raw.front().isSpace() || raw.back().isSpace())) {
        fail(name, line, QStringLiteral("quote a text that begins or ends with a space: \"%1\"").arg(raw));
    }
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == u'"' && quoted)
            fail(name, line, QStringLiteral("a quote inside a quoted text is written \\\""));
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i >= raw.size())
            fail(name, line, QStringLiteral("a backslash ends the text"));
        switch (raw.at(i).unicode()) {
        case 't': text += u'\t'; break;
        case 'n': text += u'\n'; break;
        case 'r': text += u'\r'; break;
        case '"': text += u'"'; break;
        case '\\': text += u'\\'; break;
        default: fail(name, line, QStringLiteral("unknown escape \\%1").arg(raw.at(i)));
        }
    }
    return text;
}

} // namespace

QList<Row> parse(const QString &text, const QString &name)
{
    QList<Row> rows;
    QSet<QString> seen;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines.at(n);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() > 4)
            fail(name, n + 1, QStringLiteral("%1 fields; a line holds at most 4").arg(fields.size()));
        Row row;
        row.line = n + 1;
        row.native = field(fields.at(0), name, n + 1);
        if (fields.size() > 1)
            row.spanish = field(fields.at(1), name, n + 1);
        if (fields.size() > 2)
            row.className = field(fields.at(2), name, n + 1);
        if (fields.size() > 3)
            row.component = field(fields.at(3), name, n + 1);
        if (row.native.isEmpty())
            fail(name, n + 1, QStringLiteral("the native text is empty"));
        const QString key = row.native + QChar(0x7f) + row.className + QChar(0x7f) + row.component;
        if (seen.contains(key))
            fail(name, n + 1, QStringLiteral("\"%1\" is listed twice with the same context").arg(row.native));
        seen.insert(key);
        rows << row;
    }
    return rows;
}

QList<Row> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()).toStdString());
    const QByteArray bytes = file.readAll();
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        throw std::runtime_error(QStringLiteral("%1 is not UTF-8 text").arg(path).toStdString());
    return parse(text, path);
}

mld::Document programDocument(const QList<Row> &rows, int contextKind)
{
    mld::Document document;
    document.languages = mld::programLanguages();
    if (contextKind < 0) {
        contextKind = mld::NoContext;
        for (const Row &row : rows)
            if (!row.className.isEmpty() || !row.component.isEmpty())
                contextKind = mld::ClassAndComponent;
    }
    document.contextKind = contextKind;
    for (const Row &row : rows)
        document.records << mld::Record{row.native, row.className, row.component, {row.native, row.spanish}};
    return document;
}

} // namespace dictc
