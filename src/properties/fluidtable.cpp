#include "properties/fluidtable.h"

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/numbertext.h"

namespace vorlan {

namespace {

/** The value read, refused unless greater than zero: no fluid has a property of zero or less. */
double positive(double value, const char* property, const std::string& path, int record)
{
    if (!(value > 0))
        throw CalcError(path + ": record " + std::to_string(record) + ": the " + property + " "
            + numberToText(value, '.') + " is not greater than zero");
    return value;
}

} // namespace

void FluidTable::clear()
{
    T.clear();
    P.clear();
    Rho.clear();
    Cp.clear();
    K.clear();
    Mu.clear();
    H.clear();
    tOrder.reset();
    hOrder.reset();
}

void loadFluidTable(FluidTable& table, const std::string& path)
{
    // The columns keep their storage from the previous load, so a reload allocates nothing.
    table.clear();
    try {
        DataFileReader reader(path);
        while (!reader.atEnd()) {
            if (table.lastRow() + 1 == kMaxFluidRows)
                throw CalcError(path + ": more than " + std::to_string(kMaxFluidRows) + " records");
            const int record = table.lastRow() + 2;
            const double t = reader.readNumber();
            const float p = toSingle(reader.readNumber());
            const double rho = positive(reader.readNumber(), "density", path, record);
            const double cp = positive(reader.readNumber(), "specific heat", path, record);
            const double k = positive(reader.readNumber(), "conductivity", path, record);
            const double mu = positive(reader.readNumber(), "viscosity", path, record);
            const double h = reader.readNumber();
            table.T.push_back(t);
            table.P.push_back(p);
            table.Rho.push_back(rho);
            table.Cp.push_back(cp);
            table.K.push_back(k);
            table.Mu.push_back(mu);
            table.H.push_back(h);
        }
        if (table.T.empty())
            throw CalcError(path + ": the file holds no record");
    } catch (...) {
        table.clear();
        throw;
    }
}

} // namespace vorlan
