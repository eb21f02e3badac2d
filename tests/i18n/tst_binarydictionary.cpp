// The dictionary file reader and the language logic of the dictionaries:
// every variant of the file, the choice of language and locale, the checks
// against the system's code page and every failure of the file.
#include "I18nTestSupport.h"
#include "i18n/IvBinaryDictionary.h"
#include "i18n/IvErrors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using Patches = QList<QPair<int, QByteArray>>;
Q_DECLARE_METATYPE(TIvBinding)
Q_DECLARE_METATYPE(TIvCheckLevel)

namespace {

// The dictionary as the main window sets it up.
std::unique_ptr<TIvBinaryDictionary> mainWindowDictionary(const QString &path)
{
    auto d = std::make_unique<TIvBinaryDictionary>();
    d->setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
    d->setSubLanguage(0);
    d->setLanguage(0);
    d->setBinding(ivbiLanguageToLocale);
    d->setFileName(path);
    return d;
}

mld::Language language(int primary, int sub, const QString &name, int codePage = 1252)
{
    mld::Language l;
    l.primary = primary;
    l.sub = sub;
    l.englishName = name;
    l.codePage = codePage;
    return l;
}

mld::Record record(const QString &native, const QStringList &columns, const QString &cls = QString(),
                   const QString &component = QString())
{
    return mld::Record{native, cls, component, columns};
}

QString messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EIvError &e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestBinaryDictionary : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readsEveryVariant_data();
    void readsEveryVariant();
    void contextKinds_data();
    void contextKinds();
    void languageRecords();
    void fallbackLanguage();
    void fallbackOfSublanguages();
    void bindingAtOpen_data();
    void bindingAtOpen();
    void languageChange();
    void languageIndexRange_data();
    void languageIndexRange();
    void failures_data();
    void failures();
    void fileNameAndStorage();
    void missingFileIsNotAnError();
    void resolvesBesideTheExecutable();
    void codePageChecks_data();
    void codePageChecks();
    void noUsableLanguage();
    void customLocale_data();
    void customLocale();
    void rereadsTheFileForEachOperation();
    void programDictionary_data();
    void programDictionary();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestBinaryDictionary::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestBinaryDictionary::cleanup()
{
    m_dir.reset();
    QLocale::setDefault(QLocale::c());
}

void TestBinaryDictionary::readsEveryVariant_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("bigEndian");
    QTest::addColumn<bool>("wide");
    for (int version = 1; version <= 3; ++version)
        for (bool big : {false, true})
            for (bool wide : {true, false})
                QTest::addRow("v%d %s %s", version, big ? "big-endian" : "little-endian", wide ? "UTF-16" : "8-bit")
                    << version << big << wide;
}

void TestBinaryDictionary::readsEveryVariant()
{
    QFETCH(int, version);
    QFETCH(bool, bigEndian);
    QFETCH(bool, wide);
    mld::Document doc = i18ntest::smallDocument();
    doc.version = version;
    doc.bigEndian = bigEndian;
    doc.wide = wide;
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));

    const TIvMldHeader h = d->header();
    QCOMPARE(h.version, version);
    QCOMPARE(h.bigEndian, bigEndian);
    QCOMPARE(h.wide, wide);
    QCOMPARE(h.languageCount, 3);
    QCOMPARE(h.translationCount, int(doc.records.size()));

    d->open();
    QVERIFY(d->isOpen());
    QCOMPARE(d->currentLanguage(), 0);
    d->setLanguage(2);
    QCOMPARE(d->plainLookup("Close"), std::optional<QString>("Cerrar"));
    QCOMPARE(d->plainLookup("Do you want to exit?"), std::optional<QString>(QString::fromUtf8("¿Desea salir?")));
    QCOMPARE(d->plainLookup("Record "), std::optional<QString>("Registro "));
    QCOMPARE(d->plainLookup("Record"), std::nullopt);
    const QList<TIvLanguageInfo> languages = d->languages();
    QCOMPARE(languages.at(2).englishName, QString("Spanish"));
    QCOMPARE(languages.at(2).nativeName, QString::fromUtf8("Español"));
    // Version 1 stores no ISO codes: they come from the system's locale data.
    QCOMPARE(languages.at(2).isoLanguage, QString("es"));
    QCOMPARE(languages.at(2).isoCountry, QString("ES"));
    d->setLanguage(1);
    QCOMPARE(d->plainLookup("Close"), std::optional<QString>("Close"));
}

