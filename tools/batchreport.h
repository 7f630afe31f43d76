#pragma once

#include <string>
#include <utility>
#include <vector>

#include "calc/exchanger.h"

namespace vorlan {

/** Further keys of a JSON line, as (key, JSON text), in their order. */
using JsonKeys = std::vector<std::pair<std::string, std::string>>;

/** A JSON value as text on one line, with text that is not UTF-8 replaced rather than refused. */
template <typename Json> std::string jsonText(const Json& value)
{
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

/**
 * One JSON line for a calculated case: {"case", "ok", "writeBack" (the texts written back under
 * their case-file keys, in the order written), and "record" (the results under the case file's
 * sections "internalPipe", "externalPipe" and "exchanger") on success or "message" and "detail"
 * on failure, with "robust" when the robust solver ran: {"ok": true, "writeBack", "record", "roots"} or
 * {"ok": false, "reason"}, and "roots" after the record of a solved case that has several consistent
 * states}, followed by the further keys. Numbers are written so that they read back to the
 * exact float or double.
 */
std::string batchReport(const std::string& casePath, const CalcOutcome& outcome, const JsonKeys& more = {});

} // namespace vorlan
