// A catalogue of 80 sections on three landscape pages: laid out and written
// as PDF, as the preview's Save as PDF and the command line do. The layout
// is a property catalogue's: a page header with texts, a rule and the logo,
// a framed column header of symbols and units, 26 values a line with
// alternating line colours, and a closing note.
#include "TableFileWriter.h"
#include "browse/Art.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "reports/Report.h"
#include "reports/ReportBand.h"
#include "reports/ReportItems.h"
#include "reports/ReportOutput.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString writeFixture(const QTemporaryDir &dir)
{
    QList<QVariantList> rows;
    for (int i = 0; i < 80; ++i) {
        const double h = 100 + 20 * i;
        rows.append({QStringLiteral("(*)"), QStringLiteral("HEB %1").arg(h), h, 300.0, 6 + i * 0.1, 10 + i * 0.2, 27.0,
                     QStringLiteral("120"), QStringLiteral("150"), QStringLiteral("M27")});
    }
    tablefile::write(QDir(dir.path()).filePath("HEB.DB"), "rows", tablefile::storedColumns(decl::iLamParTable), rows);
    return dir.path();
}

struct Column {
    const char *field;
    const char *symbol;
    const char *unit;
    double anchor;
};

const Column kColumns[] = {
    {"M", "M", "kg/m", 25.1},      {"P", "P", "kN/m", 35.2},       {"h", "h", "mm", 43.4},
    {"b", "b", "mm", 51.9},        {"tw", "tw", "mm", 61.1},       {"tf", "tf", "mm", 70.1},
    {"R", "r", "mm", 77.5},        {"d", "d", "mm", 85.2},         {"hi", "hi", "mm", 93.6},
    {"A", "A", "cm2", 104.0},      {"Iy", "Iy", "cm4", 115.3},     {"Wy", "Wy", "cm3", 127.0},
    {"ry", "iy", "cm", 137.0},     {"Wply", "Wply", "cm3", 147.9}, {"Iz", "Iz", "cm4", 158.2},
    {"Wz", "Wz", "cm3", 168.5},    {"rz", "iz", "cm", 177.5},      {"Wplz", "Wplz", "cm3", 188.4},
    {"It", "It", "cm4", 199.8},    {"Iw", "Iw", "cm6", 215.6},     {"AL", "AL", "m2/m", 225.7},
    {"AG", "AG", "m2/t", 234.4},   {"Avz", "Avz", "cm2", 243.2},   {"Sy", "Sy", "cm3", 253.7},
    {"ssy", "sy", "cm", 262.2},
};

std::unique_ptr<Report> catalogue(Table *table)
{
    auto report = std::make_unique<Report>();
    report->setPageSetup({QPageLayout::Landscape, QMarginsF(15, 25, 15, 15), true});
    report->setDataSource(table);
    report->setTitle(QStringLiteral("Raroda TOLMO Dudovavidira 2.01"));

    ReportBand *header = report->addBand(BandKind::PageHeader, "PageHeaderBand1", 40);
    const auto label = [](QObject *band, const QString &text, double left, double top, QFont font,
                          Qt::Alignment alignment = Qt::AlignLeft) {
        auto *l = new ReportLabel(band, text);
        l->setFont(font);
        l->setAlignment(alignment);
        l->setPosition_mm(left, top);
        return l;
    };
    label(header, "Raroda TOLMO Dudovavidira", 1.6, 6.3, ReportTextItem::reportFont(16, true, true));
    label(header, "Version 2.01", 80, 7.9, ReportTextItem::reportFont(10));
    label(header, "Catalogue of HEB Sections", 1.6, 14.3, ReportTextItem::reportFont(12));
    label(header, "Geometrical and Mechanical Properties", 1.6, 19.3, ReportTextItem::reportFont(11, false, true));
    label(header, "HEB Sections", 31.2, 25.5, ReportTextItem::reportFont(30, true));
    auto *rule = new ReportShape(header);
    rule->setPosition_mm(1.7, 12.2);
    rule->setSize_mm(246, 0.3);
    auto *logo = new ReportPicture(header, PrintPicture::fromFile(art::resourcePath("logo-en")));
    logo->setPosition_mm(249.8, -0.8);
    auto *drawing = new ReportPicture(header, PrintPicture::fromFile(art::resourcePath("sheet-prop-he")));
    drawing->setPosition_mm(122.2, 1);
    drawing->setSize_mm(40, 38);

    ReportBand *columns = report->addBand(BandKind::ColumnHeader, "ColumnHeaderBand1", 9.3);
    columns->setBackground(QColor(0xe3, 0xe3, 0xe3));
    columns->setFrame(Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    label(columns, "Designation", 4.2, 1.6, ReportTextItem::reportFont(7, true));
    ReportBand *detail = report->addBand(BandKind::Detail, "DetailBand1", 3.7);
    const auto value = [detail](const char *field, double anchor, Qt::Alignment alignment) {
        auto *t = new ReportDataText(detail, field);
        t->setFont(ReportTextItem::reportFont(7));
        t->setAlignment(alignment);
        t->setPosition_mm(anchor, 0.3);
    };
    value("Supply", 3.4, Qt::AlignRight);
    value("Designation", 4.2, Qt::AlignLeft);
    for (const Column &c : kColumns) {
        label(columns, c.symbol, c.anchor, 1.6, ReportTextItem::reportFont(7, true), Qt::AlignRight);
        label(columns, c.unit, c.anchor, 4.8, ReportTextItem::reportFont(7), Qt::AlignRight);
        value(c.field, c.anchor, Qt::AlignRight);
    }
    ReportBand *summary = report->addBand(BandKind::Summary, "PageFooterBand1", 5.8);
    summary->setFrame(Qt::TopEdge);
    label(summary, "(*) - Available on request", 1.3, 1.1, ReportTextItem::reportFont(8));

    auto toggle = std::make_shared<int>(0);
    report->setBeforeRun([toggle] { *toggle = 0; });
    report->setBeforeDetail([toggle](ReportBand &band, int) {
        *toggle = *toggle == 0 ? 1 : 0;
        band.setBackground(*toggle == 1 ? QColor(Qt::white) : QColor(0xff, 0xff, 0xe1));
    });
    return report;
}

} // namespace

static void BM_Catalogue80RowsToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    Table table(decl::iLamParTable);
    table.setDirectory(writeFixture(dir));
    table.setFileName("HEB.DB");
    table.open();
    const auto report = catalogue(&table);
    const QString path = QDir(dir.path()).filePath("catalogue.pdf");
    for (auto _ : state)
        reportoutput::writePdf(*report, path);
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    state.counters["pages"] = double(report->run(device).pages.size());
}
BENCHMARK(BM_Catalogue80RowsToPdf)->Unit(benchmark::kMillisecond);

// The layout alone, for the preview's metrics.
static void BM_Catalogue80RowsLayout(benchmark::State &state)
{
    QTemporaryDir dir;
    Table table(decl::iLamParTable);
    table.setDirectory(writeFixture(dir));
    table.setFileName("HEB.DB");
    table.open();
    const auto report = catalogue(&table);
    QImage device(8, 8, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    for (auto _ : state)
        benchmark::DoNotOptimize(report->run(device).pages.size());
}
BENCHMARK(BM_Catalogue80RowsLayout)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
