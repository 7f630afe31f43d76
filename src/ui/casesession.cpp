#include "ui/casesession.h"

namespace vorlan {

bool sameCase(const CaseContents& a, const CaseContents& b)
{
    return a.texts == b.texts && a.flowMode() == b.flowMode() && a.lengthGiven == b.lengthGiven
        && a.counterCurrent == b.counterCurrent;
}

void CaseSession::reset(const CaseContents& current)
{
    m_path.clear();
    m_saved = current;
    m_calculated.reset();
}

void CaseSession::opened(const QString& path, const CaseContents& contents)
{
    reset(contents);
    m_path = path;
}

void CaseSession::saved(const QString& path, const CaseContents& contents)
{
    m_path = path;
    m_saved = contents;
}

void CaseSession::calculated(std::optional<CaseContents> contents) { m_calculated = std::move(contents); }

bool CaseSession::modified(const CaseContents& current) const { return !sameCase(current, m_saved); }

bool CaseSession::isCalculated(const CaseContents& current) const
{
    return m_calculated && sameCase(current, *m_calculated);
}

} // namespace vorlan
