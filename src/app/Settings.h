#pragma once

#include "data/AppContext.h"

#include <QString>

// The settings file "PTolmo2.ini" in the application directory, opened anew
// for every read and write so an edit takes effect at the next command.
namespace settings {

QString filePath(const AppContext &context);
// [Idioma] Codigo: 1 English or 2 Spanish; missing, not a whole number, or
// another number reads as Spanish.
Language readLanguage(const AppContext &context);
// Writes [Idioma] Codigo; throws "Unable to write to <file>" on failure.
void writeLanguage(const AppContext &context, Language language);
// [Internet] key, or the default when the file or key is missing.
QString readInternet(const AppContext &context, const QString &key, const QString &defaultValue);

} // namespace settings
