#include "i18n/IvMldReader.h"

#include "i18n/IvErrors.h"
#include "i18n/IvLocales.h"

#include <QtEndian>

class TIvMldReader::Cursor {
public:
    Cursor(const QByteArray &data, qsizetype pos, const TIvMldHeader &header, const QString &fileName)
        : m_data(data), m_pos(pos), m_big(header.bigEndian), m_wide(header.wide), m_fileName(fileName)
    {
    }

    qsizetype pos() const { return m_pos; }

    quint8 u8(const char *what)
    {
        need(1, what);
        return static_cast<quint8>(m_data.at(m_pos++));
    }

    quint16 u16(const char *what)
    {
        need(2, what);
        const auto *p = reinterpret_cast<const uchar *>(m_data.constData() + m_pos);
        m_pos += 2;
        return m_big ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
    }

    // A string of a given number of characters without count.
    QString fixed(qsizetype length, int codePage, const char *what)
    {
        const qsizetype bytes = m_wide ? length * 2 : length;
        need(bytes, what);
        const char *p = m_data.constData() + m_pos;
        m_pos += bytes;
        if (!m_wide)
            return ivlocale::decode8Bit(QByteArrayView(p, bytes), codePage);
        QString text(length, Qt::Uninitialized);
        for (qsizetype i = 0; i < length; ++i) {
            const auto *u = reinterpret_cast<const uchar *>(p + 2 * i);
            text[i] = QChar(m_big ? qFromBigEndian<quint16>(u) : qFromLittleEndian<quint16>(u));
        }
        return text;
    }

    // A 16-bit character count followed by that many characters.
    QString counted(int codePage, const char *what) { return fixed(u16(what), codePage, what); }

    void skipTo(qsizetype end, const char *what)
    {
        if (end < m_pos)
            fail(QStringLiteral("%1 is longer than its stated record length").arg(QLatin1String(what)));
        need(end - m_pos, what);
        m_pos = end;
    }

    [[noreturn]] void fail(const QString &why) const
    {
        throw EIvStreamError(QStringLiteral("The dictionary file %1 is corrupt: %2").arg(m_fileName, why));
    }

private:
    void need(qsizetype bytes, const char *what) const
    {
        if (bytes > m_data.size() - m_pos)
            fail(QStringLiteral("%1 at offset %2 runs past the end of the file (%3 bytes)")
                     .arg(QLatin1String(what))
                     .arg(m_pos)
                     .arg(m_data.size()));
    }

    const QByteArray &m_data;
    qsizetype m_pos;
    bool m_big;
    bool m_wide;
    const QString &m_fileName;
};

namespace {

quint16 headerU16(const QByteArray &d, int at, bool big)
{
    const auto *p = reinterpret_cast<const uchar *>(d.constData() + at);
    return big ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
}

quint32 headerU32(const QByteArray &d, int at, bool big)
{
    const auto *p = reinterpret_cast<const uchar *>(d.constData() + at);
    return big ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
}

QList<int> numberList(const QString &text)
{
    QList<int> numbers;
    for (const QString &part : text.split(u',', Qt::SkipEmptyParts)) {
        const int n = part.trimmed().toInt();
        if (n >= 1)
            numbers << n;
    }
    return numbers;
}

int effectiveCodePage(int primary, int codePage)
{
    if (codePage != 0)
        return codePage;
    const int byLanguage = ivlocale::defaultCodePage(primary);
    return byLanguage != 0 ? byLanguage : 1252;
}

} // namespace

