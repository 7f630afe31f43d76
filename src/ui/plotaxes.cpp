#include "ui/plotaxes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <initializer_list>

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

} // namespace vorlan
