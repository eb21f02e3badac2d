// Copy and export of the grids: the chosen rows as tab-separated text with
// their headings, and the rows of the tab shown (as its search leaves them)
// written to CSV with the separators chosen in the save dialog; a write
// that fails is reported and leaves no file. On the built tables.
#include "support/TestContext.h"
#include "TestShell.h"
#include "browse/ErrorReport.h"
#include "browse/GridExport.h"
#include "browse/TAceroFm.h"
#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "data/Table.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QStringList g_reports;
void recordReport(const QString &, const QString &text) { g_reports << text; }

// What the save dialog was asked, and what it answers.
struct DialogScript {
    QString proposedPath;
    csv::Format proposedFormat;
    std::optional<gridexport::Choice> answer;
    int calls = 0;
};
DialogScript g_dialog;

QString readCsv(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = f.readAll();
    // The file starts with the UTF-8 mark by which spreadsheets know it.
    if (!bytes.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("<no UTF-8 mark>");
    return QString::fromUtf8(bytes.mid(3));
}

// The HEB window with a search on h between 290 and 425 mm in force: HEB 300
// to HEB 400 remain.
std::unique_ptr<FamilyWindow> filteredHeb()
{
    auto w = openWindow(QStringLiteral("HEB"));
    w->PropertyCriteria(1) = {true, Between, 290, 425};
    w->DetailCriteria(1) = {true, Between, 290, 425};
    w->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
    w->selectTab(2);
    w->selectTab(0);
    return w;
}

int column(const TableModel &model, const QString &title)
{
    for (int c = 0; c < model.columnCount(); ++c) {
        if (model.headerData(c, Qt::Horizontal).toString() == title)
            return c;
    }
    return -1;
}

} // namespace

class TestGridExport : public QObject {
    Q_OBJECT
    TestShell m_shell;
    QTemporaryDir m_out;

private slots:
    void initTestCase()
    {
        QVERIFY2(useBuiltAppDir(), "TOLMO_APPDIR names the built application directory");
        QVERIFY(m_out.isValid());
        errorreport::setPresenter(recordReport);
        gridexport::setSaveDialog([](QWidget *, const QString &path, csv::Format format) {
            ++g_dialog.calls;
            g_dialog.proposedPath = path;
            g_dialog.proposedFormat = format;
            return g_dialog.answer;
        });
    }
    void init()
    {
        g_reports.clear();
        g_dialog = {};
        QApplication::clipboard()->clear();
    }
    void cleanupTestCase() { gridexport::setSaveDialog({}); }

    void copyTakesTheChosenRowsOfAFilteredWindow()
    {
        const auto w = filteredHeb();
        TRxDBGrid *grid = w->currentGrid();
        QVERIFY(grid);
        const TableModel *model = grid->tableModel();
        QCOMPARE(designations(*w), (QStringList{"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"}));
        // Rows 1 and 3 of the filtered grid, chosen with Ctrl as a user would.
        grid->selectionModel()->clearSelection();
        for (int row : {3, 1})
            grid->selectionModel()->select(model->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 4); // headings, two rows, the final line break
        QCOMPARE(lines.last(), QString());
        const QStringList headings = lines[0].split(u'\t');
        QCOMPARE(headings.size(), model->columnCount());
        // The blank title of the supply column is named; the others are the grid's.
        QCOMPARE(headings.value(0), QStringLiteral("Supply"));
        QCOMPARE(headings.value(1), QStringLiteral("Designation"));
        QCOMPARE(headings.value(2), QStringLiteral("M (kg/m)"));
        for (int i = 1; i <= 2; ++i) {
            const int row = i == 1 ? 1 : 3;
            const QStringList cells = lines[i].split(u'\t');
            QCOMPARE(cells.size(), model->columnCount());
            for (int c = 0; c < model->columnCount(); ++c)
                QCOMPARE(cells[c], model->index(row, c).data().toString());
        }
        QCOMPARE(lines[1].split(u'\t').value(1), QStringLiteral("HEB 320"));
        QCOMPARE(lines[2].split(u'\t').value(1), QStringLiteral("HEB 360"));
        QCOMPARE(lines[1].split(u'\t').value(column(*model, QStringLiteral("h (mm)"))), QStringLiteral("320"));
        QCOMPARE(lines[2].split(u'\t').value(column(*model, QStringLiteral("tw (mm)"))), QStringLiteral("12.5"));

        // Nothing selected: the current row.
        grid->selectionModel()->clearSelection();
        w->sectionTable()->setCurrentRow(4);
        grid->selectionModel()->clearSelection();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList current = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(current.size(), 3);
        QCOMPARE(current[1].split(u'\t').value(1), QStringLiteral("HEB 400"));
    }

