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

    // Properties show at least three significant digits: the format's
    // decimals, and more where the value needs them; dimensions (the fields
    // in mm) keep their format.
    void significantDigits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("expected");
        QTest::newRow("IPE 80 Iz: 8 would be 6 % off") << 8.4891 << "0" << "Iz (cm4)" << "8.49";
        QTest::newRow("IPE 80 Iy") << 80.136 << "0" << "Iy (cm4)" << "80.1";
        QTest::newRow("three digits need nothing more") << 171.4 << "0" << "Iz (cm4)" << "171";
        QTest::newRow("more than three keep the format") << 5696.54 << "0" << "Iy (cm4)" << "5697";
        QTest::newRow("format decimals beyond three digits stay") << 642.591 << "0.0" << "Wply (cm3)"
                                                                   << "642.6";
        QTest::newRow("IPN 600 Iy, whole cm4") << 138783.0 << "0" << "Iy (cm4)" << "138783";
        QTest::newRow("angle A") << 1.1236 << "0.00" << "A (cm2)" << "1.12";
        QTest::newRow("angle M below one") << 0.88204 << "0.00" << "M (kg/m)" << "0.882";
        QTest::newRow("weight of a light size") << 0.058865 << "0.000" << "P (kN/m)" << "0.0589";
        QTest::newRow("leading zeros are not significant") << 0.0012345 << "0.00" << "Iyz (cm4)" << "0.00123";
        QTest::newRow("rounding up to a new digit") << 9.996 << "0" << "It (cm4)" << "10.0";
        QTest::newRow("rounding up below one") << 0.09996 << "0.00" << "AL (m2/m)" << "0.100";
        QTest::newRow("decimal tie on the added digit") << 2.125 << "0" << "It (cm4)" << "2.13";
        QTest::newRow("negative") << -0.46832 << "0.0" << "Iyz (cm4)" << "-0.468";
        QTest::newRow("zero keeps the format") << 0.0 << "0.00" << "Avz (cm2)" << "0.00";
        QTest::newRow("at most six decimals") << 0.0000123 << "0" << "It (cm4)" << "0.000012";
        QTest::newRow("nothing to show at six decimals keeps the format") << 1e-9 << "0.0" << "It (cm4)" << "0.0";
        QTest::newRow("not a number is blank") << std::nan("") << "0" << "Iz (cm4)" << "";
        QTest::newRow("stored dimension keeps its format") << 3.8 << "0.0" << "tw (mm)" << "3.8";
        QTest::newRow("whole dimension") << 5.0 << "0" << "r (mm)" << "5";
        QTest::newRow("small radius") << 2.0 << "0.0" << "r2 (mm)" << "2.0";
        QTest::newRow("derived dimension") << 6.00883 << "0.0" << "Ss (mm)" << "6.0";
        QTest::newRow("cm is not a dimension") << 1.05 << "0.0" << "sy (cm)" << "1.05";
    }
    void significantDigits()
    {
        QFETCH(double, value);
        QFETCH(QString, format);
        QFETCH(QString, label);
        QFETCH(QString, expected);
        const QByteArray f = format.toLatin1();
        const QByteArray l = label.toLatin1();
        const FieldDecl field{"X", FieldType::Float, 0, FieldKind::Computed, l.constData(), f.constData(), 0,
                              FieldAlign::Center};
        QCOMPARE(display::cell(value, field, u'.'), expected);
        QString comma = expected;
        QCOMPARE(display::cell(value, field, u','), comma.replace(u'.', u','));
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
