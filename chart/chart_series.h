#pragma once

#include "chart_sink.h"

#include <vector>

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    Colour colour = 0;
};

// One line series in ascending x. Points with the same x stay in the order
// they were added, so two of them make a vertical segment.
class ChartSeries {
public:
    void clear();
    void add(const ChartPoint& point);
    const std::vector<ChartPoint>& points() const { return points_; }

private:
    std::vector<ChartPoint> points_;
};
