#include "ui/foulingdialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/numberformat.h"
#include "ui/keyfilter.h"
#include "ui/userfluidfolder.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

/** The wait cursor while the search runs, restored however it ends. */
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QLineEdit* numberBox(const char* name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->installEventFilter(new NumericKeyFilter(true, box));
    return box;
}

} // namespace

FoulingDialog::FoulingDialog(const std::string& dataFolder, std::function<CaseContents()> currentCase,
    MessageHandler showMessage, QWidget* parent)
    : QDialog(parent)
    , m_exchanger(dataFolder, userFluidFolder())
    , m_currentCase(std::move(currentCase))
    , m_showMessage(std::move(showMessage))
    , m_internalOutlet(numberBox("measuredInternalOutlet", "", this))
    , m_externalOutlet(numberBox("measuredExternalOutlet", "", this))
    , m_share(numberBox("internalShare", "0,5", this))
    , m_tolerance(numberBox("dutyTolerance", "5", this))
    , m_answer(new QLabel(this))
{
    setWindowTitle("Find fouling");
    auto* form = new QFormLayout;
    form->addRow("Measured internal outlet temp. [°C]:", m_internalOutlet);
    form->addRow("Measured external outlet temp. [°C]:", m_externalOutlet);
    form->addRow("Share of the fouling inside (0 to 1):", m_share);
    form->addRow("Largest difference of the two duties [%]:", m_tolerance);

    auto* intro = new QLabel("The case of the main window with its length and both mass flows, as "
                             "measured on the running exchanger; the fouling factors of Options are not used.",
        this);
    intro->setWordWrap(true);
    m_answer->setObjectName("foulingAnswer");
    m_answer->setWordWrap(true);
    m_answer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_answer->setMinimumHeight(5 * fontMetrics().lineSpacing());
    m_answer->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* findButton = buttons->addButton("Find", QDialogButtonBox::ActionRole);
    findButton->setObjectName("findButton");
    findButton->setDefault(true);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName("closeButton");
    connect(findButton, &QPushButton::clicked, this, &FoulingDialog::find);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_answer);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

void FoulingDialog::takeOutletsFromCase()
{
    const CaseContents contents = m_currentCase();
    m_internalOutlet->setText(fromStd(contents.text(Quantity::InternalOutletTemperature)));
    m_externalOutlet->setText(fromStd(contents.text(Quantity::ExternalOutletTemperature)));
}

void FoulingDialog::find()
{
    double internalOutlet = 0, externalOutlet = 0;
    FoulingSearch search;
    if (!readNumberBox(m_internalOutlet, "The measured internal outlet", m_showMessage, internalOutlet)
        || !readNumberBox(m_externalOutlet, "The measured external outlet", m_showMessage, externalOutlet)
        || !readNumberBox(m_share, "The share inside", m_showMessage, search.internalShare)
        || !readNumberBox(m_tolerance, "The largest difference", m_showMessage, search.tolerance))
        return;
    CaseContents contents = m_currentCase();
    contents.setText(
        Quantity::InternalOutletTemperature, m_internalOutlet->text().trimmed().replace('.', ',').toStdString());
    contents.setText(
        Quantity::ExternalOutletTemperature, m_externalOutlet->text().trimmed().replace('.', ',').toStdString());
    {
        const WaitCursor wait;
        m_result = findFouling(m_exchanger, contents, search);
    }
    showAnswer(*m_result);
}

void FoulingDialog::showAnswer(const FoulingResult& result)
{
    if (!result.found) {
        m_answer->setText(fromStd(result.message));
        return;
    }
    const FoulingFound& f = *result.found;
    m_answer->setText(fromStd("Fouling found: " + withUnit(f.total, Measure::Fouling) + ", "
        + figure(f.internal, Measure::Fouling) + " inside and " + figure(f.external, Measure::Fouling)
        + " outside.\nU: " + withUnit(f.matchedU, Measure::Coefficient) + " with it, "
        + withUnit(f.cleanU, Measure::Coefficient) + " clean.\nMeasured duty: "
        + withUnit(f.measuredDuty, Measure::Duty) + " (internal side " + figure(f.internalDuty, Measure::Duty)
        + ", external side " + figure(f.externalDuty, Measure::Duty) + ");\ncalculated: "
        + withUnit(f.calculatedDuty, Measure::Duty) + ", after " + std::to_string(f.calculations) + " calculations."));
}

} // namespace vorlan
