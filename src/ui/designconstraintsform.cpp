#include "ui/designconstraintsform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

#include "analysis/numberformat.h"
#include "platform/messages.h"
#include "studies/hairpinnetwork.h"
#include "ui/keyfilter.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

constexpr double kFoot = 0.3048; // [m]
const QStringList kLegsInFeet = {"12", "15", "20"};
const QStringList kLegsInMetres = {"3,658", "4,572", "6,096"}; // the same legs
constexpr long kMostBanks = 8;

// The streams as the case holds them, for the labels before their fluids are known.
const char* const kStreamSides[] = {"inner pipe", "annulus"};

QLineEdit* numberBox(const QString& text, const char* name)
{
    auto* box = new QLineEdit(text);
    box->setObjectName(name);
    box->installEventFilter(new NumericKeyFilter(false, box));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance("0000000000"));
    return box;
}

QLabel* labelFor(const QString& text, QWidget* control)
{
    auto* label = new QLabel(text);
    label->setBuddy(control);
    return label;
}

/** The words of a label without its unit and colon: "Allowed pressure drop, Benzene (inner pipe in the case)". */
QString nameOf(const QLabel* label) { return label->text().section(" [", 0, 0).remove('&'); }

/** A number of a box that must be above zero (or at least zero); otherwise a message naming it. */
bool readPositive(
    const QLineEdit* box, const QString& name, bool zeroAllowed, const MessageHandler& showMessage, double& value)
{
    if (!readNumberBox(box, name, showMessage, value))
        return false;
    if (value > 0 || (zeroAllowed && value == 0))
        return true;
    showMessage(QMessageBox::Warning, msg::Title,
        name + (zeroAllowed ? " must not be below zero: \"" : " must be above zero: \"") + box->text() + "\"");
    return false;
}

} // namespace

DesignConstraintsForm::DesignConstraintsForm(const std::vector<StandardPipe>& catalogue, QWidget* parent)
    : QWidget(parent)
    , m_drops {numberBox("68,95", "allowedDropInnerStream"), numberBox("68,95", "allowedDropAnnulusStream")}
    , m_leg(new QComboBox)
    , m_legUnit(new QComboBox)
    , m_velocities {numberBox("0,5", "liquidPipeLow"), numberBox("3", "liquidPipeHigh"),
          numberBox("0,3", "liquidAnnulusLow"), numberBox("2", "liquidAnnulusHigh"), numberBox("5", "gasLow"),
          numberBox("30", "gasHigh")}
    , m_banks(new QSpinBox)
    , m_hairpins(new QSpinBox)
    , m_cost(new QCheckBox("&Estimate purchase cost"))
{
    for (int s = 0; s < 2; ++s)
        m_dropLabels[s] = labelFor({}, m_drops[s]);
    nameStreams({});
    m_leg->setObjectName("legLength");
    m_leg->setEditable(true);
    m_leg->setInsertPolicy(QComboBox::NoInsert);
    m_leg->addItems(kLegsInFeet);
    m_leg->setCurrentText("20");
    m_leg->lineEdit()->installEventFilter(new NumericKeyFilter(false, m_leg->lineEdit()));
    m_legUnit->setObjectName("legUnit");
    m_legUnit->addItems({"ft", "m"});
    m_banks->setObjectName("mostBanks");
    m_banks->setRange(1, kMostBanks);
    m_banks->setValue(4);
    m_hairpins->setObjectName("mostHairpins");
    m_hairpins->setRange(1, kMaxHairpins);
    m_hairpins->setValue(50);
    m_cost->setObjectName("estimateCost");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int s = 0; s < 2; ++s) {
        grid->addWidget(m_dropLabels[s], s, 0);
        grid->addWidget(m_drops[s], s, 1);
    }
    auto* leg = new QHBoxLayout;
    leg->addWidget(m_leg);
    leg->addWidget(m_legUnit);
    leg->addWidget(new QLabel("(12, 15 and 20 ft are usual)"));
    leg->addStretch(1);
    grid->addWidget(labelFor("&Leg length (a hairpin has two legs):", m_leg), 2, 0);
    grid->addLayout(leg, 2, 1, 1, 3);
    const QString velocityLabels[] = {"Velocity of a liquid in the &pipe [m/s]:",
        "Velocity of a liquid in the &annulus [m/s]:", "Velocity of a &gas [m/s]:"};
    for (int v = 0; v < 3; ++v) {
        grid->addWidget(labelFor(velocityLabels[v], m_velocities[2 * v]), v, 4);
        grid->addWidget(m_velocities[2 * v], v, 5);
        grid->addWidget(new QLabel("to"), v, 6);
        grid->addWidget(m_velocities[2 * v + 1], v, 7);
    }
    auto* standards = new QHBoxLayout;
    for (const StandardPipe& pipe : catalogue) {
        const QString name = fromStd(pipe.standard);
        if (std::any_of(m_standards.begin(), m_standards.end(), [&](QCheckBox* box) { return box->text() == name; }))
            continue;
        auto* box = new QCheckBox(name);
        box->setObjectName("pipeStandard");
        box->setChecked(true);
        m_standards.push_back(box);
        standards->addWidget(box);
    }
    standards->addStretch(1);
    grid->addWidget(new QLabel("Pipe standards to try:"), 3, 0);
    grid->addLayout(standards, 3, 1, 1, 7);
    auto* counts = new QHBoxLayout;
    counts->addWidget(labelFor("Most parallel &banks:", m_banks));
    counts->addWidget(m_banks);
    counts->addSpacing(20);
    counts->addWidget(labelFor("Most &hairpins:", m_hairpins));
    counts->addWidget(m_hairpins);
    counts->addSpacing(20);
    counts->addWidget(m_cost);
    counts->addStretch(1);
    grid->addLayout(counts, 4, 0, 1, 8);
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(8, 1);

    connect(m_legUnit, &QComboBox::currentIndexChanged, this, &DesignConstraintsForm::changeLegUnit);
}

