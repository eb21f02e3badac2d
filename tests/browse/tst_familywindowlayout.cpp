// What a user would notice of the section and steel windows' layout on the built tables,
// in English and in Spanish, on each tab, at the window's smallest size:
// every text and control inside the window (or inside the column it
// scrolls in), none on top of another, none cut short, and no text on the
// section drawing but the two values placed on it.
#include "TestShell.h"
#include "browse/TAceroFm.h"
#include "support/LayoutChecks.h"
#include "support/TestContext.h"

#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// The drawing of the tab shown, whole inside its white panel, and no other
// text of the panel on it; the window at least as large as its layout
// needs, so nothing is squeezed.
QStringList drawingFaults(QWidget *w)
{
    QStringList found;
    const QWidget *panel = w->findChild<QWidget *>(QStringLiteral("Panel2"));
    QLabel *drawing = nullptr;
    for (const char *name : {"ImgProp", "ImgDet"}) {
        auto *image = w->findChild<QLabel *>(QString::fromLatin1(name));
        if (image && image->isVisibleTo(w))
            drawing = image;
    }
    if (!panel || !drawing)
        return {QStringLiteral("no drawing shown")};
    const QRect shown(drawing->mapTo(panel, QPoint(0, 0)), drawing->pixmap().deviceIndependentSize().toSize());
    if (!panel->contentsRect().contains(shown))
        found << QStringLiteral("%1 cut by its panel").arg(drawing->objectName());
    for (const QLabel *label : panel->findChildren<QLabel *>()) {
        if (label->parentWidget() == drawing->parentWidget() || !label->isVisibleTo(w) || label->text().isEmpty())
            continue;
        if (QRect(label->mapTo(panel, QPoint(0, 0)), label->size()).intersects(shown))
            found << QStringLiteral("%1 \"%2\" on the drawing").arg(label->objectName(), label->text());
    }
    const QSize needed = w->layout()->minimumSize();
    if (needed.width() > w->width() || needed.height() > w->height())
        found << QStringLiteral("squeezed: %1 x %2 for a layout of %3 x %4")
                     .arg(w->width())
                     .arg(w->height())
                     .arg(needed.width())
                     .arg(needed.height());
    return found;
}

} // namespace

class TestFamilyWindowLayout : public QObject {
    Q_OBJECT
    TestShell m_shell;

private slots:
    void initTestCase()
    {
        const QString dir = qEnvironmentVariable("TOLMO_APPDIR");
        QVERIFY2(!dir.isEmpty(), "TOLMO_APPDIR names the built application directory");
        testContext().setAppDir(dir);
        layoutcheck::useProgramFont();
    }

    void textsStayWholeAndApart_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("spanish");
        for (const FamilyInfo &f : allFamilies()) {
            for (int tab : {0, 1, 2}) {
                for (bool spanish : {false, true})
                    QTest::addRow("%s tab %d %s", f.key, tab, spanish ? "Spanish" : "English")
                        << QString::fromLatin1(f.key) << tab << spanish;
            }
        }
    }
    void textsStayWholeAndApart()
    {
        QFETCH(QString, family);
        QFETCH(int, tab);
        QFETCH(bool, spanish);
        const QLocale locale;
        std::unique_ptr<TIvBinaryDictionary> dictionary;
        testContext().setLanguage(spanish ? Language::Spanish : Language::English);
        if (spanish) {
            dictionary = layoutcheck::spanishDictionary();
            QVERIFY(dictionary->isOpen());
        }
        const std::unique_ptr<FamilyWindow> w = makeFamilyWindow(family);
        w->FormCreate();
        w->resize(w->minimumSize());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->selectTab(tab);
        QApplication::processEvents();
        if (spanish)
            QCOMPARE(w->findChild<QPushButton *>(QStringLiteral("DatosBt"))->text(), QStringLiteral("&Datos"));
        const QStringList smallest = layoutcheck::faults(w.get()) + drawingFaults(w.get());
        // As a child window maximized on a 1024 x 768 desktop.
        w->resize(1016, 600);
        QApplication::processEvents();
        const QStringList maximized = layoutcheck::faults(w.get()) + drawingFaults(w.get());
        QLocale::setDefault(locale);
        QVERIFY2(maximized.isEmpty(), qPrintable(maximized.join(QStringLiteral("; "))));
        QVERIFY2(smallest.isEmpty(), qPrintable(smallest.join(QStringLiteral("; "))));
    }

    void steelWindowTextsStayWholeAndApart_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("spanish");
        for (int page : {0, 1, 2}) {
            for (bool spanish : {false, true})
                QTest::addRow("page %d %s", page, spanish ? "Spanish" : "English") << page << spanish;
        }
    }
    void steelWindowTextsStayWholeAndApart()
    {
        QFETCH(int, page);
        QFETCH(bool, spanish);
        const QLocale locale;
        std::unique_ptr<TIvBinaryDictionary> dictionary;
        testContext().setLanguage(spanish ? Language::Spanish : Language::English);
        if (spanish) {
            dictionary = layoutcheck::spanishDictionary();
            QVERIFY(dictionary->isOpen());
        }
        TAceroFm w(testContext());
        w.FormCreate();
        w.resize(w.minimumSize());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(page);
        QApplication::processEvents();
        QStringList smallest = layoutcheck::faults(&w);
        const QSize needed = w.layout()->minimumSize();
        if (needed.width() > w.width() || needed.height() > w.height())
            smallest << QStringLiteral("squeezed below its layout's %1 x %2").arg(needed.width()).arg(needed.height());
        // As a child window maximized on a 1024 x 768 desktop.
        w.resize(1016, 600);
        QApplication::processEvents();
        const QStringList faults = layoutcheck::faults(&w);
        QLocale::setDefault(locale);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QVERIFY2(smallest.isEmpty(), qPrintable(smallest.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TestFamilyWindowLayout)
#include "tst_familywindowlayout.moc"
