// The main window, its settings file, background picture, About window and
// the general error report, on a temporary application directory.
#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "app/TMDIImage.h"
#include "app/TPrincipalFm.h"
#include "app/TSobreFm.h"
#include "browse/FamilyWindow.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "support/Fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

QStringList g_reports;
void recordReport(const QString &, const QString &text) { g_reports << text; }

bool g_answer = true;
bool answer(QWidget *, const QString &) { return g_answer; }

QString readIni(const QString &dir)
{
    QFile f(QDir(dir).filePath("PTolmo2.ini"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    std::unique_ptr<TPrincipalFm> mainWindow(const QString &dir)
    {
        auto w = std::make_unique<TPrincipalFm>(nullptr, dir);
        w->setExitConfirmation(answer);
        return w;
    }
    QList<bool> windowCommands(TPrincipalFm &w)
    {
        QList<bool> states;
        for (const char *name : {"CascataMn", "LadoaLadoMn", "AutoArranjarMn", "MinimizarTodasMn", "FecharTodasMn"})
            states << w.findChild<QAction *>(QString::fromLatin1(name))->isEnabled();
        return states;
    }
    static QString caption(QMdiSubWindow *sub) { return sub->widget()->windowTitle(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        errorreport::setPresenter(recordReport);
        for (const char *file : {"HEA.DB", "HEB.DB", "HEM.DB", "IPE.DB"})
            fixture::writeTable(m_dir.path(), file, decl::iLamParTable, {fixture::heRow("X 100", 100, 100, 6, 10, 12)});
        fixture::writeTable(m_dir.path(), "TOL.DB", decl::TolTable, {});
    }
    void init()
    {
        g_reports.clear();
        g_answer = true;
        QFile::remove(QDir(m_dir.path()).filePath("PTolmo2.ini"));
    }

    void languageFromTheSettingsFile_data()
    {
        QTest::addColumn<QString>("ini");     // empty: no file
        QTest::addColumn<int>("language");
        QTest::newRow("no file: Spanish") << QString() << 2;
        QTest::newRow("English") << "[Idioma]\nCodigo=1\n" << 1;
        QTest::newRow("Spanish") << "[Idioma]\nCodigo=2\n" << 2;
        QTest::newRow("another number") << "[Idioma]\nCodigo=7\n" << 2;
        QTest::newRow("not a number") << "[Idioma]\nCodigo=abc\n" << 2;
        QTest::newRow("no key") << "[Internet]\nSite=www.example.org\n" << 2;
        QTest::newRow("garbled") << QString::fromLatin1("\x01\x02[Idioma\nCodigo\n=\xff\xfe==\n[[", 22) << 2;
    }
    void languageFromTheSettingsFile()
    {
        QFETCH(QString, ini);
        QFETCH(int, language);
        const QString path = QDir(m_dir.path()).filePath("PTolmo2.ini");
        if (!ini.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ini.toLatin1());
            f.flush();
            // Each row's file carries its own time, so that no cached
            // reading of an earlier row's file of the same size is taken.
            static int row = 0;
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-100 * ++row), QFileDevice::FileModificationTime));
        }
        const QString before = readIni(m_dir.path());
        auto w = mainWindow(m_dir.path());
        QCOMPARE(int(w->context().language()), language);
        QCOMPARE(w->context().languagePrefix(), QString::fromLatin1(language == 1 ? "EN" : "ES"));
        QCOMPARE(w->findChild<QAction *>("InglesMn")->isChecked(), language == 1);
        QCOMPARE(w->findChild<QAction *>("EspanolMn")->isChecked(), language == 2);
        // Start-up writes nothing, not even a missing file.
        QCOMPARE(QFile::exists(path), !ini.isEmpty());
        QCOMPARE(readIni(m_dir.path()), before);
        QVERIFY(g_reports.isEmpty());
        // The first change writes the file cleanly; other sections survive.
        w->findChild<QAction *>(language == 1 ? "EspanolMn" : "InglesMn")->trigger();
        QVERIFY2(g_reports.isEmpty(), qPrintable(g_reports.join(u'\n')));
        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.status(), QSettings::NoError);
        QCOMPARE(s.value("Idioma/Codigo").toString(), QString::number(language == 1 ? 2 : 1));
        if (ini.contains("Internet"))
            QCOMPARE(s.value("Internet/Site").toString(), QStringLiteral("www.example.org"));
    }

    void choosingTheCurrentLanguageWritesNothing()
    {
        const QString path = QDir(m_dir.path()).filePath("PTolmo2.ini");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Idioma]\nCodigo=1\n; kept as written\n");
        }
        auto w = mainWindow(m_dir.path());
        w->findChild<QAction *>("InglesMn")->trigger();
        QCOMPARE(readIni(m_dir.path()), QStringLiteral("[Idioma]\nCodigo=1\n; kept as written\n"));
    }

    void switchingLanguageWritesTheFile()
    {
        auto w = mainWindow(m_dir.path());
        w->findChild<QAction *>("InglesMn")->trigger();
        QCOMPARE(w->context().language(), Language::English);
        QVERIFY(readIni(m_dir.path()).contains("Codigo=1"));
        w->findChild<QToolButton *>("SpanishBt")->click();
        QCOMPARE(w->context().languagePrefix(), QStringLiteral("ES"));
        QVERIFY(readIni(m_dir.path()).contains("Codigo=2"));
    }

    void anUnwritableSettingsFileIsReported()
    {
        QTemporaryDir dir;
        fixture::writeTable(dir.path(), "HEB.DB", decl::iLamParTable, {});
        // A folder where the file should be cannot be written, even by root.
        QVERIFY(QDir(dir.path()).mkdir("PTolmo2.ini"));
        auto w = mainWindow(dir.path());
        // Start-up reads it as empty and writes nothing: no message.
        QCOMPARE(g_reports.size(), 0);
        QCOMPARE(w->context().language(), Language::Spanish);
        // A switch from the toolbar is reported by the general error report,
        // takes effect, and the program goes on.
        w->show();
        QTest::mouseClick(w->findChild<QToolButton *>("EnglishBt"), Qt::LeftButton);
        QCOMPARE(g_reports.size(), 1);
        const QString expected = QStringLiteral("Unable to write to %1.")
                                     .arg(QDir::toNativeSeparators(QDir(dir.path()).filePath("PTolmo2.ini")));
        QCOMPARE(g_reports.value(0), expected);
        QCOMPARE(w->context().language(), Language::English);
    }

    void oneWindowPerKind()
    {
        auto w = mainWindow(m_dir.path());
        QCOMPARE(windowCommands(*w), QList<bool>(5, false));
        w->HEBBtClick();
        w->HEBBtClick();
        QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
        w->HEABtClick();
        const QList<QMdiSubWindow *> subs = w->mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 2);
        QCOMPARE(caption(subs[0]), QStringLiteral("HEB Sections"));
        QCOMPARE(caption(subs[1]), QStringLiteral("HEA Sections"));
        QCOMPARE(subs[0]->widget()->metaObject()->className(), subs[1]->widget()->metaObject()->className());
        QVERIFY(subs[1]->isMaximized());
        QCOMPARE(windowCommands(*w), QList<bool>(5, true));
        // Clicking HEB again brings the existing HEB window to the front.
        w->HEBBtClick();
        QCOMPARE(w->mdiArea()->activeSubWindow(), subs[0]);
        QCOMPARE(qobject_cast<FamilyWindow *>(subs[0]->widget())->tag(), 2);
        QCOMPARE(w->familyWindow("HEA"), subs[1]->widget());
    }

    void closingWindowsAndCloseAll()
    {
        auto w = mainWindow(m_dir.path());
        w->IPEBtClick();
        w->mdiArea()->subWindowList().first()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(windowCommands(*w), QList<bool>(5, false));
        QVERIFY(!w->familyWindow("IPE"));
        w->HEABtClick();
        w->HEBBtClick();
        w->HEMBtClick();
        w->IPEBtClick();
        QCOMPARE(windowCommands(*w), QList<bool>(5, true));
        w->findChild<QAction *>("FecharTodasMn")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w->mdiArea()->subWindowList().size(), 0);
        for (const char *key : {"HEA", "HEB", "HEM", "IPE"})
            QVERIFY(!w->familyWindow(key));
        QCOMPARE(windowCommands(*w), QList<bool>(5, false));
        // A new window opens afresh.
        w->HEBBtClick();
        QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
    }

    void exitAsksFirst()
    {
        auto w = mainWindow(m_dir.path());
        w->show();
        g_answer = false;
        w->findChild<QAction *>("SairMn")->trigger();
        QVERIFY(w->isVisible());
        g_answer = true;
        w->findChild<QAction *>("SairMn")->trigger();
        QVERIFY(!w->isVisible());
    }

    void viewToggles()
    {
        auto w = mainWindow(m_dir.path());
        w->show();
        auto *toolbar = w->findChild<QAction *>("BarraFerramentasMn");
        QVERIFY(toolbar->isChecked());
        toolbar->trigger();
        QVERIFY(!w->toolBarPanel()->isVisible());
        toolbar->trigger();
        QVERIFY(w->toolBarPanel()->isVisible());
        w->findChild<QAction *>("BarraStatusMn")->trigger();
        QVERIFY(!w->statusBar()->isVisible());
    }

    void toolbarLayout()
    {
        auto w = mainWindow(m_dir.path());
        QCOMPARE(w->toolBarPanel()->height(), 46);
        const char *const names[] = {"HEBBt", "HEABt", "HEMBt", "IPEBt", "IPNBt", "UPNBt", "AngBt", "AceroBt"};
        for (int i = 0; i < 8; ++i) {
            auto *b = w->findChild<QToolButton *>(QString::fromLatin1(names[i]));
            QCOMPARE(b->x(), 5 + 50 * i);
            QCOMPARE(b->size(), QSize(50, 40));
        }
        QCOMPARE(w->findChild<QToolButton *>("AngBt")->toolTip(), QStringLiteral("Equal Leg Angle Section"));
        QVERIFY(w->statusBar()->findChild<QLabel *>()->text().startsWith("  TOLMO - "));
        QVERIFY(w->statusBar()->findChild<QLabel *>()->text().endsWith(" - Products Catalogue"));
    }

    void wallPaper()
    {
        QCOMPARE(TPrincipalFm::wallPaperPosition({1024, 768}, {274, 378}), QPoint(373, 128));
        QCOMPARE(TPrincipalFm::wallPaperPosition({300, 200}, {274, 378}), QPoint(11, -156));
        auto w = mainWindow(m_dir.path());
        // The window colour comes from the picture's pixel (1, 1): teal.
        QCOMPARE(w->color(), QColor(0, 128, 128));
        QVERIFY(!w->img()->picture().isNull());
        QCOMPARE(w->img()->picture().size(), QSize(274, 378));
    }

    void backgroundPainting()
    {
        QWidget owner;
        owner.setProperty("Color", QColor(0, 128, 128));
        auto *img = new TMDIImage(&owner);
        owner.resize(1016, 600);
        // Before a picture the area keeps its normal background.
        QVERIFY(owner.grab().toImage().pixelColor(10, 10) != QColor(0, 128, 128));
        QPixmap picture(274, 378);
        picture.fill(Qt::red);
        img->setPicture(picture);
        img->setLeft(373);
        img->setTop(128);
        QImage shot = owner.grab().toImage();
        QCOMPARE(shot.pixelColor(10, 10), QColor(0, 128, 128));
        QCOMPARE(shot.pixelColor(373, 128), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(372, 128), QColor(0, 128, 128));
        img->setCenter(true);
        shot = owner.grab().toImage();
        QCOMPARE(img->left(), 508 - 137);
        QCOMPARE(img->top(), 300 - 189);
        QCOMPARE(shot.pixelColor(371, 111), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(370, 111), QColor(0, 128, 128));
    }

    void backgroundRefusals()
    {
        QWidget owner;
        new TMDIImage(&owner);
        try {
            TMDIImage second(&owner);
            QFAIL("a second instance was made");
        } catch (const EMDIImageError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Only one instance of TMDIImage allowed"));
        }
        QWidget child(&owner);
        try {
            TMDIImage inner(&child);
            QFAIL("a child widget owned one");
        } catch (const EMDIImageError &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("not (TMDIImage.Owner is TForm)!"));
        }
    }

    void aboutWindow_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << 1;
        QTest::newRow("Spanish") << 2;
    }
    void aboutWindow()
    {
        QFETCH(int, language);
        AppContext context;
        context.setLanguage(Language(language));
        TSobreFm about(context);
        QCOMPARE(about.findChild<QLabel *>("ImgEN")->isVisibleTo(&about), language == 1);
        QCOMPARE(about.findChild<QLabel *>("ImgES")->isVisibleTo(&about), language == 2);
        QCOMPARE(about.size(), QSize(537, 330));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        about.show();
        QTest::mouseDClick(about.findChild<QLabel *>(language == 1 ? "ImgEN" : "ImgES"), Qt::LeftButton);
        QVERIFY(!about.isVisible());
    }

    void aboutAtStartUpNeedsTheTable()
    {
        QTemporaryDir empty;
        AppContext context;
        context.setAppDir(empty.path());
        TSobreFm about(context);
        QVERIFY_THROWS_EXCEPTION(std::exception, about.FirstShowModal());
        QVERIFY(!about.isVisible());
        QVERIFY(!QApplication::overrideCursor()); // the hourglass is gone
        context.setAppDir(m_dir.path());
        QTimer::singleShot(0, &about, &TSobreFm::CloseOnDblClick);
        about.FirstShowModal();
    }

    void errorReportText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("ends in a letter") << "Table missing" << "Table missing.";
        QTest::newRow("ends in a full stop") << "Table missing." << "Table missing.";
        QTest::newRow("ends in a digit") << "Error 42" << "Error 42.";
        QTest::newRow("ends in a bracket") << "Bad value (x)" << "Bad value (x)";
        QTest::newRow("empty") << "" << "";
    }
    void errorReportText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorreport::text(message), shown);
    }

    void aGuardedHandlerReportsAndTheProgramGoesOn()
    {
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked,
                         guard([] { throw std::runtime_error("Cannot open the table"); }));
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(g_reports, QStringList{"Cannot open the table."});
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(g_reports.size(), 2);
    }

    // A window whose table file is missing: its toolbar button reports the
    // error and leaves the window up; the window still switches tabs and
    // closes, and the other commands go on working.
    void aWindowWhoseTableIsMissing()
    {
        QTemporaryDir dir;
        fixture::writeTable(dir.path(), "HEB.DB", decl::iLamParTable, {fixture::heRow("HEB 100", 100, 100, 6, 10, 12)});
        fixture::writeTable(dir.path(), "TOL.DB", decl::TolTable, {});
        auto w = mainWindow(dir.path());
        QVERIFY(g_reports.isEmpty());

        w->findChild<QToolButton *>("IPEBt")->click();
        QCOMPARE(g_reports.size(), 1);
        QVERIFY2(g_reports.front().contains("IPE.DB"), qPrintable(g_reports.front()));
        QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
        auto *ipe = qobject_cast<FamilyWindow *>(w->mdiArea()->subWindowList().front()->widget());
        QVERIFY(ipe);
        QCOMPARE(ipe->windowTitle(), QStringLiteral("IPE Sections"));
        ipe->selectTab(1);
        ipe->selectTab(0);
        QCOMPARE(ipe->currentTab(), 0);

        w->findChild<QToolButton *>("HEBBt")->click();
        QCOMPARE(g_reports.size(), 1);
        QCOMPARE(w->mdiArea()->subWindowList().size(), 2);
        QVERIFY(ipe->parentWidget()->close());
        QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
    }

    // A table file removed while its window is open: a tab switch and a
    // search filter the rows read at open, so nothing fails and the search
    // still narrows the rows.
    void aTableRemovedUnderAnOpenWindow()
    {
        QTemporaryDir dir;
        fixture::writeTable(dir.path(), "HEB.DB", decl::iLamParTable,
                            {fixture::heRow("HEB 100", 100, 100, 6, 10, 12),
                             fixture::heRow("HEB 200", 200, 200, 9, 15, 18)});
        fixture::writeTable(dir.path(), "TOL.DB", decl::TolTable, {});
        auto w = mainWindow(dir.path());
        w->findChild<QToolButton *>("HEBBt")->click();
        auto *heb = qobject_cast<FamilyWindow *>(w->mdiArea()->activeSubWindow()->widget());
        QVERIFY(heb);
        QVERIFY(QFile::remove(QDir(dir.path()).filePath("HEB.DB")));

        heb->selectTab(1);
        heb->selectTab(0);
        heb->PropertyCriteria(1) = {true, MoreThan, 150, 0};
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        heb->findChild<QPushButton *>("BusquedaBt")->click();
        QVERIFY(g_reports.isEmpty());
        QCOMPARE(heb->sectionTable()->recordCount(), 1);
        QCOMPARE(heb->sectionTable()->field("Designation").asString(), QStringLiteral("HEB 200"));
    }
};

int main(int argc, char **argv)
{
    TolmoApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
