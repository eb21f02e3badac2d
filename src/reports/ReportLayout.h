#pragma once

#include "reports/ReportDocument.h"
#include "reports/TextMeasure.h"

#include <functional>

class Report;
class ReportBand;

// Lays a report out page by page (the rules are Report's). Used by
// Report::run; one object per run.
class ReportLayout {
public:
    ReportLayout(Report &report, TextMeasure &measure, QPageLayout::Orientation orientation);
    ReportDocument run(const std::function<void(int percent)> &progress);

private:
    void newPage();
    // Places the items that print on every page over the page's bands.
    void finishPage();
    // Places a band at the current position and moves below it.
    void placeBand(ReportBand &band, int row);
    bool fits(const ReportBand *band) const;
    double height(const ReportBand *band) const;

    Report &m_report;
    ReportDocument m_document;
    TextMeasure &m_measure;
    double m_top = 0;    // mm: the top margin
    double m_bottom = 0; // mm: where the bottom margin begins
    double m_y = 0;      // mm: the next band's top
    bool m_detailOnPage = false;
    int m_lastRow = -1;  // the row data-bound items outside detail lines read
};
