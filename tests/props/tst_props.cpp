// The four property computations against the worked examples of the
// catalogue, figure by figure to the digits given.
#include "props/Angular.h"
#include "props/ILamInc.h"
#include "props/ILamPar.h"
#include "props/ULam.h"
#include "support/Digits.h"

#include <QMap>
#include <QTest>

#include <cmath>
#include <functional>

using Figures = QMap<QString, QString>;
Q_DECLARE_METATYPE(ILamParDims)
Q_DECLARE_METATYPE(ILamIncStored)
Q_DECLARE_METATYPE(ULamStored)
Q_DECLARE_METATYPE(AngularDims)

namespace {

template <typename Props> using Members = QMap<QString, double Props::*>;

const Members<ILamParProps> kILamPar = {
    {"hi", &ILamParProps::hi},     {"d", &ILamParProps::d},       {"A", &ILamParProps::A},
    {"M", &ILamParProps::M},       {"P", &ILamParProps::P},       {"Iy", &ILamParProps::Iy},
    {"Iz", &ILamParProps::Iz},     {"Wy", &ILamParProps::Wy},     {"Wz", &ILamParProps::Wz},
    {"iy", &ILamParProps::iy},     {"iz", &ILamParProps::iz},     {"Wply", &ILamParProps::Wply},
    {"Wplz", &ILamParProps::Wplz}, {"alpha1", &ILamParProps::alpha1}, {"D1", &ILamParProps::D1},
    {"It", &ILamParProps::It},     {"Iw", &ILamParProps::Iw},     {"AL", &ILamParProps::AL},
    {"AG", &ILamParProps::AG},     {"Avz", &ILamParProps::Avz},   {"Sy", &ILamParProps::Sy},
    {"sy", &ILamParProps::sy},     {"ss", &ILamParProps::ss},
};

template <typename Props>
const Members<Props> kDerived = {
    {"M", &Props::M},   {"P", &Props::P},   {"Wy", &Props::Wy}, {"iy", &Props::iy}, {"Wz", &Props::Wz},
    {"iz", &Props::iz}, {"AG", &Props::AG}, {"Sy", &Props::Sy}, {"sy", &Props::sy},
};

const Members<AngularProps> kAngular = {
    {"A", &AngularProps::A},   {"M", &AngularProps::M},   {"P", &AngularProps::P},
    {"ys", &AngularProps::ys}, {"zs", &AngularProps::zs}, {"v", &AngularProps::v},
    {"u1", &AngularProps::u1}, {"u2", &AngularProps::u2}, {"Iy", &AngularProps::Iy},
    {"Wy", &AngularProps::Wy}, {"iy", &AngularProps::iy}, {"Iyz", &AngularProps::Iyz},
    {"Iu", &AngularProps::Iu}, {"iu", &AngularProps::iu}, {"Iv", &AngularProps::Iv},
    {"iv", &AngularProps::iv}, {"AL", &AngularProps::AL}, {"AG", &AngularProps::AG},
};

template <typename Props> void checkFigures(const Props &p, const Members<Props> &members, const Figures &figures)
{
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        QVERIFY2(members.contains(it.key()), qPrintable(it.key()));
        const double actual = p.*members.value(it.key());
        QVERIFY2(agreesToDigits(actual, it.value()),
                 qPrintable(QStringLiteral("%1 = %2, expected %3").arg(it.key()).arg(actual, 0, 'g', 12).arg(it.value())));
    }
}

} // namespace

