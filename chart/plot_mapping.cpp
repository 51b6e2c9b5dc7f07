#include "plot_mapping.h"

// The area is never empty and the view's spans never zero: the layout and
// the auto-scaling see to that, so the scales below are finite and nonzero.
PlotMapping::PlotMapping(const QRectF& area, const ViewRange& view)
    : area_(area)
    , view_(view)
    , xPixelsPerUnit_(area.width() / view.x.span())
    , yPixelsPerUnit_(area.height() / view.y.span())
{
}

QPointF PlotMapping::toPixel(double x, double y) const
{
    return {area_.left() + (x - view_.x.min) * xPixelsPerUnit_,
            area_.bottom() - (y - view_.y.min) * yPixelsPerUnit_};
}

QPointF PlotMapping::toData(const QPointF& pixel) const
{
    return {view_.x.min + (pixel.x() - area_.left()) / xPixelsPerUnit_,
            view_.y.min + (area_.bottom() - pixel.y()) / yPixelsPerUnit_};
}

ViewRange PlotMapping::viewUnder(const QRectF& pixels) const
{
    const QPointF bottomLeft = toData(pixels.bottomLeft());
    const QPointF topRight = toData(pixels.topRight());
    return {{bottomLeft.x(), topRight.x()}, {bottomLeft.y(), topRight.y()}};
}

ViewRange PlotMapping::draggedBy(const QPointF& delta) const
{
    const double dx = delta.x() / xPixelsPerUnit_;
    const double dy = delta.y() / yPixelsPerUnit_;
    return {{view_.x.min - dx, view_.x.max - dx}, {view_.y.min + dy, view_.y.max + dy}};
}
