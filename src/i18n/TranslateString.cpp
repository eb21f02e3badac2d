#include "i18n/TranslateString.h"

#include "i18n/IvDictionary.h"
#include "i18n/IvErrors.h"

QString TranslateString(const QString &text)
{
    if (TIvDictionaries::count() == 0)
        return text;
    const int index = TIvDictionaries::defaultIndex();
    TIvDictionary *dictionary = TIvDictionaries::item(index);
    if (!dictionary)
        throw EIvRangeError(QStringLiteral("DefaultDictionaryIndex is out or range: %1").arg(index));
    if (text.isEmpty())
        return text;
    return dictionary->resolve(text, dictionary->plainLookup(text));
}

QString translatedErrorText(const QString &message)
{
    QString text = message;
    const TIvDictionary *dictionary = TIvDictionaries::defaultDictionary();
    if (dictionary && dictionary->isOpen()) {
        try {
            text = TranslateString(message);
        } catch (const EIvError &) {
            // The report shows the message itself rather than fail in turn.
        }
    }
    if (!text.isEmpty() && text.back() > u'.')
        text += u'.';
    return text;
}
