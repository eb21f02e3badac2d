#include "i18n/IvDictionary.h"

#include "i18n/IvErrors.h"
#include "i18n/IvQtTranslator.h"
#include "i18n/IvTranslator.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

struct Registry {
    QList<TIvDictionary *> dictionaries;
    int defaultIndex = 0;
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

TIvDictionary::TIvDictionary(QObject *parent, const QString &name)
    : QObject(parent), m_name(name.isEmpty() ? TIvDictionaries::uniqueName() : name)
{
    TIvDictionaries::add(this);
}

TIvDictionary::~TIvDictionary()
{
    removeQtTranslator();
    releaseTranslators();
    TIvDictionaries::remove(this);
}

QString TIvDictionary::resolve(const QString &native, const std::optional<QString> &found) const
{
    if (found && !found->isEmpty())
        return *found;
    switch (m_missing) {
    case ivmtUseNative:
        return native;
    case ivmtUseNull:
        return QString();
    case ivmtTagNative:
        return u'@' + native + u'@';
    case ivmtRaiseException:
        if (!found)
            throw EIvMulti(QStringLiteral("Dictionary does not contain a translation for the word \"%1\"").arg(native));
        throw EIvMulti(QStringLiteral("Translation for the word \"%1\" is missing").arg(native));
    }
    return native;
}

QList<TIvCustomTranslator *> TIvDictionary::translators() const
{
    QList<TIvCustomTranslator *> list;
    for (const auto &t : m_translators)
        if (t)
            list << t.data();
    return list;
}

void TIvDictionary::registerTranslator(TIvCustomTranslator *translator)
{
    if (!translators().contains(translator))
        m_translators << translator;
}

void TIvDictionary::unregisterTranslator(TIvCustomTranslator *translator)
{
    m_translators.removeIf([translator](const QPointer<TIvCustomTranslator> &t) { return !t || t == translator; });
}

void TIvDictionary::notifyTranslators(bool languageChanged, bool localeChanged)
{
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        const Qt::LayoutDirection direction = languageInfo().rightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        if (gui->layoutDirection() != direction)
            QGuiApplication::setLayoutDirection(direction);
    }
    if (m_options.testFlag(ivdoAutoTranslate)) {
        // A translator may go away while another one's handler runs.
        const QList<QPointer<TIvCustomTranslator>> list = m_translators;
        for (const auto &t : list)
            if (t)
                t->changeNotification(languageChanged, localeChanged);
    }
    if (languageChanged)
        emit OnLanguageChange(this);
    if (localeChanged)
        emit OnLocaleChange(this);
    // Reinstalling the translator sends Qt's LanguageChange, so standard
    // buttons and Qt's own dialogs take the new language's texts.
    if (languageChanged && m_qtTranslator && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
        QCoreApplication::installTranslator(m_qtTranslator.get());
    }
}

void TIvDictionary::releaseTranslators()
{
    const QList<QPointer<TIvCustomTranslator>> list = m_translators;
    m_translators.clear();
    for (const auto &t : list)
        if (t)
            t->release();
}

void TIvDictionary::installQtTranslator()
{
    if (!m_options.testFlag(ivdoTranslateResourceStrings) || m_qtTranslator || !QCoreApplication::instance())
        return;
    m_qtTranslator = std::make_unique<TIvQtTranslator>(this);
    QCoreApplication::installTranslator(m_qtTranslator.get());
}

void TIvDictionary::removeQtTranslator()
{
    if (!m_qtTranslator)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    m_qtTranslator.reset();
}

int TIvDictionaries::count() { return static_cast<int>(registry().dictionaries.size()); }

TIvDictionary *TIvDictionaries::item(int index)
{
    const auto &list = registry().dictionaries;
    return index >= 0 && index < list.size() ? list.at(index) : nullptr;
}

TIvDictionary *TIvDictionaries::find(const QString &name)
{
    for (TIvDictionary *d : registry().dictionaries)
        if (d->dictionaryName().compare(name, Qt::CaseInsensitive) == 0)
            return d;
    return nullptr;
}

int TIvDictionaries::defaultIndex() { return registry().defaultIndex; }
void TIvDictionaries::setDefaultIndex(int index) { registry().defaultIndex = index; }
TIvDictionary *TIvDictionaries::defaultDictionary() { return item(registry().defaultIndex); }

QString TIvDictionaries::uniqueName()
{
    for (int n = count() + 1;; ++n) {
        const QString name = QStringLiteral("Dictionary%1").arg(n);
        if (!find(name))
            return name;
    }
}

void TIvDictionaries::add(TIvDictionary *dictionary) { registry().dictionaries.append(dictionary); }
void TIvDictionaries::remove(TIvDictionary *dictionary) { registry().dictionaries.removeAll(dictionary); }
