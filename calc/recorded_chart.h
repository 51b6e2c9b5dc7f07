#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "chart_sink.h"

struct RecordedPoint {
    double x = 0, y = 0;
    Colour colour = 0;
    bool operator==(const RecordedPoint&) const = default;
};

// The chart and label as plain data, for the command-line tool and the tests.
class RecordedChart : public ChartSink, public LabelSink {
public:
    std::array<std::vector<RecordedPoint>, series::count> series;
    std::array<std::string, 2> title{chartTitle, ""};
    std::string label = initialLabel;

    void clearSeries(int index) override { series[index].clear(); }

    void addPoint(int index, double x, double y, const std::string&, Colour colour) override
    {
        auto& points = series[index];
        const auto after = std::upper_bound(points.begin(), points.end(), x,
                                            [](double value, const RecordedPoint& p) { return value < p.x; });
        points.insert(after, {x, y, colour});
    }

    void setTitleLine(int line, const std::string& text) override { title.at(line) = text; }
    void setCaption(const std::string& text) override { label = text; }
};
