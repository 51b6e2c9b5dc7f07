#pragma once

#include "axis_ticks.h"
#include "chart_content.h"
#include "plot_mapping.h"
#include "view_range.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QSize>

// Distances of the chart's furniture, in pixels.
namespace chartSpacing {
inline constexpr double margin = 8.0;
inline constexpr double tickLength = 4.0;
inline constexpr double labelGap = 3.0;
}

// Where everything goes for one size, font and view. Painting and the mouse
// both work from it, so a click maps to the data drawn under it.
struct ChartLayout {
    QSize size;
    QRectF plot;
    ViewRange view;
    AxisTicks xTicks;
    AxisTicks yTicks;

    PlotMapping mapping() const { return {plot, view}; }
};

ChartLayout layoutChart(QSize size, const QFontMetricsF& metrics, const ViewRange& view,
                        const ChartContent& content);
