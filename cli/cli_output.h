#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "cell_texts.h"
#include "recorded_chart.h"
#include "simulation.h"

// Everything one run of the calculate command leaves behind.
struct RunRecord {
    CellTexts cells;
    RecordedChart chart;
    SimulationResult progress;
    std::optional<std::string> error; // the reported text
};

QByteArray textOutput(const RunRecord& run);
QByteArray csvOutput(const RunRecord& run);
QByteArray jsonOutput(const RunRecord& run);
