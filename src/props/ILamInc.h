#pragma once

// Properties of inclined-flange I sections (IPN). The table stores the
// properties that need the exact tapered outline; this derives the rest.

// Stored values of one row in their table units (H, B in mm; A cm2; Iy, Iz
// cm4; Wply, Wplz cm3; AL m2/m; ss mm); an empty field is 0.
struct ILamIncStored {
    double H_mm = 0, B_mm = 0;
    double A = 0, Iy = 0, Iz = 0, Wply = 0, Wplz = 0, AL = 0, ss_mm = 0;
};

struct ILamIncProps {
    double h = 0, b = 0;                 // cm
    double A = 0, Iy = 0, Iz = 0, Wply = 0, Wplz = 0, AL = 0;
    double ss = 0;                       // mm, as stored
    double M = 0, P = 0, Wy = 0, Wz = 0, iy = 0, iz = 0, AG = 0, Sy = 0, sy = 0;
};

ILamIncProps PropILamInc(const ILamIncStored &row);
