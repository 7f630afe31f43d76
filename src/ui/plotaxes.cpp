#include "ui/plotaxes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "analysis/numberformat.h"

namespace vorlan {

double tickStep(double span)
{
    const double raw = span / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw)
            return factor * power;
    }
    return 10 * power;
}

void drawVerticalTitle(QPainter& painter, QPointF edge, double length, bool rightSide, const QString& title)
{
    painter.save();
    painter.translate(edge);
    painter.rotate(rightSide ? 90 : -90);
    painter.drawText(QRectF(-length / 2, 0, length, QFontMetricsF(painter.font()).height()), Qt::AlignHCenter, title);
    painter.restore();
}

double PlotAxis::share(double value) const
{
    if (logarithmic)
        return std::log10(value / low) / std::log10(high / low);
    return (value - low) / (high - low);
}

std::vector<double> steppedTicks(double low, double high, double step)
{
    std::vector<double> ticks;
    const double first = std::ceil(low / step - 1e-9);
    for (double i = 0;; ++i) {
        double tick = (first + i) * step;
        if (tick > high + 1e-9 * step)
            break;
        ticks.push_back(std::fabs(tick) < 1e-9 * step ? 0 : tick);
    }
    return ticks;
}

bool valueRange(const std::vector<double>& values, double& low, double& high)
{
    low = INFINITY;
    high = -INFINITY;
    for (const double value : values) {
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    return low <= high;
}

PlotAxis spanOf(const std::vector<double>& values)
{
    PlotAxis axis;
    valueRange(values, axis.low, axis.high);
    if (axis.high == axis.low) {
        const double room = axis.low != 0 ? 0.05 * std::fabs(axis.low) : 1;
        axis.low -= room;
        axis.high += room;
    }
    return axis;
}

PlotAxis valueAxis(const std::vector<double>& values)
{
    PlotAxis axis = spanOf(values);
    const double step = tickStep(axis.high - axis.low);
    axis.low = std::floor(axis.low / step) * step;
    axis.high = std::ceil(axis.high / step) * step;
    axis.ticks = steppedTicks(axis.low, axis.high, step);
    return axis;
}

QString tickText(double value) { return QString::fromStdString(figure(value, 6)); }

double tickTextWidth(const QFontMetricsF& metrics, const PlotAxis& axis)
{
    double width = 0;
    for (const double tick : axis.ticks)
        width = std::max(width, metrics.horizontalAdvance(tickText(tick)));
    return width;
}

} // namespace vorlan
