#include "platform/passcounter.h"

#include "platform/calcerror.h"

namespace vorlan {

void PassCounter::next()
{
    if (++m_passes > kMaxPasses)
        throw CalcError("an iteration ran more than a million passes", msg::NotConverged);
}

} // namespace vorlan
