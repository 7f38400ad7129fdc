#pragma once

#include <cstdint>

#if defined(_WIN32)

namespace varn::test {

// Windows has no file-size limit of a process: the tests that need one skip there.
class FileSizeLimit {
public:
    static constexpr bool kAvailable = false;
    explicit FileSizeLimit(std::uint64_t) {}
};

}  // namespace varn::test

#else

#include <csignal>
#include <sys/resource.h>

namespace varn::test {

// A file-size limit for this process: writes past it come up short (SIGXFSZ ignored).
class FileSizeLimit {
public:
    static constexpr bool kAvailable = true;
    explicit FileSizeLimit(std::uint64_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace varn::test

#endif
