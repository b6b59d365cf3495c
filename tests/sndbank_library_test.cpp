// Library image layout and writer, byte for byte.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "sndbank/library.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testsupport::be16At;
using testsupport::be24At;
using testsupport::readFile;
using testsupport::ScratchDir;
using Bytes = std::vector<std::uint8_t>;

TEST(SampleFolding, KeepsTheTopBitAndInvertsTheRest) {
  EXPECT_EQ(foldSample(0x00), 0x00);
  EXPECT_EQ(foldSample(0x7F), 0x7F);
  EXPECT_EQ(foldSample(0x80), 0xFF);
  EXPECT_EQ(foldSample(0xC0), 0xBF);
  EXPECT_EQ(foldSample(0xFF), 0x80);
}

TEST(Layout, IndexAreaRoundsUpToWholeBlocks) {
  const std::vector<std::pair<int, std::int64_t>> cases = {
      {0, 0}, {1, 256}, {64, 256}, {65, 512}, {3001, 12032}, {5000, 20224}, {8192, 32768}};
  for (const auto& [nBas, sBas] : cases) EXPECT_EQ(indexAreaSize(nBas), sBas) << nBas;
  EXPECT_EQ(totalImageSize(1, 0), 768);
}

// Runs the speech-library build on a definition file and returns the image.
struct Built {
  testsupport::Run run;
  Bytes image;
};

Built buildSpeechLibrary(const ScratchDir& dir, const std::string& definitions) {
  testsupport::writeFile(dir / "words.def", definitions);
  Built b{testsupport::runSndbankInProcess(
              {"sndbank", "Lib", "1.2", "12/01/26 10:00", dir / "words.def", dir / "lib.bin",
               dir / "lib.inc", dir / "lib.tab", dir / "lib.txt"}),
          {}};
  b.image = readFile(dir / "lib.bin");
  return b;
}

Bytes repeat(std::size_t count, std::uint8_t value) { return Bytes(count, value); }

TEST(LibraryImage, OneHundredByteWord3000IsTheWorkedExample) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "w.raw", 100);
  const Built b = buildSpeechLibrary(dir, "3000 " + (dir / "w.raw") + "\n");
  ASSERT_EQ(b.image.size(), 12647u) << b.run.output;
  const Bytes& img = b.image;

  // Image header.
  EXPECT_EQ(Bytes(img.begin(), img.begin() + 5), Bytes({'O', 'R', 'V', 'A', 0}));
  Bytes name = {'L', 'i', 'b'};
  name.resize(16, 0xFF);
  EXPECT_EQ(Bytes(img.begin() + 5, img.begin() + 21), name);
  Bytes version = {'1', '.', '2'};
  version.resize(12, 0xFF);
  EXPECT_EQ(Bytes(img.begin() + 21, img.begin() + 33), version);
  const std::string date = "12/01/26 10:00";
  Bytes dateField(date.begin(), date.end());
  dateField.resize(16, 0xFF);
  EXPECT_EQ(Bytes(img.begin() + 33, img.begin() + 49), dateField);
  EXPECT_EQ(Bytes(img.begin() + 49, img.begin() + 56), repeat(7, 0xFF));
  EXPECT_EQ(img[56], 2);
  EXPECT_EQ(be24At(img, 57), 12391u);
  EXPECT_EQ(Bytes(img.begin() + 60, img.begin() + 64), repeat(4, 0x00));
  EXPECT_EQ(Bytes(img.begin() + 64, img.begin() + 256), repeat(192, 0xFF));

  // Library header.
  EXPECT_EQ(be16At(img, 256), 2u);
  EXPECT_EQ(be16At(img, 258), 0x2Fu);
  EXPECT_EQ(be16At(img, 260), 3001u);
  EXPECT_EQ(be24At(img, 262), 12647u);
  EXPECT_EQ(Bytes(img.begin() + 265, img.begin() + 512), repeat(247, 0xFF));

  // Index: only entry 3000 (offset 12,512) points anywhere.
  Bytes index = repeat(12032, 0xFF);
  index[12000] = 0x00;
  index[12001] = 0x31;
  index[12002] = 0x00;
  EXPECT_EQ(Bytes(img.begin() + 512, img.begin() + 12544), index);

  // Word block: stop address 12,646, then the samples.
  EXPECT_EQ(be24At(img, 12544), 12646u);
  for (std::size_t i = 0; i < 100; ++i) EXPECT_EQ(img[12547 + i], i);

  EXPECT_NE(b.run.output.find("  Total File Size = 12647 (0x3167)\n"
                              "  Flash Sectors Required to Store This File = 1 (0x1)\n"),
            std::string::npos);
}

TEST(LibraryImage, EmptyDefinitionFileGivesHeadersAndOneIndexBlock) {
  ScratchDir dir;
  const Built b = buildSpeechLibrary(dir, "# nothing yet\n");
  ASSERT_EQ(b.image.size(), 768u);
  EXPECT_EQ(be24At(b.image, 57), 512u);
  EXPECT_EQ(be16At(b.image, 258), 1u);
  EXPECT_EQ(be16At(b.image, 260), 1u);
  EXPECT_EQ(be24At(b.image, 262), 768u);
  EXPECT_EQ(Bytes(b.image.begin() + 512, b.image.end()), repeat(256, 0xFF));
}

