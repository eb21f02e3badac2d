#include "props/Outline.h"

#include "props/Constants.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace props {

namespace {

Point at(Point c, double r, double a) { return {c.x + r * std::cos(a), c.y + r * std::sin(a)}; }

// The triangle spanned by the origin and a directed chord p -> q: summed over
// a closed boundary these give the integrals of the enclosed area (the
// classical polygon formulas).
AreaIntegrals chord(Point p, Point q)
{
    const double cross = p.x * q.y - q.x * p.y;
    AreaIntegrals r;
    r.area = cross / 2;
    r.mx = cross * (p.x + q.x) / 6;
    r.my = cross * (p.y + q.y) / 6;
    r.mxx = cross * (p.x * p.x + p.x * q.x + q.x * q.x) / 12;
    r.myy = cross * (p.y * p.y + p.y * q.y + q.y * q.y) / 12;
    r.mxy = cross * (2 * p.x * p.y + p.x * q.y + q.x * p.y + 2 * q.x * q.y) / 24;
    return r;
}

// u - sin u, by its series where the difference would lose digits.
double uMinusSin(double u)
{
    if (std::fabs(u) > 0.5)
        return u - std::sin(u);
    double term = u * u * u / 6, sum = 0;
    for (int k = 1; k < 12; ++k) {
        sum += term;
        term *= -u * u / ((2 * k + 2) * (2 * k + 3));
    }
    return sum;
}

// alpha/4 - sin(2 alpha)/6 + sin(4 alpha)/48, whose terms cancel up to the
// fifth power of a small alpha: its series there.
double crossFactor(double alpha)
{
    if (alpha > 0.3)
        return alpha / 4 - std::sin(2 * alpha) / 6 + std::sin(4 * alpha) / 48;
    double sum = 0, power = alpha * alpha * alpha * alpha * alpha, factorial = 120, two = 32, four = 1024;
    for (int k = 2; k < 12; ++k) {
        sum += (k % 2 == 0 ? 1 : -1) * power / factorial * (four / 48 - two / 6);
        power *= alpha * alpha;
        factorial *= (2 * k + 2) * (2 * k + 3);
        two *= 4;
        four *= 16;
    }
    return sum;
}

// The circular segment between an arc and its chord. In coordinates u along
// the bisector of the arc and v across it, with half-angle alpha (sector
// less the triangle centre-p-q):
//   area       = r^2 (alpha - sin alpha cos alpha)          = r^2 (2 alpha - sin 2 alpha) / 2
//   int u dA   = 2/3 r^3 sin^3 alpha,                        int v dA = int u v dA = 0
//   int u^2 dA = r^4/8 (2 alpha + sin 2 alpha) - r^4 cos^3 alpha sin alpha / 2 = r^4 (4 alpha - sin 4 alpha) / 16
//   int v^2 dA = r^4/8 (2 alpha - sin 2 alpha) - r^4 sin^3 alpha cos alpha / 6
//              = r^4 (alpha/4 - sin 2 alpha / 6 + sin 4 alpha / 48)
// then turned and moved to the centre. The second forms keep their digits
// for the slivers that clipping cuts off near a tangent.
AreaIntegrals segment(Point c, double r, double a0, double a1)
{
    const double alpha = std::fabs(a1 - a0) / 2;
    const double beta = (a0 + a1) / 2;
    const double sa = std::sin(alpha);
    const double r2 = r * r, r3 = r2 * r, r4 = r2 * r2;
    const double A = r2 * uMinusSin(2 * alpha) / 2;
    const double U1 = 2.0 / 3.0 * r3 * sa * sa * sa;
    const double U2 = r4 * uMinusSin(4 * alpha) / 16;
    const double V2 = r4 * crossFactor(alpha);
    const double cb = std::cos(beta), sb = std::sin(beta);
    AreaIntegrals s;
    s.area = A;
    s.mx = c.x * A + cb * U1;
    s.my = c.y * A + sb * U1;
    s.mxx = c.x * c.x * A + 2 * c.x * cb * U1 + cb * cb * U2 + sb * sb * V2;
    s.myy = c.y * c.y * A + 2 * c.y * sb * U1 + sb * sb * U2 + cb * cb * V2;
    s.mxy = c.x * c.y * A + (c.x * sb + c.y * cb) * U1 + cb * sb * (U2 - V2);
    return s;
}

// An arc contributes its chord plus the segment it bulges over; a
// clockwise arc takes the segment away.
AreaIntegrals arcIntegrals(Point c, double r, double a0, double a1)
{
    AreaIntegrals s = chord(at(c, r, a0), at(c, r, a1));
    AreaIntegrals seg = segment(c, r, a0, a1);
    const double sign = a1 >= a0 ? 1.0 : -1.0;
    s.area += sign * seg.area;
    s.mx += sign * seg.mx;
    s.my += sign * seg.my;
    s.mxx += sign * seg.mxx;
    s.myy += sign * seg.myy;
    s.mxy += sign * seg.mxy;
    return s;
}

// The angles strictly inside the sweep a0 -> a1 at which sin(angle) = s,
// in the order the sweep meets them.
std::vector<double> anglesWhereSin(double s, double a0, double a1)
{
    std::vector<double> found;
    if (s <= -1 || s >= 1)
        return found;
    const double base[2] = {std::asin(s), kPi - std::asin(s)};
    const double lo = std::min(a0, a1), hi = std::max(a0, a1);
    for (double b : base) {
        // Every turn of b that falls inside the sweep.
        double a = b + 2 * kPi * std::ceil((lo - b) / (2 * kPi));
        for (; a < hi; a += 2 * kPi) {
            if (a > lo)
                found.push_back(a);
        }
    }
    std::sort(found.begin(), found.end());
    if (a1 < a0)
        std::reverse(found.begin(), found.end());
    return found;
}

} // namespace

