#pragma once

#include "sheets/SectionSheet.h"

// The detailing sheet: the dimensions a detailer needs to place bolts in one
// rolled size, opened from a family window's "Dimensions for Detailing" tab.
class TShowDetailFm : public SectionSheet {
    Q_OBJECT
public:
    explicit TShowDetailFm(QWidget *parent = nullptr);

    static const SheetLayout kLayout;
    // What separates "dmax bolt" from the bolt size.
    static constexpr const char *kBoltGap = "      ";

protected:
    std::span<const SlotFill> familySlots(SectionFamily family) const override;
    // The bolt slots: the largest bolt with the gauges as stored, or the
    // hyphen forms when the section takes no bolt ("-").
    void fillMore(const Table &table, SectionFamily family) override;
};
