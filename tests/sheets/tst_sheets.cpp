// Opening the sheets from a family window's Data command: the sheet of the
// tab, filled before it shows, modal, released when it closes; stepping in
// the sheet leaves the family window on the row it reached.
#include "support/TestContext.h"
#include "SheetFixture.h"
#include "browse/FamilyWindow.h"
#include "sheets/Sheets.h"
#include "sheets/TShowDetailFm.h"
#include "sheets/TShowPropFm.h"
#include "support/LayoutChecks.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFrame>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

using namespace sheettest;

namespace {

struct Seen {
    QString className;
    QString caption;
    bool modal = false;
    QPointer<QWidget> sheet;
};

// Runs `use` on the next modal sheet, then closes it as the user would; the
// sheet is closed even when a check in `use` fails, so no test hangs.
void onNextSheet(Seen &seen, std::function<void(SectionSheet &)> use = {})
{
    QTimer::singleShot(0, [&seen, use] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *sheet = qobject_cast<SectionSheet *>(modal);
        if (!sheet) {
            if (modal)
                modal->close();
            return;
        }
        seen = {sheet->metaObject()->className(), sheet->windowTitle(), sheet->isModal(), sheet};
        if (use)
            use(*sheet);
        if (QAction *close = sheet->findChild<QAction *>("CerrarMn"))
            close->trigger();
        sheet->close();
    });
}

} // namespace

