// The bound box: its two formats, what it lets the user type or paste, and
// how it brings values into range.
#include "browse/TBoundEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestBoundEdit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_locale = QLocale(); }
    void init();
    void cleanup();

    void formats_data();
    void formats();
    void typing_data();
    void typing();
    void clearingReadsZero();
    void paste_data();
    void paste();
    void lowerMaximumClampsValue();
    void valueWiderThanBoxShowsLeadingDigits();

private:
    void useLocale(const QString &name);
    void enter();
    void leave();

    std::unique_ptr<QWidget> m_window;
    TBoundEdit *m_edit = nullptr;
    QLineEdit *m_other = nullptr;
    QLocale m_locale;
};

void TestBoundEdit::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QHBoxLayout(m_window.get());
    m_edit = new TBoundEdit(m_window.get());
    m_other = new QLineEdit(m_window.get());
    layout->addWidget(m_edit);
    layout->addWidget(m_other);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_other->setFocus();
    QTRY_VERIFY(m_other->hasFocus());
}

void TestBoundEdit::cleanup()
{
    m_window.reset();
    QLocale::setDefault(m_locale);
}

void TestBoundEdit::useLocale(const QString &name)
{
    QLocale::setDefault(QLocale(name));
}

void TestBoundEdit::enter()
{
    m_edit->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(m_edit->hasFocus());
}

void TestBoundEdit::leave()
{
    m_other->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(!m_edit->hasFocus());
}

void TestBoundEdit::formats_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("held");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("editing");

    QTest::newRow("zero") << "C" << 9999.0 << 0.0 << 0.0 << "0.00" << "";
    QTest::newRow("whole") << "C" << 9999.0 << 7.0 << 7.0 << "7.00" << "7";
    QTest::newRow("one decimal") << "C" << 9999.0 << 12.5 << 12.5 << "12.50" << "12.5";
    QTest::newRow("two decimals") << "C" << 9999.0 << 0.05 << 0.05 << "0.05" << "0.05";
    QTest::newRow("no group separator") << "C" << 9999999.0 << 1234567.0 << 1234567.0 << "1234567.00" << "1234567";
    QTest::newRow("above the largest bound") << "C" << 99.0 << 150.0 << 99.0 << "99.00" << "99";
    QTest::newRow("the largest bound") << "C" << 99.0 << 99.0 << 99.0 << "99.00" << "99";
    QTest::newRow("negative") << "C" << 99.0 << -3.0 << 0.0 << "0.00" << "";
    QTest::newRow("comma locale") << "es_ES" << 9999.0 << 1234.5 << 1234.5 << "1234,50" << "1234,5";
    QTest::newRow("comma locale, zero") << "es_ES" << 9999.0 << 0.0 << 0.0 << "0,00" << "";
}

void TestBoundEdit::formats()
{
    QFETCH(QString, locale);
    QFETCH(double, maximum);
    QFETCH(double, value);
    QFETCH(double, held);
    QFETCH(QString, display);
    QFETCH(QString, editing);

    useLocale(locale);
    m_edit->setMaximum(maximum);
    m_edit->setValue(value);
    QCOMPARE(m_edit->value(), held);
    QCOMPARE(m_edit->text(), display);

    enter();
    QCOMPARE(m_edit->text(), editing);
    QCOMPARE(m_edit->value(), held);

    leave();
    QCOMPARE(m_edit->text(), display);
    QCOMPARE(m_edit->value(), held);
}

