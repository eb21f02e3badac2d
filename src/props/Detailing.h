#pragma once

#include <optional>
#include <span>
#include <string>

// The bolting rule of the detailing tables: the largest metric bolt a flange
// (or an angle's leg) takes and the range of gauges that keeps it clear of
// the fillets and far enough from the edge.
//
// For a bolt of diameter d in a normal round hole d0 (EN 1090-2 normal
// clearance: d + 1 mm up to M14, d + 2 mm from M16 to M24, d + 3 mm from
// M27), with a washer of outer diameter dw (EN ISO 7089):
//   - the washer bears on the flat of the flange: its edge may not reach the
//     root fillet nor the toe rounding, so the bolt axis lies between
//     seatStart + dw/2 and seatEnd - dw/2;
//   - the hole keeps the minimum edge distance to the flange tip of
//     EN 1993-1-8 Table 3.3, e2 >= 1.2 d0, so the axis lies at most at
//     tip - 1.2 d0.
// Distances are measured from the web axis of an I section (the gauge p is
// twice that, one bolt line each side of the web), from the back of the web
// of a channel and from the heel of an angle (the gauge e). The smallest
// gauge is rounded up and the largest down to whole millimetres; the bolt
// fits when the smallest does not exceed the largest.

namespace props {

struct SectionShape;

struct MetricBolt {
    const char *name; // "M20"
    double d;         // shank diameter, mm
    double d0;        // normal round hole, mm
    double dw;        // washer outer diameter, mm
};

// M8 to M30 in increasing size.
std::span<const MetricBolt> metricBolts();

struct BoltFit {
    const MetricBolt *bolt = nullptr;
    int minGauge = 0, maxGauge = 0; // mm
};

// The gauge range of one bolt, or nothing when it does not fit. twoLines:
// the gauge spans two bolt lines symmetric about the web (I sections).
std::optional<BoltFit> fitBolt(const MetricBolt &bolt, const SectionShape &shape, bool twoLines);
// The largest bolt of metricBolts() that fits, or nothing.
std::optional<BoltFit> largestBolt(const SectionShape &shape, bool twoLines);

// The three texts of a table row: minimum and maximum gauge and the bolt
// ("52", "56", "M12"), or "-" in all three when no bolt fits.
struct DetailingTexts {
    std::string minGauge, maxGauge, bolt;
};
DetailingTexts detailingTexts(const SectionShape &shape, bool twoLines);

} // namespace props
