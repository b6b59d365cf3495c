// Re-reads a written library image and checks its headers, index and every
// word's stop address against the word list held in memory.
#pragma once

#include "common/sink.h"
#include "sndbank/word_list.h"

namespace sndbank {

struct VerifyInput {
  const char* path;
  unsigned imageType;
  int wordCount;               // entries in the word list
  const SampleCounts& counts;  // from the size pass, not from the file
  bool debug;
};

// Prints one "Verify Pass" or "VERIFY ERROR" line per check. Only a file
// that cannot be opened ends it early. True when every check passed.
bool verifyLibrary(const VerifyInput& input, orva::Sink& out);

}  // namespace sndbank
