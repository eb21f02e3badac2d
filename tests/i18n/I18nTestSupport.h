#pragma once

// Dictionaries and files for the localisation tests.
#include "MldWriter.h"
#include "i18n/IvMemoryDictionary.h"

#include <QDir>
#include <QString>
#include <QTest>

namespace i18ntest {

// The program's three languages and a few rows: "Close", "&Print",
// "Record ", a text with an English-only column and one with none.
inline mld::Document smallDocument()
{
    mld::Document d;
    d.languages = mld::programLanguages();
    d.records = {
        {QStringLiteral("Close"), {}, {}, {QStringLiteral("Close"), QStringLiteral("Cerrar")}},
        {QStringLiteral("&Print"), {}, {}, {QStringLiteral("&Print"), QStringLiteral("&Imprimir")}},
        {QStringLiteral("Record "), {}, {}, {QStringLiteral("Record "), QStringLiteral("Registro ")}},
        {QStringLiteral("Steel"), {}, {}, {QStringLiteral("Steel (en)"), QString()}},
        {QStringLiteral("Nothing"), {}, {}, {QString(), QString()}},
        {QStringLiteral("Do you want to exit?"), {}, {}, {QStringLiteral("Do you want to exit?"), QStringLiteral("¿Desea salir?")}},
    };
    return d;
}

// Writes a document into dir and returns the file's path.
inline QString writeDocument(const QDir &dir, const QString &name, const mld::Document &document)
{
    const QString path = dir.filePath(name);
    mld::writeFile(path, document);
    return path;
}

// A memory dictionary with the program's languages: "Close", "&Print",
// "Print" and "Properties" in Spanish.
inline void fillEnglishSpanish(TIvMemoryDictionary &d)
{
    d.addLanguage(TIvMemoryDictionary::english());
    d.addLanguage(TIvMemoryDictionary::spanish());
    d.setBinding(ivbiLanguageToLocale);
    d.setSubLanguage(0);
    d.setLanguage(0);
    d.setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
}

} // namespace i18ntest
