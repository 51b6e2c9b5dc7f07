#pragma once

#include <exception>
#include <string>

// Every failure of the calculate command. The message is the text the user
// sees, before reportedText() adds its full stop; it may quote a cell text
// with a NUL in it, so it is kept whole rather than as a C string.
class CalculationError : public std::exception {
public:
    explicit CalculationError(std::string message) : text(std::move(message)) {}
    const std::string& message() const noexcept { return text; }
    const char* what() const noexcept override { return text.c_str(); }

private:
    std::string text;
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
