#include "ui/fluidinfoplot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "analysis/numberformat.h"
#include "ui/plotaxes.h"

namespace vorlan {

namespace {

struct Panel {
    const char* title;
    double scale; ///< from the point's unit to the panel's
    double PropertyPoint::*value;
};

const Panel kPanels[] = {
    {"Density [kg/m³]", 1, &PropertyPoint::rho},
    {"Specific heat [kJ/(kg K)]", 1, &PropertyPoint::cp},
    {"Conductivity [W/(m K)]", 1, &PropertyPoint::k},
    {"Viscosity [mPa s]", 1000, &PropertyPoint::mu},
};

/** The axis from low to high widened to round ticks, with room for a flat curve. */
struct Axis {
    double low, high, step;
};

/** The axis's tick values, zero exactly where a tick falls on it. */
std::vector<double> ticks(const Axis& axis)
{
    std::vector<double> values;
    for (int i = 0; axis.low + i * axis.step <= axis.high + axis.step / 2; ++i) {
        const double v = axis.low + i * axis.step;
        values.push_back(std::abs(v) < axis.step * 1e-9 ? 0 : v);
    }
    return values;
}

Axis roundAxis(double low, double high)
{
    const double room = std::max(0.04 * (high - low), std::max(std::abs(high), 1e-30) * 0.01);
    low -= room;
    high += room;
    const double step = tickStep(high - low);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

void paintPanel(QPainter& painter, const QRectF& area, const Panel& panel, const std::vector<PropertyPoint>& points)
{
    const double line = QFontMetricsF(painter.font()).height();
    const auto value = [&panel](const PropertyPoint& p) { return p.*panel.value * panel.scale; };
    const auto [lowest, highest] = std::minmax_element(points.begin(), points.end(),
        [&](const PropertyPoint& a, const PropertyPoint& b) { return value(a) < value(b); });
    const Axis y = roundAxis(value(*lowest), value(*highest));
    const QRectF plot(
        area.left() + 4.2 * line, area.top() + 1.4 * line, area.width() - 5 * line, area.height() - 4.1 * line);
    const Axis x = roundAxis(points.front().t, points.back().t);
    const std::vector<double> xTicks = ticks(x);
    // Every tick's number while they leave room between them, else every second, fourth...
    double widest = 0;
    for (const double t : xTicks)
        widest
            = std::max(widest, QFontMetricsF(painter.font()).horizontalAdvance(QString::fromStdString(figure(t, 4))));
    std::size_t every = 1;
    while (every < xTicks.size() && double(xTicks.size()) / every * (widest + line) > plot.width() + widest)
        every *= 2;
    const auto px = [&](double t) { return plot.left() + (t - x.low) / (x.high - x.low) * plot.width(); };
    const auto py = [&](double v) { return plot.bottom() - (v - y.low) / (y.high - y.low) * plot.height(); };

    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignHCenter, panel.title);
    painter.setPen(QPen(QColor(225, 225, 225), 0));
    for (const double v : ticks(y))
        painter.drawLine(QPointF(plot.left(), py(v)), QPointF(plot.right(), py(v)));
    for (const double t : xTicks)
        painter.drawLine(QPointF(px(t), plot.top()), QPointF(px(t), plot.bottom()));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    for (const double v : ticks(y))
        painter.drawText(QRectF(area.left(), py(v) - line / 2, plot.left() - area.left() - 4, line),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(figure(v, 4)));
    // Below the lowest number of the vertical axis, which is centred on the frame's bottom.
    for (std::size_t i = 0; i < xTicks.size(); i += every)
        painter.drawText(QRectF(px(xTicks[i]) - 2 * line, plot.bottom() + line / 2, 4 * line, line),
            Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(figure(xTicks[i], 4)));
    painter.drawText(
        QRectF(plot.left(), plot.bottom() + 1.6 * line, plot.width(), line), Qt::AlignHCenter, "Temperature [°C]");

    QPainterPath path(QPointF(px(points.front().t), py(value(points.front()))));
    for (const PropertyPoint& p : points)
        path.lineTo(px(p.t), py(value(p)));
    painter.save();
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(QColor(30, 80, 200), 2));
    painter.drawPath(path);
    painter.restore();
}

} // namespace

FluidPropertyPlot::FluidPropertyPlot(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(440, 400);
}

void FluidPropertyPlot::setPoints(std::vector<PropertyPoint> points, const QString& title, const QString& missing)
{
    m_points = std::move(points);
    m_title = title;
    m_missing = missing;
    update();
}

void FluidPropertyPlot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(6, 6, -6, -6);
    if (m_points.size() < 2) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, m_missing);
        return;
    }
    const double line = QFontMetricsF(painter.font()).height();
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignHCenter, m_title);
    painter.setFont(font());
    const QRectF panels = area.adjusted(0, 1.6 * line, 0, 0);
    const double width = panels.width() / 2;
    const double height = panels.height() / 2;
    for (int i = 0; i < 4; ++i)
        paintPanel(painter,
            QRectF(panels.left() + (i % 2) * width, panels.top() + (i / 2) * height, width, height)
                .adjusted(2, 2, -8, -6),
            kPanels[i], m_points);
}

} // namespace vorlan
