#pragma once

#include "view_range.h"

// The 1-2-5 step for a gross (raw) step: the power of ten below gross, times
// 5 or 2 while that stays below gross. gross must be positive.
double niceStep(double gross);

// The ticks of one axis: the multiples of step inside a range.
struct AxisTicks {
    double step = 1.0;
    double firstMultiple = 0.0;
    int count = 0;

    double value(int i) const { return (firstMultiple + i) * step; }
};

AxisTicks ticksWithin(const AxisRange& range, double step);
