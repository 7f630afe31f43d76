#include "properties/fluidtable.h"

#include "platform/calcerror.h"
#include "platform/datafile.h"

namespace vorlan {

void loadFluidTable(FluidTable& table, const std::string& path)
{
    table = FluidTable {};
    DataFileReader reader(path);
    FluidTable loaded;
    while (!reader.atEnd()) {
        if (loaded.lastRow() + 1 == kMaxFluidRows)
            throw CalcError(path + ": more than " + std::to_string(kMaxFluidRows) + " records");
        loaded.T.push_back(reader.readNumber());
        loaded.P.push_back(toSingle(reader.readNumber()));
        loaded.Rho.push_back(reader.readNumber());
        loaded.Cp.push_back(reader.readNumber());
        loaded.K.push_back(reader.readNumber());
        loaded.Mu.push_back(reader.readNumber());
        loaded.H.push_back(reader.readNumber());
    }
    if (loaded.T.empty())
        throw CalcError(path + ": the file holds no record");
    table = std::move(loaded);
}

} // namespace vorlan
