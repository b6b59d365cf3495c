// Scratch directories, word files and in-process runs of sndbank: what the
// fuzz seed maker and the sndbank tests build libraries with.
// File contents are kept in std::string: bytes, not text.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/sink.h"
#include "host/host.h"
#include "sndbank/sndbank.h"

namespace generators {

// A fresh directory under the system temp directory, removed with its
// contents when the object goes.
class ScratchDir {
 public:
  ScratchDir() : path_(testhost::makeTempDirectory("sndbank")) {}
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// `count` samples: 0x00, 0x01, ... wrapping at 0x100; and a word file of them.
inline std::string ramp(std::size_t count) {
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(i);
  return bytes;
}
inline void writeRamp(const std::string& path, std::size_t count) { writeFile(path, ramp(count)); }

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Run {
  int status;
  std::string output;
};

// Runs sndbank in this process with the given words (program name first).
inline Run runSndbankInProcess(std::vector<std::string> words) {
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  Run run{0, {}};
  {
    orva::Sink out(run.output);
    run.status = sndbank::runSndbank(static_cast<int>(words.size()), argv.data(), out);
  }
  return run;
}

}  // namespace generators