void TestBinaryDictionary::contextKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("ilpTab");   // (Properties, TILPFm, TabSheet1)
    QTest::addColumn<QString>("aceroTab"); // (Properties, TAceroFm, TabSheet9)
    QTest::addColumn<QString>("elsewhere"); // (Properties, TOtherFm, Label1)

    // The generic record (no context) answers only the plain lookup.
    QTest::newRow("class and component") << int(mld::ClassAndComponent) << "Propiedades" << "Características" << "";
    QTest::newRow("component only") << int(mld::ComponentOnly) << "Propiedades" << "Características" << "";
    QTest::newRow("class only") << int(mld::ClassOnly) << "Propiedades" << "Características" << "";
    QTest::newRow("no contexts") << int(mld::NoContext) << "*" << "*" << "*";
}

void TestBinaryDictionary::contextKinds()
{
    QFETCH(int, kind);
    QFETCH(QString, ilpTab);
    QFETCH(QString, aceroTab);
    QFETCH(QString, elsewhere);
    mld::Document doc;
    doc.languages = mld::programLanguages();
    doc.contextKind = kind;
    doc.records = {
        record("Properties", {"Properties", "Propiedades"}, "TILPFm", "TabSheet1"),
        record("Properties", {"Properties", QString::fromUtf8("Características")}, "TAceroFm", "TabSheet9"),
        record("Properties", {"Properties", "Propiedades generales"}),
        record("Close", {"Close", "Cerrar"}),
    };
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));
    d->open();
    d->setLanguage(2);
    QCOMPARE(d->hasContexts(), kind != mld::NoContext);
    const QStringList all{"Propiedades", QString::fromUtf8("Características"), "Propiedades generales"};
    const auto check = [&](const QString &cls, const QString &component, const QString &expected) {
        const std::optional<QString> found = d->contextLookup("Properties", cls, component);
        if (expected == QLatin1String("*"))
            QVERIFY(found && all.contains(*found));
        else if (expected.isEmpty())
            QCOMPARE(found, std::nullopt);
        else
            QCOMPARE(found, std::optional<QString>(expected));
    };
    check("TILPFm", "TabSheet1", ilpTab);
    check("TAceroFm", "TabSheet9", aceroTab);
    check("TOtherFm", "Label1", elsewhere);
    // The plain lookup finds one of the records of a native text.
    const std::optional<QString> plain = d->plainLookup("Properties");
    QVERIFY(plain && all.contains(*plain));
    QCOMPARE(d->plainLookup("Close"), std::optional<QString>("Cerrar"));
    QCOMPARE(d->contextLookup("Close", "TILPFm", "TabSheet1"),
             kind == mld::NoContext ? std::optional<QString>("Cerrar") : std::nullopt);
}

