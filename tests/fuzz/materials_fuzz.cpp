// The pipe-materials loader on any bytes: at most 11 physical materials, or a CalcError and none.
#include <cmath>
#include <cstdlib>
#include <limits>

#include "fuzzfile.h"
#include "platform/calcerror.h"
#include "properties/materials.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzFile(data, size, "condmat.dat");
    vorlan::Materials materials;
    try {
        materials.dbmateriale(fuzzFolder());
    } catch (const vorlan::CalcError&) {
        if (materials.count != 0)
            std::abort(); // a failed load leaves no material
    }
    if (materials.count < 0 || materials.count > vorlan::kMaxMaterials)
        std::abort();
    for (const std::string& name : materials.names()) {
        float wallK = std::numeric_limits<float>::quiet_NaN();
        double wallRough = 0;
        materials.proptubo(name, wallK, wallRough);
        if (std::isnan(wallK))
            std::abort(); // every name read is found
        if (!(wallK > 0) || !(wallRough >= 0))
            std::abort(); // a material loaded is physical
    }
    return 0;
}
