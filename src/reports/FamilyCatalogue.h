#pragma once

#include "data/AppContext.h"
#include "data/SectionFamily.h"
#include "reports/CatalogueLayout.h"
#include "reports/Report.h"

class ReportLabel;
class ReportPicture;
class TIvTranslator;

// A family catalogue: one line per row of a family table, built from one of
// the ten layouts of CatalogueLayout.h. It is translated by its own
// translator when it is created, so it carries the current language's texts
// and logo; Ajusta binds it to the rows it prints and sets its title.
class FamilyCatalogue : public Report {
    Q_OBJECT
public:
    explicit FamilyCatalogue(const CatalogueLayout &layout, QObject *parent = nullptr);
    // The layout of that family and kind.
    FamilyCatalogue(SectionFamily family, CatalogueKind kind, QObject *parent = nullptr);

    const CatalogueLayout &layout() const { return *m_layout; }

    // Binds the report to table (a table of family's rows, whose record
    // filter the report honours) and sets the family name and the title:
    // "Group of Selected ..." when selected, else "Catalogue of ...", both
    // translated. Throws ReportError for a family the layout does not serve.
    void Ajusta(SectionFamily family, Table *table, bool selected);
    // The shared values whose language picks the logo; without one the
    // report is in English.
    void setContext(const AppContext *context);
    SectionFamily family() const { return m_family; }

    // The events. Before a run: the report title, the version label 2.1 mm
    // right of the software name as the run's device measures it, the
    // less-or-equal sign over its gap, the row colour from the start.
    void QuickRepBeforePrint();
    // Before each detail line: white, tinted, white, ... from the first line.
    void DetailBand1BeforePrint(ReportBand &band);
    // After each translation: the logo of the current language.
    void IvTranslator1LanguageChange();

    // The tint of every other detail line and the column header's grey.
    static QColor tintColour();
    static QColor columnHeaderColour();

private:
    const AppContext *m_context = nullptr;
    void buildPageHeader();
    void buildFlangeSlopeTable(ReportBand *header);
    void buildColumns();
    void buildClosing();

    const CatalogueLayout *m_layout;
    SectionFamily m_family;
    int m_rowColour = 0;
    ReportLabel *m_soft = nullptr;
    ReportLabel *m_version = nullptr;
    ReportLabel *m_title = nullptr;
    ReportLabel *m_familyName = nullptr;
    ReportLabel *m_slopeHeading = nullptr;
    ReportLabel *m_lessEqual = nullptr;
    ReportPicture *m_logo = nullptr;
    TIvTranslator *m_translator = nullptr;
};
