// The number conversion on any bytes: it accepts exactly the grammar's texts,
// and an accepted text has the value strtold gives the same text.

#include <cmath>
#include <locale.h>
#include <regex>
#include <string>

#include "calculation_error.h"
#include "fuzz_target.h"
#include "number_conversion.h"

namespace {

// The exponent's digits are read while the exponent is below 500; a digit
// left over rejects the text.
bool exponentDigitsFit(const std::string& digits)
{
    long value = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (value >= 500)
            return false;
        value = value * 10 + (digits[i] - '0');
    }
    return true;
}

// Whether the text has the grammar's shape, by a regular expression.
bool grammarAccepts(const std::string& text, char separator)
{
    const std::string s = separator == '.' ? "\\." : ",";
    static const std::regex comma("^ *[+-]?([0-9]+(,[0-9]*)?|,[0-9]*)([eE][+-]?([0-9]*))? *$");
    static const std::regex stop("^ *[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]*)([eE][+-]?([0-9]*))? *$");
    std::smatch match;
    if (!std::regex_match(text, match, separator == ',' ? comma : stop))
        return false;
    return exponentDigitsFit(match[4].str());
}

long double strtoldInC(const std::string& text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtold_l(text.c_str(), nullptr, c);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = data[0] & 1 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    bool accepted = true;
    float value = 0;
    std::string message;
    try {
        value = convertCellText(text, separator);
    } catch (const CalculationError& e) {
        accepted = false;
        message = e.message();
    }

    if (!grammarAccepts(text, separator)) {
        FUZZ_CHECK(!accepted && message == notANumberMessage(text), "text of %zu bytes", text.size());
        return 0;
    }
    std::string cText = text;
    for (char& c : cText)
        if (c == separator)
            c = '.';
    const long double expected = strtoldInC(cText);
    if (std::isinf(expected)) {
        FUZZ_CHECK(!accepted && message == notANumberMessage(text), "beyond the extended range");
    } else if (std::isinf(static_cast<float>(expected))) {
        FUZZ_CHECK(!accepted && message == "Floating point overflow", "beyond the float range");
    } else {
        FUZZ_CHECK(accepted, "rejected: %s", message.c_str());
        FUZZ_CHECK(value == static_cast<float>(expected), "%.9g against %.9g", value, float(expected));
    }
    return 0;
}
