#pragma once

// A small catalogue-like report over a small section table, shared by the
// report engine's tests.
#include "browse/Art.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "reports/Report.h"
#include "reports/ReportBand.h"
#include "reports/ReportItems.h"
#include "support/Fixture.h"

#include <QImage>
#include <QPalette>

#include <memory>

namespace reportfixture {

// n HEB rows, "HEB 100", "HEB 120", ...: h = 100 + 20 i, tw = 6 + i / 2.
inline QList<QVariantMap> hebRows(int n)
{
    QList<QVariantMap> rows;
    for (int i = 0; i < n; ++i) {
        const double h = 100 + 20 * i;
        rows << fixture::heRow(QStringLiteral("HEB %1").arg(h), h, h, 6 + i * 0.5, 10 + i, 12);
    }
    return rows;
}

// A table of the fixture rows, opened.
inline std::unique_ptr<Table> hebTable(const QString &dir, const QString &file)
{
    auto table = std::make_unique<Table>(decl::iLamParTable);
    table->setDirectory(dir);
    table->setFileName(file);
    table->open();
    return table;
}

// A device to lay out for: 600 per inch, like a laser printer.
inline QImage device600()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(600 / 0.0254));
    image.setDotsPerMeterY(qRound(600 / 0.0254));
    return image;
}

struct Heights {
    double title = 0; // 0: no title band
    double pageHeader = 30;
    double columnHeader = 10;
    double detail = 50;
    double summary = 20; // 0: no summary band
};

// A4 portrait, margins 15 mm left and right, 20 mm top and bottom (257 mm
// of bands a page): page header with the software name, version, rule and
// title; a grey column header framed on all sides; detail lines with the
// designation and two values right-aligned at their anchors; a summary with
// the closing note; a mark placed on the page.
inline std::unique_ptr<Report> catalogue(Table *table, const Heights &heights = {})
{
    auto report = std::make_unique<Report>();
    report->setObjectName(QStringLiteral("FixtureReport"));
    PageSetup page;
    page.orientation = QPageLayout::Portrait;
    page.margins_mm = QMarginsF(15, 20, 15, 20);
    report->setPageSetup(page);
    report->setDataSource(table);
    report->setDecimalPoint(u'.');

    if (heights.title > 0) {
        ReportBand *title = report->addBand(BandKind::Title, QStringLiteral("TitleBand1"), heights.title);
        auto *t = new ReportLabel(title, QStringLiteral("Catalogue of HEB Sections"));
        t->setObjectName(QStringLiteral("TitleT"));
        t->setPosition_mm(2, 2);
    }

    ReportBand *header = report->addBand(BandKind::PageHeader, QStringLiteral("PageHeaderBand1"), heights.pageHeader);
    header->setBackground(Qt::white);
    auto *soft = new ReportLabel(header, QStringLiteral("Raroda TOLMO Dudovavidira"));
    soft->setObjectName(QStringLiteral("QRLabelSoft"));
    soft->setFont(ReportTextItem::reportFont(16, true, true));
    soft->setPosition_mm(1.6, 6.3);
    auto *version = new ReportLabel(header, QStringLiteral("Version 2.01"));
    version->setObjectName(QStringLiteral("QRLabelVersion"));
    version->setPosition_mm(100, 7.9);
    auto *rule = new ReportShape(header);
    rule->setObjectName(QStringLiteral("Rule1"));
    rule->setPosition_mm(1.7, 12.2);
    rule->setSize_mm(150, 0.3);
    auto *logo = new ReportPicture(header, PrintPicture::fromFile(art::resourcePath(QStringLiteral("logo-en"))));
    logo->setObjectName(QStringLiteral("ImgLogo"));
    logo->setPosition_mm(160, 0);

    ReportBand *columns =
        report->addBand(BandKind::ColumnHeader, QStringLiteral("ColumnHeaderBand1"), heights.columnHeader);
    columns->setBackground(QColor(0xe3, 0xe3, 0xe3));
    columns->setFrame(Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    const struct {
        const char *name, *symbol;
        double anchor;
        Qt::Alignment alignment;
    } headings[] = {{"DesignationH", "Designation", 4.2, Qt::AlignLeft},
                    {"hH", "h", 43.4, Qt::AlignRight},
                    {"twH", "tw", 61.1, Qt::AlignRight}};
    for (const auto &h : headings) {
        auto *l = new ReportLabel(columns, QString::fromLatin1(h.symbol));
        l->setObjectName(QString::fromLatin1(h.name));
        l->setFont(ReportTextItem::reportFont(7, true));
        l->setAlignment(h.alignment);
        l->setPosition_mm(h.anchor, 1.6);
    }

    ReportBand *detail = report->addBand(BandKind::Detail, QStringLiteral("DetailBand1"), heights.detail);
    const struct {
        const char *field;
        double anchor;
        Qt::Alignment alignment;
    } values[] = {{"Designation", 4.2, Qt::AlignLeft}, {"h", 43.4, Qt::AlignRight}, {"tw", 61.1, Qt::AlignRight}};
    for (const auto &v : values) {
        auto *t = new ReportDataText(detail, QString::fromLatin1(v.field));
        t->setObjectName(QStringLiteral("QRDBText_") + QString::fromLatin1(v.field));
        t->setFont(ReportTextItem::reportFont(7));
        t->setAlignment(v.alignment);
        t->setPosition_mm(v.anchor, 0.3);
    }

    if (heights.summary > 0) {
        ReportBand *summary = report->addBand(BandKind::Summary, QStringLiteral("PageFooterBand1"), heights.summary);
        summary->setFrame(Qt::TopEdge);
        auto *note = new ReportLabel(summary, QStringLiteral("(*) - Available on request"));
        note->setObjectName(QStringLiteral("NoteT"));
        note->setPosition_mm(1.3, 1.1);
    }

    auto *mark = new ReportLabel(report.get(), QStringLiteral("TOLMO"));
    mark->setObjectName(QStringLiteral("PageMarkT"));
    mark->setFont(ReportTextItem::reportFont(8));
    mark->setPosition_mm(15, 285);
    return report;
}

// The names of a page's bands, in printing order.
inline QStringList bandNames(const ReportPage &page)
{
    QStringList names;
    for (const PlacedBand &b : page.bands)
        names << b.name;
    return names;
}

// The designations printed on a page, in order.
inline QStringList designations(const ReportPage &page)
{
    QStringList texts;
    for (const PlacedItem &item : page.named(QStringLiteral("QRDBText_Designation")))
        texts << item.text;
    return texts;
}

} // namespace reportfixture
