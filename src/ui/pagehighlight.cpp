#include "ui/pagehighlight.h"

#include <QEvent>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QScrollBar>
#include <algorithm>

namespace vorlan {

namespace {

const QColor kMarker(255, 200, 0, 110); // a see-through yellow: the text stays readable
const QColor kMarkerEdge(230, 120, 0);

} // namespace

PageHighlight::PageHighlight(QPdfView* view)
    : QWidget(view->viewport())
    , m_view(view)
{
    setObjectName("pageHighlight");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(view->viewport()->rect());
    view->viewport()->installEventFilter(this);
    for (QScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
        connect(bar, &QScrollBar::rangeChanged, this, qOverload<>(&QWidget::update)); // zoomed
    }
}

void PageHighlight::mark(int page, const QList<QRectF>& rects)
{
    m_page = page;
    m_rects = rects;
    raise();
    update();
}

void PageHighlight::scrollTo(int page, qreal y, qreal down)
{
    const QRectF shown = pageRect(page);
    if (!shown.isValid())
        return;
    QScrollBar* bar = m_view->verticalScrollBar();
    bar->setValue(int(shown.top() + y * scale() - m_view->viewport()->height() * down));
}

qreal PageHighlight::scale() const
{
    const QPdfDocument* document = m_view->document();
    const int pages = document != nullptr ? document->pageCount() : 0;
    if (pages == 0)
        return 0;
    // The view's document is as tall as the scroll range and the viewport together; all pages of
    // the guide have one size.
    const QMargins margins = m_view->documentMargins();
    const QSizeF points = document->pagePointSize(0);
    const int height = m_view->verticalScrollBar()->maximum() + m_view->viewport()->height();
    if (m_view->verticalScrollBar()->maximum() > 0)
        return (height - margins.top() - margins.bottom() - m_view->pageSpacing() * (pages - 1))
            / (pages * points.height());
    return (m_view->viewport()->width() - margins.left() - margins.right()) / points.width(); // all of it in sight
}

QRectF PageHighlight::pageRect(int page) const
{
    const qreal perPoint = scale();
    if (perPoint <= 0 || page < 0 || page >= m_view->document()->pageCount())
        return {};
    const QSizeF size = m_view->document()->pagePointSize(page) * perPoint;
    const QMargins margins = m_view->documentMargins();
    const qreal wide = std::max<qreal>(size.width() + margins.left() + margins.right(), m_view->viewport()->width());
    return {(wide - size.width()) / 2, margins.top() + page * (size.height() + m_view->pageSpacing()), size.width(),
        size.height()};
}

QList<QRectF> PageHighlight::markedRects() const
{
    const QRectF page = pageRect(m_page);
    QList<QRectF> shown;
    if (!page.isValid())
        return shown;
    const QPointF scrolled(m_view->horizontalScrollBar()->value(), m_view->verticalScrollBar()->value());
    const qreal perPoint = scale();
    for (const QRectF& rect : m_rects)
        shown << QRectF(page.topLeft() - scrolled + rect.topLeft() * perPoint, rect.size() * perPoint);
    return shown;
}

void PageHighlight::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kMarkerEdge);
    painter.setBrush(kMarker);
    for (const QRectF& rect : markedRects())
        painter.drawRect(rect.adjusted(-1, -1, 1, 1));
}

bool PageHighlight::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        setGeometry(m_view->viewport()->rect());
    return QWidget::eventFilter(watched, event);
}

} // namespace vorlan
