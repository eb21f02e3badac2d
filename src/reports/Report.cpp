#include "reports/Report.h"

#include "data/DisplayFormat.h"
#include "data/Table.h"
#include "reports/ReportBand.h"
#include "reports/ReportError.h"
#include "reports/ReportItems.h"
#include "reports/ReportLayout.h"
#include "reports/TextMeasure.h"

#include <QPageSize>

Report::Report(QObject *parent) : QObject(parent), m_decimalPoint(display::systemDecimalPoint()) {}

Report::~Report() = default;

QSizeF Report::paper_mm() const
{
    const QSizeF a4 = QPageSize::size(QPageSize::A4, QPageSize::Millimeter);
    return m_page.orientation == QPageLayout::Landscape ? a4.transposed() : a4;
}

double Report::bandWidth_mm() const { return paper_mm().width() - m_page.margins_mm.left() - m_page.margins_mm.right(); }

ReportBand *Report::addBand(BandKind kind, const QString &name, double height_mm)
{
    if (band(kind))
        throw ReportError(QStringLiteral("The report %1 has a band of that kind already: %2").arg(objectName(), name));
    auto *created = new ReportBand(this, kind, height_mm);
    created->setObjectName(name);
    return created;
}

ReportBand *Report::band(BandKind kind) const
{
    for (QObject *child : children())
        if (auto *band = qobject_cast<ReportBand *>(child); band && band->kind() == kind)
            return band;
    return nullptr;
}

QList<ReportItem *> Report::pageItems() const
{
    QList<ReportItem *> items;
    for (QObject *child : children())
        if (auto *item = qobject_cast<ReportItem *>(child))
            items << item;
    return items;
}

ReportDocument Report::run(const QPaintDevice &device, const std::function<void(int percent)> &progress)
{
    return run(device, m_page.orientation, progress);
}

ReportDocument Report::run(const QPaintDevice &device, QPageLayout::Orientation orientation,
                           const std::function<void(int percent)> &progress)
{
    TextMeasure measure(device);
    // The measure is the run's: gone when the run ends, by error or not.
    struct Running {
        TextMeasure *&current;
        ~Running() { current = nullptr; }
    } running{m_measure};
    m_measure = &measure;
    if (m_beforeRun)
        m_beforeRun();
    return ReportLayout(*this, measure, orientation).run(progress);
}
