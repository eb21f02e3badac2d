#include "reports/PreviewWindow.h"

#include "browse/ErrorReport.h"
#include "i18n/IvDictionary.h" // IvTranslator.h reads a QPointer<TIvDictionary> inline
#include "i18n/IvTranslator.h"
#include "i18n/TranslateString.h"
#include "reports/Report.h"
#include "reports/ReportError.h"
#include "reports/ReportOutput.h"
#include "reports/ReportPainter.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

QString askPdfFile(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, TranslateString(QStringLiteral("Save as PDF")), suggested,
                                        TranslateString(QStringLiteral("PDF files (*.pdf)")));
}

// A file name made of the report's title: letters, digits, blanks, dots
// and dashes.
QString fileNameOf(const QString &title)
{
    QString name;
    for (const QChar c : title)
        name += c.isLetterOrNumber() || c == u' ' || c == u'.' || c == u'-' ? c : QChar(u'_');
    name = name.trimmed();
    return (name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf");
}

} // namespace

PreviewWindow::PreviewWindow(Report &report, QWidget *parent)
    : QDialog(parent), m_report(report), m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_chooser(askPdfFile)
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setModal(true);
    setWindowTitle(QStringLiteral("Print Preview"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    reportoutput::setUpPrinter(*m_printer, m_report);

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("ToolBar1"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    const auto command = [&](const char *name, const char *caption, const char *hint, void (PreviewWindow::*handler)(),
                             QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
        QAction *a = addCommand(name, caption, hint, handler);
        if (icon != QStyle::SP_CustomBase)
            a->setIcon(style()->standardIcon(icon));
        toolBar->addAction(a);
        return a;
    };
    command("ZoomFitBt", "Zoom to fit", "Whole page", &PreviewWindow::ZoomFitBtClick);
    command("Zoom100Bt", "Zoom to 100%", "Page at its printed size", &PreviewWindow::Zoom100BtClick);
    command("ZoomWidthBt", "Zoom to width", "Page as wide as the window", &PreviewWindow::ZoomWidthBtClick);
    toolBar->addSeparator();
    command("FirstPageBt", "First page", nullptr, &PreviewWindow::FirstPageBtClick, QStyle::SP_MediaSkipBackward)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::Key_Home)});
    command("PriorPageBt", "Previous page", nullptr, &PreviewWindow::PriorPageBtClick, QStyle::SP_MediaSeekBackward)
        ->setShortcut(QKeySequence(Qt::Key_PageUp));
    command("NextPageBt", "Next page", nullptr, &PreviewWindow::NextPageBtClick, QStyle::SP_MediaSeekForward)
        ->setShortcut(QKeySequence(Qt::Key_PageDown));
    command("LastPageBt", "Last page", nullptr, &PreviewWindow::LastPageBtClick, QStyle::SP_MediaSkipForward)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::Key_End)});
    toolBar->addSeparator();
    m_printerSetup = command("PrinterSetupBt", "Printer setup", "Choose the printer and the number of copies",
                             &PreviewWindow::PrinterSetupBtClick);
    m_print = command("PrintBt", "Print", "Print the report", &PreviewWindow::PrintBtClick);
    m_savePdf = command("SavePdfBt", "Save as PDF...", "Write the report to a PDF file",
                        &PreviewWindow::SavePdfBtClick, QStyle::SP_DialogSaveButton);
    m_savePdf->setShortcut(QKeySequence::Save);
    toolBar->addSeparator();
    QAction *close = addCommand("CloseBt", "Close", "Close the preview", nullptr);
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(close, &QAction::triggered, this, &QDialog::reject);
    toolBar->addAction(close);
    for (QAction *a : {m_printerSetup, m_print, m_savePdf})
        a->setEnabled(false);

    m_view = new QPrintPreviewWidget(m_printer.get(), this);
    m_view->setObjectName(QStringLiteral("PreviewView"));
    m_view->setViewMode(QPrintPreviewWidget::SinglePageView);
    m_view->fitInView();
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { guarded([&] { paintPreview(printer); }); });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, guard(this, &PreviewWindow::updateStatus));
    if (auto *graphics = m_view->findChild<QGraphicsView *>())
        graphics->viewport()->installEventFilter(this);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    m_progress = new QProgressBar(status);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setMaximumWidth(160);
    m_pageT = new QLabel(status);
    m_pageT->setObjectName(QStringLiteral("PageT"));
    status->addWidget(m_progress);
    status->addWidget(m_pageT, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_view, 1);
    layout->addWidget(status);

    updateStatus();
    // The preview's own translator, on the default dictionary.
    m_translator = new TIvTranslator(this);
    m_translator->setObjectName(QStringLiteral("IvTranslator1"));
    m_translator->setTargetsData(
        QStringLiteral("(1 4 ('*' 'Hint' 0) ('*' 'Caption' 0) ('*' 'Text' 0) ('*' 'SimpleText' 0))"));
    connect(m_translator, &TIvTranslator::OnLanguageChange, this,
            guard(this, &PreviewWindow::IvTranslator1LanguageChange));
    m_translator->loaded();
}

