#include "platform/calcerror.h"

namespace vorlan {

CalcError::CalcError(const std::string& detail, std::string message)
    : std::runtime_error(detail)
    , m_message(std::move(message))
{ }

namespace {

thread_local std::string t_faultCause;

[[noreturn]] void throwCannotCompute() { throw CalcError(t_faultCause.empty() ? msg::CannotCompute : t_faultCause); }

} // namespace

void setFaultCause(std::string cause) { t_faultCause = std::move(cause); }

void throwNotFinite() { throwCannotCompute(); }

void throwSingleOverflow() { throwCannotCompute(); }

void throwOutsideTable(int i, std::size_t size)
{
    throw CalcError("row " + std::to_string(i) + " is outside a table of " + std::to_string(size) + " rows");
}

} // namespace vorlan
