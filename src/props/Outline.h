#pragma once

#include <vector>

// The exact outline of a cross-section: a closed boundary of straight
// segments and circular arcs, and the area integrals that section properties
// are made of. Every integral is exact (closed forms for segments and arcs);
// nothing is approximated by polygons. Pure C++, no Qt.

namespace props {

struct Point {
    double x = 0, y = 0;
};

// A corner of a polygon and the radius of the circular arc that rounds it,
// tangent to both sides; 0 keeps the corner sharp.
struct Corner {
    Point p;
    double radius = 0;
};

// One piece of the boundary: a straight segment from p0 to p1, or a circular
// arc about centre swept from angle a0 to angle a1 (radians; a1 > a0 turns
// counter-clockwise), which starts at p0 and ends at p1.
struct Edge {
    bool arc = false;
    Point p0, p1;
    Point centre;
    double radius = 0;
    double a0 = 0, a1 = 0;
};

// Integrals over an area: its area and its first and second moments about the
// axes of the coordinates.
struct AreaIntegrals {
    double area = 0;
    double mx = 0;  // integral of x dA
    double my = 0;  // integral of y dA
    double mxx = 0; // integral of x^2 dA
    double myy = 0; // integral of y^2 dA
    double mxy = 0; // integral of x y dA

    AreaIntegrals &operator+=(const AreaIntegrals &o);
};

struct Box {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
};

class Outline {
public:
    Outline() = default;
    // The edges in order, each starting where the one before ends, going
    // counter-clockwise around the area.
    explicit Outline(std::vector<Edge> edges);

    // The polygon through the corners in order (counter-clockwise), each
    // corner rounded by its radius. Throws std::invalid_argument when two
    // roundings do not fit on the side between them.
    static Outline fromCorners(const std::vector<Corner> &corners);
    static Outline circle(Point centre, double radius);

    const std::vector<Edge> &edges() const { return m_edges; }

    AreaIntegrals integrals() const;
    // The part of the area at or above the line y = level, its integrals
    // taken with y measured from that line.
    AreaIntegrals integralsAbove(double level) const;
    double perimeter() const;
    Box bounds() const;
    // Where the line y = level crosses the boundary, sorted; a point lies
    // inside when an odd number of crossings lie to its left. Each end of a
    // piece counts on one side only, so vertices are never counted twice.
    std::vector<double> crossingsAtY(double level) const;
    bool contains(Point p) const;

    // The same outline turned a quarter turn counter-clockwise about the
    // origin: (x, y) becomes (-y, x).
    Outline quarterTurned() const;
    // The mirror image about the x axis, (x, y) becoming (x, -y), still
    // going counter-clockwise.
    Outline mirrored() const;
    Outline translated(double dx, double dy) const;

private:
    // A part of an arc along which y only rises or only falls.
    struct MonotoneArc {
        Point centre;
        double radius, a0, a1;
        double ylo, yhi;
        double side; // +1 on the right half of the circle, -1 on the left
    };
    void splitMonotone();

    std::vector<Edge> m_edges;
    std::vector<MonotoneArc> m_monotone;
};

// Section properties of an outline in its own length unit.
struct PlaneProperties {
    double area = 0;
    double xc = 0, yc = 0; // centroid
    double Ixx = 0;        // second moment about the horizontal axis through the centroid
    double Iyy = 0;        // about the vertical axis through the centroid
    double Ixy = 0;        // product of inertia about those axes
    double WplX = 0;       // plastic modulus for bending about a horizontal axis
    double WplY = 0;       // plastic modulus for bending about a vertical axis
    double xPlastic = 0;   // the vertical equal-area line
    double yPlastic = 0;   // the horizontal equal-area line
    double perimeter = 0;
};

// Plastic moduli are taken about the equal-area lines, found by bisection to
// the resolution of a double.
PlaneProperties planeProperties(const Outline &outline);

// The level of the horizontal line that halves the area, and the plastic
// modulus about it.
double equalAreaLevel(const Outline &outline, double *plasticModulus = nullptr);

} // namespace props
