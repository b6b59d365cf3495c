// Builds the library header and index, and writes the image piece by piece.
#include "sndbank/library.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "common/platform.h"
#include "sndbank/wav_file.h"

namespace sndbank {

LibraryHeaderFields LibraryHeaderFields::read(const orva::HeaderBytes& header, orva::ByteView libHeader) {
  return {orva::headerSize(header), libHeader.u16(sl::kOBas), libHeader.u16(sl::kSBas), libHeader.u16(sl::kNBas),
          libHeader.u24(sl::kLBas)};
}

namespace {

void putU16(std::uint8_t* at, unsigned value) {
  at[0] = static_cast<std::uint8_t>(value >> 8);
  at[1] = static_cast<std::uint8_t>(value);
}

void putU24(std::uint8_t* at, std::uint32_t value) {
  at[0] = static_cast<std::uint8_t>(value >> 16);
  at[1] = static_cast<std::uint8_t>(value >> 8);
  at[2] = static_cast<std::uint8_t>(value);
}

// Writes a whole 256-byte header; a short write is reported as a failure.
bool writeHeaderBlock(std::FILE* file, const std::uint8_t* bytes, const char* name, bool verbose,
                      orva::Sink& out) {
  const std::size_t written = std::fwrite(bytes, 1, orva::kHeaderSize, file);
  if (written != orva::kHeaderSize) {
    out.printf("Error: entire %s not written, expected=0x%zX, actual=0x%zX\n", name,
               orva::kHeaderSize, written);
    return false;
  }
  if (verbose) out.printf("  %s bytes written = 0x%zX\n", name, written);
  return true;
}

}  // namespace

void foldSamples(std::uint8_t* bytes, std::size_t count) {
  // Written as a compare and a mask, which compilers turn into whole-vector
  // operations; the same result as foldSample for every byte.
  for (std::size_t i = 0; i < count; ++i) {
    bytes[i] = static_cast<std::uint8_t>(bytes[i] ^ (bytes[i] >= 0x80 ? 0x7F : 0x00));
  }
}

void buildLibraryHeader(LibHeaderBytes& header, int nBas, std::int64_t wordData, bool debug,
                        orva::Sink& out) {
  const std::int64_t sBas = indexAreaSize(nBas);
  const std::int64_t firstFree = totalImageSize(nBas, wordData);
  header.fill(0xFF);
  putU16(&header[sl::kOBas], kIndexOffsetUnits);
  putU16(&header[sl::kSBas], static_cast<unsigned>(sBas / 256));
  putU16(&header[sl::kNBas], static_cast<unsigned>(nBas));
  putU24(&header[sl::kLBas], static_cast<std::uint32_t>(firstFree));
  if (debug) {
    out.printf("oBas=%d (0x%X), sBas=%d (0x%X), nBas=%d (0x%X), firstFree=%d (0x%X)\n",
               static_cast<int>(kIndexStart), static_cast<unsigned>(kIndexStart),
               static_cast<int>(sBas), static_cast<unsigned>(sBas), nBas,
               static_cast<unsigned>(nBas), static_cast<int>(firstFree),
               static_cast<unsigned>(firstFree));
  }
}

void buildIndex(IndexBuffer& index, int nBas, const SampleCounts& counts, bool debug,
                orva::Sink& out) {
  index.fill(0xFF);
  std::int64_t address = kIndexStart + indexAreaSize(nBas);
  const int last = nBas < kMaxWords ? nBas : kMaxWords;
  for (int code = 0; code < last; ++code) {
    const std::int32_t samples = counts[static_cast<std::size_t>(code)];
    if (samples <= 0) continue;
    if (debug) {
      out.printf("wordCode=%04d, oSL=%d (0x%X), cSamples=%d (0x%X)\n", code,
                 static_cast<int>(address), static_cast<unsigned>(address), samples,
                 static_cast<unsigned>(samples));
    }
    putU24(&index[static_cast<std::size_t>(code) * kIndexEntrySize],
           static_cast<std::uint32_t>(address));
    address += samples + 3;
  }
  if (debug) {
    out.printf("firstFree=%d (0x%X)\n", static_cast<int>(address), static_cast<unsigned>(address));
  }
}

bool writeImageHeader(std::FILE* file, const orva::HeaderBytes& header, bool verbose,
                      orva::Sink& out) {
  return writeHeaderBlock(file, header.data(), "ffs_imageHeader", verbose, out);
}

bool writeLibraryHeader(std::FILE* file, const LibHeaderBytes& header, bool verbose,
                        orva::Sink& out) {
  return writeHeaderBlock(file, header.data(), "sl_imageHeader", verbose, out);
}

bool writeIndexArea(std::FILE* file, const IndexBuffer& index, int nBas, bool verbose,
                    orva::Sink& out) {
  std::size_t area = static_cast<std::size_t>(indexAreaSize(nBas));
  if (area > index.size()) area = index.size();
  const std::size_t written = area == 0 ? 0 : std::fwrite(index.data(), 1, area, file);
  if (written != area) {
    out.printf("Error: entire Word Index not written, expected=0x%zX, actual=0x%zX\n", area,
               written);
    return false;
  }
  if (verbose) out.printf("  sl_index bytes written = 0x%zX\n", written);
  return true;
}

namespace {

enum class Copy { kDone, kFailed, kStopEarly };

// Writes `count` bytes of a word data block whose first `stopBytes` bytes
// are (the rest of) its stop address; a short write is reported against the
// piece it fell in.
bool writeBlockPiece(std::FILE* file, const WordEntry& e, const std::uint8_t* bytes,
                     std::size_t count, std::size_t stopBytes, orva::Sink& out) {
  const std::size_t written = std::fwrite(bytes, 1, count, file);
  if (written == count) return true;
  if (written < stopBytes) {
    static const char* const kByteNames[] = {"MSB", "NSB", "LSB"};
    out.printf("Error: in writeSLData, oSLStop_%s not written, expected=0x%X, actual=0x%X\n",
               kByteNames[written], 1u, 0u);
  } else {
    out.printf("Error: During writeSLData of file %s, fwrite expected %d, actual %d\n", e.fileName,
               static_cast<int>(count - stopBytes), static_cast<int>(written - stopBytes));
  }
  return false;
}

// "19,200": a count with its thousands set apart.
void groupThousands(std::int64_t value, char (&text)[32]) {
  char digits[24];
  const int n = std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
  int at = 0;
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0 && digits[i - 1] != '-') text[at++] = ',';
    text[at++] = digits[i];
  }
  text[at] = '\0';
}