void TestBoundEdit::typing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("display");

    QTest::newRow("150 into a 99 box") << "C" << 99.0 << "150" << "150" << false << 99.0 << "99.00";
    QTest::newRow("1500 into a 999 box") << "C" << 999.0 << "1500" << "1500" << false << 999.0 << "999.00";
    QTest::newRow("two decimals") << "C" << 9999.0 << "12.34" << "12.34" << false << 12.34 << "12.34";
    QTest::newRow("third decimal refused") << "C" << 9999.0 << "12.345" << "12.34" << true << 12.34 << "12.34";
    QTest::newRow("letters refused") << "C" << 9999.0 << "1a2B" << "12" << true << 12.0 << "12.00";
    QTest::newRow("minus refused") << "C" << 9999.0 << "-5" << "5" << true << 5.0 << "5.00";
    QTest::newRow("exponent refused") << "C" << 9999.0 << "1e3" << "13" << true << 13.0 << "13.00";
    QTest::newRow("blank refused") << "C" << 9999.0 << "1 5" << "15" << true << 15.0 << "15.00";
    QTest::newRow("second separator refused") << "C" << 9999.0 << "1.2.5" << "1.25" << true << 1.25 << "1.25";
    QTest::newRow("leading separator") << "C" << 9999.0 << ".5" << ".5" << false << 0.5 << "0.50";
    QTest::newRow("lone separator reads 0") << "C" << 9999.0 << "." << "." << false << 0.0 << "0.00";
    QTest::newRow("leading zeros") << "C" << 9999.0 << "007" << "007" << false << 7.0 << "7.00";
    QTest::newRow("nothing typed reads 0") << "C" << 9999.0 << "" << "" << false << 0.0 << "0.00";
    // Decimal separators: a full stop and a comma both stand for the
    // program's separator, whatever the language groups thousands with, and
    // the box shows the program's separator as soon as one is typed.
    QTest::newRow("point program: '.'") << "en_US" << 9999.0 << "12.5" << "12.5" << false << 12.5 << "12.50";
    QTest::newRow("point program: ','") << "en_US" << 9999.0 << "12,5" << "12.5" << false << 12.5 << "12.50";
    QTest::newRow("point program: ',' in C") << "C" << 9999.0 << "1,05" << "1.05" << false << 1.05 << "1.05";
    QTest::newRow("point program: leading ','") << "en_US" << 9999.0 << ",75" << ".75" << false << 0.75 << "0.75";
    QTest::newRow("point program: trailing ','") << "en_US" << 9999.0 << "40," << "40." << false << 40.0 << "40.00";
    QTest::newRow("point program: ',' then '.' refused")
        << "en_US" << 9999.0 << "1,2.5" << "1.25" << true << 1.25 << "1.25";
    QTest::newRow("point program: third decimal after ',' refused")
        << "en_US" << 9999.0 << "12,345" << "12.34" << true << 12.34 << "12.34";
    QTest::newRow("comma program: ','") << "es_ES" << 9999.0 << "12,5" << "12,5" << false << 12.5 << "12,50";
    QTest::newRow("comma program: '.'") << "es_ES" << 9999.0 << "12.5" << "12,5" << false << 12.5 << "12,50";
    QTest::newRow("comma program: '.' then ',' refused")
        << "es_ES" << 9999.0 << "3.2,5" << "3,25" << true << 3.25 << "3,25";
    QTest::newRow("comma program: third decimal after '.' refused")
        << "es_ES" << 9999.0 << "3.257" << "3,25" << true << 3.25 << "3,25";
    QTest::newRow("comma program: into range") << "es_ES" << 99.0 << "150.5" << "150,5" << false << 99.0 << "99,00";
    QTest::newRow("comma program, blank groups: '.'")
        << "fr_FR" << 9999.0 << "12.5" << "12,5" << false << 12.5 << "12,50";
}

