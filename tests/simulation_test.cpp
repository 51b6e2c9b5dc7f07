// The calculate command end to end on plain data: simulation, faults, the
// mended behaviours and the displayed results.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <ostream>

#include "calculate.h"
#include "calculation_error.h"
#include "cell_texts.h"
#include "recorded_chart.h"

namespace {

struct Outcome {
    CellTexts cells;
    RecordedChart chart;
    SimulationResult progress;
    std::optional<std::string> error;

    const std::vector<RecordedPoint>& response() const { return chart.series[series::response]; }
};

// Runs the calculate command on the given cells (the others empty) with the
// comma, on a chart that may already show an earlier run.
Outcome calculateWith(const std::map<Cell, std::string>& texts, RecordedChart chart = {})
{
    Outcome run;
    run.chart = std::move(chart);
    for (const auto& [cell, text] : texts)
        run.cells.setText(cell, text);
    try {
        calculate(run.cells, run.chart, run.chart, ',', run.progress);
    } catch (const CalculationError& e) {
        run.error = e.message();
    }
    return run;
}

const std::map<Cell, std::string> thirdOrderLag{
    {Cell::a0, "1"}, {Cell::a1, "3"}, {Cell::a2, "3"}, {Cell::a3, "1"}, {Cell::b3, "1"}};

std::map<Cell, std::string> with(std::map<Cell, std::string> base, const std::map<Cell, std::string>& more)
{
    for (const auto& [cell, text] : more)
        base[cell] = text;
    return base;
}

// t after n steps of dt: the same single-precision sum the loop forms.
float timeAfter(int steps, float dt)
{
    float t = 0;
    for (int i = 0; i < steps; ++i)
        t = dt + t;
    return t;
}

// Results computed independently of this code.
struct Reference {
    const char* name;
    std::map<Cell, std::string> cells;
    double T;
    std::uint32_t plotInterval;
    std::size_t points;
    double firstX, firstY;
    float ts, tEnd, upper, lower;
    const char* label;
    const char* title;
};

void PrintTo(const Reference& r, std::ostream* out) { *out << r.name; }

class ReferenceRun : public testing::TestWithParam<Reference> {};

TEST_P(ReferenceRun, MatchesToTheLastBit)
{
    const Reference& r = GetParam();
    const Outcome run = calculateWith(r.cells);
    ASSERT_FALSE(run.error) << *run.error;
    EXPECT_EQ(run.progress.plotInterval, r.plotInterval);
    ASSERT_EQ(run.response().size(), r.points);
    EXPECT_EQ(run.response().front().x, r.firstX);
    EXPECT_EQ(run.response().front().y, r.firstY);
    EXPECT_EQ(run.progress.settlingTime, r.ts);
    EXPECT_EQ(run.progress.endTime, r.tEnd);
    EXPECT_EQ(run.progress.upper, r.upper);
    EXPECT_EQ(run.progress.lower, r.lower);
    EXPECT_EQ(run.chart.label, r.label);
    EXPECT_EQ(run.chart.title[0], "Переходная характеристика:");
    EXPECT_EQ(run.chart.title[1], r.title);

    EXPECT_EQ(run.chart.series[series::upperBand],
              (std::vector<RecordedPoint>{{0, r.upper, colours::red}, {r.T, r.upper, colours::red}}));
    EXPECT_EQ(run.chart.series[series::marker],
              (std::vector<RecordedPoint>{{r.ts, 0, colours::blue}, {r.ts, r.upper, colours::blue}}));
}

INSTANTIATE_TEST_SUITE_P(Independent, ReferenceRun, testing::Values(
    Reference{"ThirdOrderLag", thirdOrderLag, 10, 19, 1052, 0.007000000681728125, 4.531269581775632e-08,
              6.295228958129883f, 10.00031852722168f, 1.0499999523162842f, 0.949999988079071f,
              "Время п/п: 6,2952 сек", "a0=1,0000 a1=3,0000 a2=3,0000 a3=1,0000 Время п/п=6,2952"},
    // A plot interval below 1 counts as 1 instead of failing.
    Reference{"EveryStepPlotted", with(thirdOrderLag, {{Cell::dt, "0,01"}, {Cell::T, "5"}}), 5, 1, 500, 0, 0,
              4.99001932144165f, 5.000019550323486f, 1.0499999523162842f, 0.949999988079071f,
              "Время п/п: 4,9900 сек",
              "a0=1,0000 a1=3,0000 a2=3,0000 a3=1,0000 Время п/п - процесс не закончился"},
    // With a negative gain the band is tested against the ordered pair, so it settles.
    Reference{"NegativeGainSettles",
              {{Cell::a0, "1"}, {Cell::a1, "2"}, {Cell::a2, "3"}, {Cell::a3, "1"}, {Cell::b3, "-2"}, {Cell::T, "30"}},
              30, 59, 1017, 0.026999982073903084, -6.1221380747156218e-06,
              7.532228946685791f, 30.00032615661621f, -2.0999999046325684f, -1.899999976158142f,
              "Время п/п: 7,5322 сек", "a0=1,0000 a1=2,0000 a2=3,0000 a3=1,0000 Время п/п=7,5322"}),
    [](const testing::TestParamInfo<Reference>& info) { return std::string(info.param.name); });

TEST(Simulation, DefaultsRunTwentyThousandStepsWithIntervalNineteen)
{
    const Outcome run = calculateWith({});
    ASSERT_FALSE(run.error);
    // dt is held in single precision, slightly above 0,0005, before T/(dt·1000).
    EXPECT_EQ(run.progress.plotInterval, 19u);
    const float dt = 0.0005f;
    EXPECT_EQ(run.progress.endTime, timeAfter(20000, dt));
    EXPECT_LT(timeAfter(19999, dt), 10.0f);
    EXPECT_GT(*run.progress.endTime, 10.0f);
    // The counter starts at 4: the 15th step (t = 14·dt) is the first plotted.
    ASSERT_GE(run.response().size(), 2u);
    EXPECT_EQ(run.response()[0].x, timeAfter(14, dt));
    EXPECT_EQ(run.response()[1].x, timeAfter(33, dt));
    EXPECT_EQ(run.response().size(), 1052u);
    // A zero numerator never leaves the band 0…0: ts stays 0.
    EXPECT_EQ(run.progress.settlingTime, 0.0f);
    EXPECT_EQ(run.chart.label, "Время п/п: 0,0000 сек");
}

TEST(Simulation, ThirdOrderLagRisesMonotonicallyIntoTheBand)
{
    const Outcome run = calculateWith(thirdOrderLag);
    ASSERT_FALSE(run.error);
    const auto& points = run.response();
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_GT(points[i].x, points[i - 1].x);
        EXPECT_GE(points[i].y, points[i - 1].y) << "at t = " << points[i].x;
        EXPECT_EQ(points[i].colour, colours::green);
    }
    EXPECT_GT(points.back().y, 0.95);
    EXPECT_LT(points.back().y, 1.0);
}

