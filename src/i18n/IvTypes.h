#pragma once

#include <QFlags>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// Values shared by the dictionaries and the translators.

enum TIvMissingTranslation {
    ivmtUseNative,      // the native text (the default, and this program's setting)
    ivmtUseNull,        // an empty text
    ivmtTagNative,      // the native text between two "@"
    ivmtRaiseException, // EIvMulti
};

enum TIvDictionaryOption {
    ivdoConvertNativeString = 0x01,
    ivdoUpdateLocaleVariables = 0x02,
    ivdoAutoTranslate = 0x04,
    ivdoYear2000 = 0x08,
    ivdoTranslateResourceStrings = 0x10,
    ivdoRecreateMDIChild = 0x20,
    ivdoUseFlatTranslation = 0x40,
};
Q_DECLARE_FLAGS(TIvDictionaryOptions, TIvDictionaryOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TIvDictionaryOptions)
inline constexpr TIvDictionaryOptions ivdoAll{0x7f};

enum TIvBinding { ivbiNone, ivbiLocaleToLanguage, ivbiLanguageToLocale };
enum TIvCheckLevel { ivclNone, ivclSystem, ivclCodePage };
enum TIvStorage { ivsFile, ivsEmbedded, ivsResource };

// How the translation records of a dictionary carry their context.
enum TIvContextKind { ivckNone = 0, ivckClassAndComponent = 1, ivckComponent = 2, ivckClass = 3 };

// Locale identifiers as the dictionary file stores them: the primary
// language in the low 10 bits, the sublanguage in the next 6.
inline constexpr int ivMakeLcid(int primary, int sub) { return (primary & 0x3ff) | ((sub & 0x3f) << 10); }
inline constexpr int ivPrimaryOf(int lcid) { return lcid & 0x3ff; }
inline constexpr int ivSubOf(int lcid) { return (lcid >> 10) & 0x3f; }
inline constexpr int ivLcidUserDefault = 0x400;   // primary 0, sublanguage 1
inline constexpr int ivLcidSystemDefault = 0x800; // primary 0, sublanguage 2
inline constexpr int ivPrimaryEnglish = 9;
inline constexpr int ivPrimarySpanish = 10;
inline constexpr int ivPrimaryIndonesian = 33;
// The code page of a system whose texts are Unicode: every code page counts
// as installed there and as the system's own.
inline constexpr int ivUnicodeCodePage = 65001;

// One language a dictionary offers.
struct TIvLanguageInfo {
    int primary = 0;        // 0: the native language
    int sub = 0;
    QList<int> subLanguages; // further sublanguages the language serves
    QString isoLanguage;     // two letters
    QString isoCountry;      // two letters
    QString secondList;      // kept as read; nothing uses it
    int charset = 0;
    int codePage = 0;
    int flags = 0;
    QString englishName;
    QString nativeName;
    QString fontName;   // empty: the window keeps its own
    int fontSize = 0;   // 0: the window keeps its own

    int lcid() const { return ivMakeLcid(primary, sub); }
    bool isNative() const { return primary == 0; }
    // Arabic, Hebrew and Farsi read right to left.
    bool rightToLeft() const { return primary == 0x01 || primary == 0x0d || primary == 0x29; }
};

// The number, date and currency conventions of a locale: from a custom
// locale record of the dictionary file, or from the system's locale data.
struct TIvLocaleInfo {
    int lcid = 0;
    bool custom = false; // came from the dictionary file
    QString isoLanguage, isoCountry;
    int codePage = 0;
    QString englishLanguageName, englishCountryName, nativeLanguageName, nativeCountryName;
    QString currencySymbol;
    int currencyFormat = 0, negativeCurrencyFormat = 0, currencyDecimals = 2;
    QChar thousandSeparator, decimalSeparator, dateSeparator, timeSeparator;
    QString shortDateFormat, longDateFormat;
    QString amText, pmText;
    bool leadingZeroHours = false, hour24 = true, amPmBefore = false;
    QStringList shortMonthNames, longMonthNames; // 12 each
    QStringList shortDayNames, longDayNames;     // 7 each, Monday first
    // The Qt locale of the same language and country, for number formats.
    QLocale qlocale = QLocale::c();
};
