// The chart's arithmetic without a widget: series order, ticks, tick
// labels and auto-scaling.

#include "auto_scale.h"
#include "axis_ticks.h"
#include "chart_series.h"
#include "tick_label.h"

#include <QTest>
#include <cmath>
#include <limits>
#include <vector>

using Points = std::vector<ChartPoint>;
Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(AxisRange)
Q_DECLARE_METATYPE(AxisTicks)

namespace {

// y tags each point, so the order of the stored ys tells the order of points.
std::vector<double> ysOf(const ChartSeries& series)
{
    std::vector<double> ys;
    for (const ChartPoint& p : series.points())
        ys.push_back(p.y);
    return ys;
}

bool near(const AxisRange& actual, const AxisRange& expected)
{
    const double tolerance = 1e-12 * std::max(1.0, expected.span());
    return std::abs(actual.min - expected.min) <= tolerance && std::abs(actual.max - expected.max) <= tolerance;
}

} // namespace

class ChartModelTest : public QObject {
    Q_OBJECT

private slots:
    void seriesKeepsAscendingXAndInsertionOrderAtEqualX_data();
    void seriesKeepsAscendingXAndInsertionOrderAtEqualX();
    void seriesDropsPointsOffTheNumberLine();

    void niceStepFollowsOneTwoFive_data();
    void niceStepFollowsOneTwoFive();
    void ticksIncludeRangeEndsDespiteRounding_data();
    void ticksIncludeRangeEndsDespiteRounding();
    void ticksStayBoundedForUnresolvableSteps();

    void tickLabels_data();
    void tickLabels();

    void autoScaleCoversAllSeries_data();
    void autoScaleCoversAllSeries();
};

void ChartModelTest::seriesKeepsAscendingXAndInsertionOrderAtEqualX_data()
{
    QTest::addColumn<Points>("added");
    QTest::addColumn<std::vector<double>>("expectedYs");

    QTest::newRow("ascending") << Points{{0, 1}, {1, 2}, {2, 3}} << std::vector<double>{1, 2, 3};
    QTest::newRow("out of order") << Points{{2, 3}, {0, 1}, {1, 2}} << std::vector<double>{1, 2, 3};
    QTest::newRow("equal x goes after") << Points{{0, 1}, {5, 2}, {5, 3}, {5, 4}} << std::vector<double>{1, 2, 3, 4};
    QTest::newRow("equal x added after later x") << Points{{0, 1}, {10, 9}, {5, 2}, {5, 3}}
                                                 << std::vector<double>{1, 2, 3, 9};
    QTest::newRow("equal x at the front") << Points{{1, 5}, {1, 6}, {0, 1}, {1, 7}}
                                          << std::vector<double>{1, 5, 6, 7};
}

void ChartModelTest::seriesKeepsAscendingXAndInsertionOrderAtEqualX()
{
    QFETCH(Points, added);
    QFETCH(std::vector<double>, expectedYs);

    ChartSeries series;
    for (const ChartPoint& p : added)
        series.add(p);
    QCOMPARE(ysOf(series), expectedYs);
}

void ChartModelTest::seriesDropsPointsOffTheNumberLine()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    ChartSeries series;
    series.add({0, 1});
    series.add({nan, 2});
    series.add({1, nan});
    series.add({inf, 3});
    series.add({2, -inf});
    series.add({3, 4});
    QCOMPARE(ysOf(series), (std::vector<double>{1, 4}));

    series.clear();
    QVERIFY(series.points().empty());
}

void ChartModelTest::niceStepFollowsOneTwoFive_data()
{
    QTest::addColumn<double>("gross");
    QTest::addColumn<double>("step");

    QTest::newRow("exact power of ten") << 1.0 << 1.0;
    QTest::newRow("just above one") << 1.1 << 1.0;
    QTest::newRow("above two") << 2.1 << 2.0;
    QTest::newRow("five itself stays two") << 5.0 << 2.0;
    QTest::newRow("above five") << 5.1 << 5.0;
    QTest::newRow("below ten") << 9.9 << 5.0;
    QTest::newRow("small") << 0.00031 << 0.0002;
    QTest::newRow("large") << 3.0e7 << 2.0e7;
}

void ChartModelTest::niceStepFollowsOneTwoFive()
{
    QFETCH(double, gross);
    QFETCH(double, step);
    QCOMPARE(niceStep(gross), step);
}

void ChartModelTest::ticksIncludeRangeEndsDespiteRounding_data()
{
    QTest::addColumn<AxisRange>("range");
    QTest::addColumn<double>("step");
    QTest::addColumn<double>("first");
    QTest::addColumn<double>("last");
    QTest::addColumn<int>("count");

    QTest::newRow("unit range") << AxisRange{0, 1} << 0.2 << 0.0 << 1.0 << 6;
    QTest::newRow("symmetric tenths") << AxisRange{-0.3, 0.3} << 0.1 << -0.3 << 0.3 << 7;
    QTest::newRow("ends between ticks") << AxisRange{-0.05, 1.05} << 0.5 << 0.0 << 1.0 << 3;
    QTest::newRow("no tick inside") << AxisRange{0.1, 0.2} << 1.0 << 0.0 << 0.0 << 0;
}

