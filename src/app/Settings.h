#pragma once

#include "data/AppContext.h"

#include <QString>

// The settings file "PTolmo2.ini" in the application directory, opened anew
// for every read and write so an edit takes effect at the next command.
namespace settings {

QString filePath(const AppContext &context);
// [Idioma] Codigo: 1 English or 2 Spanish; a missing, unreadable or garbled
// file, a missing key, not a whole number or another number read as
// Spanish, the default.
Language readLanguage(const AppContext &context);
// Writes [Idioma] Codigo when it differs from the stored code (a garbled
// file is written anew, keeping what could be read of it); throws "Unable
// to write to <file>" on failure.
void writeLanguage(const AppContext &context, Language language);
// [Internet] key, or the default when the file or key is missing.
QString readInternet(const AppContext &context, const QString &key, const QString &defaultValue);

} // namespace settings
