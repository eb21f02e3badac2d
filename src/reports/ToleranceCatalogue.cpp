#include "reports/ToleranceCatalogue.h"

#include "browse/Art.h"
#include "reports/CatalogueChrome.h"
#include "browse/ErrorReport.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Record.h"
#include "data/Table.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"
#include "i18n/TranslateString.h"
#include "reports/CatalogueLayout.h"
#include "reports/ReportBand.h"
#include "reports/ReportItems.h"
#include "reports/TextMeasure.h"

namespace {

QFont arial(double points, bool bold = false, bool italic = false)
{
    return ReportTextItem::reportFont(points, bold, italic);
}

ReportLabel *label(QObject *band, const QString &name, const QString &caption, const QFont &font, double left,
                   double top)
{
    auto *l = new ReportLabel(band, caption);
    l->setObjectName(name);
    l->setFont(font);
    l->setPosition_mm(left, top);
    return l;
}

ReportShape *rule(QObject *band, const QString &name, double left, double top, double width, double height)
{
    auto *shape = new ReportShape(band);
    shape->setObjectName(name);
    shape->setPosition_mm(left, top);
    shape->setSize_mm(width, height);
    return shape;
}

// The figure's box and the width of its frame lines.
constexpr double kFigureLeft_mm = 4.0, kFigureTop_mm = 7.4, kFigureWidth_mm = 172.8, kFigureHeight_mm = 98.2;
constexpr double kFrame_mm = 0.2;

} // namespace

ToleranceCatalogue::ToleranceCatalogue(const AppContext &context, QObject *parent)
    : Report(parent), m_context(&context)
{
    setObjectName(QStringLiteral("TCatTolFm"));
    PageSetup page;
    page.orientation = QPageLayout::Portrait;
    page.margins_mm = QMarginsF(15, 15, 15, 15);
    // With no tolerance table of its key the catalogue is its page header.
    page.printIfEmpty = true;
    setPageSetup(page);

    m_table = new Table(decl::TolTable, this);
    m_table->setObjectName(QStringLiteral("Tabela"));
    m_table->setFilter([this](const Record &record) { return TabelaFilterRecord(record); });
    m_table->setFiltered(true);
    setDataSource(m_table);

    buildPageHeader();
    buildDetail();

    setBeforeRun([this] { catalogue::placeVersion(*this, *m_soft, *m_version); });

    m_translator = catalogue::attachTranslator(
        *this, "(1 4 ('*' 'Hint' 0) ('*' 'Filter' 0) ('*' 'Caption' 0) ('*' 'DisplayLabel' 0))",
        [this] { IvTranslator1LanguageChange(); });
}

void ToleranceCatalogue::buildPageHeader()
{
    ReportBand *header = addBand(BandKind::PageHeader, QStringLiteral("PageHeaderBand1"), 34.4);
    header->setBackground(Qt::white);
    m_logo = new ReportPicture(header);
    m_logo->setObjectName(QStringLiteral("ImgLogo"));
    m_logo->setPosition_mm(162.5, -0.8);
    m_soft = label(header, QStringLiteral("QRLabelSoft"), QStringLiteral("Raroda TOLMO Dudovavidira"),
                   arial(16, true, true), 1.6, 6.3);
    m_version = label(header, QStringLiteral("QRLabelVersion"), QStringLiteral("Version 2.01"), arial(10), 0, 7.9);
    rule(header, QStringLiteral("QRShapeRule"), 1.6, 12.4, 158.8, 0.5);
    // The stored title prints only for a family code without a title.
    m_title = label(header, QStringLiteral("LBCatalogo"), QStringLiteral("CatalogoT"), arial(12), 1.6, 13.8);
    label(header, QStringLiteral("QRLabelSubtitle"), QStringLiteral("Tolerances on dimensions, shape and mass"),
          arial(11, false, true), 1.6, 19.6);
    rule(header, QStringLiteral("QRShapeNormRule"), 1.6, 25.1, 177.8, 0.3);
    m_norm = label(header, QStringLiteral("Normatizacao"), QString(), arial(11, false, true), 1.6, 26.2);
}

void ToleranceCatalogue::buildDetail()
{
    ReportBand *detail = addBand(BandKind::Detail, QStringLiteral("DetailBand1"), 106.9);
    auto *name = new ReportDataText(detail, QStringLiteral("Tolerancia"));
    name->setObjectName(QStringLiteral("ToleranciaDB"));
    name->setFont(arial(10, true, true));
    name->setPosition_mm(1.6, 1.6);
    rule(detail, QStringLiteral("QRShapeToleranceRule"), 1.6, 6.3, 177.8, 0.3);
    auto *figure = new ReportDataPicture(detail, QStringLiteral("Figura"));
    figure->setObjectName(QStringLiteral("FiguraDB"));
    figure->setPosition_mm(kFigureLeft_mm, kFigureTop_mm);
    figure->setSize_mm(kFigureWidth_mm, kFigureHeight_mm);
    // The frame of the figure's box: four thin rules along its edges.
    const double right = kFigureLeft_mm + kFigureWidth_mm, bottom = kFigureTop_mm + kFigureHeight_mm;
    rule(detail, QStringLiteral("QRShapeFrameTop"), kFigureLeft_mm, kFigureTop_mm, kFigureWidth_mm, kFrame_mm);
    rule(detail, QStringLiteral("QRShapeFrameBottom"), kFigureLeft_mm, bottom - kFrame_mm, kFigureWidth_mm,
         kFrame_mm);
    rule(detail, QStringLiteral("QRShapeFrameLeft"), kFigureLeft_mm, kFigureTop_mm, kFrame_mm, kFigureHeight_mm);
    rule(detail, QStringLiteral("QRShapeFrameRight"), right - kFrame_mm, kFigureTop_mm, kFrame_mm,
         kFigureHeight_mm);
}

namespace {
// The family of each code, 1 to 7.
constexpr SectionFamily kCodes[] = {SectionFamily::HEA, SectionFamily::HEB, SectionFamily::HEM, SectionFamily::IPE,
                                    SectionFamily::IPN, SectionFamily::UPN, SectionFamily::ANG};
} // namespace

int ToleranceCatalogue::familyCode(SectionFamily family)
{
    for (int i = 0; i < 7; ++i)
        if (kCodes[i] == family)
            return i + 1;
    return 0;
}

QString ToleranceCatalogue::nativeTitle(int familyCode)
{
    if (familyCode < 1 || familyCode > 7)
        return {};
    return catalogue::nativeTitle(kCodes[familyCode - 1], false);
}

void ToleranceCatalogue::Ajusta(int familyCode, const QString &normText, const QString &profileKey)
{
    const QString title = nativeTitle(familyCode);
    if (!title.isEmpty())
        m_title->setCaption(TranslateString(title));
    m_norm->setCaption(normText.trimmed());
    m_table->close();
    m_table->setDirectory(m_context->appDir());
    m_profileKey = profileKey;
    m_table->open();
    setTitle(TranslateString(QString::fromLatin1(app::kNativeTitle)));
}

bool ToleranceCatalogue::TabelaFilterRecord(const Record &record) const
{
    return record.asText("Raroda") == m_profileKey &&
           record.asText("Idioma") == m_context->languagePrefix();
}

void ToleranceCatalogue::IvTranslator1LanguageChange()
{
    m_logo->setPicture(catalogue::languageLogo(m_context));
}
