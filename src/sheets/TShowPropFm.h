#pragma once

#include "sheets/SectionSheet.h"

// The property sheet: every property of one rolled size in 24 slots, opened
// from a family window's "Properties" tab.
class TShowPropFm : public SectionSheet {
    Q_OBJECT
public:
    explicit TShowPropFm(QWidget *parent = nullptr);

    static const SheetLayout kLayout;

protected:
    std::span<const SlotFill> familySlots(SectionFamily family) const override;
};
