#include "ui/resultswindow.h"

#include <QLineEdit>

#include "ui/formfont.h"
#include "ui/resultdisplay.h"
#include "ui_form3.h"

namespace vorlan {

ResultsWindow::ResultsWindow(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::Form3>())
{
    m_ui->setupUi(this);
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
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::Risultati(const ResultRecord& record)
{
    for (const auto& [box, text] : resultTexts(record))
        findChild<QLineEdit*>(QString::fromStdString(box))->setText(QString::fromStdString(text));
}

} // namespace vorlan
