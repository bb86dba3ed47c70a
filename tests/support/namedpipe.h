#pragma once
// A named pipe where a reader expects a file. Readers must treat it as a file
// that does not open, at once: opening a pipe for reading waits for a writer.
// Should a reader block on it all the same, a watchdog opens the pipe's other
// end after a while, so the test fails (HadToUnblock) instead of hanging.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>

namespace qrl::test {

class NamedPipe {
 public:
  explicit NamedPipe(std::string path, std::chrono::milliseconds patience = std::chrono::seconds(5))
      : Path(std::move(path)) {
    if (::mkfifo(Path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed: " + Path);
    Watchdog = std::thread([this, patience] { Watch(patience); });
  }
  ~NamedPipe() {
    {
      std::lock_guard lock(Mutex);
      Stopping = true;
    }
    Wake.notify_all();
    Watchdog.join();
    ::unlink(Path.c_str());
  }
  NamedPipe(const NamedPipe&) = delete;
  NamedPipe& operator=(const NamedPipe&) = delete;

  const std::string& PathName() const { return Path; }
  // A reader was found waiting on the pipe and had to be released.
  bool HadToUnblock() const { return Unblocked; }

 private:
  void Watch(std::chrono::milliseconds patience) {
    constexpr auto Retry = std::chrono::milliseconds(20);
    std::unique_lock lock(Mutex);
    if (Wake.wait_for(lock, patience, [this] { return Stopping; })) return;
    while (!Stopping) {
      // A non-blocking open for writing succeeds only while a reader holds
      // the pipe open; closing it at once gives that reader an end of file.
      const int fd = ::open(Path.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) {
        Unblocked = true;
        ::close(fd);
      }
      Wake.wait_for(lock, Retry, [this] { return Stopping; });
    }
  }

  std::string Path;
  std::mutex Mutex;
  std::condition_variable Wake;
  bool Stopping = false;
  std::atomic<bool> Unblocked = false;
  std::thread Watchdog;
};

}  // namespace qrl::test
