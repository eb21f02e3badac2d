#pragma once

#include "i18n/IvTypes.h"

#include <QByteArrayView>
#include <QLocale>
#include <QString>

// The platform side of the dictionaries: locale identifiers as Qt locales,
// the code pages and character sets of the languages, and 8-bit text.
// Deliberately modest: the program offers English and Spanish.
namespace ivlocale {

// The Qt locale of a locale identifier; QLocale::c() for unknown ones.
QLocale toQLocale(int lcid);
// The locale identifier of a Qt locale (the C locale reads as US English).
int fromQLocale(const QLocale &locale);
// The user's and the system's default locale (both the system locale here).
int userDefaultLcid();
int systemDefaultLcid();

// The Windows code page of a primary language; 0 when the language is unknown.
int defaultCodePage(int primary);
// The font character set that goes with a code page (0 is the ANSI set).
int charsetOfCodePage(int codePage);

// Text of 8-bit characters in a code page: windows-1252 and Latin-1 by
// table, UTF-8 by Qt, other Windows code pages through Qt's converters when
// it has them, else as Latin-1.
QString decode8Bit(QByteArrayView bytes, int codePage);

// The system's description of a locale (names, separators, formats).
TIvLocaleInfo systemLocaleInfo(int lcid);
// The same for a Qt locale, under the identifier given.
TIvLocaleInfo localeInfoOf(const QLocale &locale, int lcid);

// Names and ISO codes of a language from the system's locale data.
QString englishLanguageName(int primary);
QString nativeLanguageName(int primary, int sub);
QString isoLanguageCode(int primary);
QString isoCountryCode(int primary, int sub);

} // namespace ivlocale
