#pragma once

#include <limits>

// Every formula is evaluated in the x87 80-bit format and rounded to float
// only where a value is stored; results depend on it to the last bit.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 extended format (64-bit significand): build with GCC or Clang on x86-64");

using Extended = long double;
