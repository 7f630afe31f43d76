#include "calc/casecontents.h"

#include "platform/numbertext.h"

namespace vorlan {

WriteBack writtenValue(Quantity quantity, float value, int decimals)
{
    return {quantity, roundedText(value, decimals)};
}

WriteBack writtenValue(Quantity quantity, double value, int decimals)
{
    return {quantity, roundedText(value, decimals)};
}

void CaseContents::apply(const std::vector<WriteBack>& writeBacks)
{
    for (const WriteBack& writeBack : writeBacks)
        setText(writeBack.quantity, writeBack.text);
}

} // namespace vorlan
