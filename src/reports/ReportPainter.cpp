#include "reports/ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace reportpaint {

void paintPage(QPainter &painter, const ReportPage &page)
{
    const QPaintDevice *device = painter.device();
    const double sx = device->logicalDpiX() / 25.4;
    const double sy = device->logicalDpiY() / 25.4;
    const auto toDevice = [sx, sy](const QRectF &mm) {
        return QRectF(mm.left() * sx, mm.top() * sy, mm.width() * sx, mm.height() * sy);
    };
    painter.save();
    // Rules and frames a fraction of a screen pixel wide stay visible, grey,
    // in a preview zoomed out; paper and PDF are not affected.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedItem &item : page.items) {
        switch (item.kind) {
        case PlacedItem::Background:
        case PlacedItem::Frame:
        case PlacedItem::Rectangle:
            painter.fillRect(toDevice(item.rect), item.colour);
            break;
        case PlacedItem::Text:
            // A PDF records every change of state: change only what differs.
            if (painter.font() != item.font)
                painter.setFont(item.font);
            if (painter.pen().color() != item.colour)
                painter.setPen(item.colour);
            // At the baseline the layout measured: no text formatting here.
            painter.drawText(QPointF(item.rect.left() * sx, (item.rect.top() + item.baseline_mm) * sy), item.text);
            break;
        case PlacedItem::Picture:
            item.picture.paint(painter, toDevice(item.rect));
            break;
        }
    }
    painter.restore();
}

bool paintPages(QPainter &painter, QPagedPaintDevice &device, const ReportDocument &document)
{
    for (qsizetype i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintPage(painter, document.pages.at(i));
    }
    return true;
}

} // namespace reportpaint
