#pragma once

#include "data/AppContext.h"
#include "data/SectionFamily.h"
#include "reports/Report.h"

#include <QPointF>

#include <span>

class QWidget;
class ReportLabel;
class ReportPicture;
class SectionSheet;
class TIvTranslator;
struct SheetTexts;

// The two single-section pages as data: the property page (TRelatPropFm)
// and the detailing page (TRelatDetailFm). Each prints, on one A4 page, the
// texts a sheet shows, each at a fixed place on the paper, beside the
// family's section drawing. One builder (SheetPage) serves both.

// A page label and the sheet slot whose text it prints, placed in
// millimetres from the paper's top-left corner.
struct SheetPageItem {
    const char *name;   // "LBhProp"
    const char *slot;   // "LBh"
    double left_mm, top_mm;
};

struct SheetPageLayout {
    const char *className;        // the report's objectName
    const char *subtitle;         // under the rule of the title band
    QPointF logoAt_mm;            // in the title band
    const char *designationName;  // the designation label
    QPointF designationAt_mm;
    const char *drawingName;      // the section drawing
    QPointF drawingAt_mm;
    const char *drawingPrefix;    // artwork name before the family's art: "sheet-prop-"
    std::span<const SheetPageItem> items;
    std::span<const double> rules; // tops of the rules between groups of values
};

namespace sheetpage {

// TRelatPropFm and TRelatDetailFm.
const SheetPageLayout &propertyLayout();
const SheetPageLayout &detailLayout();

// The rules between groups of values: their left edge and size.
inline constexpr double kRuleLeft_mm = 93.6;
inline constexpr double kRuleWidth_mm = 79.7;
inline constexpr double kRuleHeight_mm = 0.3;
inline constexpr double kTitleHeight_mm = 19.8;

} // namespace sheetpage

// A single-section page: A4 portrait, margins 20 mm, a title band with the
// software name, version, rule, subtitle and the language's logo, and the
// sheet's texts placed on the page. Translated by its own translator when it
// is created; Ajusta fills it.
class SheetPage : public Report {
    Q_OBJECT
public:
    // context gives the language of the logo; without one it is English.
    SheetPage(const SheetPageLayout &layout, const AppContext *context, QObject *parent = nullptr);

    const SheetPageLayout &layout() const { return *m_layout; }

    // The family's section drawing and the sheet's texts: the designation,
    // and each page label the text of its sheet slot (empty when the sheet
    // shows none).
    void Ajusta(const FamilyInfo &family, const SheetTexts &texts);

    // Before the page is produced: the report title, the version label
    // 2.1 mm right of the software name.
    void QuickRepBeforePrint();
    // After each translation: the logo of the current language.
    void IvTranslator1LanguageChange();

private:
    const SheetPageLayout *m_layout;
    const AppContext *m_context;
    ReportLabel *m_soft = nullptr;
    ReportLabel *m_version = nullptr;
    ReportLabel *m_designation = nullptr;
    ReportPicture *m_drawing = nullptr;
    ReportPicture *m_logo = nullptr;
    QList<std::pair<ReportLabel *, QString>> m_values; // page label, sheet slot
    TIvTranslator *m_translator = nullptr;
};

namespace sheetprint {

// The sheet's Print command: the page of the sheet's kind filled with the
// texts it shows, printed through the print dialog on the printer and with
// the copies chosen. Cancelling prints nothing and says nothing; without a
// printer, the one box "There isn't any printer.". Answers whether it
// printed.
bool printSheet(SectionSheet &sheet);

// The page of a sheet, filled as printSheet fills it (the property or the
// detailing page by the sheet's kind).
std::unique_ptr<SheetPage> pageOf(const SectionSheet &sheet);

} // namespace sheetprint
