#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;
class Report;

// Reports on paper and in PDF files.
namespace reportoutput {

// Writes the reports, in order, into one PDF file: A4 in each report's
// orientation, vector text with the fonts embedded, the first report's title
// as the document title. Each report runs anew for the PDF's metrics. The
// file appears only when complete; a report without pages adds none (a PDF
// of nothing but such reports holds one blank page). Throws ReportError
// when the file cannot be written, and whatever a report's run throws.
void writePdf(const QList<Report *> &reports, const QString &path);
void writePdf(Report &report, const QString &path);

// The names of the installed printers.
QStringList printerNames();
// Replaces the list of printers (tests); an empty function restores it.
using PrinterLister = QStringList (*)();
void setPrinterLister(PrinterLister lister);

// Makes printer ready for the report: the report's printer and copies, A4
// in the printer settings' orientation (the page's when unset), the paper's
// corner as origin, the report's title as document name (print() names the
// document again after the run, which may set the title).
void setUpPrinter(QPrinter &printer, const Report &report);

// Runs the report for printer and prints it there (or into the file the
// printer is pointed at). Throws PrintError when there is no printer or the
// printer fails; whatever the run throws
// escapes as it is.
void print(Report &report, QPrinter &printer);

// Direct printing without preview: the print dialog (printer, copies), then
// the report on the printer chosen, with the copies chosen; cancelling
// prints nothing and says nothing. With no printer installed, or when
// printing fails, the one information box "There isn't any printer." (in
// the current language) and nothing else. Answers whether it printed.
bool printWithDialog(Report &report, QWidget *parent);

// The print dialog of direct printing: shows the dialog for printer and
// answers whether the user accepted; the printer then holds the choice
// (printer, copies, orientation). Replaceable for tests, whose dialog may
// also point the printer at a file; an empty function restores the system's.
using PrintDialog = bool (*)(QPrinter &printer, QWidget *parent);
void setPrintDialog(PrintDialog dialog);

// The information box printing shows (the application title, the text
// translated); replaceable for tests.
void showNoPrinter(QWidget *parent);
using Informer = void (*)(QWidget *parent, const QString &text);
void setInformer(Informer informer);

} // namespace reportoutput
