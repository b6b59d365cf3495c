// The sndbank driver: the numbered passes, in order, with their progress lines.
#include "sndbank/sndbank.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

#include "common/exit_status.h"
#include "common/image_header.h"
#include "common/platform.h"
#include "sndbank/banner.h"
#include "sndbank/cli.h"
#include "sndbank/library.h"
#include "sndbank/library_tools.h"
#include "sndbank/side_files.h"
#include "sndbank/staged_file.h"
#include "sndbank/verify.h"
#include "sndbank/wav_file.h"
#include "sndbank/word_list.h"

namespace sndbank {

namespace {

// Twelve minutes of 8,000 one-byte samples a second.
constexpr std::int64_t kMaxCustomAudioBytes = 5760000;
constexpr double kBytesPerMinute = 480000.0;

// Every table of the run, allocated once: nothing is allocated per word.
// Each pass fills what it uses before reading it, so nothing is cleared
// ahead (make_unique_for_overwrite): pages of the tables a run does not
// reach are never touched.
struct Workspace {
  WordList words;
  SampleCounts counts;
  orva::HeaderBytes imageHeader;
  LibHeaderBytes libraryHeader;
  IndexBuffer index;
  CopyBuffer copy;
  WordReader reader;
};

// The outputs of the run, each staged beside its target until the run has
// succeeded; whatever is still staged on the way out is removed.
struct Outputs {
  StagedFile library;
  std::array<StagedFile, 3> sideFiles;
};

using orva::kExitFailure;
using orva::kExitSuccess;

// Pass 1 in custom-audio mode; false when the run ends.
bool listAudioDirectory(const BuildSettings& s, WordList& words, orva::Sink& out) {
  std::error_code ec;
  const std::string absolute = orva::platform::absoluteDirectory(s.audioDirectory, ec);
  if (ec) {
    out.printf("Error: specified directory '%s' does not exist.\n", s.audioDirectory);
    out.put(kCustomAudioHelp);
    return false;
  }
  out.printf("  Building file list from %s ... ", absolute.c_str());
  if (scanDirectory(absolute.c_str(), words, out) != ScanResult::kSuccess) {
    out.put("Error\n\n");
    out.put("Error:  no entries were found in this directory with the format xxxx.raw.\n");
    out.put("Please correct the directory name or verify that entries are in the directory\n");
    out.printf("in the range 3000.raw through %d.raw.\n", kHighestWordCode);
    return false;
  }
  return true;
}

// With -v: the .wav files the scan passed over for a .raw of the same code.
void reportPassedOverWavFiles(const WordList& words, orva::Sink& out) {
  for (int i = 0; i < words.count; ++i) {
    const WordEntry& e = words.entries[static_cast<std::size_t>(i)];
    if (hasWavName(e.fileName)) continue;
    char wav[kFileNameSize];
    const std::size_t n = std::strlen(e.fileName);  // "<directory>/NNNN.raw"
    std::memcpy(wav, e.fileName, n - 3);
    std::memcpy(wav + n - 3, "wav", 4);
    if (orva::platform::fileType(wav) != orva::platform::FileType::kMissing) {
      out.printf("  %s is passed over: %04d.raw has the same code.\n", wav, e.code);
    }
  }
}

// Pass 1 in speech-library mode; false when the run ends.
bool listDefinitionFile(const BuildSettings& s, WordList& words, orva::Sink& out) {
  out.printf("Parse %s...\n", s.definitionFile);
  // Windows refuses to open a directory; POSIX opens it and the first read
  // fails. Both report the read error.
  if (orva::platform::fileType(s.definitionFile) == orva::platform::FileType::kDirectory) {
    out.printf("Error: the definition file cannot be read, %s\n", std::strerror(EISDIR));
    return false;
  }
  // Binary, so that the bytes read are the same everywhere (the parser takes
  // CR LF line ends itself).
  std::FILE* file = std::fopen(s.definitionFile, "rb");
  if (file == nullptr) {
    out.printf("Input file %s cannot be opened.\n", s.definitionFile);
    return false;
  }
  const ParseResult result = parseDefinitions(file, words, s.debug, out);
  std::fclose(file);
  return result == ParseResult::kEndReached;
}

// Passes 1 and 2 leave these behind for the writer.
struct Layout {
  int nBas = 0;
  std::int64_t wordData = 0;
};

// Pass 3: builds the headers and index and writes the four pieces.
WordData writeImage(const BuildSettings& s, Workspace& w, const Layout& layout, std::FILE* file,
                    orva::Sink& out) {
  out.put("\nPass 3: Build Headers and Custom Audio Library file...\n");
  if (s.verbose) {
    out.printf("  Name          = %s\n", s.imageName);
    out.printf("  Version       = %s\n", s.imageVersion);
    out.printf("  DateTime      = %s\n", s.dateText);
    out.printf("  sizeof(ffs_imageHeader) = 0x%zX\n", orva::kHeaderSize);
  }
  buildLibraryHeader(w.libraryHeader, layout.nBas, layout.wordData, s.debug, out);
  buildIndex(w.index, layout.nBas, w.counts, s.debug, out);
  const std::int64_t total = totalImageSize(layout.nBas, layout.wordData);
  w.imageHeader = orva::buildHeader({s.imageName, s.imageVersion, s.dateText,
                                     static_cast<std::uint8_t>(s.imageType),
                                     static_cast<std::uint32_t>(total - orva::kHeaderSize)});
  const WordDataContext words{w.words, w.counts, layout.nBas, layout.wordData, s.verbose, s.debug};
  const bool headersWritten = writeImageHeader(file, w.imageHeader, s.verbose, out) &&
                              writeLibraryHeader(file, w.libraryHeader, s.verbose, out) &&
                              writeIndexArea(file, w.index, layout.nBas, s.verbose, out);
  return headersWritten ? writeWordData(file, words, w.copy, w.reader, out) : WordData::kFailed;
}

// Passes 4 and 5: each side file is staged; one that cannot be created or
// written is reported and the run goes on. True when all three were written.
bool writeSideFiles(const BuildSettings& s, const WordList& words,
                    std::array<StagedFile, 3>& staged, orva::Sink& out) {
  struct Pass {
    const char* heading;
    SideFile kind;
    const char* path;
  };
  const std::array<Pass, 3> passes{{
      {"\nPass 4: Generate .inc output file...\n", SideFile::kInclude, s.incFile},
      {"\nPass 5: Generate tab-deliminted output file...\n", SideFile::kTabDelimited, s.tabFile},
      {"\nPass 5: Generate Named Constant output file...\n", SideFile::kNamedConstants,
       s.constantsFile},
  }};
  const SideFileHeader header{s.toolName, s.imageName, s.imageVersion, s.dateText};
  bool allWritten = true;
  for (std::size_t i = 0; i < passes.size(); ++i) {
    const Pass& p = passes[i];
    out.put(p.heading);
    if (!staged[i].open(p.path, "w")) {
      reportCreationFailure(p.kind, p.path, out);
      allWritten = false;
    } else if (!writeSideFile(p.kind, staged[i].file(), header, words) || !staged[i].close()) {
      out.printf("Error: %s could not be written; the previous file is kept.\n", p.path);
      staged[i].discard();
      allWritten = false;
    }
    out.put("Done\n");
  }
  return allWritten;
}

// Moves the verified library, then each side file written, over its target
// (a side file that failed was discarded and has nothing to move).
bool commitOutputs(const BuildSettings& s, Outputs& outputs, orva::Sink& out) {
  if (!outputs.library.commit()) {
    out.printf("Error: cannot replace %s; the previous file is kept.\n", s.libraryFile);
    return false;
  }
  const std::array<const char*, 3> paths{s.incFile, s.tabFile, s.constantsFile};
  bool all = true;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    if (!outputs.sideFiles[i].commit()) {
      out.printf("Error: cannot replace %s; the previous file is kept.\n", paths[i]);
      all = false;
    }
  }
  return all;
}

// Every early end and every failure returns kExitFailure; the outputs are
// moved in place only when the library was written whole and verified.
int runPasses(const BuildSettings& s, Workspace& w, Outputs& outputs, orva::Sink& out) {
  StagedFile& library = outputs.library;
  if (!library.open(s.libraryFile, "wb")) {
    out.printf("Cannot create .bin output file %s.\n", s.libraryFile);
    return kExitFailure;
  }
  // Unbuffered: every write reaches the file at once, so a failed write is
  // seen at the piece that caused it. Samples go out in 8,192-byte blocks.
  std::setvbuf(library.file(), nullptr, _IONBF, 0);
  w.words.clear();

  out.put("\nPass 1: Create file list\n");
  const bool listed = s.speechLibrary() ? listDefinitionFile(s, w.words, out)
                                        : listAudioDirectory(s, w.words, out);
  if (!listed) return kExitFailure;
  out.put("Done\n");
  if (s.verbose && !s.speechLibrary()) reportPassedOverWavFiles(w.words, out);
  out.printf("  Number of Speech Files Found = %d\n", w.words.count);
  if (s.debug) {
    out.put("\nWord definitions found:\n");
    for (int i = 0; i < w.words.count; ++i) {
      const WordEntry& e = w.words.entries[static_cast<std::size_t>(i)];
      out.printf("wordCode=%04d filename=%s\n", e.code, e.fileName);
    }
  }

  out.put("\nPass 2: getImageSize from all files...");
  const SizeTotals sizes = sizeWords(w.words, w.counts, s.speechLibrary(), s.debug, out);
  if (sizes.refused) {
    if (sizes.refusedFormat) out.put(kWordFilesTaken);
    return kExitFailure;
  }
  const Layout layout{sizes.indexEntries, sizes.wordData};
  out.put("Done\n");
  out.printf("  Number of Bytes to Store Word Data=%lld (0x%llX, Does not include index and "
             "fileheader)\n",
             static_cast<long long>(layout.wordData),
             static_cast<unsigned long long>(layout.wordData));
  out.printf("  Number of SpeechLib Index Entries Required=%d (0x%X)\n", layout.nBas,
             static_cast<unsigned>(layout.nBas));

  if (!s.speechLibrary() && layout.wordData > kMaxCustomAudioBytes) {
    out.printf("You have %2.2f minutes of custom audio but the maximum is %2.2f minutes.\n"
               "Please remove or shorten some custom words\n",
               static_cast<double>(static_cast<float>(layout.wordData / kBytesPerMinute)), 12.0);
    return kExitFailure;
  }
  const std::int64_t total = totalImageSize(layout.nBas, layout.wordData);
  // Start addresses are 24-bit and must not begin with 0xFF.
  if (total >= kMaxImageSize) {
    out.printf("Error: the library would be %lld (0x%llX) bytes, but it must stay below %lld "
               "(0x%llX) bytes.\n",
               static_cast<long long>(total), static_cast<unsigned long long>(total),
               static_cast<long long>(kMaxImageSize),
               static_cast<unsigned long long>(kMaxImageSize));
    return kExitFailure;
  }

  const WordData written = writeImage(s, w, layout, library.file(), out);
  if (written == WordData::kFailed) return kExitFailure;
  if (!library.close()) {
    out.printf("Error: %s could not be written; the previous file is kept.\n", s.libraryFile);
    return kExitFailure;
  }
  out.printf("  Total File Size = %lld (0x%llX)\n", static_cast<long long>(total),
             static_cast<unsigned long long>(total));
  const std::int64_t sectors = flashSectors(total);
  out.printf("  Flash Sectors Required to Store This File = %lld (0x%llX)\n",
             static_cast<long long>(sectors), static_cast<unsigned long long>(sectors));
  out.put("Done\n");

  const bool sideFilesWritten =
      !s.speechLibrary() || writeSideFiles(s, w.words, outputs.sideFiles, out);

  out.put("\nPass 7: Verify Custom Audio Library file...\n");
  const bool verified =
      verifyLibrary({library.path(), s.imageType, w.words.count, w.counts, s.debug}, out);
  out.put("Done\n");
  // A short image is never put in place; side files that were written go in
  // with a library that verifies, even when another one failed.
  const bool imageWhole = !sizes.endedEarly && written == WordData::kComplete;
  if (!verified || !imageWhole) return kExitFailure;
  const bool committed = commitOutputs(s, outputs, out);
  return committed && sideFilesWritten ? kExitSuccess : kExitFailure;
}

}  // namespace

int runSndbank(int argc, char** argv, orva::Sink& out) {
  BuildSettings settings;
  if (const std::optional<int> status = parseCommandLine(argc, argv, settings, out)) {
    return *status;
  }
  switch (settings.task) {
    case Task::kBuild: break;
    case Task::kList: return listLibrary(settings.imageFile, out);
    case Task::kExtractRaw:
    case Task::kExtractWav:
      return extractLibrary(settings.imageFile, settings.wordDirectory,
                            settings.task == Task::kExtractWav ? WordFormat::kWav : WordFormat::kRaw,
                            settings.debug, out);
  }
  const auto workspace = std::make_unique_for_overwrite<Workspace>();
  Outputs outputs;
  return runPasses(settings, *workspace, outputs, out);
}

}  // namespace sndbank
