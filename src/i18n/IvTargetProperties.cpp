#include "i18n/IvTargetProperties.h"

#include "i18n/IvErrors.h"

namespace {

// Reads the list syntax of a window layout: parentheses, integers and
// quoted strings ('' inside a string stands for one quote).
class Parser {
public:
    explicit Parser(const QString &text) : m_text(text) {}

    void open() { expect(u'('); }
    void close() { expect(u')'); }
    bool atClose()
    {
        skipBlanks();
        return m_pos < m_text.size() && m_text.at(m_pos) == u')';
    }

    int integer()
    {
        skipBlanks();
        const qsizetype start = m_pos;
        if (m_pos < m_text.size() && (m_text.at(m_pos) == u'-' || m_text.at(m_pos) == u'+'))
            ++m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos).isDigit())
            ++m_pos;
        bool ok = false;
        const int value = m_text.mid(start, m_pos - start).toInt(&ok);
        if (!ok)
            fail("a number");
        return value;
    }

    QString string()
    {
        skipBlanks();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != u'\'')
            fail("a quoted name");
        ++m_pos;
        QString value;
        for (;;) {
            if (m_pos >= m_text.size())
                fail("the closing quote");
            const QChar c = m_text.at(m_pos++);
            if (c != u'\'') {
                value += c;
                continue;
            }
            if (m_pos < m_text.size() && m_text.at(m_pos) == u'\'') {
                value += c;
                ++m_pos;
                continue;
            }
            return value;
        }
    }

    void end()
    {
        skipBlanks();
        if (m_pos != m_text.size())
            fail("the end of the data");
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    void expect(QChar c)
    {
        skipBlanks();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != c)
            fail(c == u'(' ? "\"(\"" : "\")\"");
        ++m_pos;
    }

    [[noreturn]] void fail(const char *expected) const
    {
        throw EIvMulti(QStringLiteral("Invalid target properties data: %1 expected at position %2")
                           .arg(QLatin1String(expected))
                           .arg(m_pos + 1));
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

QString stored(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("'*'");
    return u'\'' + QString(name).replace(u'\'', QLatin1String("''")) + u'\'';
}

} // namespace

TIvTargetProperties TIvTargetProperties::fromNames(const QStringList &propertyNames)
{
    TIvTargetProperties targets;
    for (const QString &name : propertyNames)
        targets.add(QString(), name);
    return targets;
}

TIvTargetProperties TIvTargetProperties::fromData(const QString &data)
{
    Parser p(data);
    p.open();
    const int version = p.integer();
    if (version > 1)
        throw EIvMulti(QStringLiteral("Unknown target properties data version: %1").arg(version));
    const int count = p.integer();
    TIvTargetProperties targets;
    for (int i = 0; i < count; ++i) {
        p.open();
        QString className = p.string();
        QString propertyName = p.string();
        const int kind = p.integer();
        p.close();
        if (className == QLatin1String("*"))
            className.clear();
        if (propertyName == QLatin1String("*"))
            propertyName.clear();
        targets.add(className, propertyName, kind == 1 ? TIvTargetProperty::Exclude : TIvTargetProperty::Include);
    }
    p.close();
    p.end();
    return targets;
}

QString TIvTargetProperties::toData() const
{
    QString data = QStringLiteral("(1 %1").arg(m_entries.size());
    for (const TIvTargetProperty &e : m_entries)
        data += QStringLiteral(" (%1 %2 %3)").arg(stored(e.className), stored(e.propertyName)).arg(int(e.kind));
    return data + u')';
}

void TIvTargetProperties::add(const TIvTargetProperty &entry)
{
    if (m_entries.contains(entry))
        return;
    m_entries << entry;
    if (entry.kind == TIvTargetProperty::Exclude)
        ++m_exclusions;
}

void TIvTargetProperties::add(const QString &className, const QString &propertyName, TIvTargetProperty::Kind kind)
{
    add(TIvTargetProperty{className, propertyName, kind});
}

void TIvTargetProperties::clear()
{
    m_entries.clear();
    m_exclusions = 0;
}

bool TIvTargetProperties::matches(const TIvTargetProperty &e, const QString &className, const QString &propertyName)
{
    if (e.className.isEmpty())
        return !e.propertyName.isEmpty() && e.propertyName.compare(propertyName, Qt::CaseInsensitive) == 0;
    return e.className.compare(className, Qt::CaseInsensitive) == 0 &&
           (e.propertyName.isEmpty() || e.propertyName.compare(propertyName, Qt::CaseInsensitive) == 0);
}

bool TIvTargetProperties::isTarget(const QString &className, const QString &propertyName) const
{
    bool included = false;
    for (const TIvTargetProperty &e : m_entries) {
        if (!matches(e, className, propertyName))
            continue;
        if (e.kind == TIvTargetProperty::Exclude)
            return false;
        included = true;
    }
    return included;
}
