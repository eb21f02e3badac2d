#include "data/AppGlobals.h"

#include <QDir>

namespace app {

namespace {

struct Globals {
    QString appDir;
    int languageCode = 2;
    QString languagePrefix = QStringLiteral("ES");
    QString sheetFamilyKey;
    QString title = QString::fromLatin1(kNativeTitle);
};

Globals &globals()
{
    static Globals g;
    return g;
}

} // namespace

QString AppDir() { return globals().appDir; }

void setAppDir(const QString &dir)
{
    QString d = dir;
    if (!d.endsWith(u'/') && !d.endsWith(QDir::separator()))
        d += u'/';
    globals().appDir = d;
}

int LanguageCode() { return globals().languageCode; }
QString LanguagePrefix() { return globals().languagePrefix; }

void setLanguage(int code)
{
    globals().languageCode = code;
    if (code == 1)
        globals().languagePrefix = QStringLiteral("EN");
    else if (code == 2)
        globals().languagePrefix = QStringLiteral("ES");
}

QString SheetFamilyKey() { return globals().sheetFamilyKey; }
void setSheetFamilyKey(const QString &key) { globals().sheetFamilyKey = key; }

QString ApplicationTitle() { return globals().title; }
void setApplicationTitle(const QString &title) { globals().title = title; }

} // namespace app
