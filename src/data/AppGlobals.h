#pragma once

#include <QString>

// The application's title, the caption of message boxes and error reports
// wherever they are raised (as a desktop application's title is).
namespace app {

// "Raroda TOLMO Dudovavidira 2.01", in the current language once a language
// has been applied.
QString ApplicationTitle();
void setApplicationTitle(const QString &title);
inline constexpr const char kNativeTitle[] = "Raroda TOLMO Dudovavidira 2.01";

} // namespace app
