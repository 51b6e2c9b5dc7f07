#include "result_display.h"

#include <string>

#include "extended_precision.h"
#include "number_text.h"

namespace {

// The process counts as settled when the output last left the band more
// than five steps before the end of the run.
bool settled(const SettledResult& r, float dt)
{
    return 5.0f * Extended(dt) < Extended(r.endTime) - r.settlingTime;
}

std::string titleLine(const SettledResult& r, const Input& input, char separator)
{
    const Coefficients& c = input.coefficients;
    std::string line;
    const std::pair<const char*, float> shown[] = {{"a0=", c.a0}, {"a1=", c.a1}, {"a2=", c.a2}, {"a3=", c.a3}};
    for (const auto& [name, value] : shown)
        line += name + numberText(value, separator) + " ";
    if (settled(r, input.parameters.dt))
        line += "Время п/п=" + numberText(r.settlingTime, separator);
    else
        line += "Время п/п - процесс не закончился";
    return line;
}

} // namespace

void showResults(const SettledResult& r, const Input& input, ChartSink& chart, LabelSink& label, char separator)
{
    const float T = input.parameters.T;
    chart.addPoint(series::upperBand, 0, r.upper, {}, colours::red);
    chart.addPoint(series::upperBand, T, r.upper, {}, colours::red);
    chart.addPoint(series::lowerBand, 0, r.lower, {}, colours::red);
    chart.addPoint(series::lowerBand, T, r.lower, {}, colours::red);
    chart.addPoint(series::marker, r.settlingTime, 0, {}, colours::blue);
    chart.addPoint(series::marker, r.settlingTime, r.upper, {}, colours::blue);

    label.setCaption("Время п/п: " + numberText(r.settlingTime, separator) + " сек");
    chart.setTitleLine(1, titleLine(r, input, separator));
}
