// The four search dialogs: their rows and components, what each row shows
// for its criterion, loading and reading criteria, typing bounds, closing,
// keyboard order, placement and help.
#include "support/TestContext.h"
#include "browse/SearchDialog.h"
#include "data/SectionFamily.h"
#include "browse/Shell.h"
#include "browse/TBoundEdit.h"
#include "browse/TFiltroDAngFm.h"
#include "browse/TFiltroDetailFm.h"
#include "browse/TFiltroPAngFm.h"
#include "browse/TFiltroPropFm.h"
#include "data/AppGlobals.h"
#include "support/LayoutChecks.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(SearchCriterion)

namespace {

struct ExpectedRow {
    QString check, caption, list, first, second;
    double largest;
};

struct ExpectedDialog {
    QString cancel;
    QList<ExpectedRow> rows;
};

// The rows a dialog shows for the criteria it is given: one per criterion,
// in order, its controls named after the criterion's component, its caption
// the label and the unit, its bounds stopping at the criterion's largest.
QList<ExpectedRow> rowsOf(Criteria criteria)
{
    QList<ExpectedRow> rows;
    for (const Criterion &c : criteria) {
        const QString component = QString::fromLatin1(c.component);
        rows << ExpectedRow{component + "ChT",
                            QString::fromLatin1(c.label) + " (" + QString::fromLatin1(c.unit) + ")",
                            c.listName ? QString::fromLatin1(c.listName) : component + "CBT",
                            component + "1T",
                            component + "2T",
                            c.largestBound};
    }
    return rows;
}

// The four dialogs on the criteria the family windows give them.
const QMap<QString, ExpectedDialog> &expectedDialogs()
{
    static const QMap<QString, ExpectedDialog> s = {
        {"TFiltroPropFm", {"CancelBt", rowsOf(familyInfo(SectionFamily::HEB).kind->propertyCriteria)}},
        {"TFiltroDetailFm", {"CancelaBt", rowsOf(familyInfo(SectionFamily::HEB).kind->detailCriteria)}},
        {"TFiltroPAngFm", {"CancelBt", rowsOf(familyInfo(SectionFamily::ANG).kind->propertyCriteria)}},
        {"TFiltroDAngFm", {"CancelaBt", rowsOf(familyInfo(SectionFamily::ANG).kind->detailCriteria)}},
    };
    return s;
}

const ExpectedDialog &expectedOf(const QString &className)
{
    static const ExpectedDialog none{};
    const auto it = expectedDialogs().constFind(className);
    return it == expectedDialogs().cend() ? none : *it;
}

std::unique_ptr<SearchDialog> makeDialog(const QString &className)
{
    if (className == u"TFiltroPropFm")
        return std::make_unique<TFiltroPropFm>(familyInfo(SectionFamily::HEB).kind->propertyCriteria, testContext());
    if (className == u"TFiltroDetailFm")
        return std::make_unique<TFiltroDetailFm>(familyInfo(SectionFamily::HEB).kind->detailCriteria, testContext());
    if (className == u"TFiltroPAngFm")
        return std::make_unique<TFiltroPAngFm>(familyInfo(SectionFamily::ANG).kind->propertyCriteria, testContext());
    if (className == u"TFiltroDAngFm")
        return std::make_unique<TFiltroDAngFm>(familyInfo(SectionFamily::ANG).kind->detailCriteria, testContext());
    return nullptr;
}

bool showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// Every criterion of a dialog, rows 1 to n.
QList<SearchCriterion> readAll(const SearchDialog &d)
{
    QList<SearchCriterion> all;
    for (int row = 1; row <= d.rowCount(); ++row)
        all << d.LeDados(row);
    return all;
}

} // namespace

