// The dictionary registry, the outcome of a lookup by MissingTranslation,
// TranslateString and the text of the general error report.
#include "I18nTestSupport.h"
#include "i18n/IvErrors.h"
#include "i18n/IvMemoryDictionary.h"
#include "i18n/TranslateString.h"

#include <QTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(TIvMissingTranslation)

namespace {

std::unique_ptr<TIvMemoryDictionary> spanishDictionary(const QString &name = "Dictionary1")
{
    auto d = std::make_unique<TIvMemoryDictionary>(nullptr, name);
    i18ntest::fillEnglishSpanish(*d);
    d->addTranslation("Do you want to exit?", {"Do you want to exit?", QString::fromUtf8("¿Desea salir?")});
    d->addTranslation("Cannot open file", {"Cannot open file", "No se puede abrir el archivo"});
    d->addTranslation("Wrong value.", {"Wrong value.", QString::fromUtf8("Valor erróneo.")});
    d->addTranslation("Error 42", {"Error 42", "Fallo 42"});
    d->open();
    d->setLanguage(2);
    return d;
}

} // namespace

class TestDictionaries : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void namesDictionaries_data();
    void namesDictionaries();
    void registryFollowsLifetimes();
    void resolvesByMissingTranslation_data();
    void resolvesByMissingTranslation();
    void translateString_data();
    void translateString();
    void translateStringWithoutDefault();
    void errorReportText_data();
    void errorReportText();
};

void TestDictionaries::cleanup() { TIvDictionaries::setDefaultIndex(0); }

void TestDictionaries::namesDictionaries_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("name");
    QTest::newRow("first") << QStringList{} << "Dictionary1";
    QTest::newRow("second") << QStringList{"Dictionary1"} << "Dictionary2";
    QTest::newRow("counting starts above the number registered") << QStringList{"Main"} << "Dictionary2";
    QTest::newRow("taken number skipped") << QStringList{"Dictionary2"} << "Dictionary3";
    QTest::newRow("lower free number not used") << QStringList{"Dictionary5", "Main"} << "Dictionary3";
    QTest::newRow("several taken") << QStringList{"Dictionary3", "Dictionary4"} << "Dictionary5";
    QTest::newRow("case ignored") << QStringList{"dictionary2"} << "Dictionary3";
}

void TestDictionaries::namesDictionaries()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, name);
    std::vector<std::unique_ptr<TIvMemoryDictionary>> dictionaries;
    for (const QString &n : existing)
        dictionaries.push_back(std::make_unique<TIvMemoryDictionary>(nullptr, n));
    TIvMemoryDictionary created;
    QCOMPARE(created.dictionaryName(), name);
}

void TestDictionaries::registryFollowsLifetimes()
{
    QCOMPARE(TIvDictionaries::count(), 0);
    auto first = std::make_unique<TIvMemoryDictionary>(nullptr, "Dictionary1");
    TIvMemoryDictionary second(nullptr, "Other");
    QCOMPARE(TIvDictionaries::count(), 2);
    QCOMPARE(TIvDictionaries::defaultDictionary(), first.get());
    QCOMPARE(TIvDictionaries::find("OTHER"), &second);
    QCOMPARE(TIvDictionaries::find("Missing"), nullptr);
    first.reset();
    QCOMPARE(TIvDictionaries::count(), 1);
    QCOMPARE(TIvDictionaries::item(0), &second);
    QCOMPARE(TIvDictionaries::defaultDictionary(), &second);
}

void TestDictionaries::resolvesByMissingTranslation_data()
{
    QTest::addColumn<TIvMissingTranslation>("mode");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("result"); // or the exception's message after "!"

    QTest::newRow("found") << ivmtRaiseException << true << "Cerrar" << "Cerrar";
    QTest::newRow("native, not found") << ivmtUseNative << false << "" << "Close";
    QTest::newRow("native, found empty") << ivmtUseNative << true << "" << "Close";
    QTest::newRow("null") << ivmtUseNull << false << "" << "";
    QTest::newRow("tagged") << ivmtTagNative << false << "" << "@Close@";
    QTest::newRow("exception, not found") << ivmtRaiseException << false << ""
                                          << "!Dictionary does not contain a translation for the word \"Close\"";
    QTest::newRow("exception, found empty") << ivmtRaiseException << true << ""
                                            << "!Translation for the word \"Close\" is missing";
}

