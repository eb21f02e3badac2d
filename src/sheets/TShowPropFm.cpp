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

} // namespace

const SheetLayout TShowPropFm::kLayout{
    {492, 354}, {10, 4}, {436, 9}, "sheet-prop-", {195, 290}, {6, 34}, kSlots, 205, 486, kLines,
};

TShowPropFm::TShowPropFm(FamilyWindow *window) : SectionSheet(kLayout, window) { finishConstruction(); }

SheetTexts TShowPropFm::sheetTexts(const Table &table, const FamilyInfo &family)
{
    return fillTexts(kLayout, table, *family.kind->propertySheet);
}
