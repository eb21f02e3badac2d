#pragma once

#include <QString>

// The current language's text of one native (English) text, from the
// default dictionary; the text itself when no dictionary is registered or
// the dictionary has no translation (MissingTranslation decides). Every
// text the program builds at run time (record counters, messages, report
// titles) passes through it.
// A default dictionary index with no dictionary fails with EIvRangeError.
QString TranslateString(const QString &text);

// The text the general error report shows for an error message: its
// translation while the default dictionary is open, else the message
// itself, with a full stop appended when the last character comes after
// "." in character order (letters and digits do; "!", ")" and "." do not).
QString translatedErrorText(const QString &message);
