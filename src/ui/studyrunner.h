#pragma once

#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

#include "calc/exchanger.h"
#include "studies/studytable.h"
#include "studies/sweep.h"

namespace vorlan {

/**
 * Calculates the points of a sweep on the event loop, in slices of about 30 ms, so that the windows
 * stay responsive without a thread. Each point is a Calculate of the case on the runner's own
 * Exchanger, with the warnings of its solved case. A run stops after the point being calculated
 * when cancelled; the rows already calculated stay.
 */
class StudyRunner : public QObject {
    Q_OBJECT

public:
    /** dataFolder holds the fluid tables and condmat.dat, as for the main window's calculation. */
    explicit StudyRunner(const std::string& dataFolder, QObject* parent = nullptr);

    /** Drops the previous rows and starts on the range, which sweepProblem has accepted for the case. */
    void start(const CaseContents& contents, const SweepRange& range);
    void cancel();
    bool isRunning() const { return m_slices.isActive(); }

    /** The range of the last run started, and its rows, first to last. */
    const SweepRange& range() const { return m_range; }
    const std::vector<StudyRow>& rows() const { return m_rows; }

signals:
    /** After each slice: the rows from first on are new. */
    void rowsAdded(int first);
    /** The run has ended, complete or cancelled. */
    void stopped();

private:
    void calculateSlice();

    Exchanger m_exchanger;
    CaseContents m_case;
    SweepRange m_range;
    std::vector<std::string> m_texts;
    std::vector<StudyRow> m_rows;
    QTimer m_slices;
};

} // namespace vorlan
