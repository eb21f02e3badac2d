#include "app/Settings.h"

#include "i18n/TranslateString.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSettings>

#include <stdexcept>

namespace settings {

QString filePath(const AppContext &context) { return context.appDir() + QStringLiteral("PTolmo2.ini"); }

namespace {

const QString kCodeKey = QStringLiteral("Idioma/Codigo");

// The stored language code, or 0 when the file is missing, unreadable,
// garbled or holds no valid code.
int storedCode(const QString &path)
{
    QSettings s(path, QSettings::IniFormat);
    // Reading the keys parses the file; only then does the status tell.
    const QStringList keys = s.allKeys();
    if (s.status() != QSettings::NoError)
        return 0;
    bool ok = false;
    const int code = s.value(kCodeKey).toString().trimmed().toInt(&ok);
    return ok && (code == int(Language::English) || code == int(Language::Spanish)) ? code : 0;
}

[[noreturn]] void unableToWrite(const QString &path)
{
    throw std::runtime_error(
        TranslateString(QStringLiteral("Unable to write to %s")).replace(QStringLiteral("%s"), QDir::toNativeSeparators(path))
            .toStdString());
}

} // namespace

Language readLanguage(const AppContext &context)
{
    return storedCode(filePath(context)) == int(Language::English) ? Language::English : Language::Spanish;
}

void writeLanguage(const AppContext &context, Language language)
{
    const QString path = filePath(context);
    if (storedCode(path) == int(language))
        return;
    QMap<QString, QVariant> readable;
    bool garbled = false;
    {
        QSettings old(path, QSettings::IniFormat);
        const QStringList keys = old.allKeys();
        garbled = old.status() == QSettings::FormatError;
        if (garbled) {
            for (const QString &key : keys)
                readable.insert(key, old.value(key));
        }
    }
    // A garbled file is written anew with what could be read of it.
    if (garbled && !QFile::remove(path))
        unableToWrite(path);
    QSettings s(path, QSettings::IniFormat);
    for (auto it = readable.cbegin(); it != readable.cend(); ++it)
        s.setValue(it.key(), it.value());
    s.setValue(kCodeKey, int(language));
    s.sync();
    if (s.status() != QSettings::NoError)
        unableToWrite(path);
}

QString readInternet(const AppContext &context, const QString &key, const QString &defaultValue)
{
    QSettings s(filePath(context), QSettings::IniFormat);
    return s.value(QStringLiteral("Internet/") + key, defaultValue).toString();
}

} // namespace settings
