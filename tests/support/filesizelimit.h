#pragma once

#include <sys/resource.h>

namespace vorlan::test {

/**
 * While it lives, no file of this process may grow beyond the given bytes: a longer write fails
 * (EFBIG) as on a full disk. The signal that such a write raises is ignored meanwhile.
 */
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace vorlan::test
