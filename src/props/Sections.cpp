#include "props/Sections.h"

#include <cmath>

namespace props {

namespace {

// The length a rounding of radius r takes from each side of the corner
// prev -> p -> next (as Outline::fromCorners lays it).
double tangentLength(Point prev, Point p, Point next, double r)
{
    const double d1x = p.x - prev.x, d1y = p.y - prev.y;
    const double d2x = next.x - p.x, d2y = next.y - p.y;
    const double cross = d1x * d2y - d1y * d2x;
    const double dot = d1x * d2x + d1y * d2y;
    return r * std::tan(std::atan2(std::fabs(cross), dot) / 2);
}

} // namespace

FlangeTaper ipnTaper(double b) { return {0.14, b / 4}; }

FlangeTaper upnTaper(double h, double b, double tw)
{
    if (h <= 300)
        return {0.08, b / 2};
    return {0.05, tw + (b - tw) / 2};
}

SectionShape parallelFlangeI(double h, double b, double tw, double tf, double r)
{
    const double yi = h / 2 - tf; // inner flange face
    SectionShape s;
    s.outline = Outline::fromCorners({
        {{-b / 2, -h / 2}, 0}, {{b / 2, -h / 2}, 0},  {{b / 2, -yi}, 0},   {{tw / 2, -yi}, r},
        {{tw / 2, yi}, r},     {{b / 2, yi}, 0},      {{b / 2, h / 2}, 0}, {{-b / 2, h / 2}, 0},
        {{-b / 2, yi}, 0},     {{-tw / 2, yi}, r},    {{-tw / 2, -yi}, r}, {{-b / 2, -yi}, 0},
    });
    s.webDepth = h - 2 * tf - 2 * r;
    return s;
}

SectionShape taperedFlangeI(double h, double b, double tw, double tf, double r1, double r2)
{
    const FlangeTaper taper = ipnTaper(b);
    // The inner face of the upper flange at distance x from the web axis.
    const auto face = [&](double x) { return h / 2 - taper.thickness(tf, x); };
    const Point root{tw / 2, face(tw / 2)}, toe{b / 2, face(b / 2)};
    SectionShape s;
    s.outline = Outline::fromCorners({
        {{-b / 2, -h / 2}, 0},       {{b / 2, -h / 2}, 0},          {{toe.x, -toe.y}, r2},
        {{root.x, -root.y}, r1},     {{root.x, root.y}, r1},         {{toe.x, toe.y}, r2},
        {{b / 2, h / 2}, 0},         {{-b / 2, h / 2}, 0},           {{-toe.x, toe.y}, r2},
        {{-root.x, root.y}, r1},     {{-root.x, -root.y}, r1},       {{-toe.x, -toe.y}, r2},
    });
    const double rootTangent = tangentLength({root.x, -root.y}, root, toe, r1);
    s.webDepth = 2 * (root.y - rootTangent);
    return s;
}

SectionShape taperedFlangeChannel(double h, double b, double tw, double tf, double r1, double r2, double heelRadius)
{
    const FlangeTaper taper = upnTaper(h, b, tw);
    const auto face = [&](double x) { return h / 2 - taper.thickness(tf, x); };
    const Point root{tw, face(tw)}, toe{b, face(b)};
    SectionShape s;
    s.outline = Outline::fromCorners({
        {{0, -h / 2}, heelRadius},
        {{b, -h / 2}, 0},
        {{toe.x, -toe.y}, r2},
        {{root.x, -root.y}, r1},
        {{root.x, root.y}, r1},
        {{toe.x, toe.y}, r2},
        {{b, h / 2}, 0},
        {{0, h / 2}, heelRadius},
    });
    const double rootTangent = tangentLength({root.x, -root.y}, root, toe, r1);
    s.webDepth = 2 * (root.y - rootTangent);
    return s;
}

SectionShape equalLegAngle(double h, double t, double r1, double r2)
{
    SectionShape s;
    s.outline = Outline::fromCorners({
        {{0, 0}, 0},
        {{h, 0}, 0},
        {{h, t}, r2},
        {{t, t}, r1},
        {{t, h}, r2},
        {{0, h}, 0},
    });
    s.webDepth = 0;
    return s;
}

ExactProps exactProperties(const Outline &outline)
{
    const PlaneProperties p = planeProperties(outline);
    ExactProps e;
    e.A = p.area / 1e2;
    e.Iy = p.Ixx / 1e4;
    e.Iz = p.Iyy / 1e4;
    e.Wply = p.WplX / 1e3;
    e.Wplz = p.WplY / 1e3;
    e.AL = p.perimeter / 1e3;
    e.xc = p.xc / 10;
    return e;
}

} // namespace props
