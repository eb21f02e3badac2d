// A column width the user drags in a family window's grid stays while the
// window is open: through tab changes, searches and language changes, which
// set every other column's width again.
#include "support/LayoutChecks.h"
#include "support/TestContext.h"
#include "TestShell.h"
#include "browse/SectionWindows.h"
#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "i18n/IvBinaryDictionary.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

int columnOfField(const TRxDBGrid &grid, const char *field)
{
    const TableModel *model = grid.tableModel();
    const int index = model->table()->fieldIndex(QString::fromLatin1(field));
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->fieldIndex(c) == index)
            return c;
    }
    return -1;
}

// Drags the right edge of a column by dx pixels with the mouse, as the user does.
void dragEdge(TRxDBGrid &grid, int column, int dx)
{
    QHeaderView *header = grid.horizontalHeader();
    QWidget *viewport = header->viewport();
    const int edge = header->sectionViewportPosition(column) + header->sectionSize(column) - 1;
    const QPoint from(edge, header->height() / 2);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(dx, 0)), viewport->mapToGlobal(QPointF(from + QPoint(dx, 0))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, from + QPoint(dx, 0));
}

} // namespace

class TestGridWidths : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(useBuiltAppDir(), "TOLMO_APPDIR names the built application directory");
        layoutcheck::useProgramFont();
    }

    void draggedWidthStays_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("tab change and back") << "tabs";
        QTest::newRow("search and its end") << "search";
        QTest::newRow("language change and back") << "language";
    }
    void draggedWidthStays()
    {
        QFETCH(QString, event);
        // The dictionary is there before the window, as the main window's is.
        std::unique_ptr<TIvBinaryDictionary> dictionary;
        if (event == u"language") {
            dictionary = layoutcheck::spanishDictionary();
            QVERIFY(dictionary->isOpen());
            dictionary->setLanguage(1);
        }
        TestShell shell;
        std::unique_ptr<FamilyWindow> w = makeFamilyWindow(QStringLiteral("IPE"));
        shell.children.append(w.get());
        w->FormCreate();
        w->resize(1200, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *grid = w->findChild<TRxDBGrid *>(QStringLiteral("RxDBGrid1"));
        QVERIFY(grid);
        const int iy = columnOfField(*grid, "Iy");
        const int wy = columnOfField(*grid, "Wy");
        const int designation = columnOfField(*grid, "Designation");
        QVERIFY(iy >= 0 && wy >= 0 && designation >= 0);
        const int before = grid->columnWidth(iy);
        const int other = grid->columnWidth(wy);
        dragEdge(*grid, iy, 37);
        QCOMPARE(grid->columnWidth(iy), before + 37);

        if (event == u"tabs") {
            w->PageControl1Change(1);
            w->PageControl1Change(0);
        } else if (event == u"search") {
            // The search button latched and released: the table is read
            // again through the filter, twice.
            auto *search = w->findChild<QPushButton *>(QStringLiteral("BusquedaBt"));
            w->sectionTable()->close();
            search->setChecked(true);
            w->sectionTable()->open();
            w->sectionTable()->close();
            search->setChecked(false);
            w->sectionTable()->open();
        } else {
            testContext().setLanguage(Language::Spanish);
            dictionary->setLanguage(2);
            QCOMPARE(grid->model()->headerData(designation, Qt::Horizontal).toString(),
                     QString::fromUtf8("Designación"));
            QCOMPARE(grid->columnWidth(iy), before + 37);
            testContext().setLanguage(Language::English);
            dictionary->setLanguage(1);
        }
        QCOMPARE(grid->columnWidth(iy), before + 37);
        // The columns the user left alone are set as before.
        QCOMPARE(grid->columnWidth(wy), other);
    }

    // A column the user narrowed stays narrow: the grid does not widen it
    // again to fit its texts.
    void narrowedColumnStaysNarrow()
    {
        TestShell shell;
        std::unique_ptr<FamilyWindow> w = makeFamilyWindow(QStringLiteral("IPE"));
        shell.children.append(w.get());
        w->FormCreate();
        w->resize(1200, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *grid = w->findChild<TRxDBGrid *>(QStringLiteral("RxDBGrid1"));
        const int iw = columnOfField(*grid, "Iw");
        const int before = grid->columnWidth(iw);
        dragEdge(*grid, iw, -20);
        QCOMPARE(grid->columnWidth(iw), before - 20);
        w->PageControl1Change(1);
        w->PageControl1Change(0);
        QCOMPARE(grid->columnWidth(iw), before - 20);
    }
};

QTEST_MAIN(TestGridWidths)
#include "tst_gridwidths.moc"
