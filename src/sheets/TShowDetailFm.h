#pragma once

#include "sheets/SectionSheet.h"

// The detailing sheet: the dimensions a detailer needs to place bolts in one
// rolled size, opened from a family window's "Dimensions for Detailing" tab.
class TShowDetailFm : public SectionSheet {
    Q_OBJECT
public:
    explicit TShowDetailFm(FamilyWindow *window = nullptr);

    static const SheetLayout kLayout;
    // What separates "dmax bolt" from the bolt size.
    static constexpr const char *kBoltGap = "      ";

    // The texts of the detailing sheet for the current record of table. The
    // bolt slots: the largest bolt with the gauges as stored, or the hyphen
    // forms when the section takes no bolt ("-").
    static SheetTexts sheetTexts(const Table &table, const FamilyInfo &family);
    SheetTexts texts(const Table &table, const FamilyInfo &family) const override { return sheetTexts(table, family); }
};
