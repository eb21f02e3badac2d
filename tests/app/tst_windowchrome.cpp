// What every window of the program shares: the program's own icon, not the
// toolkit's, and the About window centred on the screen whether the start-up
// or the Help menu shows it, with a main window that is not yet at its final
// place.
#include "app/ErrorReport.h"
#include "app/TPrincipalFm.h"
#include "app/TSobreFm.h"
#include "browse/Art.h"
#include "data/Declarations.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

bool yes(QWidget *, const QString &) { return true; }

// The icon's picture at a size, for comparing two icons by what they show.
QImage picture(const QIcon &icon, int size)
{
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestWindowChrome : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        for (const char *file : {"HEA.DB", "HEB.DB", "HEM.DB", "IPE.DB"})
            fixture::writeTable(m_dir.path(), file, decl::iLamParTable, {fixture::heRow("X 100", 100, 100, 6, 10, 12)});
        fixture::writeTable(m_dir.path(), "TOL.DB", decl::TolTable, {});
    }

    void everyWindowCarriesTheProgramIcon()
    {
        const QImage own = picture(art::programIcon(), 32);
        QVERIFY(!own.isNull());
        TPrincipalFm w(nullptr, m_dir.path());
        w.setExitConfirmation(yes);
        QCOMPARE(picture(w.windowIcon(), 32), own);
        w.HEBBtClick();
        const QList<QMdiSubWindow *> subs = w.mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 1);
        QCOMPARE(picture(subs[0]->windowIcon(), 32), own);
        QCOMPARE(picture(subs[0]->widget()->windowIcon(), 32), own);
        TSobreFm about(w.context(), &w);
        QCOMPARE(picture(about.windowIcon(), 32), own);
        // Small and large alike.
        QCOMPARE(picture(w.windowIcon(), 16).size(), QSize(16, 16));
        QCOMPARE(picture(w.windowIcon(), 256).size(), QSize(256, 256));
    }

    void aboutIsCentredOnTheScreen_data()
    {
        QTest::addColumn<bool>("startUp");
        QTest::newRow("at start-up") << true;
        QTest::newRow("from the Help menu") << false;
    }
    void aboutIsCentredOnTheScreen()
    {
        QFETCH(bool, startUp);
        TPrincipalFm w(nullptr, m_dir.path());
        w.setExitConfirmation(yes);
        // A main window that is not where it will end up: the window manager
        // has not maximized it yet.
        w.setWindowState(Qt::WindowNoState);
        w.setGeometry(20, 30, 600, 400);
        w.show();
        QRect shown;
        QTimer::singleShot(0, [&shown] {
            if (auto *about = qobject_cast<TSobreFm *>(QApplication::activeModalWidget())) {
                shown = about->geometry();
                about->CloseOnDblClick();
            }
        });
        if (startUp) {
            TSobreFm about(w.context(), &w);
            about.FirstShowModal();
        } else {
            w.SobreMnClick();
        }
        QVERIFY(shown.isValid());
        const QPoint screenCentre = w.screen()->availableGeometry().center();
        QVERIFY2((shown.center() - screenCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("centre (%1, %2), screen's (%3, %4)")
                                .arg(shown.center().x())
                                .arg(shown.center().y())
                                .arg(screenCentre.x())
                                .arg(screenCentre.y())));
    }
};

QTEST_MAIN(TestWindowChrome)
#include "tst_windowchrome.moc"
