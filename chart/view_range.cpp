#include "view_range.h"

#include <algorithm>
#include <cmath>

namespace {

bool isResolvable(const AxisRange& range)
{
    const double magnitude = std::max(std::abs(range.min), std::abs(range.max));
    const double span = range.span();
    return std::isfinite(span) && std::isnormal(span) && span > 1e-9 * magnitude;
}

} // namespace

AxisRange widenedIfFlat(AxisRange range)
{
    if (range.min != range.max)
        return range;
    const double half = range.min == 0.0 ? 1.0 : std::abs(range.min) * 0.1;
    return {range.min - half, range.max + half};
}

AxisRange padded(AxisRange range, double fraction)
{
    const double pad = range.span() * fraction;
    return {range.min - pad, range.max + pad};
}

bool isResolvable(const ViewRange& view)
{
    return isResolvable(view.x) && isResolvable(view.y);
}
