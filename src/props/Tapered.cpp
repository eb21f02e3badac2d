#include "props/Tapered.h"

#include "props/Constants.h"
#include "props/Detailing.h"
#include "props/Sections.h"
#include "props/Torsion.h"

#include <algorithm>
#include <cmath>

namespace props {

namespace {

// Moments S0, S1, S2 of a flange thickness falling linearly as c0 - s u
// over 0 <= u <= L.
struct FlangeMoments {
    double S0, S1, S2;
};

FlangeMoments linearFlange(double c0, double s, double L)
{
    return {c0 * L - s * L * L / 2, c0 * L * L / 2 - s * L * L * L / 3, c0 * L * L * L / 3 - s * L * L * L * L / 4};
}

double torsion(const Outline &outline, double thinnest)
{
    return torsionConstant(outline, thinnest / kTorsionCellsAcross) / 1e4;
}

} // namespace

double iWarping(double h, double b, double tf)
{
    const FlangeTaper taper = ipnTaper(b);
    // Half a flange, u from the web axis: t = tf + s (b/4 - u).
    const FlangeMoments m = linearFlange(tf + taper.slope * taper.at, taper.slope, b / 2);
    const double flange = 2 * m.S2; // integral of x^2 t dx over the whole flange
    return (h - tf) * (h - tf) / 4 * 2 * flange;
}

ChannelWarping channelWarping(double h, double b, double tw, double tf, double Iy)
{
    const FlangeTaper taper = upnTaper(h, b, tw);
    const double hp = h - tf;
    const double xw = tw / 2;
    // u from the web mid-line: t = c0 - s u; the outstand runs from u = xw to b - xw.
    const double c0 = taper.thickness(tf, xw);
    const FlangeMoments all = linearFlange(c0, taper.slope, b - xw);
    const FlangeMoments inWeb = linearFlange(c0, taper.slope, xw);
    const FlangeMoments m{all.S0 - inWeb.S0, all.S1 - inWeb.S1, all.S2 - inWeb.S2};
    ChannelWarping w;
    w.e = hp * hp / (2 * Iy) * m.S1;
    w.Iw = w.e * w.e * tw * hp * hp * hp / 12 + hp * hp / 2 * (m.S2 - 2 * w.e * m.S1 + w.e * w.e * m.S0);
    return w;
}

// What IPN and UPN take alike from their exact outline.
static TaperedProps fromOutline(const ExactProps &e, const SectionShape &shape)
{
    TaperedProps p;
    p.A = e.A;
    p.Iy = e.Iy;
    p.Iz = e.Iz;
    p.Wply = e.Wply;
    p.Wplz = e.Wplz;
    p.AL = e.AL;
    p.d_mm = shape.webDepth;
    return p;
}

double ipnStiffBearing(double b, double tw, double tf, double r1)
{
    // Two flange outstands, each as thick as the taper makes it where the
    // root radius ends.
    return stiffBearing(tw, ipnTaper(b).thickness(tf, tw / 2 + r1), r1, 2);
}

double upnStiffBearing(double h, double b, double tw, double tf, double r1)
{
    // A channel has one flange outstand beside its web.
    return stiffBearing(tw, upnTaper(h, b, tw).thickness(tf, tw + r1), r1, 1);
}

TaperedProps ipnProperties(double h, double b, double tw, double tf, double r1, double r2)
{
    const SectionShape shape = taperedFlangeI(h, b, tw, tf, r1, r2);
    const ExactProps e = exactProperties(shape.outline);
    TaperedProps p = fromOutline(e, shape);
    p.ss_mm = ipnStiffBearing(b, tw, tf, r1);
    const double tipThickness = ipnTaper(b).thickness(tf, b / 2);
    p.It = torsion(shape.outline, std::min(tw, tipThickness));
    p.Iw = iWarping(h, b, tf) / 1e6;
    // Rolled I sections: A - 2 b tf + (tw + 2 r) tf, not less than hw tw (eta = 1).
    const double A = e.A * 100;
    p.Avz = std::max(A - 2 * b * tf + (tw + 2 * r1) * tf, (h - 2 * tf) * tw) / 100;
    return p;
}

TaperedProps upnProperties(double h, double b, double tw, double tf, double r1, double r2)
{
    const SectionShape shape = taperedFlangeChannel(h, b, tw, tf, r1, r2);
    const ExactProps e = exactProperties(shape.outline);
    TaperedProps p = fromOutline(e, shape);
    p.ss_mm = upnStiffBearing(h, b, tw, tf, r1);
    const double tipThickness = upnTaper(h, b, tw).thickness(tf, b);
    p.It = torsion(shape.outline, std::min(tw, tipThickness));
    const ChannelWarping w = channelWarping(h, b, tw, tf, e.Iy * 1e4);
    p.Iw = w.Iw / 1e6;
    p.ys = e.xc;
    // The shear centre lies e behind the web mid-line, which is tw/2 in front
    // of the back of the web; the centroid is ys in front of it.
    p.ym = (e.xc * 10 - tw / 2 + w.e) / 10;
    // Channels: A - 2 b tf + (tw + r1) tf.
    p.Avz = (e.A * 100 - 2 * b * tf + (tw + r1) * tf) / 100;
    return p;
}

} // namespace props