void TestBinaryDictionary::languageRecords()
{
    mld::Document doc;
    doc.version = 3;
    mld::Language native = language(0, 5, "Whatever");
    native.subLanguages = {1, 2};
    mld::Language english = language(9, 0, QString(), 0);
    english.subLanguages = {3, 0, -4, 2};
    english.fontName = "Liberation Sans";
    english.fontSize = 9;
    english.flags = 2;
    english.extra = QByteArray(7, 'x');
    mld::Language russian = language(25, 1, "Russian", 0);
    russian.charset = 0;
    russian.isoLanguage = "ru";
    russian.isoCountry = "RU";
    russian.extra = QByteArray(1, 'y');
    doc.languages = {native, english, russian};
    doc.records = {record("Close", {"Close", QString::fromUtf8("Закрыть")})};
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));
    const QList<TIvLanguageInfo> l = d->languages();
    QCOMPARE(l.size(), 3);
    QCOMPARE(l.at(0).englishName, QString("Native"));
    QCOMPARE(l.at(0).nativeName, QString("Native"));
    QCOMPARE(l.at(0).sub, 0);
    QVERIFY(l.at(0).subLanguages.isEmpty());
    QCOMPARE(l.at(1).primary, 9);
    QCOMPARE(l.at(1).subLanguages, (QList<int>{3, 2}));
    QCOMPARE(l.at(1).sub, 3); // a missing sublanguage is the first one listed
    QCOMPARE(l.at(1).englishName, QString("English"));
    QCOMPARE(l.at(1).codePage, 1252);
    QCOMPARE(l.at(1).fontName, QString("Liberation Sans"));
    QCOMPARE(l.at(1).fontSize, 9);
    QCOMPARE(l.at(1).flags, 2);
    // The record after one with extra bytes is read from its own start.
    QCOMPARE(l.at(2).primary, 25);
    QCOMPARE(l.at(2).isoLanguage, QString("ru"));
    QCOMPARE(l.at(2).codePage, 1251);
    QCOMPARE(l.at(2).charset, 204);
    QCOMPARE(l.at(2).englishName, QString("Russian"));
    d->setCheckLevel(ivclNone);
    d->open();
    d->setLanguage(2);
    QCOMPARE(d->plainLookup("Close"), std::optional<QString>(QString::fromUtf8("Закрыть")));
    QCOMPARE(d->languageInfo().primary, 25);
}

void TestBinaryDictionary::fallbackLanguage()
{
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", i18ntest::smallDocument()));
    d->open();
    d->setLanguage(2);
    QCOMPARE(d->fallbackLanguage(), 1);
    // Spanish is empty, English is not: the English text, marked as fallback.
    const TIvTranslationEntry *steel = d->plainEntry("Steel");
    QVERIFY(steel);
    QCOMPARE(steel->translation, QString("Steel (en)"));
    QVERIFY(steel->fromFallback);
    QVERIFY(!d->plainEntry("Close")->fromFallback);
    // Both empty: no entry, so the native text stays.
    QCOMPARE(d->plainLookup("Nothing"), std::nullopt);
    QCOMPARE(d->resolve("Nothing", d->plainLookup("Nothing")), QString("Nothing"));

    // Without a master language there is no fallback.
    auto other = mainWindowDictionary(d->fileName());
    other->setMasterLanguage(0);
    other->open();
    other->setLanguage(2);
    QCOMPARE(other->fallbackLanguage(), -1);
    QCOMPARE(other->plainLookup("Steel"), std::nullopt);
}

void TestBinaryDictionary::fallbackOfSublanguages()
{
    mld::Document doc;
    mld::Language spain = language(10, 3, "Spanish");
    mld::Language mexico = language(10, 2, "Spanish (Mexico)");
    mexico.subLanguages = {2, 4};
    doc.languages = {language(0, 0, "Native"), language(9, 1, "English"), spain, mexico};
    doc.records = {record("Computer", {"Computer", "Ordenador", "Computadora"}),
                   record("Close", {"Close", "Cerrar", QString()})};
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));
    d->open();
    d->setLanguage(3);
    // A language with further sublanguages falls back on its primary
    // language's plain member.
    QCOMPARE(d->fallbackLanguage(), 2);
    QCOMPARE(d->plainLookup("Computer"), std::optional<QString>("Computadora"));
    QCOMPARE(d->plainLookup("Close"), std::optional<QString>("Cerrar"));
    QVERIFY(d->plainEntry("Close")->fromFallback);
}

