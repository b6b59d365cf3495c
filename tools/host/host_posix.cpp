// The test host on POSIX systems: programs run through the shell.
#include <sys/wait.h>

#include <cstdlib>

#include "host/host.h"

namespace testhost {

const char* const kTextLineEnd = "\n";

namespace {

// Appends one shell word: single quotes, each quote in it written as '\''.
// (Appending in place also keeps GCC 12 at -O3 from a false -Wrestrict
// warning about chains of literal + temporary string.)
void appendQuoted(std::string& command, const std::string& word) {
  command += '\'';
  for (char c : word) {
    if (c == '\'') {
      command += "'\\''";
    } else {
      command += c;
    }
  }
  command += '\'';
}

}  // namespace

int detail::runWithOutput(const std::string& program, const std::vector<std::string>& args,
                          const std::string& cwd, const std::string& output) {
  std::string command = "cd ";
  appendQuoted(command, cwd);
  command += " && ";
  appendQuoted(command, program);
  for (const std::string& a : args) {
    command += ' ';
    appendQuoted(command, a);
  }
  command += " > ";
  appendQuoted(command, output);
  command += " 2>&1";
  const int raw = std::system(command.c_str());
  return raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1000;
}

std::FILE* openBytes(const void* data, std::size_t size) {
  static char none = 0;  // fmemopen wants a buffer even for no bytes
  return fmemopen(size > 0 ? const_cast<void*>(data) : &none, size, "r");
}

const char* fullDevice() { return "/dev/full"; }

}  // namespace testhost
