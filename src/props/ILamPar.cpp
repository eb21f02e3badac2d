#include "props/ILamPar.h"

#include "props/Constants.h"

#include <cmath>

ILamParProps PropILamPar(const ILamParDims &dims)
{
    using namespace props;
    ILamParProps p;
    // Millimetres to centimetres.
    p.h = dims.h_mm / 10;
    p.b = dims.b_mm / 10;
    p.tw = dims.tw_mm / 10;
    p.tf = dims.tf_mm / 10;
    p.r = dims.r_mm / 10;
    const double h = p.h, b = p.b, tw = p.tw, tf = p.tf, r = p.r;

    p.hi = h - 2 * tf;
    p.d = p.hi - 2 * r;
    const double hi = p.hi;

    // The four root fillets, one at each web-flange junction.
    const double ar = 0.215 * r * r;
    const double ez = tw / 2 + 0.223 * r;
    const double ey = h / 2 - tf - 0.223 * r;
    const double jr = 0.00755 * r * r * r * r;

    p.A = 2 * b * tf + tw * hi + 4 * ar;
    p.M = p.A / 10000 * kSteelDensity_kg_m3;
    p.P = p.A / 10000 * kSteelWeight_kN_m3;

    p.Iy = (b * h * h * h - (b - tw) * hi * hi * hi) / 12 + 4 * (ar * ey * ey + jr);
    p.Iz = (2 * tf * b * b * b + hi * tw * tw * tw) / 12 + 4 * (ar * ez * ez + jr);
    p.Wy = h > 0 ? 2 * p.Iy / h : 0;
    p.Wz = b > 0 ? 2 * p.Iz / b : 0;
    if (p.A > 0) {
        p.iy = std::sqrt(p.Iy / p.A);
        p.iz = std::sqrt(p.Iz / p.A);
    }
    p.Wply = tw * (hi / 2) * (hi / 2) + b * tf * (h - tf) + 4 * ar * ey;
    p.Wplz = hi * (tw / 2) * (tw / 2) + b * b * tf / 2 + 4 * ar * ez;

    if (tf > 0 && r > 0) {
        p.alpha1 = 0.2204 * tw / tf - 0.042 + 0.1355 * r / tf - 0.0865 * tw * r / (tf * tf)
                   - 0.0725 * tw * tw / (tf * tf);
        p.D1 = ((tf + r) * (tf + r) + tw * (r + tw / 4)) / (2 * r + tf);
    }
    const double D1_4 = p.D1 * p.D1 * p.D1 * p.D1;
    p.It = (2.0 / 3.0) * b * tf * tf * tf + (1.0 / 3.0) * hi * tw * tw * tw + 2 * p.alpha1 * D1_4
           - 0.42 * tf * tf * tf * tf;
    p.Iw = (h - tf) * (h - tf) * p.Iz / 4;

    p.AL = (4 * b - 2 * tw - 4 * r + 2 * (h - 2 * r) + 2 * kPi * r) / 100;
    // Unguarded on purpose: a row without dimensions gives 0/0, which the
    // display shows blank.
    p.AG = p.AL / (p.M / 1000);
    p.Avz = p.A - 2 * b * tf + (tw + 2 * r) * tf;
    p.Sy = b * tf * (h - tf) / 2 + tw * hi * hi / 8 + 2 * ar * ey;
    p.sy = p.Iy / p.Sy;
    p.ss = tw + 2 * tf + (4 - 2 * kSqrt2) * r;
    return p;
}
