#pragma once

// Properties of channels (UPN). As for IPN the table stores the properties of
// the exact outline; the elastic modulus Wz is taken at the flange tips.

// Stored values of one row in their table units; ys is the distance of the
// centroid from the back of the web, in cm. An empty field is 0.
struct ULamStored {
    double H_mm = 0, B_mm = 0;
    double A = 0, Iy = 0, Iz = 0, Wply = 0, Wplz = 0, ys = 0, AL = 0, ss_mm = 0;
};

struct ULamProps {
    double h = 0, b = 0;                 // cm
    double A = 0, Iy = 0, Iz = 0, Wply = 0, Wplz = 0, ys = 0, AL = 0;
    double ss = 0;                       // mm, as stored
    double M = 0, P = 0, Wy = 0, Wz = 0, iy = 0, iz = 0, AG = 0, Sy = 0, sy = 0;
};

ULamProps PropULam(const ULamStored &row);