// Finds a component of a dialog by name or fails the running test.
#define FIND(var, Type, root, name)                                                                                  \
    auto *var = (root)->findChild<Type *>(name);                                                                     \
    QVERIFY2(var, qPrintable(QStringLiteral("no %1 named %2").arg(QLatin1String(#Type), QString(name))))

#define MAKE(var, className)                                                                                         \
    const std::unique_ptr<SearchDialog> var = makeDialog(className);                                                 \
    QVERIFY2(var, qPrintable(className))

class TestSearchDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void components_data();
    void components();
    void rows_data();
    void rows();
    void geometry_data();
    void geometry();
    void centredOnScreen_data() { components_data(); }
    void centredOnScreen();

    void clearedCriteriaShowNothing_data() { components_data(); }
    void clearedCriteriaShowNothing();
    void tickingShowsModeAndBounds_data();
    void tickingShowsModeAndBounds();
    void loadingSetsVisibility_data();
    void loadingSetsVisibility();

    void roundTrip_data();
    void roundTrip();
    void everyRowLoadsAndReads_data() { components_data(); }
    void everyRowLoadsAndReads();
    void rowsOutsideTheDialog_data();
    void rowsOutsideTheDialog();

    void typedBounds_data();
    void typedBounds();
    void boundsFollowTheLocale();
    void closing_data();
    void closing();
    void enteredByKeyboardAndConfirmed();
    void keyboardOrder_data();
    void keyboardOrder();
    void helpButton_data();
    void helpButton();

private:
    QString m_appDir;
    int m_language = 1;
    QLocale m_locale;
};

void TestSearchDialogs::initTestCase()
{
    m_appDir = testContext().appDir();
    m_language = int(testContext().language());
    m_locale = QLocale();
    layoutcheck::useProgramFont();
}

void TestSearchDialogs::cleanup()
{
    help::setHandler({});
    testContext().setAppDir(m_appDir);
    testContext().setLanguage(Language(m_language));
    QLocale::setDefault(m_locale);
}

void TestSearchDialogs::components_data()
{
    QTest::addColumn<QString>("className");
    for (const QString &name : expectedDialogs().keys())
        QTest::newRow(qPrintable(name)) << name;
}

void TestSearchDialogs::components()
{
    QFETCH(QString, className);
    const ExpectedDialog &design = expectedOf(className);
    MAKE(d, className);

    QCOMPARE(QString::fromLatin1(d->metaObject()->className()), className);
    QCOMPARE(d->windowTitle(), QStringLiteral("Section Search"));
    // A fixed size: the dialog cannot be resized.
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QCOMPARE(d->size(), d->minimumSize());
    const Qt::WindowFlags flags = d->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(d->rowCount(), design.rows.size());
    // Every dialog starts with the height, written with two spaces.
    FIND(firstRow, QCheckBox, d.get(), "hChT");
    QCOMPARE(firstRow->text(), QStringLiteral("h  (mm)"));

    FIND(group, QGroupBox, d.get(), QString());
    QCOMPARE(group->title(), QStringLiteral(" Select the variables to the search "));

    // The rows in order, and no other check box, list or bound box.
    QStringList checks, lists, bounds, expectedChecks, expectedLists, expectedBounds;
    for (const QCheckBox *c : d->findChildren<QCheckBox *>())
        checks << c->objectName();
    for (const QComboBox *c : d->findChildren<QComboBox *>())
        lists << c->objectName();
    for (const TBoundEdit *c : d->findChildren<TBoundEdit *>())
        bounds << c->objectName();
    for (const ExpectedRow &row : design.rows) {
        expectedChecks << row.check;
        expectedLists << row.list;
        expectedBounds << row.first << row.second;
    }
    QCOMPARE(checks, expectedChecks);
    QCOMPARE(lists, expectedLists);
    QCOMPARE(bounds, expectedBounds);

    const QList<std::pair<QString, QString>> buttons = {
        {"OkBt", "O&k"}, {design.cancel, "&Cancel"}, {"AyudaBt", "&Help"}};
    QStringList buttonNames;
    for (const QPushButton *b : d->findChildren<QPushButton *>())
        buttonNames << b->objectName();
    QCOMPARE(buttonNames, (QStringList{"OkBt", design.cancel, "AyudaBt"}));
    for (const auto &[name, caption] : buttons) {
        FIND(b, QPushButton, d.get(), name);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->isDefault(), name == u"OkBt");
    }
}

void TestSearchDialogs::rows_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("row");
    for (auto it = expectedDialogs().cbegin(); it != expectedDialogs().cend(); ++it) {
        for (int row = 1; row <= it->rows.size(); ++row)
            QTest::addRow("%s/%d %s", qPrintable(it.key()), row, qPrintable(it->rows[row - 1].caption)) << it.key()
                                                                                                        << row;
    }
}

void TestSearchDialogs::rows()
{
    QFETCH(QString, className);
    QFETCH(int, row);
    const ExpectedRow &want = expectedOf(className).rows[row - 1];
    MAKE(d, className);

    FIND(check, QCheckBox, d.get(), want.check);
    FIND(list, QComboBox, d.get(), want.list);
    FIND(first, TBoundEdit, d.get(), want.first);
    FIND(second, TBoundEdit, d.get(), want.second);

    QCOMPARE(check->text(), want.caption);
    QVERIFY(!list->isEditable());
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    QCOMPARE(items, (QStringList{"more than", "less than", "between"}));
    QCOMPARE(first->toolTip(), QStringLiteral("Inferior bound"));
    QCOMPARE(second->toolTip(), QStringLiteral("Superior bound"));

    // The row's number is its criterion index: loading row `row` reaches
    // exactly these controls, and both boxes stop at the row's largest bound.
    d->AjustaDados({true, Between, 1e12, 1e12}, row);
    QVERIFY(check->isChecked());
    QCOMPARE(list->currentIndex(), int(Between));
    QCOMPARE(first->value(), want.largest);
    QCOMPARE(second->value(), want.largest);
    QCOMPARE(d->LeDados(row), (SearchCriterion{true, Between, want.largest, want.largest}));
}

void TestSearchDialogs::geometry_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("spanish");
    for (const QString &name : expectedDialogs().keys()) {
        QTest::addRow("%s English", qPrintable(name)) << name << false;
        QTest::addRow("%s Spanish", qPrintable(name)) << name << true;
    }
}

