// The record filter of every family on the built tables: each criterion,
// given a range, keeps exactly the sizes whose quantity lies in it. The
// ranges lie in wide gaps between sizes and the expected sizes were worked
// out by hand from the reference dimensions (tests/supply/refdata and the
// detailing reference), with textbook section formulas for the properties,
// so a criterion that reads the wrong quantity or unit keeps other sizes.
// The Ss of IPN and UPN is a stored figure: it is checked on a small table
// of known values instead.
#include "support/TestContext.h"
#include "TestShell.h"
#include "support/Fixture.h"
#include "browse/SectionWindows.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Table.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestRecordFilter : public QObject {
    Q_OBJECT
    TestShell m_shell;

private slots:
    void initTestCase()
    {
        QVERIFY2(useBuiltAppDir(), "TOLMO_APPDIR names the built application directory");
    }

    void criterionKeepsTheSizesInItsRange_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("component");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<QStringList>("kept");
        const auto row = [](const char *family, int tab, const char *component, double from, double to,
                            const QStringList &kept) {
            QTest::addRow("%s %s %s", family, tab == 0 ? "properties" : "detailing", component)
                << QString::fromLatin1(family) << tab << QString::fromLatin1(component) << from << to << kept;
        };
        row("HEA", 0, "h", 280, 415, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 1, "h", 280, 415, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "b", 250, 290, {"HEA 260", "HEA 280"});
        row("HEA", 1, "b", 250, 290, {"HEA 260", "HEA 280"});
        row("HEA", 0, "tf", 13.5, 20, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 1, "tf", 13.5, 20, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "tw", 8.25, 11.25, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 1, "tw", 8.25, 11.25, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "A", 104.9, 168.5, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "M", 82.34, 132.3, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 1, "M", 82.34, 132.3, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "Iy", 1.597e+04, 5.44e+04, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "Wy", 1136, 2604, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "Wply", 1248, 2889, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "Iz", 5536, 9015, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "Wz", 380.4, 601, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 0, "Wplz", 579.6, 919.2, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEA", 1, "Ss", 65.1, 82.85, {"HEA 300", "HEA 320", "HEA 340", "HEA 360", "HEA 400"});
        row("HEB", 0, "h", 290, 425, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 1, "h", 290, 425, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "b", 250, 290, {"HEB 260", "HEB 280"});
        row("HEB", 1, "b", 250, 290, {"HEB 260", "HEB 280"});
        row("HEB", 0, "tf", 18.5, 25, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 1, "tf", 18.5, 25, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "tw", 10.75, 13.75, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 1, "tw", 10.75, 13.75, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "A", 140.2, 207.9, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "M", 110.1, 163.2, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 1, "M", 110.1, 163.2, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "Iy", 2.222e+04, 6.878e+04, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "Wy", 1527, 3217, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "Wply", 1702, 3607, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "Iz", 7579, 1.127e+04, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "Wz", 520.9, 751.3, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 0, "Wplz", 793.9, 1151, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEB", 1, "Ss", 77.6, 95.35, {"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"});
        row("HEM", 0, "h", 325, 455, {"HEM 300", "HEM 320", "HEM 340", "HEM 360", "HEM 400"});
        row("HEM", 1, "h", 325, 455, {"HEM 300", "HEM 320", "HEM 340", "HEM 360", "HEM 400"});
        row("HEM", 0, "b", 295, 304.5, {"HEM 700", "HEM 800", "HEM 900", "HEM 1000"});
        row("HEM", 1, "b", 295, 304.5, {"HEM 700", "HEM 800", "HEM 900", "HEM 1000"});
        row("HEM", 0, "tf", 32.75, 39.5, {"HEM 280", "HEM 300"});
        row("HEM", 1, "tf", 32.75, 39.5, {"HEM 280", "HEM 300"});
        row("HEM", 0, "tw", 16.75, 19.75, {"HEM 240", "HEM 260", "HEM 280"});
        row("HEM", 1, "tw", 16.75, 19.75, {"HEM 240", "HEM 260", "HEM 280"});
        row("HEM", 0, "A", 209.6, 271.6, {"HEM 260", "HEM 280"});
        row("HEM", 0, "M", 164.5, 213.2, {"HEM 260", "HEM 280"});
        row("HEM", 1, "M", 164.5, 213.2, {"HEM 260", "HEM 280"});
        row("HEM", 0, "Iy", 4.937e+04, 1.178e+05, {"HEM 300", "HEM 320", "HEM 340", "HEM 360", "HEM 400"});
        row("HEM", 0, "Wy", 3017, 5161, {"HEM 300", "HEM 320", "HEM 340", "HEM 360", "HEM 400"});
        row("HEM", 0, "Wply", 3522, 5951, {"HEM 300", "HEM 320", "HEM 340", "HEM 360", "HEM 400"});
        row("HEM", 0, "Iz", 9301, 1.581e+04, {"HEM 260", "HEM 280"});
        row("HEM", 0, "Wz", 718.6, 1068, {"HEM 260", "HEM 280"});
        row("HEM", 0, "Wplz", 1099, 1655, {"HEM 260", "HEM 280"});
        row("HEM", 1, "Ss", 111.8, 131.6, {"HEM 280", "HEM 300"});
        row("IPE", 0, "h", 210, 345, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 1, "h", 210, 345, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "b", 105, 165, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 1, "b", 105, 165, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "tf", 8.85, 12.1, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 1, "tf", 8.85, 12.1, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "tw", 5.75, 7.75, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 1, "tw", 5.75, 7.75, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "A", 30.93, 67.67, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "M", 24.28, 53.12, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 1, "M", 24.28, 53.12, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "Iy", 2358, 1.402e+04, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "Wy", 223.2, 808.4, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "Wply", 253, 911.7, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "Iz", 173.6, 915.8, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "Wz", 32.86, 110.6, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 0, "Wplz", 51.36, 172.4, {"IPE 220", "IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPE", 1, "Ss", 40.9, 53.05, {"IPE 240", "IPE 270", "IPE 300", "IPE 330"});
        row("IPN", 0, "h", 250, 330, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 1, "h", 250, 330, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "b", 109.5, 134, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 1, "b", 109.5, 134, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "tf", 13.6, 17.8, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 1, "tf", 13.6, 17.8, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "tw", 9.05, 11.85, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 1, "tw", 9.05, 11.85, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "A", 49.38, 81.64, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "M", 38.76, 64.09, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 1, "M", 38.76, 64.09, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "Iy", 4953, 1.398e+04, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "Wy", 394.5, 845.2, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "Iz", 258.7, 625.9, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("IPN", 0, "Wz", 47.1, 93.26, {"IPN 260", "IPN 280", "IPN 300", "IPN 320"});
        row("UPN", 0, "h", 170, 270, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 1, "h", 170, 270, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "b", 67.5, 92.5, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 1, "b", 67.5, 92.5, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "tf", 10.75, 14.5, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 1, "tf", 10.75, 14.5, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "tw", 8.25, 9.75, {"UPN 200", "UPN 220", "UPN 240"});
        row("UPN", 1, "tw", 8.25, 9.75, {"UPN 200", "UPN 220", "UPN 240"});
        row("UPN", 0, "A", 25.69, 50.29, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "M", 20.16, 39.48, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 1, "M", 20.16, 39.48, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "Iy", 1125, 5480, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "Wy", 131.4, 404.5, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "Iz", 101.3, 364.9, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("UPN", 0, "Wz", 20.88, 53.88, {"UPN 180", "UPN 200", "UPN 220", "UPN 240", "UPN 260"});
        row("ANG", 0, "h", 140, 155, {"L 150x150x10", "L 150x150x12", "L 150x150x14", "L 150x150x15", "L 150x150x18"});
        row("ANG", 1, "h", 140, 155, {"L 150x150x10", "L 150x150x12", "L 150x150x14", "L 150x150x15", "L 150x150x18"});
        row("ANG", 0, "t", 13.5, 14.5, {"L 150x150x14", "L 160x160x14", "L 180x180x14"});
        row("ANG", 1, "t", 13.5, 14.5, {"L 150x150x14", "L 160x160x14", "L 180x180x14"});
        row("ANG", 0, "A", 37.3, 43.98, {"L 150x150x14", "L 150x150x15", "L 160x160x14"});
        row("ANG", 0, "M", 29.28, 34.52, {"L 150x150x14", "L 150x150x15", "L 160x160x14"});
        row("ANG", 1, "M", 29.28, 34.52, {"L 150x150x14", "L 150x150x15", "L 160x160x14"});
        row("ANG", 0, "Iy", 804.4, 981, {"L 150x150x14", "L 150x150x15"});
        row("ANG", 0, "Wy", 74.7, 94.49, {"L 150x150x14", "L 150x150x15", "L 160x160x14"});
        row("ANG", 0, "Ry", 3.527, 3.868, {"L 120x120x10", "L 120x120x11", "L 120x120x12", "L 120x120x13", "L 120x120x15"});
        row("ANG", 0, "Iu", 1107, 1733, {"L 150x150x12", "L 150x150x14", "L 150x150x15", "L 150x150x18", "L 160x160x14"});
        row("ANG", 0, "Ru", 4.447, 4.884, {"L 120x120x10", "L 120x120x11", "L 120x120x12", "L 120x120x13", "L 120x120x15"});
        row("ANG", 0, "Iv", 326.6, 399.2, {"L 150x150x14", "L 150x150x15"});
        row("ANG", 0, "Rv", 2.748, 3.059, {"L 150x150x10", "L 150x150x12", "L 150x150x14", "L 150x150x15", "L 150x150x18"});
    }

    void criterionKeepsTheSizesInItsRange()
    {
        QFETCH(QString, family);
        QFETCH(int, tab);
        QFETCH(QString, component);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(QStringList, kept);
        const auto w = openWindow(family);
        const Criteria criteria = tab == 0 ? w->family().kind->propertyCriteria : w->family().kind->detailCriteria;
        int index = 0;
        for (int i = 0; i < int(criteria.size()); ++i) {
            if (QLatin1String(criteria[i].component) == component)
                index = i + 1;
        }
        QVERIFY2(index > 0, qPrintable(component));
        SearchCriterion &c = tab == 0 ? w->PropertyCriteria(index) : w->DetailCriteria(index);
        c = {true, Between, from, to};
        w->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
        w->selectTab(2);
        w->selectTab(tab);
        QCOMPARE(designations(*w), kept);

        // The same range with its bounds the other way round, and once the
        // latch is released every size is back.
        c = {true, Between, to, from};
        w->selectTab(2);
        w->selectTab(tab);
        QCOMPARE(designations(*w), kept);
        w->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(false);
        w->selectTab(2);
        w->selectTab(tab);
        QVERIFY(designations(*w).size() > kept.size());
    }

    // Ss is stored in millimetres: a range in millimetres keeps the one row
    // whose figure lies in it.
    void storedSsIsInMillimetres_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("IPN") << "IPN";
        QTest::newRow("UPN") << "UPN";
    }
    void storedSsIsInMillimetres()
    {
        QFETCH(QString, family);
        QTemporaryDir dir;
        const auto size = [](const QString &name, double ss) {
            return QVariantMap{{"Designation", name}, {"H", 200.0}, {"B", 80.0}, {"Tw", 8.0}, {"Tf", 11.0},
                               {"R1", 8.0},         {"R2", 4.0},   {"D", 150.0}, {"A", 30.0},  {"Iy", 1900.0},
                               {"Iz", 140.0},       {"Wply", 220.0}, {"Wplz", 45.0}, {"It", 12.0}, {"Iw", 9000.0},
                               {"AL", 0.66},        {"Avz", 16.0}, {"ym", 3.9},  {"ys", 2.0},  {"ss", ss}};
        };
        fixture::writeTable(dir.path(), family + QStringLiteral(".db"),
                            family == u"IPN" ? decl::iLamIncTable : decl::uLamTable,
                            {size("small", 4.5), size("medium", 45.0), size("large", 450.0)});
        const QString appDir = testContext().appDir();
        QVERIFY(QFile::copy(appDir + QStringLiteral("TOL.DB"), dir.filePath(QStringLiteral("TOL.DB"))));
        testContext().setAppDir(dir.path());
        const auto w = openWindow(family);
        testContext().setAppDir(appDir);
        w->DetailCriteria(6) = {true, Between, 40, 50};
        QCOMPARE(QLatin1String(w->family().kind->detailCriteria[5].component), QLatin1String("Ss"));
        w->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
        w->selectTab(1);
        QCOMPARE(designations(*w), QStringList{"medium"});
    }
};

QTEST_MAIN(TestRecordFilter)
#include "tst_recordfilter.moc"
