#pragma once

#include "i18n/IvCustomDictionary.h"

// A dictionary whose languages and translations are given in code: for
// tests, and for a program that has no dictionary file yet. It starts with
// the native language (index 0); addLanguage appends languages 1, 2, ...
// Data added while it is open counts from the next language change.
class TIvMemoryDictionary : public TIvCustomDictionary {
    Q_OBJECT
public:
    explicit TIvMemoryDictionary(QObject *parent = nullptr, const QString &name = QString());
    ~TIvMemoryDictionary() override;

    bool filePresent() const override { return true; }

    void setContextKind(TIvContextKind kind) { m_kind = kind; }
    // Returns the new language's index.
    int addLanguage(const TIvLanguageInfo &language);
    // One column per language 1, 2, ...; missing columns are empty.
    void addTranslation(const QString &native, const QStringList &columns, const QString &className = QString(),
                        const QString &component = QString());
    void addCustomLocale(const TIvLocaleInfo &locale);

    // The usual language descriptions: English (9) and Spanish (10).
    static TIvLanguageInfo english();
    static TIvLanguageInfo spanish();

protected:
    TIvDictionarySummary readSummary() const override;
    QList<TIvLanguageInfo> readLanguages() const override { return m_languages; }
    QList<TIvTranslationRecord> readTranslations() const override { return m_records; }
    QList<TIvLocaleInfo> readCustomLocales() const override { return m_locales; }

private:
    TIvContextKind m_kind = ivckNone;
    QList<TIvLanguageInfo> m_languages;
    QList<TIvTranslationRecord> m_records;
    QList<TIvLocaleInfo> m_locales;
};
