#include "browse/Shell.h"

namespace {

Shell *g_shell = nullptr;
help::Handler &handler()
{
    static help::Handler h;
    return h;
}

} // namespace

Shell *Shell::instance() { return g_shell; }
void Shell::setInstance(Shell *shell) { g_shell = shell; }

namespace help {

void setHandler(Handler h) { handler() = std::move(h); }

void showContext(const QString &helpFile, int context)
{
    if (handler())
        handler()(helpFile, context);
}

void showTopics(const QString &helpFile)
{
    if (handler())
        handler()(helpFile, kTopicsCommand);
}

} // namespace help
