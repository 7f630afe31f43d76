#include "ui/casecalculation.h"

#include <QApplication>

#include "platform/messages.h"
#include "ui/analysisviews.h"
#include "ui/caseeditor.h"
#include "ui/casereport.h"
#include "ui/casesession.h"
#include "ui/designwindow.h"
#include "ui/foulingdialog.h"
#include "ui/hairpindialog.h"
#include "ui/resultswindow.h"
#include "ui/standardpipes.h"
#include "ui/studywindow.h"
#include "ui/windowpositions.h"
#include "ui/windowtext.h"

namespace vorlan {

namespace {

/** Shows a secondary window in front: beside the main window when just created, else where it was. */
void bringUp(QWidget* window, bool created)
{
    if (created)
        window->move(kSecondaryWindowPosition);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

CaseCalculation::CaseCalculation(Exchanger& core, CaseEditor& editor, CaseSession& session, AnalysisViews* analysis,
    const std::vector<StandardPipe>& pipes, std::string dataFolder, MessageHandler showMessage)
    : m_core(core)
    , m_editor(editor)
    , m_session(session)
    , m_pipes(pipes)
    , m_dataFolder(std::move(dataFolder))
    , m_showMessage(std::move(showMessage))
    , m_analysis(analysis)
{ }

CaseCalculation::~CaseCalculation()
{
    // The secondary windows have no owner: they go with the main window.
    delete m_results;
    delete m_study;
    delete m_hairpins;
    delete m_fouling;
    delete m_design;
}

ResultsWindow* CaseCalculation::resultsWindow() const { return m_results; }
StudyWindow* CaseCalculation::studyWindow() const { return m_study; }
HairpinDialog* CaseCalculation::hairpinDialog() const { return m_hairpins; }
FoulingDialog* CaseCalculation::foulingDialog() const { return m_fouling; }
DesignWindow* CaseCalculation::designWindow() const { return m_design; }

void CaseCalculation::calculateWithWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_waitCursor = true;
    calculate();
    if (m_waitCursor) { // a calculation that ended without reaching afterCalculation
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
}

void CaseCalculation::calculate()
{
    const CalcOutcome outcome = m_core.calculate(m_editor.contents());
    m_editor.applyWriteBacks(outcome.writeBacks);
    afterCalculation(outcome); // creates the results window when there are results for it
    if (!outcome.solution) {
        refused(outcome);
        return;
    }
    showSolved(*outcome.solution, outcome.robust ? fromStd(severalAnswers(outcome.robust->solution)) : QString());
}

void CaseCalculation::afterCalculation(const CalcOutcome& outcome)
{
    if (m_waitCursor) { // before any message box, which wants the normal cursor
        QApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
    if (!outcome.solution) {
        m_session.calculated(std::nullopt);
        m_editor.refreshMarks();
        return;
    }
    const CaseContents solved = m_editor.contents(); // with the values written back
    m_session.calculated(solved);
    if (!m_results) {
        m_results = new ResultsWindow();
        m_results->move(kSecondaryWindowPosition);
    }
    m_results->markCalculated(solved);
    m_editor.refreshMarks();
}

void CaseCalculation::refused(const CalcOutcome& outcome)
{
    QString reason = fromStd(outcome.detail);
    if (outcome.robust)
        reason += QStringLiteral("\n\n") + fromStd(robustSummary(*outcome.robust));
    Message box {QMessageBox::Warning, msg::Title, fromStd(outcome.message), reason, nullptr};
    if (outcome.robust && outcome.robust->solved) {
        box.actionText = msg::ShowRobust;
        box.action = [this, answer = *outcome.robust, refusal = outcome.message] { showRobust(answer, refusal); };
    }
    m_showMessage(box);
}

void CaseCalculation::showRobust(const RobustAnswer& answer, const std::string& refusal)
{
    m_editor.applyWriteBacks(answer.writeBacks);
    CalcOutcome solved;
    solved.writeBacks = answer.writeBacks;
    solved.solution = answer.solved;
    afterCalculation(solved);
    const QString banner = fromStd(robustBanner(answer, refusal));
    showSolved(*answer.solved, banner);
}

void CaseCalculation::showSolved(const Solution& solution, const QString& banner)
{
    m_lastResults = solution.record;
    m_lastBanner = banner;
    const PipeNames pipes = standardPipeNames(m_pipes, m_editor.contents());
    m_results->Risultati(solution.record);
    m_results->setStandardPipes(standardPipeLines(pipes));
    m_results->show();
    m_results->raise();
    m_analysis->calculated(solution, pipes, m_results);
    m_results->setBanner(banner);
    if (const CaseAnalysis* analysis = m_analysis->latest()) // none when the analysis ran out of memory
        m_results->showWarnings(analysis->warnings, m_analysis->detailsAction());
}

int CaseCalculation::printReport(QPagedPaintDevice* device) const
{
    const CaseContents current = m_editor.contents();
    const PipeNames pipes = standardPipeNames(m_pipes, current);
    if (m_session.isCalculated(current))
        return printCaseReport(device, current, pipes, m_lastResults, m_analysis->latest(), m_lastBanner);
    return printCaseReport(device, current, pipes, std::nullopt);
}

// Each window of the Studies menu calculates on a core of its own, never on m_core, and centres
// its messages on itself.

void CaseCalculation::showStudy()
{
    const bool created = !m_study;
    if (created)
        m_study = new StudyWindow(
            m_dataFolder, [this] { return m_editor.contents(); },
            messagesOver(m_showMessage, [this] { return m_study.data(); }));
    bringUp(m_study, created);
}

void CaseCalculation::showHairpins()
{
    const bool created = !m_hairpins;
    if (created)
        m_hairpins = new HairpinDialog(
            [this] { return m_analysis->latest(); }, messagesOver(m_showMessage, [this] { return m_hairpins.data(); }));
    m_hairpins->layOut();
    bringUp(m_hairpins, created);
}

void CaseCalculation::showFindFouling()
{
    const bool created = !m_fouling;
    if (created)
        m_fouling = new FoulingDialog(
            m_dataFolder, [this] { return m_editor.contents(); },
            messagesOver(m_showMessage, [this] { return m_fouling.data(); }));
    if (created)
        m_fouling->takeOutletsFromCase(); // later, the measurements typed stay
    bringUp(m_fouling, created);
}

void CaseCalculation::showDesign()
{
    const bool created = !m_design;
    if (created)
        m_design = new DesignWindow(
            m_dataFolder, m_pipes, [this] { return m_editor.contents(); },
            [this](const CaseContents& design) {
                m_editor.restore(design); // an edited case: the session still holds the one last saved
                m_editor.refreshMarks();
            },
            messagesOver(m_showMessage, [this] { return m_design.data(); }));
    if (!m_design->isRunning())
        m_design->takeStreamsFromCase();
    bringUp(m_design, created);
}

} // namespace vorlan
