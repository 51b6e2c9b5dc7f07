#pragma once

// The grids' key filter: returns the character a typed character becomes,
// or 0 when it is discarded. Only digits, the decimal separator and
// backspace get through; "." and "," both become the current separator, so
// typing works under every regional setting.
char32_t filterKey(char32_t typed, char32_t separator);
