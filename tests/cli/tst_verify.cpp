// tolmo-cli verify: the section tables against their exact outlines.
#include "cli/Cli.h"
#include "data/Declarations.h"
#include "props/Detailing.h"
#include "props/Sections.h"
#include "support/Fixture.h"

#include "data/Table.h"
#include "data/TableError.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run run(const QStringList &args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::run(args, o, e, QString());
    o.flush();
    e.flush();
    return {code, out, err};
}

// The rule's detailing texts on a row: gauges under the given names.
void putDetailing(QVariantMap &m, const props::FlangeSeat &seat, const char *minField, const char *maxField)
{
    const props::DetailingTexts t = props::detailingTexts(seat);
    m[minField] = QString::fromStdString(t.minGauge);
    m[maxField] = QString::fromStdString(t.maxGauge);
    m["Dmax"] = QString::fromStdString(t.bolt);
}

QVariantMap heRow(const QString &designation, double h, double b, double tw, double tf, double r)
{
    QVariantMap m = fixture::heRow(designation, h, b, tw, tf, r);
    putDetailing(m, props::iSectionSeat(props::FlangeKind::Parallel, b, tw, r), "Pmin", "Pmax");
    return m;
}

// A UPN or IPN row whose stored properties are those of the exact outline
// of its dimensions, scaled by the given factors.
QVariantMap taperedRow(const QString &designation, const props::SectionShape &shape, double h, double b,
                       double tw, double tf, double r1, double r2, const QVariantMap &factors = {})
{
    const props::ExactProps e = props::exactProperties(shape.outline);
    QVariantMap m{{"Designation", designation}, {"H", h},       {"B", b},       {"Tw", tw},
                  {"Tf", tf},                   {"R1", r1},     {"R2", r2},     {"A", e.A},
                  {"Iy", e.Iy},                 {"Iz", e.Iz},   {"Wply", e.Wply}, {"Wplz", e.Wplz},
                  {"AL", e.AL},                 {"ys", e.xc},   {"D", shape.webDepth},
                  // Stored properties verify does not recompute; plausible figures.
                  {"It", 12.0},                 {"Iw", 10000.0}, {"Avz", 15.0}};
    for (auto it = factors.cbegin(); it != factors.cend(); ++it)
        m[it.key()] = m.value(it.key()).toDouble() * it.value().toDouble();
    return m;
}

QVariantMap angleRow(const QString &designation, double h, double t, double r1, double r2)
{
    QVariantMap m{{"Designation", designation}, {"H", h}, {"T", t}, {"R1", r1}, {"R2", r2}};
    putDetailing(m, props::angleSeat(h, t, r1), "Emin", "Emax");
    return m;
}

// Writes the seven section tables into dir: correct rows everywhere, and
// in IPN and UPN the given rows.
void writeTables(const QString &dir, const QList<QVariantMap> &ipn, const QList<QVariantMap> &upn)
{
    for (const char *he : {"HEA.DB", "HEB.DB", "HEM.DB"})
        fixture::writeTable(dir, he, decl::iLamParTable, {heRow("HEB 200", 200, 200, 9, 15, 18)});
    fixture::writeTable(dir, "IPE.DB", decl::iLamParTable, {heRow("IPE 300", 300, 150, 7.1, 10.7, 15)});
    fixture::writeTable(dir, "IPN.db", decl::iLamIncTable, ipn);
    fixture::writeTable(dir, "UPN.db", decl::uLamTable, upn);
    fixture::writeTable(dir, "Ang.db", decl::AngularTable,
                        {angleRow("L 100x100x10", 100, 10, 12, 6), angleRow("L 50x50x5", 50, 5, 7, 3.5)});
}

// IPN 200 and UPN 200 with the rule's detailing and stiff bearing length:
// IPN ss = 7.5 + 2 (12.875 + 0.58579 * 7.5) = 42.04, the flange 11.3 +
// 0.14 (22.5 - 11.25) thick where the root radius ends; UPN ss = 8.5 +
// 12.9 + 0.58579 * 11.5 = 28.14, the flange 11.5 + 0.08 (37.5 - 20) thick.
QVariantMap ipn200(const QVariantMap &factors = {})
{
    QVariantMap m = taperedRow("IPN 200", props::taperedFlangeI(200, 90, 7.5, 11.3, 7.5, 4.5), 200, 90, 7.5, 11.3,
                               7.5, 4.5, factors);
    putDetailing(m, props::iSectionSeat(props::FlangeKind::TaperedI, 90, 7.5, 7.5), "Pmin", "Pmax");
    m["ss"] = 42.04;
    return m;
}

