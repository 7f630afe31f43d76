#pragma once

#include <QString>

#include "analysis/caseanalysis.h"
#include "ui/standardpipes.h"

namespace vorlan {

struct DetailSection;

/**
 * The details tables and the warnings as HTML, after the standard pipes of the case when it has
 * any; a note that nothing was calculated yet for none.
 */
QString analysisHtml(const CaseAnalysis* analysis, const PipeNames& pipes = {});

/** One details table with its title (unless left out), or its title and why it is not available. */
QString sectionHtml(const DetailSection& section, bool titled = true);

/** The warnings as a titled list. */
QString warningsHtml(const CaseAnalysis& analysis);

} // namespace vorlan
