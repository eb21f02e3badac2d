#pragma once

#include "data/SectionFamily.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <span>

// The ten family catalogues as data: one description per report layout,
// every position in millimetres from the top-left corner of its band. One
// builder (FamilyCatalogue) turns any of them into a report.

// Property catalogues print mass, dimensions and section properties;
// detailing catalogues the dimensions a detailer needs to place bolts. The
// kind also names the search criteria that make a catalogue a selection.
enum class CatalogueKind { Properties, Detailing };

enum class ColumnAlign { Left, Right, Centre };

// One column: its heading (symbol in bold over the unit; both may be empty),
// the field it shows in its own display format, and where: the right edge
// of a right-aligned value, the left edge of a left-aligned one, the centre
// of a centred one.
struct CatalogueColumn {
    const char *symbol;
    const char *unit;
    const char *field;
    ColumnAlign align;
    double anchor_mm;
};

// A filled rule: left, top, width, height.
struct RuleBox {
    double left_mm, top_mm, width_mm, height_mm;
};

struct CatalogueLayout {
    const char *className;            // "TCatIPEPFm": the report's objectName
    CatalogueKind kind;
    std::span<const SectionFamily> families; // the families whose rows it prints
    const char *software;             // QRLabelSoft's text
    const char *familyName;           // LBPerfil as stored ("HEB Sections")
    double pageHeaderHeight_mm;
    RuleBox rule;                    // under the software name
    QPointF familyNameAt_mm;          // LBPerfil
    double familyNameBox_mm;          // > 0: LBPerfil centred in a box this wide
    QPointF drawingAt_mm;             // QRImage2
    const char *drawing;              // artwork name of the section drawing
    bool flangeSlopeTable;            // the UPN flange-slope rule in the page header
    bool printIfEmpty;
    QList<CatalogueColumn> columns;   // in printing order
};

namespace catalogue {

// The ten layouts: TCatILPPFm, TCatILPDFm, TCatIPEPFm, TCatIPEDFm,
// TCatILIPFm, TCatILIDFm, TCatULPFm, TCatULDFm, TCatAngPFm, TCatAngDFm.
std::span<const CatalogueLayout> layouts();
// The layout of a family and kind (the HE pair serves HEA, HEB and HEM).
const CatalogueLayout &layoutFor(SectionFamily family, CatalogueKind kind);
// The layout of that class name, or nullptr.
const CatalogueLayout *layoutNamed(const QString &className);

// The native name of a family's sections: "HEM Sections", "Equal Leg
// Angle Sections" (the family name of the header and the end of titles).
QString sectionsName(SectionFamily family);
// The native title: "Catalogue of HEM Sections" for the whole table,
// "Group of Selected HEM Sections" for a selection.
QString nativeTitle(SectionFamily family, bool selected);

// Page, bands, fonts and heights shared by the ten.
inline constexpr double kColumnHeaderHeightProperties_mm = 9.3;
inline constexpr double kColumnHeaderHeightDetailing_mm = 10.1;
inline constexpr double kDetailHeightProperties_mm = 3.7;
inline constexpr double kDetailHeightDetailing_mm = 4.0;
inline constexpr double kClosingHeight_mm = 5.8;
// Eight layout pixels at 96 per inch between the software name and the version.
inline constexpr double kVersionGap_mm = 8 * 25.4 / 96;

} // namespace catalogue