void TestBinaryDictionary::bindingAtOpen_data()
{
    QTest::addColumn<TIvBinding>("binding");
    QTest::addColumn<int>("lcid");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("activeLcid");

    QTest::newRow("language to locale, neutral locale") << ivbiLanguageToLocale << 0 << 0 << 0 << 0;
    QTest::newRow("language to locale, Spanish locale") << ivbiLanguageToLocale << 0x0c0a << 0 << 2 << 0x0c0a;
    QTest::newRow("language to locale, Spanish sublanguage") << ivbiLanguageToLocale << 0x080a << 0 << 2 << 0x080a;
    QTest::newRow("language to locale, no such language") << ivbiLanguageToLocale << 0x0407 << 0 << 1 << 0x0407;
    QTest::newRow("locale to language") << ivbiLocaleToLanguage << 0 << 2 << 2 << 0x0c0a;
    QTest::newRow("locale to language, native") << ivbiLocaleToLanguage << 0 << 0 << 0 << 0;
    // The tests run in the C locale, which reads as US English.
    QTest::newRow("locale to language, user's locale") << ivbiLocaleToLanguage << 0 << -1 << 1 << 0x0409;
    QTest::newRow("none") << ivbiNone << 0x0409 << 2 << 2 << 0x0409;
    QTest::newRow("none, user's default locale") << ivbiNone << ivLcidUserDefault << 1 << 1 << 0x0409;
}

void TestBinaryDictionary::bindingAtOpen()
{
    QFETCH(TIvBinding, binding);
    QFETCH(int, lcid);
    QFETCH(int, language);
    QFETCH(int, current);
    QFETCH(int, activeLcid);
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", i18ntest::smallDocument()));
    d->setBinding(binding);
    d->setLocaleId(lcid);
    d->setLanguage(language);
    QSignalSpy languageSpy(d.get(), &TIvDictionary::OnLanguageChange);
    QSignalSpy localeSpy(d.get(), &TIvDictionary::OnLocaleChange);
    d->open();
    QCOMPARE(d->currentLanguage(), current);
    QCOMPARE(d->activeLocaleId(), activeLcid);
    QCOMPARE(languageSpy.count(), 1);
    QCOMPARE(localeSpy.count(), 1);
}

void TestBinaryDictionary::languageChange()
{
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", i18ntest::smallDocument()));
    d->open();
    QSignalSpy languageSpy(d.get(), &TIvDictionary::OnLanguageChange);
    QSignalSpy localeSpy(d.get(), &TIvDictionary::OnLocaleChange);
    d->setLanguage(2);
    QCOMPARE(languageSpy.count(), 1);
    QCOMPARE(d->plainLookup("&Print"), std::optional<QString>("&Imprimir"));
    d->setLanguage(2);
    QCOMPARE(languageSpy.count(), 1);
    d->setLanguage(1);
    QCOMPARE(languageSpy.count(), 2);
    QCOMPARE(d->plainLookup("&Print"), std::optional<QString>("&Print"));
    // Binding from language to locale: switching languages keeps the locale.
    QCOMPARE(localeSpy.count(), 0);
    QCOMPARE(d->activeLocaleId(), 0);

    // Binding from locale to language: the locale follows the language.
    auto e = mainWindowDictionary(d->fileName());
    e->setBinding(ivbiLocaleToLanguage);
    e->setLanguage(1);
    e->open();
    QSignalSpy eLocale(e.get(), &TIvDictionary::OnLocaleChange);
    e->setLanguage(2);
    QCOMPARE(eLocale.count(), 1);
    QCOMPARE(e->activeLocaleId(), 0x0c0a);

    // Closing forgets the translations; the value set while closed only counts at opening.
    d->close();
    QCOMPARE(d->plainLookup("Close"), std::nullopt);
    d->setLanguage(2);
    QCOMPARE(languageSpy.count(), 2);
    QCOMPARE(d->language(), 2);
}

void TestBinaryDictionary::languageIndexRange_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("number of languages") << 3 << "Language index 3 is out of range";
    QTest::newRow("far beyond") << 70000 << "Language index 70000 is out of range";
    QTest::newRow("below -2") << -3 << "Language index -3 is out of range";
    QTest::newRow("system's locale") << -2 << "";
    QTest::newRow("user's locale") << -1 << "";
    QTest::newRow("last language") << 2 << "";
}

void TestBinaryDictionary::languageIndexRange()
{
    QFETCH(int, language);
    QFETCH(QString, message);
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", i18ntest::smallDocument()));
    d->open();
    try {
        d->setLanguage(language);
        QVERIFY2(message.isEmpty(), "accepted");
        QCOMPARE(d->language(), language);
    } catch (const EIvRangeError &e) {
        QCOMPARE(e.message(), message);
        QCOMPARE(d->language(), 0);
        QCOMPARE(d->currentLanguage(), 0);
    }
}

