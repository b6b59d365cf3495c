// Windows (MinGW-w64): text-mode output, the C runtime's local time, and
// file replacement through the Win32 call that overwrites in one step.
#include "common/platform.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace orva::platform {

const int kUnknownOptionStatus = -1;
const char* const kCrLf = "\n";

void useTextMode(std::FILE* stream) { _setmode(_fileno(stream), _O_TEXT); }

std::tm localTime(std::time_t t) {
  std::tm tm{};
  if (localtime_s(&tm, &t) != 0) tm = std::tm{};
  return tm;
}

void replaceFile(const std::filesystem::path& from, const std::filesystem::path& to, std::error_code& ec) {
  // Plain rename fails on Windows when the target exists.
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ec.clear();
  } else {
    ec.assign(static_cast<int>(GetLastError()), std::system_category());
  }
}

// The cache manager writes in the background already; flushing would wait.
void startWriting(std::FILE*) {}

}  // namespace orva::platform
