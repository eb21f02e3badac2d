// The main window's arrangement of its child windows with all eight open (the
// seven families and the steel window) on a 1600 x 1000 desktop, in English
// and in Spanish: Tile gives each window a tile of its own inside the client
// area, every window laid out whole at that size; a minimized window comes
// back on top, inside the visible area, from its toolbar button, its
// Catalogues item and its entry in the Windows menu. The tables are the
// supplied ones, copied into a temporary application directory.
#include "app/ErrorReport.h"
#include "app/TPrincipalFm.h"
#include "support/Fixture.h"
#include "support/LayoutChecks.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QStringList g_errors;
void recordError(const QString &, const QString &text) { g_errors << text; }

// The toolbar buttons in their order, which is the order of the windows.
const char *const kButtons[] = {"HEBBt", "HEABt", "HEMBt", "IPEBt", "IPNBt", "UPNBt", "AngBt", "AceroBt"};

QString rect(const QRect &r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

} // namespace

class TestWindowArrangement : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // The main window as maximized on a 1600 x 1000 desktop, in the
    // language of the settings file, with every child window open.
    std::unique_ptr<TPrincipalFm> mainWindowWithAllWindows(bool spanish)
    {
        QFile ini(m_dir.filePath(QStringLiteral("PTolmo2.ini")));
        if (!ini.open(QIODevice::WriteOnly))
            return nullptr;
        ini.write(spanish ? "[Idioma]\nCodigo=2\n" : "[Idioma]\nCodigo=1\n");
        ini.close();
        auto w = std::make_unique<TPrincipalFm>(nullptr, m_dir.path());
        w->setWindowState(Qt::WindowNoState);
        w->setGeometry(0, 24, 1600, 976);
        w->show();
        if (!QTest::qWaitForWindowExposed(w.get()))
            return nullptr;
        for (const char *name : kButtons)
            w->findChild<QToolButton *>(QString::fromLatin1(name))->click();
        QApplication::processEvents();
        return w;
    }
    static QMdiSubWindow *subOf(TPrincipalFm &w, const QString &title)
    {
        for (QMdiSubWindow *sub : w.mdiArea()->subWindowList()) {
            if (sub->widget()->windowTitle() == title)
                return sub;
        }
        return nullptr;
    }
    // Whether the window is shown, not minimized, on top of the others and
    // active, wholly inside the visible client area.
    static QString cameBack(TPrincipalFm &w, QMdiSubWindow *sub)
    {
        if (sub->isMinimized() || !sub->isVisible())
            return QStringLiteral("still minimized");
        if (w.mdiArea()->activeSubWindow() != sub)
            return QStringLiteral("not active");
        if (w.mdiArea()->subWindowList(QMdiArea::StackingOrder).last() != sub)
            return QStringLiteral("not on top");
        if (!w.mdiArea()->viewport()->rect().contains(sub->geometry()))
            return QStringLiteral("at %1 outside the client area %2")
                .arg(rect(sub->geometry()), rect(w.mdiArea()->viewport()->rect()));
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QStringList failed = fixture::copySuppliedFiles(m_dir.path());
        QVERIFY2(failed.isEmpty(), qPrintable(failed.join(u' ')));
        errorreport::setPresenter(recordError);
        layoutcheck::useProgramFont();
    }
    void init() { g_errors.clear(); }

    void tileFitsEveryWindowInItsTile_data()
    {
        QTest::addColumn<bool>("spanish");
        QTest::newRow("English") << false;
        QTest::newRow("Spanish") << true;
    }
    void tileFitsEveryWindowInItsTile()
    {
        QFETCH(bool, spanish);
        const auto w = mainWindowWithAllWindows(spanish);
        QVERIFY(w);
        QCOMPARE(w->mdiArea()->subWindowList().size(), 8);
        w->findChild<QAction *>(QStringLiteral("LadoaLadoMn"))->trigger();
        QApplication::processEvents();
        QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));

        const QRect area = w->mdiArea()->viewport()->rect();
        const QList<QMdiSubWindow *> subs = w->mdiArea()->subWindowList();
        QStringList faults;
        for (int i = 0; i < subs.size(); ++i) {
            QMdiSubWindow *sub = subs[i];
            const QString name = sub->widget()->windowTitle();
            if (sub->isMaximized() || sub->isMinimized())
                faults << name + QStringLiteral(" not tiled");
            if (!area.contains(sub->geometry()))
                faults << QStringLiteral("%1 at %2 outside the client area %3").arg(name, rect(sub->geometry()), rect(area));
            for (int j = i + 1; j < subs.size(); ++j) {
                if (sub->geometry().intersects(subs[j]->geometry()))
                    faults << QStringLiteral("%1 overlaps %2").arg(name, subs[j]->widget()->windowTitle());
            }
            // The window's content fits its frame and is laid out whole.
            QWidget *content = sub->widget();
            if (!sub->rect().contains(content->geometry()))
                faults << QStringLiteral("%1 spills out of its frame").arg(name);
            for (const QString &fault : layoutcheck::faults(content))
                faults << name + QStringLiteral(": ") + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        // The tiles share out the client area: no window left larger than
        // its share.
        int covered = 0;
        for (const QMdiSubWindow *sub : subs)
            covered += sub->width() * sub->height();
        QVERIFY(covered <= area.width() * area.height());
    }

    void aMinimizedWindowComesBack_data()
    {
        QTest::addColumn<QString>("command");     // the action or button's name; empty: the Windows list
        QTest::addColumn<QString>("title");       // the window's caption in English
        QTest::addColumn<bool>("tiled");          // Tile before Minimize All, else as opened
        QTest::addColumn<bool>("smaller");        // the main window made smaller while minimized
        QTest::addColumn<bool>("maximized");      // comes back maximized, as it was
        QTest::addColumn<QString>("front");       // a button clicked before Minimize All
        // Opened one after another, only the last (the steel window) stays
        // maximized; the client area shows the others normal behind it.
        QTest::newRow("toolbar, after Tile") << "HEBBt" << "HEB Sections" << true << false << false << "";
        QTest::newRow("toolbar, maximized") << "AceroBt" << "Steels" << false << false << true << "";
        QTest::newRow("toolbar, behind the maximized one") << "IPNBt" << "IPN Sections" << false << false << false << "";
        QTest::newRow("Catalogues, after Tile") << "AngularesMn" << "Equal Leg Angle Sections" << true << false << false << "";
        QTest::newRow("Catalogues, maximized") << "AceroMn" << "Steels" << false << false << true << "";
        QTest::newRow("Windows list, after Tile") << "" << "UPN Sections" << true << false << false << "";
        QTest::newRow("Windows list, maximized") << "" << "Steels" << false << false << true << "";
        QTest::newRow("toolbar, after Tile, main window smaller") << "AceroBt" << "Steels" << true << true << false << "";
        QTest::newRow("Windows list, maximized in the middle") << "" << "IPN Sections" << false << false << true
                                                               << "IPNBt";
        QTest::newRow("Windows list, after Tile, main window smaller") << "" << "HEM Sections" << true << true << false << "";
    }
    void aMinimizedWindowComesBack()
    {
        QFETCH(QString, command);
        QFETCH(QString, title);
        QFETCH(bool, tiled);
        QFETCH(bool, smaller);
        QFETCH(bool, maximized);
        QFETCH(QString, front);
        const auto w = mainWindowWithAllWindows(false);
        QVERIFY(w);
        if (tiled)
            w->findChild<QAction *>(QStringLiteral("LadoaLadoMn"))->trigger();
        if (!front.isEmpty())
            w->findChild<QToolButton *>(front)->click();
        w->findChild<QAction *>(QStringLiteral("MinimizarTodasMn"))->trigger();
        QApplication::processEvents();
        for (QMdiSubWindow *any : w->mdiArea()->subWindowList())
            QVERIFY2(any->isMinimized(), qPrintable(any->widget()->windowTitle() + QStringLiteral(" not minimized")));
        QMdiSubWindow *sub = subOf(*w, title);
        QVERIFY(sub);
        QVERIFY(sub->isMinimized());
        if (smaller) {
            w->resize(900, 600);
            QApplication::processEvents();
        }

        if (command.isEmpty()) {
            QMenu *windows = w->findChild<QMenu *>(QStringLiteral("JanelasMn"));
            emit windows->aboutToShow();
            QAction *entry = nullptr;
            for (QAction *a : windows->actions()) {
                if (a->text().endsWith(u' ' + title))
                    entry = a;
            }
            QVERIFY2(entry, qPrintable(title));
            entry->trigger();
        } else if (auto *button = w->findChild<QToolButton *>(command)) {
            button->click();
        } else {
            QAction *item = w->findChild<QAction *>(command);
            QVERIFY2(item, qPrintable(command));
            item->trigger();
        }
        QApplication::processEvents();
        QVERIFY2(g_errors.isEmpty(), qPrintable(g_errors.join(u'\n')));
        const QString fault = cameBack(*w, sub);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        // As it was before: maximized, or normal.
        QCOMPARE(sub->isMaximized(), maximized);
        // One window came back; the others stay minimized.
        for (QMdiSubWindow *other : w->mdiArea()->subWindowList()) {
            if (other != sub)
                QVERIFY2(other->isMinimized(), qPrintable(other->widget()->windowTitle()));
        }
        // Asked again it stays as it is, on top.
        if (!command.isEmpty()) {
            const QRect before = sub->geometry();
            if (auto *button = w->findChild<QToolButton *>(command))
                button->click();
            else
                w->findChild<QAction *>(command)->trigger();
            QCOMPARE(sub->geometry(), before);
            QCOMPARE(cameBack(*w, sub), QString());
        }
    }
};

QTEST_MAIN(TestWindowArrangement)
#include "tst_windowarrangement.moc"
