// CriterionMet, the test every record filter applies to each quantity.
#include "browse/SearchCriterion.h"

#include <QTest>

#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(SearchCriterion)

class TestSearchCriterion : public QObject {
    Q_OBJECT

private slots:
    void criterionMet_data();
    void criterionMet();
};

void TestSearchCriterion::criterionMet_data()
{
    QTest::addColumn<SearchCriterion>("criterion");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("met");

    const SearchCriterion more200{true, MoreThan, 200, 0};
    QTest::newRow("more than: above") << more200 << 200.5 << true;
    QTest::newRow("more than: the bound itself") << more200 << 200.0 << true;
    QTest::newRow("more than: just below") << more200 << 199.99 << false;
    QTest::newRow("more than: ignores bound 2") << SearchCriterion{true, MoreThan, 200, 100} << 150.0 << false;

    const SearchCriterion less200{true, LessThan, 200, 0};
    QTest::newRow("less than: below") << less200 << 0.0 << true;
    QTest::newRow("less than: the bound itself") << less200 << 200.0 << true;
    QTest::newRow("less than: just above") << less200 << 200.01 << false;
    QTest::newRow("less than: ignores bound 2") << SearchCriterion{true, LessThan, 200, 500} << 300.0 << false;

    for (const auto &[name, c] : {std::pair{"between 200..300", SearchCriterion{true, Between, 200, 300}},
                                  std::pair{"between 300..200", SearchCriterion{true, Between, 300, 200}}}) {
        QTest::addRow("%s: lower end", name) << c << 200.0 << true;
        QTest::addRow("%s: inside", name) << c << 250.0 << true;
        QTest::addRow("%s: upper end", name) << c << 300.0 << true;
        QTest::addRow("%s: below", name) << c << 199.99 << false;
        QTest::addRow("%s: above", name) << c << 300.01 << false;
    }

    const SearchCriterion equal{true, Between, 60.1, 60.1};
    QTest::newRow("equal bounds: that value") << equal << 60.1 << true;
    QTest::newRow("equal bounds: next double up")
        << equal << std::nextafter(60.1, std::numeric_limits<double>::infinity()) << false;
    QTest::newRow("equal bounds: next double down") << equal << std::nextafter(60.1, 0.0) << false;

    // The comparison is exact: a mass shown as 20.4 but computed slightly
    // lower does not reach a bound of 20.4.
    QTest::newRow("unrounded value below a bound")
        << SearchCriterion{true, MoreThan, 20.4, 0} << std::nextafter(20.4, 0.0) << false;

    QTest::newRow("disabled between 0/0 accepts 250") << SearchCriterion{false, Between, 0, 0} << 250.0 << true;
    QTest::newRow("disabled more than accepts a value below")
        << SearchCriterion{false, MoreThan, 1000, 0} << 1.0 << true;
    QTest::newRow("disabled less than accepts a value above")
        << SearchCriterion{false, LessThan, 1, 0} << 1000.0 << true;
    QTest::newRow("all-zero criterion accepts anything") << SearchCriterion{} << 12345.0 << true;
    QTest::newRow("enabled between 0/0 accepts only 0: 0") << SearchCriterion{true, Between, 0, 0} << 0.0 << true;
    QTest::newRow("enabled between 0/0 accepts only 0: 0.01")
        << SearchCriterion{true, Between, 0, 0} << 0.01 << false;
}

void TestSearchCriterion::criterionMet()
{
    QFETCH(SearchCriterion, criterion);
    QFETCH(double, value);
    QFETCH(bool, met);
    QCOMPARE(CriterionMet(criterion, value), met);
}

QTEST_APPLESS_MAIN(TestSearchCriterion)
#include "tst_searchcriterion.moc"
