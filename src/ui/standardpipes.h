#pragma once

#include <QString>
#include <string>
#include <vector>

#include "calc/casecontents.h"
#include "properties/pipecatalogue.h"

namespace vorlan {

/** The names of the standard pipes a case's typed dimensions match ("2\" Sch 40, 60,33 × 3,91 mm"), empty for none. */
struct PipeNames {
    std::string internal;
    std::string external;

    bool empty() const { return internal.empty() && external.empty(); }
};

/** The standard pipes of both pipes of the case: their typed outside diameters and thicknesses looked up. */
PipeNames standardPipeNames(const std::vector<StandardPipe>& catalogue, const CaseContents& contents);

/** The name, or "none" for a pipe that matches no standard one. */
std::string standardPipeOrNone(const std::string& name);

/** One line per pipe that matches one ("Internal pipe: 2\" Sch 40, 60,33 × 3,91 mm"); empty for none. */
QString standardPipeLines(const PipeNames& names);

} // namespace vorlan
