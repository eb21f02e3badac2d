#include "i18n/IvBinaryDictionary.h"

#include "i18n/IvErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// No dictionary comes near this; a larger file is not one.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

} // namespace

TIvBinaryDictionary::TIvBinaryDictionary(QObject *parent, const QString &name) : TIvCustomDictionary(parent, name) {}

TIvBinaryDictionary::~TIvBinaryDictionary() { close(); }

QString TIvBinaryDictionary::resolvedFileName() const
{
    if (m_fileName.isEmpty())
        return QString();
    const QFileInfo here(m_fileName);
    if (here.exists() || m_fileName.contains(u'/') || m_fileName.contains(QDir::separator()) ||
        !QCoreApplication::instance())
        return here.absoluteFilePath();
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()), m_fileName);
    return beside.exists() ? beside.absoluteFilePath() : here.absoluteFilePath();
}

bool TIvBinaryDictionary::filePresent() const
{
    if (m_storage != ivsFile)
        return true;
    const QString path = resolvedFileName();
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void TIvBinaryDictionary::checkData() const
{
    if (m_storage != ivsFile)
        throw EIvMulti(QStringLiteral("No dictionary data! Set the FileName property."));
    if (m_fileName.isEmpty())
        throw EIvMulti(QStringLiteral("No FileName property set"));
}

QByteArray TIvBinaryDictionary::readFileData(QString *name) const
{
    const QString path = resolvedFileName();
    *name = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EIvStreamError(QStringLiteral("Cannot read the dictionary file %1: %2").arg(path, file.errorString()));
    if (file.size() > kLargestFile)
        throw EIvStreamError(QStringLiteral("The dictionary file %1 is too large (%2 bytes)").arg(path).arg(file.size()));
    QByteArray data = file.readAll();
    file.close();
    return data;
}

TIvMldReader TIvBinaryDictionary::reader() const
{
    checkData();
    QString name;
    QByteArray data = readFileData(&name);
    return TIvMldReader(std::move(data), name, systemCodePage());
}

TIvMldHeader TIvBinaryDictionary::header() const { return reader().header(); }

QList<TIvLocaleInfo> TIvBinaryDictionary::customLocales() const { return reader().locales(); }

TIvDictionarySummary TIvBinaryDictionary::readSummary() const
{
    const TIvMldHeader h = header();
    return {h.contextKind, h.languageCount, h.localeCount};
}

QList<TIvLanguageInfo> TIvBinaryDictionary::readLanguages() const { return reader().languages(); }

QList<TIvTranslationRecord> TIvBinaryDictionary::readTranslations() const
{
    const TIvMldReader r = reader();
    QList<TIvLanguageInfo> languages = r.languages();
    return r.translations(languages);
}

QList<TIvLocaleInfo> TIvBinaryDictionary::readCustomLocales() const { return reader().locales(); }