void TestBinaryDictionary::failures_data()
{
    QTest::addColumn<Patches>("patches");
    QTest::addColumn<int>("keepBytes"); // -1: the whole file
    QTest::addColumn<bool>("withLocales");
    QTest::addColumn<QString>("action");  // open, locales, count
    QTest::addColumn<QString>("message"); // "FILE" stands for the file's path; "..." ends a beginning

    const QByteArray zero16("\0\0", 2), zero32("\0\0\0\0", 4);
    QTest::newRow("not an MLD file") << Patches{{0, "MLX"}} << -1 << false << "open"
                                     << "The stream is not a valid MLD stream";
    QTest::newRow("empty file") << Patches{} << 0 << false << "open" << "The stream is not a valid MLD stream";
    QTest::newRow("signature only") << Patches{} << 3 << false << "count"
                                    << "The dictionary file FILE is corrupt: its header is 3 of 42 bytes";
    QTest::newRow("language offset 0") << Patches{{14, zero32}} << -1 << false << "open" << "Invalid language offset";
    QTest::newRow("translation offset 0") << Patches{{20, zero32}} << -1 << false << "open"
                                          << "Invalid translation offset";
    QTest::newRow("no custom locales") << Patches{} << -1 << false << "locales" << "No custom locales";
    QTest::newRow("locale offset 0") << Patches{{26, zero32}} << -1 << true << "locales" << "Invalid locale offset";
    QTest::newRow("format version 0") << Patches{{3, QByteArray(1, '\0')}} << -1 << false << "open"
                                      << "The dictionary file FILE has an unknown format version 0";
    QTest::newRow("unknown context kind") << Patches{{6, QByteArray(1, '\x07')}} << -1 << false << "open"
                                          << "The dictionary file FILE is corrupt: unknown context kind 7";
    QTest::newRow("language offset beyond the file") << Patches{{14, QByteArray("\xff\xff\x00\x01", 4)}} << -1
                                                     << false << "open"
                                                     << "The dictionary file FILE is corrupt: offset 16842751...";
    QTest::newRow("more languages than records") << Patches{{12, QByteArray("\x00\x10", 2)}} << -1 << false << "open"
                                                 << "The dictionary file FILE is corrupt: ...";
    QTest::newRow("more translations than records") << Patches{{18, QByteArray("\x00\x10", 2)}} << -1 << false
                                                    << "open" << "The dictionary file FILE is corrupt: ...";
    QTest::newRow("language record shorter than its fields") << Patches{{42, QByteArray("\x04\x00", 2)}} << -1
                                                             << false << "open"
                                                             << "The dictionary file FILE is corrupt: a language "
                                                                "record is longer than its stated record length";
    QTest::newRow("language record length below 2") << Patches{{42, QByteArray("\x01\x00", 2)}} << -1 << false
                                                    << "open"
                                                    << "The dictionary file FILE is corrupt: language record 0 "
                                                       "states a length of 1 bytes";
    QTest::newRow("file cut in a translation") << Patches{} << 300 << false << "open"
                                               << "The dictionary file FILE is corrupt: ...";
    QTest::newRow("file cut in a locale record") << Patches{} << -40 << true << "locales"
                                                 << "The dictionary file FILE is corrupt: ...";
}

void TestBinaryDictionary::failures()
{
    QFETCH(Patches, patches);
    QFETCH(int, keepBytes);
    QFETCH(bool, withLocales);
    QFETCH(QString, action);
    QFETCH(QString, message);
    mld::Document doc = i18ntest::smallDocument();
    if (withLocales)
        doc.locales = {mld::englishUnitedStates(), mld::spanishSpain()};
    QByteArray bytes = mld::write(doc);
    for (const auto &[offset, with] : patches)
        bytes.replace(offset, with.size(), with);
    if (keepBytes >= 0)
        bytes.truncate(keepBytes);
    else if (keepBytes < -1)
        bytes.chop(-keepBytes);
    const QString path = QDir(m_dir->path()).filePath("d.dll");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    auto d = mainWindowDictionary(path);
    const QString got = messageOf([&] {
        if (action == QLatin1String("open"))
            d->open();
        else if (action == QLatin1String("locales"))
            d->customLocales();
        else
            d->languageCount();
    });
    message.replace(QLatin1String("FILE"), path);
    if (message.endsWith(QLatin1String("...")))
        QVERIFY2(got.startsWith(message.chopped(3)), qPrintable(got));
    else
        QCOMPARE(got, message);
    // A failed opening leaves the dictionary closed.
    QVERIFY(!d->isOpen());
}

