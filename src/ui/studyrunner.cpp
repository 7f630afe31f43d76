#include "ui/studyrunner.h"

#include <QElapsedTimer>

#include "ui/userfluidfolder.h"

namespace vorlan {

namespace {

// Calculation time per slice [ms] before the event loop gets its turn: short enough for a
// responsive window and Cancel button, long enough that redrawing the table costs little.
constexpr qint64 kSliceMilliseconds = 30;

} // namespace

StudyRunner::StudyRunner(const std::string& dataFolder, QObject* parent)
    : QObject(parent)
    , m_exchanger(dataFolder, userFluidFolder())
{
    m_slices.setInterval(0); // the next slice as soon as the events that came meanwhile are handled
    connect(&m_slices, &QTimer::timeout, this, &StudyRunner::calculateSlice);
}

void StudyRunner::start(const CaseContents& contents, const SweepRange& range)
{
    m_case = contents;
    m_range = range;
    m_texts = sweepTexts(range);
    m_rows.clear();
    m_rows.reserve(m_texts.size());
    m_slices.start();
}

void StudyRunner::cancel()
{
    if (!isRunning())
        return;
    m_slices.stop();
    emit stopped();
}

void StudyRunner::calculateSlice()
{
    QElapsedTimer slice;
    slice.start();
    const int first = static_cast<int>(m_rows.size());
    while (m_rows.size() < m_texts.size() && slice.elapsed() < kSliceMilliseconds) {
        StudyRow row;
        row.point = calculatePoint(m_exchanger, m_case, m_range.quantity, m_texts[m_rows.size()]);
        row.warnings = pointWarnings(row.point);
        m_rows.push_back(std::move(row));
    }
    emit rowsAdded(first);
    if (m_rows.size() == m_texts.size()) {
        m_slices.stop();
        emit stopped();
    }
}

} // namespace vorlan
