#include "calculate.h"

#include "result_display.h"

void calculate(ValueCells& cells, ChartSink& chart, LabelSink& label, char separator, SimulationResult& progress)
{
    const Input input = readInput(cells, separator);
    simulate(input.coefficients, input.parameters, chart, progress);
    const SettledResult settled{*progress.upper, *progress.lower, *progress.settlingTime, *progress.endTime};
    showResults(settled, input, chart, label, separator);
}

void calculate(ValueCells& cells, ChartSink& chart, LabelSink& label, char separator)
{
    SimulationResult progress;
    calculate(cells, chart, label, separator, progress);
}
