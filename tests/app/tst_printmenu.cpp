// The main window's Print menu: each item opens or reuses its window, shows
// the tab of its tag and prints that tab's catalogue as the window's Print
// button does. The preview is replaced by a recorder that lays the report
// out; the tables are the supplied ones, copied into a temporary
// application directory in English.
#include "app/ErrorReport.h"
#include "app/TPrincipalFm.h"
#include "browse/FamilyWindow.h"
#include "browse/TAceroFm.h"
#include "reports/PreviewWindow.h"
#include "reports/Report.h"
#include "support/Fixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <stdexcept>

namespace {

struct Previewed {
    QString className;
    QString title;
    QString norm;
    int lines = 0;
};
QList<Previewed> g_previewed;
QStringList g_errors;

void record(Report &report, QWidget *)
{
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(600 / 0.0254));
    device.setDotsPerMeterY(qRound(600 / 0.0254));
    const ReportDocument doc = report.run(device);
    Previewed p{report.objectName(), {}, {}, 0};
    for (const ReportPage &page : doc.pages) {
        for (const PlacedItem &item : page.named(QStringLiteral("LBCatalogo")))
            p.title = item.text;
        for (const PlacedItem &item : page.named(QStringLiteral("Normatizacao")))
            p.norm = item.text;
        for (const PlacedBand &band : page.bands)
            p.lines += band.kind == BandKind::Detail ? 1 : 0;
    }
    g_previewed << p;
}

void recordError(const QString &, const QString &text) { g_errors << text; }

// A preview that fails at one report (counted from 1), as a report whose
// table cannot be read fails; whether that report was gone when the error
// was reported.
int g_failAt = 0;
QPointer<Report> g_failing;
bool g_freedBeforeReport = false;
void recordOrFail(Report &report, QWidget *parent)
{
    if (g_previewed.size() + 1 == g_failAt) {
        g_failing = &report;
        throw std::runtime_error("The table of the report could not be read");
    }
    record(report, parent);
}
void errorAfterFailure(const QString &caption, const QString &text)
{
    g_freedBeforeReport = g_failing.isNull();
    recordError(caption, text);
}

// Answers (rejects) any search dialog that opens, and counts them.
struct DialogWatch {
    int dialogs = 0;
    QTimer timer;
    DialogWatch()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ++dialogs;
                dialog->reject();
            }
        });
        timer.start();
    }
};

int windowsOf(const TPrincipalFm &w, const char *className)
{
    int n = 0;
    for (QMdiSubWindow *sub : w.mdiArea()->subWindowList())
        n += sub->widget() && sub->widget()->inherits(className) ? 1 : 0;
    return n;
}

} // namespace

class TestPrintMenu : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    std::unique_ptr<TPrincipalFm> mainWindow() { return std::make_unique<TPrincipalFm>(nullptr, m_dir.path()); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QStringList failed = fixture::copySuppliedFiles(m_dir.path());
        QVERIFY2(failed.isEmpty(), qPrintable(failed.join(u' ')));
        QFile ini(m_dir.filePath(QStringLiteral("PTolmo2.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Idioma]\nCodigo=1\n");
        ini.close();
        reportpreview::setPreviewer(record);
        errorreport::setPresenter(recordError);
    }
    void cleanupTestCase() { reportpreview::setPreviewer(nullptr); }
    void init()
    {
        g_previewed.clear();
        g_errors.clear();
    }

    void familyItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("norm");
        QTest::newRow("detailing of HEM") << "ImpDetImpHEMMn" << "HEM" << 1 << "TCatILPDFm"
                                          << "Catalogue of HEM Sections" << "";
        QTest::newRow("properties of IPE") << "ImpProImpIPEMn" << "IPE" << 0 << "TCatIPEPFm"
                                           << "Catalogue of IPE Sections" << "";
        QTest::newRow("tolerances of UPN") << "ImpTolImpUPNMn" << "UPN" << 2 << "TCatTolFm"
                                           << "Catalogue of UPN Sections" << "In accordance with UNE-EN 10279:2001";
    }

