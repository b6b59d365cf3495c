// Fuzzes the WAV word file reader through the size pass and the word data
// pass of a build: the input is the word file. Both passes must agree on the
// number of samples, and nothing is read outside the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "common/sink.h"
#include "fuzz/scratch_file.h"
#include "sndbank/library.h"
#include "sndbank/word_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = fuzzing::scratchPath("word.wav");
  fuzzing::writeScratch(path, data, size);
  static const auto list = std::make_unique<sndbank::WordList>();
  static const auto counts = std::make_unique<sndbank::SampleCounts>();
  static const auto buffer = std::make_unique<sndbank::CopyBuffer>();
  static const auto reader = std::make_unique<sndbank::WordReader>();
  list->clear();
  list->append(1, path.c_str(), path.size());
  std::string text;
  orva::Sink sink(text);
  const sndbank::SizeTotals sizes = sndbank::sizeWords(*list, *counts, true, false, sink);
  if (sizes.refused || sizes.endedEarly) return 0;
  std::FILE* image = std::tmpfile();
  if (image == nullptr) std::abort();
  const sndbank::WordDataContext words{*list, *counts, sizes.indexEntries, sizes.wordData, false, false};
  const sndbank::WordData written = sndbank::writeWordData(image, words, *buffer, *reader, sink);
  const long length = std::ftell(image);
  std::fclose(image);
  // A word the size pass accepted is copied whole: stop address and samples.
  if (written != sndbank::WordData::kComplete || length != sizes.wordData) __builtin_trap();
  return 0;
}
