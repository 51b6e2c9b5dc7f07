#pragma once

#include "chart_content.h"
#include "chart_layout.h"
#include "chart_sink.h"
#include "plot_mapping.h"
#include "view_range.h"

#include <QImage>
#include <QPoint>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>

class QContextMenuEvent;

// The step-response chart: four line series painted by hand, auto-scaled to
// the data. With the mouse, a left drag to the right zooms into the dragged
// rectangle, a left drag to the left returns to auto-scale and a right drag
// scrolls. Clearing a series returns to auto-scale too.
class ChartWidget : public QWidget, public ChartSink {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    void clearSeries(int index) override;
    void addPoint(int index, double x, double y, const std::string& label, Colour colour) override;
    void setTitleLine(int line, const std::string& text) override;

    void setDecimalSeparator(char separator);
    QStringList titleLines() const;

    // What the plot shows: the zoomed or scrolled view, else the data's extent.
    ViewRange viewRange() const;
    // How data coordinates map to the widget's pixels at its size and view.
    PlotMapping plotMapping() const;

    // The chart as on screen at the widget's size, without a rubber band in
    // progress. Works on a widget that was never shown.
    QImage renderToImage() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct ZoomDrag {
        QPoint start;
        QPoint end;
    };
    struct HeldContextMenu {
        QPoint pos;
        QPoint globalPos;
        Qt::KeyboardModifiers modifiers;
    };
    struct ScrollDrag {
        QPoint start;
        QPoint last;
        bool scrolled = false;
        std::optional<HeldContextMenu> heldMenu;
    };

    ChartLayout currentLayout() const;
    void setManualView(const std::optional<ViewRange>& view);

    void finishZoomDrag(const ZoomDrag& drag);
    void scrollTo(QPoint pos);
    void finishScrollDrag();
    bool holdsBackContextMenu(const QContextMenuEvent& menu);

    ChartContent content_;
    // Set by zooming and scrolling; empty means auto-scale.
    std::optional<ViewRange> manualView_;

    std::optional<ZoomDrag> zoomDrag_;
    std::optional<ScrollDrag> scrollDrag_;
    // For platforms that ask for the context menu after the release.
    bool lastScrollDragScrolled_ = false;
};
