// A sheet and the grid never disagree: on every size of the supplied tables,
// each value a property or detailing sheet writes reads exactly as the grid
// cell of its field, and the sizes where too few decimals once hid the value
// show it with three significant digits in both.
#include "support/TestContext.h"
#include "SheetFixture.h"
#include "browse/FamilyWindow.h"
#include "browse/TableModel.h"
#include "browse/TRxDBGrid.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"

using namespace sheettest;

namespace {

// The grid's text of a field on the table's current row; a null text when
// the grid has no column of that field.
QString gridText(const TRxDBGrid &grid, const Table &table, const char *field)
{
    const TableModel *model = grid.tableModel();
    const int index = table.fieldIndex(QString::fromLatin1(field));
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->fieldIndex(c) == index)
            return model->index(table.currentRow(), c).data().toString();
    }
    return QString();
}

std::unique_ptr<SectionSheet> makeSheet(int tab, FamilyWindow &w)
{
    if (tab == 0)
        return std::make_unique<TShowPropFm>(&w);
    return std::make_unique<TShowDetailFm>(&w);
}

} // namespace

class TestSheetGrid : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TestShell> m_shell;

private slots:
    void initTestCase()
    {
        QVERIFY2(useBuiltAppDir(), "TOLMO_APPDIR names the built application directory");
    }

    void init() { m_shell = std::make_unique<TestShell>(); }
    void cleanup() { m_shell.reset(); }

    void everySlotReadsAsItsGridCell_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("tab");
        for (const FamilyInfo &f : allFamilies()) {
            QTest::addRow("%s properties", f.key) << QString::fromLatin1(f.key) << 0;
            QTest::addRow("%s detailing", f.key) << QString::fromLatin1(f.key) << 1;
        }
    }
    void everySlotReadsAsItsGridCell()
    {
        QFETCH(QString, key);
        QFETCH(int, tab);
        const std::unique_ptr<FamilyWindow> w = openFamily(*m_shell, key);
        const Table &table = *w->sectionTable();
        QVERIFY(table.recordCount() > 0);
        const auto *grid = w->findChild<TRxDBGrid *>(tab == 0 ? "RxDBGrid1" : "RxDBGrid2");
        QVERIFY(grid);
        const SheetFills &fills = tab == 0 ? *w->family().kind->propertySheet : *w->family().kind->detailSheet;
        const std::unique_ptr<SectionSheet> sheet = makeSheet(tab, *w);
        int compared = 0;
        for (int row = 0; row < table.recordCount(); ++row) {
            w->sectionTable()->setCurrentRow(row);
            sheet->Atualiza(0);
            const QString size = table.field(QStringLiteral("Designation")).asString();
            for (const QLabel *label : sheet->slotLabels()) {
                const QByteArray slot = label->objectName().toLatin1();
                const SlotFill *fill = fills.find(slot.constData());
                const QString text = label->text();
                const QString prefix = QString::fromLatin1(fill ? fill->prefix : "");
                const QString unit = QString::fromLatin1(fill ? fill->unit : "");
                // The bolt slots of a size without a bolt read "pmin =   - ".
                if (!fill || !text.endsWith(unit))
                    continue;
                QVERIFY2(text.startsWith(prefix), qPrintable(size + " " + text));
                const QString value = text.mid(prefix.size()).chopped(unit.size());
                const QString cell = gridText(*grid, table, fill->field);
                QVERIFY2(!cell.isNull(), qPrintable(size + ": the grid has no column " + fill->field));
                QVERIFY2(value == cell, qPrintable(QStringLiteral("%1 %2: the sheet writes \"%3\", the grid \"%4\"")
                                                       .arg(size, QString::fromLatin1(fill->field), value, cell)));
                ++compared;
            }
        }
        // Two slots at least on every size (an angle without a bolt shows
        // only h and t as numbers on its detailing sheet).
        QVERIFY(compared >= table.recordCount() * 2);
    }

    // The sizes where the field's own format showed too few digits.
    void smallValuesShowThreeDigits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("expected");
        QTest::newRow("IPE 80 Iz") << "IPE" << "IPE 80" << "LBIz" << "Iz = 8.49 cm4";
        QTest::newRow("IPE 80 Iy") << "IPE" << "IPE 80" << "LBIy" << "Iy = 80.1 cm4";
        QTest::newRow("IPE 80 tw keeps its format") << "IPE" << "IPE 80" << "LBtw" << "tw = 3.8 mm";
        QTest::newRow("L 20x20x3 A") << "ANG" << "L 20x20x3" << "LBA" << "A = 1.12 cm2";
        QTest::newRow("L 20x20x3 M") << "ANG" << "L 20x20x3" << "LBM" << "M = 0.879 kg/m";
        // Large second moments of IPN and UPN are whole cm4, as HE's are.
        QTest::newRow("IPN 600 Iy") << "IPN" << "IPN 600" << "LBIy" << "Iy = 138783 cm4";
        QTest::newRow("IPN 80 Iz") << "IPN" << "IPN 80" << "LBIz" << "Iz = 6.28 cm4";
        QTest::newRow("UPN 400 Iz") << "UPN" << "UPN 400" << "LBIz" << "Iz = 851 cm4";
    }
    void smallValuesShowThreeDigits()
    {
        QFETCH(QString, key);
        QFETCH(QString, size);
        QFETCH(QString, slot);
        QFETCH(QString, expected);
        const std::unique_ptr<FamilyWindow> w = openFamily(*m_shell, key);
        goTo(*w, size);
        TShowPropFm sheet(w.get());
        sheet.Atualiza(0);
        QCOMPARE(sheet.slotLabel(slot)->text(), expected);
    }
};

QTEST_MAIN(TestSheetGrid)
#include "tst_sheetgrid.moc"