void TestBinaryDictionary::fileNameAndStorage()
{
    TIvBinaryDictionary d;
    QCOMPARE(messageOf([&] { d.languageCount(); }), QString("No FileName property set"));
    d.open(); // no file to open: nothing happens
    QVERIFY(!d.isOpen());
    d.setStorage(ivsEmbedded);
    QVERIFY(d.filePresent());
    QCOMPARE(messageOf([&] { d.open(); }), QString("No dictionary data! Set the FileName property."));
    QVERIFY(!d.isOpen());
}

void TestBinaryDictionary::missingFileIsNotAnError()
{
    auto d = mainWindowDictionary(QDir(m_dir->path()).filePath("PTolmo2.dll"));
    QSignalSpy spy(d.get(), &TIvDictionary::OnLanguageChange);
    QVERIFY(!d->filePresent());
    d->open();
    QVERIFY(!d->isOpen());
    d->setLanguage(2);
    QCOMPARE(d->language(), 2);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(d->plainLookup("Close"), std::nullopt);
}

void TestBinaryDictionary::resolvesBesideTheExecutable()
{
    const QString name = QStringLiteral("tst_binarydictionary-beside.dll");
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
    i18ntest::writeDocument(QDir(QCoreApplication::applicationDirPath()), name, i18ntest::smallDocument());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    TIvBinaryDictionary d;
    d.setFileName(name);
    const QString resolved = d.resolvedFileName();
    const bool present = d.filePresent();
    // A file in the current directory comes first.
    i18ntest::writeDocument(QDir(m_dir->path()), name, i18ntest::smallDocument());
    const QString resolvedHere = d.resolvedFileName();
    QDir::setCurrent(previous);
    QFile::remove(beside);
    QCOMPARE(QFileInfo(resolved), QFileInfo(beside));
    QVERIFY(present);
    QCOMPARE(QFileInfo(resolvedHere), QFileInfo(QDir(m_dir->path()).filePath(name)));
}

void TestBinaryDictionary::codePageChecks_data()
{
    QTest::addColumn<TIvCheckLevel>("level");
    QTest::addColumn<int>("systemCodePage");
    QTest::addColumn<int>("spanishFlags");
    QTest::addColumn<QString>("action"); // language N, or locale N
    QTest::addColumn<QString>("message");

    QTest::newRow("Spanish, Cyrillic code page") << ivclCodePage << 1251 << 0 << "language 2"
                                                 << "Spanish is not supported by the code page";
    QTest::newRow("Spanish, Cyrillic system") << ivclSystem << 1251 << 0 << "language 2"
                                              << "Spanish is not supported by the system";
    QTest::newRow("Spanish flagged, Cyrillic system") << ivclSystem << 1251 << 2 << "language 2" << "";
    QTest::newRow("Spanish flagged, Cyrillic code page") << ivclCodePage << 1251 << 2 << "language 2"
                                                         << "Spanish is not supported by the code page";
    QTest::newRow("Spanish, Western code page") << ivclCodePage << 1252 << 0 << "language 2" << "";
    QTest::newRow("Spanish, Unicode system") << ivclCodePage << ivUnicodeCodePage << 0 << "language 2" << "";
    QTest::newRow("Spanish, no check") << ivclNone << 1251 << 0 << "language 2" << "";
    QTest::newRow("English always") << ivclCodePage << 1251 << 0 << "language 1" << "";
    QTest::newRow("Spanish locale, Cyrillic code page") << ivclCodePage << 1251 << 0 << "locale 3082"
                                                        << "The locale (10, 3) is not supported by the current code page";
    QTest::newRow("Spanish locale, Cyrillic system") << ivclSystem << 1251 << 0 << "locale 3082"
                                                     << "The locale (10, 3) is not supported by the system";
    QTest::newRow("English locale always") << ivclCodePage << 1251 << 0 << "locale 1033" << "";
}

