#pragma once

#include <set>
#include <string>

#include "platform/messages.h"

namespace vorlan::test {

/** Every message a calculation may end with. */
inline const std::set<std::string> kCalculationMessages = {
    msg::InvalidData,
    msg::InvalidPressureInternal,
    msg::InvalidPressureExternal,
    msg::InvalidTemperatures,
    msg::TemperaturesOutOfRange,
    msg::CapacityTooHigh,
    msg::NtuTooHigh,
    msg::NotConverged,
};

} // namespace vorlan::test
