// The whole calculate command on ten arbitrary cell texts: it never crashes,
// never shows an infinity or NaN, and every error is one of the known texts.

#include <cmath>
#include <string>

#include "calculate.h"
#include "calculation_error.h"
#include "cell_texts.h"
#include "fuzz_target.h"
#include "number_conversion.h"
#include "recorded_chart.h"

namespace {

constexpr double maxSteps = 200000;

// Cells split at "|"; the first byte picks the separator.
CellTexts cellsFrom(const std::uint8_t* data, std::size_t size, char& separator)
{
    CellTexts cells;
    separator = size > 0 && (data[0] & 1) ? ',' : '.';
    int cell = 0;
    for (std::size_t i = 1; i < size && cell < cellCount; ++i) {
        if (data[i] == '|')
            ++cell;
        else if (cell < cellCount)
            cells.texts[cell] += char(data[i]);
    }
    return cells;
}

// Runs that would take more steps than a fuzzer can afford are skipped.
bool tooLong(CellTexts cells, char separator)
{
    try {
        const SimulationParameters p = readInput(cells, separator).parameters;
        if (p.T <= 0 || p.dt == 0)
            return false;
        return p.dt < 0 || double(p.T) / p.dt > maxSteps;
    } catch (const CalculationError&) {
        return false;
    }
}

bool isKnownError(const std::string& message, const CellTexts& cells)
{
    for (const char* known : {messages::divisionByZero, messages::invalidOperation, messages::overflow,
                              messages::stepTooSmall})
        if (message == known)
            return true;
    for (const std::string& text : cells.texts)
        if (message == notANumberMessage(text))
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    char separator;
    CellTexts cells = cellsFrom(data, size, separator);
    if (tooLong(cells, separator))
        return 0;

    RecordedChart chart;
    SimulationResult progress;
    try {
        calculate(cells, chart, chart, separator, progress);
    } catch (const CalculationError& e) {
        FUZZ_CHECK(isKnownError(e.message(), cells), "unknown error %s", e.what());
    }
    for (const auto& points : chart.series)
        for (const RecordedPoint& p : points)
            FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y), "point (%g, %g)", p.x, p.y);
    for (const auto& value : {progress.upper, progress.lower, progress.settlingTime, progress.endTime})
        FUZZ_CHECK(!value || std::isfinite(*value), "result %g", double(*value));
    for (const std::string& text : {chart.label, chart.title[1]})
        FUZZ_CHECK(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos, "%s", text.c_str());
    return 0;
}
