#include "ui/warningsstrip.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "analysis/analysistext.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

constexpr int kMargin = 8;
constexpr int kLine = 17; ///< one line of the form font
constexpr int kSummaryLines = 3;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

/** The text cut at a word and ended with "…" until it fits the label's width in its lines. */
QString fitted(const QLabel* label, const QString& text, int lines)
{
    const QFontMetrics metrics(label->font());
    const QRect wide(0, 0, label->width(), lines * 100 * metrics.height());
    // One wrapped line as the metrics measure it, which may exceed the font's line spacing by a pixel.
    const int line = metrics.boundingRect(wide, Qt::TextWordWrap, QStringLiteral("Xg")).height();
    const auto fits = [&](const QString& candidate) {
        const QRect needed = metrics.boundingRect(wide, Qt::TextWordWrap, candidate);
        return needed.height() <= lines * line && needed.width() <= label->width();
    };
    QString shown = text;
    while (!fits(shown) && shown.contains(' '))
        shown = shown.left(shown.lastIndexOf(' ')) + "…";
    return shown;
}

} // namespace

WarningsStrip::WarningsStrip(int width, QWidget* parent)
    : QWidget(parent)
    , m_banner(new QLabel(this))
    , m_summary(new QLabel(this))
    , m_details(new QPushButton("Details...", this))
{
    setObjectName("warningsStrip");
    m_banner->setObjectName("banner");
    m_summary->setObjectName("warningsSummary");
    m_details->setObjectName("warningsDetails");
    QFont bold = m_banner->font();
    bold.setBold(true);
    m_banner->setFont(bold);
    m_summary->setWordWrap(true);
    m_summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_summary->setTextFormat(Qt::PlainText);
    m_banner->setTextFormat(Qt::PlainText);
    m_banner->hide();
    m_details->setEnabled(false);
    m_banner->setGeometry(kMargin, 0, width - 2 * kMargin, kLine);
    m_summary->setGeometry(kMargin, 0, width - 3 * kMargin - kButtonWidth, kSummaryLines * kLine);
    m_details->setGeometry(width - kMargin - kButtonWidth, 0, kButtonWidth, kButtonHeight);
    connect(m_details, &QPushButton::clicked, this, [this] {
        if (m_detailsAction != nullptr)
            m_detailsAction->trigger();
    });
    resize(width, 0);
    layOut();
}

void WarningsStrip::setBanner(const QString& text)
{
    m_banner->setText(fitted(m_banner, text, 1));
    m_banner->setToolTip(text);
    m_banner->setVisible(!text.isEmpty());
    layOut();
}

void WarningsStrip::showWarnings(const std::vector<Warning>& warnings, QAction* details)
{
    const QString summary = fromStd(warningsSummary(warnings));
    m_summary->setText(fitted(m_summary, summary, kSummaryLines));
    m_summary->setToolTip(summary);
    m_detailsAction = details;
    m_details->setEnabled(details != nullptr);
}

void WarningsStrip::layOut()
{
    const int top = m_banner->isVisibleTo(this) ? kLine + kMargin / 2 : 0;
    m_summary->move(kMargin, top);
    m_details->move(m_details->x(), top);
    const int height = top + kSummaryLines * kLine + kMargin / 2;
    if (height != this->height()) {
        resize(width(), height);
        emit heightChanged();
    }
}

} // namespace vorlan