void TestSearchDialogs::geometry()
{
    QFETCH(QString, className);
    QFETCH(bool, spanish);
    std::unique_ptr<TIvBinaryDictionary> dictionary;
    if (spanish) {
        dictionary = layoutcheck::spanishDictionary();
        QVERIFY(dictionary->isOpen());
    }
    MAKE(d, className);
    if (spanish)
        QCOMPARE(d->windowTitle(), QStringLiteral("B\u00fasqueda de perfiles"));
    // Every row ticked on "between": all its controls show.
    for (int row = 1; row <= d->rowCount(); ++row)
        d->AjustaDados({true, Between, 1, 2}, row);
    const QStringList faults = layoutcheck::faults(d.get());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));

    // The rows read across one line each, in order down the group box; the
    // buttons sit below it.
    FIND(group, QGroupBox, d.get(), QString());
    int previousBottom = -1;
    for (const ExpectedRow &row : expectedOf(className).rows) {
        FIND(check, QCheckBox, d.get(), row.check);
        QVERIFY2(check->y() > previousBottom, qPrintable(row.check));
        for (const QString &name : {row.list, row.first, row.second}) {
            FIND(w, QWidget, d.get(), name);
            QVERIFY2(w->x() > check->x() && w->geometry().top() <= check->geometry().bottom()
                         && w->geometry().bottom() >= check->geometry().top(),
                     qPrintable(name));
            previousBottom = std::max(previousBottom, w->geometry().bottom());
        }
    }
    for (const QPushButton *b : d->findChildren<QPushButton *>())
        QVERIFY2(b->y() > group->geometry().bottom(), qPrintable(b->objectName()));

    // The first check box is as far below the group box's frame line as
    // each check box is below the one above, and the last as far above the
    // frame's foot. The frame line is found where it is drawn: the first
    // line of the dialog's picture, right of the group box's title, that
    // differs from the dialog's colour beside the group box.
    const QImage picture = d->grab().toImage();
    const QColor background = picture.pixelColor(d->width() - 2, group->geometry().center().y());
    const int x = group->geometry().right() - 12;
    int frameLine = -1, frameFoot = -1;
    for (int y = group->geometry().top(); y <= group->geometry().bottom(); ++y) {
        if (picture.pixelColor(x, y) != background) {
            if (frameLine < 0)
                frameLine = y - group->geometry().top();
            frameFoot = y - group->geometry().top();
        }
    }
    QVERIFY(frameLine >= 0 && frameFoot > frameLine);
    const QList<ExpectedRow> &rows = expectedOf(className).rows;
    FIND(first, QCheckBox, d.get(), rows.front().check);
    FIND(last, QCheckBox, d.get(), rows.back().check);
    int gap = 7; // blank lines between two check boxes
    if (rows.size() > 1) {
        FIND(second, QCheckBox, d.get(), rows[1].check);
        gap = second->y() - first->geometry().bottom() - 1;
    }
    const int above = first->y() - frameLine - 1;
    const int below = frameFoot - last->geometry().bottom() - 1;
    QVERIFY2(qAbs(above - gap) <= 1, qPrintable(QStringLiteral("%1 px above the first row, %2 between rows").arg(above).arg(gap)));
    QVERIFY2(below >= gap - 1, qPrintable(QStringLiteral("%1 px below the last row, %2 between rows").arg(below).arg(gap)));
}

