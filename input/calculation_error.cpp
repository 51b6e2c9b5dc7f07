#include "calculation_error.h"

std::string reportedText(const std::string& message)
{
    // Comparing the last byte is enough for UTF-8: a multi-byte character ends
    // in a byte above 0x7F, and its code point is above "." as well.
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}
