#pragma once

#include "correlations/configuration.h"

namespace vorlan {

/**
 * Log-mean temperature difference [K] from the hot stream's inlet and outlet and the cold stream's
 * inlet and outlet [degC], counter-current or co-current. Equal end differences give that difference; end differences
 * of opposite sign, or one of them zero, throw CalcError.
 */
double DTML(double hotIn, double hotOut, double coldIn, double coldOut, Configuration configuration);

/** The same from the internal and the external side's inlet and outlet [degC], the hotter inlet's side taken as hot. */
double sidesDTML(
    double internalIn, double internalOut, double externalIn, double externalOut, Configuration configuration);

} // namespace vorlan
