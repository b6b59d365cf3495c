// The sndbank program end to end: command line, modes and the passes'
// progress lines, run as the built binary (exit status) or in-process.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/sndbank_files.h"

namespace {

using testsupport::readFile;
using testsupport::ScratchDir;

const std::string kHead =
    "ORVA Build Speech Lib Utility, V1.2.0\n"
    "Builds speech and custom audio libraries for ORVA repeater controllers.\n";
const std::string kCustomHelp =
    "\nThis utility generates a custom audio library for ORVA repeater controllers.\n\n"
    "Usage: [-vd] [directory path]\n\n"
    "  If no directory path is specified, then the path .\\CustomAudioFiles is assumed.\n"
    "   v = verbose output\n"
    "   d = debug output\n";
const std::string kTwoModeHelp =
    "\nThis utility generates either custom audio files\n"
    "  or the standard speech library for ORVA repeater controllers.\n\n"
    "Custom audio usage: [-vd] [directory path]\n"
    "  If no directory path specified, then the path .\\CustomAudioFiles is assumed.\n"
    "  -v = verbose output, -d = debug output \n\n"
    "sndbank usage: [-vd] <image name> <image version> <date/time> <definition filename> "
    "<output .bin filename> <output .inc filename> <output tab-delimited filename>\n";

std::string quoted(const std::string& word) {
  std::string q = "'";
  for (char c : word) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs the built program in `cwd` and returns its exit status and output.
testsupport::Run runBinary(const std::string& cwd, const std::vector<std::string>& args,
                           const std::string& outputFile) {
  std::string command = "cd " + quoted(cwd) + " && " + quoted(std::string(ORVA_BIN_DIR) + "/sndbank");
  for (const std::string& a : args) command += " " + quoted(a);
  command += " > " + quoted(outputFile) + " 2>&1";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1000, testsupport::readText(outputFile)};
}

struct CliCase {
  std::vector<std::string> args;
  int status;
  std::string output;
};

TEST(SndbankCommandLine, OptionsHelpAndArgumentCounts) {
  ScratchDir dir;
  const std::vector<std::string> seven = {"a", "b", "c", "d", "e", "f", "g"};
  std::vector<std::string> optionAndSeven = {"-v"};
  optionAndSeven.insert(optionAndSeven.end(), seven.begin(), seven.end());
  const std::vector<CliCase> cases = {
      {{"-h"}, 0, kHead + kCustomHelp},
      {{"-hv", "x"}, 0, kHead + kCustomHelp},
      {{"-hx"}, 0, kHead + kCustomHelp},
      {{"-i"}, 0, kHead + kTwoModeHelp},
      {{"-ih", "1", "2"}, 0, kHead + kTwoModeHelp},
      {{"-vx"}, 255, kHead + "Unknown argument x in -vx\r\n"},
      {{"-dvq", "dir"}, 255, kHead + "Unknown argument q in -dvq\r\n"},
      {{"dir", "-v"}, 0, kHead + kTwoModeHelp},      // -v in second place is positional
      {{"-", "a", "b"}, 0, kHead + kTwoModeHelp},    // a lone "-" sets nothing
      {seven, 0, kHead + kTwoModeHelp},
      {optionAndSeven, 0, kHead + kTwoModeHelp},
      {{"nowhere"}, 0,
       kHead + "\nPass 1: Create file list\n"
               "Error: specified directory 'nowhere' does not exist.\n" + kCustomHelp},
      {{"-vdv", "nowhere"}, 0,
       kHead + "Args: 3\n0: " + ORVA_BIN_DIR + "/sndbank\n1: -vdv\n2: nowhere\n"
               "\nPass 1: Create file list\n"
               "Error: specified directory 'nowhere' does not exist.\n" + kCustomHelp},
  };
  for (const CliCase& c : cases) {
    const testsupport::Run run = runBinary(dir.path(), c.args, dir / "out.txt");
    std::string label;
    for (const std::string& a : c.args) label += a + " ";
    EXPECT_EQ(run.status, c.status) << label;
    EXPECT_EQ(run.output, c.output) << label;
  }
}

TEST(SndbankCommandLine, NoArgumentsBuildsFromCustomAudioFilesIntoTheCurrentDirectory) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "CustomAudioFiles");
  testsupport::writeRamp(dir / "CustomAudioFiles/3000.raw", 100);
  const testsupport::Run run = runBinary(dir.path(), {}, dir / "out.txt");
  EXPECT_EQ(run.status, 0);
  const std::string absolute = std::filesystem::canonical(dir / "CustomAudioFiles").string();
  EXPECT_EQ(run.output,
            kHead +
                "\nPass 1: Create file list\n"
                "  Building file list from " + absolute + " ... Done\n"
                "  Number of Speech Files Found = 1\n"
                "\nPass 2: getImageSize from all files...Done\n"
                "  Number of Bytes to Store Word Data=103 (0x67, Does not include index and "
                "fileheader)\n"
                "  Number of SpeechLib Index Entries Required=3001 (0xBB9)\n"
                "\nPass 3: Build Headers and Custom Audio Library file...\n"
                "  Total File Size = 12647 (0x3167)\n"
                "  Flash Sectors Required to Store This File = 1 (0x1)\n"
                "Done\n"
                "\nPass 7: Verify Custom Audio Library file...\n"
                "Starting Verify...\n"
                "  Verify Pass: ffs_imageHeader.isz (Size of Speech Library File) =0x3167\n"
                "  Verify Pass: ffs_imageHeader.itype=0x3\n"
                "  Verify Pass: sl_header.si_oBas (Offset to Basic Word Index) =0x200\n"
                "  Verify Pass: sl_header.si_nBas (Number of Basic Index Entries) =3001 (0xbb9, "
                "max was MAX_WORDCODE_INDEX)\n"
                "  Verify Pass: sl_header.si_sBas (Number of Entries * 4 Rounded up to 256 "
                "Boundary) =0x2f00\n"
                "  Verify Pass: sl_header.si_lBas (First Free Address in Speech File) =0x3167\n"
                "  Verify Pass: Found 1 entries pointing to samples.\n"
                "  Verify Complete.\n"
                "Done\n");
  const std::vector<std::uint8_t> image = readFile(dir / "CustomAudioLib.bin");
  ASSERT_EQ(image.size(), 12647u);
  EXPECT_EQ(std::string(image.begin() + 5, image.begin() + 19), "ORVA Cust ALib");
  EXPECT_EQ(std::string(image.begin() + 21, image.begin() + 26), "1.0.0");
  EXPECT_EQ(image[26], 0xFF);
  EXPECT_EQ(image[56], 3);
  // The build time, "%m/%d/%y %H:%M": 14 characters, then the field's padding.
  EXPECT_EQ(image[33 + 2], '/');
  EXPECT_EQ(image[33 + 8], ' ');
  EXPECT_EQ(image[33 + 14], 0xFF);
  EXPECT_FALSE(std::filesystem::exists(dir / "CustomAudioFiles/CustomAudioLib.bin"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ORVA Custom Audio Constants.txt"));
}

TEST(SndbankCustomAudio, DirectoryWithoutUsableEntries) {
  ScratchDir dir;
  ScratchDir cwd;
  const std::string absolute = std::filesystem::canonical(dir.path()).string();
  const std::string block = "Error\n\n"
                            "Error:  no entries were found in this directory with the format "
                            "xxxx.raw.\n"
                            "Please correct the directory name or verify that entries are in the "
                            "directory\n"
                            "in the range 3000.raw through 4999.raw.\n";
  testsupport::Run run = runBinary(cwd.path(), {dir.path()}, cwd / "out.txt");
  EXPECT_EQ(run.output, kHead + "\nPass 1: Create file list\n  Building file list from " +
                            absolute + " ... " + block);
  // The library file was created before the scan and is left empty.
  EXPECT_EQ(readFile(cwd / "CustomAudioLib.bin").size(), 0u);

  testsupport::writeRamp(dir / "5000.raw", 4);
  run = runBinary(cwd.path(), {dir.path()}, cwd / "out.txt");
  EXPECT_EQ(run.output, kHead + "\nPass 1: Create file list\n  Building file list from " +
                            absolute + " ... Error: Word Code 5000, Filename '" + absolute +
                            "/5000.raw', out of range (0-4999)\n" + block);
}

TEST(SndbankCustomAudio, TwelveMinutesIsTheLimit) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "a");
  // 5,759,997 samples + 3 bytes of stop address = exactly 5,760,000.
  testsupport::writeRamp(dir / "a/0000.raw", 5759997);
  testsupport::Run run = runBinary(dir.path(), {"a"}, dir / "out.txt");
  EXPECT_NE(run.output.find("  Verify Pass: Found 1 entries pointing to samples.\n"),
            std::string::npos);

  testsupport::writeRamp(dir / "a/0000.raw", 5759998);
  run = runBinary(dir.path(), {"a"}, dir / "out.txt");
  const std::string tail =
      "  Number of SpeechLib Index Entries Required=1 (0x1)\n"
      "You have 12.00 minutes of custom audio but the maximum is 12.00 minutes.\n"
      "Please remove or shorten some custom words";
  ASSERT_GE(run.output.size(), tail.size());
  EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail);
  EXPECT_EQ(readFile(dir / "CustomAudioLib.bin").size(), 0u);
}

