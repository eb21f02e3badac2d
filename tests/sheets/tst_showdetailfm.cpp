// The detailing sheet on fixture tables: the slots of every family, the
// forms of a section that takes no bolt, stepping under a detailing search,
// pictures and layout.
#include "support/TestContext.h"
#include "SheetFixture.h"
#include "browse/FamilyWindow.h"
#include "browse/Texts.h"
#include "data/CalcFields.h"
#include "sheets/TShowDetailFm.h"

#include <QAction>
#include <QRegularExpression>

using namespace sheettest;

namespace {

QString slotText(const TShowDetailFm &sheet, const QString &slot)
{
    const QLabel *label = sheet.slotLabel(slot);
    return label ? label->text() : QStringLiteral("<no slot %1>").arg(slot);
}

} // namespace

class TestShowDetailFm : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestShell> m_shell;
    std::vector<std::unique_ptr<FamilyWindow>> m_windows;

    FamilyWindow &window(const QString &key)
    {
        m_windows.push_back(openFamily(*m_shell, key));
        m_windows.back()->selectTab(1);
        return *m_windows.back();
    }

    std::unique_ptr<TShowDetailFm> sheetOn(const QString &key, const QString &row)
    {
        FamilyWindow &w = window(key);
        goTo(w, row);
        auto sheet = std::make_unique<TShowDetailFm>(&w);
        sheet->Atualiza(0);
        return sheet;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        testContext().setAppDir(m_dir.path());
        writeTables(m_dir.path());
        help::setHandler({});
    }

    void init()
    {
        testContext().setLanguage(Language::English);
        m_shell = std::make_unique<TestShell>();
    }

    void cleanup()
    {
        m_windows.clear();
        m_shell.reset();
    }

    void slotTexts_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("expected");
        const auto add = [](const char *key, const char *row, const QList<QPair<const char *, QString>> &texts) {
            for (const auto &[slot, text] : texts)
                QTest::addRow("%s %s", row, slot) << key << row << slot << text;
        };
        // Ss = tw + 2 tf + (4 - 2 sqrt 2) r: 9 + 30 + 1.1716 x 18 = 60.1 mm for
        // HEB 200 and 7.1 + 21.4 + 1.1716 x 15 = 46.1 mm for IPE 300, as published.
        add("HEB", "HEB 200",
            {{"LBh", "h = 200 mm"},
             {"LBb", "b = 200 mm"},
             {"LBtf", "tf = 15.0 mm"},
             {"LBtw", "tw = 9.0 mm"},
             {"LBDmax", "dmax bolt      M27 "},
             {"LBPmin", "pmin = 94 mm"},
             {"LBPmax", "pmax = 106 mm"},
             {"LBSs", "Ss = 60.1 mm"}});
        add("IPE", "IPE 300",
            {{"LBh", "h = 300 mm"},
             {"LBb", "b = 150 mm"},
             {"LBtf", "tf = 10.7 mm"},
             {"LBtw", "tw = 7.1 mm"},
             {"LBDmax", "dmax bolt      M24 "},
             {"LBPmin", "pmin = 70 mm"},
             {"LBPmax", "pmax = 86 mm"},
             {"LBSs", "Ss = 46.1 mm"}});
        // IPN and UPN store Ss in mm.
        add("IPN", "IPN 200",
            {{"LBh", "h = 200 mm"},
             {"LBb", "b = 90 mm"},
             {"LBtf", "tf = 11.3 mm"},
             {"LBtw", "tw = 7.5 mm"},
             {"LBDmax", "dmax bolt      M12 "},
             {"LBPmin", "pmin = 50 mm"},
             {"LBPmax", "pmax = 54 mm"},
             {"LBSs", "Ss = 61.2 mm"}});
        add("UPN", "UPN 200",
            {{"LBh", "h = 200 mm"},
             {"LBb", "b = 75 mm"},
             {"LBtf", "tf = 11.5 mm"},
             {"LBtw", "tw = 8.5 mm"},
             {"LBDmax", "dmax bolt      M20 "},
             {"LBPmin", "emin = 25 mm"},
             {"LBPmax", "emax = 30 mm"},
             {"LBSs", "Ss = 52.5 mm"}});
        add("ANG", "L 100x100x10",
            {{"LBh", "h = 100 mm"},
             {"LBb", "t = 10.0 mm"},
             {"LBtf", ""},
             {"LBtw", ""},
             {"LBDmax", "dmax bolt      M24 "},
             {"LBPmin", "emin = 55 mm"},
             {"LBPmax", "emax = 60 mm"},
             {"LBSs", ""}});
    }
    void slotTexts()
    {
        QFETCH(QString, key);
        QFETCH(QString, row);
        QFETCH(QString, slot);
        QFETCH(QString, expected);
        const auto sheet = sheetOn(key, row);
        QCOMPARE(slotText(*sheet, slot), expected);
    }

    void noBolt_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("gaugeMin");
        QTest::addColumn<QString>("gaugeMax");
        // Each of these rows has its gauges filled: only Dmax decides.
        QTest::newRow("HE") << "HEM" << "HEM 100" << "pmin =   - " << "pmax =   - ";
        QTest::newRow("UPN") << "UPN" << "UPN 80" << "emin =   - " << "emax =   - ";
        QTest::newRow("angle") << "ANG" << "L 20x20x3" << "emin =   - " << "emax =   - ";
    }
    void noBolt()
    {
        QFETCH(QString, key);
        QFETCH(QString, row);
        QFETCH(QString, gaugeMin);
        QFETCH(QString, gaugeMax);
        const auto sheet = sheetOn(key, row);
        QVERIFY(!m_windows.back()->sectionTable()->field(key == u"HEM" ? "Pmin" : "Emin").asString().isEmpty());
        QCOMPARE(slotText(*sheet, "LBDmax"), QString("dmax bolt      -"));
        QCOMPARE(slotText(*sheet, "LBPmin"), gaugeMin);
        QCOMPARE(slotText(*sheet, "LBPmax"), gaugeMax);
    }

    void hyphenFormsDoNotOutliveTheirSection()
    {
        const auto sheet = sheetOn("HEM", "HEM 100");
        sheet->Atualiza(-1);
        QCOMPARE(sheet->windowTitle(), QString("HEM 1000"));
        QCOMPARE(slotText(*sheet, "LBDmax"), QString("dmax bolt      M27 "));
        QCOMPARE(slotText(*sheet, "LBPmin"), QString("pmin = 190 mm"));
        QCOMPARE(slotText(*sheet, "LBPmax"), QString("pmax = 196 mm"));
    }

    void inSpanishOnlyTheBoltWordsFollowTheDictionary()
    {
        // The dictionary also knows the prefixes: they must stay as they are.
        const auto d = dictionary({{"dmax bolt", "dmax tornillo"}, {"pmin = ", "pmín = "}, {"h = ", "a = "}});
        testContext().setLanguage(Language::Spanish);
        d->setLanguage(2);
        const auto sheet = sheetOn("HEB", "HEB 200");
        QCOMPARE(slotText(*sheet, "LBDmax"), texts::TranslateString("dmax bolt") + "      M27 ");
        QCOMPARE(slotText(*sheet, "LBPmin"), QString("pmin = 94 mm"));
        QCOMPARE(slotText(*sheet, "LBh"), QString("h = 200 mm"));
        // Read again at every fill.
        testContext().setLanguage(Language::English);
        d->setLanguage(1);
        sheet->Atualiza(1);
        QCOMPARE(slotText(*sheet, "LBDmax"), texts::TranslateString("dmax bolt") + "      M27 ");
    }

    void steppingUnderADetailingSearch()
    {
        FamilyWindow &w = window("HEB");
        // Detailing criterion 1 is h: 150 < h < 350 mm.
        search(w, 1, {true, Between, 150, 350});
        QVERIFY(w.Filtrado(2));
        goTo(w, "HEB 300");
        TShowDetailFm sheet(&w);
        sheet.Atualiza(0);
        const QList<std::pair<int, QString>> steps = {{1, "HEB 160"}, {1, "HEB 160"}, {-1, "HEB 300"},
                                                      {-1, "HEB 200"}, {-1, "HEB 200"}};
        for (const auto &[step, shown] : steps) {
            sheet.Atualiza(step);
            QCOMPARE(sheet.windowTitle(), shown);
            QCOMPARE(designation(w), shown);
        }
        QCOMPARE(slotText(sheet, "LBPmin"), QString("pmin = 94 mm"));
    }

    void picture_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("picture");
        QTest::newRow("HEA") << "HEA" << "ImgHE";
        QTest::newRow("IPE") << "IPE" << "ImgIPE";
        QTest::newRow("IPN") << "IPN" << "ImgIPN";
        QTest::newRow("UPN") << "UPN" << "ImgUPN";
        QTest::newRow("ANG") << "ANG" << "ImgAng";
    }
    void picture()
    {
        QFETCH(QString, key);
        QFETCH(QString, picture);
        // The window is created as the main window creates it; the
        // picture does not wait for its table.
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow(key);
        TShowDetailFm sheet(w.get());
        QStringList shown;
        for (const char *name : {"ImgHE", "ImgIPE", "ImgIPN", "ImgUPN", "ImgAng"}) {
            auto *label = sheet.findChild<QLabel *>(name);
            QCOMPARE(label->pixmap().size(), QSize(195, 190));
            if (!label->isHidden())
                shown << name;
        }
        QCOMPARE(shown, QStringList{picture});
    }

    void layout()
    {
        TShowDetailFm sheet;
        // A fixed page: it cannot be resized.
        QCOMPARE(sheet.minimumSize(), sheet.maximumSize());
        QVERIFY(!sheet.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        const QStringList names = {"LBh", "LBtw", "LBb", "LBtf", "LBDmax", "LBPmin", "LBPmax", "LBSs"};
        QCOMPARE(sheet.slotLabels().size(), names.size());
        for (const QString &slot : names)
            QVERIFY2(sheet.slotLabel(slot), qPrintable(slot));
        // Two grey lines under the value columns, and the bar at the foot.
        QCOMPARE(sheet.findChildren<QFrame *>(QRegularExpression("^Linha")).size(), 2);
        const auto *bar = sheet.findChild<QFrame *>("Panel1");
        QCOMPARE(bar->width(), sheet.width());
        QCOMPARE(bar->geometry().bottom(), sheet.rect().bottom());
        const QStringList order = {"Imprimir", "HelpBtn", "AnteriorBt", "ProximoBt"};
        for (int i = 1; i < order.size(); ++i)
            QVERIFY(sheet.findChild<QWidget *>(order[i - 1])->x() < sheet.findChild<QWidget *>(order[i])->x());
    }
};

QTEST_MAIN(TestShowDetailFm)
#include "tst_showdetailfm.moc"
