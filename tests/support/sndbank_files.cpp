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

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

void writeRamp(const std::string& path, std::size_t count) {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(i);
  writeFile(path, bytes);
}

std::vector<std::uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::string& path) {
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

unsigned be16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<unsigned>(b.at(at)) << 8 | b.at(at + 1);
}

unsigned be24At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<unsigned>(b.at(at)) << 16 | be16At(b, at + 1);
}

}  // namespace testsupport
