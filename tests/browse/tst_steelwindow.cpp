// The steel grades window on fixture tables: creation and the order the
// tables open in, the record counter, page switches with the navigator and
// help, the grids, printing, closing, the logo and the translator.
#include "support/TestContext.h"
#include "TestShell.h"
#include "browse/TAceroFm.h"
#include "browse/WindowChrome.h"
#include "browse/TDBNavigator.h"
#include "browse/TRxDBGrid.h"
#include "browse/TableModel.h"
#include "data/AppGlobals.h"
#include "data/Declarations.h"
#include "data/Table.h"
#include "i18n/IvMemoryDictionary.h"
#include "support/Fixture.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

const QList<QVariantMap> kMechanical = {
    {{"Designation", "S235JR"}, {"Fy", "235"}, {"Fu", "360"}, {"Alargamiento", "26"}, {"Resiliencia-JUL", "27"},
     {"Resiliencia-TEMP", "20"}, {"Espesor", "t <= 16"}},
    {{"Designation", "S275JR"}, {"Fy", "275"}, {"Fu", "410"}, {"Alargamiento", "23"}, {"Resiliencia-JUL", "27"},
     {"Resiliencia-TEMP", "20"}, {"Espesor", "t <= 16"}},
    {{"Designation", "S355J2"}, {"Fy", "355"}, {"Fu", "470"}, {"Alargamiento", "22"}, {"Resiliencia-JUL", "27"},
     {"Resiliencia-TEMP", "-20"}, {"Espesor", "t <= 16"}},
};
const QList<QVariantMap> kChemical = {
    {{"Tipo y Grado", "S235JR"}, {"Norma", "EN 10025"}, {"Espesor", "t <= 40"}, {"C", "0.17"}, {"Mn", "1.40"}},
    {{"Tipo y Grado", "S275JR"}, {"Norma", "EN 10025"}, {"Espesor", "t <= 40"}, {"C", "0.21"}, {"Mn", "1.50"}},
};
const QList<QVariantMap> kDesignations = {
    {{"UNE-EN 10025", "S235JR"}, {"Alemania", "RSt 37-2"}, {"Noruega", "NS 12 123"}},
    {{"UNE-EN 10025", "S275JR"}, {"Alemania", "St 44-2"}, {"Noruega", "NS 12 143"}},
};

void writeSteelTables(const QString &dir, const QString &except = QString())
{
    const struct {
        const char *file;
        const TableDecl &decl;
        const QList<QVariantMap> &rows;
    } tables[] = {{"AceroMEC.db", decl::AceroMECTable, kMechanical},
                  {"AceroQUI.db", decl::AceroQUITable, kChemical},
                  {"AceroDES.db", decl::AceroDESTable, kDesignations}};
    for (const auto &t : tables) {
        if (except != QLatin1String(t.file))
            fixture::writeTable(dir, t.file, t.decl, t.rows);
    }
}

QColor colourAt(const QLabel *label) { return label->pixmap().toImage().pixelColor(5, 5); }

} // namespace

