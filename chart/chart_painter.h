#pragma once

#include "chart_content.h"
#include "chart_layout.h"

#include <QPainter>
#include <QRect>

// Paints the whole chart into the layout's size with the painter's font:
// background, bevel, title, grid, series, axes and tick labels.
void paintChart(QPainter& painter, const ChartContent& content, const ChartLayout& layout);

// The dotted rectangle shown while dragging out a zoom.
void paintRubberBand(QPainter& painter, const QRect& band);
