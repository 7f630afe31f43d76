#include "ui/studyplot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/plotaxes.h"

namespace vorlan {

namespace {

const QColor kSeriesColours[] = {QColor(30, 80, 200), QColor(200, 40, 40)};

// Room between the frame and the axes' ends [pixels], so that no curve runs along the frame.
constexpr double kInset = 6;

bool hasValue(double value) { return std::isfinite(value); }

/**
 * Ticks at 1, 2 and 5 of each decade over up to three decades, at the decades alone beyond; evenly
 * stepped ones on a range too short for three such ticks.
 */
std::vector<double> decadeTicks(double low, double high)
{
    std::vector<double> ticks;
    const int firstDecade = static_cast<int>(std::floor(std::log10(low)));
    const int lastDecade = static_cast<int>(std::floor(std::log10(high)));
    const std::vector<double> multiples
        = lastDecade - firstDecade <= 2 ? std::vector<double> {1, 2, 5} : std::vector<double> {1};
    for (int decade = firstDecade; decade <= lastDecade; ++decade) {
        for (const double multiple : multiples) {
            const double tick = multiple * std::pow(10, decade);
            if (tick >= low * (1 - 1e-12) && tick <= high * (1 + 1e-12))
                ticks.push_back(tick);
        }
    }
    return ticks.size() >= 3 ? ticks : steppedTicks(low, high, tickStep(high - low));
}

/** The swept axis, from the first to the last swept value, logarithmic when asked and all are positive. */
PlotAxis sweptAxis(const std::vector<double>& x, bool logarithmic)
{
    PlotAxis axis = spanOf(x);
    axis.logarithmic = logarithmic && axis.low > 0;
    axis.ticks = axis.logarithmic ? decadeTicks(axis.low, axis.high)
                                  : steppedTicks(axis.low, axis.high, tickStep(axis.high - axis.low));
    return axis;
}

} // namespace

StudyPlot::StudyPlot(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(360, 220);
}

void StudyPlot::setData(const QString& xTitle, std::vector<double> x, std::vector<PlotSeries> series, bool logarithmic)
{
    m_xTitle = xTitle;
    m_x = std::move(x);
    m_series = std::move(series);
    m_logarithmic = logarithmic;
    update();
}

int StudyPlot::plottedPoints() const
{
    if (m_series.empty())
        return 0;
    const std::vector<double>& values = m_series.front().values;
    return static_cast<int>(std::count_if(values.begin(), values.end(), hasValue));
}

void StudyPlot::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    painter.fillRect(area, Qt::white);
    if (plottedPoints() == 0) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
            m_x.empty() ? QString("Choose the box to sweep and its range, then press Run.")
                        : QString("No point of the study has been solved; the table gives the reasons."));
        return;
    }
    // The second series has an axis only when it has values.
    std::vector<const PlotSeries*> shown;
    for (const PlotSeries& series : m_series) {
        double low = 0;
        double high = 0;
        if (shown.size() < 2 && valueRange(series.values, low, high))
            shown.push_back(&series);
    }
    std::vector<PlotAxis> axes;
    for (const PlotSeries* series : shown)
        axes.push_back(valueAxis(series->values));
    const PlotAxis xAxis = sweptAxis(m_x, m_logarithmic);

    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double left = 1.6 * line + tickTextWidth(metrics, axes[0]) + 6;
    const double right = axes.size() > 1 ? 1.6 * line + tickTextWidth(metrics, axes[1]) + 6 : 2.5 * line;
    const QRectF plot = area.adjusted(left, 2 * line, -right, -3 * line);
    const auto px = [&](double x) { return plot.left() + kInset + xAxis.share(x) * (plot.width() - 2 * kInset); };
    const auto py = [&](const PlotAxis& axis, double y) {
        return plot.bottom() - kInset - axis.share(y) * (plot.height() - 2 * kInset);
    };

    // Grid along the first axis and the swept one, then the frame, ticks and their numbers.
    painter.setPen(QPen(QColor(225, 225, 225), 0));
    for (const double tick : axes[0].ticks)
        painter.drawLine(QPointF(plot.left(), py(axes[0], tick)), QPointF(plot.right(), py(axes[0], tick)));
    for (const double tick : xAxis.ticks)
        painter.drawLine(QPointF(px(tick), plot.top()), QPointF(px(tick), plot.bottom()));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    for (std::size_t a = 0; a < axes.size(); ++a) {
        const bool rightSide = a == 1;
        const double edge = rightSide ? plot.right() : plot.left();
        const double outward = rightSide ? 1 : -1;
        for (const double tick : axes[a].ticks) {
            const double y = py(axes[a], tick);
            painter.drawLine(QPointF(edge, y), QPointF(edge + 4 * outward, y));
            const QRectF label = rightSide ? QRectF(edge + 6, y - line / 2, right - 6, line)
                                           : QRectF(area.left(), y - line / 2, left - 6, line);
            painter.drawText(label, (rightSide ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, tickText(tick));
        }
        painter.setPen(axes.size() > 1 ? kSeriesColours[a] : QColor(Qt::black));
        drawVerticalTitle(painter,
            QPointF(rightSide ? area.right() - 0.2 * line : area.left() + 0.2 * line, plot.center().y()), plot.height(),
            rightSide, shown[a]->title);
        painter.setPen(QPen(Qt::black, 1));
    }
    for (const double tick : xAxis.ticks) {
        painter.drawLine(QPointF(px(tick), plot.bottom()), QPointF(px(tick), plot.bottom() + 4));
        painter.drawText(QRectF(px(tick) - 3 * line, plot.bottom() + 5, 6 * line, line),
            Qt::AlignHCenter | Qt::AlignTop, tickText(tick));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.5 * line, plot.width(), line), Qt::AlignHCenter, m_xTitle);

    // Each series: lines between neighbouring points with values, a marker on each.
    painter.setClipRect(plot.adjusted(-4, -4, 4, 4));
    for (std::size_t a = 0; a < shown.size(); ++a) {
        QPainterPath path;
        bool joined = false;
        for (std::size_t i = 0; i < m_x.size(); ++i) {
            const double y = shown[a]->values[i];
            if (!hasValue(y)) {
                joined = false;
                continue;
            }
            const QPointF point(px(m_x[i]), py(axes[a], y));
            if (joined)
                path.lineTo(point);
            else
                path.moveTo(point);
            joined = true;
        }
        painter.setPen(QPen(kSeriesColours[a], 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSeriesColours[a]);
        for (std::size_t i = 0; i < m_x.size(); ++i) {
            if (hasValue(shown[a]->values[i]))
                painter.drawEllipse(QPointF(px(m_x[i]), py(axes[a], shown[a]->values[i])), 2.5, 2.5);
        }
    }
    painter.setClipping(false);

    // Legend above the plot: a sample of each series' line and marker, then its title.
    double x = plot.left();
    const double y = area.top() + line;
    for (std::size_t a = 0; a < shown.size(); ++a) {
        painter.setPen(QPen(kSeriesColours[a], 1.5));
        painter.drawLine(QPointF(x, y), QPointF(x + 1.8 * line, y));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kSeriesColours[a]);
        painter.drawEllipse(QPointF(x + 0.9 * line, y), 2.5, 2.5);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 2.3 * line, y + metrics.ascent() / 2 - 1), shown[a]->title);
        x += 2.3 * line + metrics.horizontalAdvance(shown[a]->title) + 1.5 * line;
    }
}

} // namespace vorlan