TEST(LibraryImage, WordsFollowEachOtherWithFoldedSamples) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "a", 1);
  testsupport::writeRamp(dir / "b", 300);
  testsupport::writeRamp(dir / "c", 9000);  // more than one copy block
  const Built b = buildSpeechLibrary(
      dir, "0 " + (dir / "a") + "\n2 " + (dir / "b") + "\n4999 " + (dir / "c") + "\n");
  const std::size_t dataStart = 512 + 20224;
  ASSERT_EQ(b.image.size(), dataStart + 4 + 303 + 9003) << b.run.output;

  Bytes expected;
  std::size_t address = dataStart;
  for (std::size_t samples : {1u, 300u, 9000u}) {
    const std::size_t stop = address + samples + 2;
    expected.push_back(static_cast<std::uint8_t>(stop >> 16));
    expected.push_back(static_cast<std::uint8_t>(stop >> 8));
    expected.push_back(static_cast<std::uint8_t>(stop));
    for (std::size_t i = 0; i < samples; ++i) expected.push_back(foldSample(static_cast<std::uint8_t>(i)));
    address += samples + 3;
  }
  EXPECT_EQ(Bytes(b.image.begin() + static_cast<long>(dataStart), b.image.end()), expected);
  EXPECT_EQ(be24At(b.image, 512 + 0), dataStart);
  EXPECT_EQ(b.image[512 + 3], 0xFF);
  EXPECT_EQ(be24At(b.image, 512 + 4), 0xFFFFFFu);  // code 1: no word
  EXPECT_EQ(be24At(b.image, 512 + 8), dataStart + 4);
  EXPECT_EQ(be24At(b.image, 512 + 4 * 4999), dataStart + 4 + 303);
}

// Direct calls of the word-data writer on a list prepared by hand.
struct Written {
  bool ok;
  std::string output;
  Bytes data;
};

Written writeWords(const std::vector<std::tuple<int, std::string, int>>& words) {
  static WordList list;
  static SampleCounts counts;
  static CopyBuffer buffer;
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
  Written w{false, {}, {}};
  {
    orva::Sink out(w.output);
    w.ok = writeWordData(file, {list, counts, 1, total, false, false}, buffer, out);
  }
  std::fflush(file);
  w.data.resize(static_cast<std::size_t>(std::ftell(file)));
  std::rewind(file);
  if (!w.data.empty()) w.data.resize(std::fread(w.data.data(), 1, w.data.size(), file));
  std::fclose(file);
  return w;
}

TEST(WordDataWriter, AWordFileThatChangedSizeEndsTheRun) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "grew", 60);
  testsupport::writeRamp(dir / "shrank", 40);
  for (const auto& [name, actual] : {std::pair{std::string("grew"), 60}, {"shrank", 40}}) {
    const Written w = writeWords({{1, dir / name, 50}});
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.output, "Error: During writeSLData of file " + (dir / name) +
                            ", fread expected 50, actual " + std::to_string(actual) + "\n");
  }
}

TEST(WordDataWriter, AFileGoneSinceTheSizePassStopsTheDataEarly) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "a", 5);
  const Written w = writeWords({{1, dir / "a", 5}, {2, dir / "gone", 5}});
  EXPECT_TRUE(w.ok);
  EXPECT_EQ(w.output, "Error: During writeSLData, input file " + (dir / "gone") +
                          " cannot be opened, No such file or directory\n");
  EXPECT_EQ(w.data.size(), 8u + 3u);  // word 1, then only the stop address of word 2
}

TEST(WordDataWriter, WordsWithoutSamplesKeepTheListInStep) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "a", 2);
  testsupport::writeRamp(dir / "c", 3);
  // Word 2 was never measured (count 0): word 3 must still get its own file.
  const Written w = writeWords({{1, dir / "a", 2}, {2, dir / "b", 0}, {3, dir / "c", 3}});
  EXPECT_TRUE(w.ok) << w.output;
  EXPECT_EQ(w.output, "");
  // Data starts at 768 (one index block): stops at 772 and 778.
  EXPECT_EQ(w.data, Bytes({0x00, 0x03, 0x04, 0, 1, 0x00, 0x03, 0x0A, 0, 1, 2}));
}

TEST(LibraryImage, AnOutputThatRefusesWritesEndsTheRunAtTheHeader) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "w", 10);
  testsupport::writeFile(dir / "words.def", "1 " + (dir / "w") + "\n");
  const testsupport::Run run = testsupport::runSndbankInProcess(
      {"sndbank", "Lib", "1.2", "now", dir / "words.def", "/dev/full", dir / "i", dir / "t",
       dir / "n"});
  EXPECT_EQ(run.status, 0);
  const std::string tail = "\nPass 3: Build Headers and Custom Audio Library file...\n"
                           "Error: entire ffs_imageHeader not written, expected=0x100, actual=0x0\n";
  ASSERT_GE(run.output.size(), tail.size());
  EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail);
}

}  // namespace
}  // namespace sndbank
