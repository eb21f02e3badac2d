#include "browse/Texts.h"

#include "i18n/IvDictionary.h"
#include "i18n/IvTranslator.h"
#include "i18n/TranslateString.h"

#include <QWidget>

namespace texts {

QString TranslateString(const QString &native) { return ::TranslateString(native); }

void translateAgain(QWidget *window)
{
    auto *translator = window->findChild<TIvTranslator *>(QStringLiteral("IvTranslator1"), Qt::FindDirectChildrenOnly);
    if (translator && translator->translated())
        translator->Translate();
}

QString errorText(const QString &message) { return translatedErrorText(message); }

TIvTranslator *makeTranslator(QWidget *window, const char *targetsData)
{
    auto *t = new TIvTranslator(window);
    t->setObjectName(QStringLiteral("IvTranslator1"));
    t->setDictionaryName(QStringLiteral("Dictionary1"));
    t->setTargetsData(QString::fromLatin1(targetsData));
    return t;
}

} // namespace texts
