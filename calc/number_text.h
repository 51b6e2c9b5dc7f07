#pragma once

#include <string>

// A value as the label and the title show it: four decimals below 10, five
// significant digits from 10, scientific form from 10^5 ("1,2346E5"), with
// the given decimal separator. Rounding looks only at the first dropped digit
// of the value's 18-digit expansion and goes half away from zero.
std::string numberText(float value, char separator);
