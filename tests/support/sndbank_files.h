// Scratch directories, word files and in-process runs for the sndbank tests.
#pragma once

#include <cstdint>
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
  // path() + "/" + name
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void writeFile(const std::string& path, const std::string& text);
// A word file of `count` samples: 0x00, 0x01, ... wrapping at 0x100.
void writeRamp(const std::string& path, std::size_t count);
std::vector<std::uint8_t> readFile(const std::string& path);
std::string readText(const std::string& path);

struct Run {
  int status;
  std::string output;
};
// Runs sndbank in this process with the given words (program name first).
Run runSndbankInProcess(const std::vector<std::string>& words);

// Big-endian reads from a byte vector, for checking images.
unsigned be16At(const std::vector<std::uint8_t>& bytes, std::size_t offset);
unsigned be24At(const std::vector<std::uint8_t>& bytes, std::size_t offset);

}  // namespace testsupport
