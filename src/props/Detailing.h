#pragma once

#include <optional>
#include <span>
#include <string>

// The gauge-line rule of the detailing tables: the largest metric bolt a
// flange (or an angle's leg) takes, the range of gauges that keeps it clear
// of the root fillet and far enough from the tip, and the stiff bearing
// length.
//
// Each bolt has two clearances, read off the published gauge-line tables of
// the European sections (HE, IPE, IPN, UPN) and fitted so that the rule
// gives exactly their largest bolt for every size they list:
//   - rootClearance: from the end of the root radius (web face + r) to the
//     bolt axis, room for the washer and the spanner clear of the fillet;
//   - edgeDistance: from the bolt axis to the flange tip.
// The clearances differ between parallel flanges and the two tapered
// flanges, whose sloping faces need more room at the root. Distances are
// measured from the web axis of an I section (the gauge p spans the two
// bolt lines, one each side of the web), from the back of the web of a
// channel and from the heel of an angle (the gauge e). Each line is rounded
// to whole millimetres, inwards: the nearest up, the farthest down; the bolt
// fits when the nearest does not exceed the farthest.

namespace props {

// Flanges whose clearances differ.
enum class FlangeKind {
    Parallel, // HE, IPE and the legs of angles
    TaperedI, // IPN, 14 % slope
    Channel,  // UPN, 8 % or 5 % slope
};

struct GaugeLine {
    const char *bolt;     // "M20"
    double rootClearance; // mm beyond the root radius
    double edgeDistance;  // mm from the tip
};

// The bolts a kind of flange takes, in increasing size (M10 to M27; channels
// from M12, as the published tables give no smaller bolt for them).
std::span<const GaugeLine> gaugeLines(FlangeKind kind);

// Where bolts may go on a flange, in mm from the web axis, the back of the
// web or the heel.
struct FlangeSeat {
    FlangeKind kind = FlangeKind::Parallel;
    double root = 0; // the end of the root radius: web (or leg) face + r
    double tip = 0;  // the flange tip
    int lines = 1;   // 2 for the two bolt lines of an I section's flange
};

// An I section's flange: web of thickness tw centred on the axis, root radius r.
FlangeSeat iSectionSeat(FlangeKind kind, double b, double tw, double r);
// A channel's flange from the back of the web.
FlangeSeat channelSeat(double b, double tw, double r1);
// A leg of an equal-leg angle from the heel; angles take the clearances of
// parallel flanges.
FlangeSeat angleSeat(double h, double t, double r1);

struct BoltFit {
    const GaugeLine *line = nullptr;
    int minGauge = 0, maxGauge = 0; // mm
};

// The gauge range of one bolt, or nothing when it does not fit.
std::optional<BoltFit> fitBolt(const GaugeLine &line, const FlangeSeat &seat);
// The largest bolt of gaugeLines(seat.kind) that fits, or nothing.
std::optional<BoltFit> largestBolt(const FlangeSeat &seat);

// The three texts of a table row: minimum and maximum gauge and the bolt
// ("52", "56", "M12"), or "-" in all three when no bolt fits.
struct DetailingTexts {
    std::string minGauge, maxGauge, bolt;
};
DetailingTexts detailingTexts(const FlangeSeat &seat);

// Stiff bearing length, mm: the load spreads at 45 degrees through the
// flange and past the root fillet on each flange outstand beside the web,
// ss = tw + outstands (t + (2 - sqrt 2) r), with t the flange thickness
// where the root radius ends (tf on a parallel flange). An I section has two
// outstands, a channel one.
double stiffBearing(double tw, double tAtRoot, double r, int outstands);

} // namespace props
