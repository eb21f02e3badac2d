#include "props/ULam.h"

#include "props/Constants.h"

#include <cmath>

ULamProps PropULam(const ULamStored &row)
{
    using namespace props;
    ULamProps p;
    p.h = row.H_mm / 10;
    p.b = row.B_mm / 10;
    p.A = row.A;
    p.Iy = row.Iy;
    p.Iz = row.Iz;
    p.Wply = row.Wply;
    p.Wplz = row.Wplz;
    p.ys = row.ys;
    p.AL = row.AL;
    p.ss = row.ss_mm;

    p.M = p.A * kSteelDensity_kg_m3 * 1e-4;
    p.P = p.A * kSteelWeight_kN_m3 * 1e-4;
    p.Wy = p.h > 0 ? 2 * p.Iy / p.h : 0;
    p.iy = p.A > 0 ? std::sqrt(p.Iy / p.A) : 0;
    // The guard tests b alone: the flange tips lie b - ys from the centroid.
    p.Wz = p.b > 0 ? p.Iz / (p.b - p.ys) : 0;
    p.iz = p.A > 0 ? std::sqrt(p.Iz / p.A) : 0;
    p.AG = p.AL / (p.M / 1000);
    p.Sy = p.Wply / 2;
    p.sy = p.Iy / p.Sy;
    return p;
}
