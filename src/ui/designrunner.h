#pragma once

#include <QObject>
#include <QTimer>
#include <optional>
#include <string>
#include <vector>

#include "calc/exchanger.h"
#include "studies/designrun.h"
#include "studies/designsearch.h"

namespace vorlan {

/**
 * Runs a design search of a case on the event loop, pair of pipes by pair, in slices of about
 * 30 ms, so that the windows stay responsive without a thread. Each search calculates on an
 * Exchanger of its own that reads each fluid file once. When the search ends, complete or
 * cancelled, the designs evaluated so far are ranked.
 */
class DesignRunner : public QObject {
    Q_OBJECT

public:
    /** dataFolder holds the fluid tables and condmat.dat, as for the main window's calculation. */
    explicit DesignRunner(std::string dataFolder, QObject* parent = nullptr);

    /**
     * Finds the case's target and starts on the pairs of the catalogue that the constraints allow.
     * Returns the message when the case has no target; the previous search's designs then stay.
     */
    std::string start(
        const CaseContents& contents, const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints);
    /** Stops after the pair being evaluated and ranks the designs evaluated. */
    void cancel();
    bool isRunning() const { return m_slices.isActive(); }

    /** The target of the last search started, none before the first. */
    const std::optional<DesignTarget>& target() const { return m_target; }
    const DesignConstraints& constraints() const { return m_constraints; }
    /** The candidate pairs of the last search, and how many of them were evaluated. */
    int candidates() const { return m_candidates; }
    int evaluatedCandidates() const { return m_evaluated; }
    /** The ranked designs of the last search that has stopped. */
    const std::vector<Design>& designs() const { return m_designs; }

signals:
    /** After each slice: how many candidate pairs have been evaluated. */
    void evaluated(int count);
    /** The search has ended, complete or cancelled, and its designs are ranked. */
    void stopped();

private:
    void evaluateSlice();
    void finish();

    std::string m_dataFolder;
    std::optional<Exchanger> m_exchanger; // the running search's
    std::optional<DesignRun> m_run; // while a search runs
    std::optional<DesignTarget> m_target;
    DesignConstraints m_constraints;
    int m_candidates = 0;
    int m_evaluated = 0;
    std::vector<Design> m_designs;
    QTimer m_slices;
};

} // namespace vorlan
