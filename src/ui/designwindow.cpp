#include "ui/designwindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/numberformat.h"
#include "platform/messages.h"
#include "studies/designcost.h"
#include "ui/designarrangement.h"
#include "ui/designconstraintsform.h"
#include "ui/designplot.h"
#include "ui/designtablemodel.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

/** The target in one line: the duty, then each stream's fluid, mass flow and temperatures. */
QString targetLine(const DesignTarget& target)
{
    std::string line = "Target: " + withUnit(target.duty, Measure::Duty);
    for (std::size_t s = 0; s < 2; ++s) {
        line += "; " + target.fluid[s] + " " + withUnit(target.massFlow[s], Measure::MassFlow) + ", "
            + figure(target.inlet[s], Measure::Temperature) + " → " + withUnit(target.outlet[s], Measure::Temperature);
    }
    return fromStd(line + ".");
}

} // namespace

DesignWindow::DesignWindow(const std::string& dataFolder, const std::vector<StandardPipe>& catalogue,
    std::function<CaseContents()> currentCase, std::function<void(const CaseContents&)> useCase,
    MessageHandler showMessage, QWidget* parent)
    : QWidget(parent)
    , m_catalogue(catalogue)
    , m_currentCase(std::move(currentCase))
    , m_useCase(std::move(useCase))
    , m_showMessage(std::move(showMessage))
    , m_runner(dataFolder)
    , m_form(new DesignConstraintsForm(catalogue))
    , m_search(new QPushButton("&Search"))
    , m_cancel(new QPushButton("&Cancel"))
    , m_progress(new QProgressBar)
    , m_target(new QLabel("Search takes the duty, flows and temperatures of the main window's case as the target."))
    , m_model(new DesignTableModel(this))
    , m_table(new QTableView)
    , m_infeasible(new QCheckBox("Show &infeasible designs"))
    , m_summary(new QLabel)
    , m_costBasis(new QLabel)
    , m_plot(new DesignPlot)
    , m_arrangement(new DesignArrangementView)
    , m_use(new QPushButton("&Use this design"))
{
    setWindowTitle("Design");
    m_search->setObjectName("designSearch");
    m_cancel->setObjectName("designCancel");
    m_progress->setObjectName("designProgress");
    m_target->setObjectName("designTarget");
    m_table->setObjectName("designTable");
    m_infeasible->setObjectName("showInfeasible");
    m_summary->setObjectName("designSummary");
    m_costBasis->setObjectName("costBasis");
    m_plot->setObjectName("designPlot");
    m_arrangement->setObjectName("designArrangement");
    m_use->setObjectName("useDesign");

    m_progress->setTextVisible(true);
    m_progress->setFormat({}); // no count before the first search
    m_progress->setValue(0);
    m_target->setWordWrap(true);
    m_target->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnHidden(DesignTableModel::Cost, true);
    m_table->resizeColumnsToContents(); // the headings
    m_costBasis->setWordWrap(true);
    m_costBasis->hide();
    auto* plotNote = new QLabel("Non-dominated: no other feasible design has both less installed surface and a "
                                "smaller pressure-drop ratio.");
    plotNote->setWordWrap(true);

    auto* constraints = new QGroupBox("Constraints");
    (new QVBoxLayout(constraints))->addWidget(m_form);
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_search);
    commands->addWidget(m_cancel);
    commands->addWidget(m_progress, 1);
    auto* tableNotes = new QHBoxLayout;
    tableNotes->addWidget(m_infeasible);
    tableNotes->addWidget(m_summary, 1);
    auto* tablePanel = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePanel);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(m_table, 1);
    tableLayout->addLayout(tableNotes);
    tableLayout->addWidget(m_costBasis);
    auto* plotPanel = new QWidget;
    auto* plotLayout = new QVBoxLayout(plotPanel);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    plotLayout->addWidget(m_plot, 1);
    plotLayout->addWidget(plotNote);
    auto* results = new QSplitter(Qt::Horizontal);
    results->addWidget(tablePanel);
    results->addWidget(plotPanel);
    results->setStretchFactor(0, 3);
    results->setStretchFactor(1, 1);
    auto* arrangementPanel = new QWidget;
    auto* arrangementLayout = new QVBoxLayout(arrangementPanel);
    arrangementLayout->setContentsMargins(0, 0, 0, 0);
    arrangementLayout->addWidget(m_arrangement, 1);
    auto* use = new QHBoxLayout;
    use->addWidget(m_use);
    use->addStretch(1);
    arrangementLayout->addLayout(use);
    auto* panes = new QSplitter(Qt::Vertical);
    panes->addWidget(results);
    panes->addWidget(arrangementPanel);
    panes->setStretchFactor(0, 3);
    panes->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(constraints);
    layout->addLayout(commands);
    layout->addWidget(m_target);
    layout->addWidget(panes, 1);
    resize(1060, 900); // beside the main window on a screen 1600 pixels wide

    connect(m_search, &QPushButton::clicked, this, &DesignWindow::search);
    connect(m_cancel, &QPushButton::clicked, this, &DesignWindow::cancel);
    connect(m_use, &QPushButton::clicked, this, &DesignWindow::useSelected);
    connect(m_infeasible, &QCheckBox::toggled, this, [this](bool shown) {
        m_model->showInfeasible(shown);
        m_table->selectRow(0);
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DesignWindow::showSelected);
    connect(&m_runner, &DesignRunner::evaluated, m_progress, &QProgressBar::setValue);
    connect(&m_runner, &DesignRunner::stopped, this, [this] { showResults(m_cancelled); });
    showRunning(false);
    showSelected();
}

