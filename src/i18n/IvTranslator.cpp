#include "i18n/IvTranslator.h"

#include "i18n/IvDictionary.h"
#include "i18n/IvErrors.h"
#include "i18n/IvPropertyAdapters.h"

#include <QFileDialog>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMetaObject>
#include <QWidget>

namespace {

// The first "&" of a menu caption marks its hotkey; it is not part of the key.
QString withoutFirstAmpersand(const QString &text, bool *removed = nullptr)
{
    const qsizetype at = text.indexOf(u'&');
    if (removed)
        *removed = at >= 0;
    return at >= 0 ? QString(text).remove(at, 1) : text;
}

// The window classes of the program are its own; Qt's (QWidget, QDialog,
// QMainWindow, QObject...) end the search for a class context.
bool isQtClass(const QMetaObject *meta) { return meta->className()[0] == 'Q'; }

QStringList targetNames(const char *targets) { return QString::fromLatin1(targets).split(u'|'); }

} // namespace

TIvCustomTranslator::TIvCustomTranslator(QObject *owner) : QObject(owner) {}

TIvCustomTranslator::~TIvCustomTranslator()
{
    if (m_dictionary)
        m_dictionary->unregisterTranslator(this);
}

void TIvCustomTranslator::setDictionaryName(const QString &name)
{
    if (name == m_dictionaryName)
        return;
    if (m_translated)
        Untranslate();
    m_dictionaryName = name;
    m_dictionary = nullptr;
}

TIvDictionary *TIvCustomTranslator::findDictionary() const
{
    if (!m_dictionaryName.isEmpty())
        if (TIvDictionary *named = TIvDictionaries::find(m_dictionaryName))
            return named;
    return TIvDictionaries::item(0);
}

void TIvCustomTranslator::loaded()
{
    if (m_options.testFlag(ivtoAutoOpen) && TIvDictionaries::count() > 0)
        Translate();
}

void TIvCustomTranslator::Translate()
{
    if (m_translated && m_dictionary) {
        translationRun();
        return;
    }
    if (!m_dictionary)
        m_dictionary = findDictionary();
    if (!m_dictionary) {
        const QString window = root() ? root()->objectName() : QString();
        throw EIvMulti(QStringLiteral("No dictionary has been assigned to the translator component (%1 on \"%2\" form)")
                           .arg(objectName(), window));
    }
    if (!m_dictionary->enabled() || !m_dictionary->filePresent() || m_dictionary->openFailed() || m_targets.isEmpty())
        return;
    if (!m_dictionary->isOpen())
        m_dictionary->open();
    // Opening may find nothing to open (a file removed meanwhile).
    if (!m_dictionary || !m_dictionary->isOpen())
        return;
    if (auto *window = qobject_cast<QWidget *>(root())) {
        m_nativeFontFamily = window->font().family();
        m_nativeFontSize = window->font().pointSizeF();
    }
    translationRun();
    // Registered and flagged before the notices go out, so a handler that
    // translates again (a window setting its caption) takes the short way.
    m_dictionary->registerTranslator(this);
    m_translated = true;
    emit OnLanguageChange(this);
    emit OnLocaleChange(this);
}

void TIvCustomTranslator::Untranslate()
{
    if (m_dictionary)
        m_dictionary->unregisterTranslator(this);
    m_dictionary = nullptr;
    m_translated = false;
    // Without a dictionary every lookup gives the native text back.
    translationRun();
    m_table.clear();
}

void TIvCustomTranslator::changeNotification(bool languageChanged, bool localeChanged)
{
    if (m_translated && m_options.testFlag(ivtoAutoTranslate))
        Translate();
    if (languageChanged)
        emit OnLanguageChange(this);
    if (localeChanged)
        emit OnLocaleChange(this);
}

void TIvCustomTranslator::release()
{
    if (m_dictionary)
        m_dictionary->unregisterTranslator(this);
    m_dictionary = nullptr;
    m_translated = false;
    m_table.clear();
}

void TIvCustomTranslator::translationRun()
{
    m_visited.clear();
    m_listsDone.clear();
    if (!root())
        return;
    if (m_options.testFlag(ivtoCheckFont))
        checkFont();
    walk(root());
    m_visited.clear();
    m_listsDone.clear();
}

void TIvCustomTranslator::checkFont()
{
    auto *window = qobject_cast<QWidget *>(root());
    if (!window || !window->isVisible() || !m_dictionary || m_nativeFontSize < 0)
        return;
    const TIvLanguageInfo language = m_dictionary->languageInfo();
    QFont font = window->font();
    const QString family = language.fontName.isEmpty() ? m_nativeFontFamily : language.fontName;
    const qreal size = language.fontSize > 0 ? language.fontSize : m_nativeFontSize;
    if (font.family() == family && (size <= 0 || qFuzzyCompare(font.pointSizeF(), size)))
        return;
    font.setFamily(family);
    if (size > 0)
        font.setPointSizeF(size);
    window->setFont(font);
}

