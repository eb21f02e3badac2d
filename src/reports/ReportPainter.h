#pragma once

#include "reports/ReportDocument.h"

class QPagedPaintDevice;
class QPainter;

// Painting a laid-out report: the one place where a report meets a painter.
// Millimetres become device units by the device's own resolution; the
// painter's origin must be the paper's corner (a full-page printer, a PDF
// writer without margins).
namespace reportpaint {

void paintPage(QPainter &painter, const ReportPage &page);

// Paints every page, starting a new page of the device between them. The
// painter is active on the device. Answers false when the device refuses a
// new page.
bool paintPages(QPainter &painter, QPagedPaintDevice &device, const ReportDocument &document);

} // namespace reportpaint
