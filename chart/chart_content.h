#pragma once

#include "chart_series.h"
#include "chart_sink.h"

#include <QString>
#include <QStringList>
#include <array>

// Everything the chart shows apart from the view.
struct ChartContent {
    std::array<ChartSeries, series::count> series;
    QStringList title{QString::fromUtf8(chartTitle), QString()};
    char decimalSeparator = ',';
};
