#pragma once

// The only material constants of the catalogue, and the mathematical ones the
// computations share.
namespace props {

inline constexpr double kSteelDensity_kg_m3 = 7850.0;
inline constexpr double kSteelWeight_kN_m3 = 78.5;
inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kSqrt2 = 1.41421356237309504880;

} // namespace props
