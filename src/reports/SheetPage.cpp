#include "reports/SheetPage.h"

#include "browse/Art.h"
#include "browse/FamilyWindow.h"
#include "data/AppGlobals.h"
#include "i18n/TranslateString.h"
#include "reports/CatalogueChrome.h"
#include "reports/ReportBand.h"
#include "reports/ReportError.h"
#include "reports/ReportItems.h"
#include "reports/ReportOutput.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"

namespace sheetpage {

namespace {

constexpr SheetPageItem kPropertyItems[] = {
    {"LBhProp", "LBh", 93.9, 48.3},        {"LBrProp", "LBr", 133.6, 48.3},
    {"LBbProp", "LBb", 93.9, 54.2},        {"LBdProp", "LBd", 133.6, 54.2},
    {"LBtwProp", "LBtw", 93.9, 60.2},      {"LBhiProp", "LBhi", 133.6, 60.2},
    {"LBtfProp", "LBtf", 93.9, 66.1},      {"LBAProp", "LBA", 93.9, 74.7},
    {"LBMProp", "LBM", 133.6, 74.7},       {"LBIyProp", "LBIy", 93.9, 83.3},
    {"LBIzProp", "LBIz", 133.6, 83.3},     {"LBWyProp", "LBWy", 93.9, 89.0},
    {"LBWzProp", "LBWz", 133.6, 89.0},     {"LBWplyProp", "LBWply", 93.9, 94.6},
    {"LBWplzProp", "LBWplz", 133.6, 94.6}, {"LBryProp", "LBry", 93.9, 100.2},
    {"LBrzProp", "LBrz", 133.6, 100.2},    {"LBItProp", "LBIt", 93.9, 105.8},
    {"LBIwProp", "LBIw", 133.6, 105.8},    {"LBSyProp", "LBSy", 93.9, 113.8},
    {"LBAvzProp", "LBAvz", 133.6, 113.8},  {"LBssyProp", "LBssy", 93.9, 119.1},
    {"LBALProp", "LBAL", 94.6, 128.3},     {"LBAGProp", "LBAG", 133.6, 128.3},
};
constexpr double kPropertyRules[] = {72.1, 82.0, 112.4, 125.7};

constexpr SheetPageItem kDetailItems[] = {
    {"LBhDetail", "LBh", 93.9, 55.9},       {"LBtwDetail", "LBtw", 133.6, 55.9},
    {"LBbDetail", "LBb", 93.9, 62.5},       {"LBtfDetail", "LBtf", 133.6, 62.5},
    {"LBDmaxDetail", "LBDmax", 93.9, 71.8}, {"LBPMinDetail", "LBPmin", 93.9, 77.4},
    {"LBPMaxDetail", "LBPmax", 133.0, 76.7}, {"LBSsDetail", "LBSs", 93.9, 85.7},
};
constexpr double kDetailRules[] = {69.5, 84.0};

const SheetPageLayout kProperty{
    .className = "TRelatPropFm",
    .subtitle = "Geometrical and Mechanical Properties",
    .logoAt_mm = {154.5, -0.3},
    .designationName = "LBPerfilProp",
    .designationAt_mm = {26.5, 47.6},
    .drawingName = "ImgProp",
    .drawingAt_mm = {25.8, 59.9},
    .drawingPrefix = "sheet-prop-",
    .items = kPropertyItems,
    .rules = kPropertyRules,
};

const SheetPageLayout kDetail{
    .className = "TRelatDetailFm",
    .subtitle = "Dimensions for Detailing",
    .logoAt_mm = {154.5, 1.0},
    .designationName = "LBPerfilDetail",
    .designationAt_mm = {25.8, 45.0},
    .drawingName = "ImgDetail",
    .drawingAt_mm = {26.5, 53.2},
    .drawingPrefix = "sheet-det-",
    .items = kDetailItems,
    .rules = kDetailRules,
};

} // namespace

const SheetPageLayout &propertyLayout() { return kProperty; }
const SheetPageLayout &detailLayout() { return kDetail; }

} // namespace sheetpage

namespace {

QString latin(const char *text) { return QString::fromLatin1(text); }

ReportLabel *label(QObject *parent, const char *name, const QString &caption, const QFont &font, QPointF at)
{
    auto *l = new ReportLabel(parent, caption);
    l->setObjectName(latin(name));
    l->setFont(font);
    l->setPosition_mm(at);
    return l;
}

QFont arial(double points, bool bold = false, bool italic = false)
{
    return ReportTextItem::reportFont(points, bold, italic);
}

} // namespace

