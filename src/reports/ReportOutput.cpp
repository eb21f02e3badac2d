#include "reports/ReportOutput.h"

#include "data/AppGlobals.h"
#include "i18n/TranslateString.h"
#include "reports/Report.h"
#include "reports/ReportError.h"
#include "reports/ReportPainter.h"

#include <QMessageBox>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace reportoutput {

namespace {

// 1200 per inch: positions in the PDF are exact to a fiftieth of a
// millimetre, and the fonts are measured at that resolution.
constexpr int kPdfResolution = 1200;

QStringList installedPrinters() { return QPrinterInfo::availablePrinterNames(); }
PrinterLister g_printers = installedPrinters;

void informationBox(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, app::ApplicationTitle(), text);
}
Informer g_informer = informationBox;

bool systemPrintDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    return dialog.exec() == QDialog::Accepted;
}
PrintDialog g_printDialog = systemPrintDialog;

QPageLayout a4(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

QStringList printerNames() { return g_printers(); }
void setPrinterLister(PrinterLister lister) { g_printers = lister ? lister : installedPrinters; }

void showNoPrinter(QWidget *parent) { g_informer(parent, TranslateString(QStringLiteral("There isn't any printer."))); }
void setInformer(Informer informer) { g_informer = informer ? informer : informationBox; }
void setPrintDialog(PrintDialog dialog) { g_printDialog = dialog ? dialog : systemPrintDialog; }

void writePdf(Report &report, const QString &path) { writePdf(QList<Report *>{&report}, path); }

void writePdf(const QList<Report *> &reports, const QString &path)
{
    const auto cannotWrite = [&path] {
        return ReportError(TranslateString(QStringLiteral("The file %1 could not be written.")).arg(path));
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw cannotWrite();
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QString::fromLatin1(app::kNativeTitle));
        // Every report runs before the first page is painted: a run sets
        // the report's title (the document's), and a run that fails leaves
        // nothing half written.
        QList<ReportDocument> documents;
        for (Report *report : reports)
            documents.append(report->run(writer));
        if (!documents.isEmpty())
            writer.setTitle(documents.first().title);
        // The first page is made at begin(), in the layout set before it.
        QPageLayout::Orientation first = documents.isEmpty() ? QPageLayout::Portrait : documents.first().orientation;
        for (const ReportDocument &document : documents)
            if (!document.pages.isEmpty()) {
                first = document.orientation;
                break;
            }
        writer.setPageLayout(a4(first));
        QPainter painter;
        if (!painter.begin(&writer))
            throw cannotWrite();
        bool firstPage = true;
        for (const ReportDocument &document : documents) {
            if (document.pages.isEmpty())
                continue;
            if (!firstPage) {
                writer.setPageLayout(a4(document.orientation));
                if (!writer.newPage())
                    throw cannotWrite();
            }
            firstPage = false;
            if (!reportpaint::paintPages(painter, writer, document))
                throw cannotWrite();
        }
        if (!painter.end())
            throw cannotWrite();
    }
    if (!file.commit())
        throw cannotWrite();
}

void setUpPrinter(QPrinter &printer, const Report &report)
{
    const PrinterSettings &settings = report.printerSettings();
    if (!settings.printerName.isEmpty())
        printer.setPrinterName(settings.printerName);
    printer.setCopyCount(std::max(1, settings.copies));
    printer.setFullPage(true);
    printer.setPageLayout(a4(settings.orientation.value_or(report.pageSetup().orientation)));
    printer.setDocName(report.title());
}

void print(Report &report, QPrinter &printer)
{
    if (printerNames().isEmpty())
        throw PrintError(QStringLiteral("There isn't any printer."));
    setUpPrinter(printer, report);
    const bool toFile = !printer.outputFileName().isEmpty();
    if (!toFile && (printer.outputFormat() != QPrinter::NativeFormat || !printer.isValid()))
        throw PrintError(QStringLiteral("There isn't any printer."));
    const ReportDocument document = report.run(printer, printer.pageLayout().orientation());
    if (document.pages.isEmpty())
        return;
    // The run sets the title the print queue shows.
    printer.setDocName(document.title);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintError(QStringLiteral("The printer %1 could not be opened.").arg(printer.printerName()));
    // Without a print system that makes the copies (X11 without CUPS) the
    // copies are painted one after another.
    const int copies = printer.supportsMultipleCopies() ? 1 : printer.copyCount();
    bool painted = true;
    for (int copy = 0; copy < copies && painted; ++copy)
        painted = (copy == 0 || printer.newPage()) && reportpaint::paintPages(painter, printer, document);
    if (!painter.end() || !painted || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        throw PrintError(QStringLiteral("Printing on %1 failed.").arg(printer.printerName()));
}

bool printWithDialog(Report &report, QWidget *parent)
{
    if (printerNames().isEmpty()) {
        showNoPrinter(parent);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, report);
    if (!g_printDialog(printer, parent))
        return false;
    PrinterSettings settings = report.printerSettings();
    settings.printerName = printer.printerName();
    settings.orientation = printer.pageLayout().orientation();
    settings.copies = printer.copyCount();
    report.setPrinterSettings(settings);
    try {
        print(report, printer);
    } catch (const PrintError &) {
        showNoPrinter(parent);
        return false;
    }
    return true;
}

} // namespace reportoutput
