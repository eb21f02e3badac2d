// The main window's find box and File > Export to CSV...: a designation typed
// in any of its forms opens the family window on that size (switching off a
// search that hides it), Enter again or Ctrl+Enter opens its property sheet,
// an unknown name opens nothing and says so, the list offers the sizes of
// every family. On the built tables copied into a temporary application
// directory, in English unless a test switches.
#include "app/ErrorReport.h"
#include "app/FindBox.h"
#include "app/TPrincipalFm.h"
#include "browse/FamilyWindow.h"
#include "browse/GridExport.h"
#include "browse/TAceroFm.h"
#include "browse/TRxDBGrid.h"
#include "data/Table.h"

#include "support/Fixture.h"
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

QStringList g_errors;
void recordError(const QString &, const QString &text) { g_errors << text; }

// The modal windows that came up, by class and title; each is closed at once.
QStringList g_modal;
void watchModal()
{
    QTimer::singleShot(0, qApp, [] {
        if (QWidget *m = QApplication::activeModalWidget()) {
            g_modal << QStringLiteral("%1 %2").arg(QString::fromLatin1(m->metaObject()->className()), m->windowTitle());
            m->close();
        }
    });
}

QString currentDesignation(const FamilyWindow &w)
{
    const Table *t = w.sectionTable();
    return t->currentValue(t->fieldIndex(QStringLiteral("Designation"))).toString();
}

} // namespace

