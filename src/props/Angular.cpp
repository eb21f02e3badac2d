#include "props/Angular.h"

#include "props/Constants.h"

#include <cmath>

namespace {

// Area factor of a spandrel (square corner minus quarter circle), 1 - pi/4.
constexpr double kF = 0.2146018366025517;
// Centroid of a spandrel from its two straight edges, as a fraction of r.
constexpr double kE = 0.2234;
constexpr double kC = 0.7766;
constexpr double kJ = 0.007556;

double pow4(double x) { return x * x * x * x; }

} // namespace

AngularProps PropAngular(const AngularDims &dims)
{
    using namespace props;
    AngularProps p;
    p.h = dims.h_mm / 10;
    p.t = dims.t_mm / 10;
    p.r1 = dims.r1_mm / 10;
    p.r2 = dims.r2_mm / 10;
    const double h = p.h, t = p.t, r1 = p.r1, r2 = p.r2;

    const double Aa = h * t;
    const double Ab = (h - t) * t;
    const double F2 = kF * r2 * r2;
    const double F1 = kF * r1 * r1;
    p.A = Aa + Ab - F2 - F2 + F1;
    p.M = p.A / 10000 * kSteelDensity_kg_m3;
    p.P = p.A / 10000 * kSteelWeight_kN_m3;

    // Unguarded: an angle without dimensions has A = 0 and everything that
    // follows from the centroid is 0/0, which the display shows blank.
    p.ys = (Aa * h / 2 + Ab * t / 2 - F2 * (h - kE * r2) - F2 * (t - kE * r2) + F1 * (t + kE * r1))
           / p.A;
    p.zs = p.ys;
    const double ys = p.ys, zs = p.zs;

    p.v = h / kSqrt2;
    p.u1 = kSqrt2 * ys;
    p.u2 = (h + t) / kSqrt2 - 0.414214 * r2 - p.u1;

    const double e2 = kE * r2, e1 = kE * r1;
    const double I1 = h * h * h * t / 3;
    const double I2 = (h - t) * t * t * t / 3;
    const double I3 = F2 * ((h - e2) * (h - e2) - e2 * e2) + kJ * pow4(r2);
    const double I4 = F2 * ((t - e2) * (t - e2) - e2 * e2) + kJ * pow4(r2);
    const double I5 = F1 * ((t + e1) * (t + e1) - e1 * e1) + kJ * pow4(r1);
    p.Iy = I1 + I2 - I3 - I4 + I5 - p.A * ys * ys;
    p.Wy = h - zs > 0 ? p.Iy / (h - zs) : 0;
    p.iy = p.A > 0 ? std::sqrt(p.Iy / p.A) : 0;

    const double c2 = kC * r2, c1 = kC * r1;
    const double P1 = -Aa * (ys - t / 2) * (h / 2 - zs);
    const double P2 = -Ab * ((h - t) / 2 + t - ys) * (zs - t / 2);
    const double P3 = pow4(r2) / 8 - F2 * ((zs - t + r2 - c2) * (h - ys - r2 + c2) + c2 * c2);
    const double P4 = pow4(r2) / 8 - F2 * ((h - zs - r2 + c2) * (ys - t + r2 - c2) + c2 * c2);
    const double P5 = pow4(r1) / 8 + F1 * ((ys - t - r1 + c1) * (zs - t - r1 + c1) - c1 * c1);
    p.Iyz = std::fabs(P1 + P2 - P3 - P4 + P5);

    p.Iu = p.Iy + p.Iyz;
    p.iu = p.A > 0 ? std::sqrt(p.Iu / p.A) : 0;
    p.Iv = p.Iy - p.Iyz;
    p.iv = p.A > 0 ? std::sqrt(p.Iv / p.A) : 0;

    p.AL = (2 * h + 2 * (h - t) + 2 * t - 4 * r2 - 2 * r1 + kPi * r2 + kPi * r1 / 2) / 100;
    p.AG = p.AL / (p.M / 1000);
    return p;
}
