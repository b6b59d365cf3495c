// Windows (MinGW-w64): text-mode output, the C runtime's local time, and
// file replacement through the Win32 call that overwrites in one step.
#include "common/platform.h"

#include <fcntl.h>
#include <cstring>
#include <string>
#include <io.h>
#include <windows.h>

#include "common/platform/interrupt_table.h"

namespace orva::platform {

namespace {

interrupt::Entry<wchar_t> gTemporaries[interrupt::kEntries];

// Runs on a thread of its own while the program goes on: the temporary
// files are open there, so they were opened to allow deletion, and a
// delete takes effect when the process ends and closes them. FALSE lets
// the next handler (the default one) end the process.
BOOL WINAPI removeTemporaries(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      for (const interrupt::Entry<wchar_t>& e : gTemporaries) {
        if (e.inUse != 0) DeleteFileW(const_cast<const wchar_t*>(e.name));
      }
      break;
    default: break;
  }
  return FALSE;
}

std::wstring wide(const std::string& path) {
  try {
    return std::filesystem::path(std::u8string(path.begin(), path.end())).wstring();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

bool removeOnInterrupt(const std::string& path) {
  static const bool installed = SetConsoleCtrlHandler(removeTemporaries, TRUE) != 0;
  (void)installed;
  const std::wstring name = wide(path);
  return !name.empty() && interrupt::add(gTemporaries, name.c_str(), name.size());
}

void keepOnInterrupt(const std::string& path) {
  const std::wstring name = wide(path);
  interrupt::remove(gTemporaries, name.c_str(), name.size());
}

std::FILE* createTemporary(const std::string& path, const char* mode) {
  const std::wstring name = wide(path);
  if (name.empty()) return nullptr;
  // In the table before it exists: an interruption in between removes nothing.
  const bool listed = removeOnInterrupt(path);
  // Shared for deletion, so that the console handler can remove it open.
  const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    if (listed) keepOnInterrupt(path);
    return nullptr;
  }
  const bool text = std::strchr(mode, 'b') == nullptr;
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), text ? _O_TEXT : _O_BINARY);
  std::FILE* file = fd == -1 ? nullptr : _fdopen(fd, text ? "w" : "wb");
  if (file == nullptr) {
    if (fd == -1) CloseHandle(handle); else _close(fd);
    DeleteFileW(name.c_str());
    if (listed) keepOnInterrupt(path);
  }
  return file;
}

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
