#include "chart_widget.h"

#include "auto_scale.h"
#include "chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {

QFont chartFont()
{
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

bool isSeriesIndex(int index)
{
    return index >= 0 && index < series::count;
}

} // namespace

ChartWidget::ChartWidget(QWidget* parent)
    : QWidget(parent)
{
    setFont(chartFont());
    // paintChart covers every pixel, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartWidget::clearSeries(int index)
{
    if (!isSeriesIndex(index))
        return;
    content_.series[index].clear();
    // A new calculation starts by clearing: show all of its result.
    manualView_.reset();
    update();
}

// The chart draws no point labels, so the label goes unused.
void ChartWidget::addPoint(int index, double x, double y, const std::string&, Colour colour)
{
    if (!isSeriesIndex(index))
        return;
    content_.series[index].add({x, y, colour});
    // update() only schedules; however many points arrive, Qt paints once.
    update();
}

void ChartWidget::setTitleLine(int line, const std::string& text)
{
    if (line < 0 || line >= content_.title.size())
        return;
    content_.title[line] = QString::fromStdString(text);
    update();
}

void ChartWidget::setDecimalSeparator(char separator)
{
    content_.decimalSeparator = separator;
    update();
}

QStringList ChartWidget::titleLines() const
{
    return content_.title;
}

ViewRange ChartWidget::viewRange() const
{
    return manualView_ ? *manualView_ : autoScaledView(content_.series);
}

PlotMapping ChartWidget::plotMapping() const
{
    return currentLayout().mapping();
}

QImage ChartWidget::renderToImage() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setFont(font());
    paintChart(painter, content_, currentLayout());
    return image;
}

QSize ChartWidget::sizeHint() const
{
    return {673, 425};
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    paintChart(painter, content_, currentLayout());
    if (zoomDrag_)
        paintRubberBand(painter, QRect(zoomDrag_->start, zoomDrag_->end).normalized());
}

ChartLayout ChartWidget::currentLayout() const
{
    return layoutChart(size(), QFontMetricsF(font()), viewRange(), content_);
}

void ChartWidget::setManualView(const std::optional<ViewRange>& view)
{
    manualView_ = view;
    update();
}
