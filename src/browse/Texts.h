#pragma once

#include <QString>

class QWidget;
class TIvTranslator;

// The windows' way to their translations.
namespace texts {

// The current language's text of a native text built at run time.
QString TranslateString(const QString &native);
// Translates a window again after its code changed some of its texts.
void translateAgain(QWidget *window);
// The text of an error report: translated, a full stop added when missing.
QString errorText(const QString &message);
// A window's translator "IvTranslator1" on "Dictionary1" with its target
// list; the window connects its language-change handler and calls loaded().
TIvTranslator *makeTranslator(QWidget *window, const char *targetsData);

} // namespace texts
