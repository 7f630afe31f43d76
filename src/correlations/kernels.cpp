#include "correlations/kernels.h"

#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

void clearBulkProperties(FluidSide& side) { side.Rho = side.Cp = side.K = side.Mu = 0; }

/** Keeps only the first run of rows at pressure p; a pressure in no row is an index error. */
void reduceToBlock(FluidTable& table, float p)
{
    int start = 0;
    while (element(table.P, start) != p)
        ++start;
    int last = start;
    while (last < table.lastRow() && table.P[static_cast<std::size_t>(last + 1)] == p)
        ++last;

    const auto keepBlock = [start, last](auto& column) {
        column.erase(column.begin() + last + 1, column.end());
        column.erase(column.begin(), column.begin() + start);
    };
    keepBlock(table.T);
    keepBlock(table.P);
    keepBlock(table.Rho);
    keepBlock(table.Cp);
    keepBlock(table.K);
    keepBlock(table.Mu);
    keepBlock(table.H);
    table.tOrder.reset();
    table.hOrder.reset();
    table.firstRecord += start;
}

} // namespace

void inizializza(CaseState& state, FluidTables& fluids)
{
    const float pigreco = state.pigreco;
    state = CaseState {};
    state.pigreco = pigreco;
    clearBulkProperties(fluids.intSide);
    clearBulkProperties(fluids.estSide);
}

void RiduciVettori(FluidTables& fluids)
{
    reduceToBlock(fluids.intSide.Tab, textToSingle(fluids.intPressure()));
    reduceToBlock(fluids.estSide.Tab, textToSingle(fluids.estPressure()));
}

bool controllatemp(const FluidTables& fluids, double temp, float /*press*/, Side side)
{
    const FluidTable& table = (side == Side::Internal ? fluids.intSide : fluids.estSide).Tab;
    const double tMin = element(table.T, 0);
    const double tMax = element(table.T, table.lastRow());
    const float t = toSingle(temp);
    return toSingle(tMin) <= t && t < toSingle(tMax);
}

} // namespace vorlan
