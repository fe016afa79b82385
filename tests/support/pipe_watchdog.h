#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace tess::testing {

// For tests that hand a named pipe to code on the window's own thread: were
// that code to block on the pipe, the watchdog lets it go after a while (a
// writer opens the pipe and closes it, which gives the reader an end of file),
// so the test fails with `released()` instead of hanging.
class PipeWatchdog {
  public:
    explicit PipeWatchdog(std::string pipe, std::chrono::seconds after = std::chrono::seconds(5))
        : pipe_(std::move(pipe)), thread_([this, after] { watch(after); }) {}
    ~PipeWatchdog() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    PipeWatchdog(const PipeWatchdog&) = delete;
    PipeWatchdog& operator=(const PipeWatchdog&) = delete;

    bool released() const { return released_; }

  private:
    void watch(std::chrono::seconds after) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, after, [this] { return stopped_; })) return;
        // Only a reader waiting on the pipe lets a writer open it without waiting.
        while (!stopped_) {
            const int fd = ::open(pipe_.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                ::close(fd);
                released_ = true;
            }
            wake_.wait_for(lock, std::chrono::milliseconds(50), [this] { return stopped_; });
        }
    }

    std::string pipe_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::atomic<bool> released_{false};
    std::thread thread_;
};

}  // namespace tess::testing
