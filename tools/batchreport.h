#pragma once

#include <string>

#include "calc/exchanger.h"

namespace vorlan {

/**
 * One JSON line for a calculated case: {"case", "ok", "writeBack" (the texts written back under
 * their case-file keys, in the order written), and "record" on success or "message" and "detail"
 * on failure}. Numbers are written so that they read back to the exact float or double.
 */
std::string batchReport(const std::string& casePath, const CalcOutcome& outcome);

} // namespace vorlan
