// The preview window offscreen: producing, page keys, zoom commands, the
// status bar in English and Spanish, the translator, Save as PDF, printing
// without a printer, Esc.
#include "ReportFixture.h"
#include "browse/ErrorReport.h"
#include "i18n/IvDictionary.h"
#include "i18n/IvMemoryDictionary.h"
#include "reports/PreviewWindow.h"
#include "reports/ReportOutput.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace reportfixture;

namespace {

QStringList g_informed;
void recordInformation(QWidget *, const QString &text) { g_informed << text; }
QStringList g_errors;
void recordError(const QString &, const QString &text) { g_errors << text; }
QStringList noPrinters() { return {}; }
QStringList oneMissingPrinter() { return {QStringLiteral("Nowhere")}; }

} // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<Table> m_table;
    std::unique_ptr<Report> m_report;
    int m_runs = 0;

    static QPrintPreviewWidget *view(PreviewWindow &w) { return w.findChild<QPrintPreviewWidget *>(QStringLiteral("PreviewView")); }
    static QAction *action(PreviewWindow &w, const char *name) { return w.findChild<QAction *>(QString::fromLatin1(name)); }
    static QString status(PreviewWindow &w) { return w.findChild<QLabel *>(QStringLiteral("PageT"))->text(); }

    // A window shown and active, so its shortcuts take keys.
    static bool showActive(PreviewWindow &w)
    {
        w.show();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        fixture::writeTable(m_dir.path(), QStringLiteral("HEB.DB"), decl::iLamParTable, hebRows(10));
        m_table = hebTable(m_dir.path(), QStringLiteral("HEB.DB"));
        reportoutput::setInformer(recordInformation);
        errorreport::setPresenter(recordError);
    }

    void init()
    {
        m_report = catalogue(m_table.get()); // three pages
        m_runs = 0;
        m_report->setBeforeRun([this] { ++m_runs; });
        g_informed.clear();
        g_errors.clear();
        reportoutput::setPrinterLister(noPrinters);
    }

    void cleanup()
    {
        reportoutput::setPrinterLister(nullptr);
        QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));
    }

    // Before the report is produced nothing prints; after it, print and
    // printer setup are enabled, the status bar shows 100 % and page 1 of 3.
    void producing()
    {
        PreviewWindow w(*m_report);
        QCOMPARE(w.windowTitle(), QStringLiteral("Print Preview"));
        QVERIFY(w.isModal());
        QVERIFY(!action(w, "PrintBt")->isEnabled());
        QVERIFY(!action(w, "PrinterSetupBt")->isEnabled());
        QCOMPARE(w.progress(), 0);
        w.produce();
        QCOMPARE(m_runs, 1);
        QVERIFY(action(w, "PrintBt")->isEnabled());
        QVERIFY(action(w, "PrinterSetupBt")->isEnabled());
        QCOMPARE(w.pageCount(), 3);
        QCOMPARE(w.document().pages.size(), 3);
        QCOMPARE(w.currentPage(), 1);
        QCOMPARE(w.progress(), 100);
        QCOMPARE(status(w), QStringLiteral(" Page 1 of 3"));

        // A report with a title gives the caption.
        m_report->setBeforeRun([this] { m_report->setTitle(QStringLiteral("Raroda TOLMO Dudovavidira 2.01")); });
        PreviewWindow titled(*m_report);
        titled.produce();
        QCOMPARE(titled.windowTitle(), QStringLiteral("Raroda TOLMO Dudovavidira 2.01"));
    }

    void pageKeys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("to");
        QTest::newRow("Page Down") << 1 << int(Qt::Key_PageDown) << int(Qt::NoModifier) << 2;
        QTest::newRow("Page Down on the last page") << 3 << int(Qt::Key_PageDown) << int(Qt::NoModifier) << 3;
        QTest::newRow("Page Up") << 3 << int(Qt::Key_PageUp) << int(Qt::NoModifier) << 2;
        QTest::newRow("Page Up on the first page") << 1 << int(Qt::Key_PageUp) << int(Qt::NoModifier) << 1;
        QTest::newRow("Ctrl+Page Up") << 3 << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Home") << 2 << int(Qt::Key_Home) << int(Qt::NoModifier) << 1;
        QTest::newRow("Ctrl+Page Down") << 1 << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 3;
        QTest::newRow("End") << 2 << int(Qt::Key_End) << int(Qt::NoModifier) << 3;
    }

    void pageKeys()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, to);
        PreviewWindow w(*m_report);
        w.produce();
        QVERIFY(showActive(w));
        view(w)->setCurrentPage(from);
        QCOMPARE(w.currentPage(), from);
        // Keys reach the window wherever the focus is, the page view included.
        view(w)->findChild<QGraphicsView *>()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.currentPage(), to);
        QCOMPARE(status(w), QStringLiteral(" Page %1 of 3").arg(to));
    }

    void pageCommands()
    {
        PreviewWindow w(*m_report);
        w.produce();
        const struct {
            const char *action;
            int page;
        } steps[] = {{"NextPageBt", 2}, {"NextPageBt", 3}, {"NextPageBt", 3}, {"PriorPageBt", 2},
                     {"FirstPageBt", 1}, {"PriorPageBt", 1}, {"LastPageBt", 3}};
        for (const auto &step : steps) {
            action(w, step.action)->trigger();
            QVERIFY2(w.currentPage() == step.page, step.action);
        }
        QCOMPARE(status(w), QStringLiteral(" Page 3 of 3"));
    }

    void zoomCommands()
    {
        PreviewWindow w(*m_report);
        w.resize(1000, 700);
        w.produce();
        QVERIFY(showActive(w));
        action(w, "Zoom100Bt")->trigger();
        QCOMPARE(view(w)->zoomMode(), QPrintPreviewWidget::CustomZoom);
        QCOMPARE(view(w)->zoomFactor(), 1.0);
        action(w, "ZoomWidthBt")->trigger();
        QCOMPARE(view(w)->zoomMode(), QPrintPreviewWidget::FitToWidth);
        const qreal width = view(w)->zoomFactor();
        action(w, "ZoomFitBt")->trigger();
        QCOMPARE(view(w)->zoomMode(), QPrintPreviewWidget::FitInView);
        // A whole page is smaller than a page as wide as the window.
        QVERIFY(view(w)->zoomFactor() < width);

        // Ctrl and the wheel zoom in and out; the wheel alone scrolls.
        QWidget *viewport = view(w)->findChild<QGraphicsView *>()->viewport();
        const qreal before = view(w)->zoomFactor();
        const QPointF at(100, 100);
        QWheelEvent in(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &in);
        QVERIFY(view(w)->zoomFactor() > before);
        QWheelEvent out(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::ControlModifier,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &out);
        QVERIFY(view(w)->zoomFactor() < before);
        const qreal zoomed = view(w)->zoomFactor();
        QWheelEvent scroll(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &scroll);
        QCOMPARE(view(w)->zoomFactor(), zoomed);
    }

    // The captions, hints and the status bar follow the language, also
    // while the window is open.
    void statusAndCaptionsInBothLanguages()
    {
        TIvMemoryDictionary dictionary(nullptr, QStringLiteral("Dictionary1"));
        dictionary.addLanguage(TIvMemoryDictionary::english());
        dictionary.addLanguage(TIvMemoryDictionary::spanish());
        dictionary.setBinding(ivbiLanguageToLocale);
        dictionary.setSubLanguage(0);
        dictionary.setLanguage(0);
        dictionary.setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
        const QList<QPair<QString, QString>> spanish = {
            {"Page", "Página"}, {"of", "de"}, {"Print Preview", "Vista preliminar"}, {"Zoom to fit", "Ajustar a la página"},
            {"Next page", "Página siguiente"}, {"Print the report", "Imprimir el informe"}};
        for (const auto &[en, es] : spanish)
            dictionary.addTranslation(en, {en, es});
        dictionary.open();
        dictionary.setLanguage(2);

        PreviewWindow w(*m_report);
        w.produce();
        QCOMPARE(status(w), QStringLiteral(" Página 1 de 3"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Vista preliminar"));
        QCOMPARE(action(w, "ZoomFitBt")->text(), QStringLiteral("Ajustar a la página"));
        QCOMPARE(action(w, "PrintBt")->toolTip(), QStringLiteral("Imprimir el informe"));
        action(w, "NextPageBt")->trigger();
        QCOMPARE(status(w), QStringLiteral(" Página 2 de 3"));

        dictionary.setLanguage(1);
        QCOMPARE(status(w), QStringLiteral(" Page 2 of 3"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Print Preview"));
        QCOMPARE(action(w, "NextPageBt")->text(), QStringLiteral("Next page"));
        dictionary.setLanguage(2);
        QCOMPARE(status(w), QStringLiteral(" Página 2 de 3"));
        QCOMPARE(action(w, "NextPageBt")->text(), QStringLiteral("Página siguiente"));
    }

    // Ctrl+S writes the report, run again, as a PDF where the chooser says;
    // an empty answer writes nothing; an unwritable file is an error report.
    void saveAsPdf()
    {
        PreviewWindow w(*m_report);
        QString answer = m_dir.filePath(QStringLiteral("preview"));
        w.setFileChooser([&](QWidget *, const QString &) { return answer; });
        w.produce();
        QVERIFY(showActive(w));
        QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_runs, 2);
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("preview.pdf"))));

        answer.clear();
        action(w, "SavePdfBt")->trigger();
        QCOMPARE(m_runs, 2);

        answer = m_dir.filePath(QStringLiteral("no/such/dir/x.pdf"));
        action(w, "SavePdfBt")->trigger();
        QCOMPARE(g_errors.size(), 1);
        QVERIFY(g_errors[0].contains(QStringLiteral("x.pdf")));
        g_errors.clear();
    }

    // Without a printer, or on a printer that fails, print and printer setup
    // say "There isn't any printer." once, and nothing else.
    void printingWithoutAPrinter_data()
    {
        QTest::addColumn<bool>("missingPrinter");
        QTest::newRow("no printer installed") << false;
        QTest::newRow("printer that cannot print") << true;
    }

    void printingWithoutAPrinter()
    {
        QFETCH(bool, missingPrinter);
        if (missingPrinter)
            reportoutput::setPrinterLister(oneMissingPrinter);
        PreviewWindow w(*m_report);
        w.produce();
        action(w, "PrintBt")->trigger();
        QCOMPARE(g_informed, QStringList{"There isn't any printer."});
        if (!missingPrinter) {
            action(w, "PrinterSetupBt")->trigger();
            QCOMPARE(g_informed.size(), 2);
            QVERIFY(!reportoutput::printWithDialog(*m_report, &w));
            QCOMPARE(g_informed.size(), 3);
        }
    }

    // Direct printing: the print dialog comes first; cancelling it prints
    // nothing and says nothing; a printer that fails after OK is never taken
    // for success: the one box, and false.
    void directPrinting_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancelled") << false;
        QTest::newRow("accepted, printer fails") << true;
    }

    void directPrinting()
    {
        QFETCH(bool, accept);
        reportoutput::setPrinterLister(oneMissingPrinter);
        bool dialogShown = false;
        QTimer timer;
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialogShown = true;
            if (accept)
                dialog->accept();
            else
                dialog->reject();
        });
        timer.start();
        const bool printed = reportoutput::printWithDialog(*m_report, nullptr);
        timer.stop();
        QVERIFY(dialogShown);
        QVERIFY(!printed);
        QCOMPARE(g_informed, accept ? QStringList{"There isn't any printer."} : QStringList());
        if (!accept)
            QCOMPARE(m_runs, 0);
    }

    void escCloses()
    {
        PreviewWindow w(*m_report);
        w.produce();
        QVERIFY(showActive(w));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }

    // The preview a command asks for can be replaced (tests of the print
    // commands record the reports instead).
    void previewerReplaceable()
    {
        static Report *seen = nullptr;
        reportpreview::setPreviewer([](Report &report, QWidget *) { seen = &report; });
        reportpreview::preview(*m_report, nullptr);
        reportpreview::setPreviewer(nullptr);
        QCOMPARE(seen, m_report.get());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
