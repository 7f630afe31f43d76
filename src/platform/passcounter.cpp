#include "platform/passcounter.h"

#include "platform/calcerror.h"

namespace vorlan {

void PassCounter::next()
{
    if (++m_passes > m_limit)
        throw CalcError("an iteration ran more than " + std::to_string(m_limit) + " passes", msg::NotConverged);
}

} // namespace vorlan