class TestProps : public QObject {
    Q_OBJECT
private slots:
    void iLamPar_data()
    {
        QTest::addColumn<ILamParDims>("dims");
        QTest::addColumn<Figures>("figures");
        QTest::newRow("HEB 200") << ILamParDims{200, 200, 9, 15, 18}
                                 << Figures{{"hi", "17"},        {"d", "13.4"},       {"A", "78.0864"},
                                            {"M", "61.2978"},    {"P", "0.612978"},   {"Iy", "5696.54"},
                                            {"Iz", "2003.37"},   {"Wy", "569.654"},   {"Wz", "200.337"},
                                            {"iy", "8.54118"},   {"iz", "5.06516"},   {"Wply", "642.591"},
                                            {"Wplz", "305.815"}, {"alpha1", "0.16446"}, {"D1", "2.49265"},
                                            {"It", "59.7027"},   {"Iw", "171413"},    {"AL", "1.1511"},
                                            {"AG", "18.7788"},   {"Avz", "24.8364"},  {"Sy", "321.295"},
                                            {"sy", "17.7299"},   {"ss", "6.00883"}};
        // Without root radius every fillet term vanishes.
        QTest::newRow("r = 0") << ILamParDims{200, 200, 9, 15, 0}
                               << Figures{{"A", "75.3"},     {"Iy", "5513.475"}, {"It", "47.0047"},
                                          {"Avz", "16.65"},  {"ss", "3.9"},      {"alpha1", "0"},
                                          {"D1", "0"}};
        // An empty h: Wy is guarded, Iy still sums the remaining terms.
        QTest::newRow("h empty") << ILamParDims{0, 200, 9, 15, 18}
                                 << Figures{{"Wy", "0"}, {"hi", "-3"}};
    }
    void iLamPar()
    {
        QFETCH(ILamParDims, dims);
        QFETCH(Figures, figures);
        checkFigures(PropILamPar(dims), kILamPar, figures);
    }

    void iLamParEmptyHStillComputesIy()
    {
        const ILamParProps p = PropILamPar({0, 200, 9, 15, 18});
        // (b h^3 - (b - tw) hi^3) / 12 + fillets, with h = 0 and hi = -3 cm.
        const double ar = 0.215 * 1.8 * 1.8, ey = -1.5 - 0.223 * 1.8, jr = 0.00755 * std::pow(1.8, 4);
        const double expected = (0 - (20 - 0.9) * std::pow(-3.0, 3)) / 12 + 4 * (ar * ey * ey + jr);
        QCOMPARE(p.Iy, expected);
        QVERIFY(p.Iy > 0);
    }

    void iLamParAllEmptyDoesNotFail()
    {
        const ILamParProps p = PropILamPar({});
        QCOMPARE(p.A, 0.0);
        QCOMPARE(p.Wy, 0.0);
        QCOMPARE(p.iy, 0.0);
        // 0/0 quotients are left to the display, which shows them blank.
        QVERIFY(!std::isfinite(p.AG));
        QVERIFY(!std::isfinite(p.sy));
    }

    void iLamInc_data()
    {
        QTest::addColumn<ILamIncStored>("row");
        QTest::addColumn<Figures>("figures");
        QTest::newRow("IPN 200") << ILamIncStored{200, 90, 33.4, 2140, 117, 250, 0, 0.709, 0}
                                 << Figures{{"M", "26.219"}, {"P", "0.26219"}, {"Wy", "214"},
                                            {"iy", "8.00449"}, {"Wz", "26"}, {"iz", "1.87163"},
                                            {"AG", "27.0415"}, {"Sy", "125"}, {"sy", "17.12"}};
        QTest::newRow("H empty") << ILamIncStored{0, 90, 33.4, 2140, 117, 250, 0, 0.709, 0}
                                 << Figures{{"Wy", "0"}, {"Wz", "26"}, {"iy", "8.00449"}};
        QTest::newRow("A empty") << ILamIncStored{200, 90, 0, 2140, 117, 250, 0, 0.709, 0}
                                 << Figures{{"M", "0"}, {"iy", "0"}, {"iz", "0"}, {"Wy", "214"}};
    }
    void iLamInc()
    {
        QFETCH(ILamIncStored, row);
        QFETCH(Figures, figures);
        checkFigures(PropILamInc(row), kDerived<ILamIncProps>, figures);
    }

