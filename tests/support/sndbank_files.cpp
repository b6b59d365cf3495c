#include "support/sndbank_files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "common/sink.h"
#include "sndbank/sndbank.h"

namespace testsupport {

ScratchDir::ScratchDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "sndbank-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void writeRamp(const std::string& path, std::size_t count) {
  std::string bytes(count, '\0');
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<char>(i);
  writeFile(path, bytes);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Run runSndbankInProcess(const std::vector<std::string>& words) {
  std::vector<std::string> copies(words);
  std::vector<char*> argv;
  for (std::string& w : copies) argv.push_back(w.data());
  argv.push_back(nullptr);
  Run run{0, {}};
  {
    orva::Sink out(run.output);
    run.status = sndbank::runSndbank(static_cast<int>(words.size()), argv.data(), out);
  }
  return run;
}

std::vector<std::string> speechArgs(const ScratchDir& dir) {
  return {"sndbank",   "Lib",         "1.2",         "12/01/26 10:00", dir / "words.def",
          dir / "lib.bin", dir / "lib.inc", dir / "lib.tab", dir / "lib.txt"};
}

Run buildSpeechLibrary(const ScratchDir& dir, const std::string& definitions) {
  writeFile(dir / "words.def", definitions);
  return runSndbankInProcess(speechArgs(dir));
}

}  // namespace testsupport
