#pragma once

#include <QString>
#include <optional>

#include "calc/casefile.h"
#include "calc/resultrecord.h"
#include "ui/standardpipes.h"

class QPagedPaintDevice;

namespace vorlan {

struct CaseAnalysis;

/**
 * Prints the report of a case on the device (a printer or a PDF writer): the inputs as typed with
 * the standard pipes they match, and,
 * when there are any, the results shown on the first page, and the analysis of the solved case,
 * when there is one, on the second. Returns the height [px] the profile picture was printed at,
 * one of kProfilePictureHeights. A banner (the results' "Robust solution" line) is printed below the results.
 */
int printCaseReport(QPagedPaintDevice* device, const CaseContents& contents, const PipeNames& pipes,
    const std::optional<ResultRecord>& results, const CaseAnalysis* analysis = nullptr, const QString& banner = {});

} // namespace vorlan
