// The number text of the label and the title.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "number_text.h"

namespace {

struct Shown {
    float value;
    const char* text; // with the comma
};

void PrintTo(const Shown& s, std::ostream* out) { *out << s.text; }

class NumberText : public testing::TestWithParam<Shown> {};

TEST_P(NumberText, FollowsTheRoundingRules)
{
    EXPECT_EQ(numberText(GetParam().value, ','), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Rules, NumberText, testing::Values(
    // Four decimals below 10.
    Shown{0.0f, "0,0000"},
    Shown{1.0f, "1,0000"},
    Shown{6.2952289581298828f, "6,2952"},
    Shown{-1.5f, "-1,5000"},
    Shown{0.05f, "0,0500"},
    Shown{0.00015f, "0,0002"},       // 1,49999996E-4: the first dropped digit is 9
    Shown{0.00005f, "0,0000"},       // 4,99999987E-5 as a float: no digit kept, first is 4
    Shown{0.00025f, "0,0003"},       // 2,50000012E-4
    Shown{0.00004999f, "0,0000"},
    Shown{0.000099f, "0,0001"},      // no digit kept: 5 or more becomes one unit
    Shown{1e-6f, "0,0000"},          // far below: zero
    Shown{1e-45f, "0,0000"},         // the smallest denormal
    // No minus on a value that rounds to zero, nor on a negative zero.
    Shown{-0.0f, "0,0000"},
    Shown{-0.00004f, "0,0000"},
    Shown{-0.00005f, "0,0000"},
    Shown{-0.00006f, "-0,0001"},
    // Carry out of the first digit.
    Shown{9.99995f, "10,0000"},      // 9,99995041: the fifth digit rounds up into a carry
    Shown{9.9999f, "9,9999"},
    Shown{0.099995f, "0,1000"},
    // Five significant digits from 10: decimals padded with zeros.
    Shown{10.0f, "10,0000"},
    Shown{12.34567f, "12,3460"},
    Shown{99.99951f, "100,0000"},
    Shown{1234.5678f, "1234,6000"},
    Shown{99999.0f, "99999,0000"},
    Shown{99999.4f, "99999,0000"},
    // Scientific from 10^5, trailing zeros dropped.
    Shown{99999.5f, "1E5"},
    Shown{100000.0f, "1E5"},
    Shown{123456.0f, "1,2346E5"},
    Shown{-250000.0f, "-2,5E5"},
    Shown{1e10f, "1E10"},
    Shown{std::numeric_limits<float>::max(), "3,4028E38"},
    Shown{-std::numeric_limits<float>::max(), "-3,4028E38"}
));

TEST(NumberText, UsesTheGivenSeparator)
{
    EXPECT_EQ(numberText(6.2952289581298828f, '.'), "6.2952");
    EXPECT_EQ(numberText(123456.0f, '.'), "1.2346E5");
    EXPECT_EQ(numberText(0.0f, '.'), "0.0000");
}

TEST(NumberText, RoundsHalfAwayFromZeroNotToEven)
{
    // Exact binary fractions whose first dropped digit is a 5 with nothing after it.
    EXPECT_EQ(numberText(1.03125f, ','), "1,0313");
    EXPECT_EQ(numberText(-1.03125f, ','), "-1,0313");
    EXPECT_EQ(numberText(12.3125f, ','), "12,3130");
    EXPECT_EQ(numberText(0.5f / 8192, ','), "0,0001"); // 6,103515625E-5
}

} // namespace