void DesignWindow::takeStreamsFromCase()
{
    const CaseContents contents = m_currentCase();
    m_form->nameStreams({contents.text(Quantity::InternalFluid), contents.text(Quantity::ExternalFluid)});
}

void DesignWindow::search()
{
    if (isRunning())
        return;
    DesignConstraints constraints;
    if (!m_form->read(constraints, m_showMessage))
        return;
    if (m_catalogue.empty()) {
        m_showMessage(QMessageBox::Warning, msg::Title,
            "There are no standard pipes to try: the catalogue of standard pipes (pipes.csv of the data folder) "
            "cannot be read.");
        return;
    }
    const std::string refusal = m_runner.start(m_currentCase(), m_catalogue, constraints);
    if (!refusal.empty()) { // the previous search's designs stay
        m_showMessage(QMessageBox::Warning, msg::Title, fromStd(refusal));
        return;
    }
    m_model->setDesigns(nullptr, nullptr, false); // the designs shown are gone
    const DesignTarget& target = *m_runner.target();
    m_form->nameStreams(target.fluid);
    m_target->setText(targetLine(target));
    m_cancelled = false;
    m_progress->setRange(0, std::max(m_runner.candidates(), 1));
    m_progress->setFormat(QString("%v of %1 candidates").arg(m_runner.candidates()));
    m_progress->setValue(0);
    m_summary->clear();
    m_plot->setPoints({}, false);
    showRunning(true);
    showSelected();
}

void DesignWindow::cancel()
{
    m_cancelled = true;
    m_runner.cancel();
}

void DesignWindow::showRunning(bool running)
{
    m_search->setEnabled(!running);
    m_cancel->setEnabled(running);
    m_form->setEnabled(!running);
    m_infeasible->setEnabled(!running);
}

void DesignWindow::showResults(bool cancelled)
{
    showRunning(false);
    const std::vector<Design>& designs = m_runner.designs();
    const bool withCost = m_runner.constraints().estimateCost;
    m_model->setDesigns(m_runner.target() ? &*m_runner.target() : nullptr, &designs, withCost);
    m_table->setColumnHidden(DesignTableModel::Cost, !withCost);
    m_costBasis->setText(fromStd(costBasis()));
    m_costBasis->setVisible(withCost);
    std::vector<DesignPoint> points;
    for (const Design& design : designs) {
        if (design.feasible() && design.network)
            points.push_back({design.dropRatio, design.network->surface, design.nonDominated});
    }
    m_summary->setText(QString("%1%2 of %3 candidates evaluated: %4 designs, %5 feasible.")
                           .arg(cancelled ? "Cancelled: " : "")
                           .arg(m_runner.evaluatedCandidates())
                           .arg(m_runner.candidates())
                           .arg(designs.size())
                           .arg(points.size()));
    m_plot->setPoints(std::move(points), true);
    m_table->resizeColumnsToContents();
    m_table->selectRow(0);
    showSelected();
}

const Design* DesignWindow::selected() const
{
    const QModelIndex current = m_table->selectionModel()->currentIndex();
    return current.isValid() ? m_model->design(current.row()) : nullptr;
}

void DesignWindow::showSelected()
{
    const Design* design = selected();
    m_arrangement->showDesign(m_runner.target() ? &*m_runner.target() : nullptr, design);
    const int row = m_table->selectionModel()->currentIndex().row();
    m_plot->select(design != nullptr && design->feasible() ? row : -1);
    m_use->setEnabled(design != nullptr && design->network && !isRunning()); // a case needs its installed length
}

void DesignWindow::useSelected()
{
    const Design* design = selected();
    if (design == nullptr || !m_runner.target())
        return;
    m_useCase(designCase(*m_runner.target(), *design));
    if (design->candidate.split)
        m_showMessage(QMessageBox::Information, msg::Title,
            QString("The main window holds the %1 hairpins all in series, as %2 m of pipe: a case has no parallel "
                    "banks. Its Calculate gives other pressure drops and outlet temperatures than this window's "
                    "design (%3).")
                .arg(design->hairpins)
                .arg(fromStd(figure(2.0 * design->hairpins * m_runner.constraints().legLength, Measure::Length)),
                    fromStd(arrangementName(design->candidate))));
}

void DesignWindow::closeEvent(QCloseEvent* event)
{
    cancel(); // no design is evaluated for a closed window; those evaluated are ranked and stay
    QWidget::closeEvent(event);
}

} // namespace vorlan
