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

void loadFluidTable(FluidTable& table, const std::string& path)
{
    table = FluidTable {};
    DataFileReader reader(path);
    FluidTable loaded;
    while (!reader.atEnd()) {
        if (loaded.lastRow() + 1 == kMaxFluidRows)
            throw CalcError(path + ": more than " + std::to_string(kMaxFluidRows) + " records");
        const int record = loaded.lastRow() + 2;
        loaded.T.push_back(reader.readNumber());
        loaded.P.push_back(toSingle(reader.readNumber()));
        loaded.Rho.push_back(positive(reader.readNumber(), "density", path, record));
        loaded.Cp.push_back(positive(reader.readNumber(), "specific heat", path, record));
        loaded.K.push_back(positive(reader.readNumber(), "conductivity", path, record));
        loaded.Mu.push_back(positive(reader.readNumber(), "viscosity", path, record));
        loaded.H.push_back(reader.readNumber());
    }
    if (loaded.T.empty())
        throw CalcError(path + ": the file holds no record");
    table = std::move(loaded);
}

} // namespace vorlan
