// The two single-section pages: every page label prints the very text its
// sheet slot shows, for each family, beside the family's drawing; title band,
// version placement, Spanish; and the sheet's Print command through the
// print dialog: the copies chosen, cancelling, no printer.
#include "support/TestContext.h"
#include "sheets/SheetFixture.h"
#include "browse/Art.h"
#include "browse/FamilyWindow.h"
#include "browse/Texts.h"
#include "reports/ReportOutput.h"
#include "reports/SheetPage.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

using namespace sheettest;

namespace {

QImage device600()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(600 / 0.0254));
    image.setDotsPerMeterY(qRound(600 / 0.0254));
    return image;
}

QString text(const ReportPage &page, const QString &name)
{
    const QList<PlacedItem> items = page.named(name);
    return items.isEmpty() ? QString() : items.first().text;
}

// Two pictures drawn alike at a small size.
bool drawnAlike(const PrintPicture &a, const PrintPicture &b)
{
    QImage ia(40, 60, QImage::Format_ARGB32);
    QImage ib(40, 60, QImage::Format_ARGB32);
    ia.fill(Qt::white);
    ib.fill(Qt::white);
    {
        QPainter pa(&ia);
        QPainter pb(&ib);
        a.paint(pa, QRectF(0, 0, 40, 60));
        b.paint(pb, QRectF(0, 0, 40, 60));
    }
    return ia == ib;
}

int pdfPages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

// The print dialog as a test answers it.
bool g_accept = false;
int g_copies = 1;
QString g_file;
int g_dialogs = 0;
bool answerDialog(QPrinter &printer, QWidget *)
{
    ++g_dialogs;
    if (!g_accept)
        return false;
    printer.setOutputFileName(g_file);
    printer.setCopyCount(g_copies);
    return true;
}

QStringList g_informed;
void recordInformation(QWidget *, const QString &text) { g_informed << text; }
QStringList onePrinter() { return {QStringLiteral("Test printer")}; }
QStringList noPrinters() { return {}; }

} // namespace