void TestBinaryDictionary::codePageChecks()
{
    QFETCH(TIvCheckLevel, level);
    QFETCH(int, systemCodePage);
    QFETCH(int, spanishFlags);
    QFETCH(QString, action);
    QFETCH(QString, message);
    mld::Document doc = i18ntest::smallDocument();
    doc.languages[2].flags = spanishFlags;
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));
    d->setCheckLevel(level);
    d->setSystemCodePage(systemCodePage);
    d->open();
    const int value = action.section(u' ', 1).toInt();
    const QString got = messageOf([&] {
        if (action.startsWith(QLatin1String("language")))
            d->setLanguage(value);
        else
            d->setLocaleId(value);
    });
    QCOMPARE(got, message);
    if (!message.isEmpty()) {
        // A refused change changes nothing.
        QCOMPARE(d->currentLanguage(), 0);
        QCOMPARE(d->language(), 0);
        QCOMPARE(d->localeId(), 0);
        QVERIFY(d->isOpen());
    }
}

void TestBinaryDictionary::noUsableLanguage()
{
    mld::Document doc;
    doc.languages = {language(0, 0, "Native"), language(25, 1, "Russian", 1251), language(8, 1, "Greek", 1253)};
    doc.records = {record("Close", {QString::fromUtf8("Закрыть"), QString::fromUtf8("Κλείσιμο")})};
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));
    d->setBinding(ivbiLocaleToLanguage);
    d->setLanguage(-1); // the user's locale (English) is not in the file
    d->setSystemCodePage(1252);
    QCOMPARE(messageOf([&] { d->open(); }), QString("System does not support any language of the dicitonary!"));
    QVERIFY(!d->isOpen());
    // On a Greek system the first usable language from the master language on is Greek.
    d->setSystemCodePage(1253);
    d->open();
    QCOMPARE(d->currentLanguage(), 2);
    // An index outside the file at opening.
    auto e = mainWindowDictionary(d->fileName());
    e->setBinding(ivbiNone);
    e->setLanguage(5);
    QCOMPARE(messageOf([&] { e->open(); }), QString("Out of language range"));
}

void TestBinaryDictionary::customLocale_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("extraBytes");
    QTest::newRow("v3 UTF-16 with extra bytes") << 3 << true << 5;
    QTest::newRow("v3 8-bit") << 3 << false << 0;
    QTest::newRow("v2 UTF-16") << 2 << true << 0;
    QTest::newRow("v1 8-bit") << 1 << false << 0;
}

void TestBinaryDictionary::customLocale()
{
    QFETCH(int, version);
    QFETCH(bool, wide);
    QFETCH(int, extraBytes);
    mld::Document doc = i18ntest::smallDocument();
    doc.version = version;
    doc.wide = wide;
    doc.locales = {mld::englishUnitedStates(), mld::spanishSpain()};
    for (auto &l : doc.locales)
        l.extra = QByteArray(extraBytes, 'z');
    auto d = mainWindowDictionary(i18ntest::writeDocument(QDir(m_dir->path()), "d.dll", doc));
    d->setOptions(ivdoAll);
    const QList<TIvLocaleInfo> locales = d->customLocales();
    QCOMPARE(locales.size(), 2);
    QCOMPARE(locales.at(1).lcid, 0x0c0a);
    QCOMPARE(locales.at(1).longDayNames.first(), QString("lunes"));
    QCOMPARE(locales.at(1).longDayNames.last(), QString("domingo"));

    d->open();
    QSignalSpy languageSpy(d.get(), &TIvDictionary::OnLanguageChange);
    QSignalSpy localeSpy(d.get(), &TIvDictionary::OnLocaleChange);
    d->setLocaleId(0x0c0a);
    QCOMPARE(localeSpy.count(), 1);
    // Bound from locale to language: Spanish comes with Spain's locale.
    QCOMPARE(languageSpy.count(), 1);
    QCOMPARE(d->currentLanguage(), 2);
    const TIvLocaleInfo info = d->localeInfo();
    QVERIFY(info.custom);
    QCOMPARE(info.decimalSeparator, QChar(u','));
    QCOMPARE(info.thousandSeparator, QChar(u'.'));
    QCOMPARE(info.currencySymbol, QString::fromUtf8("€"));
    QCOMPARE(info.longMonthNames.at(11), QString("diciembre"));
    QCOMPARE(info.shortDayNames.at(2), QString::fromUtf8("mié"));
    // ivdoYear2000: four-digit years.
    QCOMPARE(info.shortDateFormat, QString("dd/MM/yyyy"));
    // ivdoUpdateLocaleVariables: Qt's number formats follow the locale.
    QCOMPARE(QLocale().language(), QLocale::Spanish);
    // A locale the file does not describe comes from the system.
    d->setLocaleId(0x0409);
    QVERIFY(d->localeInfo().custom);
    QCOMPARE(d->localeInfo().decimalSeparator, QChar(u'.'));
    QCOMPARE(d->currentLanguage(), 1);
    d->setLocaleId(0x0407);
    QVERIFY(!d->localeInfo().custom);
    QCOMPARE(d->localeInfo().qlocale.language(), QLocale::German);
}

