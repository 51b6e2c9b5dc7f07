#pragma once

// Scenes and probes shared by the widget tests. Positions are in the
// widget's (device-independent) pixels; images may have a higher ratio.

#include "chart_sink.h"
#include "chart_widget.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <cmath>
#include <string>

namespace chart_test {

inline const QColor green(0, 128, 0);
inline const QColor red(255, 0, 0);
inline const QColor blue(0, 0, 255);

constexpr QSize windowSize(673, 425);

// What a calculation leaves on the chart: a rising response, a band at
// ±5 % around 1 and a settling marker.
inline void addResponseScene(ChartSink& chart)
{
    for (int s = 0; s < series::count; ++s)
        chart.clearSeries(s);
    for (int i = 0; i <= 1000; ++i) {
        const double t = i * 0.01;
        chart.addPoint(series::response, t, 1.0 - std::exp(-t / 2.0), "", colours::green);
    }
    chart.addPoint(series::upperBand, 0.0, 1.05, "", colours::red);
    chart.addPoint(series::upperBand, 10.0, 1.05, "", colours::red);
    chart.addPoint(series::lowerBand, 0.0, 0.95, "", colours::red);
    chart.addPoint(series::lowerBand, 10.0, 0.95, "", colours::red);
    chart.addPoint(series::marker, 6.3, 0.0, "", colours::blue);
    chart.addPoint(series::marker, 6.3, 1.05, "", colours::blue);
}

inline QPoint imagePixel(const QImage& image, QPointF logical)
{
    return (logical * image.devicePixelRatio()).toPoint();
}

// Whether the colour appears within radius logical pixels of a position:
// lines are one pixel wide, and where exactly a line lands on the pixel
// grid is the rasteriser's business.
inline bool hasColourNear(const QImage& image, QPointF logical, const QColor& colour, int radius = 2)
{
    const QPoint centre = imagePixel(image, logical);
    const int r = static_cast<int>(std::ceil(radius * image.devicePixelRatio()));
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (image.valid(p) && image.pixelColor(p) == colour)
                return true;
        }
    return false;
}

inline int countColour(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

inline QPointF pixelOf(const ChartWidget& chart, double x, double y)
{
    return chart.plotMapping().toPixel(x, y);
}

inline void sendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                      QPoint pos)
{
    QMouseEvent event(type, QPointF(pos), widget.mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Moves carry the held button, which QTest::mouseMove does not reliably
// pass on to a widget that is not shown; hence events sent by hand.
inline void drag(QWidget& widget, Qt::MouseButton button, QPoint from, QPoint to)
{
    sendMouse(widget, QEvent::MouseButtonPress, button, button, from);
    sendMouse(widget, QEvent::MouseMove, Qt::NoButton, button, (from + to) / 2);
    sendMouse(widget, QEvent::MouseMove, Qt::NoButton, button, to);
    sendMouse(widget, QEvent::MouseButtonRelease, button, Qt::NoButton, to);
}

} // namespace chart_test
