// Definition file parser, audio directory scan and size pass.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "sndbank/wav_file.h"
#include "sndbank/word_list.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testsupport::ScratchDir;

// What a pass left in the word list (1 MB: kept off the stack) and printed.
template <typename Result>
struct Listed {
  Result result;
  std::string output;
  std::vector<std::pair<int, std::string>> words;
  std::vector<std::int32_t> sizes;  // as the scan kept them for the size pass
};

template <typename Pass>
auto runOnList(Pass pass) {
  static WordList list;
  list.clear();
  Listed<decltype(pass(list, std::declval<orva::Sink&>()))> l{};
  {
    orva::Sink out(l.output);
    l.result = pass(list, out);
  }
  for (int i = 0; i < list.count; ++i) {
    l.words.emplace_back(list.entries[i].code, list.entries[i].fileName);
    l.sizes.push_back(list.entries[i].size);
  }
  return l;
}

auto parseText(const std::string& text) {
  std::FILE* file = std::tmpfile();
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  const auto parsed = runOnList([&](WordList& list, orva::Sink& out) { return parseDefinitions(file, list, false, out); });
  std::fclose(file);
  return parsed;
}

TEST(DefinitionFile, AcceptsWellFormedLines) {
  const std::string name119(119, 'n');
  const std::string long158 = std::string(40, ' ') + "3000 " + std::string(113, 'w');
  const std::vector<std::pair<std::string, std::vector<std::pair<int, std::string>>>> cases = {
      {"", {}},
      {"3000 words\\hello.raw\n", {{3000, "words\\hello.raw"}}},
      {"\n# first\n\n0 a.raw\n#x\n\n7 b.raw\n#", {{0, "a.raw"}, {7, "b.raw"}}},  // comments, blank lines
      {"3000  my word.raw  \n", {{3000, "my word.raw  "}}},                          // inner and trailing blanks kept
      {"3000 a.raw\r\n\r\n3001 b.raw\r\n", {{3000, "a.raw"}, {3001, "b.raw"}}},  // CR LF reads like LF
      {"3000 a.raw\n4999 z.raw", {{3000, "a.raw"}, {4999, "z.raw"}}},              // no final line end
      {"+12 x.raw\n", {{12, "x.raw"}}},
      {"00000003000 x.raw\n", {{3000, "x.raw"}}},  // eleven-character code
      {"1 " + name119 + "\n", {{1, name119}}},
      {long158 + "\n", {{3000, std::string(113, 'w')}}},
      {"3000 a.raw\nx", {{3000, "a.raw"}}},  // a one-character line is blank
  };
  for (const auto& [text, words] : cases) {
    const auto p = parseText(text);
    EXPECT_EQ(p.result, ParseResult::kEndReached) << text;
    EXPECT_EQ(p.output, "") << text;
    EXPECT_EQ(p.words, words) << text;
  }
}

TEST(DefinitionFile, RefusesBadLinesWithTheirMessage) {
  constexpr ParseResult kOrder = ParseResult::kOutOfOrder, kDup = ParseResult::kDuplicated,
                        kRange = ParseResult::kOutOfRange, kBad = ParseResult::kMalformed;
  const std::string order = " is out of order.  Definition file must be sorted by Word Code.\n";
  const std::string tooLong = " of the definition file is longer than 158 characters.\n";
  const std::string long159 = std::string(41, ' ') + "3000 " + std::string(113, 'w');
  const std::string name120(120, 'n');
  // The text, the result, the message and how many words were taken before.
  const std::vector<std::tuple<std::string, ParseResult, std::string, std::size_t>> cases = {
      {"3000 a\n3002 b\n3001 c\n", kOrder, "Error: Word Code 3001" + order, 2},
      {"3000 a\n3000 b\n", kDup, "Error: Word Code 3000 is duplicated.\n", 1},
      {"-1 a\n", kDup, "Error: Word Code -001 is duplicated.\n", 0},
      {"1 a\n5000 big.raw\n", kRange, "Error: Word Code 5000, Filename 'big.raw', out of range (0-4999)\n", 1},
      {"99999999999 x\n", kRange, "Error: Word Code 99999999999, Filename 'x', out of range (0-4999)\n", 0},
      {"abc x.raw\n", kBad, "Error: Word Code 'abc' on line 1 is not a decimal number.\n", 0},
      {"1 a\n30a0 x.raw\n", kBad, "Error: Word Code '30a0' on line 2 is not a decimal number.\n", 1},
      {"000000003000 x.raw\n", kBad, "Error: Word Code '000000003000' on line 1 is not a decimal number.\n", 0},
      {" # not a comment\n", kBad, "Error: Word Code '#' on line 1 is not a decimal number.\n", 0},
      {"1 a\n   \t \n", kBad, "Error: Line 2 has no word code.\n", 1},
      {"3000\n", kBad, "Error: Word Code 3000 has no file name.\n", 0},
      {"1 " + name120 + "\n", kBad, "Error: Word Code 0001, Filename '" + name120 + "', longer than 119 characters.\n", 0},
      {"1 a\n" + long159 + "\n", kBad, "Error: Line 2" + tooLong, 1},
      {"#" + std::string(400, 'c') + "\n", kBad, "Error: Line 1" + tooLong, 0},
  };
  for (const auto& [text, result, message, wordsBefore] : cases) {
    const auto p = parseText(text);
    EXPECT_EQ(p.result, result) << text;
    EXPECT_EQ(p.output, message) << text;
    EXPECT_EQ(p.words.size(), wordsBefore) << text;
  }
}

