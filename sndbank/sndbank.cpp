// The sndbank driver: the numbered passes, in order, with their progress lines.
#include "sndbank/sndbank.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>

#include "common/image_header.h"
#include "common/platform.h"
#include "sndbank/banner.h"
#include "sndbank/cli.h"
#include "sndbank/library.h"
#include "sndbank/side_files.h"
#include "sndbank/verify.h"
#include "sndbank/word_list.h"

namespace sndbank {

namespace {

// Twelve minutes of 8,000 one-byte samples a second.
constexpr std::int64_t kMaxCustomAudioBytes = 5760000;
constexpr double kBytesPerMinute = 480000.0;
constexpr std::int64_t kFlashSector = 65536;

// Every table of the run, allocated once: nothing is allocated per word.
struct Workspace {
  WordList words;
  SampleCounts counts{};
  orva::HeaderBytes imageHeader{};
  LibHeaderBytes libraryHeader{};
  IndexBuffer index{};
  CopyBuffer copy{};
};

// Closes the library output on every way out of the run.
struct OutputFile {
  std::FILE* file = nullptr;
  ~OutputFile() { close(); }
  void close() {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
  }
};

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
bool writeImage(const BuildSettings& s, Workspace& w, const Layout& layout, std::FILE* file,
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
  return writeImageHeader(file, w.imageHeader, s.verbose, out) &&
         writeLibraryHeader(file, w.libraryHeader, s.verbose, out) &&
         writeIndexArea(file, w.index, layout.nBas, s.verbose, out) &&
         writeWordData(file, words, w.copy, out);
}

void writeSideFiles(const BuildSettings& s, const WordList& words, orva::Sink& out) {
  const SideFileHeader header{s.toolName, s.imageName, s.imageVersion, s.dateText};
  out.put("\nPass 4: Generate .inc output file...\n");
  writeIncludeFile(s.incFile, header, words, out);
  out.put("Done\n");
  out.put("\nPass 5: Generate tab-deliminted output file...\n");
  writeTabDelimitedFile(s.tabFile, header, words, out);
  out.put("Done\n");
  out.put("\nPass 5: Generate Named Constant output file...\n");
  writeNamedConstantFile(s.constantsFile, header, words, out);
  out.put("Done\n");
}

int runPasses(const BuildSettings& s, Workspace& w, orva::Sink& out) {
  OutputFile library;
  library.file = std::fopen(s.libraryFile, "wb");
  if (library.file == nullptr) {
    out.printf("Cannot create .bin output file %s.\n", s.libraryFile);
    return 0;
  }
  // Unbuffered: every write reaches the file at once, so a failed write is
  // seen at the piece that caused it. Samples go out in 8,192-byte blocks.
  std::setvbuf(library.file, nullptr, _IONBF, 0);
  w.words.clear();

  out.put("\nPass 1: Create file list\n");
  const bool listed = s.speechLibrary() ? listDefinitionFile(s, w.words, out)
                                        : listAudioDirectory(s, w.words, out);
  if (!listed) return 0;
  out.put("Done\n");
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
  if (sizes.refused) return 0;
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
               "Please remove or shorten some custom words",
               static_cast<double>(static_cast<float>(layout.wordData / kBytesPerMinute)), 12.0);
    return 0;
  }
  const std::int64_t total = totalImageSize(layout.nBas, layout.wordData);
  // Start addresses are 24-bit and must not begin with 0xFF.
  if (total >= kMaxImageSize) {
    out.printf("Error: the library would be %lld (0x%llX) bytes, but it must stay below %lld "
               "(0x%llX) bytes.\n",
               static_cast<long long>(total), static_cast<unsigned long long>(total),
               static_cast<long long>(kMaxImageSize),
               static_cast<unsigned long long>(kMaxImageSize));
    return 0;
  }

  if (!writeImage(s, w, layout, library.file, out)) return 0;
  library.close();
  out.printf("  Total File Size = %lld (0x%llX)\n", static_cast<long long>(total),
             static_cast<unsigned long long>(total));
  const std::int64_t sectors = (total + kFlashSector - 1) / kFlashSector;
  out.printf("  Flash Sectors Required to Store This File = %lld (0x%llX)\n",
             static_cast<long long>(sectors), static_cast<unsigned long long>(sectors));
  out.put("Done\n");

  if (s.speechLibrary()) writeSideFiles(s, w.words, out);

  out.put("\nPass 7: Verify Custom Audio Library file...\n");
  verifyLibrary({s.libraryFile, s.imageType, w.words.count, w.counts, s.debug}, out);
  out.put("Done\n");
  return 0;
}

}  // namespace

int runSndbank(int argc, char** argv, orva::Sink& out) {
  BuildSettings settings;
  if (const std::optional<int> status = parseCommandLine(argc, argv, settings, out)) {
    return *status;
  }
  const auto workspace = std::make_unique<Workspace>();
  return runPasses(settings, *workspace, out);
}

}  // namespace sndbank
