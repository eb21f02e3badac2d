// tolmo-cli verify: the section tables against their exact outlines.
#include "cli/Cli.h"
#include "data/Declarations.h"
#include "props/Sections.h"
#include "support/Fixture.h"

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

// A UPN or IPN row whose stored properties are those of the exact outline
// of its dimensions, scaled by the given factors.
QVariantMap taperedRow(const QString &designation, const props::SectionShape &shape, double h, double b,
                       double tw, double tf, double r1, double r2, const QVariantMap &factors = {})
{
    const props::ExactProps e = props::exactProperties(shape.outline);
    QVariantMap m{{"Designation", designation}, {"H", h},       {"B", b},       {"Tw", tw},
                  {"Tf", tf},                   {"R1", r1},     {"R2", r2},     {"A", e.A},
                  {"Iy", e.Iy},                 {"Iz", e.Iz},   {"Wply", e.Wply}, {"Wplz", e.Wplz},
                  {"AL", e.AL},                 {"ys", e.xc}};
    for (auto it = factors.cbegin(); it != factors.cend(); ++it)
        m[it.key()] = m.value(it.key()).toDouble() * it.value().toDouble();
    return m;
}

QVariantMap angleRow(const QString &designation, double h, double t, double r1, double r2)
{
    return {{"Designation", designation}, {"H", h}, {"T", t}, {"R1", r1}, {"R2", r2}};
}

// Writes the seven section tables into dir: correct rows everywhere, and
// in IPN and UPN the given rows.
void writeTables(const QString &dir, const QList<QVariantMap> &ipn, const QList<QVariantMap> &upn)
{
    for (const char *he : {"HEA.DB", "HEB.DB", "HEM.DB"})
        fixture::writeTable(dir, he, decl::iLamParTable, {fixture::heRow("HEB 200", 200, 200, 9, 15, 18)});
    fixture::writeTable(dir, "IPE.DB", decl::iLamParTable, {fixture::heRow("IPE 300", 300, 150, 7.1, 10.7, 15)});
    fixture::writeTable(dir, "IPN.db", decl::iLamIncTable, ipn);
    fixture::writeTable(dir, "UPN.db", decl::uLamTable, upn);
    fixture::writeTable(dir, "Ang.db", decl::AngularTable,
                        {angleRow("L 100x100x10", 100, 10, 12, 6), angleRow("L 50x50x5", 50, 5, 7, 3.5)});
}

QVariantMap ipn200(const QVariantMap &factors = {})
{
    return taperedRow("IPN 200", props::taperedFlangeI(200, 90, 7.5, 11.3, 7.5, 4.5), 200, 90, 7.5, 11.3, 7.5, 4.5,
                      factors);
}

QVariantMap upn200(const QVariantMap &factors = {})
{
    return taperedRow("UPN 200", props::taperedFlangeChannel(200, 75, 8.5, 11.5, 11.5, 6), 200, 75, 8.5, 11.5,
                      11.5, 6, factors);
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
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
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

    void emptyStoredValueIsBeyond()
    {
        QTemporaryDir dir;
        QVariantMap row = upn200();
        row.remove("Iy");
        writeTables(dir.path(), {ipn200()}, {row});
        const Run r = run({"verify", "--dir", dir.path()});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.contains(QStringLiteral("  UPN 200: Iy shows 0, exact")));
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
    }
    void usage()
    {
        QFETCH(QStringList, args);
        const Run r = run(args);
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("tolmo-cli verify [--dir DIR]")));
    }
};

QTEST_GUILESS_MAIN(TestVerify)
#include "tst_verify.moc"
