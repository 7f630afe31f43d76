#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calc/calculation.h"

namespace vorlan::test {

/** Reads a case as Calculate does, on tables of its own, which it leaves as read; what the robust solver takes. */
inline RobustCase readRobustCase(const CaseContents& contents, const Materials& materials, FluidTables& tables)
{
    CaseState state;
    std::vector<WriteBack> writeBacks;
    const CaseInput input = readCaseInput(contents);
    Calculation calculation(input, tables, materials, state, writeBacks);
    calculation.readCase();
    return calculation.robustCase();
}

/** The robust answer of a case, read on tables of its own. */
inline RobustAnswer robustOf(const CaseContents& contents, const std::string& dataFolder, const Materials& materials)
{
    FluidTables tables(dataFolder);
    const RobustCase read = readRobustCase(contents, materials, tables);
    return robustAnswer(readCaseInput(contents), read, tables);
}

/** True when a solved outlet lies outside its side's table: Calculate extrapolates there, the robust solver does not.
 */
inline bool outsideTables(const ResultRecord& r, const FluidTables& tables)
{
    const auto outside = [](double t, const std::vector<double>& T) { return t < T.front() || t > T.back(); };
    return outside(r.intTout, tables.intSide.Tab.T) || outside(r.estTout, tables.estSide.Tab.T);
}

/**
 * The relative difference between Calculate's record and a robust root that the iterations'
 * tolerances allow: 1 % (the consistency check's share of U), five times tolU = 0.01 W/(m2 K)
 * relative to U, and outlets within 2 tolT = 0.002 K times each stream's heat-capacity rate
 * (its duty over its temperature change) relative to the duty; at most 10 %.
 */
inline double allowedDifference(const ResultRecord& a, const RobustRoot& b)
{
    const double rates
        = a.q / std::max(std::fabs(a.intTin - a.intTout), 1e-9) + a.q / std::max(std::fabs(a.estTin - a.estTout), 1e-9);
    return std::min(0.01 + 5 * 0.01 / b.U + rates * 0.002 / a.q, 0.1);
}

} // namespace vorlan::test
