// The supplied table files of the application directory, as the build
// leaves them: read through the table engine, checked against the
// reference dimensions, published catalogue values of IPN and UPN, the
// tolerance items of both languages and their figures, and the steel grades.
#include "data/Declarations.h"
#include "data/SectionFamily.h"
#include "data/Table.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

QString appDir() { return qEnvironmentVariable("TOLMO_APPDIR"); }

std::unique_ptr<Table> openTable(const QString &file)
{
    auto t = std::make_unique<Table>(*decl::forFile(file));
    t->setDirectory(appDir());
    t->setFileName(file);
    t->open();
    return t;
}

// Moves to the row of a designation; fails the test when there is none.
bool locate(Table &t, const QString &designation)
{
    return t.locate(QStringLiteral("Designation"), {designation});
}

QList<QStringList> readReference(const QString &family)
{
    QFile f(QFINDTESTDATA(QStringLiteral("refdata/%1.csv").arg(family)));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<QStringList> rows;
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (!line.trimmed().isEmpty())
            rows << QString::fromUtf8(line.trimmed()).split(u',');
    }
    return rows;
}

} // namespace

class TestSupply : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!appDir().isEmpty(), "TOLMO_APPDIR names the application directory");
        for (const char *file : decl::suppliedFiles())
            QVERIFY2(QFile::exists(QDir(appDir()).filePath(QString::fromLatin1(file))), file);
    }

    void sizesFollowTheReference_data()
    {
        QTest::addColumn<QString>("family");
        for (const FamilyInfo &f : allFamilies())
            QTest::newRow(f.key) << QString::fromLatin1(f.key);
    }
    void sizesFollowTheReference()
    {
        // Every size of the reference table, in its order, with exactly its
        // dimensions; the reference's header names the dimensions, whose
        // table fields are those names ignoring case ("r" is "R", "h" of an
        // angle is "H"). The clear web depth d of IPN and UPN is computed
        // and compared below.
        QFETCH(QString, family);
        const FamilyInfo *info = familyByKey(family);
        const QList<QStringList> ref = readReference(family);
        QVERIFY(ref.size() > 1);
        auto t = openTable(QString::fromLatin1(info->tableFile));
        QCOMPARE(t->recordCount(), int(ref.size() - 1));
        const QStringList header = ref.first();
        for (int r = 1; r < ref.size(); ++r) {
            t->setCurrentRow(r - 1);
            QCOMPARE(t->field(QStringLiteral("Designation")).asString(), ref[r][0]);
            for (int c = 1; c < header.size(); ++c) {
                if (header[c] == u"d")
                    continue;
                QCOMPARE(t->field(header[c]).asFloat(), ref[r][c].toDouble());
            }
        }
    }

    void webDepthIsThePublishedOne_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("IPN") << QStringLiteral("IPN");
        QTest::newRow("UPN") << QStringLiteral("UPN");
    }
    void webDepthIsThePublishedOne()
    {
        // D shows the published depth of the straight web; the one of the
        // exact outline differs by up to 1.4 mm (tolmo-cli verify keeps it
        // within 2 mm).
        QFETCH(QString, family);
        const QList<QStringList> ref = readReference(family);
        auto t = openTable(QString::fromLatin1(familyByKey(family)->tableFile));
        const int d = int(ref.first().indexOf(QStringLiteral("d")));
        for (int r = 1; r < ref.size(); ++r) {
            QVERIFY(locate(*t, ref[r][0]));
            QCOMPARE(t->field(QStringLiteral("D")).asFloat(), ref[r][d].toDouble());
        }
    }

    void sizesRolledOnRequest_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("onRequest");
        // The rule of the supply: HE from 650 up, IPN from 450 up, angles
        // with legs of 180 mm and more; IPE and UPN all stocked.
        QTest::newRow("HEB 600 stocked") << "HEB.DB" << "HEB 600" << false;
        QTest::newRow("HEB 650 on request") << "HEB.DB" << "HEB 650" << true;
        QTest::newRow("HEM 1000 on request") << "HEM.DB" << "HEM 1000" << true;
        QTest::newRow("IPE 600 stocked") << "IPE.DB" << "IPE 600" << false;
        QTest::newRow("IPN 400 stocked") << "IPN.db" << "IPN 400" << false;
        QTest::newRow("IPN 450 on request") << "IPN.db" << "IPN 450" << true;
        QTest::newRow("UPN 400 stocked") << "UPN.db" << "UPN 400" << false;
        QTest::newRow("L 160x160x17 stocked") << "Ang.db" << "L 160x160x17" << false;
        QTest::newRow("L 180x180x13 on request") << "Ang.db" << "L 180x180x13" << true;
        QTest::newRow("L 203x203x19 on request") << "Ang.db" << "L 203x203x19" << true;
    }
    void sizesRolledOnRequest()
    {
        QFETCH(QString, file);
        QFETCH(QString, designation);
        QFETCH(bool, onRequest);
        auto t = openTable(file);
        QVERIFY(locate(*t, designation));
        QCOMPARE(t->field(QStringLiteral("Supply")).asString(), onRequest ? QStringLiteral("(*)") : QString());
    }

    void taperedSectionsAgainstPublishedValues_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("published");
        QTest::addColumn<double>("tolerance"); // relative
        // Values of the DIN 1025-1 / DIN 1026-1 tables as printed in the
        // makers' catalogues. A, I and ys agree to their printed digits
        // (1 %); plastic moduli and AL to 1.5 %. The printed torsion
        // constants of IPN come from thin-walled sums that count the
        // web-flange junctions generously; the exact Saint-Venant solution
        // lies some 5 % under them (IPN 200: 12.9 against 13.5). Shear centre
        // and warping constant of channels are thin-walled values and agree
        // to 3 %.
        const auto add = [](const char *file, const char *size, const char *field, double value, double tol) {
            QTest::addRow("%s %s", size, field) << file << size << field << value << tol;
        };
        add("IPN.db", "IPN 200", "A", 33.4, 0.01);
        add("IPN.db", "IPN 200", "Iy", 2140, 0.01);
        add("IPN.db", "IPN 200", "Iz", 117, 0.01);
        add("IPN.db", "IPN 200", "Wply", 250, 0.015);
        add("IPN.db", "IPN 200", "AL", 0.709, 0.015);
        add("IPN.db", "IPN 200", "It", 13.5, 0.07);
        add("IPN.db", "IPN 200", "Iw", 10520, 0.01);
        add("IPN.db", "IPN 100", "A", 10.6, 0.01);
        add("IPN.db", "IPN 100", "Iy", 171, 0.01);
        add("IPN.db", "IPN 100", "Iz", 12.2, 0.01);
        add("IPN.db", "IPN 400", "A", 118, 0.01);
        add("IPN.db", "IPN 400", "Iy", 29210, 0.01);
        add("IPN.db", "IPN 400", "Iz", 1160, 0.01);
        add("IPN.db", "IPN 400", "Iw", 419600, 0.01);
        add("UPN.db", "UPN 200", "A", 32.2, 0.01);
        add("UPN.db", "UPN 200", "Iy", 1910, 0.01);
        add("UPN.db", "UPN 200", "Iz", 148, 0.01);
        add("UPN.db", "UPN 200", "ys", 2.01, 0.01);
        add("UPN.db", "UPN 200", "Wply", 228, 0.015);
        add("UPN.db", "UPN 200", "AL", 0.661, 0.015);
        add("UPN.db", "UPN 200", "It", 11.9, 0.03);
        add("UPN.db", "UPN 200", "Iw", 9070, 0.03);
        add("UPN.db", "UPN 200", "ym", 3.94, 0.03);
        add("UPN.db", "UPN 100", "A", 13.5, 0.01);
        add("UPN.db", "UPN 100", "Iy", 206, 0.01);
        add("UPN.db", "UPN 100", "Iz", 29.3, 0.01);
        add("UPN.db", "UPN 100", "ys", 1.55, 0.01);
        add("UPN.db", "UPN 300", "A", 58.8, 0.01);
        add("UPN.db", "UPN 300", "Iy", 8030, 0.01);
        add("UPN.db", "UPN 300", "Iz", 495, 0.01);
        add("UPN.db", "UPN 300", "ys", 2.70, 0.01);
        add("UPN.db", "UPN 300", "Wply", 632, 0.015);
    }
    void taperedSectionsAgainstPublishedValues()
    {
        QFETCH(QString, file);
        QFETCH(QString, designation);
        QFETCH(QString, field);
        QFETCH(double, published);
        QFETCH(double, tolerance);
        auto t = openTable(file);
        QVERIFY(locate(*t, designation));
        const double stored = t->field(field).asFloat();
        QVERIFY2(std::fabs(stored - published) <= tolerance * published,
                 qPrintable(QStringLiteral("%1 %2 = %3, published %4").arg(designation, field).arg(stored).arg(published)));
    }

    void stiffBearingAndShearArea()
    {
        // The published stiff bearing lengths (IPN 200 42.0, UPN 200 28.1);
        // UPN 50 is not published and takes the rule of one flange
        // outstand: the flange is 7 + 0.08 (19 - 12) = 7.56 thick where the
        // root radius ends, ss = 5 + 7.56 + (2 - sqrt 2) 7 = 16.66.
        auto t = openTable(QStringLiteral("IPN.db"));
        QVERIFY(locate(*t, QStringLiteral("IPN 200")));
        QCOMPARE(t->field(QStringLiteral("ss")).asFloat(), 42.0);
        // Avz = A - 2 b tf + (tw + 2 r1) tf with A the stored area.
        const double A = t->field(QStringLiteral("A")).asFloat() * 100;
        QCOMPARE_LE(std::fabs(t->field(QStringLiteral("Avz")).asFloat() * 100 - (A - 2 * 90 * 11.3 + (7.5 + 15) * 11.3)), 0.01);
        auto u = openTable(QStringLiteral("UPN.db"));
        QVERIFY(locate(*u, QStringLiteral("UPN 200")));
        QCOMPARE(u->field(QStringLiteral("ss")).asFloat(), 28.1);
        // Channels: A - 2 b tf + (tw + r1) tf.
        const double Au = u->field(QStringLiteral("A")).asFloat() * 100;
        QCOMPARE_LE(std::fabs(u->field(QStringLiteral("Avz")).asFloat() * 100 - (Au - 2 * 75 * 11.5 + (8.5 + 11.5) * 11.5)), 0.01);
        QVERIFY(locate(*u, QStringLiteral("UPN 50")));
        QCOMPARE_LE(std::fabs(u->field(QStringLiteral("ss")).asFloat() - (5 + 7.56 + (2 - std::sqrt(2.0)) * 7)), 1e-3);
    }

    void detailingTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("minField");
        QTest::addColumn<QString>("maxField");
        for (const FamilyInfo &f : allFamilies()) {
            const bool gauge = f.family == SectionFamily::UPN || f.family == SectionFamily::ANG;
            QTest::newRow(f.key) << QString::fromLatin1(f.tableFile) << (gauge ? "Emin" : "Pmin")
                                 << (gauge ? "Emax" : "Pmax");
        }
    }
    void detailingTexts()
    {
        // Either a bolt with a gauge range (the smallest not above the
        // largest) or "-" in all three.
        QFETCH(QString, file);
        QFETCH(QString, minField);
        QFETCH(QString, maxField);
        static const QRegularExpression bolt(QStringLiteral("^M(10|12|16|20|22|24|27)$"));
        auto t = openTable(file);
        for (int r = 0; r < t->recordCount(); ++r) {
            t->setCurrentRow(r);
            const QString lo = t->field(minField).asString(), hi = t->field(maxField).asString();
            const QString d = t->field(QStringLiteral("Dmax")).asString();
            const QString where = t->field(QStringLiteral("Designation")).asString();
            if (d == u"-") {
                QVERIFY2(lo == u"-" && hi == u"-", qPrintable(where));
                continue;
            }
            QVERIFY2(bolt.match(d).hasMatch(), qPrintable(where + u' ' + d));
            bool ok1 = false, ok2 = false;
            QVERIFY2(lo.toInt(&ok1) <= hi.toInt(&ok2) && ok1 && ok2, qPrintable(where));
        }
    }

    void detailingOfKnownSizes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QStringList>("texts");
        // Listed in the published tables: their figures, even where the
        // rule would give 98 to 98.
        QTest::newRow("HEB 200 published") << "HEB.DB" << "HEB 200" << QStringList{"100", "100", "M27"};
        QTest::newRow("IPN 360 published") << "IPN.db" << "IPN 360" << QStringList{"78", "92", "M12"};
        // Not listed: the rule. IPE 80 (b 46, tw 3.8, r 5): M10 needs
        // 2 (1.9 + 5 + 12.2) = 2 * 19.1 (20) and allows 2 (23 - 20.55) = 2 * 2.45.
        QTest::newRow("IPE 80 by the rule") << "IPE.DB" << "IPE 80" << QStringList{"-", "-", "-"};
        // UPN 50 and 65 are narrower than UPN 80, which takes no bolt.
        QTest::newRow("UPN 50 by the rule") << "UPN.db" << "UPN 50" << QStringList{"-", "-", "-"};
        QTest::newRow("UPN 65 by the rule") << "UPN.db" << "UPN 65" << QStringList{"-", "-", "-"};
        // L 50x50x5 (r1 7): M10 from 12 + 12.2 = 24.2 (25) to 50 - 20.55 =
        // 29.45 (29); M12 would need 25.95 (26) and allows 24.95 (24).
        QTest::newRow("L 50x50x5 by the rule") << "Ang.db" << "L 50x50x5" << QStringList{"25", "29", "M10"};
        // L 100x100x10 (r1 12): M27 from 22 + 26.3 = 48.3 (49) to 100 - 50.55 = 49.45 (49).
        QTest::newRow("L 100x100x10 by the rule") << "Ang.db" << "L 100x100x10" << QStringList{"49", "49", "M27"};
    }
    void detailingOfKnownSizes()
    {
        QFETCH(QString, file);
        QFETCH(QString, designation);
        QFETCH(QStringList, texts);
        auto t = openTable(file);
        QVERIFY(locate(*t, designation));
        const bool gauge = file.startsWith(u"Ang") || file.startsWith(u"UPN");
        QCOMPARE(t->field(gauge ? QStringLiteral("Emin") : QStringLiteral("Pmin")).asString(), texts[0]);
        QCOMPARE(t->field(gauge ? QStringLiteral("Emax") : QStringLiteral("Pmax")).asString(), texts[1]);
        QCOMPARE(t->field(QStringLiteral("Dmax")).asString(), texts[2]);
    }

    void toleranceItemsInBothLanguages_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("spanish");
        QTest::newRow("H height") << "H" << "Height" << "Altura";
        QTest::newRow("H web off-centre") << "H" << "Web off-centre" << "Descentrado del alma";
        QTest::newRow("IPE out-of-square") << "IPE" << "Out-of-square" << "Falta de escuadrado";
        QTest::newRow("IPN flange thickness") << "IPN" << "Flange thickness" << "Espesor del ala";
        QTest::newRow("UPN web thickness") << "UPN" << "Web thickness" << "Espesor del alma";
        QTest::newRow("UPN web flatness") << "UPN" << "Web flatness" << "Planeidad del alma";
        QTest::newRow("ANG leg length") << "ANG" << "Leg length" << "Longitud del ala";
        QTest::newRow("ANG straightness") << "ANG" << "Straightness" << "Rectitud";
        QTest::newRow("ANG mass") << "ANG" << "Mass" << "Masa";
    }
    void toleranceItemsInBothLanguages()
    {
        // The two languages list the same items in the same order: an item
        // stands at the same place in both lists.
        QFETCH(QString, key);
        QFETCH(QString, english);
        QFETCH(QString, spanish);
        auto t = openTable(QStringLiteral("TOL.DB"));
        QStringList en, es;
        for (int r = 0; r < t->recordCount(); ++r) {
            t->setCurrentRow(r);
            if (t->field(QStringLiteral("Raroda")).asString() != key)
                continue;
            const QString lang = t->field(QStringLiteral("Idioma")).asString();
            (lang == u"EN" ? en : es) << t->field(QStringLiteral("Tolerancia")).asString();
        }
        QCOMPARE(en.size(), es.size());
        QVERIFY(en.contains(english));
        QCOMPARE(es.indexOf(spanish), en.indexOf(english));
    }

    void everyFamilyHasItsTolerances()
    {
        auto t = openTable(QStringLiteral("TOL.DB"));
        for (const FamilyInfo &f : allFamilies()) {
            for (const char *lang : {"EN", "ES"}) {
                QVERIFY2(t->locate(QStringLiteral("Raroda;Idioma;Tolerancia"),
                                   {QLatin1String(f.toleranceKey()), QLatin1String(lang),
                                    QLatin1String(lang) == u"EN" ? QStringLiteral("Length") : QStringLiteral("Longitud")}),
                         f.key);
            }
        }
    }

    void figuresAreLegiblePictures()
    {
        // Every figure decodes to a picture of the figure area, white at the
        // corners, with drawing in the sketch half and table lines in the
        // other.
        auto t = openTable(QStringLiteral("TOL.DB"));
        for (int r = 0; r < t->recordCount(); ++r) {
            t->setCurrentRow(r);
            const QString what = t->field(QStringLiteral("Raroda")).asString() + u' '
                                 + t->field(QStringLiteral("Idioma")).asString() + u' '
                                 + t->field(QStringLiteral("Tolerancia")).asString();
            QImage img;
            QVERIFY2(img.loadFromData(t->field(QStringLiteral("Figura")).asBytes()), qPrintable(what));
            QCOMPARE(img.size(), QSize(560, 330));
            QCOMPARE(QColor(img.pixel(0, 0)), QColor(Qt::white));
            QCOMPARE(QColor(img.pixel(559, 329)), QColor(Qt::white));
            const auto inked = [&](int x0, int x1) {
                int dark = 0;
                for (int y = 0; y < img.height(); ++y) {
                    for (int x = x0; x < x1; ++x)
                        dark += qGray(img.pixel(x, y)) < 128;
                }
                return dark;
            };
            QVERIFY2(inked(0, 235) > 50, qPrintable(what + QStringLiteral(" has no sketch")));
            QVERIFY2(inked(240, 560) > 200, qPrintable(what + QStringLiteral(" has no table")));
        }
    }

    void steelGrades_data()
    {
        QTest::addColumn<QString>("grade");
        for (const char *g : {"S235JR", "S235J0", "S235J2", "S275JR", "S275J0", "S275J2", "S355JR", "S355J0",
                              "S355J2", "S355K2", "S450J0", "A42b"})
            QTest::newRow(g) << QString::fromLatin1(g);
    }
    void steelGrades()
    {
        // Each grade has rows in the mechanical and chemical tables and a
        // row of equivalent designations.
        QFETCH(QString, grade);
        const struct {
            const char *file, *field;
        } tables[] = {{"AceroMEC.db", "Designation"}, {"AceroQUI.db", "Tipo y Grado"}, {"AceroDES.db", "UNE-EN 10025"}};
        for (const auto &tb : tables) {
            auto t = openTable(QString::fromLatin1(tb.file));
            // A42b has no EN designation: its row names it in the NBE EA-95 column.
            const bool byNbe = grade == u"A42b" && QLatin1String(tb.file) == u"AceroDES.db";
            const QString field = byNbe ? QStringLiteral("España-NBE EA-95") : QString::fromLatin1(tb.field);
            bool found = false;
            for (int r = 0; r < t->recordCount() && !found; ++r) {
                t->setCurrentRow(r);
                const QString v = t->field(field).asString();
                found = byNbe ? v == grade : v.startsWith(grade);
            }
            QVERIFY2(found, tb.file);
        }
    }

    void yieldStrengthByThickness_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("fy");
        QTest::addColumn<QString>("fu");
        // EN 10025-2, minimum yield strength ReH and tensile strength Rm.
        QTest::newRow("S235JR up to 16") << "S235JR" << "3 - 16" << "235" << "360-510";
        QTest::newRow("S275J0 16 to 40") << "S275J0" << "16 - 40" << "265" << "410-560";
        QTest::newRow("S355J2 40 to 63") << "S355J2" << "40 - 63" << "335" << "470-630";
        QTest::newRow("S355K2 100 to 150") << "S355K2" << "100 - 150" << "295" << "450-600";
        QTest::newRow("S450J0 up to 16") << "S450J0" << "3 - 16" << "450" << "550-720";
        QTest::newRow("S450J0 63 to 80") << "S450J0" << "63 - 80" << "390" << "550-720";
        QTest::newRow("S450J0 100 to 150") << "S450J0" << "100 - 150" << "380" << "530-700";
    }
    void yieldStrengthByThickness()
    {
        QFETCH(QString, grade);
        QFETCH(QString, band);
        QFETCH(QString, fy);
        QFETCH(QString, fu);
        auto t = openTable(QStringLiteral("AceroMEC.db"));
        bool found = false;
        for (int r = 0; r < t->recordCount(); ++r) {
            t->setCurrentRow(r);
            if (!t->field(QStringLiteral("Designation")).asString().startsWith(grade + u' ')
                || t->field(QStringLiteral("Espesor")).asString() != band)
                continue;
            found = true;
            QCOMPARE(t->field(QStringLiteral("Fy")).asString(), fy);
            QCOMPARE(t->field(QStringLiteral("Fu")).asString(), fu);
        }
        QVERIFY(found);
    }

    void chemicalLimitsOfLongProducts_data()
    {
        QTest::addColumn<QString>("grade");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("p");
        QTest::addColumn<QString>("ce");
        // EN 10025-2:2004 Table 2 (ladle analysis) with its footnote for long
        // products (P and S 0.005 above the flat-product maxima) and Table 6
        // (CEV); carbon of S355J0/J2/K2 and S450J0 is 0.22 above 30 mm.
        QTest::newRow("S235JR up to 16") << "S235JR" << "≤ 16" << "0.17" << "0.040" << "0.35";
        QTest::newRow("S275J0 16 to 30") << "S275J0" << "16 - 30" << "0.18" << "0.035" << "0.40";
        QTest::newRow("S355J0 30 to 40") << "S355J0" << "30 - 40" << "0.22" << "0.035" << "0.47";
        QTest::newRow("S355J2 16 to 30") << "S355J2" << "16 - 30" << "0.20" << "0.030" << "0.45";
        QTest::newRow("S355K2 30 to 40") << "S355K2" << "30 - 40" << "0.22" << "0.030" << "0.47";
        QTest::newRow("S450J0 up to 16") << "S450J0" << "≤ 16" << "0.20" << "0.035" << "0.47";
        QTest::newRow("S450J0 40 to 150") << "S450J0" << "40 - 150" << "0.22" << "0.035" << "0.49";
    }
    void chemicalLimitsOfLongProducts()
    {
        QFETCH(QString, grade);
        QFETCH(QString, band);
        QFETCH(QString, c);
        QFETCH(QString, p);
        QFETCH(QString, ce);
        auto t = openTable(QStringLiteral("AceroQUI.db"));
        QVERIFY(t->locate(QStringLiteral("Tipo y Grado;Espesor"), {grade, band}));
        QCOMPARE(t->field(QStringLiteral("C")).asString(), c);
        QCOMPARE(t->field(QStringLiteral("P")).asString(), p);
        QCOMPARE(t->field(QStringLiteral("S")).asString(), p);
        QCOMPARE(t->field(QStringLiteral("CE")).asString(), ce);
    }

    void a42HasNoEquivalent()
    {
        auto t = openTable(QStringLiteral("AceroDES.db"));
        QVERIFY(t->locate(QStringLiteral("España-NBE EA-95"), {QStringLiteral("A42b")}));
        for (const FieldDecl &f : t->declaration().fields) {
            if (QString::fromUtf8(f.name) != QStringLiteral("España-NBE EA-95"))
                QCOMPARE(t->field(QString::fromUtf8(f.name)).asString(), QStringLiteral("-"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSupply)
#include "tst_supply.moc"
