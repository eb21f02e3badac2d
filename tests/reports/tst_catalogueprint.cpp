// The Print buttons of the family windows and of the steel window: the
// catalogue of the tab shown, on the window's own rows, titled by the
// window's search of that kind; the tolerance tab's catalogue with the norm
// the window shows. The preview is replaced by a recorder that lays the
// report out.
#include "browse/SectionWindows.h"
#include "browse/TAceroFm.h"
#include "browse/TestShell.h"
#include "support/TestContext.h"
#include "data/AppGlobals.h"
#include "data/Table.h"
#include "reports/CataloguePrint.h"
#include "reports/PreviewWindow.h"
#include "reports/Report.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

struct Previewed {
    QString className;
    QString title;
    QString familyName;
    QStringList designations;
    QString norm;             // the tolerance catalogue's norm text
    QStringList tolerances;   // its tolerance tables
    int lines = 0;            // detail lines
};
QList<Previewed> g_previewed;

void record(Report &report, QWidget *)
{
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(600 / 0.0254));
    device.setDotsPerMeterY(qRound(600 / 0.0254));
    const ReportDocument doc = report.run(device);
    Previewed p{report.objectName(), {}, {}, {}, {}, {}, 0};
    for (const ReportPage &page : doc.pages) {
        for (const PlacedItem &item : page.named(QStringLiteral("LBCatalogo")))
            p.title = item.text;
        for (const PlacedItem &item : page.named(QStringLiteral("LBPerfil")))
            p.familyName = item.text;
        for (const PlacedItem &item : page.named(QStringLiteral("QRDBText_Designation")))
            p.designations << item.text;
        for (const PlacedItem &item : page.named(QStringLiteral("Normatizacao")))
            p.norm = item.text;
        for (const PlacedItem &item : page.named(QStringLiteral("ToleranciaDB")))
            p.tolerances << item.text;
        for (const PlacedBand &band : page.bands)
            p.lines += band.kind == BandKind::Detail ? 1 : 0;
    }
    g_previewed << p;
}

} // namespace

class TestCataloguePrint : public QObject {
    Q_OBJECT
    TestShell m_shell;

private slots:
    void initTestCase()
    {
        QVERIFY2(useBuiltAppDir(), "TOLMO_APPDIR names the built application directory");
        reportpreview::setPreviewer(record);
    }
    void cleanupTestCase() { reportpreview::setPreviewer(nullptr); }
    void init() { g_previewed.clear(); }

