// The test host on POSIX systems: programs run through the shell.
#include <sys/wait.h>

#include <cstdlib>

#include "host/host.h"

namespace testhost {

const char* const kTextLineEnd = "\n";

namespace {

// One shell word: single quotes, each quote in it written as '\''.
std::string quoted(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

}  // namespace

int detail::runWithOutput(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd, const std::string& output) {
  std::string command = "cd " + quoted(cwd) + " && " + quoted(program);
  for (const std::string& a : args) command += " " + quoted(a);
  command += " > " + quoted(output) + " 2>&1";
  const int raw = std::system(command.c_str());
  return raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1000;
}

std::FILE* openBytes(const void* data, std::size_t size) {
  static char none = 0;  // fmemopen wants a buffer even for no bytes
  return fmemopen(size > 0 ? const_cast<void*>(data) : &none, size, "r");
}

const char* fullDevice() { return "/dev/full"; }

}  // namespace testhost
