// Listing and extracting library images: round trips through the whole
// program, damaged images.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "common/platform.h"
#include "sndbank/wav_file.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testsupport::readFile;
using testsupport::runSndbankInProcess;
using testsupport::speechArgs;
using testsupport::ScratchDir;
using testsupport::writeFile;

using generators::le;
using generators::wavFile;

// Builds from raw words, extracts as raw and as WAV, and builds again from
// each: the same image, byte for byte.
TEST(LibraryTools, ExtractedWordsBuildTheSameImage) {
  ScratchDir dir;
  std::string samples;
  for (int i = 0; i < 256; ++i) samples += static_cast<char>(i);  // every byte value, folded and not
  writeFile(dir / "a.raw", samples);
  writeFile(dir / "b.raw", samples.substr(7, 101));  // odd: the WAV data chunk gets a pad byte
  writeFile(dir / "words.def", "7 " + (dir / "a.raw") + "\n300 " + (dir / "b.raw") + "\n");
  ASSERT_EQ(runSndbankInProcess(speechArgs(dir, "first")).status, 0);
  const std::string image = readFile(dir / "first.bin");
  for (const std::string letter : {"e", "w"}) {
    const std::string ext = letter == "e" ? ".raw" : ".wav";
    const std::string words = dir / ("words" + letter);
    const testsupport::Run run = runSndbankInProcess({"sndbank", "-" + letter, dir / "first.bin", words});
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Extracted 2 words from "), std::string::npos) << run.output;
    writeFile(dir / "words.def", "7 " + words + "/0007" + ext + "\n300 " + words + "/0300" + ext + "\n");
    EXPECT_EQ(runSndbankInProcess(speechArgs(dir, "again")).status, 0) << letter;
    EXPECT_TRUE(readFile(dir / "again.bin") == image) << letter;
  }
  EXPECT_EQ(readFile(dir / "wordse/0300.raw"), samples.substr(7, 101));
  EXPECT_EQ(readFile(dir / "wordsw/0300.wav").size(), 44u + 102u);
  EXPECT_EQ(readFile(dir / "wordsw/0300.wav").substr(0, 8), "RIFF" + le(36 + 102, 4));  // the size of all after it
  // An existing word file is replaced whole; nothing temporary is left.
  writeFile(dir / "wordse/0007.raw", "old");
  EXPECT_EQ(runSndbankInProcess({"sndbank", "-e", dir / "first.bin", dir / "wordse"}).status, 0);
  EXPECT_EQ(readFile(dir / "wordse/0007.raw"), samples);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "wordse"), {}), 2);
}

// Where both NNNN.raw and NNNN.wav exist, the .raw is taken, and -v says so.
TEST(WavFile, CustomAudioTakesTheRawFileOfACode) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "words");
  writeFile(dir / "words/0001.raw", "ab");
  writeFile(dir / "words/0001.wav", wavFile({}, "abcd"));
  writeFile(dir / "words/0002.wav", wavFile({}, "xyz"));
  const std::filesystem::path cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const testsupport::Run run = runSndbankInProcess({"sndbank", "-v", "words"});
  std::filesystem::current_path(cwd);
  EXPECT_EQ(run.status, 0) << run.output;
  std::error_code ec;
  const std::string absolute = orva::platform::absoluteDirectory((dir / "words").c_str(), ec);
  EXPECT_NE(run.output.find("  " + absolute + "/0001.wav is passed over: 0001.raw has the same code.\n"),
            std::string::npos) << run.output;
  EXPECT_EQ(readFile(dir / "CustomAudioLib.bin").size(), 768u + (3u + 2u) + (3u + 3u));
}

