// Builds the library header and index, and writes the image piece by piece.
#include "sndbank/library.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "common/platform.h"
#include "sndbank/wav_file.h"

namespace sndbank {

namespace {

std::int64_t fileLength(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long length = std::ftell(file);
  std::rewind(file);
  return length < 0 ? 0 : length;
}

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

// Writes one word data block: the stop address, then the folded samples.
// The stop address travels in the copy buffer ahead of the first samples,
// so that a word that fits the buffer takes one read and one write.
Copy writeWordBlock(std::FILE* file, const WordEntry& e, std::int64_t address,
                    CopyBuffer& buffer, orva::Sink& out) {
  constexpr std::size_t kStop = 3;
  putU24(buffer.data(), static_cast<std::uint32_t>(address + e.size + 2));
  std::FILE* in = std::fopen(e.fileName, "rb");
  if (in == nullptr) {
    const int openError = errno;
    if (!writeBlockPiece(file, e, buffer.data(), kStop, kStop, out)) return Copy::kFailed;
    out.printf("Error: During writeSLData, input file %s cannot be opened, %s\n", e.fileName,
               std::strerror(openError));
    return Copy::kStopEarly;
  }
  // Reads go straight into the copy buffer; no second buffer per file. A WAV
  // word's samples are its data chunk, converted to one byte each.
  std::setvbuf(in, nullptr, _IONBF, 0);
  const bool isWav = hasWavName(e.fileName);
  WavLayout wav;
  std::int64_t toRead = INT64_MAX;  // a raw word: to the end of the file
  if (isWav) {
    WavRefusal refusal;
    if (!readWavLayout(in, fileLength(in), wav, refusal) ||
        std::fseek(in, static_cast<long>(wav.dataOffset), SEEK_SET) != 0) {
      wav.samples = 0;
    }
    toRead = wav.samples * wav.bytesPerSample;
  }
  std::int64_t bytesRead = 0;  // samples, for a WAV word
  std::size_t stop = kStop;  // stop address bytes still ahead in the buffer
  for (;;) {
    const std::size_t room = buffer.size() - stop;
    const std::size_t whole = room - room % wav.bytesPerSample;
    const std::size_t want =
        toRead < static_cast<std::int64_t>(whole) ? static_cast<std::size_t>(toRead) : whole;
    const std::size_t got = want > 0 ? std::fread(buffer.data() + stop, 1, want, in) : 0;
    if (got == 0 && stop == 0) break;
    toRead -= static_cast<std::int64_t>(got);
    const std::size_t n =
        isWav ? wavToRaw(buffer.data() + stop, got - got % wav.bytesPerSample, wav.bytesPerSample)
              : got;
    bytesRead += static_cast<std::int64_t>(n);
    foldSamples(buffer.data() + stop, n);
    if (!writeBlockPiece(file, e, buffer.data(), stop + n, stop, out)) {
      std::fclose(in);
      return Copy::kFailed;
    }
    stop = 0;
    if (got < want || toRead == 0) break;  // a short block is the end of the file
  }
  if (bytesRead != e.size) {
    out.printf("Error: During writeSLData of file %s, fread expected %d, actual %lld\n",
               e.fileName, e.size, static_cast<long long>(bytesRead));
    std::fclose(in);
    return Copy::kFailed;
  }
  if (std::fclose(in) != 0) {
    out.printf("Error: During writeSLData, cannot close %s, %s.\n", e.fileName,
               std::strerror(errno));
    return Copy::kStopEarly;
  }
  return Copy::kDone;
}

}  // namespace

WordData writeWordData(std::FILE* file, const WordDataContext& words, CopyBuffer& buffer,
                       orva::Sink& out) {
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
    switch (writeWordBlock(file, e, address, buffer, out)) {
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
