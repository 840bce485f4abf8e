#pragma once

#include <sys/resource.h>

namespace common::testing {

// While it lives, files cannot grow beyond a few bytes: a stand-in for a
// full disk that also holds for root. A write past the limit fails instead
// of raising SIGXFSZ.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes = 16);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace common::testing