void TestDictionaries::resolvesByMissingTranslation()
{
    QFETCH(TIvMissingTranslation, mode);
    QFETCH(bool, found);
    QFETCH(QString, translation);
    QFETCH(QString, result);
    TIvMemoryDictionary d;
    d.setMissingTranslation(mode);
    const std::optional<QString> outcome = found ? std::optional<QString>(translation) : std::nullopt;
    try {
        const QString got = d.resolve("Close", outcome);
        QVERIFY2(!result.startsWith('!'), qPrintable(got));
        QCOMPARE(got, result);
    } catch (const EIvMulti &e) {
        QCOMPARE(QString('!' + e.message()), result);
    }
}

void TestDictionaries::translateString_data()
{
    QTest::addColumn<bool>("withDictionary");
    QTest::addColumn<TIvMissingTranslation>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");

    QTest::newRow("no dictionary") << false << ivmtUseNative << "Do you want to exit?" << "Do you want to exit?";
    QTest::newRow("translated") << true << ivmtUseNative << "Do you want to exit?" << QString::fromUtf8("¿Desea salir?");
    QTest::newRow("no translation") << true << ivmtUseNative << "Record 7" << "Record 7";
    QTest::newRow("no translation, tagged") << true << ivmtTagNative << "Close" << "@Close@";
    QTest::newRow("empty text, tagged") << true << ivmtTagNative << "" << "";
    QTest::newRow("plain lookup only") << true << ivmtUseNative << "Do you want to exit" << "Do you want to exit";
}

void TestDictionaries::translateString()
{
    QFETCH(bool, withDictionary);
    QFETCH(TIvMissingTranslation, mode);
    QFETCH(QString, text);
    QFETCH(QString, result);
    std::unique_ptr<TIvMemoryDictionary> d;
    if (withDictionary) {
        d = spanishDictionary();
        d->setMissingTranslation(mode);
    }
    QCOMPARE(TranslateString(text), result);
}

void TestDictionaries::translateStringWithoutDefault()
{
    auto d = spanishDictionary();
    TIvDictionaries::setDefaultIndex(3);
    try {
        TranslateString("Close");
        QFAIL("no exception");
    } catch (const EIvRangeError &e) {
        QCOMPARE(e.message(), QString("DefaultDictionaryIndex is out or range: 3"));
    }
    // The error report does not fail in turn.
    QCOMPARE(translatedErrorText("Cannot open file"), QString("Cannot open file."));
}

void TestDictionaries::errorReportText_data()
{
    QTest::addColumn<QString>("dictionary"); // open, closed, none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter at the end") << "open" << "Cannot open file" << "No se puede abrir el archivo.";
    QTest::newRow("full stop at the end") << "open" << "Wrong value." << QString::fromUtf8("Valor erróneo.");
    QTest::newRow("digit at the end") << "open" << "Error 42" << "Fallo 42.";
    QTest::newRow("exclamation mark at the end") << "open" << "Stop!" << "Stop!";
    QTest::newRow("parenthesis at the end") << "open" << "Bad value (3)" << "Bad value (3)";
    QTest::newRow("empty") << "open" << "" << "";
    QTest::newRow("dictionary closed") << "closed" << "Cannot open file" << "Cannot open file.";
    QTest::newRow("no dictionary") << "none" << "Cannot open file" << "Cannot open file.";
}

void TestDictionaries::errorReportText()
{
    QFETCH(QString, dictionary);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    std::unique_ptr<TIvMemoryDictionary> d;
    if (dictionary != QLatin1String("none"))
        d = spanishDictionary();
    if (dictionary == QLatin1String("closed"))
        d->close();
    QCOMPARE(translatedErrorText(message), shown);
}

QTEST_GUILESS_MAIN(TestDictionaries)
#include "tst_dictionaries.moc"