// After a word: what -v says about a converted word, and the warnings.
void reportWord(const WordEntry& e, const WordReader& reader, bool verbose, orva::Sink& out) {
  if (verbose && reader.isWav()) {
    WavText from;
    describeLayout(reader.layout(), from);
    char samples[32];
    groupThousands(e.size, samples);
    out.printf("  %s: %s, %.1f s -> %s samples\n", e.fileName, from.text,
               static_cast<double>(reader.layout().frames) / reader.layout().rate, samples);
  }
  if (reader.clipped() > 0) {
    const bool one = reader.clipped() == 1;
    out.printf("Warning: %s: %lld %s above full scale %s clipped.\n", e.fileName,
               static_cast<long long>(reader.clipped()), one ? "sample" : "samples",
               one ? "was" : "were");
  }
  if (!reader.isWav() && reader.looksUnsigned()) {
    out.printf("Warning: %s looks like unsigned 8-bit samples (they centre on 128, not 0); a .raw "
               "word must hold signed 8-bit samples. It is taken as it is.\n",
               e.fileName);
  }
}

// Writes one word data block: the stop address, then the folded samples.
// The stop address travels in the copy buffer ahead of the first samples,
// so that a word that fits the buffer takes one read and one write.
Copy writeWordBlock(std::FILE* file, const WordEntry& e, std::int64_t address,
                    CopyBuffer& buffer, WordReader& reader, bool verbose, orva::Sink& out) {
  constexpr std::size_t kStop = 3;
  putU24(buffer.data(), static_cast<std::uint32_t>(address + e.size + 2));
  if (!reader.open(e.fileName)) {
    const int openError = errno;
    if (!writeBlockPiece(file, e, buffer.data(), kStop, kStop, out)) return Copy::kFailed;
    out.printf("Error: During writeSLData, input file %s cannot be opened, %s\n", e.fileName,
               std::strerror(openError));
    return Copy::kStopEarly;
  }
  std::int64_t samples = 0;
  std::size_t stop = kStop;  // stop address bytes still ahead in the buffer
  for (;;) {
    const std::size_t n = reader.read(buffer.data() + stop, buffer.size() - stop);
    if (n == 0 && stop == 0) break;
    samples += static_cast<std::int64_t>(n);
    foldSamples(buffer.data() + stop, n);
    if (!writeBlockPiece(file, e, buffer.data(), stop + n, stop, out)) {
      reader.close();
      return Copy::kFailed;
    }
    stop = 0;
    if (n == 0) break;
  }
  if (samples != e.size) {
    out.printf("Error: During writeSLData of file %s, fread expected %d, actual %lld\n",
               e.fileName, e.size, static_cast<long long>(samples));
    reader.close();
    return Copy::kFailed;
  }
  if (!reader.close()) {
    out.printf("Error: During writeSLData, cannot close %s, %s.\n", e.fileName,
               std::strerror(errno));
    return Copy::kStopEarly;
  }
  reportWord(e, reader, verbose, out);
  return Copy::kDone;
}

}  // namespace

WordData writeWordData(std::FILE* file, const WordDataContext& words, CopyBuffer& buffer,
                       WordReader& reader, orva::Sink& out) {
  std::int64_t address = kIndexStart + indexAreaSize(words.nBas);
  constexpr std::int64_t kSendToDiskEvery = 1 << 20;
  std::int64_t sentToDisk = 0;
  // The list is in ascending code order; words the size pass did not measure
  // have no samples and are passed over, so each block pairs with its entry.
  for (int i = 0; i < words.list.count; ++i) {
    const WordEntry& e = words.list.entries[static_cast<std::size_t>(i)];
    if (e.code < 0 || e.code >= kMaxWords || words.counts[static_cast<std::size_t>(e.code)] <= 0) {
      continue;
    }
    if (words.debug) {
      out.printf("writeSLData: wordCode=%04d, file=%s, size=%d\n", e.code, e.fileName, e.size);
    }
    switch (writeWordBlock(file, e, address, buffer, reader, words.verbose, out)) {
      case Copy::kFailed: return WordData::kFailed;
      case Copy::kStopEarly: return WordData::kStoppedEarly;
      case Copy::kDone: break;
    }
    address += e.size + 3;
    // The samples written so far start on their way to the disk while the
    // copy goes on (the library's replacement at the end waits for them).
    if (address - sentToDisk >= kSendToDiskEvery) {
      orva::platform::startWriting(file);
      sentToDisk = address;
    }
    if (words.debug) out.printf("Copied file %s\n", e.fileName);
  }
  if (words.verbose) {
    out.printf("  Speech Lib data bytes written = 0x%llX\n",
               static_cast<unsigned long long>(words.wordData));
  }
  return WordData::kComplete;
}

}  // namespace sndbank
