// Damaged dictionary files: every variant the writer produces, cut short at
// every length, with every byte changed and with seeded random damage. The
// reader must refuse what it cannot read with an EIvError (naming the file
// where the damage is past the signature) and never read out of bounds:
// run it under -DTOLMO_SANITIZE=ON to have every access checked.
#include "DictionaryExercise.h"
#include "I18nTestSupport.h"

#include <QRandomGenerator>
#include <QTest>

class TestDictionaryRobustness : public QObject {
    Q_OBJECT
private slots:
    void damagedFiles_data();
    void damagedFiles();
};

namespace {

bool refusedClearly(const exercise::Outcome &outcome)
{
    if (!outcome.openError)
        return false;
    const QString &m = *outcome.openError;
    return m == QLatin1String("The stream is not a valid MLD stream") || m.contains(QLatin1String("exercise.dll"));
}

} // namespace

void TestDictionaryRobustness::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    int n = 0;
    for (int version = 1; version <= 3; ++version)
        for (bool big : {false, true})
            for (bool wide : {true, false}) {
                mld::Document d = i18ntest::smallDocument();
                d.version = version;
                d.bigEndian = big;
                d.wide = wide;
                d.contextKind = n++ % 4;
                d.records << mld::Record{"Properties", "TILPFm", "TabSheet1", {"Properties", "Propiedades"}};
                QTest::addRow("v%d %s %s context %d", version, big ? "BE" : "LE", wide ? "UTF-16" : "8-bit",
                              d.contextKind)
                    << mld::write(d);
            }
    for (int version : {2, 3}) {
        mld::Document d = i18ntest::smallDocument();
        d.version = version;
        d.contextKind = mld::ClassAndComponent;
        d.locales = {mld::englishUnitedStates(), mld::spanishSpain()};
        if (version == 3) {
            d.languages[1].extra = QByteArray(6, 'x');
            d.locales[1].extra = QByteArray(3, 'y');
        }
        QTest::addRow("v%d with custom locales", version) << mld::write(d);
    }
}

void TestDictionaryRobustness::damagedFiles()
{
    QFETCH(QByteArray, file);
    {
        exercise::BytesDictionary whole(file);
        whole.setBinding(ivbiLanguageToLocale);
        whole.setSubLanguage(0);
        whole.setLanguage(0);
        whole.open();
        whole.setLanguage(2);
        QCOMPARE(whole.plainLookup("Close"), std::optional<QString>("Cerrar"));
        QVERIFY(!exercise::run(file).openError);
    }
    // Cut short anywhere: every file ends inside a record the program reads.
    for (qsizetype length = 0; length < file.size(); ++length) {
        const exercise::Outcome outcome = exercise::run(file.left(length));
        QVERIFY2(refusedClearly(outcome), qPrintable(QStringLiteral("cut at %1: %2")
                                                         .arg(length)
                                                         .arg(outcome.openError.value_or("accepted"))));
    }
    // Every byte changed in three ways.
    for (qsizetype at = 0; at < file.size(); ++at) {
        for (char value : {'\x00', '\xff', char(file.at(at) ^ 0x80)}) {
            if (value == file.at(at))
                continue;
            QByteArray damaged = file;
            damaged[at] = value;
            const exercise::Outcome outcome = exercise::run(damaged);
            if (at < 3)
                QCOMPARE(outcome.openError, std::optional<QString>("The stream is not a valid MLD stream"));
        }
    }
    // Seeded random damage: several bytes, bytes put in, bytes taken out.
    QRandomGenerator random(quint32(qHash(file)));
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = file;
        const int changes = 1 + random.bounded(8);
        for (int c = 0; c < changes && !damaged.isEmpty(); ++c) {
            const auto at = static_cast<qsizetype>(random.bounded(int(damaged.size())));
            switch (random.bounded(3)) {
            case 0: damaged[at] = char(random.bounded(256)); break;
            case 1: damaged.insert(at, char(random.bounded(256))); break;
            default: damaged.remove(at, 1); break;
            }
        }
        exercise::run(damaged);
    }
}

QTEST_GUILESS_MAIN(TestDictionaryRobustness)
#include "tst_dictionaryrobustness.moc"
