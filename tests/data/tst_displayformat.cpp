// Display formats: rounding, separators and blanks.
#include "data/DisplayFormat.h"

#include <QTest>

#include <cmath>
#include <limits>

class TestDisplayFormat : public QObject {
    Q_OBJECT
private slots:
    void fixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("tie away from zero") << 2.5 << 0 << "3";
        QTest::newRow("negative tie away from zero") << -2.5 << 0 << "-3";
        QTest::newRow("exact binary tie, two decimals") << 0.125 << 2 << "0.13";
        QTest::newRow("just below a decimal tie stays down") << 1.005 << 2 << "1.00";
        QTest::newRow("one decimal") << 60.0883 << 1 << "60.1";
        QTest::newRow("three decimals keep zeros") << 1.16 << 3 << "1.160";
        QTest::newRow("no thousands separator") << 171413.4 << 0 << "171413";
        QTest::newRow("large with decimals") << 1234567.891 << 1 << "1234567.9";
        QTest::newRow("small below one") << 0.0495 << 2 << "0.05";
        QTest::newRow("negative rounding to zero has no sign") << -0.04 << 1 << "0.0";
        QTest::newRow("zero") << 0.0 << 2 << "0.00";
        QTest::newRow("not a number is blank") << std::nan("") << 1 << "";
        QTest::newRow("infinity is blank") << std::numeric_limits<double>::infinity() << 2 << "";
    }
    void fixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(display::fixed(value, decimals, u'.'), expected);
    }

    void decimalPointIsTheOneGiven()
    {
        QCOMPARE(display::fixed(8.54118, 2, u','), QStringLiteral("8,54"));
        QCOMPARE(display::fixed(171413, 0, u','), QStringLiteral("171413"));
    }

    void systemDecimalPointFollowsTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QCOMPARE(display::systemDecimalPoint(), QChar(u','));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(display::systemDecimalPoint(), QChar(u'.'));
    }

    void cells()
    {
        const FieldDecl iy{"Iy", FieldType::Float, 0, FieldKind::Computed, "Iy (cm4)", "0", 8, FieldAlign::Center};
        const FieldDecl text{"Pmin", FieldType::Text, 8, FieldKind::Stored, "pmin (mm)", nullptr, 0, FieldAlign::Center};
        QCOMPARE(display::cell(5696.54, iy, u'.'), QStringLiteral("5697"));
        QCOMPARE(display::cell(QVariant(), iy, u'.'), QString());
        QCOMPARE(display::cell(QStringLiteral("90-120"), text, u'.'), QStringLiteral("90-120"));
        QCOMPARE(display::shortest(0.1), QStringLiteral("0.1"));
        QCOMPARE(display::shortest(std::nan("")), QString());
        QCOMPARE(display::shortest(QVariant()), QString());
    }
};

QTEST_APPLESS_MAIN(TestDisplayFormat)
#include "tst_displayformat.moc"