bool TIvCustomTranslator::separateWindow(const QObject *object) const
{
    if (const auto *widget = qobject_cast<const QWidget *>(object)) {
        if (widget->isWindow() && !qobject_cast<const QMenu *>(widget))
            return true;
        if (qobject_cast<const QMdiSubWindow *>(widget))
            return true;
    }
    // A window with a translator of its own.
    for (const QObject *child : object->children())
        if (child != this && qobject_cast<const TIvCustomTranslator *>(child))
            return true;
    return false;
}

void TIvCustomTranslator::walk(QObject *object)
{
    if (!ivadapter::opaque(object)) {
        // Writing a text may replace a widget's helper objects.
        QList<QPointer<QObject>> children;
        for (QObject *child : object->children())
            children << child;
        for (QObject *child : children) {
            if (!child || qobject_cast<TIvCustomTranslator *>(child) || qobject_cast<TIvDictionary *>(child))
                continue;
            if (separateWindow(child)) {
                // File dialogs are the window's components, not windows of their own.
                if (qobject_cast<QFileDialog *>(child))
                    propertyWalk(child);
                continue;
            }
            walk(child);
        }
    }
    propertyWalk(object);
}

void TIvCustomTranslator::propertyWalk(QObject *object)
{
    if (m_visited.contains(object))
        return;
    m_visited.insert(object);
    const bool isRoot = object == root();
    // Qt's internal parts of a widget (viewports, stacks, extension buttons).
    if (!isRoot && object->objectName().startsWith(QLatin1String("qt_")))
        return;
    const QString className = QString::fromLatin1(object->metaObject()->className());
    const QString component = isRoot ? QString() : object->objectName();
    for (const TIvPropertyAdapter &adapter : ivadapter::adapters()) {
        if (!object->inherits(adapter.qtClass) || (adapter.applies && !adapter.applies(object, root())))
            continue;
        for (const QString &target : targetNames(adapter.targets))
            if (m_targets.isTarget(className, target)) {
                applyAdapter(adapter, object, target, component);
                break;
            }
    }
}

void TIvCustomTranslator::applyAdapter(const TIvPropertyAdapter &adapter, QObject *object, const QString &propertyName,
                                       const QString &component)
{
    if (adapter.get) {
        const QString text = adapter.get(object);
        if (text.isEmpty())
            return;
        const QString result = translateText(object, propertyName, component, text, adapter.menuItem);
        if (result != text)
            adapter.set(object, result);
        return;
    }
    QObject *owner = adapter.listObject ? adapter.listObject(object) : object;
    if (!owner)
        return;
    if (owner != object) {
        if (m_listsDone.contains(owner))
            return;
        m_listsDone.insert(owner);
    }
    if (adapter.begin)
        adapter.begin(object);
    const int count = adapter.count(object);
    for (int i = 0; i < count; ++i) {
        const QString text = adapter.item(object, i);
        if (text.isEmpty())
            continue;
        const QString result = translateText(owner, propertyName, component, text, adapter.menuItem);
        if (result != text)
            adapter.setItem(object, i, result);
    }
    if (adapter.end)
        adapter.end(object);
}

QString TIvCustomTranslator::translateText(QObject *object, const QString &propertyName, const QString &component,
                                           const QString &text, bool menuItem)
{
    bool ampRemoved = false;
    const QString key = menuItem ? withoutFirstAmpersand(text, &ampRemoved) : text;
    const auto keyOf = [menuItem](const QString &s) { return menuItem ? withoutFirstAmpersand(s) : s; };
    const int row = m_table.find(object, propertyName, key);
    if (row >= 0) {
        // The text is the translation written last time: start again from
        // its native text.
        TIvTranslatorTableItem &item = m_table[row];
        const QString result =
            lookup(item.nativeText, item.nativeKey, item.componentName, item.nativeKey != item.nativeText);
        item.currentKey = keyOf(result);
        return result;
    }
    // A native text: met for the first time, or written by the program since.
    const QString result = lookup(text, key, component, ampRemoved);
    m_table.append({object, component, propertyName, text, key, keyOf(result)});
    return result;
}

QString TIvCustomTranslator::lookup(const QString &native, const QString &key, const QString &component,
                                    bool ampRemoved) const
{
    const TIvDictionary *d = m_dictionary;
    if (!d)
        return native;
    if (d->hasContexts()) {
        for (const QMetaObject *meta = root()->metaObject(); meta && !isQtClass(meta); meta = meta->superClass()) {
            const QString className = QString::fromLatin1(meta->className());
            std::optional<QString> found = d->contextLookup(native, className, component);
            if (!found && ampRemoved)
                found = d->contextLookup(key, className, component);
            if (found)
                return d->resolve(native, found);
        }
    }
    if (d->options().testFlag(ivdoUseFlatTranslation) || !d->hasContexts()) {
        std::optional<QString> found = d->plainLookup(native);
        if (!found && ampRemoved)
            found = d->plainLookup(key);
        if (found && d->hasContexts())
            return *found;
        return d->resolve(native, found);
    }
    return d->resolve(native, std::nullopt);
}
