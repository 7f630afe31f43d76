#pragma once

#include <optional>

#include "calc/casefile.h"
#include "calc/resultrecord.h"

class QPagedPaintDevice;
class QString;

namespace vorlan {

/** The report of a case, as HTML: the inputs as typed and, when there are any, the results shown. */
QString caseReportHtml(const CaseContents& contents, const std::optional<ResultRecord>& results);

/** Prints the report on one page of the device (a printer or a PDF writer). */
void printCaseReport(
    QPagedPaintDevice* device, const CaseContents& contents, const std::optional<ResultRecord>& results);

} // namespace vorlan
