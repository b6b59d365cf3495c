// Fuzzes the verification of a library image: the input is the image file.
// The verifier reads a path, so each input is written to one scratch file
// first. The word list it checks against is fixed: three words, with sample
// counts that the seeds' images hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/sink.h"
#include "host/host.h"
#include "sndbank/verify.h"
#include "sndbank/word_list.h"

namespace {

const std::string& scratchPath() {
  static const std::string path = [] {
    static const std::string dir = testhost::makeTempDirectory("sndbank_verify_fuzz");
    std::atexit([] {
      std::remove(scratchPath().c_str());
      std::remove(dir.c_str());
    });
    return dir + "/image.bin";
  }();
  return path;
}

const sndbank::SampleCounts& sampleCounts() {
  static const sndbank::SampleCounts counts = [] {
    sndbank::SampleCounts c{};
    c[0] = 1;
    c[42] = 100;
    c[100] = 300;
    c[3000] = 100;
    c[sndbank::kMaxWords - 1] = 0x7FFFFFFF;  // the largest count a word can have
    return c;
  }();
  return counts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = scratchPath();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  std::string text;
  orva::Sink sink(text);
  for (unsigned imageType : {2u, 3u}) {
    const bool debug = imageType == 2;
    const sndbank::VerifyInput input{path.c_str(), imageType, 3, sampleCounts(), debug};
    sndbank::verifyLibrary(input, sink);
    text.clear();
  }
  return 0;
}
