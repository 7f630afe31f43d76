#pragma once

class QTextDocument;

namespace vorlan {

struct CaseAnalysis;

/**
 * Appends the analysis of the case to a report, on a page of its own: the details tables, the
 * warnings and the picture of the temperature profile. Nothing for no analysis.
 */
void appendAnalysisReport(QTextDocument& document, const CaseAnalysis* analysis);

} // namespace vorlan