TIvMldReader::TIvMldReader(QByteArray data, QString fileName, int ansiCodePage)
    : m_data(std::move(data)), m_fileName(std::move(fileName)),
      m_ansiCodePage(ansiCodePage == ivUnicodeCodePage || ansiCodePage == 0 ? 1252 : ansiCodePage)
{
    if (m_data.size() < 3 || !m_data.startsWith("MLD"))
        throw EIvStreamError(QStringLiteral("The stream is not a valid MLD stream"));
    if (m_data.size() < kHeaderSize)
        throw EIvStreamError(QStringLiteral("The dictionary file %1 is corrupt: its header is %2 of %3 bytes")
                                 .arg(m_fileName)
                                 .arg(m_data.size())
                                 .arg(kHeaderSize));
    const auto byte = [this](int at) { return static_cast<quint8>(m_data.at(at)); };
    TIvMldHeader &h = m_header;
    h.version = byte(3);
    if (h.version < 1)
        throw EIvStreamError(
            QStringLiteral("The dictionary file %1 has an unknown format version %2").arg(m_fileName).arg(h.version));
    h.bigEndian = byte(4) == 0;
    h.wide = (h.version == 1 ? byte(7) : byte(5)) == 0;
    const int kind = byte(6);
    if (kind > ivckClass)
        throw EIvStreamError(
            QStringLiteral("The dictionary file %1 is corrupt: unknown context kind %2").arg(m_fileName).arg(kind));
    h.contextKind = static_cast<TIvContextKind>(kind);
    h.languageCount = headerU16(m_data, 12, h.bigEndian);
    h.languageOffset = headerU32(m_data, 14, h.bigEndian);
    h.translationCount = headerU16(m_data, 18, h.bigEndian);
    h.translationOffset = headerU32(m_data, 20, h.bigEndian);
    h.localeCount = headerU16(m_data, 24, h.bigEndian);
    h.localeOffset = headerU32(m_data, 26, h.bigEndian);
}

TIvMldReader::Cursor TIvMldReader::cursorAt(quint32 offset) const
{
    Cursor c(m_data, 0, m_header, m_fileName);
    if (offset > static_cast<quint64>(m_data.size()))
        c.fail(QStringLiteral("offset %1 lies beyond the end of the file (%2 bytes)").arg(offset).arg(m_data.size()));
    c.skipTo(static_cast<qsizetype>(offset), "an offset");
    return c;
}

QList<TIvLanguageInfo> TIvMldReader::languages() const
{
    if (m_header.languageOffset == 0)
        throw EIvStreamError(QStringLiteral("Invalid language offset"));
    const int v = m_header.version;
    Cursor c = cursorAt(m_header.languageOffset);
    QList<TIvLanguageInfo> list;
    for (int i = 0; i < m_header.languageCount; ++i) {
        const qsizetype start = c.pos();
        int length = 0;
        if (v >= 3) {
            length = c.u16("a language record length");
            if (length < 2)
                c.fail(QStringLiteral("language record %1 states a length of %2 bytes").arg(i).arg(length));
        }
        TIvLanguageInfo l;
        l.primary = c.u16("a language identifier");
        const QString iso = v >= 2 ? c.fixed(2, m_ansiCodePage, "an ISO language code") : QString();
        l.sub = c.u16("a sublanguage identifier");
        const QString country = v >= 2 ? c.fixed(2, m_ansiCodePage, "an ISO country code") : QString();
        if (l.primary != 0)
            l.isoLanguage = iso;
        if (l.sub != 0)
            l.isoCountry = country;
        l.subLanguages = numberList(c.counted(m_ansiCodePage, "a sublanguage list"));
        if (v >= 2)
            l.secondList = c.counted(m_ansiCodePage, "a sublanguage list");
        if (v >= 3)
            l.charset = c.u16("a character set");
        l.codePage = c.u16("a code page");
        l.flags = c.u8("language flags");
        l.englishName = c.counted(m_ansiCodePage, "an English language name");
        l.nativeName = c.counted(effectiveCodePage(l.primary, l.codePage), "a native language name");
        l.fontName = c.counted(m_ansiCodePage, "a font name");
        l.fontSize = c.u8("a font size");
        if (v >= 3)
            c.skipTo(start + length, "a language record");
        list << l;
    }
    return list;
}

