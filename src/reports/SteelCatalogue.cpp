#include "reports/SteelCatalogue.h"

#include "browse/Art.h"
#include "reports/CatalogueChrome.h"
#include "browse/ErrorReport.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"
#include "i18n/TranslateString.h"
#include "reports/FamilyCatalogue.h"
#include "reports/ReportBand.h"
#include "reports/ReportError.h"
#include "reports/ReportItems.h"
#include "reports/TextMeasure.h"

namespace steelcatalogue {

namespace {

constexpr ColumnAlign L = ColumnAlign::Left;
constexpr ColumnAlign C = ColumnAlign::Centre;

const SteelLayout kLayouts[] = {
    {.className = "TCatAcoMecFm",
     .table = &decl::AceroMECTable,
     .subtitle = "Mechanical Properties",
     .ruleWidth_mm = 246.9,
     .detailHeight_mm = 3.7,
     .unitsBold = false,
     .closingHeight_mm = 1.6,
     .note = "",
     .columns = {{"Designation", "", "Designation", L, 19.8},
                 {"Thickness", "mm", "Espesor", C, 61.2},
                 {"fy", "MPa", "Fy", C, 92.2},
                 {"fu", "MPa", "Fu", C, 124.6},
                 {"Minimum elongation", "%", "Alargamiento", C, 161.3},
                 {"Minimum absorbed energy", "J", "Resiliencia-JUL", C, 201.2},
                 {"Temperature", "°C", "Resiliencia-TEMP", C, 240.8}}},
    {.className = "TCatAcoQuiFm",
     .table = &decl::AceroQUITable,
     .subtitle = "Chemical Composition of Products - Analysis from Casting (%)",
     .ruleWidth_mm = 246,
     .detailHeight_mm = 4.2,
     .unitsBold = false,
     .closingHeight_mm = 1.6,
     .note = "",
     .columns = {{"Designation", "", "Tipo y Grado", L, 8.2},
                 {"Thickness", " mm", "Espesor", C, 34.0},
                 {"Standard", "", "Norma", C, 55.8},
                 {"C", "(max)", "C", C, 78.5},
                 {"Mn", "(max)", "Mn", C, 98.3},
                 {"Si", "(max)", "Si", C, 118.1},
                 {"S", "(max)", "S", C, 137.2},
                 {"P", "(max)", "P", C, 154.9},
                 {"N", "(max)", "N", C, 173.9},
                 {"Cr", "(max)", "Cr", C, 192.4},
                 {"Ni", "(max)", "Ni", C, 210.9},
                 {"Mo", "", "Mo", C, 230.6},
                 {"C.E.", "(max)", "CE", C, 250.0}}},
    {.className = "TCatAcoDesFm",
     .table = &decl::AceroDESTable,
     .subtitle = "Equivalent designations",
     .ruleWidth_mm = 246,
     .detailHeight_mm = 4.2,
     .unitsBold = true,
     .closingHeight_mm = 6.9,
     .note = "N.B. A42 steel in accordance with Standard NBE EA-95 has no equivalent steel in any of the above "
             "designations.",
     .columns = {{"Designation", "", "UNE-EN 10025", L, 9.3},
                 {"Germany", "", "Alemania", L, 36.0},
                 {"France", "", "Francia", C, 59.9},
                 {"United Kingdom", "", "Reino Unido", C, 79.1},
                 {"Spain-NBE", "EA-95", "España-NBE EA-95", C, 103.1},
                 {"Spain-UNE", "36080-90", "España-UNE 36080-90", C, 129.6},
                 {"Italy", "", "Italia", C, 151.8},
                 {"Belgium", "", "Bélgica", C, 172.9},
                 {"Sweden", "", "Suecia", C, 193.2},
                 {"Portugal", "", "Portugal", C, 211.2},
                 {"Austria", "", "Austria", C, 231.4},
                 {"Norway", "", "Noruega", C, 250.2}}},
};

} // namespace

std::span<const SteelLayout> layouts() { return kLayouts; }

const SteelLayout *layoutNamed(const QString &className)
{
    for (const SteelLayout &l : kLayouts)
        if (className == QLatin1String(l.className))
            return &l;
    return nullptr;
}

} // namespace steelcatalogue

namespace {

// The layouts' texts and field names are UTF-8, as the table declarations.
QString utf8(const char *text) { return QString::fromUtf8(text); }

QFont arial(double points, bool bold = false, bool italic = false)
{
    return ReportTextItem::reportFont(points, bold, italic);
}

ReportLabel *label(QObject *band, const QString &name, const QString &caption, const QFont &font, double left,
                   double top, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto *l = new ReportLabel(band, caption);
    l->setObjectName(name);
    l->setFont(font);
    l->setAlignment(alignment);
    l->setPosition_mm(left, top);
    return l;
}

} // namespace

