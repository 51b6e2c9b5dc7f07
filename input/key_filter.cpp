#include "key_filter.h"

char32_t filterKey(char32_t typed, char32_t separator)
{
    constexpr char32_t backspace = 8;
    if (typed == '.' || typed == ',')
        return separator;
    if ((typed >= '0' && typed <= '9') || typed == backspace)
        return typed;
    return 0;
}
