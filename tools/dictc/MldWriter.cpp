#include "MldWriter.h"

#include <QSaveFile>
#include <QtEndian>

#include <stdexcept>

namespace mld {

namespace {

[[noreturn]] void fail(const QString &message) { throw std::runtime_error(message.toStdString()); }

// Characters 0x80 to 0x9f of windows-1252 (the others equal Latin-1).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char encode1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xa0 && u <= 0xff))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u)
            return static_cast<char>(0x80 + i);
    fail(QStringLiteral("the character U+%1 has no place in code page 1252").arg(int(u), 4, 16, QLatin1Char('0')));
}

class Out {
public:
    Out(bool big, bool wide) : m_big(big), m_wide(wide) {}

    QByteArray &bytes() { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }

    void u8(int v) { m_bytes.append(static_cast<char>(v & 0xff)); }
    void u16(int v)
    {
        if (v < 0 || v > 0xffff)
            fail(QStringLiteral("the number %1 does not fit in 16 bits").arg(v));
        uchar b[2];
        m_big ? qToBigEndian<quint16>(quint16(v), b) : qToLittleEndian<quint16>(quint16(v), b);
        m_bytes.append(reinterpret_cast<const char *>(b), 2);
    }
    void u32(quint32 v)
    {
        uchar b[4];
        m_big ? qToBigEndian<quint32>(v, b) : qToLittleEndian<quint32>(v, b);
        m_bytes.append(reinterpret_cast<const char *>(b), 4);
    }
    void fixed(const QString &text, int length)
    {
        QString s = text.left(length);
        while (s.size() < length)
            s += QChar(u'\0');
        chars(s);
    }
    void counted(const QString &text)
    {
        if (text.size() > 0xffff)
            fail(QStringLiteral("a text of %1 characters is too long").arg(text.size()));
        u16(static_cast<int>(text.size()));
        chars(text);
    }
    void patch16(qsizetype at, int v)
    {
        uchar b[2];
        m_big ? qToBigEndian<quint16>(quint16(v), b) : qToLittleEndian<quint16>(quint16(v), b);
        m_bytes[at] = static_cast<char>(b[0]);
        m_bytes[at + 1] = static_cast<char>(b[1]);
    }

private:
    void chars(const QString &text)
    {
        for (QChar c : text) {
            if (m_wide)
                u16(c.unicode());
            else
                m_bytes.append(encode1252(c));
        }
    }

