#pragma once

#include "sheets/SectionSheet.h"

// The property sheet: every property of one rolled size in 24 slots, opened
// from a family window's "Properties" tab.
class TShowPropFm : public SectionSheet {
    Q_OBJECT
public:
    explicit TShowPropFm(FamilyWindow *window = nullptr);

    static const SheetLayout kLayout;

    // The texts of the property sheet for the current record of table.
    static SheetTexts sheetTexts(const Table &table, const FamilyInfo &family);
    SheetTexts texts(const Table &table, const FamilyInfo &family) const override { return sheetTexts(table, family); }
};
