#pragma once

#include "i18n/IvCustomDictionary.h"
#include "i18n/IvMldReader.h"

// The dictionary of a binary dictionary file (signature "MLD"). Every
// operation that needs the file opens it, reads it and closes it again;
// only the translations of the current language stay in memory. A missing
// file is not an error: the dictionary simply stays closed.
//
// The main window's dictionary is set up as
//     dictionary->setDictionaryName("Dictionary1");
//     dictionary->setSubLanguage(0); dictionary->setLanguage(0);
//     dictionary->setBinding(ivbiLanguageToLocale);
//     dictionary->setFileName(AppDir() + "PTolmo2.dll");
//     dictionary->open();
// and its language switch calls setLanguage(1) or setLanguage(2).
class TIvBinaryDictionary : public TIvCustomDictionary {
    Q_OBJECT
public:
    explicit TIvBinaryDictionary(QObject *parent = nullptr, const QString &name = QString());
    ~TIvBinaryDictionary() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    // Only ivsFile is supported; the others have no data.
    TIvStorage storage() const { return m_storage; }
    void setStorage(TIvStorage storage) { m_storage = storage; }

    // The file name expanded against the current directory; when no file is
    // there and the name has no directory part, the executable's directory.
    QString resolvedFileName() const;
    bool filePresent() const override;

    // The header and the custom locale records, read from the file now.
    TIvMldHeader header() const;
    QList<TIvLocaleInfo> customLocales() const;

protected:
    // The whole file, and the name to give it in messages. Kept virtual so
    // a test harness can hand over bytes.
    virtual QByteArray readFileData(QString *name) const;

    void checkData() const override;
    TIvDictionarySummary readSummary() const override;
    QList<TIvLanguageInfo> readLanguages() const override;
    QList<TIvTranslationRecord> readTranslations() const override;
    QList<TIvLocaleInfo> readCustomLocales() const override;

private:
    TIvMldReader reader() const;

    QString m_fileName;
    TIvStorage m_storage = ivsFile;
};