void TestSearchDialogs::centredOnScreen()
{
    QFETCH(QString, className);
    MAKE(d, className);
    QVERIFY(showActive(d.get()));
    const QRect screen = d->screen()->availableGeometry();
    QVERIFY(screen.contains(d->frameGeometry()));
    QVERIFY(qAbs(d->geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(d->geometry().center().y() - screen.center().y()) <= 1);
}

void TestSearchDialogs::clearedCriteriaShowNothing()
{
    QFETCH(QString, className);
    MAKE(d, className);
    for (int row = 1; row <= d->rowCount(); ++row)
        d->AjustaDados(SearchCriterion{}, row);
    QVERIFY(showActive(d.get()));
    for (const ExpectedRow &row : expectedOf(className).rows) {
        FIND(check, QCheckBox, d.get(), row.check);
        QVERIFY(check->isVisible());
        QVERIFY2(!check->isChecked(), qPrintable(row.check));
        for (const QString &name : {row.list, row.first, row.second}) {
            FIND(w, QWidget, d.get(), name);
            QVERIFY2(!w->isVisible(), qPrintable(name));
        }
    }
}

void TestSearchDialogs::tickingShowsModeAndBounds_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("row");
    QTest::newRow("I sections, h") << "TFiltroPropFm" << 1;
    QTest::newRow("I sections, Wy") << "TFiltroPropFm" << 8;
    QTest::newRow("I sections detailing, Ss") << "TFiltroDetailFm" << 6;
    QTest::newRow("angles, iu") << "TFiltroPAngFm" << 9;
    QTest::newRow("angles detailing, M") << "TFiltroDAngFm" << 3;
}

