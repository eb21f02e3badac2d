#pragma once

#include "props/Outline.h"

// The exact outlines of the rolled sections of the catalogue, built from the
// dimensions of their tables (mm), and the properties read off them.
//
// Placement: I sections are centred on the origin; a channel has the back of
// its web on x = 0 and is centred on y = 0; an angle has its heel at the
// origin and its legs along +x and +y. x runs along the flanges (or the
// horizontal leg), y along the height.

namespace props {

// The taper of the inner flange faces of IPN and UPN sections: the face
// rises by `slope` per unit of x towards the tip, and the flange is `tf`
// thick at x = `at` (measured from the web axis of an I, from the back of
// the web of a channel).
struct FlangeTaper {
    double slope = 0;
    double at = 0;
    // Flange thickness at x for a nominal thickness tf.
    double thickness(double tf, double x) const { return tf + slope * (at - x); }
};

// IPN: 14 %, tf measured at b/4 from the web axis.
FlangeTaper ipnTaper(double b);
// UPN: 8 % with tf at b/2 from the back of the web for h <= 300 mm; 5 % with
// tf at the middle of the flange outstand, (b - tw)/2 from the web face, above.
FlangeTaper upnTaper(double h, double b, double tw);

// An outline and the depth of its straight web, in mm.
struct SectionShape {
    Outline outline;
    double webDepth = 0; // d: the straight part of the web, between the tangent points of the root fillets
};

SectionShape parallelFlangeI(double h, double b, double tw, double tf, double r);
SectionShape taperedFlangeI(double h, double b, double tw, double tf, double r1, double r2);
// heelRadius rounds the two outer corners of the back of the web (the heel
// radius r3 that EN 10279 bounds); the catalogue's outlines keep them sharp.
SectionShape taperedFlangeChannel(double h, double b, double tw, double tf, double r1, double r2,
                                  double heelRadius = 0);
SectionShape equalLegAngle(double h, double t, double r1, double r2);

// Properties of an outline in mm, in the units of the catalogue.
struct ExactProps {
    double A = 0;            // cm2
    double Iy = 0, Iz = 0;   // cm4, about the horizontal (y) and vertical (z) axes through the centroid
    double Wply = 0, Wplz = 0; // cm3, about the equal-area axes
    double AL = 0;           // m2/m: outline length per metre
    double xc = 0;           // cm: centroid from x = 0 (the back of a channel's web, an angle's heel)
};

ExactProps exactProperties(const Outline &outline_mm);

} // namespace props
