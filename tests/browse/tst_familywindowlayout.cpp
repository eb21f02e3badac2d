// What a user would notice of the section and steel windows' layout on the built tables,
// in English and in Spanish, on each tab, at the window's smallest size:
// every text and control inside the window (or inside the column it
// scrolls in), none on top of another, none cut short, and no text on the
// section drawing but the two values placed on it.
#include "TestShell.h"
#include "browse/TAceroFm.h"
#include "browse/TRxDBGrid.h"
#include "support/LayoutChecks.h"
#include "support/TestContext.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// Where a grid's frozen columns and its scrolling ones meet, at every
// position of the horizontal scroll bar and while the keyboard walks along a
// row: the overlay lies exactly over the frozen columns, no scrolling column
// straddles their right edge (a sliver of it would show beside them), the
// first one shown starts at that edge, and at the far end the last column is
// wholly in view. Each fault names the grid and the position.
QStringList clipEdgeFaults(TRxDBGrid *grid)
{
    QStringList found;
    QScrollBar *bar = grid->horizontalScrollBar();
    const int columns = grid->model()->columnCount();
    // The overlay shows the frozen columns only.
    int frozen = 0;
    while (frozen < columns && !grid->frozenView()->isColumnHidden(frozen))
        ++frozen;
    const QString name = grid->objectName();
    const auto check = [&](const QString &where) {
        const int edge = grid->frozenWidth();
        const QRect port = grid->viewport()->geometry();
        const QRect overlay = grid->frozenView()->geometry();
        if (overlay.left() != port.left() || overlay.width() != edge || overlay.bottom() != port.bottom())
            found << QStringLiteral("%1 %2: the frozen overlay is not over the frozen columns").arg(name, where);
        int firstShown = -1;
        for (int c = frozen; c < columns; ++c) {
            const int x = grid->columnViewportPosition(c);
            const int right = x + grid->columnWidth(c);
            if (x < edge && right > edge)
                found << QStringLiteral("%1 %2: column %3 straddles the frozen edge (%4 to %5, edge %6)")
                             .arg(name, where)
                             .arg(c)
                             .arg(x)
                             .arg(right)
                             .arg(edge);
            if (firstShown < 0 && x >= edge)
                firstShown = c;
        }
        if (firstShown >= 0 && grid->columnViewportPosition(firstShown) != edge)
            found << QStringLiteral("%1 %2: the first scrolling column starts at %3, the frozen edge is at %4")
                         .arg(name, where)
                         .arg(grid->columnViewportPosition(firstShown))
                         .arg(edge);
    };
    for (int v = bar->minimum(); v <= bar->maximum(); ++v) {
        bar->setValue(v);
        check(QStringLiteral("at scroll %1").arg(v));
    }
    // A column wider than the room beside the frozen columns (a small
    // window, a column the user widened) cannot be wholly in view; it starts
    // at the frozen edge instead, which the check above sees.
    const auto fits = [&](int column) { return grid->columnWidth(column) <= grid->viewport()->width() - grid->frozenWidth(); };
    const int last = columns - 1;
    if (fits(last) && grid->columnViewportPosition(last) + grid->columnWidth(last) > grid->viewport()->width())
        found << QStringLiteral("%1: the last column is not wholly in view at the far end").arg(name);
    // The keyboard along the first row: every cell reached is wholly shown
    // beside the frozen columns.
    bar->setValue(0);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, frozen));
    for (int c = frozen; c < columns; ++c) {
        const QRect cell = grid->visualRect(grid->currentIndex());
        const QString where = QStringLiteral("at column %1").arg(grid->currentIndex().column());
        check(where);
        if (cell.left() < grid->frozenWidth()
            || (fits(grid->currentIndex().column()) && cell.right() >= grid->viewport()->width()))
            found << QStringLiteral("%1 %2: the current cell is not wholly in view").arg(name, where);
        QTest::keyClick(grid, Qt::Key_Right);
    }
    for (int c = columns - 1; c > frozen; --c)
        QTest::keyClick(grid, Qt::Key_Left);
    check(QStringLiteral("back at the first scrolling column"));
    if (bar->value() != 0)
        found << QStringLiteral("%1: back at the first scrolling column, the columns are still scrolled").arg(name);
    return found;
}

// The drawing of the tab shown, whole inside its white panel, and no other
// text of the panel on it; the window at least as large as its layout
// needs, so nothing is squeezed.
QStringList drawingFaults(QWidget *w)
{
    QStringList found;
    const QWidget *panel = w->findChild<QWidget *>(QStringLiteral("Panel2"));
    QLabel *drawing = nullptr;
    for (const char *name : {"ImgProp", "ImgDet"}) {
        auto *image = w->findChild<QLabel *>(QString::fromLatin1(name));
        if (image && image->isVisibleTo(w))
            drawing = image;
    }
    if (!panel || !drawing)
        return {QStringLiteral("no drawing shown")};
    const QRect shown(drawing->mapTo(panel, QPoint(0, 0)), drawing->pixmap().deviceIndependentSize().toSize());
    if (!panel->contentsRect().contains(shown))
        found << QStringLiteral("%1 cut by its panel").arg(drawing->objectName());
    for (const QLabel *label : panel->findChildren<QLabel *>()) {
        if (label->parentWidget() == drawing->parentWidget() || !label->isVisibleTo(w) || label->text().isEmpty())
            continue;
        if (QRect(label->mapTo(panel, QPoint(0, 0)), label->size()).intersects(shown))
            found << QStringLiteral("%1 \"%2\" on the drawing").arg(label->objectName(), label->text());
    }
    const QSize needed = w->layout()->minimumSize();
    if (needed.width() > w->width() || needed.height() > w->height())
        found << QStringLiteral("squeezed: %1 x %2 for a layout of %3 x %4")
                     .arg(w->width())
                     .arg(w->height())
                     .arg(needed.width())
                     .arg(needed.height());
    return found;
}

} // namespace