PreviewWindow::~PreviewWindow()
{
    // The page view goes before the printer it previews on (children are
    // deleted only after the members), telling this window nothing more.
    disconnect(m_view, nullptr, this, nullptr);
    delete m_view;
}

QAction *PreviewWindow::addCommand(const char *name, const char *caption, const char *hint,
                                   void (PreviewWindow::*handler)())
{
    auto *a = new QAction(QString::fromUtf8(caption), this);
    a->setObjectName(QString::fromLatin1(name));
    if (hint)
        a->setToolTip(QString::fromUtf8(hint));
    if (handler)
        connect(a, &QAction::triggered, this, guard(this, handler));
    // Shortcuts work wherever the focus is in the window.
    addAction(a);
    return a;
}

void PreviewWindow::produce()
{
    setProgress(0);
    m_document = m_report.run(*m_printer, m_printer->pageLayout().orientation(),
                              [this](int percent) { setProgress(percent); });
    m_produced = true;
    if (!m_report.title().isEmpty())
        setWindowTitle(m_report.title());
    for (QAction *a : {m_printerSetup, m_print, m_savePdf})
        a->setEnabled(true);
    m_view->updatePreview();
    m_view->setCurrentPage(1);
    updateStatus();
}

void PreviewWindow::paintPreview(QPrinter *printer)
{
    if (m_document.pages.isEmpty())
        return;
    QPainter painter;
    if (!painter.begin(printer))
        throw ReportError(QStringLiteral("The preview could not be painted."));
    reportpaint::paintPages(painter, *printer, m_document);
    painter.end();
}

int PreviewWindow::pageCount() const { return m_view->pageCount(); }

int PreviewWindow::currentPage() const { return pageCount() > 0 ? m_view->currentPage() : 0; }

int PreviewWindow::progress() const { return m_progress->value(); }

QString PreviewWindow::pageText() const
{
    return QStringLiteral(" %1 %2 %3 %4")
        .arg(TranslateString(QStringLiteral("Page")))
        .arg(currentPage())
        .arg(TranslateString(QStringLiteral("of")))
        .arg(pageCount());
}

void PreviewWindow::updateStatus() { m_pageT->setText(pageText()); }

void PreviewWindow::setProgress(int percent) { m_progress->setValue(percent); }

void PreviewWindow::ZoomFitBtClick() { m_view->fitInView(); }

void PreviewWindow::Zoom100BtClick() { m_view->setZoomFactor(1.0); }

void PreviewWindow::ZoomWidthBtClick() { m_view->fitToWidth(); }

void PreviewWindow::FirstPageBtClick()
{
    m_view->setCurrentPage(1);
    updateStatus();
}

void PreviewWindow::PriorPageBtClick()
{
    m_view->setCurrentPage(std::max(1, m_view->currentPage() - 1));
    updateStatus();
}

void PreviewWindow::NextPageBtClick()
{
    m_view->setCurrentPage(std::min(pageCount(), m_view->currentPage() + 1));
    updateStatus();
}

void PreviewWindow::LastPageBtClick()
{
    m_view->setCurrentPage(pageCount());
    updateStatus();
}

void PreviewWindow::PrinterSetupBtClick()
{
    if (reportoutput::printerNames().isEmpty()) {
        reportoutput::showNoPrinter(this);
        return;
    }
    QPrintDialog dialog(m_printer.get(), this);
    dialog.setWindowTitle(TranslateString(QStringLiteral("Printer setup")));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrinterSettings settings = m_report.printerSettings();
    settings.printerName = m_printer->printerName();
    settings.orientation = m_printer->pageLayout().orientation();
    settings.copies = m_printer->copyCount();
    m_report.setPrinterSettings(settings);
    reportoutput::setUpPrinter(*m_printer, m_report);
    // Another printer measures text with its own metrics.
    produce();
}

void PreviewWindow::PrintBtClick()
{
    if (!m_produced)
        return;
    try {
        reportoutput::print(m_report, *m_printer);
    } catch (const PrintError &) {
        reportoutput::showNoPrinter(this);
    }
}

void PreviewWindow::SavePdfBtClick()
{
    if (!m_produced)
        return;
    QString path = m_chooser(this, QDir::home().filePath(fileNameOf(m_report.title())));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    reportoutput::writePdf(m_report, path);
}

void PreviewWindow::IvTranslator1LanguageChange() { updateStatus(); }

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl and the wheel zoom; the wheel alone scrolls, as the view does.
    if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int steps = wheel->angleDelta().y() / 120;
            if (steps > 0)
                m_view->zoomIn(1.0 + 0.15 * steps);
            else if (steps < 0)
                m_view->zoomOut(1.0 - 0.15 * steps);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

namespace reportpreview {

namespace {

void showPreview(Report &report, QWidget *parent)
{
    PreviewWindow window(report, parent);
    window.setWindowState(Qt::WindowMaximized);
    window.show();
    window.produce();
    window.exec();
}

Previewer g_previewer = showPreview;

} // namespace

void preview(Report &report, QWidget *parent) { g_previewer(report, parent); }

void setPreviewer(Previewer previewer) { g_previewer = previewer ? previewer : showPreview; }

} // namespace reportpreview
