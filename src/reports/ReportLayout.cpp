#include "reports/ReportLayout.h"

#include "data/Table.h"
#include "reports/Report.h"
#include "reports/ReportBand.h"
#include "reports/ReportItems.h"

#include <QPageSize>

ReportLayout::ReportLayout(Report &report, TextMeasure &measure, QPageLayout::Orientation orientation)
    : m_report(report), m_measure(measure)
{
    m_document.title = report.title();
    m_document.orientation = orientation;
    const QSizeF a4 = QPageSize::size(QPageSize::A4, QPageSize::Millimeter);
    m_document.paper_mm = orientation == QPageLayout::Landscape ? a4.transposed() : a4;
    const QMarginsF &margins = report.pageSetup().margins_mm;
    m_top = margins.top();
    m_bottom = m_document.paper_mm.height() - margins.bottom();
}

double ReportLayout::height(const ReportBand *band) const { return band ? band->height_mm() : 0; }

bool ReportLayout::fits(const ReportBand *band) const { return m_y + height(band) <= m_bottom + 1e-9; }

void ReportLayout::placeBand(ReportBand &band, int row)
{
    const QMarginsF &margins = m_report.pageSetup().margins_mm;
    const QRectF rect(margins.left(), m_y, m_document.paper_mm.width() - margins.left() - margins.right(),
                      band.height_mm());
    ReportPage &page = m_document.pages.last();
    page.bands.append({band.objectName(), band.kind(), rect, row});

    PlaceContext context;
    context.measure = &m_measure;
    context.table = m_report.dataSource();
    context.row = row >= 0 ? row : m_lastRow;
    context.detailRow = row;
    context.decimalPoint = m_report.decimalPoint();
    context.band = band.objectName();
    context.origin_mm = rect.topLeft();

    const auto bandPart = [&](PlacedItem::Kind kind, const QRectF &r, const QColor &colour) {
        PlacedItem item;
        item.kind = kind;
        item.name = band.objectName();
        item.band = band.objectName();
        item.rect = r;
        item.colour = colour;
        item.row = row;
        page.items.append(item);
    };
    if (band.background().isValid() && band.background().alpha() > 0)
        bandPart(PlacedItem::Background, rect, band.background());
    for (QObject *child : band.children()) {
        auto *item = qobject_cast<ReportItem *>(child);
        if (item && item->isEnabled())
            item->place(context, page.items);
    }
    // The frame goes over the items, inside the band's rectangle.
    const double w = band.frameWidth_mm();
    const Qt::Edges frame = band.frame();
    if (frame & Qt::TopEdge)
        bandPart(PlacedItem::Frame, {rect.left(), rect.top(), rect.width(), w}, band.frameColour());
    if (frame & Qt::BottomEdge)
        bandPart(PlacedItem::Frame, {rect.left(), rect.bottom() - w, rect.width(), w}, band.frameColour());
    if (frame & Qt::LeftEdge)
        bandPart(PlacedItem::Frame, {rect.left(), rect.top(), w, rect.height()}, band.frameColour());
    if (frame & Qt::RightEdge)
        bandPart(PlacedItem::Frame, {rect.right() - w, rect.top(), w, rect.height()}, band.frameColour());
    m_y += band.height_mm();
}

void ReportLayout::finishPage()
{
    PlaceContext context;
    context.measure = &m_measure;
    context.table = m_report.dataSource();
    context.row = m_lastRow;
    context.decimalPoint = m_report.decimalPoint();
    for (ReportItem *item : m_report.pageItems())
        if (item->isEnabled())
            item->place(context, m_document.pages.last().items);
}

void ReportLayout::newPage()
{
    if (!m_document.pages.isEmpty())
        finishPage();
    m_document.pages.append(ReportPage{});
    m_y = m_top;
    m_detailOnPage = false;
    if (m_document.pages.size() == 1)
        if (ReportBand *title = m_report.band(BandKind::Title))
            placeBand(*title, -1);
    if (ReportBand *header = m_report.band(BandKind::PageHeader))
        placeBand(*header, -1);
    if (ReportBand *columns = m_report.band(BandKind::ColumnHeader))
        placeBand(*columns, -1);
}

ReportDocument ReportLayout::run(const std::function<void(int percent)> &progress)
{
    Table *table = m_report.dataSource();
    if (table && !table->isOpen())
        table->open();
    for (QObject *band : m_report.children())
        for (QObject *child : band->children())
            if (auto *item = qobject_cast<ReportItem *>(child))
                item->prepare(table);
    for (ReportItem *item : m_report.pageItems())
        item->prepare(table);

    const int rows = table ? table->recordCount() : 0;
    if (rows == 0 && !m_report.pageSetup().printIfEmpty) {
        if (progress)
            progress(100);
        return m_document;
    }
    m_lastRow = rows > 0 ? 0 : -1;
    newPage();
    ReportBand *detail = m_report.band(BandKind::Detail);
    for (int row = 0; row < rows && detail; ++row) {
        // A line taller than a whole page still prints, alone on its page.
        if (!fits(detail) && m_detailOnPage)
            newPage();
        if (m_report.m_beforeDetail)
            m_report.m_beforeDetail(*detail, row);
        m_lastRow = row;
        placeBand(*detail, row);
        m_detailOnPage = true;
        if (progress)
            progress(int((row + 1) * 100LL / rows));
    }
    if (ReportBand *summary = m_report.band(BandKind::Summary)) {
        if (!fits(summary) && m_detailOnPage)
            newPage();
        placeBand(*summary, -1);
    }
    finishPage();
    if (progress)
        progress(100);
    return std::move(m_document);
}
