#include "properties/materials.h"

#include "platform/calcerror.h"
#include "platform/datafile.h"

namespace vorlan {

void Materials::dbmateriale(const std::string& dataFolder)
{
    *this = Materials {};
    const std::string path = dataFolder + "/condmat.dat";
    DataFileReader reader(path);
    while (!reader.atEnd()) {
        if (count == kMaxMaterials)
            throw CalcError(path + ": more than " + std::to_string(kMaxMaterials) + " materials");
        const std::size_t i = static_cast<std::size_t>(count);
        matName[i] = reader.readString();
        matK[i] = toSingle(reader.readNumber());
        matRough[i] = reader.readNumber();
        ++count;
    }
}

std::vector<std::string> Materials::names() const { return {matName.begin(), matName.begin() + count}; }

void Materials::proptubo(const std::string& materiale, float& wallK, double& wallRough) const
{
    for (int i = 0; i < count; ++i) {
        const std::size_t entry = static_cast<std::size_t>(i);
        if (matName[entry] == materiale) {
            wallK = matK[entry];
            wallRough = matRough[entry];
        }
    }
}

} // namespace vorlan
