// Cell texts to numbers: the grammar, the separator, the ranges and the
// quoting of rejected texts.

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <ostream>

#include "calculation_error.h"
#include "number_conversion.h"

namespace {

struct Accepted {
    const char* text;
    char separator;
    float value;
};

void PrintTo(const Accepted& a, std::ostream* out) { *out << '"' << a.text << "\" with '" << a.separator << "'"; }

class AcceptedText : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedText, ConvertsToSinglePrecision)
{
    const Accepted& a = GetParam();
    const float value = convertCellText(a.text, a.separator);
    EXPECT_EQ(value, a.value) << '"' << a.text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(a.value)) << '"' << a.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Grammar, AcceptedText, testing::Values(
    Accepted{"0", ',', 0.0f},
    Accepted{"10", ',', 10.0f},
    Accepted{"0,0005", ',', 0.0005f},
    Accepted{"0.0005", '.', 0.0005f},
    Accepted{"1,5", ',', 1.5f},
    Accepted{",", ',', 0.0f},             // a lone separator reads as 0
    Accepted{",25", ',', 0.25f},          // a fraction
    Accepted{"7,", ',', 7.0f},            // a whole number
    Accepted{"-,", ',', -0.0f},
    Accepted{"+3", ',', 3.0f},
    Accepted{"-1,5", ',', -1.5f},
    Accepted{"  42  ", ',', 42.0f},       // spaces around are blanks
    Accepted{"1E3", ',', 1000.0f},
    Accepted{"1e-3", ',', 0.001f},
    Accepted{"2,5E+2", ',', 250.0f},
    Accepted{"1E", ',', 1.0f},            // the exponent letter alone adds nothing
    Accepted{"1e-", ',', 1.0f},
    Accepted{",E5", ',', 0.0f},
    Accepted{"0E4999", ',', 0.0f},        // exponent stops at 500 and the value is 0
    Accepted{"1E-4999", ',', 0.0f},       // too small even for extended: 0 silently
    Accepted{"1E-50", ',', 0.0f},         // below the single range: 0
    Accepted{"1E-45", ',', 1e-45f},       // a denormal
    Accepted{"3,4028234E38", ',', 3.4028234e38f},
    Accepted{"0,1000000000000000000000000000001", ',', 0.1f},
    Accepted{"16777217", ',', 16777216.0f}  // ties to even when rounded to float
));

struct Rejected {
    const char* text;
    char separator;
};

void PrintTo(const Rejected& r, std::ostream* out) { *out << '"' << r.text << "\" with '" << r.separator << "'"; }

class RejectedText : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedText, QuotesTheWholeText)
{
    const Rejected& r = GetParam();
    try {
        convertCellText(r.text, r.separator);
        FAIL() << "accepted \"" << r.text << '"';
    } catch (const CalculationError& e) {
        EXPECT_EQ(e.message(), "'" + std::string(r.text) + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Grammar, RejectedText, testing::Values(
    Rejected{"", ','},
    Rejected{" ", ','},
    Rejected{"-", ','},
    Rejected{"+", ','},
    Rejected{"E5", ','},
    Rejected{"1,2,3", ','},          // two separators
    Rejected{"0.0005", ','},         // the other separator
    Rejected{"0,0005", '.'},
    Rejected{"1 000", ','},          // no thousands separator
    Rejected{"\t1", ','},            // a tab is not a blank
    Rejected{"1\n", ','},            // a line break after the number
    Rejected{"1E5000", ','},         // a digit left over after the exponent reached 500
    Rejected{"1E4933", ','},         // beyond the extended range
    Rejected{"--1", ','},
    Rejected{"1e2e3", ','},
    Rejected{"0x10", ','},
    Rejected{"inf", ','},
    Rejected{"nan", ','},
    Rejected{"١", ','},              // an Arabic-Indic digit
    Rejected{"1\xef\xbc\x8c" "5", ','}, // a full-width comma
    Rejected{"1\t", ','},
    Rejected{"1\r\n2", ','},
    Rejected{"один", ','},
    Rejected{"1😀", ','},
    Rejected{"😀", '.'}
));

TEST(Conversion, ExponentIsReadUntilItReaches500)
{
    // 499 still reads a further digit; the value then leaves the extended
    // range. 0500 reads all four digits and stops exactly at 500.
    EXPECT_THROW(convertCellText("1E4999", ','), CalculationError);
    EXPECT_EQ(convertCellText("0E0500", ','), 0.0f);
    EXPECT_EQ(convertCellText("1E-0500", ','), 0.0f);
    EXPECT_THROW(convertCellText("1E-05000", ','), CalculationError);
}

TEST(Conversion, ValueBeyondSinglePrecisionOverflows)
{
    for (const char* text : {"3,5E38", "-1E39", "1E4932"}) {
        try {
            convertCellText(text, ',');
            FAIL() << text;
        } catch (const CalculationError& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow") << text;
        }
    }
    // Just above the largest float, but rounding down to it.
    EXPECT_EQ(convertCellText("3,40282356E38", ','), std::numeric_limits<float>::max());
}

TEST(Conversion, ExtendedValueIsRoundedOnceMore)
{
    // The extended value, not the decimal text, is rounded to float.
    EXPECT_EQ(parseExtended("0,1", ','), 0.1L);
    EXPECT_EQ(convertCellText("0,1", ','), static_cast<float>(0.1L));
}

TEST(Conversion, DoesNotFollowTheCLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(convertCellText("1.5", '.'), 1.5f);
    EXPECT_EQ(convertCellText("1,5", ','), 1.5f);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ConversionMessage, LongTextIsCutToHundredCharacters)
{
    const std::string hundred(100, '7');
    EXPECT_EQ(notANumberMessage(hundred), "'" + hundred + "' is not a valid floating point value");
    EXPECT_EQ(notANumberMessage(hundred + "x"), "'" + hundred + "…' is not a valid floating point value");

    // Characters, not bytes: a Cyrillic letter is never split.
    std::string cyrillic;
    for (int i = 0; i < 150; ++i)
        cyrillic += "ж";
    std::string expected;
    for (int i = 0; i < 100; ++i)
        expected += "ж";
    EXPECT_EQ(notANumberMessage(cyrillic), "'" + expected + "…' is not a valid floating point value");

    const std::string megabyte(1 << 20, '1');
    EXPECT_THROW(convertCellText(megabyte + "x", ','), CalculationError);
}

TEST(ConversionMessage, NulAndControlCharactersAreQuotedAsTheyStand)
{
    const std::string text("1\0" "2", 3);
    try {
        convertCellText(text, ',');
        FAIL();
    } catch (const CalculationError& e) {
        EXPECT_EQ(e.message(), "'" + text + "' is not a valid floating point value");
    }
}

} // namespace
