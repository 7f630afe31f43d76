#pragma once

#include <optional>

#include "calc/casefile.h"
#include "calc/resultrecord.h"

class QPagedPaintDevice;

namespace vorlan {

/**
 * Prints the report of a case on one page of the device (a printer or a PDF writer): the inputs as
 * typed and, when there are any, the results shown.
 */
void printCaseReport(
    QPagedPaintDevice* device, const CaseContents& contents, const std::optional<ResultRecord>& results);

} // namespace vorlan
