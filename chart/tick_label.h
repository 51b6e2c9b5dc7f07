#pragma once

#include <QString>

// A tick value as text with the given decimal separator and no thousands
// separators, with the decimals the step needs and no trailing zeros:
// "0,5", "1", "1,5". Steps below 0.0001 or from a million up use an
// exponent instead: "2,5E-5", "3E6".
QString tickLabel(double value, double step, char separator);
