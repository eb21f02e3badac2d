#pragma once

#include "i18n/IvDictionary.h"

#include <QList>
#include <QStringList>

// One translation record as a dictionary's data holds it: the native text,
// its contexts and one column per language 1, 2, ... (language 0, the
// native language, has none).
struct TIvTranslationRecord {
    QString native;
    QString className;
    QString component;
    QStringList columns;
};

// A translation of the current language, kept sorted for binary search.
struct TIvTranslationEntry {
    QString native;
    QString className;
    QString component;
    QString translation;
    bool fromFallback = false; // the current language's column was empty
    QString key;       // native, char 127, class, char 127, component (contexts) or native
    QString nativeKey; // native followed by char 127 (contexts) or native
};

// What a dictionary's data says about itself.
struct TIvDictionarySummary {
    TIvContextKind contextKind = ivckNone;
    int languageCount = 0;
    int localeCount = 0;
};

// The languages, locale and translations of a dictionary whose data is a
// list of languages, translation records and custom locales: chooses the
// language and locale by Binding, checks them by CheckLevel, keeps the
// current language's translations sorted and answers the lookups. Where the
// data comes from is the subclass's business (memory, the dictionary file).
class TIvCustomDictionary : public TIvDictionary {
    Q_OBJECT
public:
    explicit TIvCustomDictionary(QObject *parent = nullptr, const QString &name = QString());

    bool isOpen() const override { return m_open; }
    void open() override;
    bool openFailed() const override { return m_openFailed; }
    void close() override;

    bool hasContexts() const override { return m_contextKind != ivckNone; }
    TIvContextKind contextKind() const { return m_contextKind; }
    std::optional<QString> plainLookup(const QString &native) const override;
    std::optional<QString> contextLookup(const QString &native, const QString &className,
                                         const QString &componentName) const override;
    // The entry a lookup answers with, for callers that want to know more.
    const TIvTranslationEntry *plainEntry(const QString &native) const;
    const TIvTranslationEntry *contextEntry(const QString &native, const QString &className,
                                            const QString &componentName) const;
    const QList<TIvTranslationEntry> &entries() const { return m_entries; }

    TIvLanguageInfo languageInfo() const override { return m_info; }
    TIvLanguageInfo nativeLanguageInfo() const { return m_nativeInfo; }
    // The Language property: -1 the user's locale, -2 the system's, else an
    // index. While closed it is only stored; while open it loads the
    // language (EIvRangeError "Language index N is out of range").
    int language() const override { return m_language; }
    void setLanguage(int language) override;
    // The index of the loaded language and of its fallback (-1: none).
    int currentLanguage() const { return m_current; }
    int fallbackLanguage() const { return m_fallback; }
    // Read from the data each time.
    int languageCount() const;
    QList<TIvLanguageInfo> languages() const;

    int primaryLanguage() const { return m_primary; }
    void setPrimaryLanguage(int primary);
    int subLanguage() const { return m_sub; }
    void setSubLanguage(int sub);
    // Primary language and sublanguage together.
    void setLocaleId(int lcid);
    int localeId() const { return ivMakeLcid(m_primary, m_sub); }
    // The locale in use (special identifiers replaced) and its description.
    int activeLocaleId() const { return m_activeLcid; }
    TIvLocaleInfo localeInfo() const { return m_localeInfo; }

    int masterLanguage() const { return m_master; }
    void setMasterLanguage(int master) { m_master = master; }
    TIvBinding binding() const { return m_binding; }
    void setBinding(TIvBinding binding) { m_binding = binding; }
    TIvCheckLevel checkLevel() const { return m_checkLevel; }
    void setCheckLevel(TIvCheckLevel level) { m_checkLevel = level; }
    // The system's code page for CheckLevel. ivUnicodeCodePage (the
    // default) accepts every code page; tests set a real one.
    int systemCodePage() const { return m_systemCodePage; }
    void setSystemCodePage(int codePage) { m_systemCodePage = codePage; }

    // Missing names, codes, code page and character set filled in as the
    // system's locale data gives them; the native language made "Native".
    static TIvLanguageInfo normalised(TIvLanguageInfo language);

protected:
    // Failures that make the data unusable before anything is read.
    virtual void checkData() const {}
    virtual TIvDictionarySummary readSummary() const = 0;
    virtual QList<TIvLanguageInfo> readLanguages() const = 0;
    virtual QList<TIvTranslationRecord> readTranslations() const = 0;
    // Only asked when the summary counts custom locales.
    virtual QList<TIvLocaleInfo> readCustomLocales() const = 0;

private:
    struct Choice {
        int index = 0;
        int fallback = -1;
        TIvLanguageInfo info, native;
    };
    struct AppliedLocale {
        int lcid = 0;
        TIvLocaleInfo info;
    };

    QList<TIvLanguageInfo> normalisedLanguages() const;
    bool usable(const TIvLanguageInfo &language) const;
    bool codePageInstalled(int codePage) const;
    bool isSystemCodePage(int codePage) const;
    int firstUsable(const QList<TIvLanguageInfo> &languages) const;
    int fallbackOf(int index, const QList<TIvLanguageInfo> &languages) const;
    static int matchLocale(int lcid, const QList<TIvLanguageInfo> &languages);
    Choice chooseLanguage(int requested, const QList<TIvLanguageInfo> &languages) const;
    Choice choiceFor(int index, const QList<TIvLanguageInfo> &languages) const;
    AppliedLocale localeFor(int lcid) const;
    void commit(const Choice &choice);
    void commit(const AppliedLocale &locale);
    void reloadEntries();
    void changed(bool languageChanged, bool localeChanged);
    void resetState();

    bool m_open = false;
    bool m_openFailed = false;
    int m_language = -1;
    int m_current = 0;
    int m_fallback = -1;
    int m_primary = 0;
    int m_sub = 1;
    int m_master = 1;
    TIvBinding m_binding = ivbiLocaleToLanguage;
    TIvCheckLevel m_checkLevel = ivclCodePage;
    int m_systemCodePage = ivUnicodeCodePage;
    TIvContextKind m_contextKind = ivckNone;
    TIvLanguageInfo m_info, m_nativeInfo;
    int m_activeLcid = 0;
    TIvLocaleInfo m_localeInfo;
    QList<TIvTranslationEntry> m_entries;
};