// Damaged images: each finding is named where it is found, the listing goes
// on, and the status says the image is not sound; extraction skips the words
// it cannot locate.
TEST(LibraryTools, DamagedImagesAreListedWithEveryFinding) {
  ScratchDir dir;
  writeFile(dir / "a.raw", std::string(10, 'a'));
  writeFile(dir / "b.raw", std::string(20, 'b'));
  ASSERT_EQ(testsupport::buildSpeechLibrary(dir, "1 " + (dir / "a.raw") + "\n2 " + (dir / "b.raw") + "\n").status, 0);
  const std::string good = readFile(dir / "lib.bin");  // index at 512, words at 768 and 781
  struct Case {
    const char* what;
    std::vector<std::pair<std::size_t, std::string>> patches;  // offset, bytes
    std::size_t length;                                        // 0: as built
    std::vector<std::string> findings;
  } cases[] = {
      {"sound", {}, 0,
       {"The image is sound.", "  si_oBas       = 0x0002 (index at 0x000200)\n",
        "  si_sBas       = 0x0001 (0x000100 bytes of index)\n"}},
      {"a word of no samples", {{768, std::string("\x00\x03\x02", 3)}}, 0,
       {"ERROR: word 0001 has stop address 0x000302, no samples after its start 0x000300"}},
      {"stop address of word 1 short", {{768, std::string("\x00\x03\x0b", 3)}}, 0,
       {"ERROR: word 0001 stop address 0x00030B does not meet word 0002 at 0x00030D", "1 problem found."}},
      {"word 1 overlaps word 2", {{768, std::string("\x00\x03\x10", 3)}}, 0,
       {"ERROR: word 0001 overlaps word 0002, which starts at 0x00030D"}},
      {"start outside the file", {{520, std::string("\x7f\x00\x00", 3)}}, 0,
       {"ERROR: word 0002 starts at 0x7F0000, outside the file"}},
      {"cut short", {}, 790, {"ERROR: isz does not match the file length", "ERROR: si_lBas does not match",
                              "ERROR: word 0002 stops at 0x000323, outside the file", "3 problems found."}},
      {"no library", {{56, std::string("\x01", 1)}}, 0, {"ERROR: the file is no library image (type 2 or 3)"}},
      {"index count beyond the file", {{260, std::string("\xff\xff", 2)}}, 0,
       {"ERROR: si_sBas does not match si_nBas", "ERROR: si_nBas is above the 8192",
        "ERROR: the index entries do not fit the file"}},
      {"one byte into a second flash sector", {}, 65537, {"flash sectors: 2\n"}},
      {"header only", {}, 100, {"ERROR: the file is too short for the image and library headers"}},
      {"the index cut by the end of the file", {}, 514, {"ERROR: the index entries do not fit the file"}},
      {"both headers, no index", {}, 512,
       {"  Type          = 2 (Speech Library)\n  isz", "ERROR: the index entries do not fit the file"}},
  };
  for (const Case& c : cases) {
    std::string image = good;
    for (const auto& [offset, bytes] : c.patches) image.replace(offset, bytes.size(), bytes);
    if (c.length != 0) image.resize(c.length);
    writeFile(dir / "damaged.bin", image);
    const testsupport::Run list = runSndbankInProcess({"sndbank", "-l", dir / "damaged.bin"});
    const bool sound = c.findings[0] == "The image is sound.";
    EXPECT_EQ(list.status, sound ? 0 : 1) << c.what;
    for (const std::string& f : c.findings) EXPECT_NE(list.output.find(f), std::string::npos) << c.what << "\n" << list.output;
    const testsupport::Run extract = runSndbankInProcess({"sndbank", "-e", dir / "damaged.bin", dir / c.what});
    EXPECT_EQ(extract.status, sound ? 0 : 1) << c.what;
  }
  // Word 2 outside the file: word 1 still comes out, word 2 is named as skipped.
  EXPECT_EQ(readFile(dir / "start outside the file/0001.raw"), std::string(10, 'a'));
  EXPECT_FALSE(std::filesystem::exists(dir / "start outside the file/0002.raw"));
  // A file that is not there, or cannot be read (a directory, where it opens), is named and not listed.
  for (const std::string& bad : {dir / "nothing.bin", dir / "sound"}) {
    const testsupport::Run r = runSndbankInProcess({"sndbank", "-l", bad});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("Error: library image " + bad + " cannot be "), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("Library image "), std::string::npos) << r.output;
  }
}

}  // namespace
}  // namespace sndbank