    void theContextMenuCopiesAndExports()
    {
        const auto w = filteredHeb();
        w->selectTab(1);
        TRxDBGrid *grid = w->currentGrid();
        w->sectionTable()->setCurrentRow(2);
        // A right click on the scrolling columns or on the frozen ones.
        const auto choose = [grid](const char *item, QWidget *viewport) {
            QTimer::singleShot(0, grid, [item] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                menu->close();
                QAction *chosen = nullptr;
                for (QAction *a : menu->actions())
                    chosen = a->objectName() == QLatin1String(item) ? a : chosen;
                QVERIFY(chosen);
                QVERIFY(chosen->isEnabled());
                chosen->trigger();
            });
            const QPoint at(5, 5);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
            QApplication::sendEvent(viewport, &event);
        };
        choose("CopyMn", grid->viewport());
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.value(1).split(u'\t').value(1), QStringLiteral("HEB 340"));
        QVERIFY(lines.value(0).split(u'\t').contains(QStringLiteral("pmin (mm)")));

        // Export asks the window, which asks for the file.
        choose("ExportCsvMn", grid->frozenView()->viewport());
        QCOMPARE(g_dialog.calls, 1);
        QCOMPARE(QFileInfo(g_dialog.proposedPath).fileName(), QStringLiteral("HEB-detailing.csv"));
    }

    void exportWritesTheFilteredRows_data()
    {
        QTest::addColumn<bool>("comma");
        QTest::addColumn<int>("tab");
        QTest::newRow("properties, full stop and comma") << false << 0;
        QTest::newRow("properties, decimal comma and semicolon") << true << 0;
        QTest::newRow("detailing, decimal comma and semicolon") << true << 1;
    }
    void exportWritesTheFilteredRows()
    {
        QFETCH(bool, comma);
        QFETCH(int, tab);
        const auto w = filteredHeb();
        w->selectTab(tab);
        const QString path = m_out.filePath(QStringLiteral("heb-%1-%2.csv").arg(tab).arg(comma));
        const csv::Format format = comma ? csv::kDecimalComma : csv::kFullStop;
        g_dialog.answer = gridexport::Choice{path, format};
        w->exportToCsv();
        QCOMPARE(g_dialog.calls, 1);
        QCOMPARE(QFileInfo(g_dialog.proposedPath).fileName(),
                 tab == 0 ? QStringLiteral("HEB-properties.csv") : QStringLiteral("HEB-detailing.csv"));
        // English on a system with a decimal point: the full stop is proposed.
        QCOMPARE(g_dialog.proposedFormat.decimalPoint, u'.');

        const TableModel *model = w->currentGrid()->tableModel();
        const QStringList lines = readCsv(path).split(u'\n');
        QCOMPARE(lines.size(), 1 + 5 + 1);
        const QString separator(format.separator);
        const QStringList headings = lines[0].split(separator);
        QCOMPARE(headings.size(), model->columnCount());
        QCOMPARE(headings.value(0), QStringLiteral("Supply"));
        QCOMPARE(headings.value(2), QStringLiteral("M (kg/m)"));
        QCOMPARE(headings.value(column(*model, QStringLiteral("tw (mm)"))), QStringLiteral("tw (mm)"));
        QStringList rows;
        for (int i = 1; i <= 5; ++i) {
            const QStringList cells = lines[i].split(separator);
            QCOMPARE(cells.size(), model->columnCount());
            rows << cells.value(1);
        }
        QCOMPARE(rows, (QStringList{"HEB 300", "HEB 320", "HEB 340", "HEB 360", "HEB 400"}));
        // HEB 300: tw 11 mm in its format, with the decimal point chosen.
        QCOMPARE(lines[1].split(separator).value(column(*model, QStringLiteral("tw (mm)"))),
                 comma ? QStringLiteral("11,0") : QStringLiteral("11.0"));
        QCOMPARE(lines.last(), QString());
    }

    void spanishProposesTheDecimalComma()
    {
        testContext().setLanguage(Language::Spanish);
        const auto w = openWindow(QStringLiteral("UPN"));
        w->exportToCsv(); // cancelled: nothing written
        testContext().setLanguage(Language::English);
        QCOMPARE(g_dialog.calls, 1);
        QCOMPARE(g_dialog.proposedFormat.decimalPoint, u',');
        QCOMPARE(g_dialog.proposedFormat.separator, u';');
        QCOMPARE(QFileInfo(g_dialog.proposedPath).fileName(), QStringLiteral("UPN-properties.csv"));
        // Nothing to export on the tolerances tab.
        w->selectTab(2);
        QVERIFY(!w->currentGrid());
        w->exportToCsv();
        QCOMPARE(g_dialog.calls, 1);
    }

    void aFailingWriteIsReportedAndLeavesNoFile_data()
    {
        QTest::addColumn<QString>("target"); // under the output folder
        QTest::newRow("a folder that does not exist") << "missing/heb.csv";
        QTest::newRow("a folder where the file would go") << "taken";
    }
    void aFailingWriteIsReportedAndLeavesNoFile()
    {
        QFETCH(QString, target);
        QTemporaryDir out;
        QVERIFY(QDir(out.path()).mkdir(QStringLiteral("taken")));
        const QStringList before = QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        const QString path = QDir(out.path()).filePath(target);
        const auto w = filteredHeb();
        g_dialog.answer = gridexport::Choice{path, csv::kFullStop};
        // Through the grid's menu command, as the user would: the general
        // error report names the file and the program goes on.
        emit w->currentGrid()->exportRequested();
        QCOMPARE(g_dialog.calls, 1);
        QCOMPARE(g_reports.size(), 1);
        QCOMPARE(g_reports.value(0), QStringLiteral("The file %1 could not be written.").arg(QDir::toNativeSeparators(path)));
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QVERIFY(QFileInfo(QDir(out.path()).filePath(QStringLiteral("taken"))).isDir());
        QVERIFY(QDir(QDir(out.path()).filePath(QStringLiteral("taken"))).isEmpty());
    }

    void aWriteReplacesAFileOnlyWhenComplete()
    {
        // An export over an earlier file replaces it whole.
        const QString path = m_out.filePath(QStringLiteral("again.csv"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(100000, 'x'));
        }
        const auto w = filteredHeb();
        gridexport::writeFile(*w->currentGrid()->tableModel(), path, csv::kFullStop);
        const QString text = readCsv(path);
        QVERIFY(!text.contains(u'x'));
        QCOMPARE(text.count(u'\n'), 6);
    }

    void theSteelGridsCopyAndExport()
    {
        TAceroFm w(testContext());
        w.FormCreate();
        w.selectPage(1);
        TRxDBGrid *grid = w.currentGrid();
        const Table *table = w.table(1);
        QVERIFY(table->recordCount() > 1);
        w.table(1)->setCurrentRow(1);
        grid->selectionModel()->clearSelection();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].split(u'\t').mid(0, 3), (QStringList{"Designation", "Thickness (mm)", "Standard"}));
        QCOMPARE(lines[1].split(u'\t').value(0), grid->tableModel()->index(1, 0).data().toString());

        const QString path = m_out.filePath(QStringLiteral("steel.csv"));
        g_dialog.answer = gridexport::Choice{path, csv::kDecimalComma};
        w.exportToCsv();
        QCOMPARE(QFileInfo(g_dialog.proposedPath).fileName(), QStringLiteral("steel-chemical.csv"));
        const QStringList csv = readCsv(path).split(u'\n');
        QCOMPARE(csv.size(), table->recordCount() + 2);
        QCOMPARE(csv[0].split(u';').mid(0, 4), (QStringList{"Designation", "Thickness (mm)", "Standard", "C (max)"}));
        // The figures of the chemical table, stored as texts, take the
        // decimal comma too; the other texts stay as stored.
        QCOMPARE(csv[1], QString::fromUtf8("S235JR;\u2264 16;UNE-EN 10025-2;0,17;1,40;-;0,040;0,040;0,012;-;-;-;0,35"));
        for (int i = 1; i < csv.size() - 1; ++i) {
            const QStringList cells = csv[i].split(u';');
            for (int c = 3; c < cells.size(); ++c)
                QVERIFY2(!cells[c].contains(u'.'), qPrintable(csv[i]));
        }
    }
};

QTEST_MAIN(TestGridExport)
#include "tst_gridexport.moc"
