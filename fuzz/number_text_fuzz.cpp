// The number text on arbitrary floats, against a text built independently
// from glibc's 18-digit expansion by adding half a unit and truncating, and
// read back to within half a unit of the value.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_target.h"
#include "number_text.h"

namespace {

struct Expansion {
    std::string digits; // 18 significant digits
    int exponent;       // digits before the decimal point
};

Expansion expansionOf(float value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(double(value)));
    return {std::string(1, buffer[0]) + std::string(buffer + 2, 17), std::atoi(std::strchr(buffer, 'e') + 1) + 1};
}

std::string expectedText(float value)
{
    const std::string zero = "0,0000";
    if (value == 0)
        return zero;
    Expansion x = expansionOf(value);
    const int kept = std::min(x.exponent + 4, 5);
    if (kept < 0)
        return zero;
    std::string sum = "0" + x.digits;
    for (int i = kept + 1, carry = 5; carry && i >= 0; --i) {
        const int d = sum[i] - '0' + carry;
        sum[i] = char('0' + d % 10);
        carry = d / 10;
    }
    std::string shown;
    if (sum[0] == '1') {
        ++x.exponent;
        shown = sum.substr(0, kept + 1);
    } else {
        shown = sum.substr(1, kept);
    }
    if (shown.find_first_not_of('0') == std::string::npos)
        return zero;

    const std::string sign = value < 0 ? "-" : "";
    if (x.exponent > 5) {
        const auto last = shown.find_last_not_of('0');
        std::string text = sign + shown[0];
        if (last > 0)
            text += "," + shown.substr(1, last);
        return text + "E" + std::to_string(x.exponent - 1);
    }
    std::string all = x.exponent > 0 ? shown : std::string(-x.exponent, '0') + shown;
    const std::size_t integerDigits = std::max(x.exponent, 0);
    all.resize(std::max(all.size(), integerDigits + 4), '0');
    return sign + (integerDigits ? all.substr(0, integerDigits) : "0") + "," + all.substr(integerDigits, 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    float value;
    std::memcpy(&value, data, 4);
    if (!std::isfinite(value))
        return 0;
    const std::string text = numberText(value, ',');
    const std::string expected = expectedText(value);
    FUZZ_CHECK(text == expected, "%.9g shown as %s, expected %s", value, text.c_str(), expected.c_str());

    std::string readable = text;
    for (char& c : readable)
        if (c == ',')
            c = '.';
    const double back = std::strtod(readable.c_str(), nullptr);
    const int exponent = value == 0 ? 0 : expansionOf(value).exponent;
    const double unit = exponent >= 1 ? std::pow(10.0, exponent - 5) : 1e-4;
    FUZZ_CHECK(std::fabs(back - value) <= unit * 0.5000001, "%s is not %.9g rounded", text.c_str(), value);
    return 0;
}