// Speech-library runs in-process: every path is given, nothing lands in the
// current directory.
std::vector<std::string> speechArgs(const ScratchDir& dir, const std::string& name = "Lib",
                                    const std::string& bin = "") {
  return {"sndbank", name, "1.2", "12/01/26 10:00", dir / "words.def",
          bin.empty() ? dir / "lib.bin" : bin, dir / "lib.inc", dir / "lib.tab", dir / "lib.txt"};
}

TEST(SndbankSpeechLibrary, FlashSectorsRoundUp) {
  ScratchDir dir;
  testsupport::writeFile(dir / "words.def", "0 " + (dir / "w.raw") + "\n");
  // 512 + 256 of headers and index, 3 of stop address: 64,765 samples fill 65,536.
  for (const auto& [samples, line] :
       {std::pair{64765, "  Total File Size = 65536 (0x10000)\n"
                         "  Flash Sectors Required to Store This File = 1 (0x1)\n"},
        std::pair{64766, "  Total File Size = 65537 (0x10001)\n"
                         "  Flash Sectors Required to Store This File = 2 (0x2)\n"}}) {
    testsupport::writeRamp(dir / "w.raw", static_cast<std::size_t>(samples));
    const testsupport::Run run = testsupport::runSndbankInProcess(speechArgs(dir));
    EXPECT_NE(run.output.find(line), std::string::npos) << run.output;
  }
}

