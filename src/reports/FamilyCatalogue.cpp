#include "reports/FamilyCatalogue.h"

#include "browse/Art.h"
#include "reports/CatalogueChrome.h"
#include "browse/ErrorReport.h"
#include "data/AppGlobals.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"
#include "i18n/TranslateString.h"
#include "reports/ReportBand.h"
#include "reports/ReportError.h"
#include "reports/ReportItems.h"
#include "reports/TextMeasure.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

QString latin(const char *text) { return QString::fromLatin1(text); }

ReportLabel *label(QObject *band, const char *name, const QString &caption, const QFont &font, double left,
                   double top)
{
    auto *l = new ReportLabel(band, caption);
    l->setObjectName(latin(name));
    l->setFont(font);
    l->setPosition_mm(left, top);
    return l;
}

Qt::Alignment alignmentOf(ColumnAlign align)
{
    switch (align) {
    case ColumnAlign::Left:
        return Qt::AlignLeft;
    case ColumnAlign::Right:
        return Qt::AlignRight;
    case ColumnAlign::Centre:
        return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

// The fonts of the layouts: Arial in points.
QFont arial(double points, bool bold = false, bool italic = false)
{
    return ReportTextItem::reportFont(points, bold, italic);
}

} // namespace

FamilyCatalogue::FamilyCatalogue(SectionFamily family, CatalogueKind kind, QObject *parent)
    : FamilyCatalogue(catalogue::layoutFor(family, kind), parent)
{
}

FamilyCatalogue::FamilyCatalogue(const CatalogueLayout &layout, QObject *parent)
    : Report(parent), m_layout(&layout), m_family(layout.families.front())
{
    setObjectName(latin(layout.className));
    PageSetup page;
    page.orientation = QPageLayout::Landscape;
    page.margins_mm = QMarginsF(15, 25, 15, 15);
    page.printIfEmpty = layout.printIfEmpty;
    setPageSetup(page);

    buildPageHeader();
    buildColumns();
    buildClosing();

    setBeforeRun([this] { QuickRepBeforePrint(); });
    setBeforeDetail([this](ReportBand &band, int) { DetailBand1BeforePrint(band); });

    // The report's own translator translates every static text now, in the
    // current language; each translation brings the language's logo.
    m_translator = catalogue::attachTranslator(*this, "(1 3 ('*' 'Hint' 0) ('*' 'Filter' 0) ('*' 'Caption' 0))",
                                               [this] { IvTranslator1LanguageChange(); });
}

void FamilyCatalogue::buildPageHeader()
{
    const CatalogueLayout &l = *m_layout;
    ReportBand *header = addBand(BandKind::PageHeader, QStringLiteral("PageHeaderBand1"), l.pageHeaderHeight_mm);
    header->setBackground(Qt::white);

    m_logo = new ReportPicture(header);
    m_logo->setObjectName(QStringLiteral("ImgLogo"));
    m_logo->setPosition_mm(249.8, -0.8);

    m_soft = label(header, "QRLabelSoft", latin(l.software), arial(16, true, true), 1.6, 6.3);
    // Its left edge is set before every run, after the software name.
    m_version = label(header, "QRLabelVersion", QStringLiteral("Version 2.01"), arial(10), 0, 7.9);

    auto *rule = new ReportShape(header);
    rule->setObjectName(QStringLiteral("QRShapeRule"));
    rule->setPosition_mm(l.rule.left_mm, l.rule.top_mm);
    rule->setSize_mm(l.rule.width_mm, l.rule.height_mm);

    // The stored title never prints: Ajusta replaces it.
    m_title = label(header, "LBCatalogo", QStringLiteral("CatalogoT"), arial(12), 1.6, 14.3);
    label(header, "QRLabelSubtitle",
          l.kind == CatalogueKind::Properties ? QStringLiteral("Geometrical and Mechanical Properties")
                                              : QStringLiteral("Dimensions for Detailing"),
          arial(11, false, true), 1.6, 19.3);

    m_familyName = label(header, "LBPerfil", latin(l.familyName), arial(30, true), l.familyNameAt_mm.x(),
                         l.familyNameAt_mm.y());
    if (l.familyNameBox_mm > 0) {
        m_familyName->setAlignment(Qt::AlignHCenter);
        m_familyName->setSize_mm(l.familyNameBox_mm, 0);
    }

    // The section drawing, as large as the header leaves below its top,
    // its left edge where the layout puts it.
    const PrintPicture drawing = PrintPicture::fromFile(art::resourcePath(latin(l.drawing)));
    if (drawing.isNull())
        throw ReportError(QStringLiteral("The drawing %1 is missing").arg(latin(l.drawing)));
    auto *picture = new ReportPicture(header, drawing);
    picture->setObjectName(QStringLiteral("QRImage2"));
    picture->setPosition_mm(l.drawingAt_mm);
    const QSizeF natural = drawing.naturalSize_mm();
    const double height = l.pageHeaderHeight_mm - l.drawingAt_mm.y() - 1.0;
    picture->setSize_mm(height * natural.width() / natural.height(), height);

    if (l.flangeSlopeTable)
        buildFlangeSlopeTable(header);
}

void FamilyCatalogue::buildFlangeSlopeTable(ReportBand *header)
{
    const QFont font = arial(8);
    const QString underscores(29, u'_');
    const double rules[] = {31.5, 36.8, 48.2};
    int n = 0;
    for (double top : rules) {
        ReportLabel *rule =
            label(header, qPrintable(QStringLiteral("QRLabelSlopeRule%1").arg(++n)), underscores, font, 190.2, top);
        rule->setColour(Qt::gray);
    }
    // The gap of four blanks takes the less-or-equal sign, placed over it
    // before each run with the run's metrics.
    m_slopeHeading = label(header, "QRLabelSlopeLow", QStringLiteral("h    300 mm"), font, 200.8, 35.7);
    m_lessEqual = label(header, "QRLabelLessEqual", QStringLiteral("\u2264"), font, 200.8, 35.7);
    m_lessEqual->setAlignment(Qt::AlignHCenter);
    label(header, "QRLabelSlopeHigh", QStringLiteral("h > 300 mm"), font, 220.7, 35.7);
    label(header, "QRLabelSlopeUu", QStringLiteral("uu"), font, 192.6, 41.5);
    label(header, "QRLabelSlopeUuLow", QStringLiteral("b / 2"), font, 200.8, 41.5);
    label(header, "QRLabelSlopeUuHigh", QStringLiteral("(b - tw) / 2"), font, 220.7, 41.5);
    label(header, "QRLabelSlopeInc", QStringLiteral("inc"), font, 192.6, 46.6);
    label(header, "QRLabelSlopeIncLow", QStringLiteral("8%"), font, 200.8, 46.6);
    label(header, "QRLabelSlopeIncHigh", QStringLiteral("5%"), font, 220.7, 46.6);
}

void FamilyCatalogue::buildColumns()
{
    const CatalogueLayout &l = *m_layout;
    const bool properties = l.kind == CatalogueKind::Properties;
    ReportBand *columns = addBand(BandKind::ColumnHeader, QStringLiteral("ColumnHeaderBand1"),
                                  properties ? catalogue::kColumnHeaderHeightProperties_mm
                                             : catalogue::kColumnHeaderHeightDetailing_mm);
    columns->setBackground(columnHeaderColour());
    columns->setFrame(Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    ReportBand *detail =
        addBand(BandKind::Detail, QStringLiteral("DetailBand1"),
                properties ? catalogue::kDetailHeightProperties_mm : catalogue::kDetailHeightDetailing_mm);

    const double points = properties ? 7 : 8;
    const double symbolTop = properties ? 1.6 : 1.1;
    const double unitTop = properties ? 4.8 : 5.3;
    for (const CatalogueColumn &c : l.columns) {
        const Qt::Alignment alignment = alignmentOf(c.align);
        const QString field = latin(c.field);
        if (*c.symbol) {
            ReportLabel *symbol = label(columns, qPrintable(QStringLiteral("QRLabelSym_") + field), latin(c.symbol),
                                        arial(points, true), c.anchor_mm, symbolTop);
            symbol->setAlignment(alignment);
        }
        if (*c.unit) {
            ReportLabel *unit = label(columns, qPrintable(QStringLiteral("QRLabelUnit_") + field), latin(c.unit),
                                      arial(points), c.anchor_mm, unitTop);
            unit->setAlignment(alignment);
        }
        auto *value = new ReportDataText(detail, field);
        value->setObjectName(QStringLiteral("QRDBText_") + field);
        value->setFont(arial(points));
        value->setAlignment(alignment);
        value->setPosition_mm(c.anchor_mm, 0.3);
    }
}

void FamilyCatalogue::buildClosing()
{
    ReportBand *closing =
        addBand(BandKind::Summary, QStringLiteral("PageFooterBand1"), catalogue::kClosingHeight_mm);
    closing->setFrame(Qt::TopEdge);
    label(closing, "QRLabelNote", QStringLiteral("(*) - Available on request"), arial(10), 1.3, 1.1);
}

void FamilyCatalogue::Ajusta(SectionFamily family, Table *table, bool selected)
{
    if (std::find(m_layout->families.begin(), m_layout->families.end(), family) == m_layout->families.end()) {
        throw ReportError(QStringLiteral("The catalogue %1 does not print %2 rows")
                              .arg(objectName(), latin(familyInfo(family).key)));
    }
    m_family = family;
    setDataSource(table);
    // The layouts serving several families name the one they print; the
    // others keep their family name, translated with the report.
    if (m_layout->families.size() > 1)
        m_familyName->setCaption(TranslateString(catalogue::sectionsName(family)));
    m_title->setCaption(TranslateString(catalogue::nativeTitle(family, selected)));
}

void FamilyCatalogue::QuickRepBeforePrint()
{
    setTitle(TranslateString(latin(app::kNativeTitle)));
    catalogue::placeVersion(*this, *m_soft, *m_version);
    if (TextMeasure *measure = textMeasure(); measure && m_lessEqual) {
        const QFont font = m_slopeHeading->font();
        const double gapLeft = measure->width_mm(font, QStringLiteral("h"));
        const double gapRight = measure->width_mm(font, QStringLiteral("h    "));
        m_lessEqual->setPosition_mm(m_slopeHeading->position_mm().x() + (gapLeft + gapRight) / 2,
                                    m_slopeHeading->position_mm().y());
    }
    m_rowColour = 0;
}

void FamilyCatalogue::DetailBand1BeforePrint(ReportBand &band)
{
    m_rowColour = m_rowColour == 0 ? 1 : 0;
    band.setBackground(m_rowColour == 1 ? QColor(Qt::white) : tintColour());
}

void FamilyCatalogue::setContext(const AppContext *context)
{
    m_context = context;
    IvTranslator1LanguageChange();
}

void FamilyCatalogue::IvTranslator1LanguageChange()
{
    m_logo->setPicture(catalogue::languageLogo(m_context));
}

QColor FamilyCatalogue::tintColour() { return QGuiApplication::palette().color(QPalette::ToolTipBase); }

QColor FamilyCatalogue::columnHeaderColour() { return QGuiApplication::palette().color(QPalette::Midlight); }
