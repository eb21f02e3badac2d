#pragma once

#include "i18n/IvTypes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class TIvCustomTranslator;
class TIvQtTranslator;

// What every dictionary offers the translators and TranslateString: whether
// it can be used, its lookups, its current language and the translators it
// drives. Creating a dictionary registers it in TIvDictionaries; destroying
// it releases its translators and unregisters it.
class TIvDictionary : public QObject {
    Q_OBJECT
public:
    // An empty name gives "Dictionary" and the lowest free number.
    explicit TIvDictionary(QObject *parent = nullptr, const QString &name = QString());
    ~TIvDictionary() override;

    QString dictionaryName() const { return m_name; }
    void setDictionaryName(const QString &name) { m_name = name; }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    virtual bool isOpen() const = 0;
    // The dictionary's data can be had (for a file: the file exists).
    virtual bool filePresent() const = 0;
    // Opening a dictionary without data, or a disabled one, does nothing.
    virtual void open() = 0;
    // The last open failed (and was reported): translators leave the
    // dictionary closed rather than fail on it again, one per window.
    virtual bool openFailed() const { return false; }
    virtual void close() = 0;

    TIvDictionaryOptions options() const { return m_options; }
    void setOptions(TIvDictionaryOptions options) { m_options = options; }
    TIvMissingTranslation missingTranslation() const { return m_missing; }
    void setMissingTranslation(TIvMissingTranslation missing) { m_missing = missing; }

    // Whether the translations carry a class or component context.
    virtual bool hasContexts() const = 0;
    // The translation of a native text, or nothing when there is none.
    virtual std::optional<QString> plainLookup(const QString &native) const = 0;
    virtual std::optional<QString> contextLookup(const QString &native, const QString &className,
                                                 const QString &componentName) const = 0;
    // The outcome of a lookup by MissingTranslation: a found, non-empty
    // translation as it is; otherwise the native text, nothing, the native
    // text between "@" signs, or EIvMulti.
    QString resolve(const QString &native, const std::optional<QString> &found) const;

    // The current language's description (reading order, font, charset).
    virtual TIvLanguageInfo languageInfo() const = 0;
    virtual int language() const = 0;
    virtual void setLanguage(int language) = 0;

    // The translators that have translated with this dictionary, in the
    // order they did so first.
    QList<TIvCustomTranslator *> translators() const;
    void registerTranslator(TIvCustomTranslator *translator);
    void unregisterTranslator(TIvCustomTranslator *translator);

signals:
    void OnLanguageChange(QObject *sender);
    void OnLocaleChange(QObject *sender);

protected:
    // After a language or locale change: tells every registered translator
    // (ivdoAutoTranslate), raises this dictionary's own signals and lets Qt's
    // widgets retranslate their own texts.
    void notifyTranslators(bool languageChanged, bool localeChanged);
    // Every registered translator forgets its dictionary, flag and table.
    void releaseTranslators();
    // Routes Qt's own texts (standard buttons and the like) through this
    // dictionary while it is open (ivdoTranslateResourceStrings).
    void installQtTranslator();
    void removeQtTranslator();

private:
    QString m_name;
    bool m_enabled = true;
    TIvDictionaryOptions m_options = ivdoAll;
    TIvMissingTranslation m_missing = ivmtUseNative;
    QList<QPointer<TIvCustomTranslator>> m_translators;
    std::unique_ptr<TIvQtTranslator> m_qtTranslator;
};

// The process-wide list of dictionaries. TranslateString and translators
// without a DictionaryName use the one at the default index.
class TIvDictionaries {
public:
    static int count();
    static TIvDictionary *item(int index);
    // The dictionary of a name (case-insensitive), or nullptr.
    static TIvDictionary *find(const QString &name);
    static int defaultIndex();
    static void setDefaultIndex(int index);
    // The dictionary at the default index, or nullptr when it is out of range.
    static TIvDictionary *defaultDictionary();
    // "Dictionary" followed by the lowest number, counting from the number
    // of registered dictionaries plus one, that no dictionary bears.
    static QString uniqueName();

private:
    friend class TIvDictionary;
    static void add(TIvDictionary *dictionary);
    static void remove(TIvDictionary *dictionary);
};
