#include "browse/FamilyWindowDesc.h"

#include "browse/TFiltroDAngFm.h"
#include "browse/TFiltroDetailFm.h"
#include "browse/TFiltroPAngFm.h"
#include "browse/TFiltroPropFm.h"
#include "data/CalcFields.h"
#include "data/Declarations.h"
#include "data/Record.h"

namespace {

// Property criteria of I sections and channels: h, b, tf, tw, A, M, Iy, Wy,
// Wply, Iz, Wz, Wplz. Detailing: h, b, tf, tw, M, Ss (mm).
void iLamParProperty(const Record &row, double *v)
{
    const ILamParProps p = PropILamPar(iLamParInput(row));
    const double q[] = {p.h * 10, p.b * 10, p.tf * 10, p.tw * 10, p.A, p.M, p.Iy, p.Wy, p.Wply, p.Iz, p.Wz, p.Wplz};
    std::copy(std::begin(q), std::end(q), v);
}

void iLamParDetail(const Record &row, double *v)
{
    const ILamParProps p = PropILamPar(iLamParInput(row));
    const double q[] = {p.h * 10, p.b * 10, p.tf * 10, p.tw * 10, p.M, p.ss * 10};
    std::copy(std::begin(q), std::end(q), v);
}

// IPN and UPN: the stored dimensions and properties, with the derived ones of
// the family's computation.
template <typename Props> void storedProperty(const Record &row, const Props &p, double *v)
{
    const double q[] = {row.asFloat("H"), row.asFloat("B"), row.asFloat("Tf"), row.asFloat("Tw"), p.A,  p.M,
                        p.Iy,             p.Wy,             p.Wply,           p.Iz,             p.Wz, p.Wplz};
    std::copy(std::begin(q), std::end(q), v);
}

template <typename Props> void storedDetail(const Record &row, const Props &p, double *v)
{
    const double q[] = {row.asFloat("H"), row.asFloat("B"), row.asFloat("Tf"), row.asFloat("Tw"), p.M, p.ss};
    std::copy(std::begin(q), std::end(q), v);
}

void iLamIncProperty(const Record &row, double *v) { storedProperty(row, PropILamInc(iLamIncInput(row)), v); }
void iLamIncDetail(const Record &row, double *v) { storedDetail(row, PropILamInc(iLamIncInput(row)), v); }
void uLamProperty(const Record &row, double *v) { storedProperty(row, PropULam(uLamInput(row)), v); }
void uLamDetail(const Record &row, double *v) { storedDetail(row, PropULam(uLamInput(row)), v); }

// Angles: h, t, A, M, Iy, Wy, iy, Iu, iu, Iv, iv; detailing h, t, M.
void angularProperty(const Record &row, double *v)
{
    const AngularProps p = PropAngular(angularInput(row));
    const double q[] = {row.asFloat("H"), row.asFloat("T"), p.A, p.M, p.Iy, p.Wy, p.iy, p.Iu, p.iu, p.Iv, p.iv};
    std::copy(std::begin(q), std::end(q), v);
}

void angularDetail(const Record &row, double *v)
{
    const AngularProps p = PropAngular(angularInput(row));
    const double q[] = {row.asFloat("H"), row.asFloat("T"), p.M};
    std::copy(std::begin(q), std::end(q), v);
}

template <typename Dialog> SearchDialog *make(QWidget *parent) { return new Dialog(parent); }

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
const QList<GridColumn> kParallelDetail = {kSupply, {"Designation"}, {"M"}, {"P"}, {"h"}, {"b"},
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
    "Rolled H Sections", nullptr, &decl::iLamParTable, nullptr, "ILamParTolTable", "H",
    "  In accordance with UNE-EN 10034:1994", "Tolerances on dimensions, shape and mass for HE sections", "b", "h",
    kParallelDims, kParallelProps, kParallelDetail, 12, 6, iLamParProperty, iLamParDetail, make<TFiltroPropFm>,
    make<TFiltroDetailFm>, {1008, 1009, 1007}, {680, 485}, true, true, "he", kTargets};

const FamilyWindowDesc IPE{
    "IPE Sections", " IPE Sections", &decl::iLamParTable, "IPE.DB", "ILamParTolTable", "IPE",
    "  In accordance with UNE-EN 10034:1994", "Tolerances on dimensions, shape and mass for IPE sections", "b", "h",
    kParallelDims, kParallelProps, kParallelDetail, 12, 6, iLamParProperty, iLamParDetail, make<TFiltroPropFm>,
    make<TFiltroDetailFm>, {1014, 1015, 1013}, {680, 485}, false, true, "ipe", kTargets};

const FamilyWindowDesc IPN{
    "IPN Sections", " IPN Sections", &decl::iLamIncTable, "IPN.db", "ILamIncTolTable", "IPN",
    "  In accordance with UNE-EN 10024:1995", "Tolerances on dimensions, shape and mass for IPN sections", "H", "B",
    kTaperedDims, kIpnProps, kIpnDetail, 12, 6, iLamIncProperty, iLamIncDetail, make<TFiltroPropFm>,
    make<TFiltroDetailFm>, {1011, 1012, 1010}, {680, 485}, false, true, "ipn", kIpnTargets};

const FamilyWindowDesc UPN{
    "UPN Sections", " UPN Sections", &decl::uLamTable, "UPN.db", "ULamTolTable", "UPN",
    "  In accordance with UNE-EN 10279:2001", "Tolerances on dimensions, shape and mass for UPN sections", "H", "B",
    kTaperedDims, kUpnProps, kUpnDetail, 12, 6, uLamProperty, uLamDetail, make<TFiltroPropFm>, make<TFiltroDetailFm>,
    {1017, 1018, 1016}, {685, 485}, false, false, "upn", kTargets};

const FamilyWindowDesc ANG{
    "Equal Leg Angle Sections", " Equal Leg Angle Sections", &decl::AngularTable, "Ang.db", "AngularTolTable", "ANG",
    "  In accordance with UNE-EN 10056-2:1994",
    "Tolerances on dimensions, shape and mass for equal leg angle sections", "H", "H",
    {{"h= ", "H", 0}, {"t= ", "T", 1}, {"r1 = ", "R1", 1}, {"r2 = ", "R2", 1}}, kAngProps, kAngDetail, 11, 3,
    angularProperty, angularDetail, make<TFiltroPAngFm>, make<TFiltroDAngFm>, {1020, 1021, 1019}, {630, 465}, false,
    true, "ang", kTargets};

} // namespace family
