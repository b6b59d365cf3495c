// The sndbank program end to end: command line, modes and the passes'
// progress lines, run as the built binary (exit status) or in-process.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "common/platform.h"
#include "golden_support.h"
#include "host/host.h"
#include "sndbank/banner.h"
#include "support/sndbank_files.h"

namespace {

using testsupport::readFile;
using testsupport::readGolden;
using testsupport::ScratchDir;

const std::string kHead =
    "ORVA Build Speech Lib Utility, V1.3.4\n"
    "Builds speech and custom audio libraries for ORVA repeater controllers.\n";

// The files of a directory but its word files, by name, with their content:
// what a failed run must leave as it was (a temporary file shows as one more).
using Files = std::map<std::string, std::string>;
Files snapshot(const ScratchDir& dir) {
  Files files;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    if (entry.is_regular_file() && entry.path().extension() != ".raw") {
      files[entry.path().filename().string()] = readFile(entry.path().string());
    }
  }
  return files;
}

// Runs the built program in `cwd` and returns its exit status and output.
testsupport::Run runBinary(const std::string& cwd, const std::vector<std::string>& args) {
  const testhost::ProgramRun run = testhost::runProgram(std::string(ORVA_BIN_DIR) + "/sndbank", args, cwd);
  return {run.status, run.text};
}

// Every failed run leaves an earlier library as it was.
TEST(SndbankCommandLine, OptionsHelpAndArgumentCounts) {
  ScratchDir dir;
  testsupport::writeFile(dir / "CustomAudioLib.bin", "earlier");
  const std::string customHelp = readGolden("sndbank_cli/custom_help");
  const std::string twoModeHelp = readGolden("sndbank_cli/two_mode_help");
  const int unknown = orva::platform::kUnknownOptionStatus;
  const std::string crLf = orva::platform::kCrLf;
  const std::string noDirectory = "\nPass 1: Create file list\nError: specified directory 'nowhere' does not exist.\n";
  const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
      {{"-h"}, 0, customHelp},
      {{"--help"}, 0, twoModeHelp + sndbank::kLibraryToolsHelp},
      {{"-l"}, 1, sndbank::kLibraryToolsHelp},
      {{"-evd", "image.bin"}, 1, sndbank::kLibraryToolsHelp},
      {{"--quiet"}, unknown, "Unknown argument - in --quiet" + crLf},
      {{"-hv", "x"}, 0, customHelp},
      {{"-i"}, 0, twoModeHelp},
      {{"-vx"}, unknown, "Unknown argument x in -vx" + crLf},
      {{"-dvq", "dir"}, unknown, "Unknown argument q in -dvq" + crLf},
      // Between one and eight positional words: the usage, and a failed run.
      {{"dir", "-v"}, 1, twoModeHelp},    // -v in second place is positional
      {{"-", "a", "b"}, 1, twoModeHelp},  // a lone "-" sets nothing
      {{"a", "b", "c", "d", "e", "f", "g"}, 1, twoModeHelp},
      {{"nowhere"}, 1, noDirectory + customHelp},
      {{"-vdv", "nowhere"}, 1,
       "Args: 3\n0: " + std::string(ORVA_BIN_DIR) + "/sndbank\n1: -vdv\n2: nowhere\n" + noDirectory + customHelp},
  };
  for (const auto& [args, status, output] : cases) {
    const testsupport::Run run = runBinary(dir.path(), args);
    EXPECT_EQ(run.status, status) << args[0];
    EXPECT_EQ(run.output, kHead + output) << args[0];
    EXPECT_EQ(snapshot(dir), (Files{{"CustomAudioLib.bin", "earlier"}})) << args[0];
  }
  const testsupport::Run version = runBinary(dir.path(), {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.output, "sndbank 1.3.4\n");
}

TEST(SndbankCustomAudio, NoArgumentsBuildsFromCustomAudioFilesIntoTheCurrentDirectory) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "CustomAudioFiles");
  testsupport::writeRamp(dir / "CustomAudioFiles/3000.raw", 100);
  const testsupport::Run run = runBinary(dir.path(), {});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, kHead + "\nPass 1: Create file list\n  Building file list from " +
                            std::filesystem::canonical(dir / "CustomAudioFiles").string() +
                            " ... Done\n  Number of Speech Files Found = 1\n" +
                            readGolden("sndbank_cli/custom_audio_passes"));
  const std::string image = readFile(dir / "CustomAudioLib.bin");
  ASSERT_EQ(image.size(), 12647u);
  EXPECT_EQ(image.substr(5, 22), "ORVA Cust ALib\xFF\xFF" "1.0.0\xFF");
  EXPECT_EQ(image[56], 3);
  // The build time, "%m/%d/%y %H:%M": 14 characters, then the field's padding.
  EXPECT_EQ(image[33 + 2], '/');
  EXPECT_EQ(image[33 + 8], ' ');
  EXPECT_EQ(image[33 + 14], '\xFF');
  EXPECT_FALSE(std::filesystem::exists(dir / "CustomAudioFiles/CustomAudioLib.bin"));
  EXPECT_FALSE(std::filesystem::exists(dir / "ORVA Custom Audio Constants.txt"));
}

