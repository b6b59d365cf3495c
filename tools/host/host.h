// What the tests need from the system they run on, the same on POSIX
// systems and Windows: scratch directories, running a built program, an
// in-memory input stream and a device that refuses writes.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace testhost {

// The bytes a text file ends its lines with: LF, or CR LF on Windows.
extern const char* const kTextLineEnd;

// Makes a fresh, empty directory `<prefix>-<random>` under the system's
// temporary directory and returns its name; throws when it cannot.
std::string makeTempDirectory(const std::string& prefix);

struct ProgramRun {
  int status = -1000;  // exit status as the system reports it to a caller
  std::string bytes;   // standard output and error, exactly as written
  std::string text;    // the same read as a text file (CR LF as LF on Windows)
};

// The contents of the file `path` as bytes, and read as a text file (CR LF
// comes back as LF on Windows); empty when it cannot be read.
std::string readBytes(const std::string& path);
std::string readText(const std::string& path);

// Runs `program` with `args` in directory `cwd` and collects its output.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& cwd);

namespace detail {
// The system's half of runProgram: runs `program` in `cwd` with standard
// output and error going to the file `output`; returns the exit status.
int runWithOutput(const std::string& program, const std::vector<std::string>& args,
                  const std::string& cwd, const std::string& output);
}  // namespace detail

// A named pipe at `path`, which a program opening it for reading waits on
// until a writer opens it; false where the system has none here.
bool makeWaitingInput(const std::string& path);

// Starts `program` with `args` in `cwd` (its output discarded), waits up to
// ten seconds for the file `appears` to exist, then interrupts the program
// as Ctrl-C does (`terminate`: as SIGTERM does) and waits for its end.
// Returns 128 + the signal's number when it ended by the signal, its exit
// status otherwise; -1 where the system cannot do this here.
int interruptOnceCreated(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd, const std::string& appears, bool terminate);

// A read stream over `size` bytes (which must outlive it); nullptr on failure.
std::FILE* openBytes(const void* data, std::size_t size);

// A file name whose every write fails, or nullptr when the system has none.
const char* fullDevice();

}  // namespace testhost
