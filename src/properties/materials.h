#pragma once

#include <array>
#include <string>
#include <vector>

namespace vorlan {

/** Entries the material table holds. */
inline constexpr int kMaxMaterials = 11;

/**
 * The pipe materials of condmat.dat: name, wall conductivity and roughness, in file order.
 * Entries beyond the records read stay empty (empty name, zeros).
 */
struct Materials {
    std::array<std::string, kMaxMaterials> matName;
    std::array<float, kMaxMaterials> matK {}; ///< thermal conductivity [W/(m K)]
    std::array<double, kMaxMaterials> matRough {}; ///< absolute roughness [m]
    int count = 0; ///< entries read

    /**
     * Reads condmat.dat of the data folder: records of name, conductivity, roughness. A missing
     * file, a value that is not a number, a record cut short, a conductivity not greater than
     * zero, a negative roughness or more than 11 records throw CalcError and leave no material.
     */
    void dbmateriale(const std::string& dataFolder);

    /** The names read, in file order, for the material list. */
    std::vector<std::string> names() const;

    /**
     * Sets wallK and wallRough from the entry named exactly materiale (case-sensitive); the last of
     * equal names wins, and an unknown name leaves both unchanged.
     */
    void proptubo(const std::string& materiale, float& wallK, double& wallRough) const;
};

} // namespace vorlan
