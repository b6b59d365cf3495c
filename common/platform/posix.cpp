// POSIX systems: the C library's own behaviour is the programs' behaviour.
#include "common/platform.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "common/platform/interrupt_table.h"

namespace orva::platform {

namespace {

interrupt::Entry<char> gTemporaries[interrupt::kEntries];

// Async-signal-safe: unlink(2) of the complete names, then the signal
// again with its default action, so the caller sees how the run ended.
extern "C" void removeTemporaries(int signal) {
  for (const interrupt::Entry<char>& e : gTemporaries) {
    if (e.inUse != 0) unlink(e.name);
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void installHandler() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  struct sigaction action {};
  action.sa_handler = removeTemporaries;
  sigemptyset(&action.sa_mask);
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&action.sa_mask, s);
  for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction previous {};
    // A signal the caller ignores (nohup, a background job) stays ignored.
    if (sigaction(s, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(s, &action, nullptr);
  }
}

}  // namespace

bool removeOnInterrupt(const std::string& path) {
  installHandler();
  return interrupt::add(gTemporaries, path.c_str(), path.size());
}

void keepOnInterrupt(const std::string& path) { interrupt::remove(gTemporaries, path.c_str(), path.size()); }

std::FILE* createTemporary(const std::string& path, const char* mode) {
  // In the table before it exists: an interruption in between removes nothing.
  const bool listed = removeOnInterrupt(path);
  std::FILE* file = std::fopen(path.c_str(), mode);
  if (file == nullptr && listed) keepOnInterrupt(path);
  return file;
}

const int kUnknownOptionStatus = 255;
const char* const kCrLf = "\r\n";

void useTextMode(std::FILE*) {}

std::tm localTime(std::time_t t) {
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) tm = std::tm{};
  return tm;
}

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec) {
  // rename(2) replaces the target atomically.
  std::filesystem::rename(from, to, ec);
}

void startWriting(std::FILE* file) {
#ifdef __linux__
  // Only a hint: on a pipe or device it fails, and nothing is lost by that.
  (void)sync_file_range(fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
  (void)file;
#endif
}

}  // namespace orva::platform
