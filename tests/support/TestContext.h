#pragma once

#include "data/AppContext.h"

#include <QString>
#include <QtGlobal>

// The shared values of a test program, as the main window would own them:
// the windows a test creates are given this context.
inline AppContext &testContext()
{
    static AppContext context;
    return context;
}

// Points the test context at the built application directory (the folder
// TOLMO_APPDIR names), in English. False when the variable is not set.
inline bool useBuiltAppDir()
{
    const QString dir = qEnvironmentVariable("TOLMO_APPDIR");
    if (dir.isEmpty())
        return false;
    testContext().setAppDir(dir);
    testContext().setLanguage(Language::English);
    return true;
}