TEST(SndbankCustomAudio, DirectoryWithoutUsableEntries) {
  ScratchDir dir;
  ScratchDir cwd;
  const std::string absolute = std::filesystem::canonical(dir.path()).string();
  const std::string start = kHead + "\nPass 1: Create file list\n  Building file list from " + absolute + " ... ";
  const std::string block =
      "Error\n\nError:  no entries were found in this directory with the format xxxx.raw.\n"
      "Please correct the directory name or verify that entries are in the directory\n"
      "in the range 3000.raw through 4999.raw.\n";
  testsupport::writeFile(cwd / "CustomAudioLib.bin", "earlier");
  const testsupport::Run run = runBinary(cwd.path(), {dir.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, start + block);
  EXPECT_EQ(snapshot(cwd), (Files{{"CustomAudioLib.bin", "earlier"}}));
  testsupport::writeRamp(dir / "5000.raw", 4);
  EXPECT_EQ(runBinary(cwd.path(), {dir.path()}).output,
            start + "Error: Word Code 5000, Filename '" + absolute + "/5000.raw', out of range (0-4999)\n" + block);
}

TEST(SndbankCustomAudio, TwelveMinutesIsTheLimit) {
  ScratchDir dir;
  std::filesystem::create_directory(dir / "a");
  // 5,759,997 samples + 3 bytes of stop address = exactly 5,760,000.
  testsupport::writeRamp(dir / "a/0000.raw", 5759997);
  EXPECT_NE(runBinary(dir.path(), {"a"}).output.find("  Verify Pass: Found 1 entries pointing to samples.\n"),
            std::string::npos);
  const std::string built = readFile(dir / "CustomAudioLib.bin");
  testsupport::writeRamp(dir / "a/0000.raw", 5759998);
  EXPECT_TRUE(runBinary(dir.path(), {"a"}).output.ends_with(
      "  Number of SpeechLib Index Entries Required=1 (0x1)\n"
      "You have 12.00 minutes of custom audio but the maximum is 12.00 minutes.\n"
      "Please remove or shorten some custom words\n"));
  EXPECT_TRUE(readFile(dir / "CustomAudioLib.bin") == built);  // the earlier library stays
}

// Speech-library runs in-process: every path is given, nothing lands in the
// current directory. A failed run replaces nothing: the library and side
// files of an earlier run stay byte for byte and no temporary file is left.
TEST(SndbankSpeechLibrary, RunsEndWithTheirMessageOrShowIt) {
  ScratchDir dir;
  for (const char* name : {"lib.bin", "lib.inc", "lib.tab", "lib.txt"}) {
    testsupport::writeFile(dir / name, std::string("earlier ") + name);
  }
  std::filesystem::create_directory(dir / "adir");
  testsupport::writeRamp(dir / "w.raw", 10);
  testsupport::writeRamp(dir / "empty.raw", 0);
  // 512 + 256 of headers and index, 3 of stop address: 64,765 samples fill 65,536.
  testsupport::writeRamp(dir / "fills.raw", 64765);
  testsupport::writeRamp(dir / "over.raw", 64766);
  // Sparse files: only their lengths are taken before these runs end.
  for (const auto& [name, size] : {std::pair<const char*, std::uintmax_t>{"huge.raw", 0xFF0000},
                                   {"huge4g.raw", 0x100000010}, {"big1.raw", 8400000}, {"big2.raw", 8400000}}) {
    testsupport::writeRamp(dir / name, 0);
    std::filesystem::resize_file(dir / name, size);
  }
  const std::string word = "1 " + (dir / "w.raw") + "\n";
  // A word missing at the size pass: the index covers word 1 only (the entry
  // count is the failing code, 2) and the short image fails verification.
  const std::string gone = word + "2 " + (dir / "gone.raw") + "\n3 " + (dir / "w.raw") + "\n";
  struct Outcome {
    std::string definitions;        // "-": no definition file
    std::pair<int, std::string> change;  // an argument replaced: {index, value}
    std::string text;
    bool ends = true;  // the run ends with `text` (else: shows it somewhere)
    int status = 1;
  };
  const std::vector<Outcome> cases = {
      {word, {5, dir / "no/lib.bin"}, kHead + "Cannot create .bin output file " + (dir / "no/lib.bin") + ".\n"},
      {word, {5, dir / "adir"}, kHead + "Cannot create .bin output file " + (dir / "adir") + ".\n"},
      {"x " + (dir / "w.raw") + "\n", {}, "Error: Word Code 'x' on line 1 is not a decimal number.\n"},
      {"-", {}, "\nPass 1: Create file list\nParse " + (dir / "words.def") + "...\nInput file " +
                    (dir / "words.def") + " cannot be opened.\n"},
      {"-", {4, dir.path()}, "Parse " + dir.path() + "...\nError: the definition file cannot be read, Is a directory\n"},
      {word, {5, testhost::fullDevice() != nullptr ? testhost::fullDevice() : ""},
       "\nPass 3: Build Headers and Custom Audio Library file...\n"
       "Error: entire ffs_imageHeader not written, expected=0x100, actual=0x0\n"},
      {word, {1, "Seventeen chars!!"}, kHead + "Error: image name 'Seventeen chars!!' is longer than 16 characters.\n"},
      {word + "2 " + (dir / "empty.raw") + "\n", {},
       "\nPass 2: getImageSize from all files...Error: During getImageSize, input file " + (dir / "empty.raw") +
           " is empty.\n"},
      {"7 " + (dir / "huge.raw") + "\n", {},
       "Error: During getImageSize, input file " + (dir / "huge.raw") + " is too large, 16711680 bytes.\n"},
      {"7 " + (dir / "huge4g.raw") + "\n", {},
       "Error: During getImageSize, input file " + (dir / "huge4g.raw") + " is too large, 4294967312 bytes.\n"},
      {"1 " + (dir / "big1.raw") + "\n2 " + (dir / "big2.raw") + "\n", {},
       "  Number of SpeechLib Index Entries Required=3 (0x3)\n"
       "Error: the library would be 16800774 (0x1005C06) bytes, but it must stay below 16711680 (0xFF0000) bytes.\n"},
      {"0 " + (dir / "fills.raw") + "\n", {},
       "  Total File Size = 65536 (0x10000)\n  Flash Sectors Required to Store This File = 1 (0x1)\n", false, 0},
      {"0 " + (dir / "over.raw") + "\n", {},
       "  Total File Size = 65537 (0x10001)\n  Flash Sectors Required to Store This File = 2 (0x2)\n", false, 0},
      {gone, {}, "  Number of SpeechLib Index Entries Required=2 (0x2)\n", false},
      {gone, {}, "  VERIFY ERROR: Found 1 entries pointing to samples, expected 3.\n", false},
  };
  for (const Outcome& c : cases) {
    std::filesystem::remove(dir / "words.def");
    if (c.change.first != 0 && c.change.second.empty()) continue;  // no such device here
    if (c.definitions != "-") testsupport::writeFile(dir / "words.def", c.definitions);
    std::vector<std::string> args = testsupport::speechArgs(dir);
    if (c.change.first != 0) args[static_cast<std::size_t>(c.change.first)] = c.change.second;
    const Files before = snapshot(dir);
    const testsupport::Run run = testsupport::runSndbankInProcess(args);
    EXPECT_EQ(run.status, c.status) << c.text;
    EXPECT_TRUE(c.ends ? run.output.ends_with(c.text) : run.output.find(c.text) != std::string::npos)
        << c.text << run.output;
    if (c.status != 0) {
      EXPECT_TRUE(snapshot(dir) == before) << c.text;
    }
  }
  // Texts that fit their fields exactly are taken whole.
  testsupport::writeFile(dir / "words.def", word);
  const testsupport::Run run = testsupport::runSndbankInProcess(
      {"sndbank", "Sixteen chars!!!", "Twelve chars", "16 chars of date", dir / "words.def", dir / "lib.bin",
       dir / "lib.inc", dir / "lib.tab", dir / "lib.txt"});
  EXPECT_NE(run.output.find("  Verify Complete.\n"), std::string::npos);
  EXPECT_EQ(readFile(dir / "lib.bin").substr(5, 44), "Sixteen chars!!!Twelve chars16 chars of date");
  const Files after = snapshot(dir);
  EXPECT_EQ(after.size(), 5u);  // the four outputs and words.def: nothing temporary
  for (const auto& [name, bytes] : after) EXPECT_FALSE(bytes.starts_with("earlier")) << name;
}


}  // namespace

namespace {

// An interrupted run (Ctrl-C, SIGTERM) removes the temporary library it had
// begun, and the earlier library and side files stay as they were. The run
// is held in Pass 1 by a definition file that is a named pipe nobody writes.
TEST(SndbankInterrupted, RemovesItsTemporaryFilesAndKeepsTheEarlierOnes) {
  for (const int signal : {SIGINT, SIGTERM}) {
    ScratchDir dir;
    if (!testhost::makeWaitingInput(dir / "words.def")) GTEST_SKIP() << "no named pipes on this system";
    Files earlier;
    for (const char* name : {"lib.bin", "lib.inc", "lib.tab", "lib.txt"}) {
      testsupport::writeFile(dir / name, name);
      earlier[name] = name;
    }
    std::vector<std::string> args = testsupport::speechArgs(dir);
    args.erase(args.begin());
    const int status = testhost::interruptOnceCreated(std::string(ORVA_BIN_DIR) + "/sndbank", args, dir.path(),
                                                      dir / "lib.bin.sndbank-tmp", signal == SIGTERM);
    EXPECT_EQ(status, 128 + signal);
    EXPECT_EQ(snapshot(dir), earlier) << signal;
  }
}

}  // namespace
