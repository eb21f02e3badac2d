#pragma once

#include "data/AppContext.h"

// The shared values of a test program, as the main window would own them:
// the windows a test creates are given this context.
inline AppContext &testContext()
{
    static AppContext context;
    return context;
}
