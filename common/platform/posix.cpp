// POSIX systems: the C library's own behaviour is the programs' behaviour.
#include "common/platform.h"

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

}  // namespace orva::platform
