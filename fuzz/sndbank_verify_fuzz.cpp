// Fuzzes the verification of a library image: the input is the image file.
// The verifier reads a path, so each input is written to one scratch file
// first. The word list it checks against is fixed: three words, with sample
// counts that the seeds' images hold.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/sink.h"
#include "fuzz/scratch_file.h"
#include "sndbank/verify.h"
#include "sndbank/word_list.h"

namespace {

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
  const std::string& path = fuzzing::scratchPath("image.bin");
  fuzzing::writeScratch(path, data, size);

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
