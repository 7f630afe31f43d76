#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/crosscheck.h"
#include "analysis/details.h"
#include "analysis/warningrules.h"

namespace vorlan {

/** One warning: its kind and a short sentence with the number that raised it. */
struct Warning {
    WarningKind kind;
    std::string text;
};

/**
 * The warnings of a solved case: a pressure drop beyond its side's pressure, each side's, then the
 * exchanger's. Details or a cross-check that could
 * not be computed raise none of the warnings that need them.
 */
std::vector<Warning> caseWarnings(
    const SolvedCase& solved, const std::optional<FilmDetails>& details, const std::optional<CrossCheck>& check);

/** The severity of the warning's rule. */
Severity severityOf(const Warning& warning);

/** The first of the most severe warnings; null for none. */
const Warning* mostSevere(const std::vector<Warning>& warnings);

/** True for a gas or vapour: a density below the threshold of the rule "gasDensity". */
bool isGas(double density);

/** Darcy f Re of laminar flow in a concentric annulus of diameter ratio a (0 < a < 1): 64 at a -> 0, 96 at a -> 1. */
double annulusFrictionReynolds(double a);

} // namespace vorlan
