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
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

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
        // The size the user had stays current: the new tab lists it too.
        QCOMPARE(w->sectionTable()->recNo(), 4);
        QCOMPARE(text(*w, "DBText1"), QStringLiteral("HEB 400"));
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

    // A tab change or a search keeps the size the user had when the rows
    // shown next include it; otherwise the first of them is current.
    void tabChangeAndSearchKeepTheSize_data()
    {
        QTest::addColumn<QString>("picked");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<SearchCriterion>("detailH");
        QTest::addColumn<QString>("expected");
        const SearchCriterion none;
        QTest::newRow("properties to detailing") << "HEB 300" << 0 << 1 << none << "HEB 300";
        QTest::newRow("detailing to properties") << "HEB 200" << 1 << 0 << none << "HEB 200";
        QTest::newRow("to tolerances") << "HEB 400" << 0 << 2 << none << "HEB 400";
        QTest::newRow("detailing search keeps it")
            << "HEB 300" << 0 << 1 << SearchCriterion{true, MoreThan, 250, 0} << "HEB 300";
        QTest::newRow("detailing search filters it out: first row")
            << "HEB 200" << 0 << 1 << SearchCriterion{true, MoreThan, 250, 0} << "HEB 300";
        QTest::newRow("back from a filtered tab")
            << "HEB 400" << 1 << 0 << SearchCriterion{true, MoreThan, 250, 0} << "HEB 400";
    }
    void tabChangeAndSearchKeepTheSize()
    {
        QFETCH(QString, picked);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(SearchCriterion, detailH);
        QFETCH(QString, expected);
        auto w = open<TILPFm>(SectionFamily::HEB);
        w->DetailCriteria(1) = detailH;
        w->findChild<QPushButton *>("BusquedaBt")->setChecked(detailH.Enabled);
        w->selectTab(from);
        QVERIFY(w->sectionTable()->locate(QStringLiteral("Designation"), {picked}));
        w->selectTab(to);
        QCOMPARE(w->sectionTable()->field("Designation").asString(), expected);
        QCOMPARE(text(*w, "DBText1"), expected);
        // The grid shown marks the same row, and the counter counts it.
        const int row = w->sectionTable()->currentRow();
        if (to != 2) {
            auto *grid = w->findChild<TRxDBGrid *>(to == 0 ? "RxDBGrid1" : "RxDBGrid2");
            QCOMPARE(grid->currentIndex().row(), row);
        }
        QVERIFY(text(*w, "RegT").startsWith(QStringLiteral("Record %1").arg(row + 1)));
    }

    void searchKeepsTheSizeOrFallsBackToTheFirst()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        auto *button = w->findChild<QPushButton *>("BusquedaBt");
        const auto designation = [&] { return w->sectionTable()->field("Designation").asString(); };
        QVERIFY(w->sectionTable()->locate(QStringLiteral("Designation"), {QStringLiteral("HEB 300")}));
        // h at least 200: HEB 300 is among the sizes found.
        answerNextDialog([](SearchDialog *d) {
            d->AjustaDados({true, MoreThan, 200, 0}, 1);
            d->accept();
        });
        button->click();
        QCOMPARE(rows(*w).size(), 3);
        QCOMPARE(designation(), QStringLiteral("HEB 300"));
        // Raising the button shows every size; the current one stays.
        button->click();
        QCOMPARE(rows(*w).size(), 4);
        QCOMPARE(designation(), QStringLiteral("HEB 300"));
        // h at most 200: HEB 300 is not found, the first size found is current.
        answerNextDialog([](SearchDialog *d) {
            d->AjustaDados({true, LessThan, 200, 0}, 1);
            d->accept();
        });
        button->click();
        QCOMPARE(rows(*w), (QStringList{"HEB 100", "HEB 200"}));
        QCOMPARE(designation(), QStringLiteral("HEB 100"));
    }

    // While a search is in force the counter tells how many sizes it found
    // of the table's total, also when no criterion is ticked.
    void counterShowsTheSizesFound_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<SearchCriterion>("h");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<QString>("counter");
        QTest::newRow("no search") << 0 << SearchCriterion{true, MoreThan, 300, 0} << false << "Record 1";
        QTest::newRow("two of four") << 0 << SearchCriterion{true, MoreThan, 300, 0} << true
                                     << "Record 1\n2 of 4 sizes";
        QTest::newRow("nothing ticked: every size") << 0 << SearchCriterion{} << true << "Record 1\n4 of 4 sizes";
        QTest::newRow("none found") << 0 << SearchCriterion{true, MoreThan, 5000, 0} << true
                                    << "No size matches\n0 of 4 sizes";
        QTest::newRow("tolerances tab: no search there") << 2 << SearchCriterion{true, MoreThan, 5000, 0} << true
                                                         << "Record 1";
    }
    void counterShowsTheSizesFound()
    {
        QFETCH(int, tab);
        QFETCH(SearchCriterion, h);
        QFETCH(bool, pressed);
        QFETCH(QString, counter);
        auto w = open<TILPFm>(SectionFamily::HEB);
        w->PropertyCriteria(1) = h;
        w->findChild<QPushButton *>("BusquedaBt")->setChecked(pressed);
        w->selectTab(tab);
        w->PageControl1Change(tab);
        QCOMPARE(text(*w, "RegT"), counter);
        QCOMPARE(w->searchInForce(), pressed && tab != 2);
    }

    // A search that finds nothing leaves nothing to show: blank labels, no
    // Data, no navigator, no sheet by any way; Search stays to raise it.
    void emptyResultIsBlankAndOffersNoSheet()
    {
        auto w = open<TILPFm>(SectionFamily::HEB);
        QSignalSpy sheets(w.get(), &FamilyWindow::sheetRequested);
        auto *datos = w->findChild<QPushButton *>("DatosBt");
        auto *busqueda = w->findChild<QPushButton *>("BusquedaBt");
        auto *navigator = w->findChild<TDBNavigator *>("DBNavigator1");
        w->PropertyCriteria(1) = {true, MoreThan, 5000, 0};
        busqueda->setChecked(true);
        w->PageControl1Change(0);
        QCOMPARE(w->sectionTable()->recordCount(), 0);
        for (const char *name : {"LabelA", "LabelB", "LabelG", "DBText1", "DBText2", "DBText3"})
            QVERIFY2(text(*w, name).isEmpty(), name);
        QVERIFY(text(*w, "RegT").startsWith(QStringLiteral("No size matches")));
        QVERIFY(!datos->isEnabled());
        QVERIFY(!navigator->isEnabled());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!navigator->button(i)->isEnabled());
        QVERIFY(busqueda->isEnabled());
        w->DatosBtClick();
        emit w->findChild<TRxDBGrid *>("RxDBGrid1")->rowDoubleClicked();
        QCOMPARE(sheets.count(), 0);
        // The detailing tab has no criterion ticked: every size, Data back.
        w->selectTab(1);
        QVERIFY(datos->isEnabled() && navigator->isEnabled());
        QCOMPARE(text(*w, "LabelA"), QStringLiteral("h= 100 mm"));
        // Back on the empty result, then the search raised: all back.
        w->selectTab(0);
        QVERIFY(!datos->isEnabled() && !navigator->isEnabled());
        w->selectTab(2);
        QVERIFY(!datos->isEnabled() && !navigator->isEnabled() && !busqueda->isEnabled());
        w->selectTab(0);
        busqueda->click();
        QVERIFY(datos->isEnabled() && navigator->isEnabled());
        QCOMPARE(text(*w, "RegT"), QStringLiteral("Record 1"));
        QCOMPARE(text(*w, "DBText1"), QStringLiteral("HEB 100"));
        w->DatosBtClick();
        QCOMPARE(sheets.count(), 1);
    }

    // The latched Search button differs plainly from the raised one in the
    // styles the program meets, not by a shade only.
    void latchedSearchButtonStandsOut_data()
    {
        QTest::addColumn<QString>("style");
        for (const QString &style : QStyleFactory::keys())
            QTest::newRow(qPrintable(style)) << style;
    }
    void latchedSearchButtonStandsOut()
    {
        QFETCH(QString, style);
        std::unique_ptr<QStyle> look(QStyleFactory::create(style));
        QVERIFY(look);
        auto w = open<TILPFm>(SectionFamily::HEB);
        auto *button = w->findChild<QPushButton *>("BusquedaBt");
        button->setStyle(look.get());
        const QImage raised = button->grab().toImage();
        answerNextDialog([](SearchDialog *d) { d->reject(); });
        button->click();
        QVERIFY(button->isChecked());
        const QImage latched = button->grab().toImage();
        QCOMPARE(latched.size(), raised.size());
        int differing = 0;
        for (int y = 0; y < raised.height(); ++y) {
            for (int x = 0; x < raised.width(); ++x) {
                const QColor a = raised.pixelColor(x, y);
                const QColor b = latched.pixelColor(x, y);
                differing += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
                                     + std::abs(a.blue() - b.blue())
                                 > 120;
            }
        }
        // Most of its face changes, by more than a shade (a darker grey, a
        // thin sunken edge): over 40 levels a channel on average.
        QVERIFY2(differing > raised.width() * raised.height() / 2, qPrintable(QString::number(differing)));
        // Raised again, it looks as it did.
        button->click();
        QCOMPARE(button->grab().toImage(), raised);
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
