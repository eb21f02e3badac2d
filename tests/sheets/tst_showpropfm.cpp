// The property sheet on fixture tables: the slots of every family against
// the family computations, empty and undefined values, the locale's decimal
// separator, stepping with and without a search, caption, pictures, layout,
// bottom bar, context menu, help, logo and translator.
#include "support/TestContext.h"
#include "SheetFixture.h"
#include "browse/ErrorReport.h"
#include "browse/FamilyWindow.h"
#include "data/CalcFields.h"
#include "sheets/TShowPropFm.h"
#include "sheets/TSpeedButton.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>

#include <cmath>

using namespace sheettest;

namespace {

QString slotText(const TShowPropFm &sheet, const QString &slot)
{
    const QLabel *label = sheet.slotLabel(slot);
    return label ? label->text() : QStringLiteral("<no slot %1>").arg(slot);
}

// The HEB rows' heights, to see which row a sheet was filled from.
int hebHeight(const QString &designation)
{
    return designation == u"HEB 160" ? 160 : designation.mid(4).toInt();
}

} // namespace

class TestShowPropFm : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestShell> m_shell;
    std::vector<std::unique_ptr<FamilyWindow>> m_windows;
    QList<std::pair<QString, int>> m_help;

    FamilyWindow &window(const QString &key)
    {
        m_windows.push_back(openFamily(*m_shell, key));
        return *m_windows.back();
    }

    // A property sheet opened on a row of the family window of key.
    std::unique_ptr<TShowPropFm> sheetOn(const QString &key, const QString &row)
    {
        FamilyWindow &w = window(key);
        goTo(w, row);
        auto sheet = std::make_unique<TShowPropFm>(&w);
        sheet->Atualiza(0);
        return sheet;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        testContext().setAppDir(m_dir.path());
        writeTables(m_dir.path());
        help::setHandler([this](const QString &file, int context) { m_help.append({file, context}); });
    }

    void init()
    {
        testContext().setLanguage(Language::English);
        m_shell = std::make_unique<TestShell>();
        m_help.clear();
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

        // HEB 200 (h 200, b 200, tw 9, tf 15, r 18 mm): the published figures are
        // A 78.1 cm2, Iy 5696 cm4, iy 8.54 cm, Iz 2003 cm4, iz 5.07 cm, Avz 24.83 cm2,
        // AL 1.151 m2/m and AG 18.78 m2/t; the exact outline gives the others.
        add("HEB", "HEB 200",
            {{"LBh", "h = 200 mm"},
             {"LBr", "r = 18 mm"},
             {"LBb", "b = 200 mm"},
             {"LBd", "d = 134.0 mm"},
             {"LBtw", "tw = 9.0 mm"},
             {"LBhi", "hi = 170.0 mm"},
             {"LBtf", "tf = 15.0 mm"},
             {"LBA", "A = 78.1 cm2"},
             {"LBM", "M = 61.3 kg/m"},
             {"LBIy", "Iy = 5697 cm4"},
             {"LBIz", "Iz = 2003 cm4"},
             {"LBWy", "Wy = 569.7 cm3"},
             {"LBWz", "Wz = 200.3 cm3"},
             {"LBWply", "Wply = 642.6 cm3"},
             {"LBWplz", "Wplz = 305.8 cm3"},
             {"LBry", "iy = 8.54 cm"},
             {"LBrz", "iz = 5.07 cm"},
             {"LBIt", "It = 59.7 cm4"},
             {"LBIw", "Iw = 171413 cm6"},
             {"LBSy", "Sy = 321.3 cm3"},
             {"LBAvz", "Avz = 24.84 cm2"},
             {"LBssy", "sy = 17.7 cm"},
             {"LBAL", "AL = 1.151 m2/m"},
             {"LBAG", "AG = 18.78 m2/t"}});

        // IPE shares the HE slots.
        add("IPE", "IPE 300",
            {{"LBh", "h = 300 mm"},
             {"LBr", "r = 15 mm"},
             {"LBtw", "tw = 7.1 mm"},
             {"LBhi", "hi = 278.6 mm"},
             {"LBry", "iy = 12.46 cm"},
             {"LBssy", "sy = 26.6 cm"}});

        // IPN: stored properties as the grid shows them (Iy and Iz whole cm4,
        // It with three significant digits); by hand, M = 33.4 x 0.785 = 26.2 kg/m,
        // Wy = 2 x 2140 / 20 = 214.0 cm3, Wz = 2 x 117 / 9 = 26.0 cm3,
        // sy = 2140 / 125 = 17.1 cm, AG = 0.709 / 0.02622 = 27.04 m2/t.
        add("IPN", "IPN 200",
            {{"LBh", "h = 200 mm"},
             {"LBr", "r2 = 4.5 mm"},
             {"LBb", "tf = 11.3 mm"},
             {"LBd", "b = 90 mm"},
             {"LBtw", "r1 = 7.5 mm"},
             {"LBhi", "d = 133.7 mm"},
             {"LBtf", "tw = 7.5 mm"},
             {"LBA", "A = 33.4 cm2"},
             {"LBM", "M = 26.2 kg/m"},
             {"LBIy", "Iy = 2140 cm4"},
             {"LBIz", "Iz = 117 cm4"},
             {"LBWy", "Wy = 214.0 cm3"},
             {"LBWz", "Wz = 26.0 cm3"},
             {"LBWply", "Wply = 250.0 cm3"},
             {"LBWplz", "Wplz = 43.5 cm3"},
             {"LBry", "iy = 8.00 cm"},
             {"LBrz", "iz = 1.87 cm"},
             {"LBIt", "It = 6.02 cm4"},
             {"LBIw", "Iw = 10520 cm6"},
             {"LBSy", "Sy = 125.0 cm3"},
             {"LBAvz", "Avz = 13.96 cm2"},
             {"LBssy", "sy = 17.1 cm"},
             {"LBAL", "AL = 0.709 m2/m"},
             {"LBAG", "AG = 27.04 m2/t"}});

        // UPN: It with two decimals; AG, AL and Avz move up a line to make
        // room for ys and ym at the bottom. Wz is taken at the flange tips:
        // 148 / (7.5 - 2.01) = 27.0 cm3.
        add("UPN", "UPN 200",
            {{"LBh", "h = 200 mm"},
             {"LBr", "r2 = 6.0 mm"},
             {"LBb", "tf = 11.5 mm"},
             {"LBd", "b = 75 mm"},
             {"LBtw", "r1 = 11.5 mm"},
             {"LBhi", "d = 151.0 mm"},
             {"LBtf", "tw = 8.5 mm"},
             {"LBA", "A = 32.2 cm2"},
             {"LBM", "M = 25.3 kg/m"},
             {"LBIy", "Iy = 1910 cm4"},
             {"LBIz", "Iz = 148 cm4"},
             {"LBWy", "Wy = 191.0 cm3"},
             {"LBWz", "Wz = 27.0 cm3"},
             {"LBWply", "Wply = 228.0 cm3"},
             {"LBWplz", "Wplz = 51.8 cm3"},
             {"LBry", "iy = 7.70 cm"},
             {"LBrz", "iz = 2.14 cm"},
             {"LBIt", "It = 11.87 cm4"},
             {"LBIw", "Iw = 9070 cm6"},
             {"LBSy", "AG = 26.15 m2/t"},
             {"LBAvz", "AL = 0.661 m2/m"},
             {"LBssy", "Avz = 20.34 cm2"},
             {"LBAL", "ys = 2.01 cm"},
             {"LBAG", "ym = 3.94 cm"}});

        // Angles: nothing in the top corners nor in the z moduli; the leg
        // length is written one slot down. Every value as the grid shows it:
        // A and M with two decimals, Iyz with one.
        add("ANG", "L 100x100x10",
            {{"LBh", ""},
             {"LBr", ""},
             {"LBb", "h = 100 mm"},
             {"LBd", "t = 10.0 mm"},
             {"LBtw", "r1 = 12.0 mm"},
             {"LBhi", "r2 = 6.0 mm"},
             {"LBtf", "ys = zs = 2.82 cm"},
             {"LBA", "A = 19.15 cm2"},
             {"LBM", "M = 15.04 kg/m"},
             {"LBIy", "Iy = Iz = 176.66 cm4"},
             {"LBIz", "Iyz = 103.7 cm4"},
             {"LBWy", "Wy = Wz = 24.61 cm3"},
             {"LBWz", ""},
             {"LBWply", "iy = iz = 3.04 cm"},
             {"LBWplz", ""},
             {"LBry", "Iu = 280.33 cm4"},
             {"LBrz", "Iv = 72.99 cm4"},
             {"LBIt", "iu = 3.83 cm"},
             {"LBIw", "iv = 1.95 cm"},
             {"LBSy", "u1 = 3.99 cm"},
             {"LBAvz", "v = 7.07 cm"},
             {"LBssy", "u2 = 3.54 cm"},
             {"LBAL", "AL = 0.390 m2/m"},
             {"LBAG", "AG = 25.92 m2/t"}});
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

    void publishedExample_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("expected");
        QTest::newRow("A") << "LBA" << "A = 78.1 cm2";
        QTest::newRow("Iy") << "LBIy" << "Iy = 5697 cm4";
        QTest::newRow("iy") << "LBry" << "iy = 8.54 cm";
        QTest::newRow("AL") << "LBAL" << "AL = 1.151 m2/m";
        QTest::newRow("d") << "LBd" << "d = 134.0 mm";
        QTest::newRow("hi") << "LBhi" << "hi = 170.0 mm";
    }
    void publishedExample()
    {
        QFETCH(QString, slot);
        QFETCH(QString, expected);
        const auto sheet = sheetOn("HEB", "HEB 200");
        QCOMPARE(slotText(*sheet, slot), expected);
    }

    void upnShowsCentroidDistancesInsteadOfStaticMoments()
    {
        const auto sheet = sheetOn("UPN", "UPN 200");
        QVERIFY(slotText(*sheet, "LBAL").startsWith("ys = "));
        QVERIFY(slotText(*sheet, "LBAG").startsWith("ym = "));
        for (const QLabel *slot : sheet->slotLabels()) {
            QVERIFY2(!slot->text().startsWith("Sy = ") && !slot->text().startsWith("sy = "),
                     qPrintable(slot->objectName() + ": " + slot->text()));
        }
    }

    void commaLocaleAndNoThousandsSeparator()
    {
        LocaleGuard guard;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // HEM 1000: Iw is some 43 million cm6, where a grouping separator would show.
        const auto sheet = sheetOn("HEM", "HEM 1000");
        QCOMPARE(slotText(*sheet, "LBIw"), QString("Iw = 43242115 cm6"));
        QCOMPARE(slotText(*sheet, "LBry"), QString("iy = 40,32 cm"));
        QCOMPARE(slotText(*sheet, "LBAL"), QString("AL = 3,130 m2/m"));
        QCOMPARE(slotText(*sheet, "LBIy"), QString("Iy = 722330 cm4"));
    }

    void stepping_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("searched");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QStringList>("shown"); // after each step

        QTest::newRow("next") << "HEB 100" << false << QList<int>{1, 1} << QStringList{"HEB 200", "HEB 300"};
        QTest::newRow("previous") << "HEB 300" << false << QList<int>{-1, -1} << QStringList{"HEB 200", "HEB 100"};
        QTest::newRow("no step") << "HEB 300" << false << QList<int>{0} << QStringList{"HEB 300"};
        QTest::newRow("next at the last row") << "HEB 400" << false << QList<int>{1, 1, -1}
                                              << QStringList{"HEB 160", "HEB 160", "HEB 400"};
        QTest::newRow("previous at the first row") << "HEB 100" << false << QList<int>{-1, 1}
                                                   << QStringList{"HEB 100", "HEB 200"};
        // 150 < h < 350 mm rejects HEB 100 (first) and HEB 400 (fourth).
        QTest::newRow("search: next skips a rejected row") << "HEB 300" << true << QList<int>{1, 1, -1}
                                                           << QStringList{"HEB 160", "HEB 160", "HEB 300"};
        QTest::newRow("search: previous stops at the first accepted")
            << "HEB 300" << true << QList<int>{-1, -1} << QStringList{"HEB 200", "HEB 200"};
    }
    void stepping()
    {
        QFETCH(QString, start);
        QFETCH(bool, searched);
        QFETCH(QList<int>, steps);
        QFETCH(QStringList, shown);
        FamilyWindow &w = window("HEB");
        if (searched) {
            search(w, 1, {true, Between, 150, 350});
            QCOMPARE(w.sectionTable()->recordCount(), 3);
            QVERIFY(w.Filtrado(1));
        }
        goTo(w, start);
        TShowPropFm sheet(&w);
        sheet.Atualiza(0);
        QCOMPARE(sheet.windowTitle(), start);
        for (int i = 0; i < steps.size(); ++i) {
            sheet.Atualiza(steps[i]);
            QCOMPARE(designation(w), shown[i]);
            QCOMPARE(sheet.findChild<QLabel *>("PerfilT")->text(), shown[i]);
            QCOMPARE(sheet.windowTitle(), shown[i]);
            QCOMPARE(slotText(sheet, "LBh"), QString("h = %1 mm").arg(hebHeight(shown[i])));
        }
    }

    void theEndOfTheTableFillsTheSameSectionAgain()
    {
        FamilyWindow &w = window("HEB");
        goTo(w, "HEB 160");
        TShowPropFm sheet(&w);
        sheet.Atualiza(0);
        const QString area = slotText(sheet, "LBA");
        sheet.slotLabel("LBA")->clear();
        sheet.findChild<QLabel *>("PerfilT")->clear();
        sheet.Atualiza(1);
        QCOMPARE(slotText(sheet, "LBA"), area);
        QCOMPARE(sheet.findChild<QLabel *>("PerfilT")->text(), QString("HEB 160"));
    }

    // The arrows and the menu's Previous and Next are enabled only where
    // there is a size to step to, also after stepping and under a search.
    void arrowsAtTheEnds_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("searched");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        QTest::newRow("first row") << "HEB" << false << "HEB 100" << 0 << false << true;
        QTest::newRow("a middle row") << "HEB" << false << "HEB 300" << 0 << true << true;
        QTest::newRow("last row") << "HEB" << false << "HEB 160" << 0 << true << false;
        QTest::newRow("stepped onto the last row") << "HEB" << false << "HEB 400" << 1 << true << false;
        QTest::newRow("stepped off the first row") << "HEB" << false << "HEB 100" << 1 << true << true;
        QTest::newRow("stepped back onto the first row") << "HEB" << false << "HEB 200" << -1 << false << true;
        // 150 < h < 350 mm accepts HEB 200, HEB 300 and HEB 160.
        QTest::newRow("search: first accepted") << "HEB" << true << "HEB 200" << 0 << false << true;
        QTest::newRow("search: last accepted") << "HEB" << true << "HEB 300" << 1 << true << false;
        QTest::newRow("the only row") << "IPE" << false << "IPE 300" << 0 << false << false;
    }
    void arrowsAtTheEnds()
    {
        QFETCH(QString, key);
        QFETCH(bool, searched);
        QFETCH(QString, start);
        QFETCH(int, step);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        FamilyWindow &w = window(key);
        if (searched)
            search(w, 1, {true, Between, 150, 350});
        goTo(w, start);
        TShowPropFm sheet(&w);
        sheet.Atualiza(step);
        QCOMPARE(sheet.findChild<QWidget *>("AnteriorBt")->isEnabled(), previous);
        QCOMPARE(sheet.findChild<QAction *>("AnteriorMn")->isEnabled(), previous);
        QCOMPARE(sheet.findChild<QWidget *>("ProximoBt")->isEnabled(), next);
        QCOMPARE(sheet.findChild<QAction *>("ProximoMn")->isEnabled(), next);
    }

    void aSearchThatAcceptsNothingLeavesEverySlotEmpty()
    {
        FamilyWindow &w = window("HEB");
        search(w, 1, {true, MoreThan, 5000, 0});
        QCOMPARE(w.sectionTable()->recordCount(), 0);
        TShowPropFm sheet(&w);
        sheet.Atualiza(1);
        for (const QLabel *slot : sheet.slotLabels())
            QVERIFY2(slot->text().isEmpty(), qPrintable(slot->objectName() + ": " + slot->text()));
        // The caption is the designation, which is empty too.
        QCOMPARE(sheet.windowTitle(), QString());
        // Nothing to step to.
        QVERIFY(!sheet.findChild<QWidget *>("AnteriorBt")->isEnabled());
        QVERIFY(!sheet.findChild<QWidget *>("ProximoBt")->isEnabled());
    }

    void captionIsSectionUntilFilled()
    {
        FamilyWindow &w = window("IPN");
        TShowPropFm sheet(&w);
        QCOMPARE(sheet.windowTitle(), QString("Section"));
        sheet.Atualiza(0);
        QCOMPARE(sheet.windowTitle(), QString("IPN 200"));
        QCOMPARE(sheet.windowTitle(), sheet.findChild<QLabel *>("PerfilT")->text());
    }

    void withoutAFamilyWindowTheSheetStaysAsItIs()
    {
        // A sheet given no family window.
        TShowPropFm sheet(nullptr);
        sheet.Atualiza(1);
        QCOMPARE(sheet.windowTitle(), QString("Section"));
        QCOMPARE(slotText(sheet, "LBh"), QString());
    }

    void picture_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("picture");
        QTest::newRow("HEA") << "HEA" << "ImgHE";
        QTest::newRow("HEB") << "HEB" << "ImgHE";
        QTest::newRow("HEM") << "HEM" << "ImgHE";
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
        TShowPropFm sheet(w.get());
        QStringList shown;
        for (const char *name : {"ImgHE", "ImgIPE", "ImgIPN", "ImgUPN", "ImgAng"}) {
            auto *label = sheet.findChild<QLabel *>(name);
            QVERIFY(label);
            QCOMPARE(label->pixmap().size(), QSize(195, 290));
            if (!label->isHidden())
                shown << name;
        }
        QCOMPARE(shown, QStringList{picture});
    }

    void layout()
    {
        TShowPropFm sheet;
        // A fixed page: it cannot be resized.
        QCOMPARE(sheet.minimumSize(), sheet.maximumSize());
        const Qt::WindowFlags flags = sheet.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(sheet.palette().color(QPalette::Window), QColor(Qt::white));
        const auto *perfil = sheet.findChild<QLabel *>("PerfilT");
        QCOMPARE(perfil->font().pixelSize(), 24);
        QVERIFY(perfil->font().bold());
        QCOMPARE(sheet.slotLabels().size(), 24);
        // The grey lines run under the value columns, inside the page.
        for (const QFrame *f : sheet.findChildren<QFrame *>(QRegularExpression("^Linha"))) {
            QCOMPARE(f->height(), 1);
            QVERIFY(sheet.rect().contains(f->geometry()));
            for (const QLabel *slot : sheet.slotLabels())
                QVERIFY(f->x() <= slot->x());
        }
    }

    void bottomBar()
    {
        TShowPropFm sheet;
        // The bar spans the foot of the page.
        const auto *bar = sheet.findChild<QFrame *>("Panel1");
        QCOMPARE(bar->width(), sheet.width());
        QCOMPARE(bar->geometry().bottom(), sheet.rect().bottom());
        QCOMPARE(sheet.findChild<QPushButton *>("Imprimir")->text(), QString("&Print"));
        QVERIFY(sheet.findChild<QPushButton *>("HelpBtn"));
        for (const auto &[name, hint] : {std::pair{"AnteriorBt", "Previous section"}, {"ProximoBt", "Next section"}}) {
            const QWidget *b = sheet.findChild<QWidget *>(name);
            QCOMPARE(b->metaObject()->className(), "TSpeedButton");
            QCOMPARE(b->toolTip(), QString(hint));
            QVERIFY(static_cast<const TSpeedButton *>(b)->autoRaise());
        }
        // Save Outline between Help and the arrows.
        const QWidget *contorno = sheet.findChild<QPushButton *>("ContornoBt");
        QCOMPARE(static_cast<const QPushButton *>(contorno)->text(), QString("Save &Outline..."));
        QVERIFY(contorno->x() > sheet.findChild<QWidget *>("HelpBtn")->geometry().right());
        QVERIFY(contorno->geometry().right() < sheet.findChild<QWidget *>("AnteriorBt")->x());
        QVERIFY(sheet.findChild<QWidget *>("AnteriorBt")->x() < sheet.findChild<QWidget *>("ProximoBt")->x());
        QVERIFY(sheet.findChild<QWidget *>("ProximoBt")->geometry().right() < sheet.width());
    }

    void contextMenuItems()
    {
        TShowPropFm sheet;
        QStringList items;
        for (const QAction *a : sheet.contextMenu()->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + ' ' + a->text());
        QCOMPARE(items, (QStringList{"ImprimirMn &Print", "ContornoMn Save &Outline...", "-", "AnteriorMn P&revious",
                                     "ProximoMn &Next", "-", "CerrarMn &Close"}));
    }

    // Save Outline... writes the outline of the size shown, as DXF or SVG by
    // the name chosen, from the button or the menu item; the dialog is
    // offered the designation in the folder of the last outline saved.
    void saveOutline_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("row");
        QTest::addColumn<int>("step"); // before saving
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("shown"); // the size written
        QTest::newRow("button, DXF") << "HEB" << "HEB 200" << 0 << "ContornoBt" << "a.dxf" << "HEB 200";
        QTest::newRow("menu item, SVG") << "UPN" << "UPN 200" << 0 << "ContornoMn" << "b.svg" << "UPN 200";
        QTest::newRow("after Next") << "HEB" << "HEB 200" << 1 << "ContornoMn" << "c.svg" << "HEB 300";
        QTest::newRow("angle") << "ANG" << "L 20x20x3" << 0 << "ContornoBt" << "d.SVG" << "L 20x20x3";
    }
    void saveOutline()
    {
        QFETCH(QString, family);
        QFETCH(QString, row);
        QFETCH(int, step);
        QFETCH(QString, command);
        QFETCH(QString, file);
        QFETCH(QString, shown);
        QTemporaryDir out;
        const QString target = QDir(out.path()).filePath(file);
        const auto sheet = sheetOn(family, row);
        sheet->Atualiza(step);
        QStringList offered;
        sheet->setFileChooser([&](QWidget *parent, const QString &suggested) {
            offered << suggested;
            return parent == sheet.get() ? target : QString();
        });
        if (auto *action = sheet->findChild<QAction *>(command))
            action->trigger();
        else
            sheet->findChild<QAbstractButton *>(command)->click();
        QCOMPARE(offered.size(), 1);
        QCOMPARE(QFileInfo(offered.first()).fileName(), shown + ".dxf");
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        if (file.endsWith("dxf"))
            QVERIFY(bytes.contains("OUTLINE") && bytes.contains("ARC"));
        else
            QVERIFY(bytes.contains("<title>" + shown.toUtf8() + "</title>"));
        // The next outline is offered in the same folder.
        sheet->findChild<QAbstractButton *>("ContornoBt")->click();
        QCOMPARE(QFileInfo(offered.last()).absolutePath(), QFileInfo(target).absolutePath());
    }

    void cancelledOutlineWritesNothing()
    {
        QTemporaryDir out;
        const auto sheet = sheetOn("HEB", "HEB 200");
        sheet->setFileChooser([](QWidget *, const QString &) { return QString(); });
        sheet->findChild<QAbstractButton *>("ContornoBt")->click();
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(sheet->windowTitle(), QString("HEB 200"));
    }

    // A file that cannot be written goes to the general error report, which
    // names it; nothing is left behind and the sheet stays.
    void outlineWriteFailureIsReported()
    {
        static QStringList reports;
        reports.clear();
        errorreport::setPresenter([](const QString &, const QString &text) { reports << text; });
        QTemporaryDir out;
        const QString target = QDir(out.path()).filePath("missing/HEB 200.dxf");
        const auto sheet = sheetOn("HEB", "HEB 200");
        sheet->show();
        sheet->setFileChooser([&](QWidget *, const QString &) { return target; });
        sheet->findChild<QAction *>("ContornoMn")->trigger();
        errorreport::setPresenter(nullptr);
        QCOMPARE(reports, QStringList{QString("The file %1 could not be written.").arg(target)});
        QVERIFY(!QFile::exists(target));
        QVERIFY(sheet->isVisible());
    }

    // No size shown, no outline: the command is off.
    void outlineCommandNeedsASize()
    {
        FamilyWindow &w = window("HEB");
        search(w, 1, {true, MoreThan, 5000, 0});
        TShowPropFm sheet(&w);
        sheet.Atualiza(0);
        QVERIFY(!sheet.findChild<QAbstractButton *>("ContornoBt")->isEnabled());
        QVERIFY(!sheet.findChild<QAction *>("ContornoMn")->isEnabled());
        TShowPropFm alone;
        QVERIFY(!alone.findChild<QAbstractButton *>("ContornoBt")->isEnabled());
        const auto shown = sheetOn("HEB", "HEB 200");
        QVERIFY(shown->findChild<QAbstractButton *>("ContornoBt")->isEnabled());
        QVERIFY(shown->findChild<QAction *>("ContornoMn")->isEnabled());
    }

    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("open"); // the sheet still shown
        QTest::newRow("Next item") << "ProximoMn" << "HEB 300" << true;
        QTest::newRow("Previous item") << "AnteriorMn" << "HEB 100" << true;
        QTest::newRow("Next arrow") << "ProximoBt" << "HEB 300" << true;
        QTest::newRow("Previous arrow") << "AnteriorBt" << "HEB 100" << true;
        QTest::newRow("Print item") << "ImprimirMn" << "HEB 200" << true;
        QTest::newRow("Print button") << "Imprimir" << "HEB 200" << true;
        QTest::newRow("Close item") << "CerrarMn" << "HEB 200" << false;
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, shown);
        QFETCH(bool, open);
        const auto sheet = sheetOn("HEB", "HEB 200");
        sheet->show();
        if (auto *action = sheet->findChild<QAction *>(command))
            action->trigger();
        else
            sheet->findChild<QAbstractButton *>(command)->click();
        QCOMPARE(sheet->windowTitle(), shown);
        QCOMPARE(designation(*m_windows.back()), shown);
        QCOMPARE(sheet->isVisible(), open);
    }

    void contextMenuOpensOnTheDesignationAndThePicture()
    {
        const auto sheet = sheetOn("HEB", "HEB 200");
        sheet->show();
        QVERIFY(QTest::qWaitForWindowExposed(sheet.get()));
        for (const char *name : {"PerfilT", "ImgHE"}) {
            auto *target = sheet->findChild<QWidget *>(name);
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &event);
            QVERIFY2(sheet->contextMenu()->isVisible(), name);
            sheet->contextMenu()->hide();
        }
    }

    void help_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << 1 << "EN-PFHelp.hlp";
        QTest::newRow("Spanish") << 2 << "ES-PFHelp.hlp";
    }
    void help()
    {
        QFETCH(int, language);
        QFETCH(QString, file);
        testContext().setLanguage(Language(language));
        // Help and logo follow the language of the sheet's window.
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow("HEB");
        TShowPropFm sheet(w.get());
        sheet.findChild<QPushButton *>("HelpBtn")->click();
        QCOMPARE(m_help, (QList<std::pair<QString, int>>{{testContext().appDir() + file, 1035}}));
    }

    void logoFollowsTheLanguageCode()
    {
        // Help and logo follow the language of the sheet's window.
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow("HEB");
        TShowPropFm sheet(w.get());
        const auto *logo = sheet.findChild<QLabel *>("ImgLogo");
        testContext().setLanguage(Language::Spanish);
        sheet.IvTranslator1LanguageChange();
        QCOMPARE(logo->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        testContext().setLanguage(Language::English);
        sheet.IvTranslator1LanguageChange();
        QCOMPARE(logo->pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
        testContext().setLanguage(static_cast<Language>(3)); // no such language: the logo stays
        sheet.IvTranslator1LanguageChange();
        QCOMPARE(logo->pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
    }

    void translatorTranslatesAndSwapsTheLogo()
    {
        const auto d = dictionary({{"Next section", "Perfil siguiente"},
                                   {"&Print", "&Imprimir"},
                                   {"P&revious", "&Anterior"},
                                   {"Section", "Perfil"}});
        testContext().setLanguage(Language::Spanish);
        d->setLanguage(2);
        // Help and logo follow the language of the sheet's window.
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow("HEB");
        TShowPropFm sheet(w.get());
        const auto *logo = sheet.findChild<QLabel *>("ImgLogo");
        QCOMPARE(sheet.findChild<QWidget *>("ProximoBt")->toolTip(), QString("Perfil siguiente"));
        QCOMPARE(sheet.findChild<QPushButton *>("Imprimir")->text(), QString("&Imprimir"));
        QCOMPARE(sheet.findChild<QAction *>("AnteriorMn")->text(), QString("&Anterior"));
        QCOMPARE(sheet.windowTitle(), QString("Perfil"));
        QCOMPARE(logo->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        testContext().setLanguage(Language::English);
        d->setLanguage(1);
        QCOMPARE(sheet.findChild<QWidget *>("ProximoBt")->toolTip(), QString("Next section"));
        QCOMPARE(logo->pixmap().toImage().pixelColor(5, 5), QColor(Qt::blue));
    }
};

QTEST_MAIN(TestShowPropFm)
#include "tst_showpropfm.moc"
