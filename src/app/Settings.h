#pragma once

#include <QString>

// The settings file "PTolmo2.ini" in the application directory, opened anew
// for every read and write so an edit takes effect at the next command.
namespace settings {

QString filePath();
// [Idioma] Codigo: 1 or 2; missing, not a whole number, or another number
// reads as 2.
int readLanguageCode();
// Writes [Idioma] Codigo; throws "Unable to write to <file>" on failure.
void writeLanguageCode(int code);
// [Internet] key, or the default when the file or key is missing.
QString readInternet(const QString &key, const QString &defaultValue);

} // namespace settings
