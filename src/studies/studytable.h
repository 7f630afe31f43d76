#pragma once

#include <string>
#include <vector>

#include "analysis/numberformat.h"
#include "calc/resultrecord.h"
#include "studies/sweep.h"

namespace vorlan {

/** A result column of a study's table: what it shows, in words and as a quantity, and its value in a record. */
struct StudyColumn {
    std::string words;
    Measure measure;
    double (*value)(const ResultRecord& record);

    /** The words with the unit: "Duty [kW]". */
    std::string heading() const;
};

/** Duty, both outlet temperatures, both flows, both pressure drops, U and length, in that order. */
const std::vector<StudyColumn>& studyColumns();

/** The warnings of a point's solved case: how many (-1 for a failed point) and whether one is physically impossible. */
struct PointWarnings {
    int count = -1;
    bool impossible = false;
};

/** A study's point with what the table shows beside it: the warnings of its solved case. */
struct StudyRow {
    SweepPoint point;
    PointWarnings warnings;
};

/**
 * The warnings of a point's solved case; none when the analysis cannot be made, a count of -1 for
 * a point that failed.
 */
PointWarnings pointWarnings(const SweepPoint& point);

/** The warnings' cell: "2", "3, physically impossible", empty for a failed point. */
std::string warningsCell(const PointWarnings& warnings);

/**
 * The table as CSV, UTF-8 with a byte-order mark: a heading line in words with units, then one line per point with the
 * swept text, every column (decimal comma, 7 significant digits), the warnings and the message of a failed point; ';'
 * separates the cells, as spreadsheets with a decimal comma expect.
 */
std::string studyCsv(Quantity swept, const std::vector<StudyRow>& rows);

} // namespace vorlan
