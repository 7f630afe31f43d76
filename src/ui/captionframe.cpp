#include "ui/captionframe.h"

#include <QPainter>

namespace vorlan {

namespace {

constexpr int kCaptionLeft = 8; // caption start from the frame's left edge [pixels]
constexpr int kCaptionPadding = 2; // gap in the line on each side of the caption [pixels]

} // namespace

int CaptionFrame::topLineOffset() const { return fontMetrics().height() / 2; }

void CaptionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, topLineOffset(), -1, -1);
    // An etched line, dark above light, like the frames of the other controls.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title().isEmpty())
        return;
    const QRect caption(
        kCaptionLeft, 0, fontMetrics().horizontalAdvance(title()) + 2 * kCaptionPadding, fontMetrics().height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

} // namespace vorlan
