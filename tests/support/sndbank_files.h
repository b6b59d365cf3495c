// Scratch directories, word files and in-process runs for the sndbank tests.
// File contents are kept in std::string: bytes, not text.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

// A fresh directory under the system temp directory, removed with its
// contents when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void writeFile(const std::string& path, const std::string& bytes);
// A word file of `count` samples: 0x00, 0x01, ... wrapping at 0x100.
void writeRamp(const std::string& path, std::size_t count);
std::string readFile(const std::string& path);

struct Run {
  int status;
  std::string output;
};
// Runs sndbank in this process with the given words (program name first).
Run runSndbankInProcess(const std::vector<std::string>& words);

// The speech-library command line for dir: words.def into lib.bin, lib.inc,
// lib.tab and lib.txt, named "Lib", version "1.2", dated "12/01/26 10:00".
std::vector<std::string> speechArgs(const ScratchDir& dir);
// Writes words.def and runs the speech-library build on it.
Run buildSpeechLibrary(const ScratchDir& dir, const std::string& definitions);

}  // namespace testsupport