auto scan(const std::string& directory) {
  return runOnList([&](WordList& list, orva::Sink& out) { return scanDirectory(directory.c_str(), list, out); });
}

TEST(DirectoryScan, ListsNumberedFilesInCodeOrderAndRefusesBadDirectories) {
  ScratchDir dir;
  EXPECT_EQ(scan(dir.path()).result, ScanResult::kNoEntries);
  // Only four digits and ".raw" or ".wav" in any case up to the index
  // capacity are probed; a code's .raw is taken over its .wav, and where a
  // name is there in two cases, the lower-case one.
  for (const char* name : {"4999.raw", "0005.raw", "0005.wav", "5.raw", "0006.wav", "0007.RAW", "0003.Wav",
                           "0003.wAV", "0003.wav", "0002.wAv", "00008.raw", "9999.raw", "0001.rawx"}) {
    testsupport::writeRamp(dir / name, 4);
  }
  auto s = scan(dir.path());
  EXPECT_EQ(s.result, ScanResult::kSuccess);
  EXPECT_EQ(s.output, "");
  // Where names differ only in case (Windows) the three are one file, with
  // the name it was made with.
  const bool foldsCase = std::filesystem::exists(dir / "0007.raw");
  EXPECT_EQ(s.words, (std::vector<std::pair<int, std::string>>{
                         {2, dir / "0002.wAv"}, {3, dir / (foldsCase ? "0003.Wav" : "0003.wav")}, {5, dir / "0005.raw"}, {6, dir / "0006.wav"},
                         {7, dir / "0007.RAW"}, {4999, dir / "4999.raw"}}));
  EXPECT_EQ(s.sizes, (std::vector<std::int32_t>{0, 0, 4, 0, 4, 4}));  // a .wav's samples are counted later
  // A directory with a word file's name keeps no size: the size pass must
  // look at it itself (and refuse it), wherever it opens at all.
  std::filesystem::create_directory(dir / "0004.raw");
  s = scan(dir.path());
  for (std::size_t i = 0; i < s.words.size(); ++i) EXPECT_EQ(s.sizes[i], hasWavName(s.words[i].second.c_str()) || s.words[i].first == 4 ? 0 : 4);
  // A directory whose name no ANSI code page holds is read as well.
  std::filesystem::create_directory(std::filesystem::path(dir.path()) / u8"\u03a9\u03bc\u03ad\u03b3\u03b1");
  const std::string greek = dir / "\u03a9\u03bc\u03ad\u03b3\u03b1";
  testsupport::writeRamp(greek + "/3000.raw", 4);
  EXPECT_EQ(scan(greek).words, (std::vector<std::pair<int, std::string>>{{3000, greek + "/3000.raw"}}));

  const std::string fits(110, 'd');  // + "/NNNN.raw" = 119 characters
  EXPECT_EQ(scan("/" + fits.substr(1)).result, ScanResult::kNoEntries);
  s = scan(fits + "x");
  EXPECT_EQ(s.result, ScanResult::kNameTooLong);
  EXPECT_EQ(s.output, "Error: directory path '" + fits + "x' is too long; word file names must stay below 120 characters.\n");
}

struct Sized {
  SizeTotals totals;
  std::string output;
};

Sized sizeList(const std::vector<std::pair<int, std::string>>& words, bool speech, SampleCounts& counts) {
  static WordList list;
  list.clear();
  for (const auto& [code, name] : words) list.append(code, name.c_str(), name.size());
  Sized s{{}, {}};
  orva::Sink out(s.output);
  s.totals = sizeWords(list, counts, speech, false, out);
  return s;
}

// The speech-library side of a missing or empty word file is run end to end
// in sndbank_cli_test.
TEST(SizePass, CustomAudioSkipsAMissingFileAndNoPassTakesADirectory) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "a", 10);
  testsupport::writeRamp(dir / "c", 20);
  std::filesystem::create_directory(dir / "sub");
  static SampleCounts counts;
  const Sized custom = sizeList({{10, dir / "a"}, {20, dir / "missing"}, {30, dir / "c"}}, false, counts);
  EXPECT_EQ(custom.output, "");
  EXPECT_EQ(custom.totals.indexEntries, 31);
  EXPECT_EQ(custom.totals.wordData, 13 + 23);
  EXPECT_EQ(counts[20], 0);
  EXPECT_EQ(counts[30], 20);
  for (bool speech : {true, false}) {
    const Sized s = sizeList({{1, dir / "sub"}}, speech, counts);
    EXPECT_TRUE(s.totals.refused);
    EXPECT_EQ(s.output, "Error: During getImageSize, input file " + (dir / "sub") + " is not a regular file.\n");
  }
}

}  // namespace
}  // namespace sndbank
