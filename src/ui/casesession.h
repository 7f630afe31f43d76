#pragma once

#include <QString>
#include <optional>

#include "calc/casefile.h"

namespace vorlan {

/** True when two cases hold the same texts and the same choices. */
bool sameCase(const CaseContents& a, const CaseContents& b);

/**
 * What the main window knows about its case beyond the boxes: the file it was opened from or
 * saved to, the case as last saved (to tell unsaved changes) and the case as last calculated
 * (results belong only beside the inputs they were computed from).
 */
class CaseSession {
public:
    /** Start-up and New: no file, nothing calculated, current counts as saved. */
    void reset(const CaseContents& current);
    /** The case now matches the file at path. */
    void opened(const QString& path, const CaseContents& contents);
    void saved(const QString& path, const CaseContents& contents);
    /** After a calculation: the case it solved (with the values written back), or none after a failure. */
    void calculated(std::optional<CaseContents> contents);

    /** The case's file; empty for a case never saved. */
    const QString& path() const { return m_path; }
    bool modified(const CaseContents& current) const;
    /** True when current is exactly the case of the last successful calculation. */
    bool isCalculated(const CaseContents& current) const;

private:
    QString m_path;
    CaseContents m_saved;
    std::optional<CaseContents> m_calculated;
};

} // namespace vorlan
