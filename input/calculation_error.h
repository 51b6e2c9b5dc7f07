#pragma once

#include <stdexcept>
#include <string>

// Every failure of the calculate command. The message is the text the user
// sees, before reportedText() adds its full stop.
class CalculationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace messages {
inline constexpr const char* divisionByZero = "Floating point division by zero";
inline constexpr const char* invalidOperation = "Invalid floating point operation";
inline constexpr const char* overflow = "Floating point overflow";
inline constexpr const char* stepTooSmall = "Шаг интегрирования слишком мал для заданного времени";
}

// The message box text: a full stop is added unless the message is empty or
// already ends in a character whose code is not above that of ".".
std::string reportedText(const std::string& message);
