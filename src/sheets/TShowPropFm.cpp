#include "sheets/TShowPropFm.h"

namespace {

constexpr SlotPlace kSlots[] = {
    {"LBh", 211, 12},     {"LBr", 331, 12},     {"LBb", 211, 32},     {"LBd", 331, 32},     {"LBtw", 211, 52},
    {"LBhi", 331, 52},    {"LBtf", 211, 72},    {"LBA", 211, 106},    {"LBM", 331, 106},    {"LBIy", 211, 139},
    {"LBIz", 331, 139},   {"LBWy", 211, 159},   {"LBWz", 331, 159},   {"LBWply", 211, 179}, {"LBWplz", 331, 179},
    {"LBry", 211, 199},   {"LBrz", 331, 199},   {"LBIt", 211, 219},   {"LBIw", 331, 219},   {"LBSy", 211, 249},
    {"LBAvz", 331, 249},  {"LBssy", 211, 268},  {"LBAL", 210, 293},   {"LBAG", 330, 293},
};
constexpr int kLines[] = {96, 128, 244, 286};

// What each family writes in the slots; the grid columns are named by their
// fields (HE "ry" is the column "iy (cm)").
constexpr SlotFill kParallel[] = {
    {"LBh", "h = ", "h", 0, " mm"},          {"LBr", "r = ", "R", 0, " mm"},
    {"LBb", "b = ", "b", 0, " mm"},          {"LBd", "d = ", "d", 1, " mm"},
    {"LBtw", "tw = ", "tw", 1, " mm"},       {"LBhi", "hi = ", "hi", 1, " mm"},
    {"LBtf", "tf = ", "tf", 1, " mm"},       {"LBA", "A = ", "A", 1, " cm2"},
    {"LBM", "M = ", "M", 1, " kg/m"},        {"LBIy", "Iy = ", "Iy", 0, " cm4"},
    {"LBIz", "Iz = ", "Iz", 0, " cm4"},      {"LBWy", "Wy = ", "Wy", 1, " cm3"},
    {"LBWz", "Wz = ", "Wz", 1, " cm3"},      {"LBWply", "Wply = ", "Wply", 1, " cm3"},
    {"LBWplz", "Wplz = ", "Wplz", 1, " cm3"}, {"LBry", "iy = ", "ry", 2, " cm"},
    {"LBrz", "iz = ", "rz", 2, " cm"},       {"LBIt", "It = ", "It", 1, " cm4"},
    {"LBIw", "Iw = ", "Iw", 0, " cm6"},      {"LBSy", "Sy = ", "Sy", 1, " cm3"},
    {"LBAvz", "Avz = ", "Avz", 2, " cm2"},   {"LBssy", "sy = ", "ssy", 1, " cm"},
    {"LBAL", "AL = ", "AL", 3, " m2/m"},     {"LBAG", "AG = ", "AG", 2, " m2/t"},
};

// IPN and UPN: flange and toe radii instead of r, no hi; the dimensions sit
// in other slots than on the HE sheet.
constexpr SlotFill kTapered[] = {
    {"LBh", "h = ", "H", 0, " mm"},          {"LBr", "r2 = ", "R2", 1, " mm"},
    {"LBb", "tf = ", "Tf", 1, " mm"},        {"LBd", "b = ", "B", 0, " mm"},
    {"LBtw", "r1 = ", "R1", 1, " mm"},       {"LBhi", "d = ", "D", 1, " mm"},
    {"LBtf", "tw = ", "Tw", 1, " mm"},       {"LBA", "A = ", "A", 1, " cm2"},
    {"LBM", "M = ", "M", 1, " kg/m"},        {"LBIy", "Iy = ", "Iy", 1, " cm4"},
    {"LBIz", "Iz = ", "Iz", 1, " cm4"},      {"LBWy", "Wy = ", "Wy", 1, " cm3"},
    {"LBWz", "Wz = ", "Wz", 1, " cm3"},      {"LBWply", "Wply = ", "Wply", 1, " cm3"},
    {"LBWplz", "Wplz = ", "Wplz", 1, " cm3"}, {"LBry", "iy = ", "ry", 2, " cm"},
    {"LBrz", "iz = ", "rz", 2, " cm"},       {"LBIt", "It = ", "It", 1, " cm4"},
    {"LBIw", "Iw = ", "Iw", 0, " cm6"},      {"LBSy", "Sy = ", "Sy", 1, " cm3"},
    {"LBAvz", "Avz = ", "Avz", 2, " cm2"},   {"LBssy", "sy = ", "ssy", 1, " cm"},
    {"LBAL", "AL = ", "AL", 3, " m2/m"},     {"LBAG", "AG = ", "AG", 2, " m2/t"},
};

// UPN: as IPN, It with two decimals, and the centroid distances ys and ym in
// the bottom line instead of Sy and sy.
constexpr SlotFill kChannel[] = {
    {"LBh", "h = ", "H", 0, " mm"},          {"LBr", "r2 = ", "R2", 1, " mm"},
    {"LBb", "tf = ", "Tf", 1, " mm"},        {"LBd", "b = ", "B", 0, " mm"},
    {"LBtw", "r1 = ", "R1", 1, " mm"},       {"LBhi", "d = ", "D", 1, " mm"},
    {"LBtf", "tw = ", "Tw", 1, " mm"},       {"LBA", "A = ", "A", 1, " cm2"},
    {"LBM", "M = ", "M", 1, " kg/m"},        {"LBIy", "Iy = ", "Iy", 1, " cm4"},
    {"LBIz", "Iz = ", "Iz", 1, " cm4"},      {"LBWy", "Wy = ", "Wy", 1, " cm3"},
    {"LBWz", "Wz = ", "Wz", 1, " cm3"},      {"LBWply", "Wply = ", "Wply", 1, " cm3"},
    {"LBWplz", "Wplz = ", "Wplz", 1, " cm3"}, {"LBry", "iy = ", "ry", 2, " cm"},
    {"LBrz", "iz = ", "rz", 2, " cm"},       {"LBIt", "It = ", "It", 2, " cm4"},
    {"LBIw", "Iw = ", "Iw", 0, " cm6"},      {"LBSy", "AG = ", "AG", 2, " m2/t"},
    {"LBAvz", "AL = ", "AL", 3, " m2/m"},    {"LBssy", "Avz = ", "Avz", 2, " cm2"},
    {"LBAL", "ys = ", "ys", 2, " cm"},       {"LBAG", "ym = ", "ym", 2, " cm"},
};

// Equal-leg angles: the top corners (LBh, LBr) and the z-axis moduli (LBWz,
// LBWplz) stay empty; y and z values are equal and named together.
constexpr SlotFill kAngle[] = {
    {"LBb", "h = ", "H", 0, " mm"},          {"LBd", "t = ", "T", 1, " mm"},
    {"LBtw", "r1 = ", "R1", 1, " mm"},       {"LBhi", "r2 = ", "R2", 1, " mm"},
    {"LBtf", "ys = zs = ", "ys", 2, " cm"},  {"LBA", "A = ", "A", 1, " cm2"},
    {"LBM", "M = ", "M", 1, " kg/m"},        {"LBIy", "Iy = Iz = ", "Iy", 2, " cm4"},
    {"LBIz", "Iyz = ", "Iyz", 2, " cm4"},    {"LBWy", "Wy = Wz = ", "Wy", 2, " cm3"},
    {"LBWply", "iy = iz = ", "ry", 2, " cm"}, {"LBry", "Iu = ", "Iu", 2, " cm4"},
    {"LBrz", "Iv = ", "Iv", 2, " cm4"},      {"LBIt", "iu = ", "ru", 2, " cm"},
    {"LBIw", "iv = ", "rv", 2, " cm"},       {"LBSy", "u1 = ", "U1", 2, " cm"},
    {"LBAvz", "v = ", "V", 2, " cm"},        {"LBssy", "u2 = ", "U2", 2, " cm"},
    {"LBAL", "AL = ", "AL", 3, " m2/m"},     {"LBAG", "AG = ", "AG", 2, " m2/t"},
};

} // namespace

const SheetLayout TShowPropFm::kLayout{
    {492, 354}, {10, 4}, {436, 9}, "sheet-prop-", {195, 290}, {6, 34}, kSlots, 205, 486, kLines,
};

TShowPropFm::TShowPropFm(QWidget *parent) : SectionSheet(kLayout, parent) { finishConstruction(); }

std::span<const SlotFill> TShowPropFm::familySlots(SectionFamily family) const
{
    switch (family) {
    case SectionFamily::HEA:
    case SectionFamily::HEB:
    case SectionFamily::HEM:
    case SectionFamily::IPE:
        return kParallel;
    case SectionFamily::IPN:
        return kTapered;
    case SectionFamily::UPN:
        return kChannel;
    case SectionFamily::ANG:
        return kAngle;
    }
    return {};
}
