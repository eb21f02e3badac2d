#include "data/AppContext.h"

#include <QDir>

void AppContext::setAppDir(const QString &dir)
{
    QString d = dir;
    if (!d.endsWith(u'/') && !d.endsWith(QDir::separator()))
        d += u'/';
    m_appDir = d;
}

QString AppContext::languagePrefix() const
{
    return m_language == Language::English ? QStringLiteral("EN") : QStringLiteral("ES");
}

QString AppContext::helpFile(const char *suffix) const { return m_appDir + languagePrefix() + QString::fromLatin1(suffix); }
