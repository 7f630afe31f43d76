#include "platform/calcerror.h"

namespace vorlan {

CalcError::CalcError(const std::string& detail, std::string message)
    : std::runtime_error(detail)
    , m_message(std::move(message))
{ }

void throwNotFinite() { throw CalcError(msg::CannotCompute); }

void throwSingleOverflow() { throw CalcError(msg::CannotCompute); }

void throwOutsideTable(int i, std::size_t size)
{
    throw CalcError("row " + std::to_string(i) + " is outside a table of " + std::to_string(size) + " rows");
}

} // namespace vorlan
