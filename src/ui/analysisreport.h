#pragma once

class QTextDocument;

namespace vorlan {

struct CaseAnalysis;

/** Heights of the profile picture in the report [px of the page], tallest first. */
inline constexpr int kProfilePictureHeights[] = {260, 200, 150, 110};

/**
 * Appends the analysis of the case to a report, on a page of its own: the details tables, the
 * warnings and the picture of the temperature profile, pictureHeight high (600 wide). Nothing for
 * no analysis.
 */
void appendAnalysisReport(QTextDocument& document, const CaseAnalysis* analysis, int pictureHeight);

} // namespace vorlan
