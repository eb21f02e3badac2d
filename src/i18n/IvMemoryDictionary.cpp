#include "i18n/IvMemoryDictionary.h"

TIvMemoryDictionary::TIvMemoryDictionary(QObject *parent, const QString &name) : TIvCustomDictionary(parent, name)
{
    m_languages << TIvLanguageInfo();
}

TIvMemoryDictionary::~TIvMemoryDictionary() { close(); }

int TIvMemoryDictionary::addLanguage(const TIvLanguageInfo &language)
{
    m_languages << language;
    return static_cast<int>(m_languages.size()) - 1;
}

void TIvMemoryDictionary::addTranslation(const QString &native, const QStringList &columns, const QString &className,
                                         const QString &component)
{
    m_records << TIvTranslationRecord{native, className, component, columns};
}

void TIvMemoryDictionary::addCustomLocale(const TIvLocaleInfo &locale) { m_locales << locale; }

TIvLanguageInfo TIvMemoryDictionary::english()
{
    TIvLanguageInfo l;
    l.primary = ivPrimaryEnglish;
    l.sub = 1;
    l.codePage = 1252;
    l.englishName = QStringLiteral("English");
    l.nativeName = QStringLiteral("English");
    return l;
}

TIvLanguageInfo TIvMemoryDictionary::spanish()
{
    TIvLanguageInfo l;
    l.primary = ivPrimarySpanish;
    l.sub = 3;
    l.codePage = 1252;
    l.englishName = QStringLiteral("Spanish");
    l.nativeName = QStringLiteral("Español");
    return l;
}

TIvDictionarySummary TIvMemoryDictionary::readSummary() const
{
    return {m_kind, static_cast<int>(m_languages.size()), static_cast<int>(m_locales.size())};
}