class TestSheetPage : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestShell> m_shell;
    std::vector<std::unique_ptr<FamilyWindow>> m_windows;
    QImage m_device = device600();

    std::unique_ptr<SectionSheet> sheetOn(const QString &key, const QString &row, bool property)
    {
        m_windows.push_back(openFamily(*m_shell, key));
        FamilyWindow &w = *m_windows.back();
        goTo(w, row);
        std::unique_ptr<SectionSheet> sheet;
        if (property)
            sheet = std::make_unique<TShowPropFm>(&w);
        else
            sheet = std::make_unique<TShowDetailFm>(&w);
        sheet->Atualiza(0);
        return sheet;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        testContext().setAppDir(m_dir.path());
        testContext().setLanguage(Language::English);
        writeTables(m_dir.path());
        m_shell = std::make_unique<TestShell>();
        reportoutput::setInformer(recordInformation);
        reportoutput::setPrintDialog(answerDialog);
    }

    void cleanupTestCase()
    {
        reportoutput::setPrintDialog(nullptr);
        reportoutput::setInformer(nullptr);
        reportoutput::setPrinterLister(nullptr);
    }

    void init()
    {
        g_informed.clear();
        g_dialogs = 0;
        g_accept = false;
        g_copies = 1;
    }

    void cleanup() { m_windows.clear(); }

    void sheetTexts_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("property");
        QTest::addColumn<QString>("art");
        for (bool property : {true, false}) {
            const char *kind = property ? "property" : "detailing";
            const QString prefix = property ? QStringLiteral("sheet-prop-") : QStringLiteral("sheet-det-");
            QTest::addRow("HEB 200 %s", kind) << "HEB" << "HEB 200" << property << prefix + "he";
            QTest::addRow("HEM 100, no bolt, %s", kind) << "HEM" << "HEM 100" << property << prefix + "he";
            QTest::addRow("IPE 300 %s", kind) << "IPE" << "IPE 300" << property << prefix + "ipe";
            QTest::addRow("IPN 200 %s", kind) << "IPN" << "IPN 200" << property << prefix + "ipn";
            QTest::addRow("UPN 80 %s", kind) << "UPN" << "UPN 80" << property << prefix + "upn";
            QTest::addRow("angle %s", kind) << "ANG" << "L 100x100x10" << property << prefix + "ang";
        }
    }

    // Each page label prints exactly what its sheet slot shows (nothing when
    // the slot is empty), the designation in the sheet's big type, the
    // family's drawing where the layout puts it; and the printed texts are
    // those the sheet computes for its record, so the command line's page
    // of a size is the sheet's too.
    void sheetTexts()
    {
        QFETCH(QString, family);
        QFETCH(QString, row);
        QFETCH(bool, property);
        QFETCH(QString, art);
        const auto sheet = sheetOn(family, row, property);
        const auto page = sheetprint::pageOf(*sheet);
        QCOMPARE(page->objectName(), property ? QStringLiteral("TRelatPropFm") : QStringLiteral("TRelatDetailFm"));
        const ReportDocument doc = page->run(m_device);
        QCOMPARE(doc.pages.size(), 1);
        const ReportPage &p = doc.pages[0];

        const SheetPageLayout &layout = page->layout();
        const PlacedItem designation = p.named(QString::fromLatin1(layout.designationName)).value(0);
        QCOMPARE(designation.text, row);
        QCOMPARE(designation.font.pointSizeF(), 16.0);
        QVERIFY(designation.font.bold());
        QCOMPARE(designation.rect.topLeft(), layout.designationAt_mm);

        int filled = 0;
        for (const SheetPageItem &item : layout.items) {
            const QString shown = sheet->slotLabel(QString::fromLatin1(item.slot))->text();
            const QList<PlacedItem> placed = p.named(QString::fromLatin1(item.name));
            if (shown.isEmpty()) {
                QVERIFY2(placed.isEmpty(), item.name);
                continue;
            }
            ++filled;
            QCOMPARE(placed.size(), 1);
            QCOMPARE(placed[0].text, shown);
            QCOMPARE(placed[0].rect.topLeft(), QPointF(item.left_mm, item.top_mm));
            QCOMPARE(placed[0].font.pointSizeF(), 10.0);
        }
        QVERIFY(filled >= 4);

        const PlacedItem drawing = p.named(QString::fromLatin1(layout.drawingName)).value(0);
        QCOMPARE(drawing.kind, PlacedItem::Picture);
        QCOMPARE(drawing.rect.topLeft(), layout.drawingAt_mm);
        QVERIFY(drawnAlike(drawing.picture, PrintPicture::fromFile(art::resourcePath(art))));

        const FieldRef d = m_windows.back()->sectionTable()->field(QStringLiteral("Designation"));
        QCOMPARE(d.asString(), row);
        const SheetTexts computed = property
                                        ? TShowPropFm::sheetTexts(*m_windows.back()->sectionTable(), *sheet->family())
                                        : TShowDetailFm::sheetTexts(*m_windows.back()->sectionTable(), *sheet->family());
        const SheetTexts shown = sheet->shownTexts();
        QCOMPARE(computed.designation, shown.designation);
        QCOMPARE(computed.values, shown.values);
    }

    // The title band at the margin corner: the software name, the version
    // label 2.1 mm after it as the device measures it, the rule, the
    // subtitle of the page's kind, the English logo; one page, A4 portrait.
    void titleBand_data()
    {
        QTest::addColumn<bool>("property");
        QTest::addColumn<QString>("subtitle");
        QTest::newRow("property") << true << "Geometrical and Mechanical Properties";
        QTest::newRow("detailing") << false << "Dimensions for Detailing";
    }

    void titleBand()
    {
        QFETCH(bool, property);
        QFETCH(QString, subtitle);
        const auto sheet = sheetOn(QStringLiteral("HEB"), QStringLiteral("HEB 200"), property);
        const auto page = sheetprint::pageOf(*sheet);
        const ReportDocument doc = page->run(m_device);
        QCOMPARE(doc.orientation, QPageLayout::Portrait);
        QCOMPARE(doc.title, QStringLiteral("Raroda TOLMO Dudovavidira 2.01"));
        const ReportPage &p = doc.pages[0];
        QCOMPARE(p.bands.size(), 1);
        QCOMPARE(p.bands[0].rect, QRectF(20, 20, 170, 19.8));
        const PlacedItem soft = p.named(QStringLiteral("QRLabelSoft")).value(0);
        const PlacedItem version = p.named(QStringLiteral("QRLabelVersion")).value(0);
        QCOMPARE(soft.text, QStringLiteral("Raroda TOLMO Dudovavidira"));
        QCOMPARE(version.text, QStringLiteral("Version 2.01"));
        QVERIFY(qAbs(version.rect.left() - soft.rect.right() - 8 * 25.4 / 96) < 1e-6);
        QCOMPARE(text(p, QStringLiteral("AssuntoT")), subtitle);
        const PlacedItem logo = p.named(QStringLiteral("ImgLogo")).value(0);
        QVERIFY(drawnAlike(logo.picture, PrintPicture::fromFile(art::resourcePath(QStringLiteral("logo-en")))));
        // Every text inside the margins.
        for (const PlacedItem &item : p.items)
            if (item.kind == PlacedItem::Text)
                QVERIFY2(QRectF(20, 20, 170, 257).contains(item.rect), qPrintable(item.name));
    }

    // In Spanish: the subtitle and the bolt phrase the sheet shows are
    // Spanish, the logo is the Spanish one, the version still 2.1 mm after
    // the software name.
    void spanish()
    {
        const auto d = dictionary({{"Dimensions for Detailing", "Dimensiones para detalle"},
                                   {"Version 2.01", "Versión 2.01"},
                                   {"dmax bolt", "tornillo dmax"}});
        d->setLanguage(2);
        testContext().setLanguage(Language::Spanish);
        const auto sheet = sheetOn(QStringLiteral("HEB"), QStringLiteral("HEB 200"), false);
        const auto page = sheetprint::pageOf(*sheet);
        const ReportDocument doc = page->run(m_device);
        testContext().setLanguage(Language::English);
        d->setLanguage(1);
        const ReportPage &p = doc.pages[0];
        QCOMPARE(text(p, QStringLiteral("AssuntoT")), QStringLiteral("Dimensiones para detalle"));
        QVERIFY2(text(p, QStringLiteral("LBDmaxDetail")).startsWith(QStringLiteral("tornillo dmax")),
                 qPrintable(text(p, QStringLiteral("LBDmaxDetail"))));
        const PlacedItem soft = p.named(QStringLiteral("QRLabelSoft")).value(0);
        const PlacedItem version = p.named(QStringLiteral("QRLabelVersion")).value(0);
        QCOMPARE(version.text, QStringLiteral("Versión 2.01"));
        QVERIFY(qAbs(version.rect.left() - soft.rect.right() - 8 * 25.4 / 96) < 1e-6);
        const PlacedItem logo = p.named(QStringLiteral("ImgLogo")).value(0);
        QVERIFY(drawnAlike(logo.picture, PrintPicture::fromFile(art::resourcePath(QStringLiteral("logo-es")))));
    }

    // The sheet's Print command: the dialog first; the page printed on the
    // printer chosen with the copies chosen (three copies, three pages);
    // cancelling prints nothing and says nothing; without a printer the one
    // box and no dialog.
    void printCommand_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("informed");
        QTest::newRow("one copy") << true << true << 1 << 1 << QStringList();
        QTest::newRow("three copies") << true << true << 3 << 3 << QStringList();
        QTest::newRow("cancelled") << true << false << 1 << -1 << QStringList();
        QTest::newRow("no printer") << false << true << 1 << -1 << QStringList{"There isn't any printer."};
    }

    void printCommand()
    {
        QFETCH(bool, printer);
        QFETCH(bool, accept);
        QFETCH(int, copies);
        QFETCH(int, pages);
        QFETCH(QStringList, informed);
        reportoutput::setPrinterLister(printer ? onePrinter : noPrinters);
        g_accept = accept;
        g_copies = copies;
        g_file = QDir(m_dir.path()).filePath(QStringLiteral("%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        for (bool property : {true, false}) {
            QFile::remove(g_file);
            g_dialogs = 0;
            g_informed.clear();
            const auto sheet = sheetOn(QStringLiteral("IPE"), QStringLiteral("IPE 300"), property);
            // The sheet's Print button (property sheet) or its context menu's
            // Print (detailing sheet) asks for the page, as the main window
            // wires it.
            bool printed = false;
            connect(sheet.get(), &SectionSheet::printRequested, sheet.get(),
                    [&] { printed = sheetprint::printSheet(*sheet); });
            if (property)
                sheet->findChild<QPushButton *>(QStringLiteral("Imprimir"))->click();
            else
                sheet->contextMenu()->findChild<QAction *>(QStringLiteral("ImprimirMn"))->trigger();
            QCOMPARE(g_dialogs, printer ? 1 : 0);
            QCOMPARE(printed, pages > 0);
            QCOMPARE(pdfPages(g_file), pages);
            QCOMPARE(g_informed, informed);
        }
        reportoutput::setPrinterLister(nullptr);
    }
};

QTEST_MAIN(TestSheetPage)
#include "tst_sheetpage.moc"
