#pragma once

#include "sheets/SectionSheet.h"

// The property sheet: every property of one rolled size in 24 slots, opened
// from a family window's "Properties" tab.
class TShowPropFm : public SectionSheet {
    Q_OBJECT
public:
    explicit TShowPropFm(FamilyWindow *window = nullptr);

    static const SheetLayout kLayout;

protected:
    const SheetFills &familyFills(const FamilyInfo &family) const override { return *family.kind->propertySheet; }
};