    void printsTheTabShown_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("propertyH"); // 0: no property criterion; else h from it to 330 mm
        QTest::addColumn<bool>("detailM");  // a detailing criterion M from 0 to 40 kg/m
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("title");
        QTest::newRow("IPE properties, no search") << "IPE" << 0 << 0 << false << "TCatIPEPFm"
                                                   << "Catalogue of IPE Sections";
        QTest::newRow("IPE properties, property search") << "IPE" << 0 << 220 << false << "TCatIPEPFm"
                                                         << "Group of Selected IPE Sections";
        QTest::newRow("IPE properties, only a detailing search")
            << "IPE" << 0 << 0 << true << "TCatIPEPFm" << "Catalogue of IPE Sections";
        QTest::newRow("IPE detailing, detailing search") << "IPE" << 1 << 0 << true << "TCatIPEDFm"
                                                         << "Group of Selected IPE Sections";
        QTest::newRow("angles detailing") << "ANG" << 1 << 0 << false << "TCatAngDFm"
                                          << "Catalogue of Equal Leg Angle Sections";
    }

    // The catalogue of the tab shown, titled by the search of its own kind,
    // listing what the window lists.
    void printsTheTabShown()
    {
        QFETCH(QString, family);
        QFETCH(int, tab);
        QFETCH(int, propertyH);
        QFETCH(bool, detailM);
        QFETCH(QString, className);
        QFETCH(QString, title);
        const auto w = openWindow(family);
        if (propertyH > 0)
            w->PropertyCriteria(1) = {true, Between, double(propertyH), 330};
        if (detailM)
            w->DetailCriteria(5) = {true, Between, 0, 40};
        w->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(propertyH > 0 || detailM);
        w->selectTab(2);
        w->selectTab(tab);
        const QStringList listed = designations(*w);
        QVERIFY(!listed.isEmpty());

        // The command as the main window's connection of the Print button
        // calls it.
        catalogueprint::printFamilyWindow(*w);
        QCOMPARE(g_previewed.size(), 1);
        QCOMPARE(g_previewed[0].className, className);
        QCOMPARE(g_previewed[0].title, title);
        QCOMPARE(g_previewed[0].designations, listed);
    }

    // The HEM window's catalogue prints HEM rows under "HEM Sections" while
    // the HEA and HEB windows are open too.
    void hemWhileHeaAndHebAreOpen()
    {
        const auto hea = openWindow(QStringLiteral("HEA"));
        const auto hem = openWindow(QStringLiteral("HEM"));
        const auto heb = openWindow(QStringLiteral("HEB"));
        catalogueprint::printFamilyWindow(*hem);
        QCOMPARE(g_previewed.size(), 1);
        QCOMPARE(g_previewed[0].className, QStringLiteral("TCatILPPFm"));
        QCOMPARE(g_previewed[0].familyName, QStringLiteral("HEM Sections"));
        QCOMPARE(g_previewed[0].title, QStringLiteral("Catalogue of HEM Sections"));
        QCOMPARE(g_previewed[0].designations, designations(*hem));
        for (const QString &d : g_previewed[0].designations)
            QVERIFY2(d.startsWith(u"HEM"), qPrintable(d));
    }

    void toleranceTab_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("norm");
        QTest::newRow("UPN") << "UPN" << "Catalogue of UPN Sections" << "In accordance with UNE-EN 10279:2001";
        QTest::newRow("HEM") << "HEM" << "Catalogue of HEM Sections" << "In accordance with UNE-EN 10034:1994";
        QTest::newRow("angles") << "ANG" << "Catalogue of Equal Leg Angle Sections"
                                << "In accordance with UNE-EN 10056-2:1994";
    }

    // The tolerance tab prints the family's tolerance tables, those its list
    // shows, under the family's title and the window's norm text trimmed;
    // the report's table is its own, so the window's stays as it was.
    void toleranceTab()
    {
        QFETCH(QString, family);
        QFETCH(QString, title);
        QFETCH(QString, norm);
        const auto w = openWindow(family);
        w->selectTab(2);
        QStringList listed;
        const auto *list = w->findChild<QListWidget *>(QStringLiteral("ToleranciasLB"));
        QVERIFY(list);
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        QVERIFY(!listed.isEmpty());
        const int recNo = w->toleranceTable()->recNo();
        catalogueprint::printFamilyWindow(*w);
        QCOMPARE(g_previewed.size(), 1);
        QCOMPARE(g_previewed[0].className, QStringLiteral("TCatTolFm"));
        QCOMPARE(g_previewed[0].title, title);
        QCOMPARE(g_previewed[0].norm, norm);
        QCOMPARE(g_previewed[0].tolerances, listed);
        QVERIFY(w->toleranceTable()->isOpen());
        QCOMPARE(w->toleranceTable()->recNo(), recNo);
    }

    // The HEA and HEM windows print the same tolerance tables.
    void heSeriesShareTolerances()
    {
        const auto hea = openWindow(QStringLiteral("HEA"));
        const auto hem = openWindow(QStringLiteral("HEM"));
        hea->selectTab(2);
        hem->selectTab(2);
        catalogueprint::printFamilyWindow(*hea);
        catalogueprint::printFamilyWindow(*hem);
        QCOMPARE(g_previewed.size(), 2);
        QVERIFY(!g_previewed[0].tolerances.isEmpty());
        QCOMPARE(g_previewed[0].tolerances, g_previewed[1].tolerances);
        QCOMPARE(g_previewed[0].title, QStringLiteral("Catalogue of HEA Sections"));
        QCOMPARE(g_previewed[1].title, QStringLiteral("Catalogue of HEM Sections"));
    }

    void steelWindow_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("className");
        QTest::newRow("mechanical") << 0 << "TCatAcoMecFm";
        QTest::newRow("chemical") << 1 << "TCatAcoQuiFm";
        QTest::newRow("designations") << 2 << "TCatAcoDesFm";
    }

    // The steel window prints the catalogue of the page shown, one line per
    // row of that page's table.
    void steelWindow()
    {
        QFETCH(int, page);
        QFETCH(QString, className);
        TAceroFm w(testContext());
        w.FormCreate();
        auto *pages = w.findChild<QTabWidget *>();
        QVERIFY(pages);
        pages->setCurrentIndex(page == 2 ? 0 : 2);
        pages->setCurrentIndex(page);
        QCOMPARE(w.currentPage(), page);
        catalogueprint::printSteelWindow(w);
        QCOMPARE(g_previewed.size(), 1);
        QCOMPARE(g_previewed[0].className, className);
        QVERIFY(w.table(page)->recordCount() > 0);
        QCOMPARE(g_previewed[0].lines, w.table(page)->recordCount());
    }
};

QTEST_MAIN(TestCataloguePrint)
#include "tst_catalogueprint.moc"
