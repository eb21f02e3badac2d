#pragma once

#include "i18n/IvTargetProperties.h"
#include "i18n/IvTranslatorTable.h"

#include <QFlags>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class TIvDictionary;
struct TIvPropertyAdapter;

enum TIvTranslatorOption {
    ivtoAutoTranslate = 0x001,
    ivtoCheckFont = 0x002,
    ivtoScaleMultiByte = 0x004,
    ivtoMirrorBiDirectional = 0x008,
    ivtoAutoOpen = 0x010,
    ivtoTranslateSystemMenu = 0x020,
    ivtoTranslateOCX = 0x040,
    ivtoChangeFontCharset = 0x080,
    ivtoUpdateLocaleProperty = 0x100,
    ivtoForceCharsetChange = 0x200,
};
Q_DECLARE_FLAGS(TIvTranslatorOptions, TIvTranslatorOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TIvTranslatorOptions)
inline constexpr TIvTranslatorOptions ivtoDefault{ivtoAutoTranslate | ivtoCheckFont | ivtoScaleMultiByte |
                                                  ivtoMirrorBiDirectional | ivtoAutoOpen | ivtoTranslateSystemMenu |
                                                  ivtoTranslateOCX};

// Translates the texts of the window that owns it (its QObject parent) into
// the dictionary's current language, and back: it walks the window and its
// descendants (child windows, which have translators of their own, are left
// out), translates the target properties through the adapters of
// IvPropertyAdapters.h and remembers each text's native form. From its first
// translation on, the dictionary drives it: every language change
// re-translates the window from the native texts and emits OnLanguageChange.
//
// A window sets it up at the end of its construction:
//     auto *t = new TIvTranslator(this);
//     t->setObjectName("IvTranslator1");
//     t->setDictionaryName("Dictionary1");
//     t->setTargetsData("(1 2 ('*' 'Hint' 0) ('*' 'Caption' 0))");
//     connect(t, &TIvTranslator::OnLanguageChange, this, &TMyFm::IvTranslator1LanguageChange);
//     t->loaded();
class TIvCustomTranslator : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString DictionaryName READ dictionaryName WRITE setDictionaryName)
    Q_PROPERTY(QString TargetsData READ targetsData WRITE setTargetsData)
public:
    explicit TIvCustomTranslator(QObject *owner);
    ~TIvCustomTranslator() override;

    // The window translated: the translator's parent.
    QObject *root() const { return parent(); }

    // "" uses the default dictionary. Naming another dictionary while
    // translated first puts the native texts back (Untranslate).
    QString dictionaryName() const { return m_dictionaryName; }
    void setDictionaryName(const QString &name);

    const TIvTargetProperties &targets() const { return m_targets; }
    void setTargets(const TIvTargetProperties &targets) { m_targets = targets; }
    QString targetsData() const { return m_targets.toData(); }
    void setTargetsData(const QString &data) { m_targets = TIvTargetProperties::fromData(data); }

    TIvTranslatorOptions options() const { return m_options; }
    void setOptions(TIvTranslatorOptions options) { m_options = options; }

    // The dictionary in use: found at the first Translate.
    TIvDictionary *dictionary() const { return m_dictionary; }
    bool translated() const { return m_translated; }
    const TIvTranslatorTable &table() const { return m_table; }

    // Translates the window into the dictionary's current language. The
    // first successful call emits OnLanguageChange and OnLocaleChange and
    // registers with the dictionary; later calls translate texts changed
    // since and emit nothing. Without any dictionary: EIvMulti.
    void Translate();
    // Puts the native texts back, leaves the dictionary and forgets the table.
    void Untranslate();
    // The window has been built: translates it when a dictionary is there
    // to translate with (ivtoAutoOpen). Does nothing without a dictionary.
    void loaded();

    // From the dictionary: its language or locale changed.
    void changeNotification(bool languageChanged, bool localeChanged);
    // From the dictionary: it closes. Forgets dictionary, flag and table;
    // the texts on screen stay.
    void release();

signals:
    // The window has been translated into a new language (sender: this
    // translator). Windows swap their language logo here.
    void OnLanguageChange(QObject *sender);
    void OnLocaleChange(QObject *sender);

private:
    TIvDictionary *findDictionary() const;
    void translationRun();
    void checkFont();
    void walk(QObject *object);
    void propertyWalk(QObject *object);
    void applyAdapter(const TIvPropertyAdapter &adapter, QObject *object, const QString &propertyName,
                      const QString &component);
    QString translateText(QObject *object, const QString &propertyName, const QString &component,
                          const QString &text, bool menuItem);
    QString lookup(const QString &native, const QString &key, const QString &component, bool ampRemoved) const;
    bool separateWindow(const QObject *object) const;

    QString m_dictionaryName;
    TIvTargetProperties m_targets;
    TIvTranslatorOptions m_options = ivtoDefault;
    QPointer<TIvDictionary> m_dictionary;
    bool m_translated = false;
    TIvTranslatorTable m_table;
    QSet<const QObject *> m_visited;
    QSet<const QObject *> m_listsDone; // lists shared by several objects (a grid's model)
    QString m_nativeFontFamily;
    qreal m_nativeFontSize = -1;
};

// The translator windows own (the published form of TIvCustomTranslator).
class TIvTranslator : public TIvCustomTranslator {
    Q_OBJECT
public:
    explicit TIvTranslator(QObject *owner) : TIvCustomTranslator(owner) {}
};