TEST(Simulation, NoStepWhenEndTimeIsNotPositive)
{
    for (const char* T : {"0", "-1"}) {
        const Outcome run = calculateWith(with(thirdOrderLag, {{Cell::T, T}}));
        ASSERT_FALSE(run.error) << T;
        EXPECT_TRUE(run.response().empty());
        EXPECT_EQ(run.progress.settlingTime, 0.0f);
        EXPECT_EQ(run.progress.endTime, 0.0f);
        EXPECT_EQ(run.chart.title[1], "a0=1,0000 a1=3,0000 a2=3,0000 a3=1,0000 Время п/п - процесс не закончился");
    }
}

TEST(Simulation, PlotIntervalIsTheLow32BitsOfTheQuotient)
{
    // T/(dt·1000) = -9999999827,968: truncated to -9999999827, whose low 32
    // bits are 2^32·3 - 9999999827. No step is taken since T < 0.
    const Outcome run = calculateWith({{Cell::dt, "1"}, {Cell::T, "-1E13"}});
    ASSERT_FALSE(run.error);
    EXPECT_EQ(run.progress.plotInterval, static_cast<std::uint32_t>(std::int64_t(-9999999827)));
}

// A run that stops with an error: what it leaves behind.
struct FaultCase {
    const char* name;
    std::map<Cell, std::string> cells;
    const char* message;
    bool plotIntervalSet, bandSet;
    bool someResponsePoints;
};

void PrintTo(const FaultCase& f, std::ostream* out) { *out << f.name; }

class Fault : public testing::TestWithParam<FaultCase> {};

TEST_P(Fault, StopsAtTheFaultingOperationAndKeepsWhatWasDone)
{
    const FaultCase& f = GetParam();
    const Outcome earlier = calculateWith(thirdOrderLag);
    const Outcome run = calculateWith(f.cells, earlier.chart);
    ASSERT_TRUE(run.error);
    EXPECT_EQ(*run.error, f.message);
    EXPECT_EQ(run.progress.plotInterval.has_value(), f.plotIntervalSet);
    EXPECT_EQ(run.progress.upper.has_value(), f.bandSet);
    EXPECT_EQ(run.progress.lower.has_value(), f.bandSet);
    EXPECT_FALSE(run.progress.settlingTime);
    EXPECT_FALSE(run.progress.endTime);
    // The series were cleared; the display of the earlier run stays.
    EXPECT_EQ(!run.response().empty(), f.someResponsePoints);
    for (int i = series::upperBand; i < series::count; ++i)
        EXPECT_TRUE(run.chart.series[i].empty());
    EXPECT_EQ(run.chart.label, earlier.chart.label);
    EXPECT_EQ(run.chart.title, earlier.chart.title);
    for (const auto& p : run.response())
        EXPECT_TRUE(std::isfinite(p.y));
}

