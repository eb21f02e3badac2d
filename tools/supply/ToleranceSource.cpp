#include "ToleranceSource.h"

#include "Csv.h"

#include <QFile>

namespace {

constexpr int kNameSize = 30; // "Tolerancia" is text 30

QStringList cells(const QString &text)
{
    QStringList c = text.split(u'|');
    for (QString &s : c)
        s = s.trimmed();
    return c;
}

} // namespace

ToleranceSource readToleranceSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        sourceError(path, 0, file.errorString());
    ToleranceSource src;
    src.path = path;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        const int lineNo = n + 1;
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype space = line.indexOf(u' ');
        const QString word = line.left(space);
        QString rest = space < 0 ? QString() : line.mid(space + 1).trimmed();
        // An optional language after the directive; without one the line
        // holds for both languages.
        QStringList langs = kToleranceLanguages;
        const QString firstWord = rest.section(u' ', 0, 0);
        if ((word == u"head" || word == u"row" || word == u"note") && kToleranceLanguages.contains(firstWord)) {
            langs = {firstWord};
            rest = rest.mid(firstWord.size()).trimmed();
        }
        if (word == u"standard") {
            src.standard = rest;
        } else if (word == u"keys") {
            for (const QString &k : rest.split(u' ', Qt::SkipEmptyParts)) {
                const QStringList kv = k.split(u':');
                if (kv.size() != 2)
                    sourceError(path, lineNo, QStringLiteral("a key is written KEY:section"));
                src.keys.append({kv[0], kv[1]});
            }
        } else if (word == u"item") {
            ToleranceItem item;
            item.sketch = rest;
            item.line = lineNo;
            src.items << item;
        } else if (src.items.isEmpty()) {
            sourceError(path, lineNo, QStringLiteral("\"%1\" before the first item").arg(word));
        } else if (kToleranceLanguages.contains(word)) {
            if (rest.size() > kNameSize)
                sourceError(path, lineNo, QStringLiteral("the name is longer than %1 characters").arg(kNameSize));
            src.items.last().name[word] = rest;
        } else if (word == u"head") {
            for (const QString &l : langs)
                src.items.last().head[l] = cells(rest);
        } else if (word == u"row") {
            for (const QString &l : langs)
                src.items.last().rows[l] << cells(rest);
        } else if (word == u"note") {
            for (const QString &l : langs)
                src.items.last().notes[l] << rest;
        } else {
            sourceError(path, lineNo, QStringLiteral("unknown directive \"%1\"").arg(word));
        }
    }
    if (src.standard.isEmpty() || src.keys.isEmpty() || src.items.isEmpty())
        sourceError(path, 0, QStringLiteral("a tolerance file needs a standard, keys and items"));
    for (const ToleranceItem &item : src.items) {
        for (const QString &l : kToleranceLanguages) {
            if (item.name.value(l).isEmpty())
                sourceError(path, item.line, QStringLiteral("the item has no %1 name").arg(l));
            if (item.head.value(l).isEmpty())
                sourceError(path, item.line, QStringLiteral("the item has no %1 table header").arg(l));
            if (item.rows.value(l).isEmpty())
                sourceError(path, item.line, QStringLiteral("the item has no %1 rows").arg(l));
            for (const QStringList &row : item.rows.value(l)) {
                if (row.size() != item.head.value(l).size())
                    sourceError(path, item.line, QStringLiteral("a %1 row is not as wide as its header").arg(l));
            }
        }
        if (item.rows.value(QStringLiteral("EN")).size() != item.rows.value(QStringLiteral("ES")).size())
            sourceError(path, item.line, QStringLiteral("the languages have different numbers of rows"));
    }
    return src;
}
