#pragma once

#include <cstdint>
#include <string>

// A colour as 0x00BBGGRR: blue in the high byte.
using Colour = std::uint32_t;

namespace colours {
inline constexpr Colour green = 0x008000;
inline constexpr Colour red = 0x0000FF;
inline constexpr Colour blue = 0xFF0000;
}

// The four line series of the chart, by index.
namespace series {
inline constexpr int response = 0;
inline constexpr int upperBand = 1;
inline constexpr int lowerBand = 2;
inline constexpr int marker = 3;
inline constexpr int count = 4;
}

// What the calculation needs of the chart. Title line 0 is
// "Переходная характеристика:", line 1 the calculation's own. Texts are UTF-8.
class ChartSink {
public:
    virtual ~ChartSink() = default;
    virtual void clearSeries(int index) = 0;
    // Keeps the series in ascending x; a point with an x already present goes
    // after the points with that x.
    virtual void addPoint(int index, double x, double y, const std::string& label, Colour colour) = 0;
    virtual void setTitleLine(int line, const std::string& text) = 0;
};

// What the calculation needs of the settling-time label.
class LabelSink {
public:
    virtual ~LabelSink() = default;
    virtual void setCaption(const std::string& text) = 0;
};

inline constexpr const char* chartTitle = "Переходная характеристика:";
inline constexpr const char* initialLabel = "Время п/п:";
