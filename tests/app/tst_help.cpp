// The help: every help command of the program has its page in the compiled
// help of both languages, and the help window shows it, with contents, index
// and search, follows the language switch and says clearly when a help file
// is missing or cannot be read.
#include "app/ErrorReport.h"
#include "app/HelpCollection.h"
#include "app/HelpViewer.h"
#include "app/TPrincipalFm.h"
#include "browse/FamilyWindow.h"
#include "browse/SearchDialog.h"
#include "browse/Shell.h"
#include "browse/TAceroFm.h"
#include "data/AppContext.h"
#include "data/SectionFamily.h"
#include "sheets/SectionSheet.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <set>

namespace {

QStringList g_reports;
void recordReport(const QString &, const QString &text) { g_reports << text; }
bool yes(QWidget *, const QString &) { return true; }

QString appDir() { return qEnvironmentVariable("TOLMO_APPDIR"); }

// "-PFHelp.hlp" of a help file of either language.
QString suffixOf(const QString &helpFile)
{
    const QString name = QFileInfo(helpFile).fileName();
    return name.mid(name.indexOf(u'-'));
}

// The text of the message box a call shows, answered at once.
QString boxText(const std::function<void()> &call)
{
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    call();
    return text;
}

struct Command {
    QString suffix;
    int context;
    bool operator<(const Command &o) const { return std::tie(suffix, context) < std::tie(o.suffix, o.context); }
};

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private:
    QString m_en, m_es;

private slots:
    void initTestCase()
    {
        // The help collections go to a cache folder of the test's own.
        QStandardPaths::setTestModeEnabled(true);
        errorreport::setPresenter(recordReport);
        QVERIFY2(!appDir().isEmpty(), "TOLMO_APPDIR names the built application directory");
        m_en = QDir(appDir()).filePath("EN-PFHelp.hlp");
        m_es = QDir(appDir()).filePath("ES-PFHelp.hlp");
        QVERIFY2(QFile::exists(m_en) && QFile::exists(m_es), "the help files are built");
    }
    void cleanup()
    {
        if (HelpViewer::current())
            delete HelpViewer::current();
    }

