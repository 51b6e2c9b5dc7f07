#include "simulation.h"

#include <algorithm>
#include <cmath>

#include "calculation_error.h"
#include "extended_precision.h"

namespace {

// Kept out of line so that the stores below stay cheap enough to inline.
[[noreturn, gnu::noinline, gnu::cold]] void overflowFault()
{
    throw CalculationError(messages::overflow);
}

// Rounds an extended result to float as a store does; beyond the float range
// the store overflows.
inline float store(Extended value)
{
    const float stored = static_cast<float>(value);
    if (std::isinf(stored)) [[unlikely]]
        overflowFault();
    return stored;
}

// A quotient whose divisor is zero: 0/0 is invalid, anything else divides by zero.
[[noreturn]] void divisionFault(Extended dividend)
{
    throw CalculationError(dividend == 0 ? messages::invalidOperation : messages::divisionByZero);
}

Extended divide(Extended dividend, Extended divisor)
{
    if (divisor == 0)
        divisionFault(dividend);
    return dividend / divisor;
}

std::uint32_t plotInterval(const SimulationParameters& p)
{
    const Extended quotient = divide(p.T, Extended(p.dt) * 1000.0f);
    // The quotient is truncated to a 64-bit integer, of which the low 32 bits
    // count; beyond the 64-bit range the conversion is invalid.
    constexpr Extended limit = 0x1p63L;
    if (std::fabs(quotient) >= limit)
        throw CalculationError(messages::invalidOperation);
    const auto interval = static_cast<std::uint32_t>(static_cast<std::int64_t>(quotient));
    // Below 1 every step is plotted, instead of failing on a division by zero.
    return std::max<std::uint32_t>(interval, 1);
}

} // namespace

void simulate(const Coefficients& c, const SimulationParameters& p, ChartSink& chart, SimulationResult& result)
{
    float y = 0, y1 = 0, y2 = 0, y3 = 0; // output and its first three derivatives
    for (int i = 0; i < series::count; ++i)
        chart.clearSeries(i);

    const std::uint32_t N = plotInterval(p);
    result.plotInterval = N;

    const Extended gain = divide(c.b3, c.a3); // not rounded before the ×1,05
    const float upper = store(gain * 1.05);
    result.upper = upper;
    const float lower = store(gain * 0.95);
    result.lower = lower;
    // For a negative gain 1,05·r lies below 0,95·r: test against the ordered pair.
    const float bandLow = std::min(lower, upper);
    const float bandHigh = std::max(lower, upper);

    const float dt = p.dt;
    const float T = p.T;
    float t = 0;
    float u = 0;
    float ts = 0;
    // A step is plotted when its counter, starting at 4 and incremented before
    // the test, becomes a multiple of N. Counting down to the next such step
    // spares a division per step. The counter cannot wrap: t takes a new float
    // value at every step, and there are fewer than 2^32 of those.
    const std::uint32_t offset = 4 % N;
    std::uint32_t stepsToPlot = offset == 0 ? N : N - offset;

    if (t < T && c.a0 == 0)
        divisionFault(0); // the first step divides the zero state by a0

    while (t < T) {
        if (t == 0)
            u = 0;
        if (t == dt)
            u = store(c.b0 / (Extended(dt) * dt * dt) + c.b1 / (Extended(dt) * dt) + c.b2 / Extended(dt) + c.b3);
        if (t == Extended(dt) * 2.0f)
            u = c.b3;

        y3 = store((u - Extended(c.a1) * y2 - Extended(c.a2) * y1 - Extended(c.a3) * y) / c.a0);
        y = store(y + Extended(y1) * dt);
        y1 = store(y1 + Extended(y2) * dt);
        y2 = store(y2 + Extended(y3) * dt);

        if (y < bandLow || y > bandHigh)
            ts = t;

        if (--stepsToPlot == 0) {
            chart.addPoint(series::response, t, y, {}, colours::green);
            stepsToPlot = N;
        }

        const float next = store(dt + Extended(t));
        if (next == t)
            throw CalculationError(messages::stepTooSmall);
        t = next;
    }
    result.settlingTime = ts;
    result.endTime = t;
}
