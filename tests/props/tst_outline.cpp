// The exact outline: its integrals against closed forms for rectangles,
// triangles, circles, circular segments and rounded polygons; the plastic
// moduli about the equal-area axes; the Saint-Venant torsion solver against
// the series solution of the rectangle and the circle; the tapered outlines
// of IPN and UPN against the definition of their flange thickness.
#include "props/Outline.h"
#include "props/Sections.h"
#include "props/Torsion.h"

#include <QTest>

#include <cmath>
#include <numbers>
#include <stdexcept>

using props::Corner;
using props::Outline;
using props::Point;

Q_DECLARE_METATYPE(Outline)

namespace {

constexpr double pi = std::numbers::pi;

bool near(double actual, double expected, double relative)
{
    return std::fabs(actual - expected) <= relative * std::max(std::fabs(expected), 1e-300);
}

#define QCOMPARE_REL(actual, expected, relative)                                                                 \
    do {                                                                                                         \
        const double a_ = (actual), e_ = (expected);                                                             \
        if (!near(a_, e_, relative))                                                                             \
            QFAIL(qPrintable(QStringLiteral("%1 = %2, expected %3").arg(#actual).arg(a_, 0, 'g', 15).arg(e_, 0, 'g', 15))); \
    } while (false)

Outline rectangle(double x0, double y0, double w, double h)
{
    return Outline::fromCorners({{{x0, y0}, 0}, {{x0 + w, y0}, 0}, {{x0 + w, y0 + h}, 0}, {{x0, y0 + h}, 0}});
}

// The series solution of Saint-Venant torsion of a b x t rectangle (b >= t).
double rectangleTorsion(double b, double t)
{
    double sum = 0;
    for (int n = 1; n < 400; n += 2)
        sum += std::tanh(n * pi * b / (2 * t)) / std::pow(n, 5);
    return b * t * t * t / 3 * (1 - 192 / std::pow(pi, 5) * t / b * sum);
}

} // namespace

class TestOutline : public QObject {
    Q_OBJECT
private slots:
    void closedForms_data()
    {
        QTest::addColumn<Outline>("outline");
        QTest::addColumn<double>("area");
        QTest::addColumn<double>("xc");
        QTest::addColumn<double>("yc");
        QTest::addColumn<double>("Ixx");
        QTest::addColumn<double>("Iyy");
        QTest::addColumn<double>("Ixy");
        QTest::addColumn<double>("perimeter");

        // b h^3 / 12 and h b^3 / 12 about the centroid, away from the origin.
        QTest::newRow("rectangle 100 x 10") << rectangle(20, -7, 100, 10) << 1000.0 << 70.0 << -2.0
                                            << 100 * 1000 / 12.0 << 10 * 1e6 / 12.0 << 0.0 << 220.0;
        // Right triangle: b h^3 / 36, h b^3 / 36, product -b^2 h^2 / 72.
        QTest::newRow("right triangle 60 x 30")
            << Outline::fromCorners({{{0, 0}, 0}, {{60, 0}, 0}, {{0, 30}, 0}}) << 900.0 << 20.0 << 10.0
            << 60 * 27000 / 36.0 << 30 * 216000 / 36.0 << -(3600.0 * 900) / 72 << 90 + std::hypot(60.0, 30.0);
        // pi r^2, pi r^4 / 4, 2 pi r.
        QTest::newRow("circle r = 10") << Outline::circle({3, 4}, 10) << pi * 100 << 3.0 << 4.0 << pi * 1e4 / 4
                                       << pi * 1e4 / 4 << 0.0 << 20 * pi;
        // A square with every corner rounded by r: a^2 - (4 - pi) r^2; the
        // fillets keep the symmetry, so the centroid stays in the middle.
        QTest::newRow("square 50, corners r = 10")
            << Outline::fromCorners({{{0, 0}, 10}, {{50, 0}, 10}, {{50, 50}, 10}, {{0, 50}, 10}})
            << 2500 - (4 - pi) * 100 << 25.0 << 25.0 << -1.0 << -1.0 << 0.0 << 200 - 80 + 20 * pi;
    }
    void closedForms()
    {
        QFETCH(Outline, outline);
        QFETCH(double, area);
        QFETCH(double, xc);
        QFETCH(double, yc);
        QFETCH(double, Ixx);
        QFETCH(double, Iyy);
        QFETCH(double, Ixy);
        QFETCH(double, perimeter);
        const props::PlaneProperties p = props::planeProperties(outline);
        QCOMPARE_REL(p.area, area, 1e-12);
        QVERIFY(std::fabs(p.xc - xc) < 1e-10);
        QVERIFY(std::fabs(p.yc - yc) < 1e-10);
        if (Ixx >= 0) {
            QCOMPARE_REL(p.Ixx, Ixx, 1e-12);
            QCOMPARE_REL(p.Iyy, Iyy, 1e-12);
        }
        QVERIFY2(std::fabs(p.Ixy - Ixy) < 1e-9 * std::max(1.0, std::fabs(p.Ixx)), qPrintable(QString::number(p.Ixy)));
        QCOMPARE_REL(p.perimeter, perimeter, 1e-12);
    }

    void roundedSquareSecondMoment()
    {
        // Each rounded corner removes a spandrel a = (1 - pi/4) r^2 whose
        // own second moment about its centroid is (1/3 - pi/16 - 1/(36 (4 - pi))) r^4
        // about an axis parallel to its sides, the centroid lying
        // 10 r / (3 (4 - pi)) from the corner's sides.
        const double a = 50, r = 10;
        const double spandrel = (1 - pi / 4) * r * r;
        const double c = r * (10 - 3 * pi) / (3 * (4 - pi)); // centroid from the corner, along each side
        const double own = (1.0 / 3 - pi / 16) * std::pow(r, 4) - spandrel * std::pow(r - c, 2);
        const double arm = a / 2 - c;
        const double expected = std::pow(a, 4) / 12 - 4 * (own + spandrel * arm * arm);
        const props::PlaneProperties p = props::planeProperties(
            Outline::fromCorners({{{0, 0}, r}, {{a, 0}, r}, {{a, a}, r}, {{0, a}, r}}));
        QCOMPARE_REL(p.Ixx, expected, 1e-12);
        QCOMPARE_REL(p.Iyy, expected, 1e-12);
    }

    void segmentAboveALine_data()
    {
        QTest::addColumn<double>("level");
        QTest::newRow("above the centre") << 6.0;
        QTest::newRow("through the centre") << 4.0;
        QTest::newRow("below the centre") << -1.5;
        QTest::newRow("close to the top") << 13.9;
    }
    void segmentAboveALine()
    {
        // The circular segment above y = level of a circle r = 10 about (3, 4):
        // area r^2 acos(d/r) - d sqrt(r^2 - d^2), first moment about the line
        // 2/3 (r^2 - d^2)^(3/2) - d * area, with d the line's height over the centre.
        // In long double: near the top the two terms of the area almost cancel.
        QFETCH(double, level);
        const long double r = 10, d = (long double)level - 4;
        const long double areaL = r * r * std::acos(d / r) - d * std::sqrt(r * r - d * d);
        const double area = double(areaL);
        const double moment = double(2.0L / 3 * std::pow(r * r - d * d, 1.5L) - d * areaL);
        const props::AreaIntegrals s = Outline::circle({3, 4}, r).integralsAbove(level);
        QCOMPARE_REL(s.area, area, 1e-9);
        QCOMPARE_REL(s.my, moment, 1e-9);
        QCOMPARE_REL(s.mx, 3 * area, 1e-9); // symmetric about x = 3
    }

    void angleWithoutRadii()
    {
        // The angle 100 x 100 x 10 with r1 = r2 = 0 of the angle computation's
        // worked example: A = t (2h - t) = 19 cm2, ys = 2.86842 cm,
        // Iy = 180.004 cm4, |Iyz| = 106.579 cm4, outline 400 mm.
        const props::ExactProps e = props::exactProperties(props::equalLegAngle(100, 10, 0, 0).outline);
        QCOMPARE_REL(e.A, 19.0, 1e-12);
        QCOMPARE_REL(e.xc, 2.86842, 2e-6);
        QCOMPARE_REL(e.Iy, 180.004, 3e-6);
        QCOMPARE_REL(e.AL, 0.4, 1e-12);
        const props::PlaneProperties p = props::planeProperties(props::equalLegAngle(100, 10, 0, 0).outline);
        QCOMPARE_REL(std::fabs(p.Ixy) / 1e4, 106.579, 5e-6);
    }

    void plasticModuli_data()
    {
        QTest::addColumn<Outline>("outline");
        QTest::addColumn<double>("WplX");
        QTest::addColumn<double>("WplY");
        QTest::addColumn<double>("yPlastic");
        // b h^2 / 4 and h b^2 / 4.
        QTest::newRow("rectangle 100 x 10") << rectangle(0, 0, 100, 10) << 100 * 100 / 4.0 << 10 * 1e4 / 4.0 << 5.0;
        // 4 r^3 / 3 about any diameter.
        QTest::newRow("circle r = 10") << Outline::circle({3, 4}, 10) << 4000 / 3.0 << 4000 / 3.0 << 4.0;
        // A T of equal flange (100 x 10) and web (10 x 100): the equal-area
        // line is the joint, Wpl = 1000 * 5 + 1000 * 50; about the web axis
        // 10 * 100^2 / 4 + 100 * 10^2 / 4.
        QTest::newRow("tee") << Outline::fromCorners({{{-5, 0}, 0},
                                                      {{5, 0}, 0},
                                                      {{5, 100}, 0},
                                                      {{50, 100}, 0},
                                                      {{50, 110}, 0},
                                                      {{-50, 110}, 0},
                                                      {{-50, 100}, 0},
                                                      {{-5, 100}, 0}})
                             << 55000.0 << 25000.0 + 2500.0 << 100.0;
    }
    void plasticModuli()
    {
        QFETCH(Outline, outline);
        QFETCH(double, WplX);
        QFETCH(double, WplY);
        QFETCH(double, yPlastic);
        const props::PlaneProperties p = props::planeProperties(outline);
        QCOMPARE_REL(p.WplX, WplX, 1e-10);
        QCOMPARE_REL(p.WplY, WplY, 1e-10);
        QVERIFY(std::fabs(p.yPlastic - yPlastic) < 1e-9);
    }

    void containsAndCrossings()
    {
        const Outline l = props::equalLegAngle(100, 10, 12, 6).outline;
        QVERIFY(l.contains({5, 50}));
        QVERIFY(l.contains({50, 5}));
        QVERIFY(l.contains({11, 11}));   // inside the root fillet
        QVERIFY(!l.contains({50, 50}));
        QVERIFY(!l.contains({99.5, 9.5})); // cut off by the toe rounding
        // A line through a vertex counts the vertex once.
        const std::vector<double> xs = l.crossingsAtY(10);
        QCOMPARE(xs.size() % 2, size_t(0));
    }

    void quarterTurnKeepsTheArea()
    {
        const Outline o = props::taperedFlangeChannel(200, 75, 8.5, 11.5, 11.5, 6).outline;
        const props::PlaneProperties a = props::planeProperties(o);
        const props::PlaneProperties b = props::planeProperties(o.quarterTurned());
        QCOMPARE_REL(b.area, a.area, 1e-12);
        QCOMPARE_REL(b.Ixx, a.Iyy, 1e-12);
        QCOMPARE_REL(b.Iyy, a.Ixx, 1e-12);
        QCOMPARE_REL(b.perimeter, a.perimeter, 1e-12);
    }

    void mirrorImageStaysCounterClockwise()
    {
        // The angle's legs along +x and +y become legs along +x and -y:
        // the same area and second moments, the product of inertia and the
        // centroid's height change sign, and the boundary still runs
        // counter-clockwise piece after piece (a clockwise one would give a
        // negative area).
        const Outline o = props::equalLegAngle(100, 10, 12, 6).outline;
        const Outline m = o.mirrored();
        const props::PlaneProperties a = props::planeProperties(o);
        const props::PlaneProperties b = props::planeProperties(m);
        QCOMPARE_REL(b.area, a.area, 1e-12);
        QVERIFY(b.area > 0);
        QCOMPARE_REL(b.Ixx, a.Ixx, 1e-12);
        QCOMPARE_REL(b.Iyy, a.Iyy, 1e-12);
        QCOMPARE_REL(b.Ixy, -a.Ixy, 1e-12);
        QCOMPARE_REL(b.yc, -a.yc, 1e-12);
        QCOMPARE_REL(b.xc, a.xc, 1e-12);
        QCOMPARE_REL(b.perimeter, a.perimeter, 1e-12);
        const std::vector<props::Edge> &edges = m.edges();
        for (size_t i = 0; i < edges.size(); ++i) {
            const props::Edge &e = edges[i], &next = edges[(i + 1) % edges.size()];
            QVERIFY(std::hypot(e.p1.x - next.p0.x, e.p1.y - next.p0.y) < 1e-9);
            if (e.arc) {
                QVERIFY(std::fabs(e.centre.x + e.radius * std::cos(e.a0) - e.p0.x) < 1e-9);
                QVERIFY(std::fabs(e.centre.y + e.radius * std::sin(e.a1) - e.p1.y) < 1e-9);
            }
        }
        QVERIFY(m.contains({5, -50}));
        QVERIFY(!m.contains({5, 50}));
    }

    void overlappingRoundingsAreRefused()
    {
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 Outline::fromCorners({{{0, 0}, 6}, {{10, 0}, 6}, {{10, 10}, 0}, {{0, 10}, 0}}));
    }

    void taperedFlangeThickness_data()
    {
        QTest::addColumn<Outline>("outline");
        QTest::addColumn<double>("x");      // where the flange is measured
        QTest::addColumn<double>("top");    // the outer face
        QTest::addColumn<double>("thickness");
        // IPN 200: tf = 11.3 at b/4 from the web axis; 14 % slope, so 11.3 -
        // 0.14 * 5 five millimetres further out.
        const Outline ipn = props::taperedFlangeI(200, 90, 7.5, 11.3, 7.5, 4.5).outline;
        QTest::newRow("IPN 200 at b/4") << ipn << 22.5 << 100.0 << 11.3;
        QTest::newRow("IPN 200 at b/4 + 5") << ipn << 27.5 << 100.0 << 11.3 - 0.7;
        // UPN 200 (h <= 300): tf = 11.5 at b/2 from the back, 8 % slope.
        const Outline upn200 = props::taperedFlangeChannel(200, 75, 8.5, 11.5, 11.5, 6).outline;
        QTest::newRow("UPN 200 at b/2") << upn200 << 37.5 << 100.0 << 11.5;
        QTest::newRow("UPN 200 at b/2 + 10") << upn200 << 47.5 << 100.0 << 11.5 - 0.8;
        // UPN 400 (h > 300): tf = 18 in the middle of the outstand,
        // (b - tw)/2 from the web face, 5 % slope.
        const Outline upn400 = props::taperedFlangeChannel(400, 110, 14, 18, 18, 9).outline;
        QTest::newRow("UPN 400 mid outstand") << upn400 << 14 + 48.0 << 200.0 << 18.0;
        QTest::newRow("UPN 400 mid outstand + 20") << upn400 << 14 + 68.0 << 200.0 << 18.0 - 1.0;
    }
    void taperedFlangeThickness()
    {
        QFETCH(Outline, outline);
        QFETCH(double, x);
        QFETCH(double, top);
        QFETCH(double, thickness);
        // Turned a quarter, the vertical x = const becomes a horizontal line
        // whose crossings are -y of the faces.
        std::vector<double> ys = outline.quarterTurned().crossingsAtY(x);
        for (double &y : ys)
            y = -y;
        std::sort(ys.begin(), ys.end());
        QVERIFY(ys.size() == 4);
        QCOMPARE_REL(ys[3], top, 1e-12);
        QCOMPARE_REL(ys[3] - ys[2], thickness, 1e-12);
    }

    void torsionOfARectangle_data()
    {
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("t");
        QTest::newRow("square") << 10.0 << 10.0;
        QTest::newRow("b = 2 t") << 20.0 << 10.0;
        QTest::newRow("b = 10 t") << 100.0 << 10.0;
        QTest::newRow("thin strip b = 30 t") << 150.0 << 5.0;
    }
    void torsionOfARectangle()
    {
        QFETCH(double, b);
        QFETCH(double, t);
        const double It = props::torsionConstant(rectangle(0, 0, b, t), t / 16);
        QCOMPARE_REL(It, rectangleTorsion(b, t), 5e-4);
    }

    void torsionOfACircle()
    {
        // pi r^4 / 2.
        QCOMPARE_REL(props::torsionConstant(Outline::circle({0, 0}, 10), 20.0 / 32), pi * 1e4 / 2, 5e-4);
    }

    void torsionSolutionConverges()
    {
        // Second order: halving the step cuts the error about four times.
        const Outline r = rectangle(0, 0, 20, 10);
        const double exact = rectangleTorsion(20, 10);
        const double coarse = props::solveTorsion(r, 10.0 / 12).It - exact;
        const double fine = props::solveTorsion(r, 10.0 / 24).It - exact;
        QVERIFY2(std::fabs(coarse / fine) > 3 && std::fabs(coarse / fine) < 5,
                 qPrintable(QStringLiteral("%1 %2").arg(coarse).arg(fine)));
    }
};

QTEST_APPLESS_MAIN(TestOutline)
#include "tst_outline.moc"
