#pragma once

// Properties of equal-leg angles computed from leg length, thickness, root
// radius and toe radius. Fillets and toe roundings are treated as spandrels.

// Stored dimensions of one row in millimetres; an empty field is 0.
struct AngularDims {
    double h_mm = 0, t_mm = 0, r1_mm = 0, r2_mm = 0;
};

struct AngularProps {
    double h = 0, t = 0, r1 = 0, r2 = 0; // cm
    double A = 0, M = 0, P = 0;
    double ys = 0, zs = 0, v = 0, u1 = 0, u2 = 0;
    double Iy = 0, Wy = 0, iy = 0, Iyz = 0;
    double Iu = 0, Iv = 0, iu = 0, iv = 0;
    double AL = 0, AG = 0;
};

AngularProps PropAngular(const AngularDims &dims);
