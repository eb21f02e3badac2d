// The report engine's layout, read from its display list where positions are
// exact: band order and repetition, page breaks, the summary, print-if-empty,
// the data source and its filter, the detail event, items on the page, texts
// sized to their text and pictures fitted to their box.
#include "ReportFixture.h"
#include "data/TableError.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvMemoryDictionary.h"
#include "i18n/IvTranslator.h"
#include "reports/ReportError.h"
#include "reports/TextMeasure.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace reportfixture;

namespace {

constexpr double kEps = 1e-6;

// 257 mm of bands a page, 40 of them headers: with 50 mm lines four fit.
const QStringList kHeaders = {QStringLiteral("PageHeaderBand1"), QStringLiteral("ColumnHeaderBand1")};

QStringList detailLines(int n) { return QStringList(n, QStringLiteral("DetailBand1")); }

// A PNG of w x h pixels at 96 per inch.
QByteArray png(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    image.setDotsPerMeterX(qRound(96 / 0.0254));
    image.setDotsPerMeterY(qRound(96 / 0.0254));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QImage m_device = device600();

    std::unique_ptr<Table> table(int rows)
    {
        const QString file = QStringLiteral("HEB%1.DB").arg(rows);
        if (!QFile::exists(m_dir.filePath(file)))
            fixture::writeTable(m_dir.path(), file, decl::iLamParTable, hebRows(rows));
        return hebTable(m_dir.path(), file);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // Page 1: title, page header, column header, lines; later pages: page
    // header, column header, lines; the summary after the last line. Each
    // band starts where the one above it ends, at the top margin on every
    // page, as wide as the paper between the margins.
    void bandsInOrderAndRepeatedOnEveryPage()
    {
        const auto t = table(6);
        Heights heights;
        heights.title = 15;
        const auto report = catalogue(t.get(), heights);
        const ReportDocument doc = report->run(m_device);
        QCOMPARE(doc.pages.size(), 2);
        // 257 - 15 - 40 = 202 mm: four lines of 50 on page 1; 257 - 40 = 217 on page 2.
        QCOMPARE(bandNames(doc.pages[0]), QStringList{"TitleBand1"} + kHeaders + detailLines(4));
        QCOMPARE(bandNames(doc.pages[1]), kHeaders + detailLines(2) + QStringList{"PageFooterBand1"});
        for (const ReportPage &page : doc.pages) {
            double y = 20;
            for (const PlacedBand &band : page.bands) {
                QVERIFY2(qAbs(band.rect.top() - y) < kEps, qPrintable(band.name));
                QCOMPARE(band.rect.left(), 15.0);
                QCOMPARE(band.rect.width(), 180.0);
                y = band.rect.bottom();
            }
            QVERIFY(y <= 277 + kEps);
        }
        // Items follow their band: the rule 12.2 mm below the page header's top.
        for (const ReportPage &page : doc.pages) {
            const QList<PlacedItem> rules = page.named(QStringLiteral("Rule1"));
            QCOMPARE(rules.size(), 1);
            const QRectF header = page.bands[page.bands[0].kind == BandKind::Title ? 1 : 0].rect;
            QCOMPARE(rules[0].rect, QRectF(header.left() + 1.7, header.top() + 12.2, 150, 0.3));
            QCOMPARE(rules[0].kind, PlacedItem::Rectangle);
            QCOMPARE(rules[0].colour, QColor(Qt::black));
        }
        // Detail lines in the table's order across the break.
        QCOMPARE(designations(doc.pages[0]) + designations(doc.pages[1]),
                 (QStringList{"HEB 100", "HEB 120", "HEB 140", "HEB 160", "HEB 180", "HEB 200"}));
        QCOMPARE(doc.paper_mm, QSizeF(210, 297));
        QCOMPARE(doc.orientation, QPageLayout::Portrait);
    }

    void pageBreaks_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<double>("detail");
        QTest::addColumn<double>("summary");
        QTest::addColumn<QList<int>>("linesPerPage");
        QTest::addColumn<int>("summaryPage");
        // 217 mm under the headers of every page.
        QTest::newRow("one page") << 3 << 50.0 << 20.0 << QList<int>{3} << 0;
        QTest::newRow("four and four and two") << 10 << 50.0 << 20.0 << QList<int>{4, 4, 2} << 2;
        QTest::newRow("line ending exactly at the margin") << 7 << 31.0 << 0.0 << QList<int>{7} << -1;
        QTest::newRow("one line past the margin") << 8 << 31.0 << 0.0 << QList<int>{7, 1} << -1;
        // 4 x 50 = 200 mm: a 17 mm summary fits under the last line, 18 does not.
        QTest::newRow("summary fits exactly") << 8 << 50.0 << 17.0 << QList<int>{4, 4} << 1;
        QTest::newRow("summary moves to a new page") << 8 << 50.0 << 18.0 << QList<int>{4, 4, 0} << 2;
        // A line taller than a page still prints, one a page.
        QTest::newRow("line taller than a page") << 2 << 300.0 << 0.0 << QList<int>{1, 1} << -1;
    }

    void pageBreaks()
    {
        QFETCH(int, rows);
        QFETCH(double, detail);
        QFETCH(double, summary);
        QFETCH(QList<int>, linesPerPage);
        QFETCH(int, summaryPage);
        const auto t = table(rows);
        Heights heights;
        heights.detail = detail;
        heights.summary = summary;
        const auto report = catalogue(t.get(), heights);
        const ReportDocument doc = report->run(m_device);
        QCOMPARE(doc.pages.size(), linesPerPage.size());
        for (int p = 0; p < doc.pages.size(); ++p) {
            const QStringList names = bandNames(doc.pages[p]);
            QCOMPARE(names.mid(0, 2), kHeaders);
            QCOMPARE(names.count(QStringLiteral("DetailBand1")), linesPerPage[p]);
            QCOMPARE(names.contains(QStringLiteral("PageFooterBand1")), p == summaryPage);
            // The summary comes last, after the last line.
            if (p == summaryPage)
                QCOMPARE(names.last(), QStringLiteral("PageFooterBand1"));
            // Nothing hangs past the bottom margin, but an oversized line.
            if (detail < 217)
                QVERIFY(doc.pages[p].bands.last().rect.bottom() <= 277 + kEps);
        }
    }

    void printIfEmpty_data()
    {
        QTest::addColumn<bool>("printIfEmpty");
        QTest::newRow("on: one page of headers and summary") << true;
        QTest::newRow("off: no page") << false;
    }

    void printIfEmpty()
    {
        QFETCH(bool, printIfEmpty);
        const auto t = table(0);
        const auto report = catalogue(t.get());
        PageSetup page = report->pageSetup();
        page.printIfEmpty = printIfEmpty;
        report->setPageSetup(page);
        int runs = 0;
        int lines = 0;
        report->setBeforeRun([&] { ++runs; });
        report->setBeforeDetail([&](ReportBand &, int) { ++lines; });
        const ReportDocument doc = report->run(m_device);
        QCOMPARE(runs, 1);
        QCOMPARE(lines, 0);
        if (!printIfEmpty) {
            QVERIFY(doc.pages.isEmpty());
            return;
        }
        QCOMPARE(doc.pages.size(), 1);
        QCOMPARE(bandNames(doc.pages[0]), kHeaders + QStringList{"PageFooterBand1"});
        QCOMPARE(doc.pages[0].named(QStringLiteral("NoteT")).size(), 1);
        QVERIFY(designations(doc.pages[0]).isEmpty());
    }

    void dataSourceReplacedAtRunTime()
    {
        const auto three = table(3);
        const auto five = table(5);
        const auto report = catalogue(three.get());
        QCOMPARE(designations(report->run(m_device).pages[0]), (QStringList{"HEB 100", "HEB 120", "HEB 140"}));
        report->setDataSource(five.get());
        const ReportDocument doc = report->run(m_device);
        QCOMPARE(designations(doc.pages[0]) + designations(doc.pages[1]),
                 (QStringList{"HEB 100", "HEB 120", "HEB 140", "HEB 160", "HEB 180"}));
        // A data source gone leaves a report of no rows.
        report->setDataSource(nullptr);
        QVERIFY(report->run(m_device).pages.isEmpty());
    }

    void filterHonouredAndClosedTableOpened()
    {
        const auto t = table(8);
        t->setFilter([](const Record &row) { return row.asFloat("h") >= 150 && row.asFloat("h") <= 220; });
        t->setFiltered(true);
        t->close();
        const auto report = catalogue(t.get());
        const ReportDocument doc = report->run(m_device);
        QVERIFY(t->isOpen());
        QCOMPARE(designations(doc.pages[0]) + (doc.pages.size() > 1 ? designations(doc.pages[1]) : QStringList()),
                 (QStringList{"HEB 160", "HEB 180", "HEB 200", "HEB 220"}));
        // The filter off again: every row.
        t->setFiltered(false);
        t->refilter();
        int lines = 0;
        for (const ReportPage &page : report->run(m_device).pages)
            lines += designations(page).size();
        QCOMPARE(lines, 8);
    }

    // The detail event changes the band's background line by line, across
    // page breaks, and the before-run event resets it for every run.
    void detailEventRecoloursLines()
    {
        const auto t = table(6);
        const auto report = catalogue(t.get());
        const QColor tint(0xff, 0xff, 0xe1);
        int toggle = 0;
        QList<int> rowsSeen;
        report->setBeforeRun([&] { toggle = 0; });
        report->setBeforeDetail([&](ReportBand &band, int row) {
            toggle = toggle == 0 ? 1 : 0;
            band.setBackground(toggle == 1 ? QColor(Qt::white) : tint);
            rowsSeen << row;
        });
        for (int run = 0; run < 2; ++run) {
            rowsSeen.clear();
            const ReportDocument doc = report->run(m_device);
            QCOMPARE(rowsSeen, (QList<int>{0, 1, 2, 3, 4, 5}));
            QList<QColor> colours;
            for (const ReportPage &page : doc.pages)
                for (const PlacedItem &item : page.items)
                    if (item.kind == PlacedItem::Background && item.band == u"DetailBand1")
                        colours << item.colour;
            QCOMPARE(colours, (QList<QColor>{Qt::white, tint, Qt::white, tint, Qt::white, tint}));
            // The background lies under the line's texts.
            const QList<PlacedItem> &items = doc.pages[0].items;
            qsizetype background = -1;
            qsizetype text = -1;
            for (qsizetype i = items.size() - 1; i >= 0; --i) {
                if (items[i].row != 0)
                    continue;
                if (items[i].kind == PlacedItem::Background)
                    background = i;
                else if (items[i].name == u"QRDBText_Designation")
                    text = i;
            }
            QVERIFY(background >= 0 && text >= 0);
            QVERIFY(background < text);
        }
    }

    // An item placed on the page prints on every page at the same place,
    // measured from the paper's corner, over the bands.
    void itemOnThePageRepeatedOnEveryPage()
    {
        const auto t = table(10);
        const auto report = catalogue(t.get());
        const ReportDocument doc = report->run(m_device);
        QCOMPARE(doc.pages.size(), 3);
        TextMeasure measure(m_device);
        const QFont font = ReportTextItem::reportFont(8);
        const QRectF expected(15, 285, measure.width_mm(font, QStringLiteral("TOLMO")), measure.height_mm(font));
        for (const ReportPage &page : doc.pages) {
            const QList<PlacedItem> marks = page.named(QStringLiteral("PageMarkT"));
            QCOMPARE(marks.size(), 1);
            QCOMPARE(marks[0].rect, expected);
            QVERIFY(marks[0].band.isEmpty());
            QCOMPARE(marks[0].row, -1);
            QCOMPARE(page.items.last().name, QStringLiteral("PageMarkT"));
        }
    }

    void textsSizedToTheirText_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("left, from the left edge") << int(Qt::AlignLeft) << 0.0 << "Designation";
        QTest::newRow("right, to the anchor") << int(Qt::AlignRight) << 0.0 << "Wply";
        QTest::newRow("centred on the anchor") << int(Qt::AlignHCenter) << 0.0 << "dmax bolt";
        QTest::newRow("right in a box") << int(Qt::AlignRight) << 30.0 << "cm3";
        QTest::newRow("centred in a box") << int(Qt::AlignHCenter) << 30.0 << "kg/m";
        QTest::newRow("longer Spanish text") << int(Qt::AlignLeft) << 0.0 << "Propiedades geométricas y mecánicas";
    }

