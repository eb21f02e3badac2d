#pragma once

#include "props/Constants.h"

#include <cmath>

namespace props {

// What IPN and UPN derive alike from the properties their tables store (the
// ones that need the exact tapered outline): everything but Wz, whose lever
// differs (half the flange width of the symmetric IPN, the flange tips'
// distance from the centroid of a UPN). Stored and Props are the family's
// row and result records, which name these values alike.
template <typename Props, typename Stored> Props fromStoredOutline(const Stored &row)
{
    Props p;
    p.h = row.H_mm / 10;
    p.b = row.B_mm / 10;
    p.A = row.A;
    p.Iy = row.Iy;
    p.Iz = row.Iz;
    p.Wply = row.Wply;
    p.Wplz = row.Wplz;
    p.AL = row.AL;
    p.ss = row.ss_mm;

    p.M = p.A * kSteelDensity_kg_m3 * 1e-4;
    p.P = p.A * kSteelWeight_kN_m3 * 1e-4;
    p.Wy = p.h > 0 ? 2 * p.Iy / p.h : 0;
    p.iy = p.A > 0 ? std::sqrt(p.Iy / p.A) : 0;
    p.iz = p.A > 0 ? std::sqrt(p.Iz / p.A) : 0;
    // Unguarded: an empty A or Wply gives a quotient the display shows blank.
    p.AG = p.AL / (p.M / 1000);
    p.Sy = p.Wply / 2;
    p.sy = p.Iy / p.Sy;
    return p;
}

} // namespace props