QVariantMap upn200(const QVariantMap &factors = {})
{
    QVariantMap m = taperedRow("UPN 200", props::taperedFlangeChannel(200, 75, 8.5, 11.5, 11.5, 6), 200, 75, 8.5,
                               11.5, 11.5, 6, factors);
    putDetailing(m, props::channelSeat(75, 8.5, 11.5), "Emin", "Emax");
    m["ss"] = 28.14;
    m["ym"] = 4.0;
    return m;
}

} // namespace

class TestVerify : public QObject {
    Q_OBJECT
private slots:
    void exactTablesPass()
    {
        // The parallel-flange and angle tables show what their own
        // computations give, which agree with the exact outlines.
        QTemporaryDir dir;
        writeTables(dir.path(), {ipn200()}, {upn200()});
        const Run r = run({"verify", "--dir", dir.path()});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.code, 0);
        QVERIFY(r.out.contains(QStringLiteral("HEB.DB (1 sizes)")));
        QVERIFY(r.out.contains(QStringLiteral("Ang.db (2 sizes)")));
        QVERIFY(r.out.contains(QStringLiteral("Every value within tolerance")));
    }

    void valueBeyondTolerance_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("factor");
        QTest::addColumn<bool>("beyond");
        // A, Iy and Iz hold to 1 %, the others to 3 %.
        QTest::newRow("IPN A 0.9 % off") << "IPN" << "A" << 1.009 << false;
        QTest::newRow("IPN A 1.2 % off") << "IPN" << "A" << 1.012 << true;
        QTest::newRow("IPN Iz 1.2 % low") << "IPN" << "Iz" << 0.988 << true;
        QTest::newRow("IPN Wply 2.5 % off") << "IPN" << "Wply" << 1.025 << false;
        QTest::newRow("IPN Wplz 3.5 % off") << "IPN" << "Wplz" << 1.035 << true;
        QTest::newRow("UPN ys 4 % off") << "UPN" << "ys" << 1.04 << true;
        QTest::newRow("UPN AL 5 % low") << "UPN" << "AL" << 0.95 << true;
    }
    void valueBeyondTolerance()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(double, factor);
        QFETCH(bool, beyond);
        QTemporaryDir dir;
        const QVariantMap f{{field, factor}};
        writeTables(dir.path(), {ipn200(table == u"IPN" ? f : QVariantMap())},
                    {upn200(table == u"UPN" ? f : QVariantMap())});
        const Run r = run({"verify", "--dir", dir.path()});
        QCOMPARE(r.code, beyond ? 1 : 0);
        const QString line = QStringLiteral("  %1 200: %2 shows").arg(table, field);
        QCOMPARE(r.out.contains(line), beyond);
        QCOMPARE(r.err.isEmpty(), !beyond);
    }

    void detailBeyondTolerance_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("line"); // the failure reported, or empty when within tolerance
        // The rule's bolt exactly; its gauges to 6 mm; Ss to 0.15 mm; D to
        // 2 mm of the outline's (IPN 200: 159.2 mm; UPN 200: 151 mm).
        QTest::newRow("bolt one size up") << "UPN" << "Dmax" << QVariant("M20") << "UPN 200: Dmax shows M20, the rule M16";
        QTest::newRow("bolt where none fits") << "IPN" << "Dmax" << QVariant("M10") << "IPN 200: Dmax shows M10, the rule -";
        QTest::newRow("not a bolt") << "UPN" << "Dmax" << QVariant("M17") << "UPN 200: Dmax shows M17, the rule M16 (no figure";
        QTest::newRow("gauge 4 mm off") << "UPN" << "Emin" << QVariant("43") << "";
        QTest::newRow("gauge 7 mm off") << "UPN" << "Emax" << QVariant("53") << "UPN 200: Emax shows 53, the rule 46 (7 mm";
        QTest::newRow("gauge not a number") << "UPN" << "Emin" << QVariant("3x") << "UPN 200: Emin shows 3x";
        QTest::newRow("Ss within rounding") << "IPN" << "Ss" << QVariant(42.0) << "";
        QTest::newRow("Ss ten times") << "UPN" << "Ss" << QVariant(281.4) << "UPN 200: Ss shows 281.4, the rule 28.1";
        QTest::newRow("D 1.5 mm off") << "IPN" << "D" << QVariant(160.7) << "";
        QTest::newRow("D 3 mm off") << "UPN" << "D" << QVariant(154.0) << "UPN 200: D shows 154, the outline 151";
    }
    void detailBeyondTolerance()
    {
        QFETCH(QString, table);
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QString, line);
        QTemporaryDir dir;
        QVariantMap ipn = ipn200(), upn = upn200();
        // The stored field is "ss"; verify names it "Ss", as the grid titles it.
        (table == u"IPN" ? ipn : upn)[field == u"Ss" ? QStringLiteral("ss") : field] = value;
        writeTables(dir.path(), {ipn}, {upn});
        const Run r = run({"verify", "--dir", dir.path()});
        QVERIFY2(r.out.contains(line), qPrintable(r.out));
        QCOMPARE(r.code, line.isEmpty() ? 0 : 1);
    }

    void emptyStoredValueIsRefused()
    {
        // The engine refuses the row before any comparison.
        QTemporaryDir dir;
        QVariantMap row = upn200();
        row.remove("Iy");
        writeTables(dir.path(), {ipn200()}, {row});
        const Run r = run({"verify", "--dir", dir.path()});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.contains(QStringLiteral("UPN.db, row 1 (UPN 200): the field \"Iy\" is empty")), qPrintable(r.err));
    }

    void sealAfterAnEdit_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("refusal"); // empty: sealed
        QTest::newRow("a corrected dimension") << "HEB.DB" << "UPDATE rows SET tf = 15.5" << "";
        QTest::newRow("a corrected detailing text") << "UPN.db" << "UPDATE rows SET Emax = '45'" << "";
        QTest::newRow("in write-ahead-log mode") << "Ang.db" << "PRAGMA journal_mode = WAL" << "";
        QTest::newRow("an implausible dimension") << "HEB.DB" << "UPDATE rows SET h = 0"
                                                  << "the field \"h\" holds 0; it must be positive";
        QTest::newRow("a property beyond tolerance") << "IPN.db" << "UPDATE rows SET Iy = Iy * 1.1"
                                                     << "is not sealed: 1 values are beyond tolerance";
        QTest::newRow("a bolt the rule does not give") << "UPN.db" << "UPDATE rows SET Dmax = 'M24'"
                                                       << "is not sealed: 1 values are beyond tolerance";
    }
    void sealAfterAnEdit()
    {
        // A data supplier edits a table on purpose: the catalogue refuses it
        // until `seal` has checked it and written its checksum; a table that
        // fails the checks stays refused.
        QFETCH(QString, file);
        QFETCH(QString, sql);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        writeTables(dir.path(), {ipn200()}, {upn200()});
        const QString path = QDir(dir.path()).filePath(file);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("edit"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("edit"));
        const auto opens = [&] {
            Table t(*decl::forFile(file));
            t.setDirectory(dir.path());
            t.setFileName(file);
            try {
                t.open();
                return true;
            } catch (const TableError &) {
                return false;
            }
        };
        QVERIFY(!opens());

        const Run r = run({"seal", file.toLower(), "--dir", dir.path()});
        if (refusal.isEmpty()) {
            QCOMPARE(r.err, QString());
            QCOMPARE(r.code, 0);
            QVERIFY2(r.out.contains(QStringLiteral("Sealed ")), qPrintable(r.out));
            QVERIFY(opens());
            QVERIFY(!QFile::exists(path + QStringLiteral("-wal")));
        } else {
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains(refusal), qPrintable(r.err));
            QVERIFY(!opens());
        }
    }

    void missingTableFails()
    {
        QTemporaryDir dir;
        const Run r = run({"verify", "--dir", dir.path()});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.startsWith(QStringLiteral("tolmo-cli: Cannot open the table \"HEA.DB\"")));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("a table") << QStringList{"verify", "HEB.DB"};
        QTest::newRow("--raw") << QStringList{"verify", "--raw"};
        QTest::newRow("seal without a table") << QStringList{"seal"};
        QTest::newRow("seal of two tables") << QStringList{"seal", "HEB.DB", "IPN.db"};
        QTest::newRow("seal of no catalogue table") << QStringList{"seal", "other.db"};
    }
    void usage()
    {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("tolmo-cli verify [--dir DIR]")));
        QVERIFY(r.err.contains(QStringLiteral("tolmo-cli seal TABLE [--dir DIR]")));
    }
};

QTEST_GUILESS_MAIN(TestVerify)
#include "tst_verify.moc"
