#pragma once

#include "data/AppContext.h"
#include "data/FieldDecl.h"
#include "reports/CatalogueLayout.h"
#include "reports/Report.h"

#include <span>

class ReportLabel;
class ReportPicture;
class TIvTranslator;

// The three steel catalogues as data: one per table of the steel grades
// window, sharing one builder (SteelCatalogue). Positions in millimetres from
// the top-left corner of their band.
struct SteelLayout {
    const char *className;   // "TCatAcoMecFm": the report's objectName
    const TableDecl *table;  // the steel table whose rows it lists
    const char *subtitle;
    double ruleWidth_mm;     // the rule under the software name
    double detailHeight_mm;
    bool unitsBold;          // the second heading line bold, as the first
    double closingHeight_mm; // the closing band, ruled along its top
    const char *note;        // printed in the closing band; empty for none
    QList<CatalogueColumn> columns; // the unit member is the second heading line
};

namespace steelcatalogue {

// TCatAcoMecFm, TCatAcoQuiFm, TCatAcoDesFm: the order of the steel window's
// pages (0 mechanical, 1 chemical, 2 designations).
std::span<const SteelLayout> layouts();
// The layout of that class name, or nullptr.
const SteelLayout *layoutNamed(const QString &className);

} // namespace steelcatalogue

// A steel catalogue: every row of one steel table in table order, each value
// in the field's own display format, lines alternating white and tinted.
// Translated by its own translator when it is created.
class SteelCatalogue : public Report {
    Q_OBJECT
public:
    // context gives the language of the logo; without one it is English.
    SteelCatalogue(const SteelLayout &layout, const AppContext *context, QObject *parent = nullptr);
    // The catalogue of a steel window page: 0, 1 or 2.
    SteelCatalogue(int page, const AppContext *context, QObject *parent = nullptr);

    const SteelLayout &layout() const { return *m_layout; }

    // Before a run: the report title, the version label after the software
    // name, the line colour from the start.
    void QuickRepBeforePrint();
    // Before each detail line: white, tinted, white, ...
    void DetailBand1BeforePrint(ReportBand &band);
    // After each translation: the logo of the current language.
    void IvTranslator1LanguageChange();

private:
    void buildPageHeader();
    void buildColumns();
    void buildClosing();

    const SteelLayout *m_layout;
    const AppContext *m_context;
    int m_rowColour = 0;
    ReportLabel *m_soft = nullptr;
    ReportLabel *m_version = nullptr;
    ReportPicture *m_logo = nullptr;
    TIvTranslator *m_translator = nullptr;
};
