#pragma once

#include <QSize>
#include <QString>

#include "recorded_chart.h"

// Draws the recorded chart with the window's chart widget, as the window
// would show it, and saves it as a PNG file. Needs a QApplication; returns
// false when the file cannot be written.
bool writeChartPicture(const RecordedChart& chart, char separator, QSize size, const QString& file);
