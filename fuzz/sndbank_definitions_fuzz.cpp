// Fuzzes the definition-file parser of sndbank: the input is the text of a
// definition file, read through an in-memory stream with and without the
// per-line debug trace.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "common/sink.h"
#include "host/host.h"
#include "sndbank/word_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The list holds 8192 entries of 128 bytes: one for the whole run.
  static const auto list = std::make_unique<sndbank::WordList>();
  std::string text;
  orva::Sink sink(text);
  for (bool debug : {false, true}) {
    std::FILE* file = testhost::openBytes(data, size);
    if (file == nullptr) return 0;
    list->clear();
    sndbank::parseDefinitions(file, *list, debug, sink);
    std::fclose(file);
    // Whatever was accepted must keep the list's promises.
    if (list->count < 0 || list->count > sndbank::kMaxWords) __builtin_trap();
    for (int i = 0; i < list->count; ++i) {
      const auto& e = list->entries[static_cast<std::size_t>(i)];
      if (e.code < 0 || e.code > sndbank::kHighestWordCode) __builtin_trap();
      if (i > 0 && e.code <= list->entries[static_cast<std::size_t>(i) - 1].code) __builtin_trap();
    }
    text.clear();
  }
  return 0;
}
