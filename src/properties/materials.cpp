#include "properties/materials.h"

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/numbertext.h"
#include "platform/quotedtext.h"

namespace vorlan {

void Materials::dbmateriale(const std::string& dataFolder)
{
    *this = Materials {};
    const std::string path = dataFolder + "/condmat.dat";
    DataFileReader reader(path);
    Materials loaded;
    while (!reader.atEnd()) {
        if (loaded.count == kMaxMaterials)
            throw CalcError(path + ": more than " + std::to_string(kMaxMaterials) + " materials");
        const std::size_t i = static_cast<std::size_t>(loaded.count);
        loaded.matName[i] = reader.readString();
        loaded.matK[i] = toSingle(reader.readNumber());
        loaded.matRough[i] = reader.readNumber();
        const std::string material = path + ": material \"" + excerpt(loaded.matName[i]) + "\": ";
        if (!(loaded.matK[i] > 0))
            throw CalcError(
                material + "the conductivity " + numberToText(loaded.matK[i], '.') + " is not greater than zero");
        if (!(loaded.matRough[i] >= 0))
            throw CalcError(material + "the roughness " + numberToText(loaded.matRough[i], '.') + " is negative");
        ++loaded.count;
    }
    *this = std::move(loaded);
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