INSTANTIATE_TEST_SUITE_P(Messages, Fault, testing::Values(
    FaultCase{"ZeroStep", {{Cell::dt, "0"}}, "Floating point division by zero", false, false, false},
    FaultCase{"ZeroStepAndTime", {{Cell::dt, "0"}, {Cell::T, "0"}}, "Invalid floating point operation", false, false, false},
    FaultCase{"QuotientBeyond64Bits", {{Cell::dt, "1E-10"}, {Cell::T, "1E30"}}, "Invalid floating point operation",
              false, false, false},
    FaultCase{"ZeroA3", {{Cell::a3, "0"}, {Cell::b3, "1"}}, "Floating point division by zero", true, false, false},
    FaultCase{"ZeroA3AndB3", {{Cell::a3, "0"}}, "Invalid floating point operation", true, false, false},
    FaultCase{"ZeroA0", {{Cell::a0, "0"}, {Cell::b3, "1"}}, "Invalid floating point operation", true, true, false},
    FaultCase{"BandOverflow", {{Cell::a3, "1E-10"}, {Cell::b3, "3E38"}}, "Floating point overflow", true, false, false},
    FaultCase{"ImpulseOverflow", {{Cell::b0, "1"}, {Cell::dt, "1E-20"}, {Cell::T, "1E-15"}}, "Floating point overflow",
              true, true, false},
    FaultCase{"UnstableSystem", {{Cell::a3, "-1"}, {Cell::b3, "1"}, {Cell::T, "1000"}}, "Floating point overflow",
              true, true, true},
    FaultCase{"TimeOverflow", {{Cell::dt, "3E38"}, {Cell::T, "3,4E38"}}, "Floating point overflow", true, true, true}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(Simulation, StepTooSmallStopsWhereTimeStallsAndKeepsThePoints)
{
    // With the default step t + dt rounds back to t at 16384.
    const Outcome earlier = calculateWith(thirdOrderLag);
    const Outcome run = calculateWith({{Cell::T, "20000"}}, earlier.chart);
    ASSERT_TRUE(run.error);
    EXPECT_EQ(*run.error, "Шаг интегрирования слишком мал для заданного времени");
    EXPECT_EQ(run.progress.plotInterval, 39999u);
    ASSERT_FALSE(run.response().empty());
    EXPECT_LE(run.response().back().x, 16384.0);
    // Near the stall each step advances t by a whole unit of 2^-10.
    EXPECT_GT(run.response().back().x, 16384.0 - 39999 * 0x1p-10);
    EXPECT_TRUE(run.chart.series[series::upperBand].empty());
    EXPECT_EQ(run.chart.label, earlier.chart.label);
}

TEST(Calculate, SecondRunReplacesTheFirst)
{
    const Outcome first = calculateWith(thirdOrderLag);
    const Outcome second = calculateWith(with(thirdOrderLag, {{Cell::T, "5"}}), first.chart);
    ASSERT_FALSE(second.error);
    EXPECT_LT(second.response().back().x, 5.0);
    EXPECT_EQ(second.chart.series[series::upperBand].size(), 2u);
    EXPECT_EQ(second.chart.series[series::marker].size(), 2u);
    EXPECT_EQ(second.chart.title[1], "a0=1,0000 a1=3,0000 a2=3,0000 a3=1,0000 Время п/п - процесс не закончился");
}

TEST(Calculate, ConversionErrorLeavesTheChartAlone)
{
    const Outcome first = calculateWith(thirdOrderLag);
    const Outcome second = calculateWith({{Cell::b2, "1e"}, {Cell::b3, "--"}}, first.chart);
    ASSERT_TRUE(second.error);
    EXPECT_EQ(*second.error, "'--' is not a valid floating point value");
    EXPECT_EQ(second.chart.series, first.chart.series);
    EXPECT_FALSE(second.progress.plotInterval);
}

TEST(ReportedText, AddsAFullStopByTheLastCharactersCode)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"Шаг интегрирования слишком мал для заданного времени", "Шаг интегрирования слишком мал для заданного времени."},
        {"", ""},
        {"ends with a stop.", "ends with a stop."},
        {"ends with a dash -", "ends with a dash -"},    // "-" is below "."
        {"ends with a slash/", "ends with a slash/."},  // "/" is above "."
        {"'1…' is", "'1…' is."},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(reportedText(message), shown) << message;
}

} // namespace
