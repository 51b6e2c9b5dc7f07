// Zooming and scrolling with the mouse, and keeping the context menu out of
// a right drag that scrolled.

#include "chart_widget.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <cstdlib>

namespace {

// Shorter drags are taken for a shaky click.
constexpr int minimumDrag = 3;

} // namespace

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !scrollDrag_) {
        zoomDrag_ = ZoomDrag{pos, pos};
    } else if (event->button() == Qt::RightButton && !zoomDrag_) {
        scrollDrag_ = ScrollDrag{pos, pos, false, std::nullopt};
        lastScrollDragScrolled_ = false;
    }
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (zoomDrag_) {
        zoomDrag_->end = pos;
        update();
    } else if (scrollDrag_) {
        scrollTo(pos);
    }
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && zoomDrag_) {
        zoomDrag_->end = event->position().toPoint();
        const ZoomDrag drag = *zoomDrag_;
        zoomDrag_.reset();
        finishZoomDrag(drag);
    } else if (event->button() == Qt::RightButton && scrollDrag_) {
        scrollTo(event->position().toPoint());
        finishScrollDrag();
    }
}

// Rightwards zooms into the rectangle whichever way it goes vertically;
// leftwards undoes all zooming and scrolling.
void ChartWidget::finishZoomDrag(const ZoomDrag& drag)
{
    const QPoint delta = drag.end - drag.start;
    if (delta.x() <= -minimumDrag) {
        setManualView(std::nullopt);
        return;
    }
    update(); // takes the rubber band away
    if (delta.x() < minimumDrag || std::abs(delta.y()) < minimumDrag)
        return;
    const QRectF band = QRectF(QPointF(drag.start), QPointF(drag.end)).normalized();
    const ViewRange zoomed = plotMapping().viewUnder(band);
    if (isResolvable(zoomed))
        setManualView(zoomed);
}

// The data follows the pointer once it has left the press position for
// good; until then a right click stays a click.
void ChartWidget::scrollTo(QPoint pos)
{
    ScrollDrag& drag = *scrollDrag_;
    if (!drag.scrolled && (pos - drag.start).manhattanLength() < minimumDrag)
        return;
    drag.scrolled = true;
    const ViewRange scrolled = plotMapping().draggedBy(QPointF(pos - drag.last));
    drag.last = pos;
    if (isResolvable(scrolled))
        setManualView(scrolled);
}

void ChartWidget::finishScrollDrag()
{
    const ScrollDrag drag = *scrollDrag_;
    scrollDrag_.reset();
    lastScrollDragScrolled_ = drag.scrolled;
    if (drag.heldMenu && !drag.scrolled) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, drag.heldMenu->pos, drag.heldMenu->globalPos,
                               drag.heldMenu->modifiers);
        QCoreApplication::sendEvent(this, &menu);
    }
}

bool ChartWidget::event(QEvent* event)
{
    if (event->type() == QEvent::ContextMenu && holdsBackContextMenu(static_cast<QContextMenuEvent&>(*event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

// The context menu itself belongs to whoever handles it (contextMenuEvent
// of a parent, or customContextMenuRequested); the chart only decides when
// a right click was no click but a scroll. Qt asks for the menu on the
// press on some platforms and on the release on others. A request during a
// right drag is held and passed on at the release, unless the drag
// scrolled; one right after a drag that scrolled is dropped.
bool ChartWidget::holdsBackContextMenu(const QContextMenuEvent& menu)
{
    if (menu.reason() != QContextMenuEvent::Mouse)
        return false;
    if (scrollDrag_) {
        scrollDrag_->heldMenu = HeldContextMenu{menu.pos(), menu.globalPos(), menu.modifiers()};
        return true;
    }
    return lastScrollDragScrolled_;
}
