// The test host on POSIX systems: programs run through the shell.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

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

bool makeWaitingInput(const std::string& path) { return mkfifo(path.c_str(), 0600) == 0; }

int interruptOnceCreated(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd, const std::string& appears, bool terminate) {
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(cwd.c_str()) != 0) _exit(127);
    std::freopen("/dev/null", "w", stdout);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (child < 0) return -1;
  std::error_code ec;
  for (int i = 0; i < 1000 && !std::filesystem::exists(appears, ec); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(child, terminate ? SIGTERM : SIGINT);
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

std::FILE* openBytes(const void* data, std::size_t size) {
  static char none = 0;  // fmemopen wants a buffer even for no bytes
  return fmemopen(size > 0 ? const_cast<void*>(data) : &none, size, "r");
}

const char* fullDevice() { return "/dev/full"; }

}  // namespace testhost