struct Outcome {
  const char* label;
  std::string definitions;
  std::vector<std::string> args;
  std::string tail;  // what the output ends with
  bool definitionFile = true;
};

TEST(SndbankSpeechLibrary, FailuresEndTheRunWithTheirMessage) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "w.raw", 10);
  testsupport::writeRamp(dir / "empty.raw", 0);
  // Sparse files: only their lengths are taken before these runs end.
  for (const auto& [name, size] : {std::pair{"huge.raw", 0xFF0000}, {"big1.raw", 8400000},
                                   {"big2.raw", 8400000}}) {
    testsupport::writeRamp(dir / name, 0);
    std::filesystem::resize_file(dir / name, static_cast<std::uintmax_t>(size));
  }
  const std::string word = "1 " + (dir / "w.raw") + "\n";
  std::vector<std::string> definitionIsDirectory = speechArgs(dir);
  definitionIsDirectory[4] = dir.path();
  const std::vector<Outcome> cases = {
      {"output cannot be created", word, speechArgs(dir, "Lib", dir / "no/lib.bin"),
       kHead + "Cannot create .bin output file " + (dir / "no/lib.bin") + ".\n"},
      {"definition file missing", "", speechArgs(dir),
       "\nPass 1: Create file list\nParse " + (dir / "words.def") + "...\nInput file " +
           (dir / "words.def") + " cannot be opened.\n",
       false},
      {"definition file is a directory", "", definitionIsDirectory,
       "Parse " + dir.path() + "...\nError: the definition file cannot be read, Is a directory\n",
       false},
      {"name too long", word, speechArgs(dir, "Seventeen chars!!"),
       kHead + "Error: image name 'Seventeen chars!!' is longer than 16 characters.\n"},
      {"definition out of order", word + "0 x\n", speechArgs(dir),
       "Error: Word Code 0000 is out of order.  Definition file must be sorted by Word Code.\n"},
      {"empty word file", word + "2 " + (dir / "empty.raw") + "\n", speechArgs(dir),
       "\nPass 2: getImageSize from all files...Error: During getImageSize, input file " +
           (dir / "empty.raw") + " is empty.\n"},
      {"word file too large", "7 " + (dir / "huge.raw") + "\n", speechArgs(dir),
       "Error: During getImageSize, input file " + (dir / "huge.raw") +
           " is too large, 16711680 bytes.\n"},
      {"library too large", "1 " + (dir / "big1.raw") + "\n2 " + (dir / "big2.raw") + "\n",
       speechArgs(dir),
       "  Number of SpeechLib Index Entries Required=3 (0x3)\n"
       "Error: the library would be 16800774 (0x1005C06) bytes, but it must stay below 16711680 "
       "(0xFF0000) bytes.\n"},
  };
  for (const Outcome& c : cases) {
    std::filesystem::remove(dir / "words.def");
    if (c.definitionFile) testsupport::writeFile(dir / "words.def", c.definitions);
    const testsupport::Run run = testsupport::runSndbankInProcess(c.args);
    EXPECT_EQ(run.status, 0) << c.label;
    ASSERT_GE(run.output.size(), c.tail.size()) << c.label << run.output;
    EXPECT_EQ(run.output.substr(run.output.size() - c.tail.size()), c.tail) << c.label;
  }
  // Texts that fit their fields exactly are taken whole.
  testsupport::writeFile(dir / "words.def", word);
  std::vector<std::string> exact = speechArgs(dir, "Sixteen chars!!!");
  exact[2] = "Twelve chars";
  exact[3] = "16 chars of date";
  const testsupport::Run run = testsupport::runSndbankInProcess(exact);
  EXPECT_NE(run.output.find("  Verify Complete.\n"), std::string::npos);
  const std::vector<std::uint8_t> image = readFile(dir / "lib.bin");
  EXPECT_EQ(std::string(image.begin() + 5, image.begin() + 49),
            "Sixteen chars!!!Twelve chars16 chars of date");
}

TEST(SndbankSpeechLibrary, AWordMissingAtTheSizePassGivesAShortImageThatFailsVerification) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "a.raw", 10);
  testsupport::writeRamp(dir / "c.raw", 10);
  testsupport::writeFile(dir / "words.def", "1 " + (dir / "a.raw") + "\n2 " + (dir / "gone.raw") +
                                                "\n3 " + (dir / "c.raw") + "\n");
  const testsupport::Run run = testsupport::runSndbankInProcess(speechArgs(dir));
  // The index covers word 1 only (index entry count = the failing code, 2).
  EXPECT_NE(run.output.find("  Number of SpeechLib Index Entries Required=2 (0x2)\n"),
            std::string::npos);
  EXPECT_NE(run.output.find("  VERIFY ERROR: Found 1 entries pointing to samples, expected 3.\n"),
            std::string::npos)
      << run.output;
  EXPECT_EQ(readFile(dir / "lib.bin").size(), 512u + 256u + 13u);
}

}  // namespace
