// Designations as people type them: the one parser over the registry's
// forms, and the catalogue of the supplied tables it finds sizes in.
#include "data/Designation.h"
#include "data/TableError.h"

#include <QTemporaryDir>
#include <QTest>

using designation::Catalogue;
using designation::SectionName;

class TestDesignation : public QObject {
    Q_OBJECT
private:
    Catalogue m_supplied;

private slots:
    void initTestCase()
    {
        const QString dir = qEnvironmentVariable("TOLMO_APPDIR");
        QVERIFY(!dir.isEmpty());
        for (const FamilyInfo &family : allFamilies())
            m_supplied.add(family, designation::readDesignations(family, dir));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family"); // empty: names no size
        QTest::addColumn<QList<double>>("size");
        const QList<double> none;
        // Every family in its stored form and in the forms people type.
        QTest::newRow("HEB stored") << "HEB 200" << "HEB" << QList<double>{200};
        QTest::newRow("HEB lower case, no space") << "heb200" << "HEB" << QList<double>{200};
        QTest::newRow("HE series after the size") << "HE 200 B" << "HEB" << QList<double>{200};
        QTest::newRow("HE series after, no spaces") << "HE200B" << "HEB" << QList<double>{200};
        QTest::newRow("HEA series after, lower case") << "he 200 a" << "HEA" << QList<double>{200};
        QTest::newRow("HEM four digits") << "HEM1000" << "HEM" << QList<double>{1000};
        QTest::newRow("IPE, spaces around") << "  IPE300 " << "IPE" << QList<double>{300};
        QTest::newRow("IPE two digits") << "ipe 80" << "IPE" << QList<double>{80};
        QTest::newRow("IPN") << "IPN 340" << "IPN" << QList<double>{340};
        QTest::newRow("UPN") << "UPN 100" << "UPN" << QList<double>{100};
        QTest::newRow("U for UPN") << "U100" << "UPN" << QList<double>{100};
        QTest::newRow("u for UPN, spaced") << "u 65" << "UPN" << QList<double>{65};
        QTest::newRow("spaces inside the letters") << "H E B 2 0 0" << "HEB" << QList<double>{200};
        // Angles: leg and thickness, the leg written once or twice, and the
        // separators people use.
        QTest::newRow("angle leg once") << "L100x10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle stored form") << "L 100x100x10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle full stops") << "L100.100.10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle full stops, leg once") << "L 100.10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle capital X, spaced") << "l 100 X 100 X 10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle asterisk") << "L100*10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle multiplication sign") << QString::fromUtf8("L100\u00d7100\u00d710") << "ANG"
                                                   << QList<double>{100, 10};
        QTest::newRow("angle legs written differently") << "L100x100.0x10" << "ANG" << QList<double>{100, 10};
        QTest::newRow("angle decimal thickness") << "L 203x203x22.2" << "ANG" << QList<double>{203, 22.2};
        QTest::newRow("angle decimal comma") << "L 203x203x22,2" << "ANG" << QList<double>{203, 22.2};
        QTest::newRow("angle full stops, decimal thickness") << "L203.203.22.2" << "ANG" << QList<double>{203, 22.2};
        QTest::newRow("angle full stops, leg once, decimal") << "L45.4.5" << "ANG" << QList<double>{45, 4.5};
        QTest::newRow("angle leg once, decimal") << "L45x4.5" << "ANG" << QList<double>{45, 4.5};
        // Names of no size.
        QTest::newRow("empty") << "" << "" << none;
        QTest::newRow("letters only") << "HEB" << "" << none;
        QTest::newRow("HE without its series") << "HE 200" << "" << none;
        QTest::newRow("series before and after") << "HEB 200 B" << "" << none;
        QTest::newRow("unknown letters") << "HEX 200" << "" << none;
        QTest::newRow("size alone") << "200" << "" << none;
        QTest::newRow("letter o for a zero") << "HEB 2o0" << "" << none;
        QTest::newRow("negative size") << "HEB -200" << "" << none;
        QTest::newRow("zero size") << "IPE 0" << "" << none;
        QTest::newRow("unit after the size") << "IPE 300 mm" << "" << none;
        QTest::newRow("letters after UPN") << "UPN100A" << "" << none;
        QTest::newRow("unequal legs") << "L 100x90x10" << "" << none;
        QTest::newRow("four angle numbers") << "L100x100x10x5" << "" << none;
        QTest::newRow("angle without thickness") << "L100x" << "" << none;
        QTest::newRow("angle leg alone") << "L100" << "" << none;
        QTest::newRow("angle doubled full stop") << "L 100..10" << "" << none;
        QTest::newRow("angle unequal legs with full stops and decimal") << "L100.90.10.5" << "" << none;
        QTest::newRow("angle with a height's letters") << "HEB 100x10" << "" << none;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, family);
        QFETCH(QList<double>, size);
        const std::optional<SectionName> name = designation::parse(text);
        if (family.isEmpty()) {
            QVERIFY2(!name, qPrintable(name ? QString::fromLatin1(name->family->key) : QString()));
            return;
        }
        QVERIFY(name);
        QCOMPARE(QString::fromLatin1(name->family->key), family);
        QCOMPARE(QList<double>(name->size.begin(), name->size.end()), size);
    }

    void everyStoredDesignationIsItsFamilysName()
    {
        // A table whose designations follow no form of its family would leave
        // its sizes to be found only as stored.
        QVERIFY(!m_supplied.isEmpty());
        for (const designation::Entry &e : m_supplied.entries()) {
            QVERIFY2(e.name, qPrintable(e.designation));
            QCOMPARE(e.name->family, e.family);
            QCOMPARE(m_supplied.find(e.designation), &e);
        }
    }

    void findInTheSuppliedTables_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("found"); // empty: none
        QTest::addColumn<QString>("family");
        QTest::newRow("HEB typed short") << "heb200" << "HEB 200" << "HEB";
        QTest::newRow("HEA series after") << "HE 200 A" << "HEA 200" << "HEA";
        QTest::newRow("HEM largest") << "hem1000" << "HEM 1000" << "HEM";
        QTest::newRow("IPE") << "IPE300" << "IPE 300" << "IPE";
        QTest::newRow("IPN") << "ipn 80" << "IPN 80" << "IPN";
        QTest::newRow("UPN as U") << "U100" << "UPN 100" << "UPN";
        QTest::newRow("angle leg once") << "L100x10" << "L 100x100x10" << "ANG";
        QTest::newRow("angle full stops") << "L100.100.10" << "L 100x100x10" << "ANG";
        QTest::newRow("angle decimal thickness") << "L 203.203.22.2" << "L 203x203x22.2" << "ANG";
        QTest::newRow("angle thickness 4.5") << "L45x4.5" << "L 45x45x4.5" << "ANG";
        QTest::newRow("no such height") << "HEB 201" << "" << "";
        QTest::newRow("no such thickness") << "L 100x11" << "" << "";
        QTest::newRow("no such leg") << "L 101x101x10" << "" << "";
        QTest::newRow("HE without its series") << "HE 200" << "" << "";
        QTest::newRow("nothing typed") << "   " << "" << "";
    }
    void findInTheSuppliedTables()
    {
        QFETCH(QString, typed);
        QFETCH(QString, found);
        QFETCH(QString, family);
        const designation::Entry *e = m_supplied.find(typed);
        if (found.isEmpty()) {
            QVERIFY2(!e, qPrintable(e ? e->designation : QString()));
            return;
        }
        QVERIFY(e);
        QCOMPARE(e->designation, found);
        QCOMPARE(QString::fromLatin1(e->family->key), family);
    }

    void completions_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("U and one digit") << "u1"
                                         << QStringList{"UPN 100", "UPN 120", "UPN 140", "UPN 160", "UPN 180"};
        QTest::newRow("HE series after the size: all three series")
            << "HE 28" << QStringList{"HEA 280", "HEB 280", "HEM 280"};
        QTest::newRow("angle leg typed once") << "L 100x1"
                                              << QStringList{"L 100x100x8", "L 100x100x10", "L 100x100x12"};
        QTest::newRow("angle with full stops") << "l203.203.2"
                                               << QStringList{"L 203x203x22.2", "L 203x203x25.4", "L 203x203x28.6"};
        QTest::newRow("a whole designation") << "IPE 600" << QStringList{"IPE 600"};
        QTest::newRow("nothing begins so") << "HEB 7000" << QStringList{};
        QTest::newRow("nothing typed") << " " << QStringList{};
    }
    void completions()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QCOMPARE(m_supplied.completions(typed), expected);
    }

    void aStoredDesignationOfNoFormIsFoundAsStored()
    {
        Catalogue c;
        c.add(familyInfo(SectionFamily::HEB), {"X 100", "HEB 100"});
        // "X 100" follows no HEB form: found as written (case and spaces
        // aside) and listed by its beginning.
        QVERIFY(!c.entries().first().name);
        QVERIFY(c.find("x100"));
        QCOMPARE(c.find("x100")->designation, QStringLiteral("X 100"));
        QCOMPARE(c.completions("x 1"), QStringList{"X 100"});
        QCOMPARE(c.find("HE 100 B")->designation, QStringLiteral("HEB 100"));
    }

    void anUnreadableTableNamesItsFile()
    {
        QTemporaryDir empty;
        try {
            designation::readDesignations(familyInfo(SectionFamily::UPN), empty.path());
            QFAIL("no error");
        } catch (const TableError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("UPN.db")), qPrintable(e.message()));
        }
    }
};

QTEST_GUILESS_MAIN(TestDesignation)
#include "tst_designation.moc"
