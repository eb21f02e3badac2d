#pragma once

#include <QString>

// Program-wide values owned by the main window and read everywhere else.
namespace app {

// The directory of the executable, ending in a path separator.
QString AppDir();
void setAppDir(const QString &dir);

// 1 English, 2 Spanish; changed only by the main window's language switch.
int LanguageCode();
// "EN" or "ES": prefixes help file names and selects tolerance rows.
QString LanguagePrefix();
// Sets the code and, for 1 or 2, the prefix (another code leaves it).
void setLanguage(int code);

// The family of the section whose sheet is being opened ("HEB", "ANG", ...).
QString SheetFamilyKey();
void setSheetFamilyKey(const QString &key);

// The title of the application, "Raroda TOLMO Dudovavidira 2.01", in the
// current language once a language has been applied.
QString ApplicationTitle();
void setApplicationTitle(const QString &title);
inline constexpr const char kNativeTitle[] = "Raroda TOLMO Dudovavidira 2.01";

} // namespace app
