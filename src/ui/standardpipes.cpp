#include "ui/standardpipes.h"

#include <QStringList>

#include "ui/windowtext.h"

namespace vorlan {

PipeNames standardPipeNames(const std::vector<StandardPipe>& catalogue, const CaseContents& contents)
{
    const auto nameOf = [&](Quantity diameter, Quantity thickness) {
        const StandardPipe* pipe = standardPipeOf(catalogue, contents.text(diameter), contents.text(thickness));
        return pipe == nullptr ? std::string() : pipeName(*pipe);
    };
    return {nameOf(Quantity::InternalOutsideDiameter, Quantity::InternalThickness),
        nameOf(Quantity::ExternalOutsideDiameter, Quantity::ExternalThickness)};
}

std::string standardPipeOrNone(const std::string& name) { return name.empty() ? "none" : name; }

QString standardPipeLines(const PipeNames& names)
{
    QStringList lines;
    if (!names.internal.empty())
        lines << "Internal pipe: " + fromStd(names.internal);
    if (!names.external.empty())
        lines << "External pipe: " + fromStd(names.external);
    return lines.join('\n');
}

} // namespace vorlan
