// Word list storage, the audio directory scan and the size pass.
#include "sndbank/word_list.h"

#include <dirent.h>
#include <sys/stat.h>

#include <array>
#include <bitset>
#include <memory>

#include <cerrno>
#include <cstring>

#include "common/platform.h"

#include "sndbank/wav_file.h"
#include "sndbank/word_reader.h"

namespace sndbank {

void WordList::append(int code, const char* fileName, std::size_t nameLength) {
  if (count >= kMaxWords || nameLength >= kFileNameSize) return;
  WordEntry& e = entries[static_cast<std::size_t>(count++)];
  e.code = code;
  e.size = 0;
  std::memcpy(e.fileName, fileName, nameLength);
  e.fileName[nameLength] = '\0';
}

namespace {

// Word files a directory holds, by code and kind, with the extension as the
// directory spells it (".raw", ".RAW", ".Wav", ...).
struct Candidates {
  using Extension = std::array<char, 4>;
  std::bitset<kMaxWords> raw;
  std::bitset<kMaxWords> wav;
  std::array<Extension, kMaxWords> rawExtension;
  std::array<Extension, kMaxWords> wavExtension;
};

// Marks the codes whose "NNNN.raw" or "NNNN.wav" name (in any case) the
// directory holds, so that only those are probed: one directory read
// instead of 8,192 failed opens. When the directory cannot be read, every
// code is a candidate. Where a name is there in two cases, the lower-case
// one is taken.
void findCandidates(const char* directory, Candidates& candidates) {
  DIR* dir = opendir(directory);
  if (dir == nullptr) {
    candidates.raw.set();
    candidates.wav.set();
    candidates.rawExtension.fill({'r', 'a', 'w', '\0'});
    candidates.wavExtension.fill({'w', 'a', 'v', '\0'});
    return;
  }
  while (const dirent* entry = readdir(dir)) {
    const char* n = entry->d_name;
    if (std::strlen(n) != 8) continue;
    const bool raw = hasRawName(n);
    if (!raw && !hasWavName(n)) continue;
    int code = 0;
    bool digits = true;
    for (int i = 0; i < 4; ++i) {
      digits = digits && n[i] >= '0' && n[i] <= '9';
      code = code * 10 + (n[i] - '0');
    }
    if (!digits || code >= kMaxWords) continue;
    const auto c = static_cast<std::size_t>(code);
    std::bitset<kMaxWords>& kind = raw ? candidates.raw : candidates.wav;
    Candidates::Extension& extension = (raw ? candidates.rawExtension : candidates.wavExtension)[c];
    const bool lowerCase = std::strcmp(n + 5, raw ? "raw" : "wav") == 0;
    if (!kind.test(c) || lowerCase) std::memcpy(extension.data(), n + 5, 4);
    kind.set(c);
  }
  closedir(dir);
}

// Whether "<directory>/NNNN.<kind>" is a word file; leaves its name in
// `name`, and in `size` the length of a regular file that opens (0 when not
// known). A directory or device of the name counts (the size pass refuses
// it); a regular file must open. Asking for the type first gives the same
// answer on Windows, which cannot open a directory.
bool probe(const char* directory, int code, const char* kind, char (&name)[kFileNameSize],
           long long& size) {
  std::snprintf(name, sizeof name, "%s/%04d.%s", directory, code, kind);
  size = 0;
  const orva::platform::FileType type = orva::platform::fileType(name);
  if (type == orva::platform::FileType::kMissing) return false;
  if (type != orva::platform::FileType::kRegular) return true;
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return false;
  struct stat info {};
  if (fstat(fileno(file), &info) == 0) size = static_cast<long long>(info.st_size);
  std::fclose(file);
  return true;
}

}  // namespace

ScanResult scanDirectory(const char* directory, WordList& list, orva::Sink& out) {
  list.count = 0;
  // "<directory>/NNNN.raw": the directory plus nine characters, for every code.
  const std::size_t nameLength = std::strlen(directory) + 9;
  if (nameLength >= kFileNameSize) {
    out.printf("Error: directory path '%s' is too long; word file names must stay below %zu "
               "characters.\n",
               directory, kFileNameSize);
    return ScanResult::kNameTooLong;
  }
  const auto candidates = std::make_unique_for_overwrite<Candidates>();
  findCandidates(directory, *candidates);
  char name[kFileNameSize];
  for (int code = 0; code < kMaxWords; ++code) {
    const auto c = static_cast<std::size_t>(code);
    // The .raw file of a code is taken over its .wav file. The length of a
    // .raw file, taken now, spares the size pass opening it again; a .wav
    // file's samples are counted there.
    long long size = 0;
    const bool raw = candidates->raw.test(c) &&
                     probe(directory, code, candidates->rawExtension[c].data(), name, size);
    if (!raw && !(candidates->wav.test(c) &&
                  probe(directory, code, candidates->wavExtension[c].data(), name, size))) {
      continue;
    }
    const bool usable = raw && size > 0 && size < kMaxWordFileSize;
    if (code > kHighestWordCode) {
      out.printf("Error: Word Code %04d, Filename '%s', out of range (0-4999)\n", code, name);
      return ScanResult::kOutOfRange;
    }
    list.append(code, name, nameLength);
    if (usable) {
      list.entries[static_cast<std::size_t>(list.count - 1)].size = static_cast<std::int32_t>(size);
    }
  }
  return list.count == 0 ? ScanResult::kNoEntries : ScanResult::kSuccess;
}

namespace {

enum class Measure { kMeasured, kSkipped, kEndPass, kRefused, kRefusedFormat };

// Opens, checks and measures one word file; prints the reason when it fails.
Measure measureWord(const WordEntry& e, bool speechLibrary, std::int64_t& size, orva::Sink& out) {
  // A directory or device has no meaningful length; asking before opening
  // also keeps a pipe from blocking the run, and Windows from failing the open.
  const orva::platform::FileType type = orva::platform::fileType(e.fileName);
  if (type == orva::platform::FileType::kDirectory || type == orva::platform::FileType::kOther) {
    out.printf("Error: During getImageSize, input file %s is not a regular file.\n", e.fileName);
    return Measure::kRefused;
  }
  std::FILE* file = std::fopen(e.fileName, "rb");
  if (file == nullptr) {
    if (!speechLibrary) return Measure::kSkipped;
    out.printf("Error: During getImageSize, input file %s cannot be opened, %s\n", e.fileName,
               std::strerror(errno));
    return Measure::kEndPass;
  }
  // The length of the open file, as seeking to its end would give it, but
  // without the stream reading its last block.
  struct stat info {};
  if (fstat(fileno(file), &info) != 0) {
    std::fclose(file);
    out.printf("Error: During getImageSize, cannot ftell %s file length.\n", e.fileName);
    return Measure::kEndPass;
  }
  long long position = static_cast<long long>(info.st_size);
  // A WAV word is as long as its data chunk gives samples at 8,000 Hz.
  if (hasWavName(e.fileName)) {
    WavLayout wav;
    WavText refusal;
    if (!readWavLayout(file, position, wav, refusal)) {
      std::fclose(file);
      out.printf("Error: During getImageSize, input file %s %s.\n", e.fileName, refusal.text);
      return Measure::kRefusedFormat;
    }
    position = wordSamples(wav);
  }
  if (std::fclose(file) != 0) {
    out.printf("Error: During getImageSize, cannot close %s,\n", e.fileName);
    return Measure::kEndPass;
  }
  // An empty word would have no index entry yet keep its place in the list.
  if (position == 0) {
    out.printf("Error: During getImageSize, input file %s is empty.\n", e.fileName);
    return Measure::kRefused;
  }
  if (position >= kMaxWordFileSize) {
    out.printf("Error: During getImageSize, input file %s is too large, %lld bytes.\n", e.fileName,
               position);
    return Measure::kRefused;
  }
  size = position;
  return Measure::kMeasured;
}

}  // namespace

SizeTotals sizeWords(WordList& list, SampleCounts& counts, bool speechLibrary, bool debug,
                     orva::Sink& out) {
  counts.fill(0);
  SizeTotals totals;
  int highest = 0;
  if (debug) {
    out.printf("\nPath=%s\n", orva::platform::currentDirectory().c_str());
  }
  for (int i = 0; i < list.count; ++i) {
    WordEntry& e = list.entries[static_cast<std::size_t>(i)];
    if (e.code > highest) highest = e.code;
    if (counts[static_cast<std::size_t>(e.code)] != 0) {
      out.printf("Error: Duplicate Word Code %04d\n", e.code);
    }
    // A size above zero was taken by the directory scan from the open file.
    std::int64_t size = e.size;
    switch (size > 0 ? Measure::kMeasured : measureWord(e, speechLibrary, size, out)) {
      case Measure::kSkipped: continue;
      // Every unusable file of the run is named before it stops.
      case Measure::kRefusedFormat: totals.refusedFormat = true; [[fallthrough]];
      case Measure::kRefused: totals.refused = true; continue;
      case Measure::kEndPass:
        totals.endedEarly = true;
        totals.indexEntries = highest;
        return totals;
      case Measure::kMeasured: break;
    }
    e.size = static_cast<std::int32_t>(size);
    counts[static_cast<std::size_t>(e.code)] = e.size;
    totals.wordData += size + 3;
    if (debug) {
      out.printf("wordCode=%04d, file %s, size %d (0x%X)\n", e.code, e.fileName, e.size,
                 static_cast<unsigned>(e.size));
    }
  }
  totals.indexEntries = highest + 1;
  if (debug) {
    out.printf("Speech Lib Image Size = %lld (0x%llX)\n", static_cast<long long>(totals.wordData),
               static_cast<unsigned long long>(totals.wordData));
  }
  return totals;
}

}  // namespace sndbank
