#include "cad/SectionDrawing.h"

#include "data/Record.h"
#include "data/SectionFamily.h"
#include "i18n/TranslateString.h"
#include "props/Constants.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace cad {

namespace {

[[noreturn]] void noOutline(const QString &designation)
{
    throw std::runtime_error(TranslateString(QStringLiteral("The outline of %1 cannot be drawn from its dimensions."))
                                 .arg(designation)
                                 .toStdString());
}

bool finite(props::Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// The axis through the origin along the unit direction d, reaching past the
// outline's box by margin at either end.
AxisLine axisAlong(const QString &name, double dx, double dy, const props::Box &box, double margin)
{
    double lo = 1e300, hi = -1e300;
    for (double x : {box.xmin, box.xmax}) {
        for (double y : {box.ymin, box.ymax}) {
            const double t = x * dx + y * dy;
            lo = std::min(lo, t);
            hi = std::max(hi, t);
        }
    }
    lo -= margin;
    hi += margin;
    return {name, {lo * dx, lo * dy}, {hi * dx, hi * dy}};
}

} // namespace

SectionDrawing drawingOf(const QString &designation, const props::Outline &placed)
{
    if (placed.edges().empty())
        noOutline(designation);
    for (const props::Edge &e : placed.edges()) {
        if (!finite(e.p0) || !finite(e.p1) || (e.arc && (!finite(e.centre) || !(e.radius > 0))))
            noOutline(designation);
    }
    const props::AreaIntegrals s = placed.integrals();
    if (!(s.area > 0) || !std::isfinite(s.area))
        noOutline(designation);

    SectionDrawing d;
    d.designation = designation;
    d.outline = placed.translated(-s.mx / s.area, -s.my / s.area);
    const props::Box box = d.outline.bounds();
    const double size = std::max(box.xmax - box.xmin, box.ymax - box.ymin);
    const double margin = std::max(5.0, 0.1 * size);
    d.axes.push_back(axisAlong(QStringLiteral("y"), 1, 0, box, margin));
    d.axes.push_back(axisAlong(QStringLiteral("z"), 0, 1, box, margin));

    // About the centroid: Ixx = int y^2, Iyy = int x^2, Ixy = int x y. The
    // second moment about the axis at angle phi is
    //   I(phi) = Ixx cos^2 phi - 2 Ixy sin phi cos phi + Iyy sin^2 phi,
    // extreme where tan 2 phi = -2 Ixy / (Ixx - Iyy).
    const props::AreaIntegrals c = d.outline.integrals();
    const double Ixx = c.myy, Iyy = c.mxx, Ixy = c.mxy;
    if (std::fabs(Ixy) > 1e-9 * (Ixx + Iyy)) {
        const auto I = [&](double phi) {
            const double cs = std::cos(phi), sn = std::sin(phi);
            return Ixx * cs * cs - 2 * Ixy * sn * cs + Iyy * sn * sn;
        };
        double u = 0.5 * std::atan2(-2 * Ixy, Ixx - Iyy);
        if (I(u) < I(u + props::kPi / 2))
            u += props::kPi / 2;
        const double v = u + props::kPi / 2;
        d.axes.push_back(axisAlong(QStringLiteral("u"), std::cos(u), std::sin(u), box, margin));
        d.axes.push_back(axisAlong(QStringLiteral("v"), std::cos(v), std::sin(v), box, margin));
    }

    d.extent = box;
    for (const AxisLine &a : d.axes) {
        for (props::Point p : {a.from, a.to}) {
            d.extent.xmin = std::min(d.extent.xmin, p.x);
            d.extent.xmax = std::max(d.extent.xmax, p.x);
            d.extent.ymin = std::min(d.extent.ymin, p.y);
            d.extent.ymax = std::max(d.extent.ymax, p.y);
        }
    }
    return d;
}

SectionDrawing sectionDrawing(const FamilyInfo &family, const Record &row)
{
    const QString designation = row.asText("Designation");
    props::Outline outline;
    try {
        outline = family.kind->outline(row).outline;
    } catch (const std::invalid_argument &) {
        noOutline(designation);
    }
    if (family.kind->sheetUpsideDown)
        outline = outline.mirrored();
    return drawingOf(designation, outline);
}

} // namespace cad