    // With no window open the item opens the family's window, shows the tab
    // of its tag and previews that tab's catalogue; the window stays open and
    // a second run reuses it.
    void familyItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, family);
        QFETCH(int, tab);
        QFETCH(QString, className);
        QFETCH(QString, title);
        QFETCH(QString, norm);
        const auto w = mainWindow();
        QAction *action = w->findChild<QAction *>(item);
        QVERIFY(action);
        QCOMPARE(action->data().toInt(), tab);
        for (int run = 1; run <= 2; ++run) {
            action->trigger();
            QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));
            QCOMPARE(g_previewed.size(), run);
            const Previewed &p = g_previewed.last();
            QCOMPARE(p.className, className);
            QCOMPARE(p.title, title);
            QCOMPARE(p.norm, norm);
            QVERIFY(p.lines > 0);
            FamilyWindow *window = w->familyWindow(family);
            QVERIFY(window);
            QCOMPARE(window->currentTab(), tab);
            QCOMPARE(windowsOf(*w, "FamilyWindow"), 1);
            // The user moves to another tab before the next run.
            window->selectTab(tab == 0 ? 1 : 0);
        }
    }

    // An IPE window with its search on and a property criterion prints the
    // selected rows only, as "Group of Selected IPE Sections".
    void searchInForce()
    {
        const auto w = mainWindow();
        w->IPEBtClick();
        FamilyWindow *ipe = w->familyWindow(QStringLiteral("IPE"));
        QVERIFY(ipe);
        const int all = ipe->sectionTable()->recordCount();
        ipe->PropertyCriteria(1) = {true, Between, 200, 330};
        ipe->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
        ipe->selectTab(1);
        ipe->selectTab(0);
        const int selected = ipe->sectionTable()->recordCount();
        QVERIFY(selected > 0 && selected < all);
        w->findChild<QAction *>(QStringLiteral("ImpProImpIPEMn"))->trigger();
        QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));
        QCOMPARE(g_previewed.size(), 1);
        QCOMPARE(g_previewed[0].title, QStringLiteral("Group of Selected IPE Sections"));
        QCOMPARE(g_previewed[0].lines, selected);
    }

    void steelItems_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("className");
        QTest::newRow("mechanical") << 0 << "TCatAcoMecFm";
        QTest::newRow("chemical") << 1 << "TCatAcoQuiFm";
        QTest::newRow("designations") << 2 << "TCatAcoDesFm";
    }

    // Print > Steels shows the tag's page of the steel window, whatever page
    // was shown, and previews its catalogue; one steel window throughout.
    void steelItems()
    {
        QFETCH(int, tag);
        QFETCH(QString, className);
        const auto w = mainWindow();
        w->AceroBtClick();
        auto *steel = w->findChild<TAceroFm *>();
        QVERIFY(steel);
        steel->selectPage(tag == 2 ? 0 : 2);
        QAction *action = w->findChild<QAction *>(QStringLiteral("ImpAcero%1Mn").arg(tag));
        QVERIFY(action);
        action->trigger();
        QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));
        QCOMPARE(g_previewed.size(), 1);
        QCOMPARE(g_previewed[0].className, className);
        QCOMPARE(steel->currentPage(), tag);
        QCOMPARE(g_previewed[0].lines, steel->table(tag)->recordCount());
        QCOMPARE(windowsOf(*w, "TAceroFm"), 1);
    }

    // All Reports with no window open: the seven family windows and the
    // steel window open, and 24 previews follow one another, each family's
    // property, detailing and tolerance catalogue in the toolbar's order,
    // then the three steel catalogues. The IPE window, its property search
    // in force, prints what it shows, as a selection, and no search dialog
    // opens during the run.
    void allReports()
    {
        const auto w = mainWindow();
        w->IPEBtClick();
        FamilyWindow *ipe = w->familyWindow(QStringLiteral("IPE"));
        QVERIFY(ipe);
        const int all = ipe->sectionTable()->recordCount();
        ipe->PropertyCriteria(1) = {true, Between, 200, 330};
        ipe->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
        ipe->selectTab(1);
        ipe->selectTab(0);
        const int selected = ipe->sectionTable()->recordCount();
        QVERIFY(selected > 0 && selected < all);
        ipe->selectTab(2);
        DialogWatch watch;
        w->findChild<QAction *>(QStringLiteral("ImpRelMn"))->trigger();
        QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));
        QCOMPARE(watch.dialogs, 0);

        QStringList expected;
        for (const char *family : {"HEB", "HEA", "HEM", "IPE", "IPN", "UPN", "Equal Leg Angle"}) {
            const QString sections = QString::fromLatin1(family) + QStringLiteral(" Sections");
            const QString layout = family[0] == 'H' ? QStringLiteral("ILP")
                                   : family[0] == 'E' ? QStringLiteral("Ang")
                                   : QString::fromLatin1(family) == u"IPN" ? QStringLiteral("ILI")
                                   : QString::fromLatin1(family) == u"UPN" ? QStringLiteral("UL")
                                                                           : QStringLiteral("IPE");
            const QString title = (QString::fromLatin1(family) == u"IPE" ? QStringLiteral("Group of Selected ")
                                                                          : QStringLiteral("Catalogue of ")) + sections;
            expected << QStringLiteral("TCat%1PFm %2").arg(layout, title)
                     << QStringLiteral("TCat%1DFm Catalogue of %2").arg(layout, sections)
                     << QStringLiteral("TCatTolFm Catalogue of %1").arg(sections);
        }
        expected << "TCatAcoMecFm Steel Catalogue" << "TCatAcoQuiFm Steel Catalogue" << "TCatAcoDesFm Steel Catalogue";
        QStringList previewed;
        for (const Previewed &p : g_previewed) {
            previewed << p.className + u' ' + p.title;
            QVERIFY2(p.lines > 0, qPrintable(p.className + u' ' + p.title));
        }
        QCOMPARE(previewed, expected);
        QCOMPARE(g_previewed[9].lines, selected);
        QCOMPARE(windowsOf(*w, "FamilyWindow"), 7);
        QCOMPARE(windowsOf(*w, "TAceroFm"), 1);
        // The search is still in force when the run is over.
        QVERIFY(ipe->Filtrado(1));
    }

    // A failure inside a report ends All Reports at that report; it reaches
    // the general error report once, after the report is freed.
    void aFailureEndsAllReports()
    {
        const auto w = mainWindow();
        g_failAt = 5;
        g_failing = nullptr;
        g_freedBeforeReport = false;
        reportpreview::setPreviewer(recordOrFail);
        errorreport::setPresenter(errorAfterFailure);
        w->findChild<QAction *>(QStringLiteral("ImpRelMn"))->trigger();
        reportpreview::setPreviewer(record);
        errorreport::setPresenter(recordError);
        QCOMPARE(g_previewed.size(), 4);
        QCOMPARE(g_errors.size(), 1);
        QVERIFY2(g_errors[0].contains(QStringLiteral("could not be read")), qPrintable(g_errors[0]));
        QVERIFY(g_freedBeforeReport);
        // The run stopped in the HEA window: the windows after it never opened.
        QVERIFY(w->familyWindow(QStringLiteral("HEA")));
        QVERIFY(!w->familyWindow(QStringLiteral("HEM")));
        QCOMPARE(windowsOf(*w, "TAceroFm"), 0);
    }

    // A report that fails reaches the general error report, and nothing is
    // previewed.
    void aFailureIsReported()
    {
        QTemporaryDir empty;
        QFile ini(empty.filePath(QStringLiteral("PTolmo2.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Idioma]\nCodigo=1\n");
        ini.close();
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("UPN.db")), empty.filePath(QStringLiteral("UPN.db"))));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("TOL.DB")), empty.filePath(QStringLiteral("TOL.DB"))));
        TPrincipalFm w(nullptr, empty.path());
        w.UPNBtClick();
        QVERIFY(QFile::remove(empty.filePath(QStringLiteral("TOL.DB"))));
        w.findChild<QAction *>(QStringLiteral("ImpTolImpUPNMn"))->trigger();
        QCOMPARE(g_previewed.size(), 0);
        QCOMPARE(g_errors.size(), 1);
        QVERIFY2(g_errors[0].contains(QStringLiteral("TOL.DB")), qPrintable(g_errors[0]));
    }
};

QTEST_MAIN(TestPrintMenu)
#include "tst_printmenu.moc"
