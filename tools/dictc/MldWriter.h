#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Writes binary dictionary files ("MLD"): the program's dictionary, and for
// the tests every variant the reader accepts (format versions 1 to 3, both
// byte orders, 8-bit or UTF-16 characters, the four context kinds, custom
// locale records, v3 records longer than their fields).
namespace mld {

struct Language {
    int primary = 0; // 0: the native language
    int sub = 0;
    QString isoLanguage, isoCountry; // two letters each (version 2 and later)
    QList<int> subLanguages;
    QString secondList;
    int charset = 0; // version 3 and later
    int codePage = 1252;
    int flags = 0;
    QString englishName, nativeName, fontName;
    int fontSize = 0;
    QByteArray extra; // appended to a version-3 record
};

struct Record {
    QString native, className, component;
    QStringList columns; // languages 1, 2, ...
};

struct Locale {
    int primary = 0, sub = 0;
    QString isoLanguage, isoCountry;
    int codePage = 1252;
    QString englishLanguageName, englishCountryName, nativeLanguageName, nativeCountryName;
    QString currencySymbol;
    int currencyFormat = 0, negativeCurrencyFormat = 0, currencyDecimals = 2;
    QChar thousandSeparator = u',', decimalSeparator = u'.', dateSeparator = u'/', timeSeparator = u':';
    QString shortDateFormat, longDateFormat, amText, pmText;
    bool leadingZeroHours = false, hour24 = true, amPmBefore = false;
    QStringList shortMonthNames, longMonthNames; // 12 each
    QStringList shortDayNames, longDayNames;     // 7 each, Monday first
    QByteArray extra;                            // appended to a version-3 record
};

enum ContextKind { NoContext = 0, ClassAndComponent = 1, ComponentOnly = 2, ClassOnly = 3 };

struct Document {
    int version = 3;
    bool bigEndian = false;
    bool wide = true; // UTF-16; false: 8-bit characters
    int contextKind = NoContext;
    QList<Language> languages;
    QList<Record> records;
    QList<Locale> locales;
};

// The file's bytes. Fails with std::runtime_error for a text that the
// 8-bit form cannot hold (code page 1252 only), a string longer than 65535
// characters, more than 65535 records or a record too long for its length.
QByteArray write(const Document &document);
// Writes through a temporary file, so a failure leaves an old file intact.
void writeFile(const QString &path, const Document &document);

// The program's languages: 0 native, 1 English (9), 2 Spanish (10).
QList<Language> programLanguages();
// Custom locale records of US English and Spain's Spanish.
Locale englishUnitedStates();
Locale spanishSpain();

} // namespace mld
