#pragma once

#include "chart_sink.h"
#include "simulation.h"
#include "value_cells.h"

// The calculate command: read the cells, simulate, show the results. Throws
// CalculationError; what was done before the error stays done, and `progress`
// holds the values computed so far.
void calculate(ValueCells& cells, ChartSink& chart, LabelSink& label, char separator, SimulationResult& progress);
void calculate(ValueCells& cells, ChartSink& chart, LabelSink& label, char separator);
