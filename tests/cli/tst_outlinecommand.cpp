// tolmo-cli outline on the real binary: the outline of a size named as
// people write it, as DXF or SVG; an unknown size, an unwritable file and a
// wrong suffix, after which no file is left and none is changed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

QString appDir() { return qEnvironmentVariable("TOLMO_APPDIR"); }

} // namespace

class TestOutlineCommand : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_out;
    QString m_tool;

    Run run(const QStringList &args)
    {
        QProcess p;
        p.start(m_tool, QStringList{QStringLiteral("outline")} + args + QStringList{"--dir", appDir()});
        if (!p.waitForFinished(60000))
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QByteArray written(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_out.isValid());
        m_tool = appDir() + QStringLiteral("/tolmo-cli");
        QVERIFY2(QFile::exists(m_tool), qPrintable(m_tool));
    }

    void written_data()
    {
        QTest::addColumn<QStringList>("designation"); // the arguments before the file
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("marks"); // what the file holds
        QTest::newRow("one argument, DXF") << QStringList{"HEB 300"} << "heb.dxf" << QByteArray("OUTLINE");
        QTest::newRow("two arguments, SVG") << QStringList{"UPN", "100"} << "upn.svg" << QByteArray("<title>UPN 100</title>");
        QTest::newRow("blanks and case aside") << QStringList{"l100X100x10"} << "angle.DXF" << QByteArray("AXES");
        // The forms the find box takes.
        QTest::newRow("series letter after the size") << QStringList{"HE 300 B"} << "he.svg" << QByteArray("<title>HEB 300</title>");
        QTest::newRow("short channel form") << QStringList{"U100"} << "u.svg" << QByteArray("<title>UPN 100</title>");
        QTest::newRow("angle with full stops") << QStringList{"L100.100.10"} << "l.svg" << QByteArray("<title>L 100x100x10</title>");
        QTest::newRow("IPN") << QStringList{"ipn 200"} << "ipn.svg" << QByteArray("<title>IPN 200</title>");
    }
    void written()
    {
        QFETCH(QStringList, designation);
        QFETCH(QString, file);
        QFETCH(QByteArray, marks);
        const QString path = m_out.filePath(file);
        const Run r = run(designation + QStringList{path});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QString());
        QCOMPARE(r.code, 0);
        const QByteArray bytes = written(path);
        QVERIFY(bytes.contains(marks));
    }

    // A failure: the exit code, one line naming the problem, and the target
    // as it was (absent, or an older file untouched).
    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file"); // in the output folder; "" for none
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("named"); // what the first line names
        QTest::newRow("unknown size") << QStringList{"HEB 301"} << "x.dxf" << 1 << "HEB 301";
        QTest::newRow("unknown family") << QStringList{"XYZ", "100"} << "x.svg" << 1 << "XYZ 100";
        QTest::newRow("unwritable file") << QStringList{"HEB 300"} << "missing/x.dxf" << 1 << "missing/x.dxf";
        QTest::newRow("other suffix") << QStringList{"HEB 300"} << "x.pdf" << 2 << "x.pdf";
        QTest::newRow("no suffix") << QStringList{"HEB 300"} << "x" << 2 << ".dxf or .svg";
        QTest::newRow("no file") << QStringList{} << "HEB300.dxf" << 2 << "designation and an output file";
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        QFETCH(int, code);
        QFETCH(QString, named);
        const QString path = m_out.filePath(file);
        const Run r = run(args + QStringList{path});
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.startsWith("tolmo-cli: "), qPrintable(r.err));
        QVERIFY2(r.err.section(u'\n', 0, 0).contains(named), qPrintable(r.err));
        if (code == 1)
            QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(!QFile::exists(path));
    }

    void anOlderFileStaysAsItWas()
    {
        const QString path = m_out.filePath("older.dxf");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("an older drawing\n");
        f.close();
        QCOMPARE(run({"HEB 301", path}).code, 1);
        QCOMPARE(written(path), QByteArray("an older drawing\n"));
    }

    void listedInUsage()
    {
        QProcess p;
        p.start(m_tool, {});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("tolmo-cli outline DESIGNATION OUT.dxf|OUT.svg [--dir DIR]"));
    }
};

QTEST_GUILESS_MAIN(TestOutlineCommand)
#include "tst_outlinecommand.moc"
