// The list of words a library will hold, and the three operations that fill
// it: probing an audio directory for NNNN.raw files, parsing a definition
// file, and measuring every word file (the size pass).
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

#include "common/sink.h"

namespace sndbank {

constexpr int kMaxWords = 8192;          // list and index capacity (MAX_WORDCODE_INDEX)
constexpr int kHighestWordCode = 4999;   // highest code either source accepts
constexpr std::size_t kFileNameSize = 120;  // 119 characters and a terminator
constexpr std::size_t kMaxDefinitionLine = 158;  // characters, line end not counted
constexpr std::size_t kMaxCodeToken = 11;

// Filled whole by WordList::append.
struct WordEntry {
  std::int32_t code;
  std::int32_t size;
  char fileName[kFileNameSize];
};

// Fixed-capacity list, filled from the front in ascending word-code order.
// Only the first `count` entries are ever read, so the table is left
// uninitialised: a library of a few hundred words touches only their part
// of its megabyte.
struct WordList {
  std::array<WordEntry, kMaxWords> entries;
  int count = 0;

  void clear() { count = 0; }
  // Appends a word; the caller has checked the capacity and the name length.
  void append(int code, const char* fileName, std::size_t nameLength);
};

// Byte (sample) count per word code; 0 means no word has that code.
using SampleCounts = std::array<std::int32_t, kMaxWords>;

enum class ScanResult { kSuccess, kOutOfRange, kNoEntries, kNameTooLong };

// Lists, in code order, every "<directory>/NNNN.raw" (code 0..8191) that
// opens for reading, or "NNNN.wav" where there is no .raw of that code; only
// names the directory holds are tried. Stops at the first code above 4999
// that has a file. Each file is opened once: the size of a regular,
// non-empty .raw file that is not too large is kept in its entry (a .wav
// file's samples are counted by the size pass).
ScanResult scanDirectory(const char* directory, WordList& list, orva::Sink& out);

enum class ParseResult {
  kEndReached,
  kOutOfRange,
  kOutOfOrder,
  kDuplicated,
  kMalformed,  // a line this parser refuses: too long, no code, bad code, no name
  kReadError,
};

// Reads the definition file line by line into the list.
ParseResult parseDefinitions(std::FILE* file, WordList& list, bool debug, orva::Sink& out);

struct SizeTotals {
  std::int64_t wordData = 0;  // sum over measured words of size + 3
  int indexEntries = 0;       // highest code + 1 (see below when ending early)
  bool refused = false;       // an unusable word file: the run must not go on
  bool refusedFormat = false; // one of them a WAV file not taken, or no WAV file
  bool endedEarly = false;    // a word file that did not open or close: the image is short
};

// The largest word file accepted; anything bigger cannot fit a library.
constexpr std::int64_t kMaxWordFileSize = 0xFF0000;

// Measures every listed word file (or takes the size the scan kept), fills
// the sample-count table and the entry sizes. `speechLibrary` selects the speech-library behaviour for a file
// that does not open (message and early end) over the custom-audio one (skip).
// When the pass ends early, indexEntries is the failing entry's own code.
SizeTotals sizeWords(WordList& list, SampleCounts& counts, bool speechLibrary, bool debug,
                     orva::Sink& out);

}  // namespace sndbank