class TestFamilyWindowLayout : public QObject {
    Q_OBJECT
    TestShell m_shell;

private slots:
    void initTestCase()
    {
        QVERIFY2(useBuiltAppDir(), "TOLMO_APPDIR names the built application directory");
        layoutcheck::useProgramFont();
    }

    void textsStayWholeAndApart_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("spanish");
        for (const FamilyInfo &f : allFamilies()) {
            for (int tab : {0, 1, 2}) {
                for (bool spanish : {false, true})
                    QTest::addRow("%s tab %d %s", f.key, tab, spanish ? "Spanish" : "English")
                        << QString::fromLatin1(f.key) << tab << spanish;
            }
        }
    }
    void textsStayWholeAndApart()
    {
        QFETCH(QString, family);
        QFETCH(int, tab);
        QFETCH(bool, spanish);
        const QLocale locale;
        std::unique_ptr<TIvBinaryDictionary> dictionary;
        testContext().setLanguage(spanish ? Language::Spanish : Language::English);
        if (spanish) {
            dictionary = layoutcheck::spanishDictionary();
            QVERIFY(dictionary->isOpen());
        }
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow(family);
        w->FormCreate();
        w->resize(w->minimumSize());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->selectTab(tab);
        QApplication::processEvents();
        if (spanish)
            QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("DatosBt"))->text(), QStringLiteral("&Datos"));
        const QStringList smallest = layoutcheck::faults(w.get()) + drawingFaults(w.get());
        // As a child window maximized on a 1024 x 768 desktop.
        w->resize(1016, 600);
        QApplication::processEvents();
        const QStringList maximized = layoutcheck::faults(w.get()) + drawingFaults(w.get());
        QLocale::setDefault(locale);
        QVERIFY2(maximized.isEmpty(), qPrintable(maximized.join(QStringLiteral("; "))));
        QVERIFY2(smallest.isEmpty(), qPrintable(smallest.join(QStringLiteral("; "))));
    }

    void frozenColumnsClipCleanly_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QSize>("size");
        for (const FamilyInfo &f : allFamilies()) {
            for (int tab : {0, 1}) {
                QTest::addRow("%s tab %d smallest", f.key, tab) << QString::fromLatin1(f.key) << tab << QSize();
                QTest::addRow("%s tab %d maximized", f.key, tab) << QString::fromLatin1(f.key) << tab << QSize(1016, 600);
            }
        }
    }
    void frozenColumnsClipCleanly()
    {
        QFETCH(QString, family);
        QFETCH(int, tab);
        QFETCH(QSize, size);
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow(family);
        w->FormCreate();
        w->resize(size.isValid() ? size : w->minimumSize());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->selectTab(tab);
        QApplication::processEvents();
        auto *grid = w->findChild<TRxDBGrid *>(tab == 0 ? QStringLiteral("RxDBGrid1") : QStringLiteral("RxDBGrid2"));
        QVERIFY(grid);
        QVERIFY(grid->isVisible());
        const QStringList faults = clipEdgeFaults(grid);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // Columns widened by a user keep the edge clean too.
        grid->setColumnWidth(1, grid->columnWidth(1) + 37);
        grid->setColumnWidth(4, grid->columnWidth(4) + 23);
        QApplication::processEvents();
        const QStringList widened = clipEdgeFaults(grid);
        QVERIFY2(widened.isEmpty(), qPrintable(widened.join(QStringLiteral("; "))));
    }

    void steelGridsClipCleanly()
    {
        TAceroFm w(testContext());
        w.FormCreate();
        w.resize(700, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *pages = w.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QApplication::processEvents();
            for (TRxDBGrid *grid : w.findChildren<TRxDBGrid *>()) {
                if (!grid->isVisible())
                    continue;
                const QStringList faults = clipEdgeFaults(grid);
                QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
            }
        }
    }

    void steelWindowTextsStayWholeAndApart_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("spanish");
        for (int page : {0, 1, 2}) {
            for (bool spanish : {false, true})
                QTest::addRow("page %d %s", page, spanish ? "Spanish" : "English") << page << spanish;
        }
    }
    void steelWindowTextsStayWholeAndApart()
    {
        QFETCH(int, page);
        QFETCH(bool, spanish);
        const QLocale locale;
        std::unique_ptr<TIvBinaryDictionary> dictionary;
        testContext().setLanguage(spanish ? Language::Spanish : Language::English);
        if (spanish) {
            dictionary = layoutcheck::spanishDictionary();
            QVERIFY(dictionary->isOpen());
        }
        TAceroFm w(testContext());
        w.FormCreate();
        w.resize(w.minimumSize());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
        QApplication::processEvents();
        QStringList smallest = layoutcheck::faults(&w);
        const QSize needed = w.layout()->minimumSize();
        if (needed.width() > w.width() || needed.height() > w.height())
            smallest << QStringLiteral("squeezed below its layout's %1 x %2").arg(needed.width()).arg(needed.height());
        // As a child window maximized on a 1024 x 768 desktop.
        w.resize(1016, 600);
        QApplication::processEvents();
        const QStringList faults = layoutcheck::faults(&w);
        QLocale::setDefault(locale);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY2(smallest.isEmpty(), qPrintable(smallest.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestFamilyWindowLayout)
#include "tst_familywindowlayout.moc"
