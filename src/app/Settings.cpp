#include "app/Settings.h"

#include "i18n/TranslateString.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>

#include <stdexcept>

namespace settings {

QString appDirFile(const AppContext &context) { return context.appDir() + QStringLiteral("PTolmo2.ini"); }

QString userFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/tolmo/PTolmo2.ini");
}

bool appDirWritable(const AppContext &context)
{
    const QFileInfo dir(context.appDir());
    return dir.isDir() && dir.isWritable()
           && (dir.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

QString filePath(const AppContext &context) { return appDirWritable(context) ? appDirFile(context) : userFile(); }

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

// The files read, the first that has a key wins.
QStringList readOrder(const AppContext &context)
{
    if (appDirWritable(context))
        return {appDirFile(context)};
    return {userFile(), appDirFile(context)};
}

} // namespace

Language readLanguage(const AppContext &context)
{
    int code = 0;
    for (const QString &path : readOrder(context)) {
        if ((code = storedCode(path)) != 0)
            break;
    }
    return code == int(Language::English) ? Language::English : Language::Spanish;
}

void writeLanguage(const AppContext &context, Language language)
{
    const QString path = filePath(context);
    if (storedCode(path) == int(language))
        return;
    // The user's folder may not be there yet.
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        unableToWrite(path);
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
    for (const QString &path : readOrder(context)) {
        QSettings s(path, QSettings::IniFormat);
        const QVariant value = s.value(QStringLiteral("Internet/") + key);
        if (value.isValid())
            return value.toString();
    }
    return defaultValue;
}

} // namespace settings
