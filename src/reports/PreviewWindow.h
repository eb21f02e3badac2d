#pragma once

#include "reports/ReportDocument.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QProgressBar;
class Report;
class TIvTranslator;

// The modal, maximized preview of a report. Qt's QPrintPreviewWidget shows
// the pages, painted again at every zoom, so they stay sharp; around it a
// toolbar (zoom to fit, 100 % and to width; first, previous, next and last
// page; printer setup, print, save as PDF; close) and a status bar with the
// progress in per cent and " Page N of M". Keys: Esc closes, Page Up and
// Page Down turn the page, Ctrl+Page Up or Home go to the first page,
// Ctrl+Page Down or End to the last, Ctrl+S saves as PDF; Ctrl and the
// mouse wheel zoom. Its captions and hints follow the language through its
// own translator.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreviewWindow(Report &report, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Runs the report for the preview's printer and shows its pages; print
    // and printer setup are enabled from then on. Errors of the report
    // escape to the caller.
    void produce();

    int currentPage() const;
    int pageCount() const;
    // The page position the status bar shows, " Page 1 of 3".
    QString pageText() const;
    int progress() const;
    const ReportDocument &document() const { return m_document; }

    // The file a Save as PDF writes; by default a file dialog asks. An
    // empty answer saves nothing.
    using FileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    // Handlers.
    void ZoomFitBtClick();
    void Zoom100BtClick();
    void ZoomWidthBtClick();
    void FirstPageBtClick();
    void PriorPageBtClick();
    void NextPageBtClick();
    void LastPageBtClick();
    void PrinterSetupBtClick();
    void PrintBtClick();
    void SavePdfBtClick();
    void IvTranslator1LanguageChange();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addCommand(const char *name, const char *caption, const char *hint, void (PreviewWindow::*handler)());
    void paintPreview(QPrinter *printer);
    void updateStatus();
    void setProgress(int percent);

    Report &m_report;
    std::unique_ptr<QPrinter> m_printer;
    ReportDocument m_document;
    bool m_produced = false;
    QPrintPreviewWidget *m_view = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_pageT = nullptr;
    QAction *m_printerSetup = nullptr;
    QAction *m_print = nullptr;
    QAction *m_savePdf = nullptr;
    TIvTranslator *m_translator = nullptr;
    FileChooser m_chooser;
};

namespace reportpreview {

// Shows the report in a modal preview until the user closes it. Errors of
// producing the report escape to the caller, after the window is gone.
void preview(Report &report, QWidget *parent);

// Replaces the preview (tests record the reports instead of showing them).
using Previewer = void (*)(Report &report, QWidget *parent);
void setPreviewer(Previewer previewer);

} // namespace reportpreview
