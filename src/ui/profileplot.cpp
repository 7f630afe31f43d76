#include "ui/profileplot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "analysis/numberformat.h"
#include "ui/plotaxes.h"

namespace vorlan {

namespace {

struct Series {
    const char* label;
    QColor colour;
    Qt::PenStyle style;
    double ProfilePoint::*value;
};

const Series kSeries[] = {
    {"Hot stream", QColor(200, 40, 40), Qt::SolidLine, &ProfilePoint::tHot},
    {"Cold stream", QColor(30, 80, 200), Qt::SolidLine, &ProfilePoint::tCold},
    {"Wall", QColor(90, 90, 90), Qt::DashLine, &ProfilePoint::tWall},
};

} // namespace

void paintProfile(QPainter& painter, const QRectF& area, const Profile* profile, const QString& missing)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    if (profile == nullptr || profile->points.size() < 2) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
            missing.isEmpty() ? QString("No temperature profile: no case has been calculated yet.")
                              : "Temperature profile not available: " + missing);
        painter.restore();
        return;
    }
    const std::vector<ProfilePoint>& points = profile->points;
    double tMin = points.front().tHot;
    double tMax = tMin;
    for (const ProfilePoint& p : points) {
        for (const double t : {p.tHot, p.tCold, p.tWall}) {
            tMin = std::min(tMin, t);
            tMax = std::max(tMax, t);
        }
    }
    // A little room above and below, so that no curve runs along the frame.
    const double room = std::max(0.04 * (tMax - tMin), 0.5);
    tMin -= room;
    tMax += room;
    const double tStep = tickStep(tMax - tMin);
    tMin = std::floor(tMin / tStep) * tStep;
    tMax = std::ceil(tMax / tStep) * tStep;
    const double xMax = std::max(points.back().x, 1e-9);
    const double xStep = tickStep(xMax);

    const double line = metrics.height();
    const QRectF plot(
        area.left() + 4.5 * line, area.top() + 1.0 * line, area.width() - 6 * line, area.height() - 4.2 * line);
    const auto px = [&](double x) { return plot.left() + x / xMax * plot.width(); };
    const auto py = [&](double t) { return plot.bottom() - (t - tMin) / (tMax - tMin) * plot.height(); };

    // Grid, ticks and their numbers.
    painter.setPen(QPen(QColor(225, 225, 225), 0));
    for (double t = tMin; t <= tMax + tStep / 2; t += tStep)
        painter.drawLine(QPointF(plot.left(), py(t)), QPointF(plot.right(), py(t)));
    for (double x = 0; x <= xMax + xStep / 2; x += xStep)
        painter.drawLine(QPointF(px(std::min(x, xMax)), plot.top()), QPointF(px(std::min(x, xMax)), plot.bottom()));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    for (double t = tMin; t <= tMax + tStep / 2; t += tStep) {
        painter.drawLine(QPointF(plot.left() - 4, py(t)), QPointF(plot.left(), py(t)));
        painter.drawText(QRectF(area.left(), py(t) - line / 2, plot.left() - area.left() - 6, line),
            Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(figure(t, 6)));
    }
    for (double x = 0; x <= xMax + xStep / 2; x += xStep) {
        if (x > xMax)
            break;
        painter.drawLine(QPointF(px(x), plot.bottom()), QPointF(px(x), plot.bottom() + 4));
        painter.drawText(QRectF(px(x) - 3 * line, plot.bottom() + 5, 6 * line, line), Qt::AlignHCenter | Qt::AlignTop,
            QString::fromStdString(figure(x, 6)));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.3 * line, plot.width(), line), Qt::AlignHCenter,
        "Position from the internal inlet [m]");
    drawVerticalTitle(
        painter, QPointF(area.left() + 0.2 * line, plot.center().y()), plot.height(), false, "Temperature [°C]");

    // The three curves.
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (const Series& series : kSeries) {
        QPainterPath path(QPointF(px(points.front().x), py(points.front().*series.value)));
        for (const ProfilePoint& p : points)
            path.lineTo(px(p.x), py(p.*series.value));
        painter.setPen(QPen(series.colour, 2, series.style));
        painter.drawPath(path);
    }
    painter.setClipping(false);

    // Legend in the upper right corner.
    double width = 0;
    for (const Series& series : kSeries)
        width = std::max(width, metrics.horizontalAdvance(series.label));
    const QRectF legend(plot.right() - width - 3.5 * line, plot.top() + 0.4 * line, width + 3 * line, 3.6 * line);
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(legend);
    for (int i = 0; i < 3; ++i) {
        const double y = legend.top() + (i + 0.75) * 1.1 * line;
        painter.setPen(QPen(kSeries[i].colour, 2, kSeries[i].style));
        painter.drawLine(QPointF(legend.left() + 0.3 * line, y), QPointF(legend.left() + 1.9 * line, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(legend.left() + 2.3 * line, y + metrics.ascent() / 2 - 1), kSeries[i].label);
    }
    painter.restore();
}

ProfilePlot::ProfilePlot(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle("Temperature profile");
    setMinimumSize(360, 240);
    resize(640, 420);
}

void ProfilePlot::setProfile(const std::optional<Profile>& profile, const QString& missing)
{
    m_profile = profile;
    m_missing = missing;
    update();
}

void ProfilePlot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintProfile(painter, rect(), m_profile ? &*m_profile : nullptr, m_missing);
}

} // namespace vorlan