class TestFindSection : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    std::unique_ptr<TPrincipalFm> mainWindow()
    {
        auto w = std::make_unique<TPrincipalFm>(nullptr, m_dir.path());
        w->resize(1400, 800);
        return w;
    }
    // Types the text into the box as a user would and presses Enter (with Ctrl).
    static void type(TPrincipalFm &w, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        FindBox *box = w.findBox();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return, modifiers);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QStringList failed = fixture::copySuppliedFiles(m_dir.path());
        QVERIFY2(failed.isEmpty(), qPrintable(failed.join(u' ')));
        errorreport::setPresenter(recordError);
    }
    void init()
    {
        QFile ini(m_dir.filePath(QStringLiteral("PTolmo2.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Idioma]\nCodigo=1\n");
        g_errors.clear();
        g_modal.clear();
    }
    void cleanup() { QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n'))); }

    void theBoxSitsBeforeTheLanguageButtons()
    {
        const auto w = mainWindow();
        w->show();
        FindBox *box = w->findBox();
        QVERIFY(box->isVisible());
        const QRect steel = w->findChild<QToolButton *>(QStringLiteral("AceroBt"))->geometry();
        const QRect spanish = w->findChild<QToolButton *>(QStringLiteral("SpanishBt"))->geometry();
        QVERIFY(box->geometry().left() > steel.right());
        QVERIFY(box->geometry().right() < spanish.left());
        QCOMPARE(box->toolTip(), QStringLiteral("Find a section by its designation (Ctrl+F)"));
        QCOMPARE(box->placeholderText(), QStringLiteral("Section, e.g. HEB 200"));
        // Ctrl+F from a child window puts the typing there.
        w->IPEBtClick();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget *grid = w->familyWindow(QStringLiteral("IPE"))->currentGrid();
        grid->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::focusWidget(), box);
    }

    void enterShowsTheSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("designation");
        QTest::newRow("HEB as stored") << "HEB 200" << "HEB" << "HEB 200";
        QTest::newRow("HEB short") << "heb200" << "HEB" << "HEB 200";
        QTest::newRow("HEA series after") << "HE 300 A" << "HEA" << "HEA 300";
        QTest::newRow("HEM series after, no spaces") << "HE1000M" << "HEM" << "HEM 1000";
        QTest::newRow("IPE") << "IPE300" << "IPE" << "IPE 300";
        QTest::newRow("IPN") << "ipn 80" << "IPN" << "IPN 80";
        QTest::newRow("UPN as U") << "U100" << "UPN" << "UPN 100";
        QTest::newRow("angle leg once") << "L100x10" << "ANG" << "L 100x100x10";
        QTest::newRow("angle full stops") << "L100.100.10" << "ANG" << "L 100x100x10";
        QTest::newRow("angle decimal thickness") << "L 203x203x22.2" << "ANG" << "L 203x203x22.2";
    }
    void enterShowsTheSize()
    {
        QFETCH(QString, typed);
        QFETCH(QString, family);
        QFETCH(QString, designation);
        const auto w = mainWindow();
        w->HEABtClick(); // another window in front, to be covered
        type(*w, typed);
        FamilyWindow *window = w->familyWindow(family);
        QVERIFY(window);
        QCOMPARE(w->mdiArea()->currentSubWindow()->widget(), window);
        QCOMPARE(window->currentTab(), 0);
        QCOMPARE(currentDesignation(*window), designation);
        QCOMPARE(w->findBox()->text(), designation);
        QVERIFY(g_modal.isEmpty());
    }

    void anOpenWindowIsBroughtBackOnItsPropertiesTab()
    {
        const auto w = mainWindow();
        w->UPNBtClick();
        FamilyWindow *upn = w->familyWindow(QStringLiteral("UPN"));
        upn->selectTab(1);
        w->HEBBtClick();
        type(*w, QStringLiteral("UPN 240"));
        QCOMPARE(w->familyWindow(QStringLiteral("UPN")), upn);
        QCOMPARE(w->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(w->mdiArea()->currentSubWindow()->widget(), upn);
        QCOMPARE(upn->currentTab(), 0);
        QCOMPARE(currentDesignation(*upn), QStringLiteral("UPN 240"));
    }

    void enterAgainOrCtrlEnterOpensTheSheet()
    {
        const auto w = mainWindow();
        type(*w, QStringLiteral("heb200"));
        QVERIFY(g_modal.isEmpty());
        // Enter again on the same text: the property sheet of that size.
        watchModal();
        QTest::keyClick(w->findBox(), Qt::Key_Return);
        QCOMPARE(g_modal, QStringList{"TShowPropFm HEB 200"});
        // A new text with Ctrl+Enter: the sheet at once, the window behind it.
        watchModal();
        type(*w, QStringLiteral("L 100x10"), Qt::ControlModifier);
        QCOMPARE(g_modal, (QStringList{"TShowPropFm HEB 200", "TShowPropFm L 100x100x10"}));
        QCOMPARE(currentDesignation(*w->familyWindow(QStringLiteral("ANG"))), QStringLiteral("L 100x100x10"));
        // After an edit, Enter shows the size again without a sheet.
        watchModal();
        type(*w, QStringLiteral("L 100x12"));
        QCoreApplication::processEvents();
        QCOMPARE(g_modal.size(), 2);
        QCOMPARE(currentDesignation(*w->familyWindow(QStringLiteral("ANG"))), QStringLiteral("L 100x100x12"));
    }

    void aSearchThatHidesTheSizeIsSwitchedOff()
    {
        const auto w = mainWindow();
        w->HEBBtClick();
        FamilyWindow *heb = w->familyWindow(QStringLiteral("HEB"));
        auto *search = heb->findChild<QPushButton *>(QStringLiteral("BusquedaBt"));
        auto *counter = heb->findChild<QLabel *>(QStringLiteral("RegT"));
        heb->PropertyCriteria(1) = {true, Between, 290, 425};
        search->setChecked(true);
        heb->selectTab(1);
        heb->selectTab(0);
        QCOMPARE(heb->sectionTable()->recordCount(), 5);

        // A size the search keeps: the search stays on.
        type(*w, QStringLiteral("HEB 360"));
        QVERIFY(search->isChecked());
        QCOMPARE(currentDesignation(*heb), QStringLiteral("HEB 360"));
        QVERIFY(!counter->text().contains(QStringLiteral("search")));

        // A size it hides: switched off as the Search button would, the
        // criteria kept for the next search, and the counter says so.
        heb->selectTab(1);
        type(*w, QStringLiteral("HEB 200"));
        QVERIFY(!search->isChecked());
        QCOMPARE(heb->currentTab(), 0);
        QCOMPARE(heb->sectionTable()->recordCount(), 24);
        QCOMPARE(currentDesignation(*heb), QStringLiteral("HEB 200"));
        QCOMPARE(counter->text(), QStringLiteral("Record 6 (search switched off)"));
        QVERIFY(heb->PropertyCriteria(1).Enabled);
        QVERIFY(!heb->Filtrado(1));
        // The note goes with the next move.
        heb->sectionTable()->next();
        QCOMPARE(counter->text(), QStringLiteral("Record 7"));
    }

    void anUnknownNameOpensNothing()
    {
        const auto w = mainWindow();
        FindBox *box = w->findBox();
        type(*w, QStringLiteral("HEB 201"));
        QCOMPARE(w->mdiArea()->subWindowList().size(), 0);
        QCOMPARE(box->text(), QString());
        QCOMPARE(box->placeholderText(), QStringLiteral("No section named HEB 201"));
        // Typing again: the box asks for a section again.
        QTest::keyClicks(box, QStringLiteral("I"));
        QCOMPARE(box->placeholderText(), QStringLiteral("Section, e.g. HEB 200"));

        // In Spanish, in the words of the language.
        w->EspanolMnClick();
        QCOMPARE(box->placeholderText(), QStringLiteral("Perfil, p. ej. HEB 200"));
        QCOMPARE(box->toolTip(), QString::fromUtf8("Buscar un perfil por su designaci\u00f3n (Ctrl+F)"));
        type(*w, QStringLiteral("L 100x90x10"));
        QCOMPARE(w->mdiArea()->subWindowList().size(), 0);
        QCOMPARE(box->placeholderText(), QString::fromUtf8("No hay ning\u00fan perfil L 100x90x10"));
    }

    void theListOffersTheSizesOfEveryFamily_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("HE series after: the three series") << "HE 28" << QStringList{"HEA 280", "HEB 280", "HEM 280"};
        QTest::newRow("U") << "U 1" << QStringList{"UPN 100", "UPN 120", "UPN 140", "UPN 160", "UPN 180"};
        QTest::newRow("angles, leg once") << "l100x1" << QStringList{"L 100x100x8", "L 100x100x10", "L 100x100x12"};
        QTest::newRow("IPE and IPN") << "IP" << QStringList{};
    }
    void theListOffersTheSizesOfEveryFamily()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, offered);
        const auto w = mainWindow();
        FindBox *box = w->findBox();
        QTest::keyClicks(box, typed);
        QAbstractItemModel *model = box->completer()->completionModel();
        QStringList list;
        for (int r = 0; r < model->rowCount(); ++r)
            list << model->index(r, 0).data().toString();
        if (offered.isEmpty()) {
            // "IP" begins every IPE and IPN size.
            QCOMPARE(list.size(), 18 + 21);
            QCOMPARE(list.first(), QStringLiteral("IPE 80"));
            QCOMPARE(list.last(), QStringLiteral("IPN 600"));
        } else {
            QCOMPARE(list, offered);
        }
        // Choosing from the list is Enter on that size.
        emit box->completer()->activated(list.value(1));
        QCOMPARE(box->text(), list.value(1));
        FamilyWindow *window = qobject_cast<FamilyWindow *>(w->mdiArea()->currentSubWindow()->widget());
        QVERIFY(window);
        QCOMPARE(currentDesignation(*window), list.value(1));
    }

    void aTableThatCannotBeReadIsReportedOnce()
    {
        // Without UPN.db the other families are found; the missing table is
        // reported once, not at every key.
        QTemporaryDir dir;
        for (const char *file : {"HEB.DB", "TOL.DB"})
            QVERIFY(QFile::copy(m_dir.filePath(QString::fromLatin1(file)), dir.filePath(QString::fromLatin1(file))));
        TPrincipalFm w(nullptr, dir.path());
        QTest::keyClicks(w.findBox(), QStringLiteral("U10"));
        QCOMPARE(g_errors.size(), 6); // every family but HEB lacks its table
        QVERIFY2(g_errors.join(u'\n').contains(QStringLiteral("UPN.db")), qPrintable(g_errors.join(u'\n')));
        g_errors.clear();
        type(w, QStringLiteral("U100"));
        QVERIFY(g_errors.isEmpty());
        QCOMPARE(w.findBox()->placeholderText(), QStringLiteral("No section named U100"));
        type(w, QStringLiteral("HE 200 B"));
        QVERIFY(w.familyWindow(QStringLiteral("HEB")));
        QCOMPARE(currentDesignation(*w.familyWindow(QStringLiteral("HEB"))), QStringLiteral("HEB 200"));
    }

    void exportFromTheFileMenuWritesTheActiveWindowsTab()
    {
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("ipe.csv"));
        QString proposed;
        gridexport::setSaveDialog([&](QWidget *, const QString &p, csv::Format) {
            proposed = p;
            return std::optional<gridexport::Choice>(gridexport::Choice{path, csv::kDecimalComma});
        });
        const auto w = mainWindow();
        QAction *item = w->findChild<QAction *>(QStringLiteral("ExportarMn"));
        QVERIFY(item);
        QMenu *file = w->findChild<QMenu *>(QStringLiteral("ArquivoMn"));
        const auto enabled = [&] {
            emit file->aboutToShow();
            return item->isEnabled();
        };
        QVERIFY(!enabled()); // no window
        w->IPEBtClick();
        FamilyWindow *ipe = w->familyWindow(QStringLiteral("IPE"));
        ipe->DetailCriteria(1) = {true, LessThan, 120, 0};
        ipe->selectTab(1);
        ipe->findChild<QPushButton *>(QStringLiteral("BusquedaBt"))->setChecked(true);
        ipe->selectTab(2);
        QVERIFY(!enabled()); // the tolerances tab
        ipe->selectTab(1);
        QVERIFY(enabled());
        item->trigger();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("IPE-detailing.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll().mid(3)).split(u'\n');
        // IPE 80, 100 and 120 with their detailing columns, separated by semicolons.
        QCOMPARE(lines.size(), 5);
        QVERIFY2(lines[0].startsWith(QStringLiteral("Supply;Designation;M (kg/m);")), qPrintable(lines[0]));
        QVERIFY(lines[0].contains(QStringLiteral("pmin (mm)")));
        QCOMPARE(lines[1].split(u';').value(1), QStringLiteral("IPE 80"));
        QCOMPARE(lines[3].split(u';').value(1), QStringLiteral("IPE 120"));
        // The steel window's page shown.
        w->AceroBtClick();
        QVERIFY(enabled());
        item->trigger();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("steel-mechanical.csv"));
        gridexport::setSaveDialog({});
    }
};

QTEST_MAIN(TestFindSection)
#include "tst_findsection.moc"
