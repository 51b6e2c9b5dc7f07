// Painting the chart after a calculation: 2000 response points plus the
// band and the settling marker, into an image of the window's chart size.

#include "chart_sink.h"
#include "chart_widget.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void fillChart(ChartSink& chart, int responsePoints)
{
    const double end = 10.0;
    for (int i = 0; i < responsePoints; ++i) {
        const double t = end * i / (responsePoints - 1);
        const double y = 1.0 - std::exp(-0.5 * t) * std::cos(2.0 * t);
        chart.addPoint(series::response, t, y, "", colours::green);
    }
    chart.addPoint(series::upperBand, 0.0, 1.05, "", colours::red);
    chart.addPoint(series::upperBand, end, 1.05, "", colours::red);
    chart.addPoint(series::lowerBand, 0.0, 0.95, "", colours::red);
    chart.addPoint(series::lowerBand, end, 0.95, "", colours::red);
    chart.addPoint(series::marker, 6.3, 0.0, "", colours::blue);
    chart.addPoint(series::marker, 6.3, 1.05, "", colours::blue);
}

void ChartPaint(benchmark::State& state)
{
    ChartWidget chart;
    chart.resize(673, 425);
    fillChart(chart, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const QImage image = chart.renderToImage();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(ChartPaint)->Arg(2000);

} // namespace

int main(int argc, char** argv)
{
    // Painting needs an application but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
