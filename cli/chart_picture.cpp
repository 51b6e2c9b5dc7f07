#include "chart_picture.h"

#include <QImage>

#include "chart_widget.h"

bool writeChartPicture(const RecordedChart& chart, char separator, QSize size, const QString& file)
{
    ChartWidget widget;
    widget.resize(size);
    widget.setDecimalSeparator(separator);
    // Points go in in their recorded order, so equal x keep their order.
    for (int i = 0; i < series::count; ++i)
        for (const RecordedPoint& p : chart.series[i])
            widget.addPoint(i, p.x, p.y, {}, p.colour);
    for (int line = 0; line < int(chart.title.size()); ++line)
        widget.setTitleLine(line, chart.title[line]);
    return widget.renderToImage().save(file, "PNG");
}