AreaIntegrals &AreaIntegrals::operator+=(const AreaIntegrals &o)
{
    area += o.area;
    mx += o.mx;
    my += o.my;
    mxx += o.mxx;
    myy += o.myy;
    mxy += o.mxy;
    return *this;
}

Outline::Outline(std::vector<Edge> edges) : m_edges(std::move(edges)) { splitMonotone(); }

Outline Outline::fromCorners(const std::vector<Corner> &corners)
{
    const size_t n = corners.size();
    if (n < 3)
        throw std::invalid_argument("an outline needs at least three corners");
    struct Rounding {
        Point in, out; // where the outline reaches and leaves the corner
        bool arc = false;
        Point centre;
        double radius = 0, a0 = 0, a1 = 0;
        double tangent = 0; // length taken from each side
    };
    std::vector<Rounding> round(n);
    for (size_t i = 0; i < n; ++i) {
        const Point p = corners[i].p;
        const Point prev = corners[(i + n - 1) % n].p;
        const Point next = corners[(i + 1) % n].p;
        Rounding &k = round[i];
        k.in = k.out = p;
        const double r = corners[i].radius;
        if (r <= 0)
            continue;
        double d1x = p.x - prev.x, d1y = p.y - prev.y;
        double d2x = next.x - p.x, d2y = next.y - p.y;
        const double l1 = std::hypot(d1x, d1y), l2 = std::hypot(d2x, d2y);
        d1x /= l1, d1y /= l1, d2x /= l2, d2y /= l2;
        const double cross = d1x * d2y - d1y * d2x;
        const double dot = d1x * d2x + d1y * d2y;
        const double turn = std::atan2(std::fabs(cross), dot); // deflection of the outline at the corner
        if (turn <= 0)
            continue;
        k.tangent = r * std::tan(turn / 2);
        k.in = {p.x - d1x * k.tangent, p.y - d1y * k.tangent};
        k.out = {p.x + d2x * k.tangent, p.y + d2y * k.tangent};
        // The centre lies on the side the outline turns to.
        const double side = cross > 0 ? 1.0 : -1.0;
        k.centre = {k.in.x - side * d1y * r, k.in.y + side * d1x * r};
        k.arc = true;
        k.radius = r;
        k.a0 = std::atan2(k.in.y - k.centre.y, k.in.x - k.centre.x);
        k.a1 = k.a0 + side * turn;
    }
    std::vector<Edge> edges;
    for (size_t i = 0; i < n; ++i) {
        const Rounding &k = round[i];
        const Rounding &next = round[(i + 1) % n];
        const double side = std::hypot(corners[(i + 1) % n].p.x - corners[i].p.x,
                                       corners[(i + 1) % n].p.y - corners[i].p.y);
        if (k.tangent + next.tangent > side * (1 + 1e-12))
            throw std::invalid_argument("two roundings of an outline overlap on one side");
        Point from = k.out;
        if (k.arc) {
            Edge e;
            e.arc = true;
            e.centre = k.centre;
            e.radius = k.radius;
            e.a0 = k.a0;
            e.a1 = k.a1;
            e.p0 = at(k.centre, k.radius, k.a0);
            e.p1 = at(k.centre, k.radius, k.a1);
            edges.push_back(e);
            from = e.p1;
        }
        const Point to = next.arc ? at(next.centre, next.radius, next.a0) : next.in;
        if (std::hypot(to.x - from.x, to.y - from.y) > 0) {
            Edge e;
            e.p0 = from;
            e.p1 = to;
            edges.push_back(e);
        }
    }
    return Outline(std::move(edges));
}

