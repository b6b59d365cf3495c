// The library image: the image header, the speech-library header
// (sl_imageHeader), the word index (sl_index) and the word data blocks.
//
//   0     ffs_imageHeader (256)
//   256   sl_imageHeader: si_oBas u16, si_sBas u16, si_nBas u16, si_lBas u24, 0xFF
//   512   index: entry w = 3-byte start address + 0xFF, 0xFF x4 for no word
//   512 + sBas   per word: 3-byte stop address, then the folded samples
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>

#include "common/byte_view.h"
#include "common/image_header.h"
#include "common/sink.h"
#include "sndbank/word_list.h"
#include "sndbank/word_reader.h"

namespace sndbank {

constexpr std::size_t kLibHeaderSize = 256;
constexpr std::size_t kIndexEntrySize = 4;
constexpr std::size_t kIndexBufferSize = kMaxWords * kIndexEntrySize;  // 32,768
// Most word files fit one copy, with their stop address ahead of them.
constexpr std::size_t kCopyBufferSize = 65536;
constexpr unsigned kIndexOffsetUnits = 2;  // si_oBas: the index starts at 512
constexpr std::int64_t kIndexStart = 512;
// 24-bit addresses whose first byte must not be 0xFF (the "no word" mark).
constexpr std::int64_t kMaxImageSize = 0xFF0000;

namespace sl {
constexpr std::size_t kOBas = 0;  // u16, 256-byte units
constexpr std::size_t kSBas = 2;  // u16, 256-byte units
constexpr std::size_t kNBas = 4;  // u16, entries
constexpr std::size_t kLBas = 6;  // u24, first free address
}  // namespace sl

using LibHeaderBytes = std::array<std::uint8_t, kLibHeaderSize>;
using IndexBuffer = std::array<std::uint8_t, kIndexBufferSize>;
using CopyBuffer = std::array<std::uint8_t, kCopyBufferSize>;

// si_sBas: the index area in 256-byte units, nBas x 4 bytes rounded up.
constexpr std::int64_t indexAreaUnits(std::int64_t nBas) { return (nBas * 4 + 255) / 256; }
// Index area size in bytes.
constexpr std::int64_t indexAreaSize(int nBas) { return indexAreaUnits(nBas) * 256; }

// The flash file system stores a file in sectors of 64 KiB.
constexpr std::int64_t kFlashSector = 65536;
constexpr std::int64_t flashSectors(std::int64_t bytes) { return (bytes + kFlashSector - 1) / kFlashSector; }
constexpr std::int64_t totalImageSize(int nBas, std::int64_t wordData) {
  return kIndexStart + indexAreaSize(nBas) + wordData;
}

// The size fields of a library image's two headers, and what each must be
// in a sound image of `length` bytes: verification and the listing judge
// an image by the same rules.
struct LibraryHeaderFields {
  unsigned isz = 0;  // image header: bytes after it
  unsigned oBas = 0, sBas = 0, nBas = 0, lBas = 0;

  // Reads them from the image header and the library header's bytes.
  static LibraryHeaderFields read(const orva::HeaderBytes& header, orva::ByteView libHeader);

  bool iszFits(std::int64_t length) const {
    return length >= static_cast<std::int64_t>(orva::kHeaderSize) &&
           static_cast<std::int64_t>(isz) == length - static_cast<std::int64_t>(orva::kHeaderSize);
  }
  bool oBasSound() const { return oBas == kIndexOffsetUnits; }
  bool nBasSound() const { return nBas <= static_cast<unsigned>(kMaxWords); }
  bool sBasSound() const { return static_cast<std::int64_t>(sBas) == indexAreaUnits(nBas); }
  bool lBasFits(std::int64_t length) const { return static_cast<std::int64_t>(lBas) == length; }
};

// Sample sign folding: bytes from 0x80 up keep the top bit and have the low
// seven bits inverted (0x17F - b); bytes below 0x80 stay as they are.
constexpr std::uint8_t foldSample(std::uint8_t b) {
  return static_cast<std::uint8_t>(b ^ ((b >> 7) * 0x7F));
}
void foldSamples(std::uint8_t* bytes, std::size_t count);

void buildLibraryHeader(LibHeaderBytes& header, int nBas, std::int64_t wordData, bool debug,
                        orva::Sink& out);
void buildIndex(IndexBuffer& index, int nBas, const SampleCounts& counts, bool debug,
                orva::Sink& out);

// The four writers, in file order; each returns false on a failure that
// ends the run (after printing why).
bool writeImageHeader(std::FILE* file, const orva::HeaderBytes& header, bool verbose,
                      orva::Sink& out);
bool writeLibraryHeader(std::FILE* file, const LibHeaderBytes& header, bool verbose,
                        orva::Sink& out);
bool writeIndexArea(std::FILE* file, const IndexBuffer& index, int nBas, bool verbose,
                    orva::Sink& out);

struct WordDataContext {
  const WordList& list;
  const SampleCounts& counts;
  int nBas;
  std::int64_t wordData;
  bool verbose;
  bool debug;
};
// How the word data pass ended: every word copied; stopped at a word file
// that cannot be opened or closed (the image is short, the run goes on to
// report it); or a write that failed (the run ends).
enum class WordData { kComplete, kStoppedEarly, kFailed };
// Each word file is read through `reader`; with verbose, each converted
// word is described after it is written.
WordData writeWordData(std::FILE* file, const WordDataContext& words, CopyBuffer& buffer,
                       WordReader& reader, orva::Sink& out);

}  // namespace sndbank