void DesignConstraintsForm::nameStreams(const std::array<std::string, 2>& fluids)
{
    for (int s = 0; s < 2; ++s) {
        const QString stream = fluids[s].empty()
            ? QString("stream of the %1").arg(kStreamSides[s])
            : QString("%1 (%2 in the case)").arg(fromStd(fluids[s]), kStreamSides[s]);
        m_dropLabels[s]->setText("Allowed pressure drop, " + stream + " [kPa]:");
    }
}

void DesignConstraintsForm::changeLegUnit()
{
    const bool feet = m_legUnit->currentIndex() == 0;
    if (feet == m_legInFeet)
        return;
    m_legInFeet = feet;
    const QString typed = m_leg->currentText();
    double leg = 0;
    const bool converted = readDecimal(typed, leg);
    m_leg->clear();
    m_leg->addItems(feet ? kLegsInFeet : kLegsInMetres);
    m_leg->setCurrentText(converted ? fromStd(figure(feet ? leg / kFoot : leg * kFoot, 4)) : typed);
}

bool DesignConstraintsForm::read(DesignConstraints& constraints, const MessageHandler& showMessage) const
{
    for (int s = 0; s < 2; ++s) {
        if (!readPositive(m_drops[s], nameOf(m_dropLabels[s]), false, showMessage, constraints.allowedPressureDrop[s]))
            return false;
    }
    double leg = 0;
    if (!readPositive(m_leg->lineEdit(), "The leg length", false, showMessage, leg))
        return false;
    constraints.legLength = m_legInFeet ? leg * kFoot : leg;
    VelocityRange* ranges[] = {&constraints.liquidInPipe, &constraints.liquidInAnnulus, &constraints.gas};
    const QString ofWhat[] = {"of a liquid in the pipe", "of a liquid in the annulus", "of a gas"};
    for (int v = 0; v < 3; ++v) {
        VelocityRange& range = *ranges[v];
        if (!readPositive(m_velocities[2 * v], "The lowest velocity " + ofWhat[v], true, showMessage, range.low)
            || !readPositive(
                m_velocities[2 * v + 1], "The highest velocity " + ofWhat[v], false, showMessage, range.high))
            return false;
        if (range.high <= range.low) {
            showMessage(QMessageBox::Warning, msg::Title,
                "The velocity range " + ofWhat[v] + " must run from a lower to a higher velocity: "
                    + m_velocities[2 * v]->text() + " to " + m_velocities[2 * v + 1]->text() + " m/s");
            return false;
        }
    }
    constraints.standards.clear();
    for (const QCheckBox* box : m_standards) {
        if (box->isChecked())
            constraints.standards.push_back(box->text().toStdString());
    }
    if (constraints.standards.empty()) {
        showMessage(QMessageBox::Warning, msg::Title, "Tick at least one pipe standard to try.");
        return false;
    }
    m_banks->interpretText(); // a number still being typed counts
    m_hairpins->interpretText();
    constraints.maxBanks = m_banks->value();
    constraints.maxHairpins = m_hairpins->value();
    constraints.estimateCost = m_cost->isChecked();
    return true;
}

} // namespace vorlan
