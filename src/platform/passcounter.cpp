#include "platform/passcounter.h"

#include "platform/calcerror.h"
#include "platform/numbertext.h"

namespace vorlan {

void PassCounter::next(double residual)
{
    if (++m_passes > m_limit)
        throw CalcError("the " + m_iteration + " ran more than " + std::to_string(m_limit)
                + " passes; the residual of its last pass was " + numberToText(residual, '.'),
            msg::NotConverged);
}

} // namespace vorlan
