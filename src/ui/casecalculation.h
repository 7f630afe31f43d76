#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <string>

#include "calc/exchanger.h"
#include "properties/pipecatalogue.h"
#include "ui/messagehandler.h"

class QPagedPaintDevice;

namespace vorlan {

class AnalysisViews;
class CaseEditor;
class CaseSession;
class DesignWindow;
class FoulingDialog;
class HairpinDialog;
class ResultsWindow;
class StudyWindow;

/**
 * Calculate and the windows of its results: the wait cursor, the message of a refused case with
 * its robust solution, the results window with its given and calculated marks, the analysis views,
 * the report, and the Studies menu's windows, which calculate on cores of their own.
 */
class CaseCalculation : public QObject {
    Q_OBJECT

public:
    /** core solves the case of editor; analysis shows its analysis; pipes names the standard pipes the case matches. */
    CaseCalculation(Exchanger& core, CaseEditor& editor, CaseSession& session, AnalysisViews* analysis,
        const std::vector<StandardPipe>& pipes, std::string dataFolder, MessageHandler showMessage);
    ~CaseCalculation() override;

    /** The secondary windows, or null while they do not exist. */
    ResultsWindow* resultsWindow() const;
    StudyWindow* studyWindow() const;
    HairpinDialog* hairpinDialog() const;
    FoulingDialog* foulingDialog() const;
    DesignWindow* designWindow() const;
    AnalysisViews* analysisViews() const { return m_analysis; }

    void calculate();
    void calculateWithWaitCursor();
    /**
     * The report of the case, with the results and their analysis only when they were computed from
     * exactly the inputs the window holds now. Returns the height [px] its profile picture was printed at.
     */
    int printReport(QPagedPaintDevice* device) const;

    /** The Study window, on the case as it is when Run is pressed. */
    void showStudy();
    /** The last solved case laid out in hairpins of a leg length to type. */
    void showHairpins();
    /** The fouling of a running exchanger: the main window's case with the measured outlets. */
    void showFindFouling();
    /** The Design window, on the case as it is when Search is pressed; Use this design writes into the boxes. */
    void showDesign();

private:
    void afterCalculation(const CalcOutcome& outcome);
    /** The message of a refused case, with its robust solution below the reason and the button to show it. */
    void refused(const CalcOutcome& outcome);
    /** Writes the robust answer into the boxes and shows it as the solved case, under a banner. */
    void showRobust(const RobustAnswer& answer, const std::string& refusal);
    /** The results window and the analysis of a solved record, under the banner (none when empty). */
    void showSolved(const Solution& solution, const QString& banner);

    Exchanger& m_core;
    CaseEditor& m_editor;
    CaseSession& m_session;
    const std::vector<StandardPipe>& m_pipes;
    std::string m_dataFolder;
    MessageHandler m_showMessage;
    std::optional<ResultRecord> m_lastResults;
    QString m_lastBanner; ///< the results window's banner for m_lastResults ("Robust solution ..."), empty for none
    QPointer<ResultsWindow> m_results;
    QPointer<StudyWindow> m_study;
    QPointer<HairpinDialog> m_hairpins;
    QPointer<FoulingDialog> m_fouling;
    QPointer<DesignWindow> m_design;
    bool m_waitCursor = false; // set while Calculate runs under the wait cursor
    AnalysisViews* m_analysis; // a child of the main window
};

} // namespace vorlan
