// Grid strings of the worked examples, through the whole path: table file,
// engine, computed-field hook, display format.
#include "data/Declarations.h"
#include "data/SectionFamily.h"
#include "data/Table.h"
#include "support/Fixture.h"

#include <QTemporaryDir>
#include <QTest>

using Cells = QMap<QString, QString>;

class TestCalcFields : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // Opens a one-row table of the given declaration and returns the display
    // text of each named field.
    Cells shown(const TableDecl &decl, const QString &file, const QVariantMap &row, const QStringList &fields)
    {
        fixture::writeTable(m_dir.path(), file, decl, {row});
        Table t(decl);
        t.setDirectory(m_dir.path());
        t.setFileName(file);
        t.open();
        Cells cells;
        for (const QString &f : fields)
            cells.insert(f, t.field(f).displayText(u'.'));
        return cells;
    }

    // A stored row of a tapered section or an angle: the given fields over
    // plausible figures of a size of the family (the table refuses a row
    // with an empty dimension or property).
    static QVariantMap complete(SectionFamily family, const QVariantMap &given)
    {
        QVariantMap m;
        if (family == SectionFamily::ANG) {
            m = {{"H", 100}, {"T", 10}, {"R1", 12}, {"R2", 6}};
        } else {
            m = {{"H", 200}, {"B", 90},    {"Tw", 7.5},  {"Tf", 11.3}, {"R1", 7.5},  {"R2", 4.5},   {"D", 159.0},
                 {"A", 33.4}, {"Iy", 2140}, {"Iz", 117}, {"Wply", 250}, {"Wplz", 44}, {"It", 13.5}, {"Iw", 10520},
                 {"AL", 0.709}, {"Avz", 14}, {"ss", 42.0}, {"ym", 3.94}, {"ys", 2.01}};
            if (family == SectionFamily::IPN) {
                m.remove("ym");
                m.remove("ys");
            }
        }
        for (auto it = given.cbegin(); it != given.cend(); ++it)
            m[it.key()] = it.value();
        return m;
    }

    static void compareCells(const Cells &actual, const Cells &expected)
    {
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QVERIFY2(actual.value(it.key()) == it.value(),
                     qPrintable(QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                                    .arg(it.key(), actual.value(it.key()), it.value())));
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void parallelFlanges_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QVariantMap>("row");
        QTest::addColumn<Cells>("expected");
        QTest::newRow("HEB 200") << "HEB.DB" << fixture::heRow("HEB 200", 200, 200, 9, 15, 18)
                                 << Cells{{"M", "61.3"},    {"P", "0.613"},   {"d", "134.0"},  {"hi", "170.0"},
                                          {"A", "78.1"},    {"Iy", "5697"},   {"Wy", "569.7"}, {"ry", "8.54"},
                                          {"Wply", "642.6"}, {"Iz", "2003"},  {"Wz", "200.3"}, {"rz", "5.07"},
                                          {"Wplz", "305.8"}, {"It", "59.7"},  {"Iw", "171413"}, {"AL", "1.151"},
                                          {"AG", "18.78"},  {"Avz", "24.84"}, {"Sy", "321.3"}, {"ssy", "17.7"},
                                          {"ss", "60.1"},   {"h", "200"},     {"tw", "9.0"},   {"R", "18"}};
        QTest::newRow("IPE 300") << "IPE.DB" << fixture::heRow("IPE 300", 300, 150, 7.1, 10.7, 15)
                                 << Cells{{"M", "42.2"},    {"P", "0.422"},   {"d", "248.6"},  {"hi", "278.6"},
                                          {"A", "53.8"},    {"Iy", "8357"},   {"Wy", "557.1"}, {"ry", "12.46"},
                                          {"Wply", "628.4"}, {"Iz", "604"},   {"Wz", "80.5"},  {"rz", "3.35"},
                                          {"Wplz", "125.2"}, {"It", "19.9"},  {"Iw", "126332"}, {"AL", "1.160"},
                                          {"AG", "27.46"},  {"Avz", "25.69"}, {"Sy", "314.2"}, {"ssy", "26.6"},
                                          {"ss", "46.1"}};
        QTest::newRow("r = 0") << "HEA.DB" << fixture::heRow("HE 200 r0", 200, 200, 9, 15, 0)
                               << Cells{{"A", "75.3"}, {"Avz", "16.65"}, {"ss", "39.0"}, {"It", "47.0"}};
    }
    void parallelFlanges()
    {
        QFETCH(QString, file);
        QFETCH(QVariantMap, row);
        QFETCH(Cells, expected);
        compareCells(shown(decl::iLamParTable, file, row, expected.keys()), expected);
    }

    void storedProperties_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<QVariantMap>("row");
        QTest::addColumn<Cells>("expected");
        QTest::newRow("IPN 200") << int(SectionFamily::IPN)
                                 << QVariantMap{{"Designation", "IPN 200"}, {"H", 200}, {"B", 90}, {"A", 33.4},
                                                {"Iy", 2140}, {"Iz", 117}, {"Wply", 250}, {"AL", 0.709}}
                                 << Cells{{"M", "26.2"}, {"P", "0.262"}, {"Wy", "214.0"}, {"ry", "8.00"},
                                          {"Wz", "26.0"}, {"rz", "1.87"}, {"AG", "27.04"}, {"Sy", "125.0"},
                                          {"ssy", "17.1"}, {"Iy", "2140"}};
        QTest::newRow("UPN 200") << int(SectionFamily::UPN)
                                 << QVariantMap{{"Designation", "UPN 200"}, {"H", 200}, {"B", 75}, {"A", 32.2},
                                                {"Iy", 1910}, {"Iz", 148}, {"Wply", 228}, {"ys", 2.01},
                                                {"AL", 0.661}}
                                 << Cells{{"M", "25.3"}, {"P", "0.253"}, {"Wy", "191.0"}, {"ry", "7.70"},
                                          {"Wz", "27.0"}, {"rz", "2.14"}, {"AG", "26.15"}, {"Sy", "114.0"},
                                          {"ssy", "16.8"}, {"ys", "2.01"}};
        QTest::newRow("L 100x100x10") << int(SectionFamily::ANG)
                                      << QVariantMap{{"Designation", "L 100x100x10"}, {"H", 100}, {"T", 10},
                                                     {"R1", 12}, {"R2", 6}}
                                      << Cells{{"M", "15.04"}, {"P", "0.150"}, {"A", "19.15"}, {"Iy", "176.66"},
                                               {"Wy", "24.61"}, {"ry", "3.04"}, {"Iu", "280.33"}, {"ru", "3.83"},
                                               {"Iv", "72.99"}, {"rv", "1.95"}, {"Iyz", "103.7"}, {"ys", "2.82"},
                                               {"U1", "3.99"}, {"U2", "3.54"}, {"V", "7.07"}, {"AL", "0.390"},
                                               {"AG", "25.92"}};
    }
    void storedProperties()
    {
        QFETCH(int, family);
        QFETCH(QVariantMap, row);
        QFETCH(Cells, expected);
        const FamilyInfo &f = familyInfo(SectionFamily(family));
        compareCells(shown(*f.table(), QString::fromLatin1(f.tableFile), complete(SectionFamily(family), row),
                           expected.keys()),
                     expected);
    }

    void familiesAsData()
    {
        QCOMPARE(familyKeyOfFile(QStringLiteral("Ang.db")), QStringLiteral("ANG"));
        QCOMPARE(familyKeyOfFile(QStringLiteral("IPN.db")), QStringLiteral("IPN"));
        QCOMPARE(familyKeyOfFile(QStringLiteral("heb.DB")), QStringLiteral("HEB"));
        for (const FamilyInfo &f : allFamilies()) {
            QCOMPARE(familyKeyOfFile(QString::fromLatin1(f.tableFile)), QString::fromLatin1(f.key));
            QCOMPARE(decl::forFile(QString::fromLatin1(f.tableFile)), f.table());
            QCOMPARE(familyByKey(QString::fromLatin1(f.key).toLower()), &f);
        }
        // The HE series and IPE share one declaration, whose declared file is
        // replaced before opening.
        QCOMPARE(familyInfo(SectionFamily::IPE).table(), familyInfo(SectionFamily::HEA).table());
        QCOMPARE(QString::fromLatin1(decl::iLamParTable.defaultFile), QStringLiteral("heb.DB"));
        QCOMPARE(decl::forFile(QStringLiteral("aceromec.DB")), &decl::AceroMECTable);
        QCOMPARE(decl::forFile(QStringLiteral("nothing.db")), nullptr);
    }

    void ipnFileFieldsThatNoPartReads()
    {
        // "Standard" and "Specification" are in the file, never declared.
        QCOMPARE(decl::iLamIncTable.indexOf("Standard"), -1);
        QCOMPARE(decl::iLamIncTable.indexOf("Specification"), -1);
        QCOMPARE(decl::iLamIncTable.indexOf("SS"), decl::iLamIncTable.indexOf("ss"));
    }
};

QTEST_GUILESS_MAIN(TestCalcFields)
#include "tst_calcfields.moc"
