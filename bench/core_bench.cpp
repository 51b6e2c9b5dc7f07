// The calculate command per step, against the bare per-step arithmetic that
// is its floor.

#include <benchmark/benchmark.h>

#include <string>

#include "calculate.h"
#include "cell_texts.h"
#include "extended_precision.h"
#include "recorded_chart.h"

namespace {

constexpr float dt = 0.0005f;

// The end time that gives `steps` steps of the default step.
std::string endTimeFor(std::int64_t steps) { return std::to_string(steps / 2000); }

void reportPerStep(benchmark::State& state, std::int64_t steps)
{
    state.counters["per_step"] =
        benchmark::Counter(double(steps), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Calculate(benchmark::State& state)
{
    const std::int64_t steps = state.range(0);
    CellTexts cells;
    cells.setText(Cell::a1, "3");
    cells.setText(Cell::a2, "3");
    cells.setText(Cell::b3, "1");
    cells.setText(Cell::T, endTimeFor(steps));
    for (auto _ : state) {
        RecordedChart chart;
        calculate(cells, chart, chart, ',');
        benchmark::DoNotOptimize(chart.series);
    }
    reportPerStep(state, steps);
}

// The longest run the default step allows: t stalls just above 16384.
void CalculateWorstCase(benchmark::State& state)
{
    CellTexts cells;
    cells.setText(Cell::T, "16384");
    std::size_t points = 0;
    for (auto _ : state) {
        RecordedChart chart;
        calculate(cells, chart, chart, ',');
        points = chart.series[series::response].size();
    }
    state.counters["points"] = double(points);
}

// The loop's float arithmetic alone: no input tests, checks or chart calls.
void BareLoop(benchmark::State& state)
{
    const std::int64_t steps = state.range(0);
    float a0 = 1, a1 = 3, a2 = 3, a3 = 1, u = 1, step = dt;
    // Opaque to the compiler, as cell values are: no folding of ×1 or ÷1.
    benchmark::DoNotOptimize(a0);
    benchmark::DoNotOptimize(a1);
    benchmark::DoNotOptimize(a2);
    benchmark::DoNotOptimize(a3);
    benchmark::DoNotOptimize(u);
    benchmark::DoNotOptimize(step);
    for (auto _ : state) {
        float y = 0, y1 = 0, y2 = 0, y3 = 0, t = 0;
        for (std::int64_t i = 0; i < steps; ++i) {
            y3 = static_cast<float>((u - Extended(a1) * y2 - Extended(a2) * y1 - Extended(a3) * y) / a0);
            y = static_cast<float>(y + Extended(y1) * step);
            y1 = static_cast<float>(y1 + Extended(y2) * step);
            y2 = static_cast<float>(y2 + Extended(y3) * step);
            t = static_cast<float>(step + Extended(t));
        }
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(t);
    }
    reportPerStep(state, steps);
}

BENCHMARK(Calculate)->Arg(20000)->Arg(2000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(CalculateWorstCase)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BareLoop)->Arg(20000)->Arg(2000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
