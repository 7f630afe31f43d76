#include "ui/designplot.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "ui/plotaxes.h"

namespace vorlan {

namespace {

const QColor kFeasibleColour(140, 160, 200);
const QColor kFrontColour(200, 40, 40);
const QColor kLimitColour(90, 90, 90);
constexpr double kInset = 8; // [pixels] between the frame and the axes' ends
constexpr double kMarker = 3; // radius [pixels]

void drawFeasible(QPainter& painter, QPointF at)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFeasibleColour);
    painter.drawEllipse(at, kMarker, kMarker);
}

void drawNonDominated(QPainter& painter, QPointF at)
{
    const double r = kMarker + 1.5;
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(kFrontColour);
    painter.drawPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)}));
}

} // namespace

DesignPlot::DesignPlot(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(340, 260);
}

void DesignPlot::setPoints(std::vector<DesignPoint> points, bool searched)
{
    m_points = std::move(points);
    m_searched = searched;
    m_selected = -1;
    update();
}

void DesignPlot::select(int point)
{
    m_selected = point;
    update();
}

void DesignPlot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    painter.fillRect(area, Qt::white);
    if (m_points.empty()) {
        painter.drawText(area.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap,
            m_searched ? QString("No feasible design: tick \"Show infeasible designs\" to see what each breaks.")
                       : QString("Set the constraints and press Search: the feasible designs appear here."));
        return;
    }
    // The ratio axis from zero past the allowed drop, so that its line stands inside the frame.
    std::vector<double> ratios {0, 1.1};
    std::vector<double> surfaces;
    for (const DesignPoint& point : m_points) {
        ratios.push_back(point.dropRatio);
        surfaces.push_back(point.surface);
    }
    const PlotAxis x = valueAxis(ratios);
    const PlotAxis y = valueAxis(surfaces);

    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double left = 1.6 * line + tickTextWidth(metrics, y) + 6;
    // The legend above the plot, its items on as many lines as the width needs.
    const QString legendTexts[] = {"feasible design", "non-dominated", "allowed pressure drop"};
    std::vector<QPointF> legendAt; // where each item's sample stands
    double lx = left;
    double ly = area.top() + line;
    for (const QString& text : legendTexts) {
        const double width = 1.2 * line + metrics.horizontalAdvance(text);
        if (lx > left && lx + width > area.right() - line) {
            lx = left;
            ly += line * 1.2;
        }
        legendAt.emplace_back(lx + 0.5 * line, ly);
        lx += width + 1.2 * line;
    }
    const QRectF plot = area.adjusted(left, ly - area.top() + 1.2 * line, -1.2 * line, -3 * line);
    const auto px = [&](double v) { return plot.left() + kInset + x.share(v) * (plot.width() - 2 * kInset); };
    const auto py = [&](double v) { return plot.bottom() - kInset - y.share(v) * (plot.height() - 2 * kInset); };

    painter.setPen(QPen(QColor(225, 225, 225), 0));
    for (const double tick : y.ticks)
        painter.drawLine(QPointF(plot.left(), py(tick)), QPointF(plot.right(), py(tick)));
    for (const double tick : x.ticks)
        painter.drawLine(QPointF(px(tick), plot.top()), QPointF(px(tick), plot.bottom()));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    for (const double tick : y.ticks) {
        painter.drawLine(QPointF(plot.left(), py(tick)), QPointF(plot.left() - 4, py(tick)));
        painter.drawText(QRectF(area.left(), py(tick) - line / 2, left - 6, line), Qt::AlignRight | Qt::AlignVCenter,
            tickText(tick));
    }
    for (const double tick : x.ticks) {
        painter.drawLine(QPointF(px(tick), plot.bottom()), QPointF(px(tick), plot.bottom() + 4));
        painter.drawText(QRectF(px(tick) - 3 * line, plot.bottom() + 5, 6 * line, line),
            Qt::AlignHCenter | Qt::AlignTop, tickText(tick));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.5 * line, plot.width(), line), Qt::AlignHCenter,
        "Larger pressure drop over the allowed one");
    drawVerticalTitle(
        painter, QPointF(area.left() + 0.2 * line, plot.center().y()), plot.height(), false, "Installed surface [m²]");

    painter.setPen(QPen(kLimitColour, 1.2, Qt::DashLine));
    painter.drawLine(QPointF(px(1), plot.top()), QPointF(px(1), plot.bottom()));

    // The dominated designs first, so that the non-dominated ones stay on top.
    painter.setClipRect(plot.adjusted(-6, -6, 6, 6));
    for (const DesignPoint& point : m_points) {
        if (!point.nonDominated)
            drawFeasible(painter, QPointF(px(point.dropRatio), py(point.surface)));
    }
    for (const DesignPoint& point : m_points) {
        if (point.nonDominated)
            drawNonDominated(painter, QPointF(px(point.dropRatio), py(point.surface)));
    }
    if (m_selected >= 0 && m_selected < plottedPoints()) {
        const DesignPoint& point = m_points[static_cast<std::size_t>(m_selected)];
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(px(point.dropRatio), py(point.surface)), kMarker + 5, kMarker + 5);
    }
    painter.setClipping(false);

    const auto legendText = [&](std::size_t item) {
        painter.setPen(Qt::black);
        painter.drawText(legendAt[item] + QPointF(0.7 * line, metrics.ascent() / 2 - 1), legendTexts[item]);
    };
    drawFeasible(painter, legendAt[0]);
    legendText(0);
    drawNonDominated(painter, legendAt[1]);
    legendText(1);
    painter.setPen(QPen(kLimitColour, 1.2, Qt::DashLine));
    painter.drawLine(legendAt[2] - QPointF(0, 0.5 * line), legendAt[2] + QPointF(0, 0.5 * line));
    legendText(2);
}

} // namespace vorlan
