#include "chart_layout.h"

#include "tick_label.h"

#include <algorithm>
#include <cmath>

namespace {

// Room for y labels like this one even while the current ones are shorter,
// so the plot does not shift sideways while scrolling past zero.
const QString typicalWidestYLabel = QStringLiteral("-2,0000");

// Generous for the 2-2.5 fold growth of each step; only a bound.
constexpr int maxFitAttempts = 32;

// The densest 1-2-5 ticks whose labels keep clear of each other: starting
// from a step of at most startSpacing pixels, the step grows until one step
// on screen is at least what a label needs.
template <typename LabelExtent>
AxisTicks ticksThatFit(const AxisRange& range, double axisPixels, double startSpacing, LabelExtent labelExtent)
{
    double gross = range.span() * startSpacing / axisPixels;
    AxisTicks ticks;
    for (int attempt = 0; attempt < maxFitAttempts; ++attempt) {
        ticks = ticksWithin(range, niceStep(gross));
        if (ticks.step / range.span() * axisPixels >= labelExtent(ticks))
            break;
        gross = ticks.step * 3.0; // a gross step that yields the next 1-2-5 step
    }
    return ticks;
}

double widestLabel(const AxisTicks& ticks, const QFontMetricsF& metrics, char separator)
{
    double widest = 0.0;
    for (int i = 0; i < ticks.count; ++i)
        widest = std::max(widest, metrics.horizontalAdvance(tickLabel(ticks, i, separator)));
    return widest;
}

} // namespace

ChartLayout layoutChart(QSize size, const QFontMetricsF& metrics, const ViewRange& view,
                        const ChartContent& content)
{
    using namespace chartSpacing;
    const char separator = content.decimalSeparator;

    const double top = std::round(margin + content.title.size() * metrics.lineSpacing() + margin);
    const double bottom = std::round(size.height() - margin - metrics.height() - labelGap - tickLength);
    const double plotHeight = std::max(1.0, bottom - top);
    const double yLabelSpace = metrics.height() * 1.5;
    const AxisTicks yTicks = ticksThatFit(view.y, plotHeight, metrics.height(),
                                          [&](const AxisTicks&) { return yLabelSpace; });

    const double yLabelWidth = std::max(widestLabel(yTicks, metrics, separator),
                                        metrics.horizontalAdvance(typicalWidestYLabel));
    const double left = std::round(margin + yLabelWidth + labelGap + tickLength);
    // The last x label is centred on the right edge; half of it sticks out.
    const double right = std::round(size.width() - 3.0 * margin);
    const double plotWidth = std::max(1.0, right - left);
    const double xLabelGap = metrics.height();
    // Labels closer than a few characters apart would never fit; starting
    // there spares measuring a crowd of them.
    const double xStartSpacing = 3.0 * metrics.height();
    const AxisTicks xTicks = ticksThatFit(view.x, plotWidth, xStartSpacing, [&](const AxisTicks& ticks) {
        return widestLabel(ticks, metrics, separator) + xLabelGap;
    });

    return {size, QRectF(left, top, plotWidth, plotHeight), view, xTicks, yTicks};
}
