#include "app/Settings.h"

#include "data/AppGlobals.h"
#include "i18n/TranslateString.h"

#include <QDir>
#include <QSettings>

#include <stdexcept>

namespace settings {

QString filePath() { return app::AppDir() + QStringLiteral("PTolmo2.ini"); }

int readLanguageCode()
{
    QSettings s(filePath(), QSettings::IniFormat);
    bool ok = false;
    const int code = s.value(QStringLiteral("Idioma/Codigo")).toString().trimmed().toInt(&ok);
    return ok && (code == 1 || code == 2) ? code : 2;
}

void writeLanguageCode(int code)
{
    const QString path = filePath();
    QSettings s(path, QSettings::IniFormat);
    s.setValue(QStringLiteral("Idioma/Codigo"), code);
    s.sync();
    if (s.status() != QSettings::NoError)
        throw std::runtime_error(
            TranslateString(QStringLiteral("Unable to write to %s")).replace(QStringLiteral("%s"), QDir::toNativeSeparators(path))
                .toStdString());
}

QString readInternet(const QString &key, const QString &defaultValue)
{
    QSettings s(filePath(), QSettings::IniFormat);
    return s.value(QStringLiteral("Internet/") + key, defaultValue).toString();
}

} // namespace settings
