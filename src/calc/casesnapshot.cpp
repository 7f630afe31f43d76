#include "calc/casesnapshot.h"

namespace vorlan {

void CaseSnapshot::apply(const std::vector<WriteBack>& writeBacks)
{
    for (const WriteBack& writeBack : writeBacks)
        setText(writeBack.box, writeBack.text);
}

} // namespace vorlan
