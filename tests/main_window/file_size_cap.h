#pragma once

#include <csignal>
#include <sys/resource.h>

namespace tessaly::testing {

// Caps the size of any file this process writes, for as long as it lives: a write
// past the cap fails with EFBIG (SIGXFSZ is ignored meanwhile). Unlike file
// permissions this holds for root too, so a test can make a save fail half way.
class FileSizeCap {
  public:
    explicit FileSizeCap(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = saved_;
        capped.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &capped);
    }
    ~FileSizeCap()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeCap(const FileSizeCap &) = delete;
    FileSizeCap &operator=(const FileSizeCap &) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace tessaly::testing
