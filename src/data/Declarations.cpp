#include "data/Declarations.h"

#include "data/CalcFields.h"
#include "data/Plausibility.h"

#include <array>
#include <cstring>

namespace {

constexpr FieldType Float = FieldType::Float;
constexpr FieldType Text = FieldType::Text;
constexpr FieldType Graphic = FieldType::Graphic;
constexpr FieldKind S = FieldKind::Stored;
constexpr FieldKind C = FieldKind::Computed;
constexpr FieldAlign Def = FieldAlign::Default;
constexpr FieldAlign L = FieldAlign::Left;
constexpr FieldAlign Ctr = FieldAlign::Center;
constexpr FieldAlign R = FieldAlign::Right;

// HEA, HEB, HEM and IPE.
constexpr FieldDecl kILamPar[] = {
    {"Supply", Text, 3, S, "", nullptr, 0, L},
    {"Designation", Text, 15, S, nullptr, nullptr, 14, Ctr},
    {"M", Float, 0, C, "M (kg/m)", "0.0", 11, Ctr},
    {"P", Float, 0, C, "P (kN/m)", "0.000", 0, Ctr},
    {"h", Float, 0, S, "h (mm)", "0", 7, Ctr},
    {"b", Float, 0, S, "b (mm)", "0", 8, Ctr},
    {"tw", Float, 0, S, "tw (mm)", "0.0", 8, Ctr},
    {"tf", Float, 0, S, "tf (mm)", "0.0", 8, Ctr},
    {"R", Float, 0, S, "r (mm)", "0", 9, Ctr},
    {"d", Float, 0, C, "d (mm)", "0.0", 0, Ctr},
    {"hi", Float, 0, C, "hi (mm)", "0.0", 0, R},
    {"A", Float, 0, C, "A (cm2)", "0.0", 9, Ctr},
    {"Iy", Float, 0, C, "Iy (cm4)", "0", 8, Ctr},
    {"Wy", Float, 0, C, "Wy (cm3)", "0.0", 8, Ctr},
    {"ry", Float, 0, C, "iy (cm)", "0.00", 8, Ctr},
    {"Wply", Float, 0, C, "Wply (cm3)", "0.0", 8, Ctr},
    {"Iz", Float, 0, C, "Iz (cm4)", "0", 8, Ctr},
    {"Wz", Float, 0, C, "Wz (cm3)", "0.0", 8, Ctr},
    {"rz", Float, 0, C, "iz (cm)", "0.00", 8, Ctr},
    {"Wplz", Float, 0, C, "Wplz (cm3)", "0.0", 8, Ctr},
    {"It", Float, 0, C, "It (cm4)", "0.0", 9, Ctr},
    {"Iw", Float, 0, C, "Iw (cm6)", "0", 0, Ctr},
    {"AL", Float, 0, C, "AL (m2/m)", "0.000", 0, Ctr},
    {"AG", Float, 0, C, "AG (m2/t)", "0.00", 0, Ctr},
    {"Avz", Float, 0, C, "Avz (cm2)", "0.00", 0, Ctr},
    {"Sy", Float, 0, C, "Sy (cm3)", "0.0", 0, Ctr},
    {"ssy", Float, 0, C, "sy (cm)", "0.0", 0, Ctr},
    {"Pmin", Text, 8, S, "pmin (mm)", nullptr, 0, Ctr},
    {"Pmax", Text, 8, S, "pmax (mm)", nullptr, 0, Ctr},
    {"Dmax", Text, 8, S, "dmax bolt", nullptr, 0, Ctr},
    {"ss", Float, 0, C, "Ss (mm)", "0.0", 0, Ctr},
};

// IPN: the properties of the tapered outline are stored. The second moments
// are whole cm4 as in the HE table (a small one still shows three
// significant digits).
constexpr FieldDecl kILamInc[] = {
    {"Supply", Text, 3, S, "", nullptr, 0, L},
    {"Designation", Text, 15, S, nullptr, nullptr, 0, Ctr},
    {"M", Float, 0, C, "M (kg/m)", "0.0", 0, Ctr},
    {"P", Float, 0, C, "P (kN/m)", "0.000", 0, Ctr},
    {"H", Float, 0, S, "h (mm)", "0", 0, Ctr},
    {"B", Float, 0, S, "b (mm)", "0", 0, Ctr},
    {"Tw", Float, 0, S, "tw (mm)", "0.0", 0, Ctr},
    {"Tf", Float, 0, S, "tf (mm)", "0.0", 0, Ctr},
    {"R1", Float, 0, S, "r1 (mm)", "0.0", 0, Ctr},
    {"R2", Float, 0, S, "r2 (mm)", "0.0", 0, Ctr},
    {"D", Float, 0, S, "d (mm)", "0.0", 0, Ctr},
    {"A", Float, 0, S, "A (cm2)", "0.0", 0, Ctr},
    {"Iy", Float, 0, S, "Iy (cm4)", "0", 0, Ctr},
    {"Wy", Float, 0, C, "Wy (cm3)", "0.0", 0, Ctr},
    {"ry", Float, 0, C, "iy (cm)", "0.00", 0, Ctr},
    {"Wply", Float, 0, S, "Wply (cm3)", "0.0", 0, Ctr},
    {"Iz", Float, 0, S, "Iz (cm4)", "0", 0, Ctr},
    {"Wz", Float, 0, C, "Wz (cm3)", "0.0", 0, Ctr},
    {"rz", Float, 0, C, "iz (cm)", "0.00", 0, Ctr},
    {"Wplz", Float, 0, S, "Wplz (cm3)", "0.0", 0, Ctr},
    {"It", Float, 0, S, "It (cm4)", "0.0", 0, Ctr},
    {"Iw", Float, 0, S, "Iw (cm6)", "0", 0, Ctr},
    {"AL", Float, 0, S, "AL (m2/m)", "0.000", 0, Ctr},
    {"AG", Float, 0, C, "AG (m2/t)", "0.00", 0, Ctr},
    {"Avz", Float, 0, S, "Avz (cm2)", "0.00", 0, Ctr},
    {"Sy", Float, 0, C, "Sy (cm3)", "0.0", 0, Ctr},
    {"ssy", Float, 0, C, "sy (cm)", "0.0", 0, Ctr},
    {"Pmin", Text, 8, S, "pmin (mm)", nullptr, 0, Ctr},
    {"Pmax", Text, 8, S, "pmax (mm)", nullptr, 0, Ctr},
    {"Dmax", Text, 8, S, "dmax bolt", nullptr, 0, Ctr},
    {"ss", Float, 0, S, "Ss (mm)", "0.0", 0, Ctr},
};

// UPN: as IPN, with the centroid and shear-centre distances.
constexpr FieldDecl kULam[] = {
    {"Supply", Text, 3, S, "", nullptr, 0, Ctr},
    {"Designation", Text, 15, S, nullptr, nullptr, 0, Ctr},
    {"M", Float, 0, C, "M (kg/m)", "0.0", 0, Ctr},
    {"P", Float, 0, C, "P (kN/m)", "0.000", 0, Ctr},
    {"H", Float, 0, S, "h (mm)", "0", 0, Ctr},
    {"B", Float, 0, S, "b (mm)", "0", 0, Ctr},
    {"Tw", Float, 0, S, "tw (mm)", "0.0", 0, Ctr},
    {"Tf", Float, 0, S, "tf (mm)", "0.0", 0, Ctr},
    {"R1", Float, 0, S, "r1 (mm)", "0.0", 0, Ctr},
    {"R2", Float, 0, S, "r2 (mm)", "0.0", 0, Ctr},
    {"D", Float, 0, S, "d (mm)", "0.0", 0, Ctr},
    {"A", Float, 0, S, "A (cm2)", "0.0", 0, Ctr},
    {"Iy", Float, 0, S, "Iy (cm4)", "0", 0, Ctr},
    {"Wy", Float, 0, C, "Wy (cm3)", "0.0", 0, Ctr},
    {"ry", Float, 0, C, "iy (cm)", "0.00", 0, Ctr},
    {"Wply", Float, 0, S, "Wply (cm3)", "0.0", 0, Ctr},
    {"Iz", Float, 0, S, "Iz (cm4)", "0", 0, Ctr},
    {"Wz", Float, 0, C, "Wz (cm3)", "0.0", 0, Ctr},
    {"rz", Float, 0, C, "iz (cm)", "0.00", 0, Ctr},
    {"Wplz", Float, 0, S, "Wplz (cm3)", "0.0", 0, Ctr},
    {"ym", Float, 0, S, "ym (cm)", "0.00", 0, Ctr},
    {"ys", Float, 0, S, "ys (cm)", "0.00", 0, Ctr},
    {"It", Float, 0, S, "It (cm4)", "0.00", 0, Ctr},
    {"Iw", Float, 0, S, "Iw (cm6)", "0", 0, Ctr},
    {"AL", Float, 0, S, "AL (m2/m)", "0.000", 0, Ctr},
    {"AG", Float, 0, C, "AG (m2/t)", "0.00", 0, Ctr},
    {"Avz", Float, 0, S, "Avz (cm2)", "0.00", 0, Ctr},
    {"Sy", Float, 0, C, "Sy (cm3)", "0.0", 0, Ctr},
    {"ssy", Float, 0, C, "sy (cm)", "0.0", 0, Ctr},
    {"Emin", Text, 8, S, "emin (mm)", nullptr, 0, Ctr},
    {"Emax", Text, 8, S, "emax (mm)", nullptr, 0, Ctr},
    {"Dmax", Text, 8, S, "dmax bolt", nullptr, 0, Ctr},
    {"ss", Float, 0, S, "Ss (mm)", "0.0", 0, Ctr},
};

// Equal-leg angles: four stored dimensions, everything else computed.
constexpr FieldDecl kAngular[] = {
    {"Supply", Text, 3, S, "", nullptr, 0, Ctr},
    {"Designation", Text, 15, S, nullptr, nullptr, 0, Ctr},
    {"M", Float, 0, C, "M (kg/m)", "0.00", 0, Ctr},
    {"P", Float, 0, C, "P (kN/m)", "0.000", 0, Ctr},
    {"H", Float, 0, S, "h (mm)", "0", 0, Ctr},
    {"T", Float, 0, S, "t (mm)", "0.0", 0, Ctr},
    {"R1", Float, 0, S, "r1 (mm)", "0.0", 0, Ctr},
    {"R2", Float, 0, S, "r2 (mm)", "0.0", 0, Ctr},
    {"A", Float, 0, C, "A (cm2)", "0.00", 0, Ctr},
    {"Iy", Float, 0, C, "Iy=Iz (cm4)", "0.00", 0, Ctr},
    {"Wy", Float, 0, C, "Wy=Wz (cm3)", "0.00", 0, Ctr},
    {"ry", Float, 0, C, "iy=iz (cm)", "0.00", 0, Ctr},
    {"Iu", Float, 0, C, "Iu (cm4)", "0.00", 0, Ctr},
    {"ru", Float, 0, C, "iu (cm)", "0.00", 10, Ctr},
    {"Iv", Float, 0, C, "Iv (cm4)", "0.00", 0, Ctr},
    {"rv", Float, 0, C, "iv (cm)", "0.00", 0, Ctr},
    {"Iyz", Float, 0, C, "Iyz (cm4)", "0.0", 0, Ctr},
    {"ys", Float, 0, C, "ys=zs (cm)", "0.00", 0, Ctr},
    {"U1", Float, 0, C, "u1 (cm)", "0.00", 0, Ctr},
    {"U2", Float, 0, C, "u2 (cm)", "0.00", 0, Ctr},
    {"V", Float, 0, C, "v (cm)", "0.00", 0, Ctr},
    {"AL", Float, 0, C, "AL (m2/m)", "0.000", 0, Ctr},
    {"AG", Float, 0, C, "AG (m2/t)", "0.00", 0, Ctr},
    {"Emin", Text, 8, S, "emin (mm)", nullptr, 0, Ctr},
    {"Emax", Text, 8, S, "emax (mm)", nullptr, 0, Ctr},
    {"Dmax", Text, 8, S, "dmax bolt", nullptr, 0, Ctr},
};

constexpr FieldDecl kTol[] = {
    {"Raroda", Text, 5, S, nullptr, nullptr, 0, Def},
    {"Idioma", Text, 2, S, nullptr, nullptr, 0, Def},
    {"Tolerancia", Text, 30, S, nullptr, nullptr, 0, Def},
    {"Figura", Graphic, 0, S, nullptr, nullptr, 0, Def},
};

constexpr FieldDecl kAceroMEC[] = {
    {"Designation", Text, 40, S, nullptr, nullptr, 0, Def},
    {"Fy", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Fu", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Alargamiento", Text, 3, S, nullptr, nullptr, 0, Def},
    {"Resiliencia-JUL", Text, 3, S, nullptr, nullptr, 0, Def},
    {"Resiliencia-TEMP", Text, 3, S, nullptr, nullptr, 0, Def},
    {"Espesor", Text, 10, S, nullptr, nullptr, 0, Def},
};

constexpr FieldDecl kAceroQUI[] = {
    {"Tipo y Grado", Text, 20, S, nullptr, nullptr, 0, Def},
    {"Norma", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Espesor", Text, 10, S, nullptr, nullptr, 0, Def},
    {"C", Text, 10, S, nullptr, nullptr, 0, Def},
    {"Mn", Text, 10, S, nullptr, nullptr, 0, Def},
    {"Si", Text, 10, S, nullptr, nullptr, 0, Def},
    {"S", Text, 10, S, nullptr, nullptr, 0, Def},
    {"P", Text, 10, S, nullptr, nullptr, 0, Def},
    {"N", Text, 10, S, nullptr, nullptr, 0, Def},
    {"Cr", Text, 10, S, nullptr, nullptr, 0, Def},
    {"Ni", Text, 10, S, nullptr, nullptr, 0, Def},
    {"Mo", Text, 10, S, nullptr, nullptr, 0, Def},
    {"CE", Text, 10, S, nullptr, nullptr, 0, Def},
};

constexpr FieldDecl kAceroDES[] = {
    {"UNE-EN 10025", Text, 20, S, nullptr, nullptr, 0, Def},
    {"Alemania", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Francia", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Reino Unido", Text, 15, S, nullptr, nullptr, 0, Def},
    {"España-NBE EA-95", Text, 15, S, nullptr, nullptr, 0, Def},
    {"España-UNE 36080-90", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Italia", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Bélgica", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Suecia", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Portugal", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Austria", Text, 15, S, nullptr, nullptr, 0, Def},
    {"Noruega", Text, 15, S, nullptr, nullptr, 0, Def},
};

constexpr std::array<const char *, 11> kSuppliedFiles = {
    "HEA.DB", "HEB.DB", "HEM.DB", "IPE.DB", "IPN.db", "UPN.db",
    "Ang.db", "TOL.DB", "AceroMEC.db", "AceroQUI.db", "AceroDES.db",
};

} // namespace

namespace decl {

const TableDecl iLamParTable{"iLamParTable", "heb.DB", kILamPar, iLamParTableCalcFields, plausible::iLamPar,
                             "Designation"};
const TableDecl iLamIncTable{"iLamIncTable", "IPN.db", kILamInc, iLamIncTableCalcFields, plausible::tapered,
                             "Designation"};
const TableDecl uLamTable{"uLamTable", "UPN.db", kULam, uLamTableCalcFields, plausible::tapered, "Designation"};
const TableDecl AngularTable{"AngularTable", "Ang.db", kAngular, AngularTableCalcFields, plausible::angle,
                             "Designation"};
const TableDecl TolTable{"TolTable", "TOL.DB", kTol, nullptr, nullptr, nullptr};
const TableDecl AceroMECTable{"AceroMECTable", "AceroMEC.db", kAceroMEC, nullptr, nullptr, nullptr};
const TableDecl AceroQUITable{"AceroQUITable", "AceroQUI.db", kAceroQUI, nullptr, nullptr, nullptr};
const TableDecl AceroDESTable{"AceroDESTable", "AceroDES.db", kAceroDES, nullptr, nullptr, nullptr};

const TableDecl *forFile(const QString &fileName)
{
    const QString f = fileName.toUpper();
    if (f == u"HEA.DB" || f == u"HEB.DB" || f == u"HEM.DB" || f == u"IPE.DB")
        return &iLamParTable;
    for (const TableDecl *t : {&iLamIncTable, &uLamTable, &AngularTable, &TolTable,
                               &AceroMECTable, &AceroQUITable, &AceroDESTable}) {
        if (f == QString::fromUtf8(t->defaultFile).toUpper())
            return t;
    }
    return nullptr;
}

std::span<const char *const> suppliedFiles() { return kSuppliedFiles; }

} // namespace decl

int FieldDecl::decimals() const
{
    if (!format)
        return -1;
    const char *dot = std::strchr(format, '.');
    return dot ? int(std::strlen(dot + 1)) : 0;
}

bool FieldDecl::isDimension() const
{
    if (type != FieldType::Float || !label)
        return false;
    const char *unit = std::strstr(label, "(mm)");
    return unit && unit[4] == '\0';
}

FieldAlign FieldDecl::effectiveAlign() const
{
    if (align != FieldAlign::Default)
        return align;
    return type == FieldType::Float ? FieldAlign::Right : FieldAlign::Left;
}

namespace {

bool sameName(const char *a, const char *b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return *a == *b;
}

} // namespace

int TableDecl::indexOf(const char *fieldName) const
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (sameName(fields[i].name, fieldName))
            return int(i);
    }
    return -1;
}
