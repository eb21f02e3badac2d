#include "i18n/IvLocales.h"

#include <QStringDecoder>

namespace ivlocale {

namespace {

struct PrimaryLanguage {
    int primary;
    QLocale::Language language;
    int codePage;
};

// The primary language identifiers of the platform's locale identifiers.
constexpr PrimaryLanguage kLanguages[] = {
    {0x01, QLocale::Arabic, 1256},     {0x02, QLocale::Bulgarian, 1251}, {0x03, QLocale::Catalan, 1252},
    {0x04, QLocale::Chinese, 936},     {0x05, QLocale::Czech, 1250},     {0x06, QLocale::Danish, 1252},
    {0x07, QLocale::German, 1252},     {0x08, QLocale::Greek, 1253},     {0x09, QLocale::English, 1252},
    {0x0a, QLocale::Spanish, 1252},    {0x0b, QLocale::Finnish, 1252},   {0x0c, QLocale::French, 1252},
    {0x0d, QLocale::Hebrew, 1255},     {0x0e, QLocale::Hungarian, 1250}, {0x10, QLocale::Italian, 1252},
    {0x11, QLocale::Japanese, 932},    {0x12, QLocale::Korean, 949},     {0x13, QLocale::Dutch, 1252},
    {0x14, QLocale::NorwegianBokmal, 1252}, {0x15, QLocale::Polish, 1250}, {0x16, QLocale::Portuguese, 1252},
    {0x19, QLocale::Russian, 1251},    {0x1d, QLocale::Swedish, 1252},   {0x1e, QLocale::Thai, 874},
    {0x1f, QLocale::Turkish, 1254},    {0x21, QLocale::Indonesian, 1252}, {0x22, QLocale::Ukrainian, 1251},
    {0x25, QLocale::Estonian, 1257},   {0x29, QLocale::Persian, 1256},   {0x2a, QLocale::Vietnamese, 1258},
    {0x2d, QLocale::Basque, 1252},     {0x56, QLocale::Galician, 1252},
};

struct Territory {
    int primary;
    int sub;
    QLocale::Territory territory;
};

constexpr Territory kTerritories[] = {
    {0x09, 1, QLocale::UnitedStates}, {0x09, 2, QLocale::UnitedKingdom}, {0x09, 3, QLocale::Australia},
    {0x09, 4, QLocale::Canada},       {0x09, 5, QLocale::NewZealand},    {0x09, 6, QLocale::Ireland},
    {0x0a, 1, QLocale::Spain},        {0x0a, 2, QLocale::Mexico},        {0x0a, 3, QLocale::Spain},
    {0x0a, 11, QLocale::Argentina},   {0x0a, 13, QLocale::Chile},        {0x0a, 10, QLocale::Peru},
    {0x16, 1, QLocale::Brazil},       {0x16, 2, QLocale::Portugal},      {0x07, 1, QLocale::Germany},
    {0x0c, 1, QLocale::France},       {0x10, 1, QLocale::Italy},
};

const PrimaryLanguage *byPrimary(int primary)
{
    for (const auto &l : kLanguages)
        if (l.primary == primary)
            return &l;
    return nullptr;
}

// Code points 0x80 to 0x9f of windows-1252 (0 where the code page has none).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

QLocale toQLocale(int lcid)
{
    const int primary = ivPrimaryOf(lcid);
    const PrimaryLanguage *language = byPrimary(primary);
    if (!language)
        return QLocale::c();
    const int sub = ivSubOf(lcid);
    for (const auto &t : kTerritories)
        if (t.primary == primary && t.sub == sub)
            return QLocale(language->language, t.territory);
    return QLocale(language->language);
}

int fromQLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return ivMakeLcid(ivPrimaryEnglish, 1);
    for (const auto &l : kLanguages) {
        if (l.language != locale.language())
            continue;
        for (const auto &t : kTerritories)
            if (t.primary == l.primary && t.territory == locale.territory())
                return ivMakeLcid(l.primary, t.sub);
        return ivMakeLcid(l.primary, 1);
    }
    return ivMakeLcid(ivPrimaryEnglish, 1);
}

int userDefaultLcid() { return fromQLocale(QLocale::system()); }
int systemDefaultLcid() { return fromQLocale(QLocale::system()); }

int defaultCodePage(int primary)
{
    const PrimaryLanguage *language = byPrimary(primary);
    return language ? language->codePage : 0;
}

int charsetOfCodePage(int codePage)
{
    switch (codePage) {
    case 874: return 222;  // Thai
    case 932: return 128;  // Shift-JIS
    case 936: return 134;  // GB2312
    case 949: return 129;  // Hangul
    case 950: return 136;  // Big5
    case 1250: return 238; // East European
    case 1251: return 204; // Russian
    case 1253: return 161; // Greek
    case 1254: return 162; // Turkish
    case 1255: return 177; // Hebrew
    case 1256: return 178; // Arabic
    case 1257: return 186; // Baltic
    case 1258: return 163; // Vietnamese
    default: return 0;     // ANSI
    }
}

QString decode8Bit(QByteArrayView bytes, int codePage)
{
    if (codePage == ivUnicodeCodePage)
        return QString::fromUtf8(bytes);
    if (codePage == 0 || codePage == 1252 || codePage == 28591) {
        QString text;
        text.reserve(bytes.size());
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            char16_t u = b;
            if (codePage != 28591 && b >= 0x80 && b < 0xa0 && kCp1252High[b - 0x80] != 0)
                u = kCp1252High[b - 0x80];
            text.append(QChar(u));
        }
        return text;
    }
    QStringDecoder decoder(QStringLiteral("windows-%1").arg(codePage).toLatin1().constData());
    if (decoder.isValid()) {
        QString text = decoder.decode(bytes);
        if (!decoder.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

TIvLocaleInfo systemLocaleInfo(int lcid) { return localeInfoOf(toQLocale(lcid), lcid); }

TIvLocaleInfo localeInfoOf(const QLocale &l, int lcid)
{
    TIvLocaleInfo info;
    info.lcid = lcid;
    info.qlocale = l;
    const int primary = ivPrimaryOf(lcid);
    info.isoLanguage = isoLanguageCode(primary);
    info.isoCountry = isoCountryCode(primary, ivSubOf(lcid));
    info.codePage = defaultCodePage(primary);
    info.englishLanguageName = englishLanguageName(primary);
    info.englishCountryName = QLocale::territoryToString(l.territory());
    info.nativeLanguageName = l.nativeLanguageName();
    info.nativeCountryName = l.nativeTerritoryName();
    info.currencySymbol = l.currencySymbol();
    info.currencyDecimals = 2;
    info.thousandSeparator = l.groupSeparator().isEmpty() ? QChar() : l.groupSeparator().at(0);
    info.decimalSeparator = l.decimalPoint().isEmpty() ? QChar(u'.') : l.decimalPoint().at(0);
    info.shortDateFormat = l.dateFormat(QLocale::ShortFormat);
    info.longDateFormat = l.dateFormat(QLocale::LongFormat);
    for (QChar c : info.shortDateFormat)
        if (!c.isLetter()) {
            info.dateSeparator = c;
            break;
        }
    const QString time = l.timeFormat(QLocale::ShortFormat);
    for (QChar c : time)
        if (!c.isLetter() && !c.isSpace()) {
            info.timeSeparator = c;
            break;
        }
    info.amText = l.amText();
    info.pmText = l.pmText();
    info.hour24 = !time.contains(u'a', Qt::CaseInsensitive);
    info.leadingZeroHours = time.startsWith(QLatin1String("hh")) || time.startsWith(QLatin1String("HH"));
    info.amPmBefore = time.startsWith(u'a', Qt::CaseInsensitive);
    for (int m = 1; m <= 12; ++m) {
        info.shortMonthNames << l.monthName(m, QLocale::ShortFormat);
        info.longMonthNames << l.monthName(m, QLocale::LongFormat);
    }
    for (int d = 1; d <= 7; ++d) {
        info.shortDayNames << l.dayName(d, QLocale::ShortFormat);
        info.longDayNames << l.dayName(d, QLocale::LongFormat);
    }
    return info;
}

QString englishLanguageName(int primary)
{
    const PrimaryLanguage *language = byPrimary(primary);
    return language ? QLocale::languageToString(language->language) : QString();
}

QString nativeLanguageName(int primary, int sub)
{
    if (!byPrimary(primary))
        return QString();
    return toQLocale(ivMakeLcid(primary, sub)).nativeLanguageName();
}

QString isoLanguageCode(int primary)
{
    const PrimaryLanguage *language = byPrimary(primary);
    if (!language)
        return QString();
    return QLocale::languageToCode(language->language, QLocale::ISO639Part1);
}

QString isoCountryCode(int primary, int sub)
{
    for (const auto &t : kTerritories)
        if (t.primary == primary && t.sub == sub)
            return QLocale::territoryToCode(t.territory);
    return QString();
}

} // namespace ivlocale
