// The help sources as the build reads them (tools/help): faults of the pages
// and the contents stop the build with the file and the fault; good sources
// give a help project whose contents nest as contents.txt says, whose index
// holds titles and keywords, and which carries the pictures the pages show.
#include "HelpSource.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QByteArray page(const QByteArray &title, const QByteArray &body = {}, const QByteArray &keywords = {})
{
    return "<html><head><meta charset=\"utf-8\"><title>" + title + "</title><meta name=\"keywords\" content=\""
           + keywords + "\"></head><body>" + body + "</body></html>";
}

// Two languages with the same three pages; a row changes one thing.
void writeGood(const QString &dir)
{
    for (const char *lang : {"EN", "ES"}) {
        const QString base = QStringLiteral("%1/%2/PFHelp/").arg(dir, QString::fromLatin1(lang));
        write(base + "1000-introduction.html",
              page("Intro &amp; more", "<a href=\"1008-he.html\">HE</a> <a href=\"../Imagen/1-group.html#top\">x</a>"
                                       " <a href=\"https://www.example.org/\">web</a>"));
        write(base + "1008-he.html", page("HE", "<img src=\"../../images/he.svg\">", "HEB; flange &gt; web; HEB"));
        write(base + "keyboard.html", page("Keys"));
        write(base + "contents.txt", "1000-introduction.html\n  1008-he.html\nkeyboard.html\n");
        write(QStringLiteral("%1/%2/Imagen/1-group.html").arg(dir, QString::fromLatin1(lang)), page("Group"));
        write(QStringLiteral("%1/%2/Imagen/contents.txt").arg(dir, QString::fromLatin1(lang)), "1-group.html\n");
    }
    write(dir + "/images/he.svg", "<svg/>");
    write(dir + "/images/unused.svg", "<svg/>");
}

} // namespace

class TestHelpSource : public QObject {
    Q_OBJECT
private slots:
    void goodSourcesMakeAProject()
    {
        QTemporaryDir dir;
        writeGood(dir.path());
        const helpsource::HelpFile file = helpsource::read(dir.path(), "EN", "PFHelp");
        QCOMPARE(file.pages.size(), 3);
        QCOMPARE(file.pages[0].title, QStringLiteral("Intro & more"));
        QCOMPARE(file.pages[1].keywords.join(u'|'), QStringLiteral("HEB|flange > web"));
        QCOMPARE(file.pages[1].images, QStringList{"he.svg"});
        QCOMPARE(helpsource::topicOf("1008-he.html"), 1008);
        QCOMPARE(helpsource::topicOf("keyboard.html"), -1);

        const QString stage = dir.filePath("stage");
        const QString project = helpsource::writeProject(dir.path(), file, stage);
        QFile f(project);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QDomDocument xml;
        QVERIFY(xml.setContent(&f));
        QCOMPARE(xml.documentElement().firstChildElement("namespace").text(), QStringLiteral("example.raroda.tolmo.en.pfhelp"));
        // The introduction holds the HE page; the keyboard page is beside it.
        const QDomElement toc = xml.documentElement().firstChildElement("filterSection").firstChildElement("toc");
        const QDomElement intro = toc.firstChildElement("section");
        QCOMPARE(intro.attribute("ref"), QStringLiteral("EN/PFHelp/1000-introduction.html"));
        QCOMPARE(intro.firstChildElement("section").attribute("ref"), QStringLiteral("EN/PFHelp/1008-he.html"));
        QCOMPARE(intro.nextSiblingElement("section").attribute("title"), QStringLiteral("Keys"));
        // The index: titles and keywords; the first page of the contents is "start".
        QStringList keywords;
        QString start;
        const QDomNodeList k = xml.elementsByTagName("keyword");
        for (int i = 0; i < k.size(); ++i) {
            keywords << k.at(i).toElement().attribute("name");
            if (k.at(i).toElement().attribute("id") == u"start")
                start = k.at(i).toElement().attribute("ref");
        }
        QCOMPARE(keywords, (QStringList{"Intro & more", "HE", "HEB", "flange > web", "Keys"}));
        QCOMPARE(start, QStringLiteral("EN/PFHelp/1000-introduction.html"));
        // The pages and only the pictures they show are staged.
        QVERIFY(QFile::exists(stage + "/EN/PFHelp/1008-he.html"));
        QVERIFY(QFile::exists(stage + "/images/he.svg"));
        QVERIFY(!QFile::exists(stage + "/images/unused.svg"));
        QCOMPARE(xml.elementsByTagName("file").size(), 4);
    }