SheetPage::SheetPage(const SheetPageLayout &layout, const AppContext *context, QObject *parent)
    : Report(parent), m_layout(&layout), m_context(context)
{
    setObjectName(latin(layout.className));
    PageSetup page;
    page.orientation = QPageLayout::Portrait;
    page.margins_mm = QMarginsF(20, 20, 20, 20);
    // No data source: the one page of title band and page items.
    page.printIfEmpty = true;
    setPageSetup(page);

    ReportBand *title = addBand(BandKind::Title, QStringLiteral("TitleBand1"), sheetpage::kTitleHeight_mm);
    m_soft = label(title, "QRLabelSoft", QStringLiteral("Raroda TOLMO Dudovavidira"), arial(16, true, true), {2.0, 7.9});
    // Its left edge is set before the page is produced, after the software name.
    m_version = label(title, "QRLabelVersion", QStringLiteral("Version 2.01"), arial(10), {0, 9.3});
    auto *rule = new ReportShape(title);
    rule->setObjectName(QStringLiteral("QRShapeRule"));
    rule->setPosition_mm(1.7, 13.9);
    rule->setSize_mm(151.1, 0.3);
    label(title, "AssuntoT", latin(layout.subtitle), arial(12), {2.0, 14.6});
    m_logo = new ReportPicture(title);
    m_logo->setObjectName(QStringLiteral("ImgLogo"));
    m_logo->setPosition_mm(layout.logoAt_mm);

    // The page labels' stored texts never print: Ajusta writes every one.
    m_designation = label(this, layout.designationName, QString(), arial(16, true), layout.designationAt_mm);
    m_drawing = new ReportPicture(this);
    m_drawing->setObjectName(latin(layout.drawingName));
    m_drawing->setPosition_mm(layout.drawingAt_mm);
    for (const SheetPageItem &item : layout.items)
        m_values.append({label(this, item.name, QString(), arial(10), {item.left_mm, item.top_mm}), latin(item.slot)});
    int n = 0;
    for (double top : layout.rules) {
        auto *r = new ReportShape(this);
        r->setObjectName(QStringLiteral("QRShapeGroup%1").arg(++n));
        r->setPosition_mm(sheetpage::kRuleLeft_mm, top);
        r->setSize_mm(sheetpage::kRuleWidth_mm, sheetpage::kRuleHeight_mm);
    }

    setBeforeRun([this] { QuickRepBeforePrint(); });
    m_translator = catalogue::attachTranslator(*this, "(1 2 ('*' 'Hint' 0) ('*' 'Caption' 0))",
                                               [this] { IvTranslator1LanguageChange(); });
}

void SheetPage::Ajusta(const FamilyInfo &family, const SheetTexts &texts)
{
    const QString art = latin(m_layout->drawingPrefix) + latin(family.window->art);
    const PrintPicture drawing = PrintPicture::fromFile(art::resourcePath(art));
    if (drawing.isNull())
        throw ReportError(QStringLiteral("The drawing %1 is missing").arg(art));
    m_drawing->setPicture(drawing);
    m_designation->setCaption(texts.designation);
    for (const auto &[page, slot] : m_values)
        page->setCaption(texts.slot(slot));
}

void SheetPage::QuickRepBeforePrint()
{
    setTitle(TranslateString(latin(app::kNativeTitle)));
    catalogue::placeVersion(*this, *m_soft, *m_version);
}

void SheetPage::IvTranslator1LanguageChange() { m_logo->setPicture(catalogue::languageLogo(m_context)); }

namespace sheetprint {

std::unique_ptr<SheetPage> pageOf(const SectionSheet &sheet)
{
    const bool property = qobject_cast<const TShowPropFm *>(&sheet) != nullptr;
    const FamilyInfo *family = sheet.family();
    if (!family)
        throw ReportError(QStringLiteral("The sheet shows no section"));
    const AppContext *context = sheet.window() ? &sheet.window()->context() : nullptr;
    auto page = std::make_unique<SheetPage>(property ? sheetpage::propertyLayout() : sheetpage::detailLayout(), context);
    page->Ajusta(*family, sheet.shownTexts());
    return page;
}

bool printSheet(SectionSheet &sheet)
{
    // No printer installed, or one that cannot print, ends in the one box
    // (printWithDialog); a page that cannot be made (its drawing missing)
    // is an error of its own and escapes.
    const std::unique_ptr<SheetPage> page = pageOf(sheet);
    return reportoutput::printWithDialog(*page, &sheet);
}

} // namespace sheetprint
