#include "reports/CatalogueLayout.h"

#include "reports/ReportError.h"

#include <array>
#include <limits>

namespace catalogue {

namespace {

constexpr double none = std::numeric_limits<double>::quiet_NaN();
constexpr ColumnAlign L = ColumnAlign::Left;
constexpr ColumnAlign R = ColumnAlign::Right;
constexpr ColumnAlign C = ColumnAlign::Centre;

// A column shared by several layouts with an anchor per layout; a NaN anchor
// leaves the column out of that layout.
template <std::size_t N>
struct SharedColumn {
    const char *symbol;
    const char *unit;
    const char *field;
    ColumnAlign align;
    std::array<double, N> anchors;
};

template <std::size_t N, std::size_t M>
QList<CatalogueColumn> pick(const SharedColumn<N> (&table)[M], std::size_t layout)
{
    QList<CatalogueColumn> columns;
    for (const SharedColumn<N> &c : table) {
        const double anchor = c.anchors[layout];
        if (anchor == anchor) // not NaN
            columns << CatalogueColumn{c.symbol, c.unit, c.field, c.align, anchor};
    }
    return columns;
}

QList<CatalogueColumn> moved(QList<CatalogueColumn> columns, std::initializer_list<std::pair<const char *, double>> anchors)
{
    for (const auto &[field, anchor] : anchors)
        for (CatalogueColumn &c : columns)
            if (qstrcmp(c.field, field) == 0)
                c.anchor_mm = anchor;
    return columns;
}

// Property catalogues of the I sections and channels: HE and IPE, IPN, UPN.
enum { HeIpe, Ipn, Upn };
constexpr SharedColumn<3> kProperty[] = {
    {"", "", "Supply", R, {3.4, 3.1, 3.4}},
    {"Designation", "", "Designation", L, {4.2, 4.2, 4.2}},
    {"M", "kg/m", "M", R, {25.1, 25.1, 24.3}},
    {"P", "kN/m", "P", R, {35.2, 35.2, 34.4}},
    {"h", "mm", "h", R, {43.4, 43.4, 42.1}},
    {"b", "mm", "b", R, {51.9, 51.9, 49.5}},
    {"tw", "mm", "tw", R, {61.1, 61.1, 57.6}},
    {"tf", "mm", "tf", R, {70.1, 70.1, 65.9}},
    {"r", "mm", "R", R, {77.5, none, none}},
    {"r1", "mm", "R1", R, {none, 78.0, 73.8}},
    {"r2", "mm", "R2", R, {none, 85.9, 81.2}},
    {"d", "mm", "d", R, {85.2, 93.9, 88.6}},
    {"hi", "mm", "hi", R, {93.6, none, none}},
    {"A", "cm2", "A", R, {104.0, 104.0, 98.2}},
    {"Iy", "cm4", "Iy", R, {115.3, 115.3, 108.2}},
    {"Wy", "cm3", "Wy", R, {127.0, 127.0, 118.5}},
    {"iy", "cm", "ry", R, {137.0, 137.0, 127.7}},
    {"Wply", "cm3", "Wply", R, {147.9, 147.9, 138.4}},
    {"Iz", "cm4", "Iz", R, {158.2, 158.2, 147.4}},
    {"Wz", "cm3", "Wz", R, {168.5, 168.5, 156.9}},
    {"iz", "cm", "rz", R, {177.5, 177.5, 165.9}},
    {"Wplz", "cm3", "Wplz", R, {188.4, 188.4, 176.0}},
    {"ym", "cm", "Ym", R, {none, none, 184.6}},
    {"ys", "cm", "Ys", R, {none, none, 193.4}},
    {"It", "cm4", "It", R, {199.8, 199.8, 201.9}},
    {"Iw", "cm6", "Iw", R, {215.6, 215.6, 215.6}},
    {"AL", "m2/m", "AL", R, {225.7, 225.7, 225.7}},
    {"AG", "m2/t", "AG", R, {234.4, 234.4, 234.9}},
    {"Avz", "cm2", "Avz", R, {243.2, 243.2, 243.2}},
    {"Sy", "cm3", "Sy", R, {253.7, 253.7, 253.7}},
    {"sy", "cm", "ssy", R, {262.2, 262.2, 262.2}},
};

const QList<CatalogueColumn> kAngleProperty = {
    {"", "", "Supply", R, 3.4},
    {"Designation", "", "Designation", L, 5.0},
    {"M", "kg/m", "M", R, 29.4},
    {"P", "kN/m", "P", R, 41.6},
    {"h", "mm", "h", R, 50.5},
    {"t", "mm", "T", R, 59.8},
    {"r1", "mm", "R1", R, 69.5},
    {"r2", "mm", "R2", R, 78.5},
    {"A", "cm2", "A", R, 90.5},
    {"Iy=Iz", "cm4", "Iy", R, 104.5},
    {"Wy=Wz", "cm3", "Wy", R, 117.4},
    {"iy=iz", "cm", "ry", R, 127.7},
    {"Iu", "cm4", "Iu", R, 142.1},
    {"iu", "cm", "Ru", R, 152.6},
    {"Iv", "cm4", "Iv", R, 166.6},
    {"iv", "cm", "Rv", R, 178.1},
    {"Iyz", "cm4", "Iyz", R, 191.6},
    {"ys=zs", "cm", "Ys", R, 203.4},
    {"u1", "cm", "u1", R, 215.4},
    {"u2", "cm", "u2", R, 226.5},
    {"v", "cm", "v", R, 238.2},
    {"AL", "m2/m", "AL", R, 250.9},
    {"AG", "m2/t", "AG", R, 263.5},
};

// Detailing catalogues: HE (IPE moves three columns), IPN, UPN, angles.
enum { He, IpnD, UpnD, Ang };
constexpr SharedColumn<4> kDetailing[] = {
    {"", "", "Supply", R, {7.4, 2.7, 9.3, 9.5}},
    {"Designation", "", "Designation", L, {10.8, 10.8, 11.4, 12.2}},
    {"M", "kg/m", "M", R, {47.9, 46.3, 46.3, 49.5}},
    {"P", "kN/m", "P", R, {68.6, 66.2, 66.2, 74.4}},
    {"h", "mm", "h", R, {87.9, 84.7, 84.7, 97.9}},
    {"b", "mm", "b", R, {107.5, 102.7, 102.7, none}},
    {"t", "mm", "t", R, {none, none, none, 122.3}},
    {"tw", "mm", "tw", R, {127.3, 120.9, 120.9, none}},
    {"tf", "mm", "tf", R, {145.5, 137.6, 137.6, none}},
    {"r", "mm", "R", R, {162.4, none, none, none}},
    {"r1", "mm", "R1", R, {none, 153.2, 155.6, 147.4}},
    {"r2", "mm", "R2", R, {none, 170.7, 173.3, 173.3}},
    {"pmin", "mm", "Pmin", C, {183.2, 187.2, none, none}},
    {"emin", "mm", "Emin", C, {none, none, 190.2, 198.1}},
    {"pmax", "mm", "Pmax", C, {206.0, 207.9, none, none}},
    {"emax", "mm", "emax", C, {none, none, 211.2, 224.0}},
    {"dmax bolt", "", "Dmax", C, {226.2, 228.6, 232.3, 249.0}},
    {"Ss", "mm", "ss", C, {249.4, 249.4, 252.5, none}},
};

constexpr SectionFamily kHe[] = {SectionFamily::HEA, SectionFamily::HEB, SectionFamily::HEM};
constexpr SectionFamily kIpe[] = {SectionFamily::IPE};
constexpr SectionFamily kIpn[] = {SectionFamily::IPN};
constexpr SectionFamily kUpn[] = {SectionFamily::UPN};
constexpr SectionFamily kAng[] = {SectionFamily::ANG};

constexpr CatalogueKind P = CatalogueKind::Properties;
constexpr CatalogueKind D = CatalogueKind::Detailing;
constexpr char kSoftware[] = "Raroda TOLMO Dudovavidira";
constexpr RuleBox kPropertyRule{1.7, 12.2, 246.0, 0.3};
constexpr RuleBox kDetailingRule{1.6, 12.2, 246.6, 0.3};

const std::array<CatalogueLayout, 10> &all()
{
    static const std::array<CatalogueLayout, 10> layouts = {{
        {.className = "TCatILPPFm", .kind = P, .families = kHe, .software = kSoftware,
         .familyName = "HEB Sections", .pageHeaderHeight_mm = 64.3, .rule = kPropertyRule,
         .familyNameAt_mm = {31.2, 35.5}, .familyNameBox_mm = 0, .drawingAt_mm = {122.2, 15.3},
         .drawing = "sheet-prop-he", .flangeSlopeTable = false, .printIfEmpty = false,
         .columns = pick(kProperty, HeIpe)},
        {.className = "TCatILPDFm", .kind = D, .families = kHe, .software = kSoftware,
         .familyName = "HEB Sections", .pageHeaderHeight_mm = 63.8, .rule = kDetailingRule,
         .familyNameAt_mm = {31.2, 35.5}, .familyNameBox_mm = 0, .drawingAt_mm = {146.8, 16.4},
         .drawing = "sheet-det-he", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = pick(kDetailing, He)},
        {.className = "TCatIPEPFm", .kind = P, .families = kIpe, .software = kSoftware,
         .familyName = "IPE Sections", .pageHeaderHeight_mm = 64.3, .rule = kPropertyRule,
         .familyNameAt_mm = {46.0, 37.8}, .familyNameBox_mm = 0, .drawingAt_mm = {124.4, 15.3},
         .drawing = "sheet-prop-ipe", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = pick(kProperty, HeIpe)},
        {.className = "TCatIPEDFm", .kind = D, .families = kIpe, .software = kSoftware,
         .familyName = "IPE Sections", .pageHeaderHeight_mm = 64.3, .rule = kDetailingRule,
         .familyNameAt_mm = {46.0, 37.8}, .familyNameBox_mm = 0, .drawingAt_mm = {147.4, 18.0},
         .drawing = "sheet-det-ipe", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = moved(pick(kDetailing, He), {{"Supply", 8.5}, {"Pmin", 183.0}, {"Pmax", 205.7}, {"Dmax", 228.3}})},
        {.className = "TCatILIPFm", .kind = P, .families = kIpn, .software = kSoftware,
         .familyName = "IPN Sections", .pageHeaderHeight_mm = 64.3, .rule = kPropertyRule,
         .familyNameAt_mm = {39.7, 37.3}, .familyNameBox_mm = 0, .drawingAt_mm = {122.2, 15.9},
         .drawing = "sheet-prop-ipn", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = pick(kProperty, Ipn)},
        {.className = "TCatILIDFm", .kind = D, .families = kIpn, .software = kSoftware,
         .familyName = "IPN Sections", .pageHeaderHeight_mm = 66.4, .rule = kDetailingRule,
         .familyNameAt_mm = {39.7, 37.3}, .familyNameBox_mm = 0, .drawingAt_mm = {147.4, 16.9},
         .drawing = "sheet-det-ipn", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = pick(kDetailing, IpnD)},
        {.className = "TCatULPFm", .kind = P, .families = kUpn, .software = kSoftware,
         .familyName = "UPN Sections", .pageHeaderHeight_mm = 67.5, .rule = kPropertyRule,
         .familyNameAt_mm = {35.7, 35.5}, .familyNameBox_mm = 0, .drawingAt_mm = {122.8, 13.0},
         .drawing = "sheet-prop-upn", .flangeSlopeTable = true, .printIfEmpty = true,
         .columns = pick(kProperty, Upn)},
        {.className = "TCatULDFm", .kind = D, .families = kUpn, .software = kSoftware,
         .familyName = "UPN Sections", .pageHeaderHeight_mm = 66.4, .rule = kDetailingRule,
         .familyNameAt_mm = {35.7, 35.5}, .familyNameBox_mm = 0, .drawingAt_mm = {146.3, 14.3},
         .drawing = "sheet-det-upn", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = pick(kDetailing, UpnD)},
        {.className = "TCatAngPFm", .kind = P, .families = kAng, .software = kSoftware,
         .familyName = "Equal Leg Angle Sections", .pageHeaderHeight_mm = 64.3, .rule = kPropertyRule,
         .familyNameAt_mm = {14.6, 37.3}, .familyNameBox_mm = 127.5, .drawingAt_mm = {158.8, 16.4},
         .drawing = "sheet-prop-ang", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = kAngleProperty},
        {.className = "TCatAngDFm", .kind = D, .families = kAng, .software = "TOLMO Profile",
         .familyName = "Equal Leg Angle Sections", .pageHeaderHeight_mm = 66.4, .rule = {0.8, 12.2, 247.4, 0.3},
         .familyNameAt_mm = {14.6, 37.3}, .familyNameBox_mm = 127.5, .drawingAt_mm = {158.5, 20.1},
         .drawing = "sheet-det-ang", .flangeSlopeTable = false, .printIfEmpty = true,
         .columns = pick(kDetailing, Ang)},
    }};
    return layouts;
}

} // namespace

std::span<const CatalogueLayout> layouts() { return all(); }

const CatalogueLayout &layoutFor(SectionFamily family, CatalogueKind kind)
{
    for (const CatalogueLayout &layout : all()) {
        if (layout.kind != kind)
            continue;
        for (SectionFamily f : layout.families)
            if (f == family)
                return layout;
    }
    throw ReportError(QStringLiteral("No catalogue for the family %1").arg(QString::fromLatin1(familyInfo(family).key)));
}

const CatalogueLayout *layoutNamed(const QString &className)
{
    for (const CatalogueLayout &layout : all())
        if (className == QLatin1String(layout.className))
            return &layout;
    return nullptr;
}

QString sectionsName(SectionFamily family)
{
    if (family == SectionFamily::ANG)
        return QStringLiteral("Equal Leg Angle Sections");
    return QString::fromLatin1(familyInfo(family).key) + QStringLiteral(" Sections");
}

QString nativeTitle(SectionFamily family, bool selected)
{
    return (selected ? QStringLiteral("Group of Selected ") : QStringLiteral("Catalogue of ")) + sectionsName(family);
}

} // namespace catalogue
