// tolmo-cli export: CSV of a table, its options and its failures.
#include "cli/Cli.h"
#include "data/Declarations.h"
#include "props/ILamPar.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

Run run(const QStringList &args, const QString &defaultDir = QString())
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = cli::run(args, o, e, defaultDir);
    o.flush();
    e.flush();
    return {code, out, err};
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVariantMap quoted = fixture::heRow("HEB \"wide\", 300", 300, 300, 11, 19, 27);
        quoted.insert("Pmin", "120,5");
        fixture::writeTable(m_dir.path(), "HEB.DB", decl::iLamParTable,
                            {fixture::heRow("HEB 200", 200, 200, 9, 15, 18), quoted});
        // A table with a row no rolled section can have: export refuses it.
        fixture::writeTable(m_dir.path(), "HEM.DB", decl::iLamParTable,
                            {fixture::heRow("HEM 200", 220, 206, 15, 25, 18), fixture::heRow("HEM x", 220, 0, 15, 25, 18)});
        const auto tol = [](const char *k, const char *l, const char *t) {
            return QVariantMap{{"Raroda", k}, {"Idioma", l}, {"Tolerancia", t}, {"Figura", QByteArray("\x89PNG")}};
        };
        fixture::writeTable(m_dir.path(), "TOL.DB", decl::TolTable, {tol("H", "EN", "Height"), tol("H", "ES", "Altura")});
        fixture::writeTable(m_dir.path(), "IPE.DB", decl::iLamParTable, {}, {"tw"});
        QFile text(QDir(m_dir.path()).filePath("Ang.db"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is not a table\n");
    }

    void formattedCsv()
    {
        const Run r = run({"export", "heb.db", "--dir", m_dir.path()});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
        const QStringList lines = r.out.split('\n');
        QCOMPARE(lines.value(0), QStringLiteral("Supply,Designation,M,P,h,b,tw,tf,R,d,hi,A,Iy,Wy,ry,Wply,Iz,Wz,"
                                                "rz,Wplz,It,Iw,AL,AG,Avz,Sy,ssy,Pmin,Pmax,Dmax,ss"));
        QCOMPARE(lines.value(1), QStringLiteral(",HEB 200,61.3,0.613,200,200,9.0,15.0,18,134.0,170.0,78.1,5697,569.7,"
                                                "8.54,642.6,2003,200.3,5.07,305.8,59.7,171413,1.151,18.78,24.84,"
                                                "321.3,17.7,,,,60.1"));
        // A cell holding a comma or a quote is quoted as CSV does.
        QVERIFY2(lines.value(2).startsWith(QStringLiteral(",\"HEB \"\"wide\"\", 300\",")), qPrintable(lines.value(2)));
        QVERIFY(lines.value(2).contains(QStringLiteral(",\"120,5\",")));
        QCOMPARE(lines.size(), 4); // two rows and the final line break
        QCOMPARE(lines.last(), QString());
    }

    void rawNumbers()
    {
        const Run r = run({"export", "HEB.DB", "--raw", "--dir=" + m_dir.path()});
        QCOMPARE(r.code, 0);
        const QStringList row = r.out.split('\n').value(1).split(',');
        QCOMPARE(row.value(4), QStringLiteral("200"));
        QCOMPARE(row.value(6), QStringLiteral("9"));
        // The shortest text that reads back as the same double.
        QCOMPARE(row.value(2).toDouble(), PropILamPar({200, 200, 9, 15, 18}).M);
        QCOMPARE(row.value(9), QStringLiteral("134"));
    }

    void graphicFieldsLeftOut()
    {
        const Run r = run({"export", "TOL.DB"}, m_dir.path());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("Raroda,Idioma,Tolerancia\nH,EN,Height\nH,ES,Altura\n"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file") << QStringList{"export", "UPN.db"} << 1 << "no such file";
        QTest::newRow("not a database") << QStringList{"export", "ANG.DB"} << 1 << "is not a table file";
        QTest::newRow("declared field missing") << QStringList{"export", "IPE.DB"} << 1 << "lacks the field \"tw\"";
        QTest::newRow("implausible row") << QStringList{"export", "HEM.DB"} << 1
                                         << "row 2 (HEM x): the field \"b\" holds 0; it must be positive";
        QTest::newRow("no command") << QStringList{} << 2 << "usage: tolmo-cli export";
        QTest::newRow("unknown command") << QStringList{"print"} << 2 << "unknown command print";
        QTest::newRow("unknown table") << QStringList{"export", "XYZ.DB"} << 2 << "not a table of the catalogue";
        QTest::newRow("two tables") << QStringList{"export", "HEB.DB", "IPE.DB"} << 2 << "usage:";
        QTest::newRow("dir without folder") << QStringList{"export", "HEB.DB", "--dir"} << 2 << "--dir needs";
        QTest::newRow("unknown option") << QStringList{"export", "HEB.DB", "--fast"} << 2 << "unknown option";
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        const Run r = run(args, m_dir.path());
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.out, QString());
        if (code == 1)
            QCOMPARE(r.err.count('\n'), 1); // one clear line
    }

    void theProgramItself()
    {
        const QString tool = qEnvironmentVariable("TOLMO_APPDIR") + "/tolmo-cli";
        if (!QFile::exists(tool))
            QSKIP("tolmo-cli is not built beside the tests");
        QProcess p;
        p.start(tool, {"export", "TOL.DB", "--dir", m_dir.path()});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("Raroda,Idioma,Tolerancia\nH,EN,Height\nH,ES,Altura\n"));
        p.start(tool, {"export", "Ang.db", "--dir", m_dir.path()});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("Ang.db"));
        p.start(tool, {});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
