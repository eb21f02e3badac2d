#include "data/SectionFamily.h"

#include "data/CalcFields.h"
#include "data/Declarations.h"
#include "data/Record.h"
#include "props/Tapered.h"

#include <array>
#include <cstring>

namespace {

// The search criteria of each kind of section. The dimensions of HE and IPE
// rows are read through their computation (cm, hence the factor 10); IPN,
// UPN and angle dimensions are the stored millimetres.
double mm(const Record &row, const char *field) { return row.asFloat(field); }

ILamParProps parallel(const Record &row) { return PropILamPar(iLamParInput(row)); }
ILamIncProps tapered(const Record &row) { return PropILamInc(iLamIncInput(row)); }
ULamProps channel(const Record &row) { return PropULam(uLamInput(row)); }
AngularProps angle(const Record &row) { return PropAngular(angularInput(row)); }

// "h " keeps the two spaces the dialogs have always shown before "(mm)".
const Criterion kParallelProperty[] = {
    {"h ", "h", "mm", [](const Record &r) { return parallel(r).h * 10; }, 9999},
    {"b", "b", "mm", [](const Record &r) { return parallel(r).b * 10; }, 9999},
    {"tf", "tf", "mm", [](const Record &r) { return parallel(r).tf * 10; }, 99},
    {"tw", "tw", "mm", [](const Record &r) { return parallel(r).tw * 10; }, 99},
    {"A", "A", "cm2", [](const Record &r) { return parallel(r).A; }, 9999},
    {"M", "M", "kg/m", [](const Record &r) { return parallel(r).M; }, 9999},
    {"Iy", "Iy", "cm4", [](const Record &r) { return parallel(r).Iy; }, 9999999},
    {"Wy", "Wy", "cm3", [](const Record &r) { return parallel(r).Wy; }, 99999, "WyCbT"},
    {"Wply", "Wply", "cm3", [](const Record &r) { return parallel(r).Wply; }, 99999},
    {"Iz", "Iz", "cm4", [](const Record &r) { return parallel(r).Iz; }, 999999},
    {"Wz", "Wz", "cm3", [](const Record &r) { return parallel(r).Wz; }, 99999, "WzCbT"},
    {"Wplz", "Wplz", "cm3", [](const Record &r) { return parallel(r).Wplz; }, 99999},
};
const Criterion kParallelDetail[] = {
    {"h ", "h", "mm", [](const Record &r) { return parallel(r).h * 10; }, 9999},
    {"b", "b", "mm", [](const Record &r) { return parallel(r).b * 10; }, 9999},
    {"tf", "tf", "mm", [](const Record &r) { return parallel(r).tf * 10; }, 99},
    {"tw", "tw", "mm", [](const Record &r) { return parallel(r).tw * 10; }, 99},
    {"M", "M", "kg/m", [](const Record &r) { return parallel(r).M; }, 9999},
    {"Ss", "Ss", "mm", [](const Record &r) { return parallel(r).ss * 10; }, 999999},
};

// IPN and UPN: the stored dimensions and properties, with the derived ones
// of the family's computation.
template <auto props> constexpr Criterion kStoredProperty[] = {
    {"h ", "h", "mm", [](const Record &r) { return mm(r, "H"); }, 9999},
    {"b", "b", "mm", [](const Record &r) { return mm(r, "B"); }, 9999},
    {"tf", "tf", "mm", [](const Record &r) { return mm(r, "Tf"); }, 99},
    {"tw", "tw", "mm", [](const Record &r) { return mm(r, "Tw"); }, 99},
    {"A", "A", "cm2", [](const Record &r) { return props(r).A; }, 9999},
    {"M", "M", "kg/m", [](const Record &r) { return props(r).M; }, 9999},
    {"Iy", "Iy", "cm4", [](const Record &r) { return props(r).Iy; }, 9999999},
    {"Wy", "Wy", "cm3", [](const Record &r) { return props(r).Wy; }, 99999, "WyCbT"},
    {"Wply", "Wply", "cm3", [](const Record &r) { return props(r).Wply; }, 99999},
    {"Iz", "Iz", "cm4", [](const Record &r) { return props(r).Iz; }, 999999},
    {"Wz", "Wz", "cm3", [](const Record &r) { return props(r).Wz; }, 99999, "WzCbT"},
    {"Wplz", "Wplz", "cm3", [](const Record &r) { return props(r).Wplz; }, 99999},
};
// Ss is stored in millimetres.
template <auto props> constexpr Criterion kStoredDetail[] = {
    {"h ", "h", "mm", [](const Record &r) { return mm(r, "H"); }, 9999},
    {"b", "b", "mm", [](const Record &r) { return mm(r, "B"); }, 9999},
    {"tf", "tf", "mm", [](const Record &r) { return mm(r, "Tf"); }, 99},
    {"tw", "tw", "mm", [](const Record &r) { return mm(r, "Tw"); }, 99},
    {"M", "M", "kg/m", [](const Record &r) { return props(r).M; }, 9999},
    {"Ss", "Ss", "mm", [](const Record &r) { return props(r).ss; }, 999999},
};

// Angles have one thickness t and principal-axis radii of gyration, hence
// the wider bounds for t and the i rows.
const Criterion kAngleProperty[] = {
    {"h ", "h", "mm", [](const Record &r) { return mm(r, "H"); }, 9999},
    {"t", "t", "mm", [](const Record &r) { return mm(r, "T"); }, 999},
    {"A", "A", "cm2", [](const Record &r) { return angle(r).A; }, 9999},
    {"M", "M", "kg/m", [](const Record &r) { return angle(r).M; }, 9999},
    {"Iy", "Iy", "cm4", [](const Record &r) { return angle(r).Iy; }, 9999999},
    {"Wy", "Wy", "cm3", [](const Record &r) { return angle(r).Wy; }, 99999, "WyCbT"},
    {"iy", "Ry", "cm", [](const Record &r) { return angle(r).iy; }, 999},
    {"Iu", "Iu", "cm4", [](const Record &r) { return angle(r).Iu; }, 9999999},
    {"iu", "Ru", "cm", [](const Record &r) { return angle(r).iu; }, 999},
    {"Iv", "Iv", "cm4", [](const Record &r) { return angle(r).Iv; }, 9999999},
    {"iv", "Rv", "cm", [](const Record &r) { return angle(r).iv; }, 999},
};
const Criterion kAngleDetail[] = {
    {"h ", "h", "mm", [](const Record &r) { return mm(r, "H"); }, 9999},
    {"t", "t", "mm", [](const Record &r) { return mm(r, "T"); }, 999},
    {"M", "M", "kg/m", [](const Record &r) { return angle(r).M; }, 9999},
};

// What each kind of section writes in the property sheet's slots; the grid columns are named by their
// fields (HE "ry" is the column "iy (cm)"). Every value is written as its grid column shows it.
constexpr SlotFill kParallelPropertyFills[] = {
    {"LBh", "h = ", "h", " mm"},             {"LBr", "r = ", "R", " mm"},
    {"LBb", "b = ", "b", " mm"},             {"LBd", "d = ", "d", " mm"},
    {"LBtw", "tw = ", "tw", " mm"},          {"LBhi", "hi = ", "hi", " mm"},
    {"LBtf", "tf = ", "tf", " mm"},          {"LBA", "A = ", "A", " cm2"},
    {"LBM", "M = ", "M", " kg/m"},           {"LBIy", "Iy = ", "Iy", " cm4"},
    {"LBIz", "Iz = ", "Iz", " cm4"},         {"LBWy", "Wy = ", "Wy", " cm3"},
    {"LBWz", "Wz = ", "Wz", " cm3"},         {"LBWply", "Wply = ", "Wply", " cm3"},
    {"LBWplz", "Wplz = ", "Wplz", " cm3"},   {"LBry", "iy = ", "ry", " cm"},
    {"LBrz", "iz = ", "rz", " cm"},          {"LBIt", "It = ", "It", " cm4"},
    {"LBIw", "Iw = ", "Iw", " cm6"},         {"LBSy", "Sy = ", "Sy", " cm3"},
    {"LBAvz", "Avz = ", "Avz", " cm2"},      {"LBssy", "sy = ", "ssy", " cm"},
    {"LBAL", "AL = ", "AL", " m2/m"},        {"LBAG", "AG = ", "AG", " m2/t"},
};

// IPN and UPN: as HE (the fields are named ignoring case), with flange and
// toe radii instead of r and no hi, and the dimensions in other slots.
constexpr SlotFill kTaperedOwn[] = {
    {"LBr", "r2 = ", "R2", " mm"},           {"LBb", "tf = ", "Tf", " mm"},
    {"LBd", "b = ", "B", " mm"},             {"LBtw", "r1 = ", "R1", " mm"},
    {"LBhi", "d = ", "D", " mm"},            {"LBtf", "tw = ", "Tw", " mm"},
};

// UPN: as IPN, with the centroid distances ys and ym in the bottom line
// instead of Sy and sy.
constexpr SlotFill kChannelOwn[] = {
    {"LBSy", "AG = ", "AG", " m2/t"},        {"LBAvz", "AL = ", "AL", " m2/m"},
    {"LBssy", "Avz = ", "Avz", " cm2"},      {"LBAL", "ys = ", "ys", " cm"},
    {"LBAG", "ym = ", "ym", " cm"},
};

// Equal-leg angles: the top corners (LBh, LBr) and the z-axis moduli (LBWz,
// LBWplz) stay empty; y and z values are equal and named together.
constexpr SlotFill kAnglePropertyFills[] = {
    {"LBb", "h = ", "H", " mm"},             {"LBd", "t = ", "T", " mm"},
    {"LBtw", "r1 = ", "R1", " mm"},          {"LBhi", "r2 = ", "R2", " mm"},
    {"LBtf", "ys = zs = ", "ys", " cm"},     {"LBA", "A = ", "A", " cm2"},
    {"LBM", "M = ", "M", " kg/m"},           {"LBIy", "Iy = Iz = ", "Iy", " cm4"},
    {"LBIz", "Iyz = ", "Iyz", " cm4"},       {"LBWy", "Wy = Wz = ", "Wy", " cm3"},
    {"LBWply", "iy = iz = ", "ry", " cm"},   {"LBry", "Iu = ", "Iu", " cm4"},
    {"LBrz", "Iv = ", "Iv", " cm4"},         {"LBIt", "iu = ", "ru", " cm"},
    {"LBIw", "iv = ", "rv", " cm"},          {"LBSy", "u1 = ", "U1", " cm"},
    {"LBAvz", "v = ", "V", " cm"},           {"LBssy", "u2 = ", "U2", " cm"},
    {"LBAL", "AL = ", "AL", " m2/m"},        {"LBAG", "AG = ", "AG", " m2/t"},
};

// The gauges are text fields, written as stored. LBDmax is not listed: it
// is written by the detailing sheet for every family.
constexpr SlotFill kIBeamDetailFills[] = {
    {"LBh", "h = ", "h", " mm"},             {"LBb", "b = ", "b", " mm"},
    {"LBtf", "tf = ", "tf", " mm"},          {"LBtw", "tw = ", "tw", " mm"},
    {"LBPmin", "pmin = ", "Pmin", " mm"},    {"LBPmax", "pmax = ", "Pmax", " mm"},
    {"LBSs", "Ss = ", "ss", " mm"},
};

// Channels: as I sections (the fields are named ignoring case), with their
// gauge as e, from the back of the web.
constexpr SlotFill kChannelDetailOwn[] = {
    {"LBPmin", "emin = ", "Emin", " mm"},    {"LBPmax", "emax = ", "Emax", " mm"},
};

// Angles: leg and thickness only; tf, tw and Ss stay empty.
constexpr SlotFill kAngleDetailFills[] = {
    {"LBh", "h = ", "H", " mm"},             {"LBb", "t = ", "T", " mm"},
    {"LBPmin", "emin = ", "Emin", " mm"},    {"LBPmax", "emax = ", "Emax", " mm"},
};

const char kIpnTargets[] = "(1 6 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Items' 0) ('*' 'Hints' 0) ('*' 'Filter' 0) "
                           "('*' 'DisplayLabel' 0))";

const QList<DimensionLabel> kParallelDims = {{"h= ", "h", 0},     {"tw= ", "tw", 1}, {"b = ", "b", 0},
                                             {"tf = ", "tf", 1},  {"d = ", "d", 1},  {"hi = ", "hi", 1},
                                             {"r = ", "R", 0}};
// IPN and UPN share the drawing's labels: flange and toe radii, no hi.
const QList<DimensionLabel> kTaperedDims = {{"h= ", "H", 0},      {"tw= ", "Tw", 1}, {"b = ", "B", 0},
                                            {"tf = ", "Tf", 1},   {"r1 = ", "R1", 1}, {"r2 = ", "R2", 1},
                                            {"d = ", "D", 1}};

// The first grid column, "Supply", has a single space as title and 11 px.
const GridColumn kSupply{"Supply", " ", 11};

const QList<GridColumn> kParallelProps = {
    kSupply, {"Designation"}, {"M"}, {"P"}, {"h"}, {"b"}, {"tw"}, {"tf"}, {"R"}, {"d"}, {"hi"}, {"A"}, {"Iy"},
    {"Wy"}, {"ry"}, {"Wply"}, {"Iz"}, {"Wz"}, {"rz"}, {"Wplz"}, {"It"}, {"Iw"}, {"AL"}, {"AG"}, {"Avz"}, {"Sy"},
    {"ssy"}};
const QList<GridColumn> kParallelDetailColumns = {kSupply, {"Designation"}, {"M"}, {"P"}, {"h"}, {"b"},
                                           {"tw"}, {"tf"}, {"Pmin"}, {"Pmax"}, {"Dmax"}, {"ss"}};
const QList<GridColumn> kIpnProps = {
    kSupply, {"Designation"}, {"M"}, {"P"}, {"H"}, {"B"}, {"Tw"}, {"Tf"}, {"R1"}, {"R2"}, {"D"}, {"A"}, {"Iy"},
    {"Wy"}, {"ry"}, {"Wply"}, {"Iz"}, {"Wz"}, {"rz"}, {"Wplz"}, {"It"}, {"Iw"}, {"AL"}, {"AG"}, {"Avz"}, {"Sy"},
    {"ssy"}};
const QList<GridColumn> kIpnDetail = {kSupply, {"Designation"}, {"M"}, {"P"}, {"H"}, {"B"},
                                      {"Tw"}, {"Tf"}, {"Pmin"}, {"Pmax"}, {"Dmax"}, {"ss"}};
const QList<GridColumn> kUpnProps = {
    kSupply, {"Designation"}, {"M"}, {"P"}, {"H"}, {"B"}, {"Tw"}, {"Tf"}, {"R1"}, {"R2"}, {"D"}, {"A"}, {"Iy"},
    {"Wy"}, {"ry"}, {"Wply"}, {"Iz"}, {"Wz"}, {"rz"}, {"Wplz"}, {"Ym"}, {"Ys"}, {"It"}, {"Iw"}, {"AL"}, {"AG"},
    {"Avz"}, {"Sy"}, {"ssy"}};
const QList<GridColumn> kUpnDetail = {kSupply, {"Designation"}, {"M"}, {"P"}, {"H"}, {"B"},
                                      {"Tw"}, {"Tf"}, {"Emin"}, {"Emax"}, {"Dmax"}, {"ss"}};
const QList<GridColumn> kAngProps = {kSupply, {"Designation"}, {"M"}, {"P"}, {"H"}, {"T"}, {"R1"}, {"R2"},
                                     {"A"}, {"Iy"}, {"Wy"}, {"ry"}, {"Iu"}, {"ru"}, {"Iv"}, {"rv"}, {"Iyz"},
                                     {"ys"}, {"U1"}, {"U2"}, {"V"}, {"AL"}, {"AG"}};
const QList<GridColumn> kAngDetail = {kSupply, {"Designation"}, {"M"}, {"P"}, {"H"}, {"T"},
                                      {"R1"}, {"R2"}, {"Emin"}, {"Emax"}, {"Dmax"}};

constexpr SheetFills kParallelPropertySheet{kParallelPropertyFills};
constexpr SheetFills kTaperedPropertySheet{kTaperedOwn, &kParallelPropertySheet};
constexpr SheetFills kChannelPropertySheet{kChannelOwn, &kTaperedPropertySheet};
constexpr SheetFills kAnglePropertySheet{kAnglePropertyFills};
constexpr SheetFills kIBeamDetailSheet{kIBeamDetailFills};
constexpr SheetFills kChannelDetailSheet{kChannelDetailOwn, &kIBeamDetailSheet};
constexpr SheetFills kAngleDetailSheet{kAngleDetailFills};

// What the command-line tool compares with the exact outline of each kind.
constexpr const char *kIChecks[] = {"A", "Iy", "Iz", "Wply", "Wplz", "AL"};
constexpr const char *kChannelChecks[] = {"A", "Iy", "Iz", "Wply", "Wplz", "AL", "ys"};
constexpr const char *kAngleChecks[] = {"A", "Iy", "AL", "ys"};

const SectionKind kParallelI{
    .table = &decl::iLamParTable,
    .dataLabel2 = "b",
    .dataLabel3 = "h",
    .dimensions = kParallelDims,
    .propertyColumns = kParallelProps,
    .detailColumns = kParallelDetailColumns,
    .propertyCriteria = kParallelProperty,
    .detailCriteria = kParallelDetail,
    .dialogs = SearchDialogs::Sections,
    .toleranceComponent = "ILamParTolTable",
    .propertySheet = &kParallelPropertySheet,
    .detailSheet = &kIBeamDetailSheet,
    .outline = [](const Record &r) {
        return props::parallelFlangeI(r.asFloat("h"), r.asFloat("b"), r.asFloat("tw"), r.asFloat("tf"), r.asFloat("R"));
    },
    .seat = [](const Record &r) {
        return props::iSectionSeat(props::FlangeKind::Parallel, r.asFloat("b"), r.asFloat("tw"), r.asFloat("R"));
    },
    .exactFields = kIChecks,
    .gaugeMin = "Pmin",
    .gaugeMax = "Pmax",
    .stiffBearing = nullptr,
    .webDepth = nullptr,
};

const SectionKind kTaperedI{
    .table = &decl::iLamIncTable,
    .dataLabel2 = "H",
    .dataLabel3 = "B",
    .dimensions = kTaperedDims,
    .propertyColumns = kIpnProps,
    .detailColumns = kIpnDetail,
    .propertyCriteria = kStoredProperty<tapered>,
    .detailCriteria = kStoredDetail<tapered>,
    .dialogs = SearchDialogs::Sections,
    .toleranceComponent = "ILamIncTolTable",
    .propertySheet = &kTaperedPropertySheet,
    .detailSheet = &kIBeamDetailSheet,
    .outline = [](const Record &r) {
        return props::taperedFlangeI(r.asFloat("H"), r.asFloat("B"), r.asFloat("Tw"), r.asFloat("Tf"), r.asFloat("R1"),
                                     r.asFloat("R2"));
    },
    .seat = [](const Record &r) {
        return props::iSectionSeat(props::FlangeKind::TaperedI, r.asFloat("B"), r.asFloat("Tw"), r.asFloat("R1"));
    },
    .exactFields = kIChecks,
    .gaugeMin = "Pmin",
    .gaugeMax = "Pmax",
    .stiffBearing = [](const Record &r) {
        return props::ipnStiffBearing(r.asFloat("B"), r.asFloat("Tw"), r.asFloat("Tf"), r.asFloat("R1"));
    },
    .webDepth = "D",
};

const SectionKind kChannel{
    .table = &decl::uLamTable,
    .dataLabel2 = "H",
    .dataLabel3 = "B",
    .dimensions = kTaperedDims,
    .propertyColumns = kUpnProps,
    .detailColumns = kUpnDetail,
    .propertyCriteria = kStoredProperty<channel>,
    .detailCriteria = kStoredDetail<channel>,
    .dialogs = SearchDialogs::Sections,
    .toleranceComponent = "ULamTolTable",
    .propertySheet = &kChannelPropertySheet,
    .detailSheet = &kChannelDetailSheet,
    .outline = [](const Record &r) {
        return props::taperedFlangeChannel(r.asFloat("H"), r.asFloat("B"), r.asFloat("Tw"), r.asFloat("Tf"),
                                           r.asFloat("R1"), r.asFloat("R2"));
    },
    .seat = [](const Record &r) { return props::channelSeat(r.asFloat("B"), r.asFloat("Tw"), r.asFloat("R1")); },
    .exactFields = kChannelChecks,
    .gaugeMin = "Emin",
    .gaugeMax = "Emax",
    .stiffBearing = [](const Record &r) {
        return props::upnStiffBearing(r.asFloat("H"), r.asFloat("B"), r.asFloat("Tw"), r.asFloat("Tf"), r.asFloat("R1"));
    },
    .webDepth = "D",
};

const SectionKind kAngle{
    .table = &decl::AngularTable,
    .dataLabel2 = "H",
    .dataLabel3 = "H",
    .dimensions = {{"h= ", "H", 0}, {"t= ", "T", 1}, {"r1 = ", "R1", 1}, {"r2 = ", "R2", 1}},
    .propertyColumns = kAngProps,
    .detailColumns = kAngDetail,
    .propertyCriteria = kAngleProperty,
    .detailCriteria = kAngleDetail,
    .dialogs = SearchDialogs::Angles,
    .toleranceComponent = "AngularTolTable",
    .propertySheet = &kAnglePropertySheet,
    .detailSheet = &kAngleDetailSheet,
    .outline = [](const Record &r) {
        return props::equalLegAngle(r.asFloat("H"), r.asFloat("T"), r.asFloat("R1"), r.asFloat("R2"));
    },
    .seat = [](const Record &r) { return props::angleSeat(r.asFloat("H"), r.asFloat("T"), r.asFloat("R1")); },
    .exactFields = kAngleChecks,
    .gaugeMin = "Emin",
    .gaugeMax = "Emax",
    .stiffBearing = nullptr,
    .webDepth = nullptr,
    .sheetUpsideDown = true,
};

// The tolerances tab's title names the family as the tolerance standard does.
const FamilyWindowDesc kHeWindow{.art = "he", .toleranceKey = "H", .standard = "UNE-EN 10034:1994",
                                 .toleranceTitle = "Tolerances on dimensions, shape and mass for HE sections",
                                 .helpContexts = {1008, 1009, 1007}, .headingLabel = true, .translateAgain = true};
const FamilyWindowDesc kIpeWindow{.art = "ipe", .toleranceKey = "IPE", .standard = "UNE-EN 10034:1994",
                                  .toleranceTitle = "Tolerances on dimensions, shape and mass for IPE sections",
                                  .helpContexts = {1014, 1015, 1013}};
// The IPN window lists its item texts before its hints.
const FamilyWindowDesc kIpnWindow{.art = "ipn", .toleranceKey = "IPN", .standard = "UNE-EN 10024:1995",
                                  .toleranceTitle = "Tolerances on dimensions, shape and mass for IPN sections",
                                  .helpContexts = {1011, 1012, 1010}, .translatorTargets = kIpnTargets};
// UPN sizes are all rolled to stock: no supply note.
const FamilyWindowDesc kUpnWindow{.art = "upn", .toleranceKey = "UPN", .standard = "UNE-EN 10279:2001",
                                  .toleranceTitle = "Tolerances on dimensions, shape and mass for UPN sections",
                                  .helpContexts = {1017, 1018, 1016}, .supplyNote = false};
const FamilyWindowDesc kAngWindow{
    .art = "ang", .toleranceKey = "ANG", .standard = "UNE-EN 10056-2:1994",
    .toleranceTitle = "Tolerances on dimensions, shape and mass for equal leg angle sections",
    .helpContexts = {1020, 1021, 1019}};

// The forms of the designations: the stored one first, then the ones
// people type ("HE 200 B", "U 100", "L 100x10").
constexpr DesignationForm kHeaNames[] = {{"HEA", "", DesignationSize::Height}, {"HE", "A", DesignationSize::Height}};
constexpr DesignationForm kHebNames[] = {{"HEB", "", DesignationSize::Height}, {"HE", "B", DesignationSize::Height}};
constexpr DesignationForm kHemNames[] = {{"HEM", "", DesignationSize::Height}, {"HE", "M", DesignationSize::Height}};
constexpr DesignationForm kIpeNames[] = {{"IPE", "", DesignationSize::Height}};
constexpr DesignationForm kIpnNames[] = {{"IPN", "", DesignationSize::Height}};
constexpr DesignationForm kUpnNames[] = {{"UPN", "", DesignationSize::Height}, {"U", "", DesignationSize::Height}};
constexpr DesignationForm kAngNames[] = {{"L", "", DesignationSize::LegsAndThickness}};

// In the order of SectionFamily.
const std::array<FamilyInfo, 7> kFamilies = {{
    {.family = SectionFamily::HEA, .key = "HEA", .tableFile = "HEA.DB", .caption = "HEA Sections",
     .heSeries = 1, .window = &kHeWindow, .kind = &kParallelI, .designations = kHeaNames},
    {.family = SectionFamily::HEB, .key = "HEB", .tableFile = "HEB.DB", .caption = "HEB Sections",
     .heSeries = 2, .window = &kHeWindow, .kind = &kParallelI, .designations = kHebNames},
    {.family = SectionFamily::HEM, .key = "HEM", .tableFile = "HEM.DB", .caption = "HEM Sections",
     .heSeries = 3, .window = &kHeWindow, .kind = &kParallelI, .designations = kHemNames},
    {.family = SectionFamily::IPE, .key = "IPE", .tableFile = "IPE.DB", .caption = "IPE Sections",
     .window = &kIpeWindow, .kind = &kParallelI, .designations = kIpeNames},
    {.family = SectionFamily::IPN, .key = "IPN", .tableFile = "IPN.db", .caption = "IPN Sections",
     .window = &kIpnWindow, .kind = &kTaperedI, .designations = kIpnNames},
    {.family = SectionFamily::UPN, .key = "UPN", .tableFile = "UPN.db", .caption = "UPN Sections",
     .window = &kUpnWindow, .kind = &kChannel, .designations = kUpnNames},
    {.family = SectionFamily::ANG, .key = "ANG", .tableFile = "Ang.db", .caption = "Equal Leg Angle Sections",
     .window = &kAngWindow, .kind = &kAngle, .designations = kAngNames},
}};

} // namespace

const SlotFill *SheetFills::find(const char *slot) const
{
    for (const SlotFill &f : own) {
        if (std::strcmp(f.slot, slot) == 0)
            return &f;
    }
    return base ? base->find(slot) : nullptr;
}

const FamilyInfo &familyInfo(SectionFamily family) { return kFamilies.at(size_t(family)); }

std::span<const FamilyInfo> allFamilies() { return kFamilies; }

const FamilyInfo *familyByKey(const QString &key)
{
    for (const FamilyInfo &f : kFamilies) {
        if (key.compare(QLatin1String(f.key), Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QString familyKeyOfFile(const QString &fileName) { return fileName.left(3).toUpper(); }
