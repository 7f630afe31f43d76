#include "ui/designrunner.h"

#include <QElapsedTimer>

#include "ui/userfluidfolder.h"

namespace vorlan {

namespace {

// Evaluation time per slice [ms] before the event loop gets its turn: a pair takes from under a
// millisecond to a few tens, so the Cancel button answers at once.
constexpr qint64 kSliceMilliseconds = 30;

} // namespace

DesignRunner::DesignRunner(std::string dataFolder, QObject* parent)
    : QObject(parent)
    , m_dataFolder(std::move(dataFolder))
{
    m_slices.setInterval(0); // the next slice as soon as the events that came meanwhile are handled
    connect(&m_slices, &QTimer::timeout, this, &DesignRunner::evaluateSlice);
}

std::string DesignRunner::start(
    const CaseContents& contents, const std::vector<StandardPipe>& catalogue, const DesignConstraints& constraints)
{
    // A new core for each search: it sees the fluid files as they are now, then reads each once.
    Exchanger exchanger(m_dataFolder, userFluidFolder());
    exchanger.holdFluidFiles();
    TargetOutcome outcome = designTarget(exchanger, contents);
    if (!outcome.target)
        return outcome.message;
    m_exchanger.emplace(std::move(exchanger));
    m_target = outcome.target;
    m_constraints = constraints;
    m_run.emplace(*m_exchanger, std::move(*outcome.target), designCandidates(catalogue, constraints), constraints);
    m_candidates = static_cast<int>(m_run->pairCount());
    m_evaluated = 0;
    m_designs.clear();
    m_slices.start();
    return {};
}

void DesignRunner::cancel()
{
    if (isRunning())
        finish();
}

void DesignRunner::evaluateSlice()
{
    QElapsedTimer slice;
    slice.start();
    while (!m_run->done() && slice.elapsed() < kSliceMilliseconds)
        m_run->evaluateNext();
    m_evaluated = static_cast<int>(m_run->pairsDone());
    emit evaluated(m_evaluated);
    if (m_run->done())
        finish();
}

void DesignRunner::finish()
{
    m_slices.stop();
    m_designs = m_run->designs();
    m_run.reset();
    m_exchanger.reset();
    rankDesigns(m_designs);
    emit stopped();
}

} // namespace vorlan
