#include "decimal_separator.h"

char decimalSeparatorFrom(std::string_view setting)
{
    if (setting.size() == 1 && static_cast<unsigned char>(setting[0]) < 0x80)
        return setting[0];
    return '.';
}
