#pragma once

#include "data/Table.h"
#include "reports/ReportDocument.h"

#include <QMarginsF>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QPaintDevice;
class ReportBand;
class ReportItem;
class TextMeasure;

// The paper (always A4) and how a report uses it.
struct PageSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins_mm{20, 20, 20, 20}; // left, top, right, bottom
    // Whether a data source without rows still gives one page (bands
    // without detail lines); otherwise it gives no page at all.
    bool printIfEmpty = false;
};

// Where and how often a report prints: chosen in the print dialog or the
// preview's printer setup.
struct PrinterSettings {
    QString printerName; // empty: the system's default printer
    // The orientation the printer is given; unset, the page's own.
    std::optional<QPageLayout::Orientation> orientation;
    int copies = 1;
};

// A banded report: page setup, a data source, bands and items, and two
// events. It is a QObject tree (bands are its children, their items theirs,
// items placed directly on the page are its own children), so the report's
// translator reaches every label's Caption.
//
// A run lays the report out for one device: the before-run event, then the
// title band at the top of the first page, the page header and the column
// header at the top of every page (the title first on the first page),
// one detail line per row of the data source while it fits above the
// bottom margin, then the summary band once, on a new page when it does not
// fit. Items placed on the page print on every page, over the bands.
class Report : public QObject {
    Q_OBJECT
public:
    using BeforeRun = std::function<void()>;
    // Runs before each detail line is placed: the band (whose background it
    // may change) and the row of the data source.
    using BeforeDetail = std::function<void(ReportBand &band, int row)>;

    explicit Report(QObject *parent = nullptr);
    ~Report() override;

    const PageSetup &pageSetup() const { return m_page; }
    void setPageSetup(const PageSetup &page) { m_page = page; }
    // The paper in the page's orientation: 210 x 297 mm or 297 x 210 mm.
    QSizeF paper_mm() const;
    // The width of the bands: the paper between the left and right margins.
    double bandWidth_mm() const;

    // Shown by the preview as its caption, given to the printer as the
    // document name and to the PDF as its title.
    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }

    const PrinterSettings &printerSettings() const { return m_printer; }
    void setPrinterSettings(const PrinterSettings &settings) { m_printer = settings; }

    // The rows the report prints: the table's accepted rows in its order,
    // its record filter honoured. A closed table is opened at the run.
    // Replaceable at any time; the report does not own it.
    Table *dataSource() const { return m_table; }
    void setDataSource(Table *table) { m_table = table; }
    // The decimal separator of data-bound numbers; the system's by default.
    QChar decimalPoint() const { return m_decimalPoint; }
    void setDecimalPoint(QChar point) { m_decimalPoint = point; }

    // A new band of that kind (one of each kind); throws ReportError when
    // the report has one already.
    ReportBand *addBand(BandKind kind, const QString &name, double height_mm);
    ReportBand *band(BandKind kind) const;
    // Items placed on the page itself.
    QList<ReportItem *> pageItems() const;

    void setBeforeRun(BeforeRun handler) { m_beforeRun = std::move(handler); }
    // While a run lasts (its events included), the text metrics of the
    // device it lays out for: the before-run event measures a label with
    // them to place its neighbour ("Version 2.01" 2.1 mm after the software
    // name, whatever the name's translated length). Null between runs.
    TextMeasure *textMeasure() const { return m_measure; }
    void setBeforeDetail(BeforeDetail handler) { m_beforeDetail = std::move(handler); }

    // Runs the report for device, whose font metrics measure every text:
    // the before-run event, then the layout. progress, when given, hears the
    // per cent done after each line. Errors of the events and the data
    // source escape.
    ReportDocument run(const QPaintDevice &device, const std::function<void(int percent)> &progress = {});
    // The same for an orientation other than the page's (a printer's).
    ReportDocument run(const QPaintDevice &device, QPageLayout::Orientation orientation,
                       const std::function<void(int percent)> &progress = {});

private:
    friend class ReportLayout;

    PageSetup m_page;
    QString m_title;
    PrinterSettings m_printer;
    QPointer<Table> m_table;
    QChar m_decimalPoint;
    BeforeRun m_beforeRun;
    BeforeDetail m_beforeDetail;
    TextMeasure *m_measure = nullptr;
};
