#pragma once

#include "view_range.h"

#include <QPointF>
#include <QRectF>

// Converts between data coordinates and the pixels of the plot area: the
// view's x range spans the area's width, its y range the height, upwards.
class PlotMapping {
public:
    PlotMapping(const QRectF& area, const ViewRange& view);

    QPointF toPixel(double x, double y) const;
    QPointF toData(const QPointF& pixel) const;

    // The view that shows what lies under a rectangle of pixels.
    ViewRange viewUnder(const QRectF& pixels) const;
    // The view after the data was dragged by delta pixels.
    ViewRange draggedBy(const QPointF& delta) const;

private:
    QRectF area_;
    ViewRange view_;
    double xPixelsPerUnit_;
    double yPixelsPerUnit_;
};
