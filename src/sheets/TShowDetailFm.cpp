#include "sheets/TShowDetailFm.h"

#include "browse/Texts.h"
#include "data/Table.h"

namespace {

constexpr SlotPlace kSlots[] = {
    {"LBh", 214, 36},     {"LBtw", 333, 38},    {"LBb", 214, 56},     {"LBtf", 333, 58},
    {"LBDmax", 213, 89},  {"LBPmin", 214, 110}, {"LBPmax", 333, 110}, {"LBSs", 214, 142},
};
constexpr int kLines[] = {79, 135};

// The gauges are text fields, written as stored. LBDmax is not listed: it
// is written by fillMore for every family.
constexpr SlotFill kIBeam[] = {
    {"LBh", "h = ", "h", 0, " mm"},           {"LBb", "b = ", "b", 0, " mm"},
    {"LBtf", "tf = ", "tf", 1, " mm"},        {"LBtw", "tw = ", "tw", 1, " mm"},
    {"LBPmin", "pmin = ", "Pmin", kAsStored, " mm"}, {"LBPmax", "pmax = ", "Pmax", kAsStored, " mm"},
    {"LBSs", "Ss = ", "ss", 1, " mm"},
};

// Channels carry their gauge as e (from the back of the web).
constexpr SlotFill kChannel[] = {
    {"LBh", "h = ", "H", 0, " mm"},           {"LBb", "b = ", "B", 0, " mm"},
    {"LBtf", "tf = ", "Tf", 1, " mm"},        {"LBtw", "tw = ", "Tw", 1, " mm"},
    {"LBPmin", "emin = ", "Emin", kAsStored, " mm"}, {"LBPmax", "emax = ", "Emax", kAsStored, " mm"},
    {"LBSs", "Ss = ", "ss", 1, " mm"},
};

// Angles: leg and thickness only; tf, tw and Ss stay empty.
constexpr SlotFill kAngle[] = {
    {"LBh", "h = ", "H", 0, " mm"},           {"LBb", "t = ", "T", 1, " mm"},
    {"LBPmin", "emin = ", "Emin", kAsStored, " mm"}, {"LBPmax", "emax = ", "Emax", kAsStored, " mm"},
};

} // namespace

const SheetLayout TShowDetailFm::kLayout{
    {464, 262}, {10, 5}, {407, 5}, "sheet-det-", {195, 190}, {6, 38}, kSlots, 205, 405, kLines,
};

TShowDetailFm::TShowDetailFm(QWidget *parent) : SectionSheet(kLayout, parent) { finishConstruction(); }

std::span<const SlotFill> TShowDetailFm::familySlots(SectionFamily family) const
{
    switch (family) {
    case SectionFamily::HEA:
    case SectionFamily::HEB:
    case SectionFamily::HEM:
    case SectionFamily::IPE:
    case SectionFamily::IPN:
        return kIBeam;
    case SectionFamily::UPN:
        return kChannel;
    case SectionFamily::ANG:
        return kAngle;
    }
    return {};
}

void TShowDetailFm::fillMore(const Table &table, SectionFamily family)
{
    const FieldRef dmax = table.field(QStringLiteral("Dmax"));
    // Like every other slot, an empty field leaves its slot empty; then the
    // gauges stay as their own fields give them.
    if (dmax.isNull()) {
        setSlot("LBDmax", QString());
        return;
    }
    // Translated at every fill, so the words follow the current language.
    const QString bolt = texts::TranslateString(QStringLiteral("dmax bolt")) + QLatin1String(kBoltGap);
    // Only "-" itself means no bolt; the gauges are not looked at.
    if (dmax.asString() != u"-") {
        setSlot("LBDmax", bolt + dmax.asString() + u' ');
        return;
    }
    setSlot("LBDmax", bolt + u'-');
    const std::span<const SlotFill> fills = familySlots(family);
    for (const char *gauge : {"LBPmin", "LBPmax"}) {
        if (const SlotFill *fill = findFill(fills, gauge))
            setSlot(gauge, QString::fromLatin1(fill->prefix) + QStringLiteral("  - "));
    }
}
