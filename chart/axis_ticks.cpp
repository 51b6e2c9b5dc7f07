#include "axis_ticks.h"

#include <cmath>

namespace {

// Far more than any axis can label; bounds the work for absurd inputs.
constexpr double maxTickCount = 1000.0;

// Lets a tick sitting on a range end survive the rounding of the division.
constexpr double endTolerance = 1e-9;

} // namespace

double niceStep(double gross)
{
    double step = std::pow(10.0, std::floor(std::log10(gross)));
    if (5.0 * step < gross)
        step *= 5.0;
    else if (2.0 * step < gross)
        step *= 2.0;
    return step;
}

AxisTicks ticksWithin(const AxisRange& range, double step)
{
    // Ticks are counted by multiple rather than by adding up steps: a step
    // below the resolution of the values would never advance.
    if (!std::isfinite(step) || !(step > 0.0))
        return {step, 0.0, 0};
    const double first = std::ceil(range.min / step - endTolerance);
    const double last = std::floor(range.max / step + endTolerance);
    if (!std::isfinite(first) || !std::isfinite(last) || last < first)
        return {step, 0.0, 0};
    const double count = std::min(last - first + 1.0, maxTickCount);
    return {step, first, static_cast<int>(count)};
}
