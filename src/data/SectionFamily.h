#pragma once

#include "data/Criterion.h"
#include "data/FieldDecl.h"
#include "data/GridColumn.h"
#include "props/Detailing.h"
#include "props/Sections.h"

#include <QList>
#include <QSize>
#include <QString>

#include <span>

class Record;

// The registry of the seven families of rolled sections: everything that
// tells them apart is a description here, and windows, search dialogs, the
// record filter, sheets, the main window and the command-line tool ask it.
// A family (FamilyInfo) names its window design (FamilyWindowDesc, shared by
// the three HE series) and its kind of section (SectionKind, shared by the
// families of one shape).
enum class SectionFamily { HEA, HEB, HEM, IPE, IPN, UPN, ANG };

// A dimension label under a window's drawing: prefix, field, decimals, then " mm".
struct DimensionLabel {
    const char *prefix;
    const char *field;
    int decimals;
};

// How a sheet fills one of its slots: prefix, the value of a field, unit.
// The value is written as the grid shows it (display::cell), so a sheet and
// the grid of the same size always agree.
struct SlotFill {
    const char *slot;
    const char *prefix;
    const char *field;
    const char *unit;
};

// The slots a family fills on one sheet: its own, then those of the fills it
// is based on for every slot it does not name itself.
struct SheetFills {
    std::span<const SlotFill> own;
    const SheetFills *base = nullptr;

    // The fill of a slot, or nullptr when the family leaves it empty.
    const SlotFill *find(const char *slot) const;
};

// Which pair of search dialogs a family's window opens.
enum class SearchDialogs { Sections, Angles };

// What the families of one shape share: table declaration, grids, search
// criteria, sheets, and what the command-line tool checks of them.
struct SectionKind {
    const TableDecl *table;
    // The window's drawing: the fields of its two live values and the
    // dimension labels under it.
    const char *dataLabel2;
    const char *dataLabel3;
    QList<DimensionLabel> dimensions;
    QList<GridColumn> propertyColumns;
    QList<GridColumn> detailColumns;
    // The search criteria of each browsing tab: dialog rows and filter.
    Criteria propertyCriteria;
    Criteria detailCriteria;
    SearchDialogs dialogs;
    const char *toleranceComponent; // the window's copy of "TOL.DB"
    const SheetFills *propertySheet;
    const SheetFills *detailSheet;

    // The exact outline of a row from its stored dimensions, and the flange
    // the bolting rule works on.
    props::SectionShape (*outline)(const Record &row);
    props::FlangeSeat (*seat)(const Record &row);
    // The properties compared with the exact outline's, as table fields.
    std::span<const char *const> exactFields;
    // The fields of the smallest and largest gauge.
    const char *gaugeMin;
    const char *gaugeMax;
    // The stiff bearing length Ss by its rule, where the table shows a
    // published one; nullptr where it is not compared.
    double (*stiffBearing)(const Record &row);
    // The field of the published web depth compared with the outline's, or nullptr.
    const char *webDepth;
    // The property sheet draws the outline upside down: an angle's heel at
    // the top left, its legs running right and down.
    bool sheetUpsideDown = false;
};

// The translator targets of a section window: every caption, hint, item
// list, file filter and field label.
inline constexpr const char kSectionWindowTargets[] =
    "(1 6 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Hints' 0) ('*' 'Items' 0) ('*' 'Filter' 0) ('*' 'DisplayLabel' 0))";

// What tells the five section windows apart beyond the kind of section;
// the members with defaults name what only some windows do otherwise.
struct FamilyWindowDesc {
    const char *art;            // pictures of windows and sheets: "he", "ipe", "ipn", "upn", "ang"
    const char *toleranceKey;   // "Raroda" key of the family's rows in "TOL.DB"
    const char *standard;       // the tolerance standard
    const char *toleranceTitle; // the bold title of the tolerances tab
    int helpContexts[3];        // per tab
    // The heading is a label of its own showing the caption (HE), not the
    // heading panel's caption " " + caption.
    bool headingLabel = false;
    bool translateAgain = false; // translated again at the end of creation
    bool supplyNote = true;      // shows "(*) - Available on request"
    const char *translatorTargets = kSectionWindowTargets;
};

// How people write the designation of a size: the family's letters before
// and after the size, and what the size is. "HEB 200" and "HE 200 B" are
// {"HEB", "", Height} and {"HE", "B", Height}; "L 100x100x10" and "L100x10"
// are {"L", "", LegsAndThickness}. Letters compare ignoring case and spaces.
enum class DesignationSize {
    Height,           // one number, the nominal height in mm
    LegsAndThickness, // equal legs and thickness: "100x100x10", "100x10", "100.100.10"
};
struct DesignationForm {
    const char *prefix;
    const char *suffix;
    DesignationSize size;
};

struct FamilyInfo {
    SectionFamily family;
    const char *key;       // "HEB": first three letters of the table file, upper-cased
    const char *tableFile; // "HEB.DB"
    const char *caption;   // "HEB Sections": the window's caption
    int heSeries = 0;      // 1 HEA, 2 HEB, 3 HEM; 0 for the other families
    const FamilyWindowDesc *window;
    const SectionKind *kind;
    // The forms of its designations the find box accepts, the stored one first.
    std::span<const DesignationForm> designations;

    const char *toleranceKey() const { return window->toleranceKey; }
    const char *standard() const { return window->standard; }
    const TableDecl *table() const { return kind->table; }
};

const FamilyInfo &familyInfo(SectionFamily family);
std::span<const FamilyInfo> allFamilies();
// The family of a key ("HEB", "ang") ignoring case, or nullptr.
const FamilyInfo *familyByKey(const QString &key);
// "HEB.DB" gives "HEB", "Ang.db" gives "ANG".
QString familyKeyOfFile(const QString &fileName);
