#pragma once

// The properties the IPN and UPN tables store, computed from the dimensions
// of a size (mm) on its exact tapered outline. Units as the tables store
// them: cm, cm2, cm3, cm4, cm6, m2/m; d and ss in mm.

namespace props {

struct TaperedProps {
    double A = 0;            // area
    double Iy = 0, Iz = 0;   // second moments about the centroidal axes
    double Wply = 0, Wplz = 0; // plastic moduli about the equal-area axes
    double It = 0;           // Saint-Venant torsion constant, solved on the outline
    double Iw = 0;           // warping constant, thin-walled theory on the tapered flanges
    double AL = 0;           // outline length per metre
    double Avz = 0;          // shear area, EN 1993-1-1 6.2.6(3)
    double d_mm = 0;         // straight part of the web
    double ss_mm = 0;        // stiff bearing length on the tapered flanges (props::stiffBearing)
    double ys = 0;           // channels: centroid from the back of the web
    double ym = 0;           // channels: shear centre from the centroid
};

// Steps of the torsion grid: the thinner of web and flange tip divided by
// this many (and by twice as many for the extrapolation).
inline constexpr double kTorsionCellsAcross = 16;

// Stiff bearing length (mm) on the tapered flanges (props::stiffBearing).
double ipnStiffBearing(double b, double tw, double tf, double r1);
double upnStiffBearing(double h, double b, double tw, double tf, double r1);

TaperedProps ipnProperties(double h, double b, double tw, double tf, double r1, double r2);
TaperedProps upnProperties(double h, double b, double tw, double tf, double r1, double r2);

// Thin-walled shear centre and warping constant of a channel with tapered
// flanges. Mid-lines: the web at x = tw/2, of height h' = h - tf; the flanges
// at y = +-h'/2, from the face of the web (u = tw/2 from the web mid-line) to
// the tip (u = b - tw/2), with their true thickness t(u). The shear flow of
// bending is V S / Iy with the exact Iy of the section, so that
//   e  = h'^2 / (2 Iy) * S1                 (the shear centre lies e behind the web mid-line)
//   Iw = e^2 tw h'^3 / 12 + h'^2 / 2 * (S2 - 2 e S1 + e^2 S0)
// where Sk = integral of u^k t(u) du over the flange outstand (the sectorial
// coordinate about the shear centre is e y on the web and h'/2 (e - u) on a
// flange). Lengths in mm, Iy in mm4.
struct ChannelWarping {
    double e = 0;  // shear centre behind the web mid-line
    double Iw = 0; // mm6
};
ChannelWarping channelWarping(double h, double b, double tw, double tf, double Iy);

// Thin-walled warping constant of a doubly symmetric I section with tapered
// flanges: Iw = (h - tf)^2 / 4 * 2 * integral of x^2 t(x) dx over one flange,
// x from the web axis. Lengths in mm, result in mm6.
double iWarping(double h, double b, double tf);

} // namespace props
