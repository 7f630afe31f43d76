#include "properties/pipecatalogue.h"

#include <algorithm>
#include <cmath>

#include "platform/calcerror.h"
#include "platform/datafile.h"
#include "platform/numbertext.h"
#include "platform/quotedtext.h"

namespace vorlan {

namespace {

/** Half a unit of the last digit of a plain typed number ("60,33": 0.005); negative for anything else. */
double halfLastDigit(std::string_view typed)
{
    const std::size_t separator = typed.find_first_of(",.");
    const std::size_t decimals = separator == std::string_view::npos ? 0 : typed.size() - separator - 1;
    if (typed.find_first_not_of("0123456789,.") != std::string_view::npos)
        return -1; // a sign or an exponent: no typed dimension of a pipe
    return 0.5 * std::pow(10.0, -static_cast<double>(decimals));
}

bool matches(double catalogue, std::string_view typed)
{
    double value = 0;
    const double tolerance = halfLastDigit(typed);
    // The relative allowance keeps "60,325" from missing 60.33 by the binary rounding of both.
    return tolerance > 0 && parseTypedNumber(typed, value) && std::abs(value - catalogue) <= tolerance * (1 + 1e-9);
}

} // namespace

std::vector<StandardPipe> readPipeCatalogue(const std::string& dataFolder)
{
    const std::string path = dataFolder + "/pipes.csv";
    DataFileReader reader(path);
    std::vector<StandardPipe> pipes;
    while (!reader.atEnd()) {
        StandardPipe pipe;
        pipe.standard = reader.readString();
        pipe.designation = reader.readString();
        pipe.outsideDiameterText = reader.readString();
        pipe.thicknessText = reader.readString();
        const std::string where = path + ": pipe \"" + excerpt(pipe.designation) + "\": ";
        if (pipe.standard.empty() || pipe.designation.empty())
            throw CalcError(where + "the standard or the designation is empty");
        for (const auto& [text, value] : {std::pair {&pipe.outsideDiameterText, &pipe.outsideDiameter},
                 std::pair {&pipe.thicknessText, &pipe.thickness}}) {
            if (!parseNumber(*text, '.', *value))
                throw CalcError(where + "\"" + excerpt(*text) + "\" is not a number");
        }
        if (!(pipe.thickness > 0 && 2 * pipe.thickness < pipe.outsideDiameter))
            throw CalcError(where + "the wall is not between zero and half the outside diameter");
        pipes.push_back(std::move(pipe));
    }
    return pipes;
}

const StandardPipe* standardPipeOf(
    const std::vector<StandardPipe>& catalogue, std::string_view outsideDiameter, std::string_view thickness)
{
    const auto found = std::ranges::find_if(catalogue, [&](const StandardPipe& pipe) {
        return matches(pipe.outsideDiameter, outsideDiameter) && matches(pipe.thickness, thickness);
    });
    return found == catalogue.end() ? nullptr : &*found;
}

std::string windowDimension(std::string_view catalogueText)
{
    std::string text(catalogueText);
    std::ranges::replace(text, '.', ',');
    return text;
}

std::string pipeName(const StandardPipe& pipe)
{
    return pipe.designation + ", " + windowDimension(pipe.outsideDiameterText) + " × "
        + windowDimension(pipe.thicknessText) + " mm";
}

} // namespace vorlan
