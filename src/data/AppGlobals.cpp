#include "data/AppGlobals.h"

namespace app {

namespace {

QString &title()
{
    static QString t = QString::fromLatin1(kNativeTitle);
    return t;
}

} // namespace

QString ApplicationTitle() { return title(); }
void setApplicationTitle(const QString &t) { title() = t; }

} // namespace app
