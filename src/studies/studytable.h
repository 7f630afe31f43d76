#pragma once

#include <string>
#include <vector>

#include "calc/resultrecord.h"
#include "studies/sweep.h"

namespace vorlan {

/** A result column of a study's table: its heading with the unit, and its value in a record. */
struct StudyColumn {
    std::string heading;
    double (*value)(const ResultRecord& record);
};

/** Duty, both outlet temperatures, both flows, both pressure drops, U and length, in that order. */
const std::vector<StudyColumn>& studyColumns();

/** A study's point with what the table shows beside it: the warnings of the solved case, -1 for a failed one. */
struct StudyRow {
    SweepPoint point;
    int warnings = -1;
};

/**
 * The number of warnings of a point's solved case, analysed on the exchanger that has just
 * calculated it; 0 when the analysis cannot be made, -1 for a point that failed.
 */
int pointWarnings(const SweepPoint& point, const Exchanger& solver);

/**
 * The table as CSV: a heading line, then one line per point with the swept text, every column
 * (decimal comma, 7 significant digits), the warnings and the message of a failed point; ';'
 * separates the cells, as spreadsheets with a decimal comma expect.
 */
std::string studyCsv(Box swept, const std::vector<StudyRow>& rows);

} // namespace vorlan
