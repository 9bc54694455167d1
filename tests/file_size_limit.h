#pragma once

// POSIX only: makes every write past `bytes` into any file fail, as a full disk would.
#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/resource.h>

namespace tremalo::test {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN); // report the failure as EFBIG instead of ending us
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

} // namespace tremalo::test
#define TREMALO_HAVE_FILE_SIZE_LIMIT 1
#endif
