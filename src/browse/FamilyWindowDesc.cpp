#include "browse/FamilyWindowDesc.h"

#include "browse/TFiltroDAngFm.h"
#include "browse/TFiltroDetailFm.h"
#include "browse/TFiltroPAngFm.h"
#include "browse/TFiltroPropFm.h"
#include "data/CalcFields.h"
#include "data/Declarations.h"
#include "data/Record.h"

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

template <typename Dialog> SearchDialog *make(Criteria criteria, QWidget *parent) { return new Dialog(criteria, parent); }

const char kTargets[] = "(1 6 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Hints' 0) ('*' 'Items' 0) ('*' 'Filter' 0) "
                        "('*' 'DisplayLabel' 0))";
const char kIpnTargets[] = "(1 6 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Items' 0) ('*' 'Hints' 0) ('*' 'Filter' 0) "
                           "('*' 'DisplayLabel' 0))";

const QList<DimensionLabel> kParallelDims = {{"h= ", "h", 0},     {"tw= ", "tw", 1}, {"b = ", "b", 0},
                                             {"tf = ", "tf", 1},  {"d = ", "d", 1},  {"hi = ", "hi", 1},
                                             {"r = ", "R", 0}};
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

} // namespace

namespace family {

const FamilyWindowDesc HE{
    .caption = "Rolled H Sections",
    .heading = nullptr,
    .table = &decl::iLamParTable,
    .tableFile = nullptr,
    .toleranceComponent = "ILamParTolTable",
    .toleranceKey = "H",
    .norma = "  In accordance with UNE-EN 10034:1994",
    .toleranceTitle = "Tolerances on dimensions, shape and mass for HE sections",
    .dataLabel2 = "b",
    .dataLabel3 = "h",
    .dimensions = kParallelDims,
    .propertyColumns = kParallelProps,
    .detailColumns = kParallelDetailColumns,
    .propertyCriteria = kParallelProperty,
    .detailCriteria = kParallelDetail,
    .propertyDialog = make<TFiltroPropFm>,
    .detailDialog = make<TFiltroDetailFm>,
    .helpContexts = {1008, 1009, 1007},
    .minimumSize = {680, 485},
    .translateAgain = true,
    .supplyNote = true,
    .art = "he",
    .translatorTargets = kTargets,
};

const FamilyWindowDesc IPE{
    .caption = "IPE Sections",
    .heading = " IPE Sections",
    .table = &decl::iLamParTable,
    .tableFile = "IPE.DB",
    .toleranceComponent = "ILamParTolTable",
    .toleranceKey = "IPE",
    .norma = "  In accordance with UNE-EN 10034:1994",
    .toleranceTitle = "Tolerances on dimensions, shape and mass for IPE sections",
    .dataLabel2 = "b",
    .dataLabel3 = "h",
    .dimensions = kParallelDims,
    .propertyColumns = kParallelProps,
    .detailColumns = kParallelDetailColumns,
    .propertyCriteria = kParallelProperty,
    .detailCriteria = kParallelDetail,
    .propertyDialog = make<TFiltroPropFm>,
    .detailDialog = make<TFiltroDetailFm>,
    .helpContexts = {1014, 1015, 1013},
    .minimumSize = {680, 485},
    .translateAgain = false,
    .supplyNote = true,
    .art = "ipe",
    .translatorTargets = kTargets,
};

const FamilyWindowDesc IPN{
    .caption = "IPN Sections",
    .heading = " IPN Sections",
    .table = &decl::iLamIncTable,
    .tableFile = "IPN.db",
    .toleranceComponent = "ILamIncTolTable",
    .toleranceKey = "IPN",
    .norma = "  In accordance with UNE-EN 10024:1995",
    .toleranceTitle = "Tolerances on dimensions, shape and mass for IPN sections",
    .dataLabel2 = "H",
    .dataLabel3 = "B",
    .dimensions = kTaperedDims,
    .propertyColumns = kIpnProps,
    .detailColumns = kIpnDetail,
    .propertyCriteria = kStoredProperty<tapered>,
    .detailCriteria = kStoredDetail<tapered>,
    .propertyDialog = make<TFiltroPropFm>,
    .detailDialog = make<TFiltroDetailFm>,
    .helpContexts = {1011, 1012, 1010},
    .minimumSize = {680, 485},
    .translateAgain = false,
    .supplyNote = true,
    .art = "ipn",
    .translatorTargets = kIpnTargets,
};

const FamilyWindowDesc UPN{
    .caption = "UPN Sections",
    .heading = " UPN Sections",
    .table = &decl::uLamTable,
    .tableFile = "UPN.db",
    .toleranceComponent = "ULamTolTable",
    .toleranceKey = "UPN",
    .norma = "  In accordance with UNE-EN 10279:2001",
    .toleranceTitle = "Tolerances on dimensions, shape and mass for UPN sections",
    .dataLabel2 = "H",
    .dataLabel3 = "B",
    .dimensions = kTaperedDims,
    .propertyColumns = kUpnProps,
    .detailColumns = kUpnDetail,
    .propertyCriteria = kStoredProperty<channel>,
    .detailCriteria = kStoredDetail<channel>,
    .propertyDialog = make<TFiltroPropFm>,
    .detailDialog = make<TFiltroDetailFm>,
    .helpContexts = {1017, 1018, 1016},
    .minimumSize = {685, 485},
    .translateAgain = false,
    .supplyNote = false,
    .art = "upn",
    .translatorTargets = kTargets,
};

const FamilyWindowDesc ANG{
    .caption = "Equal Leg Angle Sections",
    .heading = " Equal Leg Angle Sections",
    .table = &decl::AngularTable,
    .tableFile = "Ang.db",
    .toleranceComponent = "AngularTolTable",
    .toleranceKey = "ANG",
    .norma = "  In accordance with UNE-EN 10056-2:1994",
    .toleranceTitle = "Tolerances on dimensions, shape and mass for equal leg angle sections",
    .dataLabel2 = "H",
    .dataLabel3 = "H",
    .dimensions = {{"h= ", "H", 0}, {"t= ", "T", 1}, {"r1 = ", "R1", 1}, {"r2 = ", "R2", 1}},
    .propertyColumns = kAngProps,
    .detailColumns = kAngDetail,
    .propertyCriteria = kAngleProperty,
    .detailCriteria = kAngleDetail,
    .propertyDialog = make<TFiltroPAngFm>,
    .detailDialog = make<TFiltroDAngFm>,
    .helpContexts = {1020, 1021, 1019},
    .minimumSize = {630, 465},
    .translateAgain = false,
    .supplyNote = true,
    .art = "ang",
    .translatorTargets = kTargets,
};

} // namespace family