void TestSearchDialogs::tickingShowsModeAndBounds()
{
    QFETCH(QString, className);
    QFETCH(int, row);
    const ExpectedDialog &design = expectedOf(className);
    const ExpectedRow &r = design.rows[row - 1];
    MAKE(d, className);
    for (int i = 1; i <= d->rowCount(); ++i)
        d->AjustaDados(SearchCriterion{}, i);
    QVERIFY(showActive(d.get()));
    FIND(check, QCheckBox, d.get(), r.check);
    FIND(list, QComboBox, d.get(), r.list);
    FIND(first, TBoundEdit, d.get(), r.first);
    FIND(second, TBoundEdit, d.get(), r.second);

    // No other row shows anything at any step.
    const auto othersHidden = [&] {
        for (const ExpectedRow &o : design.rows) {
            if (o.check == r.check)
                continue;
            for (const QString &name : {o.list, o.first, o.second}) {
                const QWidget *w = d->findChild<QWidget *>(name);
                if (!w || w->isVisible())
                    return false;
            }
        }
        return true;
    };

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(check->isChecked());
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentText(), QStringLiteral("more than"));
    QVERIFY(first->isVisible());
    QVERIFY(!second->isVisible());
    QVERIFY(othersHidden());

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), QStringLiteral("between"));
    QVERIFY(first->isVisible());
    QVERIFY(second->isVisible());
    QVERIFY(othersHidden());

    first->setFocus();
    QTest::keyClicks(first, "30");
    second->setFocus();
    QTest::keyClicks(second, "20");
    list->setFocus();
    QCOMPARE(d->LeDados(row), (SearchCriterion{true, Between, 30, 20}));

    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->currentText(), QStringLiteral("less than"));
    QVERIFY(first->isVisible());
    QVERIFY(!second->isVisible());
    QCOMPARE(d->LeDados(row), (SearchCriterion{true, LessThan, 30, 20}));

    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!check->isChecked());
    QVERIFY(!list->isVisible());
    QVERIFY(!first->isVisible());
    QVERIFY(!second->isVisible());
    QCOMPARE(d->LeDados(row), (SearchCriterion{false, LessThan, 30, 20}));

    // Ticked again, the row comes back as it was.
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(check->isChecked());
    QVERIFY(list->isVisible());
    QCOMPARE(list->currentText(), QStringLiteral("less than"));
    QVERIFY(!second->isVisible());
    QCOMPARE(first->text(), QStringLiteral("30.00"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(second->isVisible());
    QCOMPARE(second->text(), QStringLiteral("20.00"));
    QVERIFY(othersHidden());
}

void TestSearchDialogs::loadingSetsVisibility_data()
{
    QTest::addColumn<SearchCriterion>("criterion");
    QTest::addColumn<bool>("listShown");
    QTest::addColumn<bool>("secondShown");
    QTest::newRow("disabled between") << SearchCriterion{false, Between, 1, 2} << false << false;
    QTest::newRow("more than") << SearchCriterion{true, MoreThan, 1, 2} << true << false;
    QTest::newRow("less than") << SearchCriterion{true, LessThan, 1, 2} << true << false;
    QTest::newRow("between") << SearchCriterion{true, Between, 1, 2} << true << true;
}

void TestSearchDialogs::loadingSetsVisibility()
{
    QFETCH(SearchCriterion, criterion);
    QFETCH(bool, listShown);
    QFETCH(bool, secondShown);
    TFiltroPropFm d(familyInfo(SectionFamily::HEB).kind->propertyCriteria, testContext());
    QVERIFY(showActive(&d));
    d.AjustaDados(criterion, 4);
    FIND(list, QComboBox, &d, "twCBT");
    FIND(first, TBoundEdit, &d, "tw1T");
    FIND(second, TBoundEdit, &d, "tw2T");
    QCOMPARE(list->isVisible(), listShown);
    QCOMPARE(first->isVisible(), listShown);
    QCOMPARE(second->isVisible(), secondShown);
    QCOMPARE(d.LeDados(4), criterion);
}

void TestSearchDialogs::roundTrip_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("row");
    QTest::addColumn<SearchCriterion>("loaded");
    QTest::addColumn<SearchCriterion>("read");

    const auto same = [](const char *name, const char *cls, int row, SearchCriterion c) {
        QTest::newRow(name) << QString::fromLatin1(cls) << row << c << c;
    };
    same("between 300..200 is not swapped", "TFiltroPropFm", 1, {true, Between, 300, 200});
    same("hidden second bound of a less-than", "TFiltroPropFm", 2, {true, LessThan, 120, 450});
    same("hidden second bound of a more-than", "TFiltroDetailFm", 5, {true, MoreThan, 20.4, 75.25});
    same("disabled row keeps mode and bounds", "TFiltroPropFm", 12, {false, Between, 10, 20});
    same("two decimals", "TFiltroPropFm", 8, {true, MoreThan, 500.25, 0.01});
    same("equal bounds", "TFiltroDetailFm", 6, {true, Between, 60.1, 60.1});
    same("largest bounds", "TFiltroPAngFm", 5, {true, Between, 9999999, 9999999});
    same("all zero", "TFiltroDAngFm", 1, {});

    QTest::newRow("tf above 99") << "TFiltroPropFm" << 3 << SearchCriterion{true, Between, 150, 45.5}
                                 << SearchCriterion{true, Between, 99, 45.5};
    QTest::newRow("negative bounds") << "TFiltroDetailFm" << 6 << SearchCriterion{true, MoreThan, -5, -0.01}
                                     << SearchCriterion{true, MoreThan, 0, 0};
    QTest::newRow("angle t above 999") << "TFiltroPAngFm" << 2 << SearchCriterion{true, MoreThan, 1500, 1000}
                                       << SearchCriterion{true, MoreThan, 999, 999};
    QTest::newRow("angle iv above 999") << "TFiltroPAngFm" << 11 << SearchCriterion{true, Between, 0.25, 999.99}
                                        << SearchCriterion{true, Between, 0.25, 999};
    QTest::newRow("angle detailing t") << "TFiltroDAngFm" << 2 << SearchCriterion{true, LessThan, 1000, 8}
                                       << SearchCriterion{true, LessThan, 999, 8};
}

