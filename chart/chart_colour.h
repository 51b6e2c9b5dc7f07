#pragma once

#include "chart_sink.h"

#include <QColor>

// Colours arrive as 0x00BBGGRR: red in the low byte.
inline QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