class TestSheets : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    std::unique_ptr<TestShell> m_shell;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        testContext().setAppDir(m_dir.path());
        writeTables(m_dir.path());
        layoutcheck::useProgramFont();
    }

    void init()
    {
        testContext().setLanguage(Language::English);
        m_shell = std::make_unique<TestShell>();
    }

    void cleanup()
    {
        m_shell.reset();
    }

    void dataOpensTheSheetOfTheTab_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("sheetClass");
        QTest::newRow("HEB properties") << "HEB" << 0 << "HEB 300" << "TShowPropFm";
        QTest::newRow("HEB detailing") << "HEB" << 1 << "HEB 300" << "TShowDetailFm";
        QTest::newRow("angle properties") << "ANG" << 0 << "L 20x20x3" << "TShowPropFm";
        QTest::newRow("UPN detailing") << "UPN" << 1 << "UPN 80" << "TShowDetailFm";
    }
    void dataOpensTheSheetOfTheTab()
    {
        QFETCH(QString, key);
        QFETCH(int, tab);
        QFETCH(QString, row);
        QFETCH(QString, sheetClass);
        const auto w = openFamily(*m_shell, key);
        w->selectTab(tab);
        goTo(*w, row);
        Seen seen;
        onNextSheet(seen);
        w->DatosBtClick();
        QCOMPARE(seen.className, sheetClass);
        QCOMPARE(testContext().sheetFamilyKey(), key);
        // Filled before it was shown.
        QCOMPARE(seen.caption, row);
        QVERIFY(seen.modal);
        QVERIFY2(seen.sheet.isNull(), "the sheet is released when it closes");
        QCOMPARE(designation(*w), row);
    }

    void nextThreeTimesThenClose_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("three rows on") << 0 << "HEB 100" << "HEB 400";
        QTest::newRow("fewer rows left") << 0 << "HEB 300" << "HEB 160";
        QTest::newRow("detailing sheet") << 1 << "HEB 200" << "HEB 160";
    }
    void nextThreeTimesThenClose()
    {
        QFETCH(int, tab);
        QFETCH(QString, start);
        QFETCH(QString, end);
        const auto w = openFamily(*m_shell, "HEB");
        w->selectTab(tab);
        goTo(*w, start);
        Seen seen;
        QString lastShown;
        onNextSheet(seen, [&lastShown](SectionSheet &sheet) {
            for (int i = 0; i < 3; ++i)
                sheet.findChild<QAbstractButton *>("ProximoBt")->click();
            lastShown = sheet.windowTitle();
        });
        w->DatosBtClick();
        QVERIFY(!seen.className.isEmpty());
        QCOMPARE(lastShown, end);
        QCOMPARE(designation(*w), end);
        // The grid follows the table.
        const auto *grid = w->findChild<QAbstractItemView *>(tab == 0 ? "RxDBGrid1" : "RxDBGrid2");
        QCOMPARE(grid->currentIndex().row(), w->sectionTable()->currentRow());
    }

    void otherTabsOpenNothing()
    {
        const auto w = openFamily(*m_shell, "HEB");
        Seen seen;
        onNextSheet(seen);
        sheets::open(w.get(), 2);
        QVERIFY(seen.className.isEmpty());
        QCoreApplication::processEvents(); // let the guard run and find nothing
        QVERIFY(seen.className.isEmpty());
    }

    // A search that found nothing leaves no size to show: no sheet opens,
    // whichever way it is asked for.
    void noSheetOnAnEmptySearch_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("properties") << 0;
        QTest::newRow("detailing") << 1;
    }
    void noSheetOnAnEmptySearch()
    {
        QFETCH(int, tab);
        const auto w = openFamily(*m_shell, "HEB");
        w->selectTab(tab);
        search(*w, 1, {true, MoreThan, 5000, 0});
        QCOMPARE(w->sectionTable()->recordCount(), 0);
        // Each way has a closer waiting, so a wrong sheet cannot hang the test.
        Seen byData;
        Seen direct;
        onNextSheet(byData);
        onNextSheet(direct);
        w->DatosBtClick();
        sheets::open(w.get(), tab);
        QCoreApplication::processEvents(); // let the closers run and find nothing
        QVERIFY(byData.className.isEmpty());
        QVERIFY(direct.className.isEmpty());
    }

    // Whatever the family, the row and the language, the sheet's texts stay
    // inside the page, clear of each other and whole.
    void layoutHoldsInBothLanguages_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("spanish");
        const QList<std::pair<const char *, const char *>> rows = {
            {"HEB", "HEB 200"}, {"HEM", "HEM 1000"}, {"IPE", "IPE 300"},
            {"IPN", "IPN 200"}, {"UPN", "UPN 200"},  {"ANG", "L 100x100x10"}};
        for (int tab : {0, 1}) {
            for (const auto &[key, row] : rows) {
                for (bool spanish : {false, true}) {
                    QTest::addRow("%s %s %s", tab == 0 ? "properties" : "detailing", row,
                                  spanish ? "Spanish" : "English")
                        << tab << key << row << spanish;
                }
            }
        }
    }
    void layoutHoldsInBothLanguages()
    {
        QFETCH(int, tab);
        QFETCH(QString, key);
        QFETCH(QString, row);
        QFETCH(bool, spanish);
        LocaleGuard locale;
        std::unique_ptr<TIvBinaryDictionary> dictionary;
        if (spanish) {
            dictionary = layoutcheck::spanishDictionary();
            QVERIFY(dictionary->isOpen());
            testContext().setLanguage(Language::Spanish);
        }
        const std::unique_ptr<FamilyWindow> w = openFamily(*m_shell, key);
        goTo(*w, row);
        std::unique_ptr<SectionSheet> sheet;
        if (tab == 0)
            sheet = std::make_unique<TShowPropFm>(w.get());
        else
            sheet = std::make_unique<TShowDetailFm>(w.get());
        sheet->Atualiza(0);
        int filled = 0;
        for (const QLabel *slot : sheet->slotLabels())
            filled += slot->text().isEmpty() ? 0 : 1;
        QVERIFY(filled >= 4);
        if (spanish)
            QCOMPARE(sheet->findChild<QPushButton *>("Imprimir")->text(), QStringLiteral("&Imprimir"));
        const QStringList faults = layoutcheck::faults(sheet.get());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

        // Every value stays within the grey separator lines' extent and
        // keeps clear of the logo.
        const QWidget *logo = sheet->findChild<QWidget *>("ImgLogo");
        QVERIFY(logo);
        const QRect aroundLogo = logo->geometry().adjusted(-4, -4, 4, 4);
        int lineLeft = sheet->width(), lineRight = 0;
        for (const QFrame *line : sheet->findChildren<QFrame *>(QRegularExpression("^Linha"))) {
            lineLeft = std::min(lineLeft, line->geometry().left());
            lineRight = std::max(lineRight, line->geometry().right());
        }
        QVERIFY(lineLeft < lineRight);
        for (const QLabel *slot : sheet->slotLabels()) {
            if (slot->text().isEmpty())
                continue;
            const QRect ink(slot->geometry().topLeft(),
                            QSize(layoutcheck::inkWidth(slot->fontMetrics(), slot->text()), slot->height()));
            QVERIFY2(ink.left() >= lineLeft && ink.right() <= lineRight,
                     qPrintable(QStringLiteral("%1 \"%2\" spans %3 to %4, the separators %5 to %6")
                                    .arg(slot->objectName(), slot->text())
                                    .arg(ink.left())
                                    .arg(ink.right())
                                    .arg(lineLeft)
                                    .arg(lineRight)));
            QVERIFY2(!ink.intersects(aroundLogo),
                     qPrintable(QStringLiteral("%1 \"%2\" touches the logo").arg(slot->objectName(), slot->text())));
        }
    }
};

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