    // Every help command the windows give, collected by pressing them, has
    // a page in both languages.
    void everyHelpCommandHasAPageInBothLanguages()
    {
        std::set<Command> commands;
        {
            TPrincipalFm w(nullptr, appDir());
            w.setExitConfirmation(yes);
            help::setHandler([&](const QString &file, int context) { commands.insert({suffixOf(file), context}); });
            for (const char *item : {"IndiceMn", "IntroducaoMn", "CreditosMn", "ImagenCorporativaMn", "AtencionalClienteMn"})
                w.findChild<QAction *>(QString::fromLatin1(item))->trigger();
            // Every window of the toolbar, every tab and page with its Help button.
            for (QToolButton *b : w.toolBarPanel()->findChildren<QToolButton *>()) {
                if (b->objectName() != u"EnglishBt" && b->objectName() != u"SpanishBt")
                    b->click();
            }
            QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(u'\n')));
            for (QMdiSubWindow *sub : w.mdiArea()->subWindowList()) {
                auto *helpButton = sub->widget()->findChild<QPushButton *>(QStringLiteral("HelpBtn"));
                QVERIFY(helpButton);
                for (int tab = 0; tab < 3; ++tab) {
                    if (auto *family = qobject_cast<FamilyWindow *>(sub->widget()))
                        family->selectTab(tab);
                    else if (auto *steel = qobject_cast<TAceroFm *>(sub->widget()))
                        steel->selectPage(tab);
                    else
                        QFAIL(qPrintable(sub->widget()->objectName()));
                    helpButton->click();
                }
            }
            help::setHandler({});
        }
        // The search dialogs and the sheets name their topic once for all.
        commands.insert({QStringLiteral("-PFHelp.hlp"), SearchDialog::kHelpContext});
        commands.insert({QStringLiteral("-PFHelp.hlp"), SectionSheet::kHelpContext});
        // The walk reached every family of the registry.
        for (const FamilyInfo &family : allFamilies()) {
            for (int context : family.window->helpContexts)
                QVERIFY2(commands.count({QStringLiteral("-PFHelp.hlp"), context}), qPrintable(QString::number(context)));
        }

        QStringList missing;
        for (const char *prefix : {"EN", "ES"}) {
            for (const Command &c : commands) {
                const QString file = QDir(appDir()).filePath(QString::fromLatin1(prefix) + c.suffix);
                try {
                    HelpCollection collection(file);
                    const QUrl page = c.context == help::kTopicsCommand ? collection.firstPage(file)
                                                                         : collection.topicPage(file, c.context);
                    if (page.isEmpty() || collection.data(page).isEmpty())
                        missing << QStringLiteral("%1 topic %2").arg(QFileInfo(file).fileName()).arg(c.context);
                } catch (const HelpError &e) {
                    missing << QString::fromUtf8(e.what());
                }
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no page for:\n  ") + missing.join(QStringLiteral("\n  "))));
    }

    // A topic opens its page in the window, with the contents at it; the
    // language switch shows the same page in Spanish.
    void aTopicOpensItsPage()
    {
        HelpViewer::show(m_en, 1008);
        HelpViewer *viewer = HelpViewer::current();
        QVERIFY(viewer);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->file(), m_en);
        QVERIFY2(viewer->page().fileName().startsWith("1008-"), qPrintable(viewer->page().toString()));
        QVERIFY(viewer->page().path().contains("/EN/PFHelp/"));
        const QString englishText = viewer->browser()->toPlainText();
        QVERIFY(!englishText.trimmed().isEmpty());
        QVERIFY(viewer->windowTitle().startsWith(viewer->browser()->documentTitle()));
        // The contents show where the page is.
        auto *contents = viewer->collection()->engine()->contentWidget();
        QTRY_VERIFY(contents->model()->rowCount() > 0);
        HelpViewer::show(m_en, 1008);
        QTRY_COMPARE(contents->currentIndex().data(Qt::DisplayRole).toString(), viewer->browser()->documentTitle());

        // Another topic reuses the window.
        HelpViewer::show(m_en, 1035);
        QCOMPARE(HelpViewer::current(), viewer);
        QVERIFY(viewer->page().fileName().startsWith("1035-"));

        AppContext spanish;
        spanish.setAppDir(appDir());
        spanish.setLanguage(Language::Spanish);
        HelpViewer::followLanguage(spanish);
        QCOMPARE(viewer->file(), m_es);
        QVERIFY(viewer->page().fileName().startsWith("1035-"));
        QVERIFY(viewer->page().path().contains("/ES/PFHelp/"));
        QVERIFY(viewer->browser()->toPlainText() != englishText);
        QVERIFY(g_reports.isEmpty());
    }

    // The Help Topics command: the contents, index and search of the help
    // file, at its first page; the index and the search lead to pages.
    void theTopicsCommand()
    {
        HelpViewer::show(m_en, -1);
        HelpViewer *viewer = HelpViewer::current();
        QVERIFY(viewer);
        QTabWidget *tabs = viewer->navigation();
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Contents"));
        const QUrl first = viewer->page();
        QCOMPARE(first, viewer->collection()->firstPage(m_en));

        // The index: every page title is a keyword; filtering and Enter opens it.
        HelpViewer::show(m_en, 1042);
        const QString credits = viewer->browser()->documentTitle();
        HelpViewer::show(m_en, -1);
        QCOMPARE(viewer->page(), first);
        QHelpIndexWidget *index = viewer->collection()->engine()->indexWidget();
        QTRY_VERIFY(index->model()->rowCount() > 0);
        tabs->setCurrentIndex(1);
        viewer->indexFilter()->setText(credits);
        QTRY_VERIFY(index->currentIndex().isValid());
        QTest::keyClick(viewer->indexFilter(), Qt::Key_Return);
        QVERIFY2(viewer->page().fileName().startsWith("1042-"), qPrintable(viewer->page().toString()));

        // The search finds the first page by the words of its title, in any
        // case, and opens it; words that no page holds find nothing.
        HelpViewer::show(m_en, -1);
        const QString title = viewer->browser()->documentTitle();
        HelpViewer::show(m_en, 1042);
        tabs->setCurrentIndex(2);
        viewer->searchInput()->setText(title.toUpper());
        viewer->searchButton()->click();
        QListWidget *results = viewer->searchResults();
        QVERIFY(results->count() > 0);
        bool found = false;
        for (int i = 0; i < results->count(); ++i) {
            if (results->item(i)->data(Qt::UserRole).toUrl() == first) {
                found = true;
                emit results->itemClicked(results->item(i));
            }
        }
        QVERIFY2(found, qPrintable(title));
        QCOMPARE(viewer->page(), first);
        viewer->searchInput()->setText(title + QStringLiteral(" zzqxjv"));
        QTest::keyClick(viewer->searchInput(), Qt::Key_Return);
        QCOMPARE(results->count(), 0);
        QCOMPARE(viewer->findChild<QLabel *>("HelpSearchCount")->text(), QStringLiteral("Pages found: 0"));
    }

    // Links between pages and to the company pages, and pictures, come from
    // the compiled help.
    void linksAndPictures()
    {
        HelpViewer::show(m_en, 1000);
        HelpViewer *viewer = HelpViewer::current();
        HelpCollection *collection = viewer->collection();
        const QUrl company = collection->topicPage(QDir(appDir()).filePath("EN-Imagen.hlp"), 1);
        QVERIFY(!company.isEmpty());
        // A relative link to another help file is looked up there.
        const QUrl link = viewer->page().resolved(QUrl("../Imagen/" + company.fileName()));
        QCOMPARE(collection->resolve(link), company);
        emit viewer->browser()->anchorClicked(QUrl("../Imagen/" + company.fileName()));
        QCOMPARE(viewer->page(), company);
        // Every picture a page shows is in the help.
        HelpViewer::show(m_en, 1008);
        const QString html = QString::fromUtf8(collection->data(viewer->page()));
        static const QRegularExpression img(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        for (auto it = img.globalMatch(html); it.hasNext();) {
            const QUrl picture = viewer->page().resolved(QUrl(it.next().captured(1)));
            QVERIFY2(!collection->data(picture).isEmpty(), qPrintable(picture.toString()));
        }
    }

    void aHelpFileThatCannotBeShown_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << QByteArray() << "The help file %1 is missing.";
        QTest::newRow("not a help file") << QByteArray("<html>old help</html>") << "The help file %1 cannot be read.";
    }
    void aHelpFileThatCannotBeShown()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString file = QDir(dir.path()).filePath("EN-PFHelp.hlp");
        if (!content.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QString expected = message.arg(QDir::toNativeSeparators(file));
        QCOMPARE(boxText([&] { HelpViewer::show(file, 1000); }), expected);
        QVERIFY(!HelpViewer::current());
        // An open window on good help stays as it was.
        HelpViewer::show(m_en, 1000);
        const QUrl shown = HelpViewer::current()->page();
        QCOMPARE(boxText([&] { HelpViewer::show(file, 1000); }), expected);
        QCOMPARE(HelpViewer::current()->page(), shown);
        QCOMPARE(HelpViewer::current()->file(), m_en);
    }

    void aTopicWithoutAPage()
    {
        QCOMPARE(boxText([&] { HelpViewer::show(m_en, 4242); }),
                 QStringLiteral("The help file %1 has no topic 4242.").arg(QDir::toNativeSeparators(m_en)));
    }

    // The main window's language switch moves an open help window along.
    void theMainWindowSwitchMovesTheHelp()
    {
        QTemporaryDir dir;
        for (const QFileInfo &f : QDir(appDir()).entryInfoList({"*.hlp", "*.DB", "*.db", "PTolmo2.dll"}, QDir::Files))
            QVERIFY(QFile::copy(f.absoluteFilePath(), QDir(dir.path()).filePath(f.fileName())));
        TPrincipalFm w(nullptr, dir.path());
        w.setExitConfirmation(yes);
        w.InglesMnClick();
        w.CreditosMnClick();
        HelpViewer *viewer = HelpViewer::current();
        QVERIFY(viewer);
        QCOMPARE(QFileInfo(viewer->file()).fileName(), QStringLiteral("EN-PFHelp.hlp"));
        QCOMPARE(viewer->navigation()->tabText(1), QStringLiteral("Index"));
        w.EspanolMnClick();
        QCOMPARE(QFileInfo(viewer->file()).fileName(), QStringLiteral("ES-PFHelp.hlp"));
        QVERIFY(viewer->page().fileName().startsWith("1042-"));
        QCOMPARE(viewer->navigation()->tabText(1), QStringLiteral("Índice"));
        QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(u'\n')));

        // A language whose help file is missing: the window says so in its
        // page, without a box, and comes back with the language.
        QVERIFY(QFile::remove(QDir(dir.path()).filePath("EN-PFHelp.hlp")));
        w.InglesMnClick();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(viewer->browser()->toPlainText().contains(
            QStringLiteral("The help file %1 is missing.").arg(QDir::toNativeSeparators(QDir(dir.path()).filePath("EN-PFHelp.hlp")))));
        w.EspanolMnClick();
        QVERIFY(viewer->page().fileName().startsWith("1042-"));
        QCOMPARE(QFileInfo(viewer->file()).fileName(), QStringLiteral("ES-PFHelp.hlp"));
    }
};

int main(int argc, char **argv)
{
    TolmoApplication app(argc, argv);
    TestHelp test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_help.moc"
