// The test host on Windows: programs start through CreateProcessW with
// their output in a file; streams over bytes are temporary files.
#include <windows.h>

#include <filesystem>

#include "host/host.h"

namespace testhost {

const char* const kTextLineEnd = "\r\n";

namespace {

std::wstring wide(const std::string& utf8) {
  return std::filesystem::path(std::u8string_view(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()))
      .wstring();
}

// One argument as the C runtime splits a command line: in quotes, with the
// backslashes before a quote (or the closing quote) doubled.
std::wstring quoted(const std::wstring& word) {
  std::wstring q = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : word) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    q.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    q += c;
  }
  q.append(2 * backslashes, L'\\');
  return q + L"\"";
}

}  // namespace

int detail::runWithOutput(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd, const std::string& output) {
  int status = -1000;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE file = CreateFileW(wide(output).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    std::wstring command = quoted(wide(program));
    for (const std::string& a : args) command += L" " + quoted(wide(a));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = file;
    startup.hStdError = file;
    PROCESS_INFORMATION process{};
    const std::wstring directory = wide(cwd);
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, directory.c_str(), &startup,
                       &process)) {
      WaitForSingleObject(process.hProcess, INFINITE);
      DWORD code = 0;
      if (GetExitCodeProcess(process.hProcess, &code)) status = static_cast<int>(code);
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
    }
    CloseHandle(file);
  }
  return status;
}

// Named pipes and console events are not reached from here.
bool makeWaitingInput(const std::string&) { return false; }

int interruptOnceCreated(const std::string&, const std::vector<std::string>&, const std::string&,
                         const std::string&, bool) {
  return -1;
}

std::FILE* openBytes(const void* data, std::size_t size) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) return nullptr;
  if (std::fwrite(data, 1, size, file) != size || std::fseek(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

// Windows has no device that refuses writes.
const char* fullDevice() { return nullptr; }

}  // namespace testhost