void TestBinaryDictionary::rereadsTheFileForEachOperation()
{
    const QDir dir(m_dir->path());
    mld::Document doc = i18ntest::smallDocument();
    auto d = mainWindowDictionary(i18ntest::writeDocument(dir, "d.dll", doc));
    d->open();
    // The file is not held open: it can be replaced, and the next
    // operation reads the new one.
    doc.records[0].columns[1] = QStringLiteral("Cierre");
    doc.languages << doc.languages.at(2);
    for (auto &r : doc.records)
        r.columns << QStringLiteral("x");
    i18ntest::writeDocument(dir, "d.dll", doc);
    QCOMPARE(d->languageCount(), 4);
    d->setLanguage(2);
    QCOMPARE(d->plainLookup("Close"), std::optional<QString>("Cierre"));
}

void TestBinaryDictionary::programDictionary_data()
{
    QTest::addColumn<QString>("native");
    QTest::addColumn<QString>("spanish");
    QTest::newRow("exit question") << "Do you want to exit?" << QString::fromUtf8("¿Desea salir?");
    QTest::newRow("record counter") << "Record " << "Registro ";
    QTest::newRow("menu caption") << "&Print" << "&Imprimir";
    QTest::newRow("tab caption") << "Properties" << "Propiedades";
    QTest::newRow("tab caption 2") << "Dimensions for Detailing" << "Dimensiones para detalle";
    QTest::newRow("tab caption 3") << "Tolerances" << "Tolerancias";
    QTest::newRow("window caption") << "HEB Sections" << "Perfiles HEB";
    QTest::newRow("field label") << "dmax bolt" << "dmax tornillo";
    QTest::newRow("standard button") << "OK" << "Aceptar";
    QTest::newRow("heading with blanks") << " Select the variables to the search "
                                         << QString::fromUtf8(" Seleccione las variables de la búsqueda ");
}

void TestBinaryDictionary::programDictionary()
{
    QFETCH(QString, native);
    QFETCH(QString, spanish);
    const QString path = qEnvironmentVariable("TOLMO_APPDIR") + QStringLiteral("/PTolmo2.dll");
    auto d = mainWindowDictionary(path);
    QVERIFY2(d->filePresent(), qPrintable(path));
    d->open();
    QCOMPARE(d->languageCount(), 3);
    QCOMPARE(d->languages().at(1).primary, ivPrimaryEnglish);
    QCOMPARE(d->languages().at(2).primary, ivPrimarySpanish);
    d->setLanguage(2);
    QCOMPARE(d->plainLookup(native), std::optional<QString>(spanish));
    d->setLanguage(1);
    QCOMPARE(d->plainLookup(native), std::optional<QString>(native));
}

QTEST_GUILESS_MAIN(TestBinaryDictionary)
#include "tst_binarydictionary.moc"
