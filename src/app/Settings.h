#pragma once

#include "data/AppContext.h"

#include <QString>

// The settings file "PTolmo2.ini", opened anew for every read and write so
// an edit takes effect at the next command.
//
// Where it is: in the application directory while that directory may be
// written (a copy of the program in a folder of its own). An installed
// program's directory is read-only: the settings are then written to the
// user's file, <user configuration folder>/tolmo/PTolmo2.ini, and each key
// is read from the user's file first and, when it is not there, from the
// application directory's file, which a supplier may ship.
namespace settings {

// The file in the application directory.
QString appDirFile(const AppContext &context);
// The user's file (QStandardPaths' generic configuration folder).
QString userFile();
// True when the application directory may be written: this user may write
// to it and its mode lets someone write (a directory installed without write
// permission counts as read-only, also for the administrator).
bool appDirWritable(const AppContext &context);
// The file the settings are written to.
QString filePath(const AppContext &context);

// [Idioma] Codigo: 1 English or 2 Spanish; a missing, unreadable or garbled
// file, a missing key, not a whole number or another number read as
// Spanish, the default.
Language readLanguage(const AppContext &context);
// Writes [Idioma] Codigo when it differs from the stored code (a garbled
// file is written anew, keeping what could be read of it); throws "Unable
// to write to <file>" on failure.
void writeLanguage(const AppContext &context, Language language);
// [Internet] key, or the default when no file has the key.
QString readInternet(const AppContext &context, const QString &key, const QString &defaultValue);

} // namespace settings
