#pragma once

#include "axis_ticks.h"

#include <QString>

// The label of tick i, with the given decimal separator and no thousands
// separators, with the decimals the step needs and no trailing zeros:
// "0,5", "1", "1,5". An axis whose values are all tiny or huge is labelled
// with exponents instead: "2,5E-5", "3E7".
QString tickLabel(const AxisTicks& ticks, int i, char separator);
