// The section window on fixture tables: creation, labels, tabs, tolerance
// list, search filter and its button, sheets and help, closing.
#include "support/TestContext.h"
#include "TestShell.h"
#include "browse/SearchDialog.h"
#include "browse/SectionWindows.h"
#include "browse/TDBNavigator.h"
#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "data/AppGlobals.h"
#include "data/CalcFields.h"
#include "data/Declarations.h"
#include "data/DisplayFormat.h"
#include "data/Table.h"
#include "support/Fixture.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QByteArray png(Qt::GlobalColor colour)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QVariantMap tol(const char *key, const char *language, const char *name, Qt::GlobalColor colour)
{
    return {{"Raroda", key}, {"Idioma", language}, {"Tolerancia", name}, {"Figura", png(colour)}};
}

const QList<QVariantMap> kHeb = {fixture::heRow("HEB 100", 100, 100, 6, 10, 12),
                                 fixture::heRow("HEB 200", 200, 200, 9, 15, 18),
                                 fixture::heRow("HEB 300", 300, 300, 11, 19, 27),
                                 fixture::heRow("HEB 400", 400, 300, 13.5, 24, 27)};

QStringList rows(FamilyWindow &w)
{
    QStringList d;
    Table *t = w.sectionTable();
    for (int r = 0; r < t->recordCount(); ++r)
        d << t->value(r, t->fieldIndex(QStringLiteral("Designation"))).toString();
    return d;
}

QString text(QWidget &w, const char *name) { return w.findChild<QLabel *>(QString::fromLatin1(name))->text(); }

// Answers the next modal dialog as the user would.
void answerNextDialog(std::function<void(SearchDialog *)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<SearchDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(dialog);
    });
}

} // namespace

class TestFamilyWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestShell> m_shell;
    QList<std::pair<FamilyWindow *, int>> m_sheets;
    QList<std::pair<QString, int>> m_help;

    template <typename W, typename... Args> std::unique_ptr<W> open(Args... args)
    {
        auto w = std::make_unique<W>(args..., testContext());
        m_shell->children.append(w.get());
        w->FormCreate();
        return w;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        testContext().setAppDir(m_dir.path());
        for (const char *file : {"HEA.DB", "HEB.DB", "HEM.DB"})
            fixture::writeTable(m_dir.path(), file, decl::iLamParTable, kHeb);
        fixture::writeTable(m_dir.path(), "IPE.DB", decl::iLamParTable,
                            {fixture::heRow("IPE 300", 300, 150, 7.1, 10.7, 15)});
        fixture::writeTable(m_dir.path(), "TOL.DB", decl::TolTable,
                            {tol("H", "EN", "Height", Qt::red), tol("IPE", "EN", "Height", Qt::cyan),
                             tol("H", "EN", "Flange width", Qt::green), tol("H", "ES", "Altura", Qt::blue),
                             tol("H", "ES", "Anchura del ala", Qt::yellow)});
        help::setHandler([this](const QString &file, int context) { m_help.append({file, context}); });
    }

    void init()
    {
        testContext().setLanguage(Language::English);
        m_shell = std::make_unique<TestShell>();
        m_sheets.clear();
        m_help.clear();
    }
    void cleanup() { m_shell.reset(); }

    void comesUpOnPropertiesAtTheFirstRow()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        QCOMPARE(w->windowTitle(), QStringLiteral("HEB Sections"));
        QCOMPARE(text(*w, "LabelPanel"), QStringLiteral("HEB Sections"));
        QCOMPARE(w->tag(), 2);
        QCOMPARE(w->currentTab(), 0);
        QCOMPARE(w->findChild<QTabWidget *>("PageControl1")->currentIndex(), 0);
        QCOMPARE(text(*w, "RegT"), QStringLiteral("Record 1"));
        QCOMPARE(text(*w, "DBText1"), QStringLiteral("HEB 100"));
        QCOMPARE(m_shell->janela, QList<bool>{true});
        QCOMPARE(w->familyKey(), QStringLiteral("HEB"));
        // Every criterion starts cleared.
        for (int i = 1; i <= 12; ++i)
            QCOMPARE(w->PropertyCriteria(i), SearchCriterion{});
        QCOMPARE(w->detailCriteriaCount(), 6);
    }

    void dimensionLabelsOfHeb200()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        w->sectionTable()->next();
        const QStringList expected = {"h= 200 mm",      "tw= 9.0 mm",      "b = 200 mm", "tf = 15.0 mm",
                                      "d = 134.0 mm",   "hi = 170.0 mm",   "r = 18 mm"};
        const char *const names[] = {"LabelA", "LabelB", "LabelC", "LabelD", "LabelE", "LabelF", "LabelG"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(text(*w, names[i]), expected[i]);
        QCOMPARE(text(*w, "RegT"), QStringLiteral("Record 2"));
        QCOMPARE(text(*w, "DBText2"), QStringLiteral("200")); // b
        QCOMPARE(text(*w, "DBText3"), QStringLiteral("200")); // h
    }

    void tabsSwitchDrawingAndControls()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        w->sectionTable()->last();
        w->selectTab(1);
        QCOMPARE(w->currentTab(), 1);
        QVERIFY(w->findChild<QLabel *>("ImgDet")->isVisibleTo(w.get()));
        QVERIFY(!w->findChild<QLabel *>("ImgProp")->isVisibleTo(w.get()));
        QVERIFY(!w->findChild<QLabel *>("DBText2")->isVisibleTo(w.get()));
        QVERIFY(!w->findChild<QLabel *>("DBText3")->isVisibleTo(w.get()));
        QCOMPARE(w->sectionTable()->recNo(), 1); // reopened at the first row
        w->selectTab(2);
        QVERIFY(!w->findChild<QPushButton *>("DatosBt")->isEnabled());
        QVERIFY(!w->findChild<QPushButton *>("BusquedaBt")->isEnabled());
        QVERIFY(!w->findChild<TDBNavigator *>("DBNavigator1")->isEnabled());
        QVERIFY(w->findChild<QPushButton *>("ImprimirCatBt")->isEnabled());
        w->selectTab(0);
        QVERIFY(w->findChild<QPushButton *>("DatosBt")->isEnabled());
        QVERIFY(w->findChild<QLabel *>("ImgProp")->isVisibleTo(w.get()));
    }

    void toleranceListFollowsTheLanguage()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        auto *list = w->findChild<QListWidget *>("ToleranciasLB");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Height"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Flange width"));
        list->setCurrentRow(1);
        QCOMPARE(w->toleranceTable()->field("Tolerancia").asString(), QStringLiteral("Flange width"));
        QCOMPARE(w->findChild<QLabel *>("DBImage1")->pixmap().toImage().pixelColor(5, 5), QColor(Qt::green));
        testContext().setLanguage(Language::Spanish);
        w->IvTranslator1LanguageChange();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("Altura"));
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(w->findChild<QLabel *>("DBImage1")->pixmap().toImage().pixelColor(5, 5), QColor(Qt::yellow));
        QCOMPARE(w->findChild<QLabel *>("ImgLogo")->pixmap().toImage().pixelColor(1, 1), QColor(Qt::red));
        // The IPE window lists the IPE rows only.
        auto ipe = open<TIPEFm>();
        testContext().setLanguage(Language::English);
        ipe->FillTolerancias();
        QCOMPARE(ipe->findChild<QListWidget *>("ToleranciasLB")->count(), 1);
    }

    void searchFilter_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("index");
        QTest::addColumn<SearchCriterion>("criterion");
        QTest::addColumn<QStringList>("expected");
        const QStringList all = {"HEB 100", "HEB 200", "HEB 300", "HEB 400"};
        QTest::newRow("h more than, bound included") << 0 << 1 << SearchCriterion{true, MoreThan, 200, 0}
                                                     << QStringList{"HEB 200", "HEB 300", "HEB 400"};
        QTest::newRow("h less than, bound included") << 0 << 1 << SearchCriterion{true, LessThan, 200, 0}
                                                     << QStringList{"HEB 100", "HEB 200"};
        QTest::newRow("b between") << 0 << 2 << SearchCriterion{true, Between, 200, 300} << all.mid(1);
        QTest::newRow("b between, bounds reversed") << 0 << 2 << SearchCriterion{true, Between, 300, 200} << all.mid(1);
        QTest::newRow("equal bounds: that value only") << 0 << 1 << SearchCriterion{true, Between, 300, 300}
                                                       << QStringList{"HEB 300"};
        QTest::newRow("disabled Between 0/0 accepts all") << 0 << 7 << SearchCriterion{false, Between, 0, 0} << all;
        QTest::newRow("Wy more than") << 0 << 8 << SearchCriterion{true, MoreThan, 1000, 0}
                                      << QStringList{"HEB 300", "HEB 400"};
        QTest::newRow("detailing Ss in mm") << 1 << 6 << SearchCriterion{true, Between, 60, 61}
                                            << QStringList{"HEB 200"};
        QTest::newRow("detailing Ss in cm finds nothing") << 1 << 6 << SearchCriterion{true, Between, 6, 7}
                                                          << QStringList{};
        // M of HEB 200 is shown 61.3 but computes to 61.2978.
        QTest::newRow("unrounded M") << 0 << 6 << SearchCriterion{true, MoreThan, 61.3, 0}
                                     << QStringList{"HEB 300", "HEB 400"};
    }
    void searchFilter()
    {
        QFETCH(int, tab);
        QFETCH(int, index);
        QFETCH(SearchCriterion, criterion);
        QFETCH(QStringList, expected);
        auto w = open<TILPFm>(SectionFamily::HEB);
        (tab == 0 ? w->PropertyCriteria(index) : w->DetailCriteria(index)) = criterion;
        w->findChild<QPushButton *>("BusquedaBt")->setChecked(true);
        w->selectTab(tab);
        w->PageControl1Change(tab);
        QCOMPARE(rows(*w), expected);
        QCOMPARE(w->Filtrado(tab + 1), criterion.Enabled);
        QCOMPARE(w->Filtrado(2 - tab), false);
        // The other tab's set applies there: nothing is enabled in it.
        w->selectTab(1 - tab);
        QCOMPARE(rows(*w).size(), 4);
        w->selectTab(tab);
        QCOMPARE(rows(*w), expected);
        // On the tolerances tab every row passes.
        w->selectTab(2);
        QCOMPARE(rows(*w).size(), 4);
    }

    void emptyResultShowsZeroLabels()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        w->PropertyCriteria(1) = {true, MoreThan, 5000, 0};
        w->findChild<QPushButton *>("BusquedaBt")->setChecked(true);
        w->PageControl1Change(0);
        QCOMPARE(w->sectionTable()->recordCount(), 0);
        QCOMPARE(text(*w, "LabelA"), QStringLiteral("h= 0 mm"));
        QCOMPARE(text(*w, "LabelB"), QStringLiteral("tw= 0.0 mm"));
        QCOMPARE(text(*w, "DBText1"), QString());
    }

    void searchButtonAndDialog()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        auto *button = w->findChild<QPushButton *>("BusquedaBt");
        // Pressed, then cancelled with nothing ticked: pressed, every row.
        answerNextDialog([](SearchDialog *d) { d->reject(); });
        button->click();
        QVERIFY(button->isChecked());
        QCOMPARE(rows(*w).size(), 4);
        QVERIFY(!w->Filtrado(1) && !w->Filtrado(2));
        button->click(); // raised: no dialog
        QVERIFY(!button->isChecked());
        // Pressed again, OK after ticking h more than 300 with a hidden second bound.
        w->PropertyCriteria(1) = {false, Between, 100, 350};
        answerNextDialog([](SearchDialog *d) {
            QCOMPARE(d->LeDados(1), (SearchCriterion{false, Between, 100, 350}));
            d->findChild<QCheckBox *>("hChT")->setChecked(true);
            d->AjustaVisao();
            d->accept();
        });
        button->click();
        QCOMPARE(w->PropertyCriteria(1), (SearchCriterion{true, Between, 100, 350}));
        QCOMPARE(rows(*w), (QStringList{"HEB 100", "HEB 200", "HEB 300"}));
        QVERIFY(w->Filtrado(1));
        // Raising shows everything again but keeps the criteria.
        button->click();
        QCOMPARE(rows(*w).size(), 4);
        QCOMPARE(w->PropertyCriteria(1).Enabled, true);
        QVERIFY(!w->Filtrado(1));
        // Cancel after changes leaves the criteria as they were.
        answerNextDialog([](SearchDialog *d) {
            d->findChild<QCheckBox *>("hChT")->setChecked(false);
            d->reject();
        });
        button->click();
        QCOMPARE(w->PropertyCriteria(1), (SearchCriterion{true, Between, 100, 350}));
    }

    void threeHeWindowsKeepTheirOwnState()
    {
        auto hea = open<TILPFm>(SectionFamily::HEA);
        auto heb = open<TILPFm>(SectionFamily::HEB);
        auto hem = open<TILPFm>(SectionFamily::HEM);
        QCOMPARE(hea->windowTitle(), QStringLiteral("HEA Sections"));
        QCOMPARE(hem->windowTitle(), QStringLiteral("HEM Sections"));
        hea->selectTab(1);
        heb->PropertyCriteria(1) = {true, MoreThan, 300, 0};
        heb->findChild<QPushButton *>("BusquedaBt")->setChecked(true);
        heb->PageControl1Change(0);
        QCOMPARE(hea->currentTab(), 1);
        QCOMPARE(heb->currentTab(), 0);
        QCOMPARE(hem->currentTab(), 0);
        QCOMPARE(rows(*heb).size(), 2);
        QCOMPARE(rows(*hem).size(), 4);
        QVERIFY(!hea->Filtrado(1) && !hem->Filtrado(1));
        // Data and help follow each window's own tab.
        QSignalSpy heaSheets(hea.get(), &FamilyWindow::sheetRequested);
        QSignalSpy hebSheets(heb.get(), &FamilyWindow::sheetRequested);
        hea->DatosBtClick();
        heb->DatosBtClick();
        QCOMPARE(heaSheets, QList<QVariantList>{{1}});
        QCOMPARE(hebSheets, QList<QVariantList>{{0}});
        QCOMPARE(testContext().sheetFamilyKey(), QStringLiteral("HEB"));
        hea->HelpBtnClick();
        heb->HelpBtnClick();
        QCOMPARE(m_help.value(0).second, 1009);
        QCOMPARE(m_help.value(1).second, 1008);
        QVERIFY(m_help.value(0).first.endsWith("EN-PFHelp.hlp"));
    }

    void doubleClickIsTheDataCommand()
    {
        auto w = open<TIPEFm>();
        QSignalSpy sheets(w.get(), &FamilyWindow::sheetRequested);
        auto *grid = w->findChild<TRxDBGrid *>("RxDBGrid1");
        emit grid->rowDoubleClicked();
        QCOMPARE(sheets, QList<QVariantList>{{0}});
        QCOMPARE(testContext().sheetFamilyKey(), QStringLiteral("IPE"));
        w->selectTab(2);
        w->DatosBtClick();
        QCOMPARE(sheets.size(), 1); // nothing on the tolerances tab
        w->HelpBtnClick();
        QCOMPARE(m_help.value(0).second, 1013);
    }

    void gridsAreSoundModels()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        for (const char *name : {"RxDBGrid1", "RxDBGrid2"}) {
            auto *grid = w->findChild<TRxDBGrid *>(name);
            QAbstractItemModelTester tester(grid->tableModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
            w->PropertyCriteria(1) = {true, MoreThan, 300, 0};
            w->findChild<QPushButton *>("BusquedaBt")->setChecked(true);
            w->PageControl1Change(0);
            w->findChild<QPushButton *>("BusquedaBt")->setChecked(false);
            w->PageControl1Change(0);
            w->sectionTable()->last();
        }
        auto *grid = w->findChild<TRxDBGrid *>("RxDBGrid1");
        TableModel *model = grid->tableModel();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral(" "));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("M (kg/m)"));
        QCOMPARE(model->data(model->index(1, 12)).toString(), QStringLiteral("5697")); // Iy of HEB 200
        // Alternating colours from the third column, white first.
        QCOMPARE(model->data(model->index(0, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
        QVERIFY(model->data(model->index(0, 3), Qt::BackgroundRole).value<QBrush>().color() != QColor(Qt::white));
        QVERIFY(!model->data(model->index(0, 1), Qt::BackgroundRole).isValid());
        // The first two columns stay put: the overlay shows only them.
        QVERIFY(!grid->frozenView()->isColumnHidden(0));
        QVERIFY(!grid->frozenView()->isColumnHidden(1));
        QVERIFY(grid->frozenView()->isColumnHidden(2));
        // Selecting a row moves the table; moving the table selects the row.
        grid->selectRow(2);
        QCOMPARE(w->sectionTable()->recNo(), 3);
        w->sectionTable()->first();
        QCOMPARE(grid->currentIndex().row(), 0);
    }

    void closingUpdatesTheWindowsMenu()
    {
        auto first = open<TIPEFm>();
        m_shell->janela.clear();
        first->close();
        QCOMPARE(m_shell->closing.value(0), first.get());
        QCOMPARE(m_shell->janela, QList<bool>{false}); // the only child window
        auto a = open<TILPFm>(SectionFamily::HEA);
        auto b = open<TILPFm>(SectionFamily::HEB);
        m_shell->children.removeAll(first.get());
        m_shell->children.removeAll(nullptr);
        m_shell->janela.clear();
        a->close();
        QCOMPARE(m_shell->janela, QList<bool>{true}); // one of two
        QVERIFY(!a->sectionTable()->isOpen());
        QVERIFY(!a->toleranceTable()->isOpen());
    }

    void aMissingTableIsReportedAndTheWindowStays()
    {
        QTemporaryDir empty;
        testContext().setAppDir(empty.path());
        TIPEFm w(testContext());
        m_shell->children.append(&w);
        QVERIFY_THROWS_EXCEPTION(std::exception, w.FormCreate());
        QVERIFY(!w.sectionTable()->isOpen());
        QVERIFY(m_shell->janela.isEmpty()); // the steps after the failing one did not run
        testContext().setAppDir(m_dir.path());
    }
};

QTEST_MAIN(TestFamilyWindow)
#include "tst_familywindow.moc"
