// Scratch directories, word files and in-process runs of sndbank: what the
// fuzz seed maker and the sndbank tests build libraries with.
// File contents are kept in std::string: bytes, not text.
#pragma once

#include <cstdint>
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

// Little-endian fields, RIFF chunks (padded to an even length) and WAV
// files described by their format fields.
inline std::string le(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}
inline std::string riffChunk(const std::string& id, const std::string& data) {
  return id + le(data.size(), 4) + data + (data.size() % 2 != 0 ? std::string(1, '\0') : std::string());
}

struct WavSpec {
  unsigned format = 1;  // tag: 1 PCM, 3 IEEE float, 6 A-law, 7 u-law, others compressed
  unsigned channels = 1;
  std::uint32_t rate = 8000;
  unsigned bits = 8;
  bool extensible = false;  // the tag goes into the sub-format GUID
  // How the sizes are written: exactly; 0xFFFFFFFF or 0 as a writer to a
  // pipe leaves them; RF64 with the data size in its ds64 chunk.
  enum class Sizes { kExact, kPipe, kZero, kRf64 } sizes = Sizes::kExact;
};

// A WAV file: the format chunk, any `before` chunks, then the data chunk.
inline std::string wavFile(const WavSpec& w, const std::string& data, const std::string& before = "") {
  const unsigned align = w.channels * w.bits / 8;
  std::string fmt = le(w.extensible ? 0xFFFE : w.format, 2) + le(w.channels, 2) + le(w.rate, 4) +
                    le(std::uint64_t{w.rate} * align, 4) + le(align, 2) + le(w.bits, 2);
  if (w.extensible) {
    fmt += le(22, 2) + le(w.bits, 2) + le(0, 4) + le(w.format, 4) +
           std::string("\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 12);
  }
  using Sizes = WavSpec::Sizes;
  const std::uint32_t unknown = w.sizes == Sizes::kZero ? 0 : 0xFFFFFFFF;
  const std::string dataChunk = w.sizes == Sizes::kExact ? riffChunk("data", data) : "data" + le(unknown, 4) + data;
  std::string ds64;
  if (w.sizes == Sizes::kRf64) ds64 = riffChunk("ds64", le(0, 8) + le(data.size(), 8) + le(0, 8) + le(0, 4));
  const std::string body = "WAVE" + ds64 + riffChunk("fmt ", fmt) + before + dataChunk;
  const bool exact = w.sizes == Sizes::kExact;
  return (w.sizes == Sizes::kRf64 ? "RF64" : "RIFF") + (exact ? le(body.size(), 4) : le(unknown, 4)) + body;
}

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
