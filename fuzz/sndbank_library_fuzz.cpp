// Fuzzes the listing and the extraction of a library image: the input is the
// image file. Extracted words go to one scratch directory, emptied each run.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/sink.h"
#include "fuzz/scratch_file.h"
#include "sndbank/library_tools.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = fuzzing::scratchPath("image.bin");
  fuzzing::writeScratch(path, data, size);
  const std::string words = path + ".words";
  std::string text;
  orva::Sink sink(text);
  sndbank::listLibrary(path.c_str(), sink);
  const int raw = sndbank::extractLibrary(path.c_str(), words.c_str(), sndbank::WordFormat::kRaw, true, sink);
  const int wav = sndbank::extractLibrary(path.c_str(), words.c_str(), sndbank::WordFormat::kWav, false, sink);
  // The same image gives the same verdict whatever the word format.
  if (raw != wav) __builtin_trap();
  std::error_code ec;
  std::filesystem::remove_all(words, ec);
  return 0;
}
