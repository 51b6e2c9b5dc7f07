#include "chart_series.h"

#include <algorithm>
#include <cmath>

void ChartSeries::clear()
{
    points_.clear();
}

void ChartSeries::add(const ChartPoint& point)
{
    // A point off the number line has no place on the plot and would break
    // both the ordering and the auto-scaling.
    if (!std::isfinite(point.x) || !std::isfinite(point.y))
        return;
    // upper_bound puts the point after those with the same x, and finds the
    // end in O(log n) when points arrive in ascending x, as they usually do.
    const auto at = std::upper_bound(points_.begin(), points_.end(), point.x,
                                     [](double x, const ChartPoint& p) { return x < p.x; });
    points_.insert(at, point);
}