void TestSearchDialogs::roundTrip()
{
    QFETCH(QString, className);
    QFETCH(int, row);
    QFETCH(SearchCriterion, loaded);
    QFETCH(SearchCriterion, read);
    MAKE(d, className);
    const QList<SearchCriterion> before = readAll(*d);

    d->AjustaDados(loaded, row);
    QCOMPARE(d->LeDados(row), read);
    // Loading one row leaves the others alone.
    QList<SearchCriterion> expected = before;
    expected[row - 1] = read;
    QCOMPARE(readAll(*d), expected);
}

void TestSearchDialogs::everyRowLoadsAndReads()
{
    QFETCH(QString, className);
    MAKE(d, className);
    const int rows = expectedOf(className).rows.size();

    // Distinct criteria, all within every row's range, loaded the way a
    // family window does: row by row from 1.
    QList<SearchCriterion> criteria;
    for (int i = 1; i <= rows; ++i)
        criteria << SearchCriterion{i % 2 == 1, CriterionMode(i % 3), double(i), i + 0.25};
    for (int i = 1; i <= rows; ++i)
        d->AjustaDados(criteria[i - 1], i);
    QCOMPARE(readAll(*d), criteria);
    QCOMPARE(d->LeDados(rows + 1), SearchCriterion{});
}

void TestSearchDialogs::rowsOutsideTheDialog_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("row");
    for (auto it = expectedDialogs().cbegin(); it != expectedDialogs().cend(); ++it) {
        QTest::addRow("%s/0", qPrintable(it.key())) << it.key() << 0;
        QTest::addRow("%s/-1", qPrintable(it.key())) << it.key() << -1;
        QTest::addRow("%s/%lld", qPrintable(it.key()), it->rows.size() + 1) << it.key() << int(it->rows.size() + 1);
    }
}

void TestSearchDialogs::rowsOutsideTheDialog()
{
    QFETCH(QString, className);
    QFETCH(int, row);
    MAKE(d, className);
    for (int i = 1; i <= d->rowCount(); ++i)
        d->AjustaDados({true, Between, 7, 8}, i);
    QVERIFY(showActive(d.get()));

    QCOMPARE(d->LeDados(row), SearchCriterion{});

    // A tick that the dialog has not acted upon yet: loading a row outside
    // the dialog changes no row but brings the visibility up to date.
    FIND(check, QCheckBox, d.get(), expectedOf(className).rows.front().check);
    FIND(list, QComboBox, d.get(), expectedOf(className).rows.front().list);
    {
        const QSignalBlocker blocker(check);
        check->setChecked(false);
    }
    QVERIFY(list->isVisible());
    const QList<SearchCriterion> before = readAll(*d);
    d->AjustaDados({true, LessThan, 1, 2}, row);
    QCOMPARE(readAll(*d), before);
    QVERIFY(!list->isVisible());
}

void TestSearchDialogs::typedBounds_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("second");
    QTest::addColumn<double>("loaded");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("bound");

    QTest::newRow("150 into tf") << "TFiltroPropFm" << 3 << false << 0.0 << "150" << "99.00" << 99.0;
    QTest::newRow("150 into tw, second bound") << "TFiltroDetailFm" << 4 << true << 0.0 << "150" << "99.00" << 99.0;
    QTest::newRow("1500 into angle t") << "TFiltroPAngFm" << 2 << false << 0.0 << "1500" << "999.00" << 999.0;
    QTest::newRow("1500 into angle detailing t")
        << "TFiltroDAngFm" << 2 << true << 0.0 << "1500" << "999.00" << 999.0;
    QTest::newRow("1500 into angle iy") << "TFiltroPAngFm" << 7 << false << 0.0 << "1500" << "999.00" << 999.0;
    QTest::newRow("99999 into h") << "TFiltroPropFm" << 1 << true << 0.0 << "99999" << "9999.00" << 9999.0;
    QTest::newRow("1234567 into Ss")
        << "TFiltroDetailFm" << 6 << false << 0.0 << "1234567" << "999999.00" << 999999.0;
    QTest::newRow("within range") << "TFiltroPropFm" << 7 << true << 0.0 << "12345.67" << "12345.67" << 12345.67;
    QTest::newRow("third decimal refused") << "TFiltroPropFm" << 6 << false << 0.0 << "20.405" << "20.40" << 20.4;
    QTest::newRow("left empty") << "TFiltroDAngFm" << 3 << false << 0.0 << "" << "0.00" << 0.0;
    // Tabbing into a box selects its value, so typing replaces it.
    QTest::newRow("typed over a loaded bound") << "TFiltroPropFm" << 2 << false << 45.5 << "7" << "7.00" << 7.0;
    QTest::newRow("loaded bound left as it was")
        << "TFiltroPAngFm" << 9 << true << 45.5 << "" << "45.50" << 45.5;
}

