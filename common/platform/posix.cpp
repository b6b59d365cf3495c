// POSIX systems: the C library's own behaviour is the programs' behaviour.
#include "common/platform.h"

#include <fcntl.h>

namespace orva::platform {

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
