#pragma once

// Properties of parallel-flange I sections (HEA, HEB, HEM, IPE) computed from
// the five stored dimensions. Pure function of its input: no state, no Qt.

// Stored dimensions of one row, in millimetres; an empty field is 0.
struct ILamParDims {
    double h_mm = 0, b_mm = 0, tw_mm = 0, tf_mm = 0, r_mm = 0;
};

// Lengths in cm, areas cm2, moduli cm3, second moments and It cm4, Iw cm6,
// M kg/m, P kN/m, AL m2/m, AG m2/t. ss is in cm here; the table shows it in mm.
struct ILamParProps {
    double h = 0, b = 0, tw = 0, tf = 0, r = 0;
    double hi = 0, d = 0;
    double A = 0, M = 0, P = 0;
    double Iy = 0, Iz = 0, Wy = 0, Wz = 0, Wply = 0, Wplz = 0;
    double iy = 0, iz = 0;
    double alpha1 = 0, D1 = 0;
    double It = 0, Iw = 0;
    double AL = 0, AG = 0, Avz = 0, Sy = 0, sy = 0, ss = 0;
};

ILamParProps PropILamPar(const ILamParDims &dims);
