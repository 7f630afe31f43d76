#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "analysis/caseanalysis.h"
#include "ui/standardpipes.h"

class QAction;
class QMenuBar;
class QTextBrowser;
class QWidget;

namespace vorlan {

class ProfilePlot;

/**
 * The "Details" and "Temperature profile" windows of the last solved case: the analysis made after
 * each successful Calculate, the menu entries that open the windows, and the same entries in the
 * results window's context menu. The windows are created on first use, have no owner, and close
 * with the main window.
 */
class AnalysisViews : public QObject {
    Q_OBJECT

public:
    /** mainWindow is watched for its close. */
    explicit AnalysisViews(QWidget* mainWindow);
    ~AnalysisViews() override;

    /** Adds the "Analysis" menu with both entries to the menu bar. */
    void addMenu(QMenuBar* menuBar);

    /**
     * After a successful Calculate: analyses its solution, refreshes the windows (the Details window
     * names the standard pipes of the case) and offers both entries on the results window's context
     * menu. Never throws.
     */
    void calculated(const Solution& solution, PipeNames pipes, QWidget* resultsWindow);

    /** The analysis of the last solved case, or null before the first. */
    const CaseAnalysis* latest() const;

    void showDetails();
    void showProfile();

    /** The windows, or null while they do not exist. */
    QTextBrowser* detailsWindow() const;
    ProfilePlot* profileWindow() const;
    QAction* detailsAction() const { return m_detailsAction; }
    QAction* profileAction() const { return m_profileAction; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    QWidget* m_mainWindow;
    std::optional<CaseAnalysis> m_latest;
    PipeNames m_pipes; ///< of the case of m_latest
    QAction* m_detailsAction;
    QAction* m_profileAction;
    QPointer<QTextBrowser> m_details;
    QPointer<ProfilePlot> m_profile;
};

} // namespace vorlan
