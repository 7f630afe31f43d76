#include "support/filesizelimit.h"

#include <csignal>
#include <stdexcept>

namespace vorlan::test {

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        throw std::runtime_error("cannot limit the file size");
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

} // namespace vorlan::test
