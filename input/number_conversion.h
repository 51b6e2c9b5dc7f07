#pragma once

#include <string_view>

// A cell text as a number: blanks (spaces only) around an optional sign,
// digits with an optional decimal separator, an optional exponent. The value
// is computed in extended precision, then rounded to single precision.
// Throws CalculationError: "'<text>' is not a valid floating point value" for
// a text that is not a number, "Floating point overflow" for one beyond the
// single-precision range. Independent of the C library's locale.
float convertCellText(std::string_view text, char separator);

// The extended-precision value alone, before rounding to single precision.
long double parseExtended(std::string_view text, char separator);

// The error message quoting a rejected text; a very long text is cut to its
// first 100 characters and "…".
std::string notANumberMessage(std::string_view text);
