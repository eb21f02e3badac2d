#pragma once

// What the program does with a dictionary file, run on any bytes: shared by
// the robustness test and the fuzzer. A file may be refused with an
// EIvError; any other exception, a crash or a sanitizer report is a fault.
#include "i18n/IvBinaryDictionary.h"
#include "i18n/IvErrors.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace exercise {

// A dictionary whose "file" is the bytes handed to it.
class BytesDictionary : public TIvBinaryDictionary {
public:
    explicit BytesDictionary(QByteArray bytes) : m_bytes(std::move(bytes))
    {
        setFileName(QStringLiteral("exercise.dll"));
    }
    bool filePresent() const override { return true; }

protected:
    QByteArray readFileData(QString *name) const override
    {
        *name = QStringLiteral("exercise.dll");
        return m_bytes;
    }

private:
    QByteArray m_bytes;
};

struct Outcome {
    bool opened = false;
    std::optional<QString> openError;    // why open failed
    std::optional<QString> localesError; // why the custom locales could not be read
};

inline void lookups(const TIvCustomDictionary &d)
{
    for (const char *text : {"Close", "&Print", "Record ", "Properties", ""}) {
        const QString t = QString::fromLatin1(text);
        (void)d.plainLookup(t);
        (void)d.contextLookup(t, QStringLiteral("TILPFm"), QStringLiteral("TabSheet1"));
        (void)d.contextLookup(t, QString(), QString());
    }
    for (const TIvTranslationEntry &e : d.entries()) {
        (void)d.plainLookup(e.native);
        (void)d.contextLookup(e.native, e.className, e.component);
    }
}

inline Outcome run(const QByteArray &bytes)
{
    Outcome outcome;
    BytesDictionary d(bytes);
    // Process-wide effects stay out of the exercise.
    d.setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables | ivdoTranslateResourceStrings));
    d.setSubLanguage(0);
    d.setLanguage(0);
    d.setBinding(ivbiLanguageToLocale);
    try {
        d.open();
        outcome.opened = d.isOpen();
        lookups(d);
        const int count = d.languageCount();
        for (int language = 0; language < count && language < 6; ++language) {
            try {
                d.setLanguage(language);
                lookups(d);
            } catch (const EIvMulti &) {
                // A language the system does not support.
            }
        }
        for (int lcid : {0x0409, 0x0c0a, 0x0419, 0}) {
            try {
                d.setLocaleId(lcid);
                lookups(d);
            } catch (const EIvMulti &) {
            }
        }
        d.close();
    } catch (const EIvError &e) {
        outcome.openError = e.message();
    }
    try {
        (void)d.customLocales();
    } catch (const EIvError &e) {
        outcome.localesError = e.message();
    }
    // The other bindings choose languages and locales their own way.
    for (TIvBinding binding : {ivbiNone, ivbiLocaleToLanguage}) {
        BytesDictionary other(bytes);
        other.setOptions(d.options());
        other.setBinding(binding);
        other.setCheckLevel(binding == ivbiNone ? ivclSystem : ivclCodePage);
        other.setSystemCodePage(1251);
        try {
            other.open();
            lookups(other);
        } catch (const EIvError &) {
        }
    }
    return outcome;
}

} // namespace exercise
