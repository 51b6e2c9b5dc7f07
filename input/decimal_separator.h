#pragma once

#include <string_view>

// The decimal separator from the regional setting's text (UTF-8): its one
// character, or "." when the setting is empty, longer than one character or
// not a single-byte character.
char decimalSeparatorFrom(std::string_view setting);
