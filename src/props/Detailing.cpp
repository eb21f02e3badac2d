#include "props/Detailing.h"

#include "props/Sections.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace props {

namespace {

// Holes per EN 1090-2 (normal clearance); washers per EN ISO 7089.
constexpr std::array<MetricBolt, 9> kBolts = {{
    {"M8", 8, 9, 16},
    {"M10", 10, 11, 20},
    {"M12", 12, 13, 24},
    {"M16", 16, 18, 30},
    {"M20", 20, 22, 37},
    {"M22", 22, 24, 39},
    {"M24", 24, 26, 44},
    {"M27", 27, 30, 50},
    {"M30", 30, 33, 56},
}};

// Rounding that tolerates the last bits of a computed whole number.
int roundUp(double v) { return int(std::ceil(v - 1e-9)); }
int roundDown(double v) { return int(std::floor(v + 1e-9)); }

} // namespace

std::span<const MetricBolt> metricBolts() { return kBolts; }

std::optional<BoltFit> fitBolt(const MetricBolt &bolt, const SectionShape &shape, bool twoLines)
{
    const double nearest = shape.seatStart + bolt.dw / 2;
    const double farthest = std::min(shape.seatEnd - bolt.dw / 2, shape.tip - 1.2 * bolt.d0);
    const double lines = twoLines ? 2 : 1;
    BoltFit fit;
    fit.bolt = &bolt;
    fit.minGauge = roundUp(lines * nearest);
    fit.maxGauge = roundDown(lines * farthest);
    if (fit.minGauge > fit.maxGauge)
        return std::nullopt;
    return fit;
}

std::optional<BoltFit> largestBolt(const SectionShape &shape, bool twoLines)
{
    for (auto it = kBolts.rbegin(); it != kBolts.rend(); ++it) {
        if (auto fit = fitBolt(*it, shape, twoLines))
            return fit;
    }
    return std::nullopt;
}

DetailingTexts detailingTexts(const SectionShape &shape, bool twoLines)
{
    const std::optional<BoltFit> fit = largestBolt(shape, twoLines);
    if (!fit)
        return {"-", "-", "-"};
    return {std::to_string(fit->minGauge), std::to_string(fit->maxGauge), fit->bolt->name};
}

} // namespace props