QList<TIvTranslationRecord> TIvMldReader::translations(const QList<TIvLanguageInfo> &languages) const
{
    if (m_header.translationOffset == 0)
        throw EIvStreamError(QStringLiteral("Invalid translation offset"));
    const TIvContextKind kind = m_header.contextKind;
    const bool withClass = kind == ivckClassAndComponent || kind == ivckClass;
    const bool withComponent = kind == ivckClassAndComponent || kind == ivckComponent;
    const int columns = qMax(0, m_header.languageCount - 1);
    Cursor c = cursorAt(m_header.translationOffset);
    QList<TIvTranslationRecord> records;
    for (int i = 0; i < m_header.translationCount; ++i) {
        TIvTranslationRecord r;
        r.native = c.counted(m_ansiCodePage, "a native text");
        if (withClass)
            r.className = c.counted(m_ansiCodePage, "a class context");
        if (withComponent)
            r.component = c.counted(m_ansiCodePage, "a component context");
        for (int column = 0; column < columns; ++column) {
            const int language = column + 1;
            const int codePage = language < languages.size()
                                     ? effectiveCodePage(languages.at(language).primary, languages.at(language).codePage)
                                     : m_ansiCodePage;
            r.columns << c.counted(codePage, "a translation");
        }
        records << r;
    }
    return records;
}

QList<TIvLocaleInfo> TIvMldReader::locales() const
{
    if (m_header.localeCount == 0)
        throw EIvStreamError(QStringLiteral("No custom locales"));
    if (m_header.localeOffset == 0)
        throw EIvStreamError(QStringLiteral("Invalid locale offset"));
    const int v = m_header.version;
    Cursor c = cursorAt(m_header.localeOffset);
    QList<TIvLocaleInfo> list;
    const auto names = [&c](int count, int codePage) {
        QStringList n;
        for (int i = 0; i < count; ++i)
            n << c.counted(codePage, "a month or day name");
        return n;
    };
    const auto character = [&c](int codePage, const char *what) {
        const QString s = c.fixed(1, codePage, what);
        return s.isEmpty() ? QChar() : s.at(0);
    };
    for (int i = 0; i < m_header.localeCount; ++i) {
        const qsizetype start = c.pos();
        int length = 0;
        if (v >= 3) {
            length = c.u16("a locale record length");
            if (length < 2)
                c.fail(QStringLiteral("locale record %1 states a length of %2 bytes").arg(i).arg(length));
        }
        TIvLocaleInfo l;
        const int primary = c.u16("a locale language identifier");
        const QString iso = v >= 2 ? c.fixed(2, m_ansiCodePage, "an ISO language code") : QString();
        const int sub = c.u16("a locale sublanguage identifier");
        const QString country = v >= 2 ? c.fixed(2, m_ansiCodePage, "an ISO country code") : QString();
        l.lcid = ivMakeLcid(primary, sub);
        l.isoLanguage = iso;
        l.isoCountry = country;
        if (v >= 3)
            c.u16("a locale value");
        l.codePage = c.u16("a locale code page");
        const int cp = effectiveCodePage(primary, l.codePage);
        c.u8("a locale value");
        l.englishLanguageName = c.counted(m_ansiCodePage, "a locale name");
        l.englishCountryName = c.counted(m_ansiCodePage, "a locale name");
        l.nativeLanguageName = c.counted(cp, "a locale name");
        l.nativeCountryName = c.counted(cp, "a locale name");
        c.counted(cp, "a locale text");
        c.counted(cp, "a locale text");
        c.u8("a locale value");
        l.currencySymbol = c.counted(cp, "a currency symbol");
        l.currencyFormat = c.u8("a currency format");
        l.negativeCurrencyFormat = c.u8("a currency format");
        l.currencyDecimals = c.u8("currency decimals");
        l.thousandSeparator = character(cp, "a thousand separator");
        l.decimalSeparator = character(cp, "a decimal separator");
        l.dateSeparator = character(cp, "a date separator");
        l.shortDateFormat = c.counted(cp, "a date format");
        l.longDateFormat = c.counted(cp, "a date format");
        l.timeSeparator = character(cp, "a time separator");
        l.amText = c.counted(cp, "an AM text");
        l.pmText = c.counted(cp, "a PM text");
        l.leadingZeroHours = c.u8("a time flag") != 0;
        l.hour24 = c.u8("a time flag") != 0;
        l.amPmBefore = c.u8("a time flag") != 0;
        for (int k = 0; k < 4; ++k)
            c.u8("a locale value");
        l.shortMonthNames = names(12, cp);
        l.longMonthNames = names(12, cp);
        l.shortDayNames = names(7, cp);
        l.longDayNames = names(7, cp);
        if (v >= 3)
            c.skipTo(start + length, "a locale record");
        list << l;
    }
    return list;
}
