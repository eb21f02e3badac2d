#include "sheets/TShowDetailFm.h"

#include "browse/Texts.h"
#include "data/Table.h"

namespace {

// The right column starts where its longest text ("pmax = 220 mm") still
// ends inside the separator lines and its top texts keep clear of the logo.
constexpr int kRight = 312;
constexpr SlotPlace kSlots[] = {
    {"LBh", 214, 36},     {"LBtw", kRight, 38},    {"LBb", 214, 56},     {"LBtf", kRight, 58},
    {"LBDmax", 213, 89},  {"LBPmin", 214, 110},    {"LBPmax", kRight, 110}, {"LBSs", 214, 142},
};
constexpr int kLines[] = {79, 135};

} // namespace

const SheetLayout TShowDetailFm::kLayout{
    {464, 262}, {10, 5}, {407, 5}, "sheet-det-", {195, 190}, {6, 38}, kSlots, 205, 405, kLines,
};

TShowDetailFm::TShowDetailFm(FamilyWindow *window) : SectionSheet(kLayout, window) { finishConstruction(); }

SheetTexts TShowDetailFm::sheetTexts(const Table &table, const FamilyInfo &family)
{
    const SheetFills &fills = *family.kind->detailSheet;
    SheetTexts sheet = fillTexts(kLayout, table, fills);
    const FieldRef dmax = table.field(QStringLiteral("Dmax"));
    // Like every other slot, an empty field leaves its slot empty; then the
    // gauges stay as their own fields give them.
    if (dmax.isNull()) {
        sheet.setSlot(QStringLiteral("LBDmax"), QString());
        return sheet;
    }
    // Translated at every fill, so the words follow the current language.
    const QString bolt = texts::TranslateString(QStringLiteral("dmax bolt")) + QLatin1String(kBoltGap);
    // Only "-" itself means no bolt; the gauges are not looked at.
    if (dmax.asString() != u"-") {
        sheet.setSlot(QStringLiteral("LBDmax"), bolt + dmax.asString() + u' ');
        return sheet;
    }
    sheet.setSlot(QStringLiteral("LBDmax"), bolt + u'-');
    for (const char *gauge : {"LBPmin", "LBPmax"}) {
        if (const SlotFill *fill = fills.find(gauge))
            sheet.setSlot(QString::fromLatin1(gauge), QString::fromLatin1(fill->prefix) + QStringLiteral("  - "));
    }
    return sheet;
}
