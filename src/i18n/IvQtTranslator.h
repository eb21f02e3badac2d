#pragma once

#include <QPointer>
#include <QTranslator>

class TIvDictionary;

// Qt's own texts through a dictionary: installed on the application while
// the dictionary is open, it answers every translate(context, source) by
// the dictionary's lookups, so QDialogButtonBox and QMessageBox standard
// buttons ("OK", "Cancel", "&Yes", "&No", "Help", "Close") follow the
// language. A text without a translation is left to Qt.
class TIvQtTranslator : public QTranslator {
    Q_OBJECT
public:
    explicit TIvQtTranslator(TIvDictionary *dictionary);

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    QPointer<TIvDictionary> m_dictionary;
};
