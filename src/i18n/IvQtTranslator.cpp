#include "i18n/IvQtTranslator.h"

#include "i18n/IvDictionary.h"

TIvQtTranslator::TIvQtTranslator(TIvDictionary *dictionary) : m_dictionary(dictionary) {}

QString TIvQtTranslator::translate(const char *context, const char *sourceText, const char *, int) const
{
    if (!m_dictionary || !m_dictionary->isOpen() || !sourceText || !*sourceText)
        return QString();
    const QString source = QString::fromUtf8(sourceText);
    const qsizetype amp = source.indexOf(u'&');
    const QString bare = amp >= 0 ? QString(source).remove(amp, 1) : QString();
    std::optional<QString> found;
    // A context-aware file may translate a Qt text for one Qt class only:
    // an empty class context and the Qt context as component.
    if (m_dictionary->hasContexts() && context) {
        const QString qtContext = QString::fromUtf8(context);
        found = m_dictionary->contextLookup(source, QString(), qtContext);
        if (!found && amp >= 0)
            found = m_dictionary->contextLookup(bare, QString(), qtContext);
    }
    if (!found)
        found = m_dictionary->plainLookup(source);
    if (!found && amp >= 0)
        found = m_dictionary->plainLookup(bare);
    return found ? *found : QString();
}