void TestSearchDialogs::typedBounds()
{
    QFETCH(QString, className);
    QFETCH(int, row);
    QFETCH(bool, second);
    QFETCH(double, loaded);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(double, bound);
    const ExpectedRow &r = expectedOf(className).rows[row - 1];
    MAKE(d, className);
    d->AjustaDados({true, Between, loaded, loaded}, row);
    QVERIFY(showActive(d.get()));
    FIND(box, TBoundEdit, d.get(), second ? r.second : r.first);
    FIND(before, QWidget, d.get(), second ? r.first : r.list);

    // In and out by the keyboard, as a user goes.
    before->setFocus();
    QTRY_VERIFY(before->hasFocus());
    QTest::keyClick(before, Qt::Key_Tab);
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Tab);
    QTRY_VERIFY(!box->hasFocus());
    QCOMPARE(box->text(), shown);
    const SearchCriterion c = d->LeDados(row);
    QCOMPARE(second ? c.Bound2 : c.Bound1, bound);
    QCOMPARE(second ? c.Bound1 : c.Bound2, loaded);
}

void TestSearchDialogs::boundsFollowTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    TFiltroDAngFm d(familyInfo(SectionFamily::ANG).kind->detailCriteria, testContext());
    d.AjustaDados({true, Between, 45.5, 1500}, 1);
    QVERIFY(showActive(&d));
    FIND(first, TBoundEdit, &d, "h1T");
    FIND(second, TBoundEdit, &d, "h2T");
    QCOMPARE(first->text(), QStringLiteral("45,50"));
    QCOMPARE(second->text(), QStringLiteral("1500,00"));

    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    QCOMPARE(first->text(), QStringLiteral("45,5"));
    first->selectAll();
    QTest::keyClicks(first, "12,25");
    QTest::keyClick(first, Qt::Key_Tab);
    QTRY_VERIFY(second->hasFocus());
    QCOMPARE(first->text(), QStringLiteral("12,25"));
    QCOMPARE(d.LeDados(1), (SearchCriterion{true, Between, 12.25, 1500}));
}

void TestSearchDialogs::closing_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("result");
    for (const QString &cls : expectedDialogs().keys()) {
        const auto add = [&](const char *action, int result) {
            QTest::addRow("%s/%s", qPrintable(cls), action) << cls << QString::fromLatin1(action) << result;
        };
        add("Ok button", QDialog::Accepted);
        add("Enter on a check box", QDialog::Accepted);
        add("Enter in a bound box", QDialog::Accepted);
        add("Cancel button", QDialog::Rejected);
        add("Escape", QDialog::Rejected);
        add("close box", QDialog::Rejected);
    }
}

void TestSearchDialogs::closing()
{
    QFETCH(QString, className);
    QFETCH(QString, action);
    QFETCH(int, result);
    const ExpectedDialog &design = expectedOf(className);
    MAKE(d, className);
    d->AjustaDados({true, MoreThan, 5, 0}, 1);
    d->setResult(-1);
    d->open();
    QVERIFY(QTest::qWaitForWindowActive(d.get()));

    if (action == u"Ok button") {
        FIND(ok, QPushButton, d.get(), "OkBt");
        QTest::mouseClick(ok, Qt::LeftButton);
    } else if (action == u"Cancel button") {
        FIND(cancel, QPushButton, d.get(), design.cancel);
        QTest::mouseClick(cancel, Qt::LeftButton);
    } else if (action == u"Enter on a check box") {
        FIND(check, QCheckBox, d.get(), design.rows.back().check);
        check->setFocus();
        QTRY_VERIFY(check->hasFocus());
        QTest::keyClick(check, Qt::Key_Return);
        QVERIFY(!check->isChecked());
    } else if (action == u"Enter in a bound box") {
        FIND(box, TBoundEdit, d.get(), design.rows.front().first);
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Enter);
    } else if (action == u"Escape") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else if (action == u"close box") {
        d->close();
    } else {
        QFAIL(qPrintable(action));
    }
    QTRY_VERIFY(!d->isVisible());
    QCOMPARE(d->result(), result);
    // Closing reads or resets nothing: the window decides what to keep.
    QCOMPARE(d->LeDados(1), (SearchCriterion{true, MoreThan, 5, 0}));
}