    QByteArray m_bytes;
    bool m_big;
    bool m_wide;
};

QString numberList(const QList<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(u',');
}

// A version-3 record starts with its length, filled in once it is written.
class Record3 {
public:
    Record3(Out &out, int version) : m_out(out), m_start(out.size()), m_on(version >= 3)
    {
        if (m_on)
            out.u16(0);
    }
    void finish(const QByteArray &extra)
    {
        if (!m_on)
            return;
        m_out.bytes().append(extra);
        const qsizetype length = m_out.size() - m_start;
        if (length > 0xffff)
            fail(QStringLiteral("a record of %1 bytes is too long").arg(length));
        m_out.patch16(m_start, static_cast<int>(length));
    }

private:
    Out &m_out;
    qsizetype m_start;
    bool m_on;
};

void writeLanguage(Out &out, const Document &d, const Language &l)
{
    Record3 record(out, d.version);
    out.u16(l.primary);
    if (d.version >= 2)
        out.fixed(l.isoLanguage, 2);
    out.u16(l.sub);
    if (d.version >= 2)
        out.fixed(l.isoCountry, 2);
    out.counted(numberList(l.subLanguages));
    if (d.version >= 2)
        out.counted(l.secondList);
    if (d.version >= 3)
        out.u16(l.charset);
    out.u16(l.codePage);
    out.u8(l.flags);
    out.counted(l.englishName);
    out.counted(l.nativeName);
    out.counted(l.fontName);
    out.u8(l.fontSize);
    record.finish(l.extra);
}

void writeRecord(Out &out, const Document &d, const Record &r)
{
    out.counted(r.native);
    if (d.contextKind == ClassAndComponent || d.contextKind == ClassOnly)
        out.counted(r.className);
    if (d.contextKind == ClassAndComponent || d.contextKind == ComponentOnly)
        out.counted(r.component);
    for (int column = 0; column < d.languages.size() - 1; ++column)
        out.counted(column < r.columns.size() ? r.columns.at(column) : QString());
}

void writeNames(Out &out, const QStringList &names, int count)
{
    for (int i = 0; i < count; ++i)
        out.counted(i < names.size() ? names.at(i) : QString());
}

void writeLocale(Out &out, const Document &d, const Locale &l)
{
    Record3 record(out, d.version);
    out.u16(l.primary);
    if (d.version >= 2)
        out.fixed(l.isoLanguage, 2);
    out.u16(l.sub);
    if (d.version >= 2)
        out.fixed(l.isoCountry, 2);
    if (d.version >= 3)
        out.u16(0);
    out.u16(l.codePage);
    out.u8(0);
    out.counted(l.englishLanguageName);
    out.counted(l.englishCountryName);
    out.counted(l.nativeLanguageName);
    out.counted(l.nativeCountryName);
    out.counted(QString());
    out.counted(QString());
    out.u8(0);
    out.counted(l.currencySymbol);
    out.u8(l.currencyFormat);
    out.u8(l.negativeCurrencyFormat);
    out.u8(l.currencyDecimals);
    out.fixed(l.thousandSeparator, 1);
    out.fixed(l.decimalSeparator, 1);
    out.fixed(l.dateSeparator, 1);
    out.counted(l.shortDateFormat);
    out.counted(l.longDateFormat);
    out.fixed(l.timeSeparator, 1);
    out.counted(l.amText);
    out.counted(l.pmText);
    out.u8(l.leadingZeroHours ? 1 : 0);
    out.u8(l.hour24 ? 1 : 0);
    out.u8(l.amPmBefore ? 1 : 0);
    for (int i = 0; i < 4; ++i)
        out.u8(0);
    writeNames(out, l.shortMonthNames, 12);
    writeNames(out, l.longMonthNames, 12);
    writeNames(out, l.shortDayNames, 7);
    writeNames(out, l.longDayNames, 7);
    record.finish(l.extra);
}

} // namespace

QByteArray write(const Document &d)
{
    if (d.version < 1 || d.version > 255)
        fail(QStringLiteral("format version %1 cannot be written").arg(d.version));
    for (const auto count : {d.languages.size(), d.records.size(), d.locales.size()})
        if (count > 0xffff)
            fail(QStringLiteral("%1 records are too many for one file").arg(count));
    Out out(d.bigEndian, d.wide);
    constexpr int kHeaderSize = 42;
    out.bytes().fill('\0', kHeaderSize);

    const auto languageOffset = static_cast<quint32>(out.size());
    for (const Language &l : d.languages)
        writeLanguage(out, d, l);
    const auto translationOffset = static_cast<quint32>(out.size());
    for (const Record &r : d.records)
        writeRecord(out, d, r);
    const auto localeOffset = static_cast<quint32>(out.size());
    for (const Locale &l : d.locales)
        writeLocale(out, d, l);

    QByteArray body = out.bytes().mid(kHeaderSize);
    Out header(d.bigEndian, d.wide);
    header.bytes().append("MLD", 3);
    header.u8(d.version);
    header.u8(d.bigEndian ? 0 : 1);
    // Version 1 keeps the character width at offset 7; offset 5 then holds
    // the opposite, which a reader must not look at.
    const int narrow = d.wide ? 0 : 1;
    header.u8(d.version == 1 ? 1 - narrow : narrow);
    header.u8(d.contextKind);
    header.u8(d.version == 1 ? narrow : 0);
    header.u32(0);
    header.u16(static_cast<int>(d.languages.size()));
    header.u32(languageOffset);
    header.u16(static_cast<int>(d.records.size()));
    header.u32(translationOffset);
    header.u16(static_cast<int>(d.locales.size()));
    header.u32(d.locales.isEmpty() ? 0 : localeOffset);
    header.u16(0);
    header.u32(0);
    while (header.size() < kHeaderSize)
        header.u8(0);
    return header.bytes() + body;
}