void ChartModelTest::ticksIncludeRangeEndsDespiteRounding()
{
    QFETCH(AxisRange, range);
    QFETCH(double, step);
    QFETCH(double, first);
    QFETCH(double, last);
    QFETCH(int, count);

    const AxisTicks ticks = ticksWithin(range, step);
    QCOMPARE(ticks.count, count);
    if (count > 0) {
        QVERIFY(std::abs(ticks.value(0) - first) < 1e-12);
        QVERIFY(std::abs(ticks.value(count - 1) - last) < 1e-12);
    }
}

// A step below what the values can resolve must neither loop forever nor
// yield a tick that is not a number.
void ChartModelTest::ticksStayBoundedForUnresolvableSteps()
{
    const AxisTicks tiny = ticksWithin({1e16, 1e16 + 4}, 1e-3);
    QVERIFY(tiny.count <= 1000);
    for (int i = 0; i < tiny.count; ++i)
        QVERIFY(std::isfinite(tiny.value(i)));

    QCOMPARE(ticksWithin({0, 1}, std::numeric_limits<double>::infinity()).count, 0);
    QCOMPARE(ticksWithin({0, 1}, 0.0).count, 0);
}

void ChartModelTest::tickLabels_data()
{
    QTest::addColumn<AxisTicks>("ticks");
    QTest::addColumn<int>("index");
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("label");

    const AxisTicks halves{0.5, 0, 5}; // 0 .. 2
    QTest::newRow("half") << halves << 1 << ',' << "0,5";
    QTest::newRow("whole number drops its decimals") << halves << 2 << ',' << "1";
    QTest::newRow("one and a half") << halves << 3 << ',' << "1,5";
    QTest::newRow("point separator") << halves << 3 << '.' << "1.5";
    QTest::newRow("rounding noise") << AxisTicks{0.1, 0, 11} << 3 << ',' << "0,3";
    QTest::newRow("negative hundredths") << AxisTicks{0.05, -25, 10} << 0 << ',' << "-1,25";
    QTest::newRow("negative zero") << AxisTicks{0.1, -0.0, 3} << 0 << ',' << "0";
    QTest::newRow("no thousands separator") << AxisTicks{100, 12345, 3} << 0 << ',' << "1234500";
    QTest::newRow("tiny values") << AxisTicks{5e-6, 0, 7} << 5 << ',' << "2,5E-5";
    QTest::newRow("tiny values, rounding carries into exponent") << AxisTicks{1e-5, 0, 11} << 10 << ','
                                                                  << "1E-4";
    QTest::newRow("huge values") << AxisTicks{1e6, 0, 31} << 3 << ',' << "3E6";
    QTest::newRow("huge values, finer mantissa") << AxisTicks{2e6, -6, 4} << 0 << '.' << "-1.2E7";
    QTest::newRow("deep zoom near one stays fixed") << AxisTicks{1e-7, 7768686, 5} << 0 << ','
                                                    << "0,7768686";
}

void ChartModelTest::tickLabels()
{
    QFETCH(AxisTicks, ticks);
    QFETCH(int, index);
    QFETCH(char, separator);
    QFETCH(QString, label);
    QCOMPARE(tickLabel(ticks, index, separator), label);
}

void ChartModelTest::autoScaleCoversAllSeries_data()
{
    QTest::addColumn<Points>("response");
    QTest::addColumn<Points>("marker");
    QTest::addColumn<AxisRange>("x");
    QTest::addColumn<AxisRange>("y");

    // y is padded by 3 % of its span on each side.
    QTest::newRow("no points") << Points{} << Points{} << AxisRange{0, 1} << AxisRange{0, 1};
    QTest::newRow("extremes in different series")
        << Points{{0, 0}, {10, 1}} << Points{{12, -1}, {12, 1}} << AxisRange{0, 12} << AxisRange{-1.06, 1.06};
    QTest::newRow("single point") << Points{{2, 3}} << Points{} << AxisRange{1.8, 2.2}
                                  << AxisRange{2.682, 3.318};
    QTest::newRow("flat at zero") << Points{{0, 0}, {4, 0}} << Points{} << AxisRange{0, 4}
                                  << AxisRange{-1.06, 1.06};
    QTest::newRow("flat, negative") << Points{{0, -5}, {4, -5}} << Points{} << AxisRange{0, 4}
                                    << AxisRange{-5.53, -4.47};
    QTest::newRow("vertical only") << Points{{-3, 0}} << Points{{-3, 2}} << AxisRange{-3.3, -2.7}
                                   << AxisRange{-0.06, 2.06};
}

void ChartModelTest::autoScaleCoversAllSeries()
{
    QFETCH(Points, response);
    QFETCH(Points, marker);
    QFETCH(AxisRange, x);
    QFETCH(AxisRange, y);

    std::array<ChartSeries, series::count> all;
    for (const ChartPoint& p : response)
        all[series::response].add(p);
    for (const ChartPoint& p : marker)
        all[series::marker].add(p);

    const ViewRange view = autoScaledView(all);
    QVERIFY2(near(view.x, x), qPrintable(QStringLiteral("x %1..%2").arg(view.x.min).arg(view.x.max)));
    QVERIFY2(near(view.y, y), qPrintable(QStringLiteral("y %1..%2").arg(view.y.min).arg(view.y.max)));
}

QTEST_APPLESS_MAIN(ChartModelTest)
#include "tst_chart_model.moc"
