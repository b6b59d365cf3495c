// Library image layout and writer, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "common/platform.h"
#include "golden_support.h"
#include "sndbank/library.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testsupport::buildSpeechLibrary;
using testsupport::ramp;
using testsupport::readFile;
using testsupport::ScratchDir;
using testsupport::writeRamp;

std::string bytes(std::initializer_list<int> values) {
  std::string b;
  for (int v : values) b += static_cast<char>(v);
  return b;
}
std::string ff(std::size_t count) { return std::string(count, '\xFF'); }


// With -d: every pass's debug lines (the definition file's each line as
// read, CR LF and all), the run's own paths written as DIR and CWD.
TEST(LibraryImage, OneHundredByteWord3000IsTheWorkedExample) {
  ScratchDir dir;
  writeRamp(dir / "w.raw", 100);
  testsupport::writeFile(dir / "words.def", "\n# note\n3000 " + (dir / "w.raw") + "\r\n");
  std::vector<std::string> args = testsupport::speechArgs(dir);
  args.insert(args.begin() + 1, "-d");
  std::string text = testsupport::runSndbankInProcess(args).output;
  for (const auto& [path, name] : {std::pair{dir.path(), "DIR"}, {orva::platform::currentDirectory(), "CWD"}}) {
    for (std::size_t at; (at = text.find(path)) != std::string::npos;) text.replace(at, path.size(), name);
  }
  testsupport::expectGolden(text, "sndbank_cli/worked_example_debug");
  const std::string imageHeader = std::string("ORVA", 5) + "Lib" + ff(13) + "1.2" + ff(9) + "12/01/26 10:00" + ff(2) +
                                  ff(7) + bytes({2, 0x00, 0x30, 0x67, 0, 0, 0, 0}) + ff(192);
  const std::string libraryHeader = bytes({0x00, 0x02, 0x00, 0x2F, 0x0B, 0xB9, 0x00, 0x31, 0x67}) + ff(247);
  // Only index entry 3000 (offset 12,000) points anywhere: at 12,544.
  const std::string index = ff(12000) + bytes({0x00, 0x31, 0x00}) + ff(29);
  // The word block: its stop address 12,646, then the samples.
  const std::string word = bytes({0x00, 0x31, 0x66}) + ramp(100);
  EXPECT_EQ(readFile(dir / "lib.bin"), imageHeader + libraryHeader + index + word);
}

TEST(LibraryImage, EmptyDefinitionFileGivesHeadersAndOneIndexBlock) {
  ScratchDir dir;
  buildSpeechLibrary(dir, "# nothing yet\n");
  const std::string image = readFile(dir / "lib.bin");
  ASSERT_EQ(image.size(), 768u);
  EXPECT_EQ(image.substr(56, 4), bytes({2, 0x00, 0x02, 0x00}));
  EXPECT_EQ(image.substr(256, 9), bytes({0x00, 0x02, 0x00, 0x01, 0x00, 0x01, 0x00, 0x03, 0x00}));
  EXPECT_EQ(image.substr(512), ff(256));
}

TEST(LibraryImage, WordsFollowEachOtherWithFoldedSamples) {
  ScratchDir dir;
  writeRamp(dir / "a", 1);
  writeRamp(dir / "b", 300);
  writeRamp(dir / "c", 9000);  // more than one copy block
  buildSpeechLibrary(dir, "0 " + (dir / "a") + "\n2 " + (dir / "b") + "\n4999 " + (dir / "c") + "\n");
  const std::string image = readFile(dir / "lib.bin");
  const std::size_t dataStart = 512 + 20224;  // 20,736 = 0x5100
  ASSERT_EQ(image.size(), dataStart + 4 + 303 + 9003);
  // Index entries 0, 1 (no word), 2 and 4999.
  EXPECT_EQ(image.substr(512, 12), bytes({0x00, 0x51, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x51, 0x04, 0xFF}));
  EXPECT_EQ(image.substr(512 + 4 * 4999, 3), bytes({0x00, 0x52, 0x33}));
  auto folded = [](std::size_t samples) {
    std::string b = ramp(samples);
    for (char& c : b) c = static_cast<char>(foldSample(static_cast<std::uint8_t>(c)));
    return b;
  };
  // Each word: its stop address (20,739; 21,042; 30,045), then its samples.
  const std::string data = bytes({0x00, 0x51, 0x03}) + folded(1) + bytes({0x00, 0x52, 0x32}) + folded(300) +
                           bytes({0x00, 0x75, 0x5D}) + folded(9000);
  EXPECT_EQ(image.substr(dataStart), data);
}

// The word-data writer on a list prepared by hand: words whose files changed
// or went since the size pass.
struct Written {
  WordData ended;
  std::string output;
  std::string data;
};

Written writeWords(const std::vector<std::tuple<int, std::string, int>>& words) {
  static WordList list;
  static SampleCounts counts;
  static CopyBuffer buffer;
  static WordReader reader;
  list.clear();
  counts.fill(0);
  std::int64_t total = 0;
  for (const auto& [code, name, size] : words) {
    list.append(code, name.c_str(), name.size());
    list.entries[list.count - 1].size = size;
    counts[code] = size;
    total += size + (size > 0 ? 3 : 0);
  }
  std::FILE* file = std::tmpfile();
  Written w{WordData::kFailed, {}, {}};
  {
    orva::Sink out(w.output);
    w.ended = writeWordData(file, {list, counts, 1, total, false, false}, buffer, reader, out);
  }
  w.data.resize(static_cast<std::size_t>(std::ftell(file)));
  std::rewind(file);
  w.data.resize(std::fread(w.data.data(), 1, w.data.size(), file));
  std::fclose(file);
  return w;
}

TEST(WordDataWriter, FilesThatChangedSinceTheSizePass) {
  ScratchDir dir;
  writeRamp(dir / "grew", 60);
  writeRamp(dir / "shrank", 40);
  writeRamp(dir / "a", 2);
  writeRamp(dir / "c", 3);
  for (const auto& [name, actual] : {std::pair{std::string("grew"), 60}, {"shrank", 40}}) {
    const Written w = writeWords({{1, dir / name, 50}});
    EXPECT_EQ(w.ended, WordData::kFailed);
    EXPECT_EQ(w.output, "Error: During writeSLData of file " + (dir / name) + ", fread expected 50, actual " +
                            std::to_string(actual) + "\n");
  }
  // A file gone: word 1, then only the stop address of word 2.
  Written w = writeWords({{1, dir / "a", 2}, {2, dir / "gone", 5}});
  EXPECT_EQ(w.ended, WordData::kStoppedEarly);
  EXPECT_EQ(w.output, "Error: During writeSLData, input file " + (dir / "gone") +
                          " cannot be opened, No such file or directory\n");
  EXPECT_EQ(w.data.size(), 5u + 3u);
  // Word 2 never measured (count 0): word 3 still gets its own file. Data
  // starts at 768 (one index block): stops at 772 and 778.
  w = writeWords({{1, dir / "a", 2}, {2, dir / "b", 0}, {3, dir / "c", 3}});
  EXPECT_EQ(w.ended, WordData::kComplete) << w.output;
  EXPECT_EQ(w.output, "");
  EXPECT_EQ(w.data, bytes({0x00, 0x03, 0x04, 0, 1, 0x00, 0x03, 0x0A, 0, 1, 2}));
}

}  // namespace
}  // namespace sndbank
