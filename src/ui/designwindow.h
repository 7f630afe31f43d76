#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "calc/casecontents.h"
#include "properties/pipecatalogue.h"
#include "ui/designrunner.h"
#include "ui/messagehandler.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace vorlan {

class DesignArrangementView;
class DesignConstraintsForm;
class DesignPlot;
class DesignTableModel;

/**
 * The "Design" window: a search over pairs of standard pipes and hairpin arrangements for the main
 * window's duty at its flows and temperatures, within the constraints typed. The designs are
 * evaluated in slices on the window's own core, ranked (feasible ones by installed surface, then
 * by pressure-drop ratio) and shown in a table, a plot of surface against pressure-drop ratio and
 * the selected design's arrangement; "Use this design" puts the selected one into the main window.
 */
class DesignWindow : public QWidget {
    Q_OBJECT

public:
    /**
     * dataFolder holds the fluid tables and condmat.dat; catalogue is the catalogue of standard
     * pipes (empty when it cannot be read); currentCase gives the main window's case and useCase
     * puts a case into it; messages go to showMessage.
     */
    DesignWindow(const std::string& dataFolder, const std::vector<StandardPipe>& catalogue,
        std::function<CaseContents()> currentCase, std::function<void(const CaseContents&)> useCase,
        MessageHandler showMessage, QWidget* parent = nullptr);

    /** Names the streams of the constraints after the fluids of the main window's case. */
    void takeStreamsFromCase();
    /** Reads the constraints and the case's target and starts; a refusal is shown as a message. */
    void search();
    /** Stops after the design being evaluated; those evaluated are ranked and shown. */
    void cancel();
    /** Puts the selected design into the main window. */
    void useSelected();

    bool isRunning() const { return m_runner.isRunning(); }
    /** The designs of the last search, ranked once it has stopped. */
    const std::vector<Design>& designs() const { return m_runner.designs(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showRunning(bool running);
    void showResults(bool cancelled);
    void showSelected();
    const Design* selected() const;

    const std::vector<StandardPipe>& m_catalogue;
    std::function<CaseContents()> m_currentCase;
    std::function<void(const CaseContents&)> m_useCase;
    MessageHandler m_showMessage;
    DesignRunner m_runner;
    DesignConstraintsForm* m_form;
    QPushButton* m_search;
    QPushButton* m_cancel;
    QProgressBar* m_progress;
    QLabel* m_target;
    DesignTableModel* m_model;
    QTableView* m_table;
    QCheckBox* m_infeasible;
    QLabel* m_summary;
    QLabel* m_costBasis;
    DesignPlot* m_plot;
    DesignArrangementView* m_arrangement;
    QPushButton* m_use;
    bool m_cancelled = false; // the running search was cancelled
};

} // namespace vorlan
