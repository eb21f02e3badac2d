#include "app/Settings.h"

#include "i18n/TranslateString.h"

#include <QDir>
#include <QSettings>

#include <stdexcept>

namespace settings {

QString filePath(const AppContext &context) { return context.appDir() + QStringLiteral("PTolmo2.ini"); }

Language readLanguage(const AppContext &context)
{
    QSettings s(filePath(context), QSettings::IniFormat);
    bool ok = false;
    const int code = s.value(QStringLiteral("Idioma/Codigo")).toString().trimmed().toInt(&ok);
    return ok && code == int(Language::English) ? Language::English : Language::Spanish;
}

void writeLanguage(const AppContext &context, Language language)
{
    const QString path = filePath(context);
    QSettings s(path, QSettings::IniFormat);
    s.setValue(QStringLiteral("Idioma/Codigo"), int(language));
    s.sync();
    if (s.status() != QSettings::NoError)
        throw std::runtime_error(
            TranslateString(QStringLiteral("Unable to write to %s")).replace(QStringLiteral("%s"), QDir::toNativeSeparators(path))
                .toStdString());
}

QString readInternet(const AppContext &context, const QString &key, const QString &defaultValue)
{
    QSettings s(filePath(context), QSettings::IniFormat);
    return s.value(QStringLiteral("Internet/") + key, defaultValue).toString();
}

} // namespace settings
