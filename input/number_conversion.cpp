#include "number_conversion.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "calculation_error.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The exponent's digits are read only while it is below this; a digit left
// over then rejects the text.
constexpr int exponentCap = 500;

constexpr std::size_t quotedCharacters = 100;

// strtold_l in the C locale: the user's locale must not change what "." means.
long double strtoldC(const char* text, char** end)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtold_l(text, end, cLocale);
}

bool isUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

} // namespace

std::string notANumberMessage(std::string_view text)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isUtf8Continuation(text[i]))
            continue;
        if (characters == quotedCharacters) {
            text = text.substr(0, i);
            return "'" + std::string(text) + "…' is not a valid floating point value";
        }
        ++characters;
    }
    return "'" + std::string(text) + "' is not a valid floating point value";
}

long double parseExtended(std::string_view text, char separator)
{
    // The text is checked against the grammar and rewritten in the C syntax
    // ("-12.5e-3"); strtold then does the correctly rounded conversion.
    std::string normal;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto reject = [&]() { return CalculationError(notANumberMessage(text)); };

    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        normal += text[i++];

    bool consumed = false;
    normal += '0';
    while (i < n && isDigit(text[i])) {
        normal += text[i++];
        consumed = true;
    }
    if (i < n && text[i] == separator) {
        ++i;
        consumed = true;
        normal += '.';
        while (i < n && isDigit(text[i]))
            normal += text[i++];
    }
    if (!consumed)
        throw reject();

    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            negative = text[i++] == '-';
        int exponent = 0;
        while (i < n && isDigit(text[i]) && exponent < exponentCap)
            exponent = exponent * 10 + (text[i++] - '0');
        normal += negative ? "e-" : "e";
        normal += std::to_string(exponent);
    }

    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        throw reject();

    char* end = nullptr;
    const long double value = strtoldC(normal.c_str(), &end);
    if (std::isinf(value))
        throw reject();
    return value;
}

float convertCellText(std::string_view text, char separator)
{
    const float value = static_cast<float>(parseExtended(text, separator));
    if (std::isinf(value))
        throw CalculationError(messages::overflow);
    return value;
}
