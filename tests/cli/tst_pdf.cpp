// tolmo-cli pdf on the real binary: catalogues written as one PDF in either
// language and with a selection; usage errors and failures, after which no
// file is left behind.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

QString appDir() { return qEnvironmentVariable("TOLMO_APPDIR"); }

// The pages of a PDF as Qt writes it: one page object each.
int pageCount(const QByteArray &pdf)
{
    int n = 0;
    auto it = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")).globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        it.next();
        ++n;
    }
    return n;
}

} // namespace

class TestPdf : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_out;
    QString m_tool;

    Run run(const QStringList &args)
    {
        QProcess p;
        p.start(m_tool, QStringList{QStringLiteral("pdf")} + args);
        if (!p.waitForFinished(60000))
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QByteArray written(const QString &name)
    {
        QFile f(m_out.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_out.isValid());
        m_tool = appDir() + QStringLiteral("/tolmo-cli");
        if (!QFile::exists(m_tool))
            QSKIP("tolmo-cli is not built beside the tests");
    }

    void writes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("exact");
        QTest::newRow("one catalogue") << QStringList{"heb-properties"} << 1 << true;
        QTest::newRow("two, any case, in Spanish") << QStringList{"IPE-Properties", "ang-DETAILING", "--lang", "es"} << 2
                                                   << false;
        QTest::newRow("all ten families and kinds")
            << QStringList{"HEA-properties", "HEB-properties", "HEM-properties", "IPE-properties", "IPN-properties",
                           "UPN-properties", "ANG-properties", "HEA-detailing", "IPN-detailing", "UPN-detailing"}
            << 10 << false;
        QTest::newRow("selection") << QStringList{"HEB-properties", "--select", "h:200:300", "--select=M::80"} << 1
                                   << true;
        QTest::newRow("three steel catalogues")
            << QStringList{"steel-mechanical", "Steel-Chemical", "STEEL-designations"} << 3 << false;
        QTest::newRow("steel catalogues in Spanish") << QStringList{"steel-designations", "--lang", "ES"} << 1 << false;
        QTest::newRow("tolerances, both languages and any case")
            << QStringList{"UPN-tolerances", "hem-Tolerances", "ANG-TOLERANCES"} << 3 << false;
        QTest::newRow("tolerances in Spanish") << QStringList{"IPN-tolerances", "--lang", "es"} << 1 << false;
        // A selection concerns the family catalogues only.
        QTest::newRow("selection beside steel and tolerances")
            << QStringList{"HEB-properties", "steel-chemical", "HEB-tolerances", "--select", "h:200:300"} << 3 << false;
        // The HE property catalogue of an empty selection has no page: a
        // PDF of nothing else holds one blank page.
        QTest::newRow("empty selection") << QStringList{"HEB-properties", "--select", "h:5000:"} << 1 << true;
        // All Reports: 24 catalogues, each of at least one page.
        QTest::newRow("all") << QStringList{"all"} << 24 << false;
        QTest::newRow("all in Spanish") << QStringList{"ALL", "--lang", "ES"} << 24 << false;
        // The page of one size: one page each, the designation matched
        // whatever its case and spacing.
        QTest::newRow("property page") << QStringList{"sheet:HEB 200"} << 1 << true;
        QTest::newRow("detailing page, any case and spacing") << QStringList{"DETAIL:ipn200"} << 1 << true;
        QTest::newRow("a form the find box takes") << QStringList{"sheet:HE200B"} << 1 << true;
        QTest::newRow("angle pages in Spanish")
            << QStringList{"sheet:L 100x100x10", "detail: l 100 x 100 x 10 ", "--lang", "es"} << 2 << true;
        QTest::newRow("page beside a catalogue and a selection")
            << QStringList{"sheet:UPN 200", "UPN-properties", "--select", "h:200:300"} << 2 << true;
    }

    // Exit 0, nothing said, a PDF of that many pages (or at least that many:
    // one a report, when the tables decide the rest).
    void writes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, pages);
        QFETCH(bool, exact);
        const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + ".pdf";
        const Run r = run(QStringList{m_out.filePath(name)} + args + QStringList{"--dir", appDir()});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, QString());
        const QByteArray pdf = written(name);
        QVERIFY(pdf.startsWith("%PDF-"));
        if (exact)
            QCOMPARE(pageCount(pdf), pages);
        else
            QVERIFY2(pageCount(pdf) >= pages, qPrintable(QString::number(pageCount(pdf))));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("dir");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString app = appDir();
        QTest::newRow("no report") << QStringList{} << app << 2 << "at least one report";
        QTest::newRow("unknown report") << QStringList{"HEB-drawings"} << app << 2 << "unknown report HEB-drawings";
        QTest::newRow("unknown family") << QStringList{"XYZ-properties"} << app << 2 << "unknown report";
        QTest::newRow("unknown language") << QStringList{"HEB-properties", "--lang", "FR"} << app << 2 << "--lang";
        QTest::newRow("language without value") << QStringList{"HEB-properties", "--lang"} << app << 2 << "--lang needs";
        QTest::newRow("selection without bounds") << QStringList{"HEB-properties", "--select", "h::"} << app << 2
                                                  << "--select";
        QTest::newRow("selection not a number") << QStringList{"HEB-properties", "--select", "h:x:3"} << app << 2
                                                << "--select";
        QTest::newRow("not a search field") << QStringList{"HEB-properties", "--select", "Iw:1:"} << app << 2
                                            << "Iw is not a search field of HEB";
        QTest::newRow("angle field on HEB") << QStringList{"HEB-properties", "--select", "t:1:"} << app << 2
                                            << "t is not a search field of HEB";
        QTest::newRow("unknown steel catalogue") << QStringList{"steel-grades"} << app << 2
                                                 << "unknown report steel-grades";
        QTest::newRow("tolerances of no family") << QStringList{"steel-tolerances"} << app << 2
                                                 << "unknown report steel-tolerances";
        QTest::newRow("no tolerance table") << QStringList{"HEB-properties", "UPN-tolerances"} << "HEB-only" << 1
                                            << "TOL.DB";
        QTest::newRow("no steel table") << QStringList{"steel-chemical"} << "EMPTY" << 1 << "AceroQUI.db";
        QTest::newRow("unknown option") << QStringList{"HEB-properties", "--fast"} << app << 2 << "unknown option";
        QTest::newRow("no table") << QStringList{"HEB-properties"} << "EMPTY" << 1 << "HEB.DB";
        QTest::newRow("unknown designation") << QStringList{"HEB-properties", "sheet:HEB 999"} << app << 1
                                             << "There is no section HEB 999";
        QTest::newRow("page without designation") << QStringList{"detail: "} << app << 2 << "unknown report";
        QTest::newRow("all without every table") << QStringList{"all"} << "HEB-only" << 1 << ".DB";
        QTest::newRow("Spanish without dictionary") << QStringList{"HEB-properties", "--lang", "ES"} << "EMPTY" << 1
                                                    << "PTolmo2.dll";
    }

    // The exit code, one line naming the problem, and no file at all.
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, dir);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir empty;
        // HEB-only: a folder holding the supplied HEB table and nothing else.
        if (dir == u"HEB-only") {
            QVERIFY(QFile::copy(appDir() + QStringLiteral("/HEB.DB"), empty.filePath(QStringLiteral("HEB.DB"))));
            dir = empty.path();
        }
        const QString name = QStringLiteral("failed.pdf");
        QFile::remove(m_out.filePath(name));
        const Run r = run(QStringList{m_out.filePath(name), "--dir", dir == u"EMPTY" ? empty.path() : dir} + args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY2(r.err.startsWith(QStringLiteral("tolmo-cli: ")), qPrintable(r.err));
        if (code == 1)
            QCOMPARE(r.err.count(u'\n'), 1);
        else
            QVERIFY(r.err.contains(QStringLiteral("usage: tolmo-cli pdf OUT.pdf REPORT...")));
        QVERIFY(!QFile::exists(m_out.filePath(name)));
        QCOMPARE(QDir(m_out.path()).entryList({QStringLiteral("*.pdf.*")}, QDir::Files | QDir::Hidden), QStringList());
    }

    // An output nobody can write: exit 1, and nothing appears.
    void unwritableOutput()
    {
        const QString target = m_out.filePath(QStringLiteral("missing-folder/out.pdf"));
        const Run r = run({target, "IPE-detailing", "--dir", appDir()});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err.count(u'\n'), 1);
        QVERIFY(!QFile::exists(target));
    }

    // The command is listed by the tool's general usage.
    void listedInUsage()
    {
        QProcess p;
        p.start(m_tool, {});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("tolmo-cli pdf OUT.pdf REPORT..."));
    }
};

QTEST_GUILESS_MAIN(TestPdf)
#include "tst_pdf.moc"