Outline Outline::circle(Point centre, double radius)
{
    std::vector<Edge> edges;
    for (int q = 0; q < 4; ++q) {
        Edge e;
        e.arc = true;
        e.centre = centre;
        e.radius = radius;
        e.a0 = q * kPi / 2;
        e.a1 = (q + 1) * kPi / 2;
        e.p0 = at(centre, radius, e.a0);
        e.p1 = at(centre, radius, e.a1);
        edges.push_back(e);
    }
    return Outline(std::move(edges));
}

void Outline::splitMonotone()
{
    m_monotone.clear();
    for (const Edge &e : m_edges) {
        if (!e.arc)
            continue;
        // y = cy + r sin(a) turns at a = pi/2 + k pi.
        std::vector<double> cuts;
        const double lo = std::min(e.a0, e.a1), hi = std::max(e.a0, e.a1);
        for (double a = kPi / 2 + kPi * std::ceil((lo - kPi / 2) / kPi); a < hi; a += kPi) {
            if (a > lo)
                cuts.push_back(a);
        }
        if (e.a1 < e.a0)
            std::reverse(cuts.begin(), cuts.end());
        double from = e.a0;
        cuts.push_back(e.a1);
        for (double to : cuts) {
            MonotoneArc m;
            m.centre = e.centre;
            m.radius = e.radius;
            m.a0 = from;
            m.a1 = to;
            const double y0 = e.centre.y + e.radius * std::sin(from);
            const double y1 = e.centre.y + e.radius * std::sin(to);
            m.ylo = std::min(y0, y1);
            m.yhi = std::max(y0, y1);
            m.side = std::cos((from + to) / 2) >= 0 ? 1.0 : -1.0;
            m_monotone.push_back(m);
            from = to;
        }
    }
}

AreaIntegrals Outline::integrals() const
{
    AreaIntegrals sum;
    for (const Edge &e : m_edges)
        sum += e.arc ? arcIntegrals(e.centre, e.radius, e.a0, e.a1) : chord(e.p0, e.p1);
    return sum;
}

AreaIntegrals Outline::integralsAbove(double level) const
{
    // Measured from the cutting line, the pieces of boundary along it add
    // nothing (their chords pass through the origin), so the clipped area is
    // the sum over the parts of the boundary that lie above the line.
    AreaIntegrals sum;
    for (const Edge &e : m_edges) {
        if (!e.arc) {
            const Point p{e.p0.x, e.p0.y - level}, q{e.p1.x, e.p1.y - level};
            if (p.y >= 0 && q.y >= 0) {
                sum += chord(p, q);
            } else if (p.y >= 0 || q.y >= 0) {
                const double t = p.y / (p.y - q.y);
                const Point m{p.x + t * (q.x - p.x), 0.0};
                sum += p.y >= 0 ? chord(p, m) : chord(m, q);
            }
            continue;
        }
        const Point c{e.centre.x, e.centre.y - level};
        std::vector<double> cuts = anglesWhereSin(-c.y / e.radius, e.a0, e.a1);
        cuts.push_back(e.a1);
        double from = e.a0;
        for (double to : cuts) {
            if (c.y + e.radius * std::sin((from + to) / 2) >= 0)
                sum += arcIntegrals(c, e.radius, from, to);
            from = to;
        }
    }
    return sum;
}

double Outline::perimeter() const
{
    double length = 0;
    for (const Edge &e : m_edges)
        length += e.arc ? e.radius * std::fabs(e.a1 - e.a0) : std::hypot(e.p1.x - e.p0.x, e.p1.y - e.p0.y);
    return length;
}

Box Outline::bounds() const
{
    Box b{1e300, -1e300, 1e300, -1e300};
    const auto take = [&](Point p) {
        b.xmin = std::min(b.xmin, p.x);
        b.xmax = std::max(b.xmax, p.x);
        b.ymin = std::min(b.ymin, p.y);
        b.ymax = std::max(b.ymax, p.y);
    };
    for (const Edge &e : m_edges) {
        take(e.p0);
        take(e.p1);
        if (!e.arc)
            continue;
        // The extreme points of the circle that the sweep passes.
        const double lo = std::min(e.a0, e.a1), hi = std::max(e.a0, e.a1);
        for (double a = kPi / 2 * std::ceil(lo / (kPi / 2)); a < hi; a += kPi / 2)
            take(at(e.centre, e.radius, a));
    }
    return b;
}

