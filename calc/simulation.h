#pragma once

#include <cstdint>
#include <optional>

#include "chart_sink.h"
#include "input_values.h"

// What the simulation leaves for the display. Each value is set as soon as it
// is computed, so after a fault the ones computed before it are there.
struct SimulationResult {
    std::optional<std::uint32_t> plotInterval; // the interval actually used
    std::optional<float> upper, lower;          // band values 1,05·r and 0,95·r
    std::optional<float> settlingTime;          // 0 when the output never left the band
    std::optional<float> endTime;
};

// Integrates the unit-step response with explicit Euler, clearing the four
// series first and adding every plotInterval-th sample to the response series.
// Throws CalculationError on an arithmetic fault or a step too small to
// advance time; whatever was done before the fault stays.
void simulate(const Coefficients& c, const SimulationParameters& p, ChartSink& chart, SimulationResult& result);
