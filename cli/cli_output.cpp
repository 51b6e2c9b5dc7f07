#include "cli_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>

namespace {

QString qText(const std::string& text) { return QString::fromStdString(text); }

// "#rrggbb" from 0x00BBGGRR.
QString colourName(Colour colour)
{
    const unsigned rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

template <typename T>
QJsonValue orNull(const std::optional<T>& value)
{
    return value ? QJsonValue(double(*value)) : QJsonValue(QJsonValue::Null);
}

// The shortest text that reads back as the same double, whatever the locale.
QByteArray shortest(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QByteArray(buffer, end - buffer);
}

} // namespace

QByteArray textOutput(const RunRecord& run)
{
    return (qText(run.chart.label) + "\n" + qText(run.chart.title[1]) + "\n").toUtf8();
}

QByteArray csvOutput(const RunRecord& run)
{
    QByteArray out = "t,y\n";
    for (const RecordedPoint& p : run.chart.series[series::response])
        out += shortest(p.x) + "," + shortest(p.y) + "\n";
    return out;
}

QByteArray jsonOutput(const RunRecord& run)
{
    QJsonObject cells;
    for (int i = 0; i < cellCount; ++i)
        cells[cellName(static_cast<Cell>(i))] = qText(run.cells.texts[i]);

    QJsonArray allSeries;
    for (const auto& points : run.chart.series) {
        QJsonArray seriesPoints;
        for (const RecordedPoint& p : points)
            seriesPoints.append(QJsonArray{p.x, p.y, colourName(p.colour)});
        allSeries.append(seriesPoints);
    }

    const SimulationResult& r = run.progress;
    QJsonObject root{
        {"cells", cells},
        {"error", run.error ? QJsonValue(qText(*run.error)) : QJsonValue(QJsonValue::Null)},
        {"plot_interval", orNull(r.plotInterval)},
        {"upper", orNull(r.upper)},
        {"lower", orNull(r.lower)},
        {"ts", orNull(r.settlingTime)},
        {"t_end", orNull(r.endTime)},
        {"series", allSeries},
        {"label", qText(run.chart.label)},
        {"title", QJsonArray{qText(run.chart.title[0]), qText(run.chart.title[1])}},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Compact) + "\n";
}
