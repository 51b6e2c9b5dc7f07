#pragma once

#include "chart_sink.h"
#include "input_values.h"
#include "simulation.h"

// The settled results of a completed simulation.
struct SettledResult {
    float upper = 0, lower = 0;
    float settlingTime = 0;
    float endTime = 0;
};

// Draws the ±5 % band and the settling-time marker, writes the label and the
// title's second line.
void showResults(const SettledResult& result, const Input& input, ChartSink& chart, LabelSink& label, char separator);
