#include "chart_painter.h"

#include "chart_colour.h"
#include "tick_label.h"

#include <QPen>
#include <vector>

namespace {

const QColor gridColour(225, 225, 225);
const QColor bevelLight(235, 235, 235);
const QColor bevelDark(128, 128, 128);

QPen cosmeticPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen pen(colour, 1.0, style);
    pen.setCosmetic(true);
    return pen;
}

void paintBevel(QPainter& painter, QSize size)
{
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    painter.setPen(cosmeticPen(bevelLight));
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(cosmeticPen(bevelDark));
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
}

void paintTitle(QPainter& painter, const QStringList& title, const QRectF& plot)
{
    const double lineSpacing = painter.fontMetrics().lineSpacing();
    painter.setPen(Qt::black);
    for (qsizetype i = 0; i < title.size(); ++i) {
        const QRectF line(plot.left(), chartSpacing::margin + i * lineSpacing, plot.width(), lineSpacing);
        painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, title[i]);
    }
}

void paintGrid(QPainter& painter, const ChartLayout& layout)
{
    const PlotMapping mapping = layout.mapping();
    const QRectF& plot = layout.plot;
    painter.setPen(cosmeticPen(gridColour));
    for (int i = 0; i < layout.xTicks.count; ++i) {
        const double x = mapping.toPixel(layout.xTicks.value(i), 0.0).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (int i = 0; i < layout.yTicks.count; ++i) {
        const double y = mapping.toPixel(0.0, layout.yTicks.value(i)).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

// Each segment takes the colour of its end point. Runs of one colour go out
// as one polyline, which is what keeps thousands of points cheap.
void paintSeries(QPainter& painter, const ChartSeries& series, const PlotMapping& mapping)
{
    const std::vector<ChartPoint>& points = series.points();
    if (points.size() < 2)
        return;
    std::vector<QPointF> run{mapping.toPixel(points[0].x, points[0].y)};
    Colour runColour = points[1].colour;
    const auto drawRun = [&] {
        painter.setPen(cosmeticPen(toQColor(runColour)));
        painter.drawPolyline(run.data(), static_cast<int>(run.size()));
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i].colour != runColour) {
            drawRun();
            run.erase(run.begin(), run.end() - 1);
            runColour = points[i].colour;
        }
        run.push_back(mapping.toPixel(points[i].x, points[i].y));
    }
    drawRun();
}

void paintAllSeries(QPainter& painter, const ChartContent& content, const ChartLayout& layout)
{
    painter.save();
    painter.setClipRect(layout.plot);
    const PlotMapping mapping = layout.mapping();
    for (const ChartSeries& series : content.series)
        paintSeries(painter, series, mapping);
    painter.restore();
}

void paintXAxis(QPainter& painter, const ChartLayout& layout, char separator)
{
    using namespace chartSpacing;
    const PlotMapping mapping = layout.mapping();
    const double axisY = layout.plot.bottom();
    const double labelTop = axisY + tickLength + labelGap;
    const double labelHeight = painter.fontMetrics().height();
    for (int i = 0; i < layout.xTicks.count; ++i) {
        const double value = layout.xTicks.value(i);
        const double x = mapping.toPixel(value, 0.0).x();
        painter.drawLine(QPointF(x, axisY), QPointF(x, axisY + tickLength));
        const QString label = tickLabel(layout.xTicks, i, separator);
        // A rectangle centred on the tick, wide enough for any label.
        const QRectF box(x - layout.size.width(), labelTop, 2.0 * layout.size.width(), labelHeight);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label);
    }
}

void paintYAxis(QPainter& painter, const ChartLayout& layout, char separator)
{
    using namespace chartSpacing;
    const PlotMapping mapping = layout.mapping();
    const double axisX = layout.plot.left();
    const double labelRight = axisX - tickLength - labelGap;
    const double labelHeight = painter.fontMetrics().height();
    for (int i = 0; i < layout.yTicks.count; ++i) {
        const double value = layout.yTicks.value(i);
        const double y = mapping.toPixel(0.0, value).y();
        painter.drawLine(QPointF(axisX - tickLength, y), QPointF(axisX, y));
        const QString label = tickLabel(layout.yTicks, i, separator);
        const QRectF box(0.0, y - labelHeight / 2.0, labelRight, labelHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, label);
    }
}

void paintAxes(QPainter& painter, const ChartLayout& layout, char separator)
{
    painter.setPen(cosmeticPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.plot);
    paintXAxis(painter, layout, separator);
    paintYAxis(painter, layout, separator);
}

} // namespace

void paintChart(QPainter& painter, const ChartContent& content, const ChartLayout& layout)
{
    painter.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
    paintTitle(painter, content.title, layout.plot);
    paintGrid(painter, layout);
    paintAllSeries(painter, content, layout);
    paintAxes(painter, layout, content.decimalSeparator);
    paintBevel(painter, layout.size);
}

void paintRubberBand(QPainter& painter, const QRect& band)
{
    painter.setPen(cosmeticPen(Qt::black, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band);
}
