#include "calc/casesnapshot.h"

#include "platform/numbertext.h"

namespace vorlan {

WriteBack writtenValue(Box box, float value, int decimals) { return {box, roundedText(value, decimals)}; }

WriteBack writtenValue(Box box, double value, int decimals) { return {box, roundedText(value, decimals)}; }

void CaseSnapshot::apply(const std::vector<WriteBack>& writeBacks)
{
    for (const WriteBack& writeBack : writeBacks)
        setText(writeBack.box, writeBack.text);
}

} // namespace vorlan
