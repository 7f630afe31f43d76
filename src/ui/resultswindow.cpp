#include "ui/resultswindow.h"

#include <QLabel>
#include <QLineEdit>

#include "ui/formfont.h"
#include "ui/resultdisplay.h"
#include "ui/warningsstrip.h"
#include "ui_form3.h"

namespace vorlan {

ResultsWindow::ResultsWindow(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form3>())
{
    m_ui->setupUi(this);
    m_sheet = size();
    m_pipes = new QLabel(this);
    m_pipes->setObjectName("standardPipes");
    m_pipes->setTextFormat(Qt::PlainText);
    m_pipes->hide();
    m_strip = new WarningsStrip(m_sheet.width(), this);
    applyFormFont(this);
    QFont bold = m_ui->Text23->font();
    bold.setBold(true);
    m_ui->Text23->setFont(bold); // the capacity stands out
    setAttribute(Qt::WA_DeleteOnClose); // the close box destroys it; "Close" only hides it
    QPalette sheet = palette();
    sheet.setColor(QPalette::Window, sheet.color(QPalette::HighlightedText));
    setPalette(sheet);
    setAutoFillBackground(true);
    connect(m_ui->Command1, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_strip, &WarningsStrip::heightChanged, this, &ResultsWindow::fitStrip);
    fitStrip();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::Risultati(const ResultRecord& record)
{
    for (const auto& [box, text] : resultTexts(record))
        findChild<QLineEdit*>(QString::fromStdString(box))->setText(QString::fromStdString(text));
}

void ResultsWindow::markCalculated(const CaseContents& solved)
{
    const std::pair<const char*, bool> calculated[] = {
        {"Text13", !solved.internalOutletGiven}, // internal outlet temperature
        {"Text15", solved.internalOutletGiven}, // internal mass flow
        {"Text14", !solved.externalOutletGiven},
        {"Text16", solved.externalOutletGiven},
        {"Text23", solved.lengthGiven}, // capacity
        {"Text25", !solved.lengthGiven}, // length
        // Velocities, pressure drops, Reynolds numbers, surface and U always come from the solution.
        {"Text17", true},
        {"Text18", true},
        {"Text19", true},
        {"Text20", true},
        {"Text28", true},
        {"Text6", true},
        {"Text24", true},
        {"Text26", true},
    };
    for (const auto& [name, isCalculated] : calculated) {
        auto* box = findChild<QLineEdit*>(name);
        QFont font = box->font();
        font.setItalic(isCalculated);
        box->setFont(font);
        box->setToolTip(isCalculated ? "Calculated" : "Given");
    }
}

bool ResultsWindow::isCalculated(const char* box) const { return findChild<QLineEdit*>(box)->font().italic(); }

void ResultsWindow::setStandardPipes(const QString& lines)
{
    m_pipes->setText(lines);
    m_pipes->setVisible(!lines.isEmpty());
    fitStrip();
}

void ResultsWindow::setBanner(const QString& text) { m_strip->setBanner(text); }

void ResultsWindow::showWarnings(const std::vector<Warning>& warnings, QAction* details)
{
    m_strip->showWarnings(warnings, details);
}

void ResultsWindow::fitStrip()
{
    // The specified sheet keeps its place and size; the window grows below it by the standard
    // pipes' lines and the strip.
    constexpr int kMargin = 8;
    int pipesHeight = 0;
    if (m_pipes->isVisibleTo(this)) {
        pipesHeight = m_pipes->sizeHint().height() + kMargin / 2;
        m_pipes->setGeometry(kMargin, m_sheet.height(), m_sheet.width() - 2 * kMargin, m_pipes->sizeHint().height());
    }
    m_strip->move(0, m_sheet.height() + pipesHeight);
    setFixedSize(m_sheet.width(), m_sheet.height() + pipesHeight + m_strip->height());
}

} // namespace vorlan
