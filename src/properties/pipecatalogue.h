#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

/** One pipe of the catalogue, with its dimensions as the catalogue writes them. */
struct StandardPipe {
    std::string standard; ///< "ASME B36.10M"
    std::string designation; ///< "2\" Sch 40"
    std::string outsideDiameterText; ///< [mm], '.' as decimal separator ("60.33")
    std::string thicknessText; ///< [mm] ("3.91")
    double outsideDiameter = 0; ///< [mm]
    double thickness = 0; ///< [mm]
};

/**
 * Reads pipes.csv of the data folder: records of standard, designation, outside diameter [mm] and
 * wall thickness [mm], in file order. A missing file, a record cut short, a dimension that is not
 * a number, an empty name or a wall that is not between zero and half the outside diameter throw
 * CalcError.
 */
std::vector<StandardPipe> readPipeCatalogue(const std::string& dataFolder);

/**
 * The first pipe of the catalogue whose dimensions match the typed outside diameter and thickness
 * [mm] (decimal comma or point): each within half a unit of the last digit typed ("60,33" within
 * 0,005 mm, "60,3" within 0,05 mm). Null when a text is no plain number or nothing matches.
 */
const StandardPipe* standardPipeOf(
    const std::vector<StandardPipe>& catalogue, std::string_view outsideDiameter, std::string_view thickness);

/** A dimension as the windows write it: the catalogue's text with a decimal comma ("60,33"). */
std::string windowDimension(std::string_view catalogueText);

/** The pipe as the windows name it: designation, outside diameter × thickness ("2\" Sch 40, 60,33 × 3,91 mm"). */
std::string pipeName(const StandardPipe& pipe);

} // namespace vorlan