class TestSteelWindow : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestShell> m_shell;
    QList<std::pair<QString, int>> m_help;

    std::unique_ptr<TAceroFm> open()
    {
        auto w = std::make_unique<TAceroFm>(testContext());
        m_shell->children.append(w.get());
        w->FormCreate();
        return w;
    }
    static QString counter(const TAceroFm &w) { return w.findChild<QLabel *>("RegT")->text(); }
    static TDBNavigator *navigator(const TAceroFm &w) { return w.findChild<TDBNavigator *>("DBNavigator1"); }
    static QTabWidget *pages(const TAceroFm &w) { return w.findChild<QTabWidget *>("PageControl1"); }
    // Selects a page as the user does, from another page.
    static void choosePage(TAceroFm &w, int page)
    {
        pages(w)->setCurrentIndex(page == 0 ? 1 : 0);
        pages(w)->setCurrentIndex(page);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        testContext().setAppDir(m_dir.path());
        writeSteelTables(m_dir.path());
        help::setHandler([this](const QString &file, int context) { m_help.append({file, context}); });
    }

    void init()
    {
        testContext().setAppDir(m_dir.path());
        testContext().setLanguage(Language::English);
        m_shell = std::make_unique<TestShell>();
        m_help.clear();
    }
    void cleanup() { m_shell.reset(); }

    void opensOnTheFirstPage()
    {
        TAceroFm w(testContext());
        m_shell->children.append(&w);
        // The main window calls it by name.
        QVERIFY(QMetaObject::invokeMethod(&w, "FormCreate", Qt::DirectConnection));
        QCOMPARE(w.windowTitle(), QString("Steels"));
        QCOMPARE(w.findChild<QLabel *>("Panel1")->text(), QString(" Steels"));
        QCOMPARE(m_shell->janela, QList<bool>{true});
        QCOMPARE(w.currentPage(), 0);
        QCOMPARE(pages(w)->currentIndex(), 0);
        QCOMPARE(counter(w), QString("Record 1"));
        QCOMPARE(navigator(w)->table(), w.table(0));
        for (int page = 0; page < 3; ++page) {
            QVERIFY(w.table(page)->isOpen());
            QCOMPARE(w.table(page)->recNo(), 1);
        }
        QCOMPARE(w.table(0)->objectName(), QString("AceroMECTable"));
        QCOMPARE(w.table(1)->objectName(), QString("AceroQUITable"));
        QCOMPARE(w.table(2)->objectName(), QString("AceroDESTable"));
        // Without a dictionary no language change comes: no logo yet.
        QVERIFY(w.findChild<QLabel *>("ImgLogo")->pixmap().isNull());
        // As small as a section window, so that Tile fits it among them.
        QCOMPARE(w.minimumSize(), QSize(chrome::kSmallestWidth, chrome::kSmallestHeight));
        QCOMPARE(w.findChild<QWidget *>("Panel2")->width(), 170);
    }

    void tablesOpenInCreationOrder_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QList<bool>>("open"); // mechanical, chemical, designations
        QTest::newRow("mechanical missing") << "AceroMEC.db" << QList<bool>{false, false, false};
        QTest::newRow("designations missing") << "AceroDES.db" << QList<bool>{true, false, false};
        QTest::newRow("chemical missing") << "AceroQUI.db" << QList<bool>{true, false, true};
    }
    void tablesOpenInCreationOrder()
    {
        QFETCH(QString, missing);
        QFETCH(QList<bool>, open);
        QTemporaryDir dir;
        writeSteelTables(dir.path(), missing);
        testContext().setAppDir(dir.path());
        TAceroFm w(testContext());
        m_shell->children.append(&w);
        QVERIFY_THROWS_EXCEPTION(std::exception, w.FormCreate());
        QCOMPARE((QList<bool>{w.table(0)->isOpen(), w.table(1)->isOpen(), w.table(2)->isOpen()}), open);
        // The window was announced before the tables opened.
        QCOMPARE(m_shell->janela, QList<bool>{true});
    }

    void counterIsWrittenByEveryTable()
    {
        const auto w = open();
        navigator(*w)->button(2)->click(); // Next
        QCOMPARE(w->table(0)->recNo(), 2);
        QCOMPARE(counter(*w), QString("Record 2"));
        navigator(*w)->button(3)->click(); // Last
        QCOMPARE(counter(*w), QString("Record 3"));
        // A table of a page not shown writes it too.
        w->table(2)->last();
        QCOMPARE(w->currentPage(), 0);
        QCOMPARE(counter(*w), QString("Record 2"));
        w->table(0)->first();
        QCOMPARE(counter(*w), QString("Record 1"));
    }

    void pageSwitch_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("topic");
        QTest::newRow("mechanical properties") << 0 << 3 << 1004;
        QTest::newRow("chemical composition") << 1 << 2 << 1005;
        QTest::newRow("equivalent designations") << 2 << 1 << 1003;
    }
    void pageSwitch()
    {
        QFETCH(int, page);
        QFETCH(int, record);
        QFETCH(int, topic);
        const auto w = open();
        w->table(0)->last(); // record 3
        w->table(1)->last(); // record 2
        w->table(2)->first();
        choosePage(*w, page);
        QCOMPARE(w->currentPage(), page);
        QCOMPARE(navigator(*w)->table(), w->table(page));
        QCOMPARE(counter(*w), QString("Record %1").arg(record));
        w->findChild<QPushButton *>("HelpBtn")->click();
        QCOMPARE(m_help, (QList<std::pair<QString, int>>{{testContext().appDir() + "EN-PFHelp.hlp", topic}}));
        // The navigator moves that page's table.
        navigator(*w)->button(0)->click(); // First
        QCOMPARE(w->table(page)->recNo(), 1);
        QCOMPARE(counter(*w), QString("Record 1"));
    }

    void aPageShownTheFirstTimeStartsAtItsFirstColumn()
    {
        TAceroFm w(testContext());
        m_shell->children.append(&w);
        w.resize(900, 500);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.FormCreate();
        for (int page : {1, 2}) {
            choosePage(w, page);
            const auto *grid = pages(w)->widget(page)->findChild<TRxDBGrid *>();
            QCOMPARE(grid->horizontalScrollBar()->value(), 0);
            // The first scrolling column sits right of the fixed one.
            QCOMPARE(grid->columnViewportPosition(1), grid->columnWidth(0));
        }
    }

    void printAsksForTheCatalogueOfThePage()
    {
        const auto w = open();
        QSignalSpy spy(w.get(), &TAceroFm::printRequested);
        choosePage(*w, 2);
        auto *print = w->findChild<QPushButton *>("ImprimirCatBt");
        QCOMPARE(print->text(), QString("&Print"));
        QCOMPARE(print->toolTip(), QString("Print the report related to active table"));
        print->click();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(w->currentPage(), 2);
    }

    void closing_data()
    {
        QTest::addColumn<int>("others"); // other child windows open
        QTest::addColumn<bool>("janela");
        QTest::newRow("the only child window") << 0 << false;
        QTest::newRow("a family window still open") << 1 << true;
    }
    void closing()
    {
        QFETCH(int, others);
        QFETCH(bool, janela);
        QWidget other;
        if (others)
            m_shell->children.append(&other);
        QPointer<TAceroFm> w = new TAceroFm(testContext());
        m_shell->children.append(w.data());
        w->FormCreate();
        const QList<Table *> tables = {w->table(0), w->table(1), w->table(2)};
        w->findChild<QPushButton *>("OKBtn")->click();
        for (Table *t : tables)
            QVERIFY(!t->isOpen());
        QCOMPARE(m_shell->closing, QList<QWidget *>{w.data()});
        QCOMPARE(m_shell->janela, (QList<bool>{true, janela}));
        QTRY_VERIFY(w.isNull()); // destroyed, not hidden
    }

    void logoFollowsTheLanguageCode()
    {
        const auto w = open();
        const auto *logo = w->findChild<QLabel *>("ImgLogo");
        testContext().setLanguage(Language::Spanish);
        w->IvTranslator1LanguageChange();
        QCOMPARE(colourAt(logo), QColor(Qt::red));
        QCOMPARE(logo->size(), QSize(54, 70));
        testContext().setLanguage(Language::English);
        w->IvTranslator1LanguageChange();
        QCOMPARE(colourAt(logo), QColor(Qt::blue));
        testContext().setLanguage(static_cast<Language>(3));
        w->IvTranslator1LanguageChange();
        QCOMPARE(colourAt(logo), QColor(Qt::blue));
    }

    void grids_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QList<int>>("widths"); // 0: the grid's default
        QTest::newRow("mechanical") << 0 << "Mechanical Properties" << "RxDBGrid1"
                                    << QStringList{"Designation", "Thickness (mm)", "fy (MPa)", "fu (MPa)",
                                                   "Minimum elongation (%)", "Minimum absorbed energy (J)",
                                                   QString::fromUtf8("Temperature (°C)")}
                                    << QList<int>{104, 82, 70, 69, 133, 157, 96};
        QTest::newRow("chemical") << 1 << "Chemical Composition" << "RxDBGrid2"
                                  << QStringList{"Designation", "Thickness (mm)", "Standard", "C (max)",
                                                 "Mn (max)", "Si (max)", "S (max)", "P (max)", "N (max)",
                                                 "Cr (max)", "Ni (max)", "Mo (max)", "C.E. (max)"}
                                  << QList<int>{104, 82, 132, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("designations") << 2 << "Equivalent Designations" << "RxDBGrid3"
                                      << QStringList{"Designation", "Germany", "France", "United Kingdom",
                                                     "Spain-NBE EA-95", "Spain-UNE 36080-90", "Italy",
                                                     "Belgium", "Sweden", "Portugal", "Austria", "Norway"}
                                      << QList<int>{104, 103, 98, 99, 117, 134, 100, 99, 96, 98, 102, 97};
    }
    void grids()
    {
        QFETCH(int, page);
        QFETCH(QString, caption);
        QFETCH(QString, grid);
        QFETCH(QStringList, titles);
        QFETCH(QList<int>, widths);
        const auto w = open();
        QCOMPARE(pages(*w)->tabText(page), caption);
        auto *view = pages(*w)->widget(page)->findChild<TRxDBGrid *>(grid);
        QVERIFY(view);
        TableModel *model = view->tableModel();
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->table(), w->table(page));
        QCOMPARE(model->rowCount(), w->table(page)->recordCount());
        QStringList shown;
        const QFontMetrics header = view->horizontalHeader()->fontMetrics();
        for (int c = 0; c < model->columnCount(); ++c) {
            const QString title = model->headerData(c, Qt::Horizontal).toString();
            shown << title;
            // The layout's width, wider only where this desktop's font
            // would cut the title.
            QVERIFY2(view->columnWidth(c) >= std::max(widths.value(c), 1), qPrintable(title));
            QVERIFY2(header.horizontalAdvance(title) < view->columnWidth(c), qPrintable(title));
            QCOMPARE(model->data(model->index(0, c), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        }
        QCOMPARE(shown, titles);
        // The first column in the button face and fixed; then white and the
        // tooltip colour in turn.
        const QPalette palette = QApplication::palette();
        const auto background = [&](int c) { return model->data(model->index(0, c), Qt::BackgroundRole).value<QBrush>().color(); };
        QCOMPARE(background(0), palette.color(QPalette::Button));
        QCOMPARE(background(1), QColor(Qt::white));
        QCOMPARE(background(2), palette.color(QPalette::ToolTipBase));
        QCOMPARE(background(3), QColor(Qt::white));
        QVERIFY(!view->frozenView()->isColumnHidden(0));
        QVERIFY(view->frozenView()->isColumnHidden(1));
    }

    void noteOnTheDesignationsPage()
    {
        const auto w = open();
        auto *note = pages(*w)->widget(2)->findChild<QLabel *>("LBNota");
        QVERIFY(note);
        QCOMPARE(note->text(), QString("  N.B. A42 steel in accordance with Standard NBE EA-95 has no equivalent steel "
                                       "in any of the above designations."));
    }

    void translatorTranslatesTheWindowAndSwapsTheLogo()
    {
        TIvMemoryDictionary d(nullptr, "Dictionary1");
        d.addLanguage(TIvMemoryDictionary::english());
        d.addLanguage(TIvMemoryDictionary::spanish());
        d.setBinding(ivbiLanguageToLocale);
        d.setSubLanguage(0);
        d.setLanguage(0);
        d.setOptions(ivdoAll & ~TIvDictionaryOptions(ivdoUpdateLocaleVariables));
        const QList<QPair<QString, QString>> spanish = {
            {"Mechanical Properties", QString::fromUtf8("Propiedades Mecánicas")},
            {"Germany", "Alemania"},
            {"&Close", "&Cerrar"},
            {"Print the report related to active table", "Imprimir el informe de la tabla activa"},
            {"First record", "Primer registro"},
            {"fy (MPa)", QString::fromUtf8("Límite elástico mínimo fy (MPa)")},
            {"Steels", "Aceros"}};
        for (const auto &[native, es] : spanish)
            d.addTranslation(native, {native, es});
        d.open();
        testContext().setLanguage(Language::Spanish);
        d.setLanguage(2);
        const auto w = open();
        const auto *logo = w->findChild<QLabel *>("ImgLogo");
        QCOMPARE(w->windowTitle(), QString("Aceros"));
        QCOMPARE(pages(*w)->tabText(0), QString::fromUtf8("Propiedades Mecánicas"));
        QCOMPARE(w->findChild<TRxDBGrid *>("RxDBGrid3")->tableModel()->headerData(1, Qt::Horizontal).toString(),
                 QString("Alemania"));
        QCOMPARE(w->findChild<QPushButton *>("OKBtn")->text(), QString("&Cerrar"));
        QCOMPARE(w->findChild<QPushButton *>("ImprimirCatBt")->toolTip(),
                 QString("Imprimir el informe de la tabla activa"));
        QCOMPARE(navigator(*w)->button(0)->toolTip(), QString("Primer registro"));
        QCOMPARE(colourAt(logo), QColor(Qt::red));
        // A longer title widens its column.
        const auto *grid1 = w->findChild<TRxDBGrid *>("RxDBGrid1");
        QVERIFY(grid1->horizontalHeader()->fontMetrics().horizontalAdvance(
                    QString::fromUtf8("Límite elástico mínimo fy (MPa)")) < grid1->columnWidth(2));
        testContext().setLanguage(Language::English);
        d.setLanguage(1);
        QCOMPARE(pages(*w)->tabText(0), QString("Mechanical Properties"));
        QCOMPARE(navigator(*w)->button(0)->toolTip(), QString("First record"));
        QCOMPARE(colourAt(logo), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestSteelWindow)
#include "tst_steelwindow.moc"