    void faultsNameTheFile_data()
    {
        QTest::addColumn<QString>("file");     // relative to the help folder
        QTest::addColumn<QByteArray>("content"); // empty: the file is removed
        QTest::addColumn<QString>("named");    // file the message names
        QTest::addColumn<QString>("problem");
        QTest::newRow("not in the contents") << "EN/PFHelp/contents.txt" << QByteArray("1000-introduction.html\n  1008-he.html\n")
                                             << "EN/PFHelp/contents.txt" << "the page keyboard.html is not in the contents";
        QTest::newRow("listed twice") << "EN/PFHelp/contents.txt"
                                      << QByteArray("1000-introduction.html\n1008-he.html\nkeyboard.html\n1008-he.html\n")
                                      << "EN/PFHelp/contents.txt" << "line 4: 1008-he.html is listed twice";
        QTest::newRow("no such page") << "EN/PFHelp/contents.txt" << QByteArray("1000-introduction.html\nnone.html\n")
                                      << "EN/PFHelp/contents.txt" << "line 2: none.html is not a page of the folder";
        QTest::newRow("odd indent") << "EN/PFHelp/contents.txt" << QByteArray("1000-introduction.html\n 1008-he.html\n")
                                    << "EN/PFHelp/contents.txt" << "line 2: indent by two spaces per level";
        QTest::newRow("two levels down") << "EN/PFHelp/contents.txt" << QByteArray("1000-introduction.html\n    1008-he.html\n")
                                         << "EN/PFHelp/contents.txt" << "line 2: nested two levels below the page above";
        QTest::newRow("no title") << "EN/PFHelp/keyboard.html" << page("")
                                  << "EN/PFHelp/keyboard.html" << "the page has no <title>";
        QTest::newRow("broken link") << "EN/PFHelp/keyboard.html" << page("Keys", "<a href=\"1009-x.html\">x</a>")
                                     << "EN/PFHelp/keyboard.html" << "href refers to 1009-x.html, which does not exist";
        QTest::newRow("missing picture") << "images/he.svg" << QByteArray()
                                         << "EN/PFHelp/1008-he.html" << "src refers to ../../images/he.svg, which does not exist";
        QTest::newRow("no counterpart") << "ES/PFHelp/keyboard.html" << QByteArray()
                                        << "EN/PFHelp/keyboard.html" << "has no counterpart in ES";
        QTest::newRow("only in the other language") << "ES/PFHelp/extra.html" << page("Extra")
                                                    << "ES/PFHelp/extra.html" << "has no counterpart in EN";
        QTest::newRow("not UTF-8") << "EN/PFHelp/keyboard.html" << QByteArray("<title>Teclas \xf1</title>")
                                   << "EN/PFHelp/keyboard.html" << "is not UTF-8 text";
    }
    void faultsNameTheFile()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, named);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        writeGood(dir.path());
        const QString path = dir.filePath(file);
        if (content.isEmpty())
            QVERIFY(QFile::remove(path));
        else
            write(path, content);
        if (QTest::currentTestFailed())
            return;
        try {
            helpsource::read(dir.path(), "EN", "PFHelp");
            QFAIL("the sources were taken");
        } catch (const helpsource::SourceError &e) {
            const QString message = QString::fromUtf8(e.what());
            const QString prefix = QDir::toNativeSeparators(dir.filePath(named)) + QStringLiteral(": ");
            QVERIFY2(message.startsWith(prefix), qPrintable(message));
            if (!problem.isEmpty())
                QCOMPARE(message.mid(prefix.size()), problem);
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpSource)
#include "tst_helpsource.moc"
