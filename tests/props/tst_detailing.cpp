// The bolting rule of the detailing tables: holes and washers of the metric
// bolts, and the gauge range on flanges whose seat, toe and tip are given.
#include "props/Detailing.h"
#include "props/Sections.h"

#include <QTest>

#include <cstring>

Q_DECLARE_METATYPE(props::SectionShape)

namespace {

props::SectionShape seat(double start, double end, double tip)
{
    props::SectionShape s;
    s.seatStart = start;
    s.seatEnd = end;
    s.tip = tip;
    return s;
}

} // namespace

class TestDetailing : public QObject {
    Q_OBJECT
private slots:
    void holesAndWashers_data()
    {
        QTest::addColumn<QString>("bolt");
        QTest::addColumn<double>("hole");
        QTest::addColumn<double>("washer");
        // EN 1090-2 normal round holes: d + 1 up to M14, + 2 from M16 to
        // M24, + 3 from M27; EN ISO 7089 washer outer diameters.
        QTest::newRow("M8") << "M8" << 9.0 << 16.0;
        QTest::newRow("M12") << "M12" << 13.0 << 24.0;
        QTest::newRow("M16") << "M16" << 18.0 << 30.0;
        QTest::newRow("M20") << "M20" << 22.0 << 37.0;
        QTest::newRow("M24") << "M24" << 26.0 << 44.0;
        QTest::newRow("M27") << "M27" << 30.0 << 50.0;
        QTest::newRow("M30") << "M30" << 33.0 << 56.0;
    }
    void holesAndWashers()
    {
        QFETCH(QString, bolt);
        QFETCH(double, hole);
        QFETCH(double, washer);
        for (const props::MetricBolt &b : props::metricBolts()) {
            if (bolt != QLatin1String(b.name))
                continue;
            QCOMPARE(b.d0, hole);
            QCOMPARE(b.dw, washer);
            return;
        }
        QFAIL("no such bolt");
    }

    void rule_data()
    {
        QTest::addColumn<props::SectionShape>("shape");
        QTest::addColumn<bool>("twoLines");
        QTest::addColumn<QString>("minGauge");
        QTest::addColumn<QString>("maxGauge");
        QTest::addColumn<QString>("bolt");
        // M8 from 10 + 8 = 18 to 28.8 - 1.2 * 9 = 18: a single gauge fits;
        // M10 would need 20 and allow 15.6.
        QTest::newRow("smallest equals largest") << seat(10, 100, 28.8) << false << "18" << "18" << "M8";
        // The edge distance governs: M16 needs 20 but 40 - 21.6 = 18.4;
        // M12 from 5 + 12 = 17 to 40 - 15.6 = 24.4.
        QTest::newRow("edge distance governs") << seat(5, 100, 40) << false << "17" << "24" << "M12";
        // The toe rounding governs: M16's washer would reach past 30 - 15;
        // M12 from 17 to 30 - 12 = 18.
        QTest::newRow("toe rounding governs") << seat(5, 30, 60) << false << "17" << "18" << "M12";
        // Two bolt lines double the distances from the web axis: M30 from
        // 2 (22.5 + 28) = 101 to 2 (100 - 39.6) = 120.8.
        QTest::newRow("two lines") << seat(22.5, 100, 100) << true << "101" << "120" << "M30";
        // Not even M8: 2 + 8 = 10 against 15 - 10.8 = 4.2.
        QTest::newRow("too narrow") << seat(2, 15, 15) << false << "-" << "-" << "-";
        // The largest of the series, even where more would fit.
        QTest::newRow("M30 at most") << seat(10, 500, 500) << false << "38" << "460" << "M30";
    }
    void rule()
    {
        QFETCH(props::SectionShape, shape);
        QFETCH(bool, twoLines);
        QFETCH(QString, minGauge);
        QFETCH(QString, maxGauge);
        QFETCH(QString, bolt);
        const props::DetailingTexts t = props::detailingTexts(shape, twoLines);
        QCOMPARE(QString::fromStdString(t.minGauge), minGauge);
        QCOMPARE(QString::fromStdString(t.maxGauge), maxGauge);
        QCOMPARE(QString::fromStdString(t.bolt), bolt);
    }

    void seatsOfTheSections_data()
    {
        QTest::addColumn<props::SectionShape>("shape");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("tip");
        // HE: the root fillet ends r from the web face; no toe rounding.
        QTest::newRow("HEB 200") << props::parallelFlangeI(200, 200, 9, 15, 18) << 4.5 + 18 << 100.0 << 100.0;
        // Angle: t + r1 from the heel; the toe rounding takes r2 off the tip.
        QTest::newRow("L 100x100x10") << props::equalLegAngle(100, 10, 12, 6) << 22.0 << 94.0 << 100.0;
    }
    void seatsOfTheSections()
    {
        QFETCH(props::SectionShape, shape);
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, tip);
        QCOMPARE(shape.seatStart, start);
        QCOMPARE(shape.seatEnd, end);
        QCOMPARE(shape.tip, tip);
    }

    void taperedSeatsLieOnTheFace()
    {
        // On a tapered flange the corners open to 90 degrees less the slope
        // angle, so a rounding of radius r meets the sloping face r tan(41 deg)
        // = 0.87 r along it, a little less than r. IPN 200: web face at
        // 3.75 mm, tip at 45 mm.
        const props::SectionShape s = props::taperedFlangeI(200, 90, 7.5, 11.3, 7.5, 4.5);
        QVERIFY(s.seatStart > 3.75 + 7.5 * 0.8 && s.seatStart < 3.75 + 7.5);
        QVERIFY(s.seatEnd < 45 - 4.5 * 0.8 && s.seatEnd > 45 - 4.5 * 1.2);
        QCOMPARE(s.tip, 45.0);
    }
};

QTEST_APPLESS_MAIN(TestDetailing)
#include "tst_detailing.moc"