void TestSearchDialogs::enteredByKeyboardAndConfirmed()
{
    TFiltroPropFm d(familyInfo(SectionFamily::HEB).kind->propertyCriteria, testContext());
    for (int row = 1; row <= d.rowCount(); ++row)
        d.AjustaDados(SearchCriterion{}, row);
    d.open();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(focusName(), QStringLiteral("hChT"));

    // Tick h, choose "between", type 300 and 200, confirm with Enter.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("hCBT"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("h1T"));
    QTest::keyClicks(QApplication::focusWidget(), "300");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("h2T"));
    QTest::keyClicks(QApplication::focusWidget(), "200");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QTRY_VERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(d.LeDados(1), (SearchCriterion{true, Between, 300, 200}));
    for (int row = 2; row <= d.rowCount(); ++row)
        QCOMPARE(d.LeDados(row), SearchCriterion{});
}

void TestSearchDialogs::keyboardOrder_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QList<SearchCriterion>>("criteria");

    for (auto it = expectedDialogs().cbegin(); it != expectedDialogs().cend(); ++it) {
        const int rows = it->rows.size();
        QList<SearchCriterion> none(rows), every(rows, SearchCriterion{true, Between, 1, 2}), mixed(rows);
        for (int i = 0; i < rows; ++i)
            mixed[i] = SearchCriterion{i % 3 != 0, CriterionMode(i % 3), 1, 2};
        QTest::addRow("%s/nothing ticked", qPrintable(it.key())) << it.key() << none;
        QTest::addRow("%s/every row between", qPrintable(it.key())) << it.key() << every;
        QTest::addRow("%s/mixed", qPrintable(it.key())) << it.key() << mixed;
    }
}

void TestSearchDialogs::keyboardOrder()
{
    QFETCH(QString, className);
    QFETCH(QList<SearchCriterion>, criteria);
    const ExpectedDialog &design = expectedOf(className);
    MAKE(d, className);
    for (int i = 1; i <= criteria.size(); ++i)
        d->AjustaDados(criteria[i - 1], i);

    // Row by row what each row shows, then the buttons.
    QStringList expected;
    for (int i = 0; i < criteria.size(); ++i) {
        const ExpectedRow &r = design.rows[i];
        expected << r.check;
        if (criteria[i].Enabled)
            expected << r.list << r.first;
        if (criteria[i].Enabled && criteria[i].Mode == Between)
            expected << r.second;
    }
    expected << "OkBt" << design.cancel << "AyudaBt";

    QVERIFY(showActive(d.get()));
    QStringList forward{focusName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << focusName();
    }
    QCOMPARE(forward, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focusName(), expected.front());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("AyudaBt"));
}

void TestSearchDialogs::helpButton_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    for (const QString &cls : expectedDialogs().keys()) {
        QTest::addRow("%s/English", qPrintable(cls)) << cls << 1 << "/opt/tolmo/EN-PFHelp.hlp";
        QTest::addRow("%s/Spanish", qPrintable(cls)) << cls << 2 << "/opt/tolmo/ES-PFHelp.hlp";
    }
}

void TestSearchDialogs::helpButton()
{
    QFETCH(QString, className);
    QFETCH(int, language);
    QFETCH(QString, file);
    testContext().setAppDir(QStringLiteral("/opt/tolmo/"));
    testContext().setLanguage(Language(language));

    QList<std::pair<QString, int>> calls;
    help::setHandler([&calls](const QString &f, int context) { calls.append({f, context}); });
    MAKE(d, className);
    QVERIFY(showActive(d.get()));
    FIND(ayuda, QPushButton, d.get(), "AyudaBt");
    QTest::mouseClick(ayuda, Qt::LeftButton);
    QCOMPARE(calls, (QList<std::pair<QString, int>>{{file, 1036}}));
    // Help leaves the dialog open.
    QVERIFY(d->isVisible());
}

QTEST_MAIN(TestSearchDialogs)
#include "tst_searchdialogs.moc"
