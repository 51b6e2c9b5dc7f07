#include "tick_label.h"

#include <algorithm>
#include <cmath>

namespace {

// Compensates log10 landing a hair beside an exact power of ten.
constexpr double logTolerance = 1e-9;

// Decided for the whole axis, so its labels do not switch style halfway.
bool needsExponent(const AxisTicks& ticks)
{
    const double magnitude = std::max(std::abs(ticks.value(0)), std::abs(ticks.value(ticks.count - 1)));
    return magnitude < 1e-3 || magnitude >= 1e7;
}

QString withoutTrailingZeros(QString number)
{
    if (!number.contains(QLatin1Char('.')))
        return number;
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return number;
}

QString fixed(double value, double step)
{
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - logTolerance)));
    return withoutTrailingZeros(QString::number(value, 'f', decimals));
}

QString scientific(double value, double step)
{
    const int valueExponent = static_cast<int>(std::floor(std::log10(std::abs(value))));
    const int stepExponent = static_cast<int>(std::floor(std::log10(step) + logTolerance));
    const int digits = std::max(0, valueExponent - stepExponent);
    // Qt writes "2.50E-05"; rounding may carry into the exponent, which is
    // why the exponent is read back rather than taken from valueExponent.
    const QString text = QString::number(value, 'E', digits);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    return withoutTrailingZeros(text.left(e)) + QLatin1Char('E') + QString::number(text.mid(e + 1).toInt());
}

} // namespace

QString tickLabel(const AxisTicks& ticks, int i, char separator)
{
    const double value = ticks.value(i);
    if (value == 0.0)
        return QStringLiteral("0");
    QString text = needsExponent(ticks) ? scientific(value, ticks.step) : fixed(value, ticks.step);
    return text.replace(QLatin1Char('.'), QLatin1Char(separator));
}
