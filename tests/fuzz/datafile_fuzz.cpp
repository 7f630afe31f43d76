// The data-file reader and the fluid-table loader on any bytes: a table or a CalcError, nothing else.
#include <cmath>
#include <cstdlib>

#include "fuzzfile.h"
#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "properties/fluidtable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzzFile(data, size, "fluid.dat");
    vorlan::FluidTable table;
    try {
        vorlan::loadFluidTable(table, path);
        if (table.T.empty() || table.T.size() > vorlan::kMaxFluidRows || table.H.size() != table.T.size())
            std::abort();
        for (const double t : table.T) {
            if (!std::isfinite(t))
                std::abort(); // a number read is always finite
        }
        for (const auto* column : {&table.Rho, &table.Cp, &table.K, &table.Mu}) {
            for (const double value : *column) {
                if (!(value > 0))
                    std::abort(); // a table loaded holds only physical properties
            }
        }
    } catch (const vorlan::CalcError&) {
        if (!table.T.empty())
            std::abort(); // a failed load leaves no table behind
    }

    // Strings and numbers in turn, as the materials loader reads them.
    try {
        vorlan::DataFileReader reader(path);
        while (!reader.atEnd()) {
            reader.readString();
            reader.readNumber();
        }
    } catch (const vorlan::CalcError&) { }
    return 0;
}