    void uLam_data()
    {
        QTest::addColumn<ULamStored>("row");
        QTest::addColumn<Figures>("figures");
        QTest::newRow("UPN 200") << ULamStored{200, 75, 32.2, 1910, 148, 228, 0, 2.01, 0.661, 0}
                                 << Figures{{"M", "25.277"}, {"P", "0.25277"}, {"Wy", "191"},
                                            {"iy", "7.70174"}, {"Wz", "26.9581"}, {"iz", "2.14389"},
                                            {"AG", "26.1503"}, {"Sy", "114"}, {"sy", "16.7544"}};
        // Without ys the tips are taken at b from the centroid: Iz / b.
        QTest::newRow("ys empty") << ULamStored{200, 75, 32.2, 1910, 148, 228, 0, 0, 0.661, 0}
                                  << Figures{{"Wz", "19.7333"}};
        QTest::newRow("B empty") << ULamStored{200, 0, 32.2, 1910, 148, 228, 0, 2.01, 0.661, 0}
                                 << Figures{{"Wz", "0"}};
    }
    void uLam()
    {
        QFETCH(ULamStored, row);
        QFETCH(Figures, figures);
        checkFigures(PropULam(row), kDerived<ULamProps>, figures);
    }

    void uLamStoresSsInMillimetres()
    {
        const ULamProps p = PropULam({200, 75, 32.2, 1910, 148, 228, 0, 2.01, 0.661, 52.5});
        QCOMPARE(p.ss, 52.5);
        QCOMPARE(PropILamInc({200, 90, 33.4, 2140, 117, 250, 0, 0.709, 61.2}).ss, 61.2);
    }

    void angular_data()
    {
        QTest::addColumn<AngularDims>("dims");
        QTest::addColumn<Figures>("figures");
        QTest::newRow("L 100x100x10") << AngularDims{100, 10, 12, 6}
                                      << Figures{{"A", "19.1545"},  {"M", "15.0363"},  {"P", "0.150363"},
                                                 {"ys", "2.82246"}, {"zs", "2.82246"}, {"v", "7.07107"},
                                                 {"u1", "3.99155"}, {"u2", "3.53809"}, {"Iy", "176.657"},
                                                 {"Wy", "24.6124"}, {"iy", "3.0369"},  {"Iyz", "103.671"},
                                                 {"Iu", "280.328"}, {"iu", "3.82558"}, {"Iv", "72.986"},
                                                 {"iv", "1.95202"}, {"AL", "0.389699"}, {"AG", "25.9172"}};
        QTest::newRow("no radii") << AngularDims{100, 10, 0, 0}
                                  << Figures{{"A", "19"},        {"ys", "2.86842"}, {"Iy", "180.004"},
                                             {"Iyz", "106.579"}, {"Iu", "286.583"}, {"Iv", "73.4254"},
                                             {"u2", "3.72161"},  {"AL", "0.4"}};
        QTest::newRow("H empty") << AngularDims{0, 10, 12, 6} << Figures{{"Wy", "0"}};
    }
    void angular()
    {
        QFETCH(AngularDims, dims);
        QFETCH(Figures, figures);
        const AngularProps p = PropAngular(dims);
        checkFigures(p, kAngular, figures);
        QVERIFY(std::fabs(p.Iu + p.Iv - 2 * p.Iy) <= 1e-9 * std::fabs(p.Iy) + 1e-12);
    }

    void angularSignedProductOfInertia()
    {
        // The signed sum is negative for a real angle; its parts as published.
        const AngularProps p = PropAngular({100, 10, 12, 6});
        const double h = 10, t = 1, ys = p.ys, zs = p.zs;
        const double P1 = -h * t * (ys - t / 2) * (h / 2 - zs);
        const double P2 = -(h - t) * t * ((h - t) / 2 + t - ys) * (zs - t / 2);
        QCOMPARE_DIGITS(P1, "-50.5725");
        QCOMPARE_DIGITS(P2, "-55.9663");
    }

    void angularAllEmptyDoesNotFail()
    {
        const AngularProps p = PropAngular({});
        QCOMPARE(p.A, 0.0);
        QCOMPARE(p.iy, 0.0);
        QCOMPARE(p.Wy, 0.0);
        QVERIFY(!std::isfinite(p.ys));
        QVERIFY(!std::isfinite(p.AG));
    }

    void sameDimensionsSameResultsEveryCall()
    {
        const ILamParProps a = PropILamPar({300, 150, 7.1, 10.7, 15});
        const ILamParProps b = PropILamPar({300, 150, 7.1, 10.7, 15});
        QCOMPARE(std::memcmp(&a, &b, sizeof a), 0);
    }
};

QTEST_APPLESS_MAIN(TestProps)
#include "tst_props.moc"
