#pragma once

#include "chart_series.h"
#include "chart_sink.h"
#include "view_range.h"

#include <array>

// The view showing every point of every series: x exactly from the first to
// the last point, y padded a little so lines at the extremes stay clear of
// the frame. Without points it is 0..1 on both axes.
ViewRange autoScaledView(const std::array<ChartSeries, series::count>& allSeries);
