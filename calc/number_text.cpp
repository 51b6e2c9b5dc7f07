#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

constexpr int expansionDigits = 18;
constexpr int decimals = 4;
constexpr int precision = 5;

// A magnitude as 0.d1d2…dn × 10^exponent; no digits means zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

// The 18 most significant digits, rounded half to even at the last one.
DecimalDigits expand(float value)
{
    char buffer[64];
    // A float widens to double exactly; to_chars rounds correctly.
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(double(value)),
                                   std::chars_format::scientific, expansionDigits - 1).ptr;
    const std::string_view text(buffer, end - buffer); // d.ddd…e±xx
    const auto e = text.find('e');
    DecimalDigits result;
    result.digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), end, exponent);
    result.exponent = exponent + 1;
    return result;
}

// Keeps the significant digits the format allows, rounding up the magnitude
// when the first dropped digit is 5 or more.
DecimalDigits roundToShown(const DecimalDigits& full)
{
    const int kept = std::min(full.exponent + decimals, precision);
    if (kept < 0)
        return {};
    DecimalDigits result{full.digits.substr(0, kept), full.exponent};
    if (full.digits[kept] >= '5') {
        int i = kept - 1;
        while (i >= 0 && result.digits[i] == '9')
            result.digits[i--] = '0';
        if (i >= 0) {
            ++result.digits[i];
        } else {
            result.digits.insert(result.digits.begin(), '1');
            ++result.exponent;
        }
    }
    if (result.digits.find_first_not_of('0') == std::string::npos)
        return {};
    return result;
}

std::string scientific(const DecimalDigits& d, char separator)
{
    std::string text(1, d.digits[0]);
    const auto last = d.digits.find_last_not_of('0');
    if (last > 0)
        text += separator + d.digits.substr(1, last);
    return text + "E" + std::to_string(d.exponent - 1);
}

std::string fixed(const DecimalDigits& d, char separator)
{
    std::string integer = "0";
    std::string fraction;
    if (d.exponent > 0) {
        std::string digits = d.digits;
        digits.resize(std::max<std::size_t>(digits.size(), d.exponent), '0');
        integer = digits.substr(0, d.exponent);
        fraction = digits.substr(d.exponent);
    } else {
        fraction = std::string(-d.exponent, '0') + d.digits;
    }
    fraction.resize(decimals, '0');
    return integer + separator + fraction;
}

} // namespace

std::string numberText(float value, char separator)
{
    if (value == 0)
        return fixed({}, separator);
    const DecimalDigits shown = roundToShown(expand(value));
    if (shown.digits.empty())
        return fixed({}, separator);
    const std::string sign = std::signbit(value) ? "-" : "";
    if (shown.exponent > precision)
        return sign + scientific(shown, separator);
    return sign + fixed(shown, separator);
}
