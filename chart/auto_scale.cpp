#include "auto_scale.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double yPadding = 0.03;

struct Extent {
    AxisRange x{std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    AxisRange y = x;
    bool empty = true;

    void include(const ChartPoint& point)
    {
        x = {std::min(x.min, point.x), std::max(x.max, point.x)};
        y = {std::min(y.min, point.y), std::max(y.max, point.y)};
        empty = false;
    }
};

} // namespace

ViewRange autoScaledView(const std::array<ChartSeries, series::count>& allSeries)
{
    Extent extent;
    for (const ChartSeries& s : allSeries)
        for (const ChartPoint& point : s.points())
            extent.include(point);
    if (extent.empty)
        return ViewRange{};
    return {widenedIfFlat(extent.x), padded(widenedIfFlat(extent.y), yPadding)};
}