SteelCatalogue::SteelCatalogue(int page, const AppContext *context, QObject *parent)
    : SteelCatalogue(page >= 0 && page < 3 ? steelcatalogue::layouts()[size_t(page)]
                                           : throw ReportError(QStringLiteral("No steel catalogue for page %1").arg(page)),
                     context, parent)
{
}

SteelCatalogue::SteelCatalogue(const SteelLayout &layout, const AppContext *context, QObject *parent)
    : Report(parent), m_layout(&layout), m_context(context)
{
    setObjectName(utf8(layout.className));
    PageSetup page;
    page.orientation = QPageLayout::Landscape;
    page.margins_mm = QMarginsF(15, 25, 15, 15);
    setPageSetup(page);

    buildPageHeader();
    buildColumns();
    buildClosing();

    setBeforeRun([this] { QuickRepBeforePrint(); });
    setBeforeDetail([this](ReportBand &band, int) { DetailBand1BeforePrint(band); });

    m_translator = catalogue::attachTranslator(*this, "(1 3 ('*' 'Hint' 0) ('*' 'Filter' 0) ('*' 'Caption' 0))",
                                               [this] { IvTranslator1LanguageChange(); });
}

void SteelCatalogue::buildPageHeader()
{
    ReportBand *header = addBand(BandKind::PageHeader, QStringLiteral("PageHeaderBand1"), 29.6);
    header->setBackground(Qt::white);
    m_logo = new ReportPicture(header);
    m_logo->setObjectName(QStringLiteral("ImgLogo"));
    m_logo->setPosition_mm(250.6, -0.8);
    m_soft = label(header, QStringLiteral("QRLabelSoft"), QStringLiteral("Raroda TOLMO Dudovavidira"),
                   arial(16, true, true), 1.6, 6.3);
    // Its left edge is set before every run, after the software name.
    m_version = label(header, QStringLiteral("QRLabelVersion"), QStringLiteral("Version 2.01"), arial(10), 0, 7.9);
    auto *rule = new ReportShape(header);
    rule->setObjectName(QStringLiteral("QRShapeRule"));
    rule->setPosition_mm(0.8, 12.2);
    rule->setSize_mm(m_layout->ruleWidth_mm, 0.3);
    label(header, QStringLiteral("LBCatalogo"), QStringLiteral("Steel Catalogue"), arial(12), 1.6, 14.3);
    label(header, QStringLiteral("QRLabelSubtitle"), utf8(m_layout->subtitle), arial(11, false, true), 1.6, 19.3);
}

void SteelCatalogue::buildColumns()
{
    ReportBand *columns = addBand(BandKind::ColumnHeader, QStringLiteral("ColumnHeaderBand1"), 9.3);
    columns->setBackground(FamilyCatalogue::columnHeaderColour());
    columns->setFrame(Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    ReportBand *detail = addBand(BandKind::Detail, QStringLiteral("DetailBand1"), m_layout->detailHeight_mm);
    for (const CatalogueColumn &c : m_layout->columns) {
        const Qt::Alignment alignment = c.align == ColumnAlign::Left ? Qt::AlignLeft : Qt::AlignHCenter;
        const QString field = utf8(c.field);
        label(columns, QStringLiteral("QRLabelSym_") + field, utf8(c.symbol), arial(7, true), c.anchor_mm, 1.6,
              alignment);
        if (*c.unit)
            label(columns, QStringLiteral("QRLabelUnit_") + field, utf8(c.unit), arial(7, m_layout->unitsBold),
                  c.anchor_mm, 4.8, alignment);
        auto *value = new ReportDataText(detail, field);
        value->setObjectName(QStringLiteral("QRDBText_") + field);
        value->setFont(arial(7));
        value->setAlignment(alignment);
        value->setPosition_mm(c.anchor_mm, 0.3);
    }
}

void SteelCatalogue::buildClosing()
{
    ReportBand *closing = addBand(BandKind::Summary, QStringLiteral("SummaryBand1"), m_layout->closingHeight_mm);
    closing->setFrame(Qt::TopEdge);
    if (*m_layout->note)
        label(closing, QStringLiteral("QRLabelNote"), utf8(m_layout->note), arial(8), 1.3, 1.1);
}

void SteelCatalogue::QuickRepBeforePrint()
{
    setTitle(TranslateString(utf8(app::kNativeTitle)));
    catalogue::placeVersion(*this, *m_soft, *m_version);
    m_rowColour = 0;
}

void SteelCatalogue::DetailBand1BeforePrint(ReportBand &band)
{
    m_rowColour = m_rowColour == 0 ? 1 : 0;
    band.setBackground(m_rowColour == 1 ? QColor(Qt::white) : FamilyCatalogue::tintColour());
}

void SteelCatalogue::IvTranslator1LanguageChange()
{
    m_logo->setPicture(catalogue::languageLogo(m_context));
}
