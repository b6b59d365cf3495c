// A library image read back from a file, for listing it and extracting its
// words: its headers, its index and where each word's samples are. Every
// address the file holds is checked against the bytes loaded before use.
#pragma once

#include <cstdint>
#include <vector>

#include "common/byte_view.h"
#include "common/image_header.h"
#include "common/sink.h"
#include "sndbank/library.h"

namespace sndbank {

// The largest file a 24-bit address can reach: more is not read.
constexpr std::size_t kMaxLoadedImage = 0x1000000;

struct LibraryImage : LibraryHeaderFields {
  std::vector<std::uint8_t> bytes;  // the file, up to kMaxLoadedImage
  bool cut = false;                 // the file is longer than that
  orva::HeaderBytes header{};       // 0xFF where the file is shorter
  unsigned type = 0;

  orva::ByteView view() const { return {bytes.data(), bytes.size()}; }
  bool isLibrary() const;
  // Index entries inside the file: at most nBas and the index capacity.
  unsigned readableEntries() const;
};

// Reads the file whole; false, with a message, when it cannot be read.
bool loadLibraryImage(const char* path, LibraryImage& image, orva::Sink& out);

enum class WordProblem {
  kNone,
  kStartOutside,    // the start address is past the end of the file
  kStopOutside,     // the stop address is past the end of the file
  kNoSamples,       // the stop address is not after the start's stop field
  kOverlapsNext,    // the next word starts inside this one's samples
  kGapBeforeNext,   // the next word does not start right after this one
  kStopNotLBas,     // the last word does not end where si_lBas says data ends
};

// A used index entry and where its samples are.
struct IndexedWord {
  unsigned code = 0;
  std::uint32_t start = 0;  // address of the 3-byte stop field
  std::uint32_t stop = 0;   // address of the last sample
  std::int64_t samples = 0;
  unsigned nextCode = 0;  // the following used entry, for the problem text
  std::uint32_t nextStart = 0;
  WordProblem problem = WordProblem::kNone;

  // Whether the samples lie inside the file, clear of the next word.
  bool extractable() const {
    return problem == WordProblem::kNone || problem == WordProblem::kGapBeforeNext ||
           problem == WordProblem::kStopNotLBas;
  }
};

// Calls visit(const IndexedWord&) for every used index entry in code order.
template <typename Visit>
void forEachWord(const LibraryImage& image, Visit&& visit);

// Prints the problem of a word as one line, with `lead` before it.
void printWordProblem(const IndexedWord& w, const char* lead, orva::Sink& out);

}  // namespace sndbank

#include "sndbank/library_image_walk.h"