void TestBoundEdit::typing()
{
    QFETCH(QString, locale);
    QFETCH(double, maximum);
    QFETCH(QString, keys);
    QFETCH(QString, typed);
    QFETCH(bool, refused);
    QFETCH(double, value);
    QFETCH(QString, display);

    useLocale(locale);
    // The rows name the program's separator by the locale they choose.
    if (locale == u"es_ES" || locale == u"fr_FR")
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    else
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
    m_edit->setMaximum(maximum);
    m_edit->setValue(0);
    QSignalSpy beeps(m_edit, &QLineEdit::inputRejected);

    enter();
    QTest::keyClicks(m_edit, keys);
    QCOMPARE(m_edit->text(), typed);
    QCOMPARE(!beeps.isEmpty(), refused);
    // Read while still editing, the value is already in range.
    QCOMPARE(m_edit->value(), value);

    leave();
    QCOMPARE(m_edit->text(), display);
    QCOMPARE(m_edit->value(), value);
}

void TestBoundEdit::clearingReadsZero()
{
    m_edit->setMaximum(9999);
    m_edit->setValue(42.5);
    enter();
    QCOMPARE(m_edit->text(), QStringLiteral("42.5"));
    QTest::keyClick(m_edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(m_edit, Qt::Key_Backspace);
    QCOMPARE(m_edit->text(), QString());
    QCOMPARE(m_edit->value(), 0.0);
    leave();
    QCOMPARE(m_edit->text(), QStringLiteral("0.00"));
    QCOMPARE(m_edit->value(), 0.0);
}

void TestBoundEdit::paste_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");

    // The box holds 12.5 with all of it selected: an accepted paste replaces it.
    QTest::newRow("a number") << "C" << "42.75" << "42.75" << false;
    QTest::newRow("a word") << "C" << "abc" << "12.5" << true;
    QTest::newRow("three decimals") << "C" << "1.234" << "12.5" << true;
    QTest::newRow("negative") << "C" << "-3" << "12.5" << true;
    QTest::newRow("number and unit") << "C" << "200 mm" << "12.5" << true;
    QTest::newRow("comma locale: its own separator") << "es_ES" << "7,5" << "7,5" << false;
    QTest::newRow("comma locale: three decimals after a full stop") << "es_ES" << "1.234" << "12,5" << true;
    QTest::newRow("comma locale: a full stop") << "es_ES" << "2.75" << "2,75" << false;
    QTest::newRow("point locale: a comma") << "C" << "2,75" << "2.75" << false;
    QTest::newRow("two separators") << "C" << "1,2.5" << "12.5" << true;
}

void TestBoundEdit::paste()
{
    QFETCH(QString, locale);
    QFETCH(QString, clipboard);
    QFETCH(QString, typed);
    QFETCH(bool, refused);

    useLocale(locale);
    m_edit->setMaximum(9999);
    m_edit->setValue(12.5);
    enter();
    QApplication::clipboard()->setText(clipboard);
    QCOMPARE(QApplication::clipboard()->text(), clipboard);
    QSignalSpy beeps(m_edit, &QLineEdit::inputRejected);
    m_edit->selectAll();
    QTest::keyClick(m_edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_edit->text(), typed);
    QCOMPARE(!beeps.isEmpty(), refused);
}

void TestBoundEdit::lowerMaximumClampsValue()
{
    m_edit->setMaximum(9999);
    m_edit->setValue(500);
    m_edit->setMaximum(99);
    QCOMPARE(m_edit->value(), 99.0);
    QCOMPARE(m_edit->text(), QStringLiteral("99.00"));

    // A value already in the new range stays as it is.
    m_edit->setValue(12.25);
    m_edit->setMaximum(50);
    QCOMPARE(m_edit->value(), 12.25);
}

void TestBoundEdit::valueWiderThanBoxShowsLeadingDigits()
{
    m_edit->setFixedWidth(51);
    m_edit->setMaximum(9999999);
    m_edit->setValue(1234567.89);
    QCOMPARE(m_edit->text(), QStringLiteral("1234567.89"));
    QCOMPARE(m_edit->cursorPosition(), 0);
    // Typing goes on at the end.
    enter();
    QCOMPARE(m_edit->cursorPosition(), int(m_edit->text().size()));
}

QTEST_MAIN(TestBoundEdit)
#include "tst_boundedit.moc"