void writeFile(const QString &path, const Document &document)
{
    const QByteArray bytes = write(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

QList<Language> programLanguages()
{
    Language native;
    native.codePage = 1252;
    native.englishName = QStringLiteral("Native");
    native.nativeName = QStringLiteral("Native");

    Language english;
    english.primary = 9;
    english.sub = 1;
    english.isoLanguage = QStringLiteral("en");
    english.isoCountry = QStringLiteral("US");
    english.englishName = QStringLiteral("English");
    english.nativeName = QStringLiteral("English");

    Language spanish;
    spanish.primary = 10;
    spanish.sub = 3;
    spanish.isoLanguage = QStringLiteral("es");
    spanish.isoCountry = QStringLiteral("ES");
    spanish.englishName = QStringLiteral("Spanish");
    spanish.nativeName = QStringLiteral("Español");
    return {native, english, spanish};
}

Locale englishUnitedStates()
{
    Locale l;
    l.primary = 9;
    l.sub = 1;
    l.isoLanguage = QStringLiteral("en");
    l.isoCountry = QStringLiteral("US");
    l.englishLanguageName = QStringLiteral("English");
    l.englishCountryName = QStringLiteral("United States");
    l.nativeLanguageName = QStringLiteral("English");
    l.nativeCountryName = QStringLiteral("United States");
    l.currencySymbol = QStringLiteral("$");
    l.shortDateFormat = QStringLiteral("M/d/yy");
    l.longDateFormat = QStringLiteral("dddd, MMMM dd, yyyy");
    l.amText = QStringLiteral("AM");
    l.pmText = QStringLiteral("PM");
    l.hour24 = false;
    l.shortMonthNames = QStringLiteral("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec").split(u' ');
    l.longMonthNames = QStringLiteral("January February March April May June July August September October November December").split(u' ');
    l.shortDayNames = QStringLiteral("Mon Tue Wed Thu Fri Sat Sun").split(u' ');
    l.longDayNames = QStringLiteral("Monday Tuesday Wednesday Thursday Friday Saturday Sunday").split(u' ');
    return l;
}

Locale spanishSpain()
{
    Locale l;
    l.primary = 10;
    l.sub = 3;
    l.isoLanguage = QStringLiteral("es");
    l.isoCountry = QStringLiteral("ES");
    l.englishLanguageName = QStringLiteral("Spanish");
    l.englishCountryName = QStringLiteral("Spain");
    l.nativeLanguageName = QStringLiteral("español");
    l.nativeCountryName = QStringLiteral("España");
    l.currencySymbol = QStringLiteral("€");
    l.currencyFormat = 3;
    l.negativeCurrencyFormat = 8;
    l.thousandSeparator = u'.';
    l.decimalSeparator = u',';
    l.dateSeparator = u'/';
    l.shortDateFormat = QStringLiteral("dd/MM/yy");
    l.longDateFormat = QStringLiteral("dddd, d' de 'MMMM' de 'yyyy");
    l.hour24 = true;
    l.leadingZeroHours = true;
    l.shortMonthNames = QStringLiteral("ene feb mar abr may jun jul ago sep oct nov dic").split(u' ');
    l.longMonthNames = QStringLiteral("enero febrero marzo abril mayo junio julio agosto septiembre octubre noviembre diciembre").split(u' ');
    l.shortDayNames = QStringLiteral("lun mar mié jue vie sáb dom").split(u' ');
    l.longDayNames = QStringLiteral("lunes martes miércoles jueves viernes sábado domingo").split(u' ');
    return l;
}

} // namespace mld