std::vector<double> Outline::crossingsAtY(double level) const
{
    std::vector<double> xs;
    for (const Edge &e : m_edges) {
        if (e.arc)
            continue;
        const double y0 = e.p0.y, y1 = e.p1.y;
        if ((y0 <= level && level < y1) || (y1 <= level && level < y0))
            xs.push_back(e.p0.x + (level - y0) * (e.p1.x - e.p0.x) / (y1 - y0));
    }
    for (const MonotoneArc &m : m_monotone) {
        if (!(m.ylo <= level && level < m.yhi))
            continue;
        const double s = (level - m.centre.y) / m.radius;
        const double c = std::sqrt(std::max(0.0, 1 - s * s));
        xs.push_back(m.centre.x + m.side * m.radius * c);
    }
    std::sort(xs.begin(), xs.end());
    return xs;
}

bool Outline::contains(Point p) const
{
    const std::vector<double> xs = crossingsAtY(p.y);
    const auto left = std::lower_bound(xs.begin(), xs.end(), p.x) - xs.begin();
    return left % 2 == 1;
}

Outline Outline::quarterTurned() const
{
    std::vector<Edge> edges = m_edges;
    const auto turn = [](Point p) { return Point{-p.y, p.x}; };
    for (Edge &e : edges) {
        e.p0 = turn(e.p0);
        e.p1 = turn(e.p1);
        e.centre = turn(e.centre);
        e.a0 += kPi / 2;
        e.a1 += kPi / 2;
    }
    return Outline(std::move(edges));
}

Outline Outline::mirrored() const
{
    // Mirroring turns the sense of the boundary round; walking it backwards
    // turns it back, so each piece runs from its mirrored end to its
    // mirrored start, and an arc from -a1 to -a0 keeps its sense of turning.
    std::vector<Edge> edges(m_edges.rbegin(), m_edges.rend());
    const auto mirror = [](Point p) { return Point{p.x, -p.y}; };
    for (Edge &e : edges) {
        const Point from = mirror(e.p1), to = mirror(e.p0);
        e.p0 = from;
        e.p1 = to;
        e.centre = mirror(e.centre);
        const double a0 = -e.a1, a1 = -e.a0;
        e.a0 = a0;
        e.a1 = a1;
    }
    return Outline(std::move(edges));
}

Outline Outline::translated(double dx, double dy) const
{
    std::vector<Edge> edges = m_edges;
    for (Edge &e : edges) {
        e.p0 = {e.p0.x + dx, e.p0.y + dy};
        e.p1 = {e.p1.x + dx, e.p1.y + dy};
        e.centre = {e.centre.x + dx, e.centre.y + dy};
    }
    return Outline(std::move(edges));
}

double equalAreaLevel(const Outline &outline, double *plasticModulus)
{
    const AreaIntegrals all = outline.integrals();
    const Box box = outline.bounds();
    double lo = box.ymin, hi = box.ymax;
    // The area above the line falls as the line rises: bisect until the
    // bracket stops shrinking.
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        if (mid <= lo || mid >= hi)
            break;
        if (outline.integralsAbove(mid).area > all.area / 2)
            lo = mid;
        else
            hi = mid;
    }
    const double level = (lo + hi) / 2;
    if (plasticModulus) {
        // Integral of |y - level| dA: twice the moment of the part above
        // less the moment of the whole, both about the line.
        const double above = outline.integralsAbove(level).my;
        const double whole = all.my - level * all.area;
        *plasticModulus = 2 * above - whole;
    }
    return level;
}

PlaneProperties planeProperties(const Outline &outline)
{
    const AreaIntegrals s = outline.integrals();
    PlaneProperties p;
    p.area = s.area;
    p.xc = s.mx / s.area;
    p.yc = s.my / s.area;
    p.Ixx = s.myy - s.area * p.yc * p.yc;
    p.Iyy = s.mxx - s.area * p.xc * p.xc;
    p.Ixy = s.mxy - s.area * p.xc * p.yc;
    p.yPlastic = equalAreaLevel(outline, &p.WplX);
    // A quarter turn brings x to the vertical: the equal-area line of the
    // turned outline is the vertical equal-area line of this one.
    p.xPlastic = equalAreaLevel(outline.quarterTurned(), &p.WplY);
    p.perimeter = outline.perimeter();
    return p;
}

} // namespace props
