#pragma once

#include <QList>
#include <QRectF>
#include <QWidget>

class QPdfView;

namespace vorlan {

/**
 * Lies over the pages of a PDF view: paints the place found last in a marker colour and scrolls
 * the view to a place of a page. Pages are placed as the view lays them out: one below the other,
 * a page's spacing apart inside the document's margins, centred across.
 */
class PageHighlight : public QWidget {
    Q_OBJECT

public:
    explicit PageHighlight(QPdfView* view);

    /** Marks the rectangles of a page [points, from the page's top left corner]; none clears the mark. */
    void mark(int page, const QList<QRectF>& rects);
    /** Scrolls so that the point y [points from the page's top] of the page lies the share down of the view's height.
     */
    void scrollTo(int page, qreal y, qreal down);
    /** The marked rectangles where the viewport shows them [its pixels]. */
    QList<QRectF> markedRects() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /** Pixels of the view per point of a page. */
    qreal scale() const;
    /** The page's rectangle in the document laid out by the view [pixels]. */
    QRectF pageRect(int page) const;

    QPdfView* m_view;
    int m_page = -1;
    QList<QRectF> m_rects;
};

} // namespace vorlan