    // A label's rectangle is its text measured with the device's metrics,
    // anchored by its alignment; the version label can be put 2.1 mm after
    // the software name whatever its length.
    void textsSizedToTheirText()
    {
        QFETCH(int, alignment);
        QFETCH(double, width);
        QFETCH(QString, text);
        Report report;
        ReportBand *band = report.addBand(BandKind::PageHeader, QStringLiteral("Band"), 20);
        auto *label = new ReportLabel(band, text);
        label->setObjectName(QStringLiteral("L"));
        label->setFont(ReportTextItem::reportFont(11, false, true));
        label->setAlignment(Qt::Alignment(alignment));
        label->setPosition_mm(40, 3);
        label->setSize_mm(width, 0);
        auto *next = new ReportLabel(band, QStringLiteral("Version 2.01"));
        next->setObjectName(QStringLiteral("Next"));
        report.setBeforeRun([&] {
            next->setPosition_mm(label->textRect_mm(*report.textMeasure(), label->caption()).right() + 2.1, 4);
        });
        report.setPageSetup({QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), true});

        const ReportDocument doc = report.run(m_device);
        QVERIFY(!report.textMeasure());
        const QList<PlacedItem> placed = doc.pages[0].named(QStringLiteral("L"));
        QCOMPARE(placed.size(), 1);
        const QFontMetricsF fm(label->font(), &m_device);
        const double w = fm.horizontalAdvance(text) * 25.4 / 600;
        const double h = fm.height() * 25.4 / 600;
        QVERIFY(qAbs(placed[0].rect.width() - w) < kEps);
        QVERIFY(qAbs(placed[0].rect.height() - h) < kEps);
        const double anchor = 20 + 40;
        if (alignment == Qt::AlignLeft)
            QVERIFY(qAbs(placed[0].rect.left() - anchor) < kEps);
        else if (alignment == Qt::AlignRight)
            QVERIFY(qAbs(placed[0].rect.right() - (anchor + width)) < kEps);
        else
            QVERIFY(qAbs(placed[0].rect.center().x() - (anchor + width / 2)) < kEps);
        QCOMPARE(placed[0].rect.top(), 23.0);
        QCOMPARE(placed[0].text, text);
        QCOMPARE(placed[0].font, label->font());
        const PlacedItem version = doc.pages[0].named(QStringLiteral("Next")).value(0);
        QVERIFY(qAbs(version.rect.left() - placed[0].rect.right() - 2.1) < kEps);
    }

    // With word wrap a label breaks at blanks into lines no wider than its
    // width, one line under the other, each aligned.
    void wordWrap()
    {
        Report report;
        report.setPageSetup({QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), true});
        ReportBand *band = report.addBand(BandKind::Summary, QStringLiteral("Band"), 30);
        const QString note = QStringLiteral(
            "N.B. A42 steel in accordance with Standard NBE EA-95 has no equivalent steel in any of the above designations.");
        auto *label = new ReportLabel(band, note);
        label->setObjectName(QStringLiteral("Note"));
        label->setFont(ReportTextItem::reportFont(8));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignRight);
        label->setPosition_mm(1.3, 1.1);
        label->setSize_mm(60, 0);
        const QList<PlacedItem> lines = report.run(m_device).pages[0].named(QStringLiteral("Note"));
        QVERIFY(lines.size() >= 3);
        QStringList words;
        TextMeasure measure(m_device);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QVERIFY2(lines[i].rect.width() <= 60 + kEps, qPrintable(lines[i].text));
            QVERIFY(qAbs(lines[i].rect.right() - (20 + 1.3 + 60)) < kEps);
            QVERIFY(qAbs(lines[i].rect.top() - (21.1 + i * measure.lineSpacing_mm(label->font()))) < kEps);
            // No line could have taken the next line's first word.
            if (i + 1 < lines.size())
                QVERIFY(measure.width_mm(label->font(), lines[i].text + u' ' + lines[i + 1].text.section(u' ', 0, 0)) > 60);
            words << lines[i].text.split(u' ');
        }
        QCOMPARE(words.join(u' '), note);
    }

    // A field prints with its own display format and the report's decimal
    // separator; a field the table lacks fails the run.
    void dataTextsUseTheFieldFormat()
    {
        const auto t = table(2);
        const auto report = catalogue(t.get());
        ReportDocument doc = report->run(m_device);
        const QList<PlacedItem> tw = doc.pages[0].named(QStringLiteral("QRDBText_tw"));
        const QList<PlacedItem> h = doc.pages[0].named(QStringLiteral("QRDBText_h"));
        QCOMPARE(tw.size(), 2);
        QCOMPARE(tw[0].text, QStringLiteral("6.0")); // "0.0"
        QCOMPARE(tw[1].text, QStringLiteral("6.5"));
        QCOMPARE(h[1].text, QStringLiteral("120")); // "0"
        QCOMPARE(h[1].row, 1);
        // Right-aligned at the anchor, 15 + 43.4 mm from the paper's edge.
        QVERIFY2(qAbs(h[1].rect.right() - 58.4) < kEps, qPrintable(QString::number(h[1].rect.right())));
        QCOMPARE(h[1].band, QStringLiteral("DetailBand1"));
        // Items of other bands belong to no line.
        QCOMPARE(doc.pages[0].named(QStringLiteral("QRLabelSoft")).value(0).row, -1);
        report->setDecimalPoint(u',');
        doc = report->run(m_device);
        QCOMPARE(doc.pages[0].named(QStringLiteral("QRDBText_tw"))[1].text, QStringLiteral("6,5"));

        new ReportDataText(report->band(BandKind::Detail), QStringLiteral("NoSuchField"));
        QVERIFY_THROWS_EXCEPTION(TableError, report->run(m_device));
    }

    void bandBackgroundAndFrame()
    {
        const auto t = table(1);
        const auto report = catalogue(t.get());
        const ReportPage page = report->run(m_device).pages[0];
        const QRectF columns = page.bands[1].rect;
        QList<QRectF> frame;
        QColor background;
        for (const PlacedItem &item : page.named(QStringLiteral("ColumnHeaderBand1"))) {
            if (item.kind == PlacedItem::Frame)
                frame << item.rect;
            else if (item.kind == PlacedItem::Background && item.rect == columns)
                background = item.colour;
        }
        QCOMPARE(background, QColor(0xe3, 0xe3, 0xe3));
        const double w = 25.4 / 96;
        QCOMPARE(frame, (QList<QRectF>{{columns.left(), columns.top(), columns.width(), w},
                                       {columns.left(), columns.bottom() - w, columns.width(), w},
                                       {columns.left(), columns.top(), w, columns.height()},
                                       {columns.right() - w, columns.top(), w, columns.height()}}));
        // The summary is framed on top only; the detail band, transparent,
        // has no background.
        int summaryFrames = 0;
        for (const PlacedItem &item : page.named(QStringLiteral("PageFooterBand1")))
            summaryFrames += item.kind == PlacedItem::Frame;
        QCOMPARE(summaryFrames, 1);
        QVERIFY(page.named(QStringLiteral("DetailBand1")).isEmpty());
    }

    // Fixed pictures are sized to their content and replaceable between
    // runs; pictures of a field fill their box keeping the aspect ratio.
    void pictures()
    {
        const auto t = table(1);
        const auto report = catalogue(t.get());
        ReportPage page = report->run(m_device).pages[0];
        QList<PlacedItem> logo = page.named(QStringLiteral("ImgLogo"));
        QCOMPARE(logo.size(), 1);
        QVERIFY(logo[0].picture.isSvg());
        // The logo declares 54 x 70 CSS pixels.
        QVERIFY(qAbs(logo[0].rect.width() - 54 * 25.4 / 96) < kEps);
        QVERIFY(qAbs(logo[0].rect.height() - 70 * 25.4 / 96) < kEps);
        QCOMPARE(logo[0].rect.topLeft(), QPointF(15 + 160, 20));

        auto *img = report->findChild<ReportPicture *>(QStringLiteral("ImgLogo"));
        img->setPicture(PrintPicture::fromData(png(192, 96)));
        page = report->run(m_device).pages[0];
        logo = page.named(QStringLiteral("ImgLogo"));
        QVERIFY(!logo[0].picture.isSvg());
        // PNG keeps its resolution in whole dots per metre: 3780 for 96 per inch.
        QVERIFY(qAbs(logo[0].rect.width() - 192 * 1000.0 / 3780) < 1e-9);
        QVERIFY(qAbs(logo[0].rect.height() - 96 * 1000.0 / 3780) < 1e-9);
        img->setPicture({});
        QVERIFY(report->run(m_device).pages[0].named(QStringLiteral("ImgLogo")).isEmpty());
    }

    void picturesOfAFieldKeepTheirAspect_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QRectF>("expected"); // in the 100 x 50 mm box at (10, 5) of a band at (20, 20)
        QTest::newRow("wide raster fills the width") << png(400, 100) << QRectF(30, 37.5, 100, 25);
        QTest::newRow("square raster fills the height") << png(100, 100) << QRectF(55, 25, 50, 50);
        QTest::newRow("SVG as vectors")
            << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='20' height='40'><rect width='20' height='40'/></svg>")
            << QRectF(67.5, 25, 25, 50);
        QTest::newRow("empty field: nothing") << QByteArray() << QRectF();
        QTest::newRow("unreadable: nothing") << QByteArray("not a picture") << QRectF();
    }

    void picturesOfAFieldKeepTheirAspect()
    {
        QFETCH(QByteArray, data);
        QFETCH(QRectF, expected);
        fixture::writeTable(m_dir.path(), QStringLiteral("TOLPIC.DB"), decl::TolTable,
                            {{{"Raroda", "H"}, {"Idioma", "EN"}, {"Tolerancia", "Height"}, {"Figura", data}}});
        Table tol(decl::TolTable);
        tol.setDirectory(m_dir.path());
        tol.setFileName(QStringLiteral("TOLPIC.DB"));
        Report report;
        report.setDataSource(&tol);
        report.setPageSetup({QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), false});
        ReportBand *detail = report.addBand(BandKind::Detail, QStringLiteral("DetailBand1"), 60);
        auto *figure = new ReportDataPicture(detail, QStringLiteral("Figura"));
        figure->setObjectName(QStringLiteral("FiguraDB"));
        figure->setPosition_mm(10, 5);
        figure->setSize_mm(100, 50);
        const QList<PlacedItem> placed = report.run(m_device).pages[0].named(QStringLiteral("FiguraDB"));
        if (expected.isNull()) {
            QVERIFY(placed.isEmpty());
            return;
        }
        QCOMPARE(placed.size(), 1);
        QCOMPARE(placed[0].kind, PlacedItem::Picture);
        const QRectF r = placed[0].rect;
        QVERIFY2(qAbs(r.left() - expected.left()) < 1e-3 && qAbs(r.top() - expected.top()) < 1e-3 &&
                     qAbs(r.width() - expected.width()) < 1e-3 && qAbs(r.height() - expected.height()) < 1e-3,
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(r.left()).arg(r.top()).arg(r.width()).arg(r.height())));
    }

    // The report's translator translates its labels' captions, and leaves
    // the values of its fields alone.
    void labelsTranslatedByTheReportsTranslator()
    {
        TIvMemoryDictionary dictionary(nullptr, QStringLiteral("Dictionary1"));
        dictionary.addLanguage(TIvMemoryDictionary::english());
        dictionary.addLanguage(TIvMemoryDictionary::spanish());
        dictionary.setBinding(ivbiLanguageToLocale);
        dictionary.setSubLanguage(0);
        dictionary.setLanguage(0);
        dictionary.setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
        dictionary.addTranslation(QStringLiteral("Designation"), {QStringLiteral("Designation"), QStringLiteral("Designación")});
        dictionary.addTranslation(QStringLiteral("HEB 100"), {QStringLiteral("HEB 100"), QStringLiteral("never")});
        dictionary.open();
        dictionary.setLanguage(2);

        const auto t = table(1);
        const auto report = catalogue(t.get());
        auto *translator = new TIvTranslator(report.get());
        translator->setDictionaryName(QStringLiteral("Dictionary1"));
        translator->setTargetsData(QStringLiteral("(1 3 ('*' 'Hint' 0) ('*' 'Filter' 0) ('*' 'Caption' 0))"));
        translator->loaded();
        ReportPage page = report->run(m_device).pages[0];
        QCOMPARE(page.named(QStringLiteral("DesignationH"))[0].text, QStringLiteral("Designación"));
        QCOMPARE(page.named(QStringLiteral("QRDBText_Designation"))[0].text, QStringLiteral("HEB 100"));
        dictionary.setLanguage(1);
        page = report->run(m_device).pages[0];
        QCOMPARE(page.named(QStringLiteral("DesignationH"))[0].text, QStringLiteral("Designation"));
    }

    void oneBandOfEachKind()
    {
        Report report;
        report.addBand(BandKind::Detail, QStringLiteral("DetailBand1"), 4);
        QVERIFY_THROWS_EXCEPTION(ReportError, report.addBand(BandKind::Detail, QStringLiteral("DetailBand2"), 4));
    }
};

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"
