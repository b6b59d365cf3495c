// The cfgscribe command line, loading and header checks, in-process and
// through the built program.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cfgscribe/cli.h"
#include "common/platform.h"
#include "generators/sndbank_files.h"
#include "harness.h"
#include "host/host.h"

namespace {

using namespace testsupport;

const std::string kBanner =
    "ORVA Configuration Utility, V1.3.4\n"
    "Free software for repeater owners; it comes with no warranty of any kind.\n\n";
const std::string kUsage = readGolden("cli/usage");

TEST(CommandLine, HelpUsageAndUnknownLetters) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
  } cases[] = {
      {{}, 0, kBanner + kUsage},
      {{"-h"}, 0, kBanner + kUsage},
      {{"--help", "x.cfg"}, 0, kBanner + kUsage},
      // --json and --diff with the wrong number of files: the usage, as for --help.
      {{"--json"}, 1, kBanner + kUsage},
      {{"--diff", "old.cfg"}, 1, kBanner + kUsage},
      {{"--version"}, 0, "cfgscribe 1.3.4\n"},
      {{"--verbose", "x.cfg"}, orva::platform::kUnknownOptionStatus,
       std::string("Unknown argument - in --verbose") + orva::platform::kCrLf},
      {{"-dh", "x.cfg"}, orva::platform::kUnknownOptionStatus, std::string("Unknown argument h in -dh") + orva::platform::kCrLf},
      // Even a failed script is comments only.
      {{"-s"}, 1, "; " + kBanner.substr(0, 35) + "; " + kBanner.substr(35) + ";Cannot open input file -s\n"},
      {{"-C", "/nonexistent/file.cfg"}, 1,
       "; " + kBanner.substr(0, 35) + "; " + kBanner.substr(35) + "Cannot open input file /nonexistent/file.cfg\n"},
  };
  for (const Case& c : cases) {
    const testsupport::Run r = runCfgscribeInProcess(c.args);
    EXPECT_EQ(r.status, c.status) << (c.args.empty() ? "" : c.args[0]);
    EXPECT_EQ(r.output, c.out) << (c.args.empty() ? "" : c.args[0]);
  }
}

TEST(CommandLine, LettersApplyLeftToRightAndTheLastArgumentIsTheFile) {
  TempDir dir;
  const std::string file = dir.write("a.cfg", ConfigFile().file());
  const std::string allValues = "; Option Selected: Generate a script with commented commands for setting all values\n";
  const std::string nonDefault = "; Option Selected: Generate a script that sets all non-default values\n";
  EXPECT_NE(runCfgscribeInProcess({"-sa", file}).output.find(allValues), std::string::npos);
  EXPECT_NE(runCfgscribeInProcess({"-as", file}).output.find(nonDefault), std::string::npos);
  EXPECT_NE(runCfgscribeInProcess({"-ar", "ignored", file}).output.find("Option Selected: Generate a full report\n"), std::string::npos);
  EXPECT_NE(runCfgscribeInProcess({"-", file}).output.find("Option Selected: Generate a full report\n"), std::string::npos);
  EXPECT_EQ(runCfgscribeInProcess({"-d", file}).output.rfind("Args: 3\n0: cfgscribe\n1: -d\n2: " + file + "\n" + kBanner, 0), 0u);
}

TEST(Loading, HeaderChecks) {
  TempDir dir;
  const std::string modeLine = "Option Selected: Generate a full report\n\n";
  struct Case {
    const char* what;
    Bytes file;
    std::vector<std::string> args;
    std::string lines;  // between the banner and the mode line
  } cases[] = {
      {"file of 100 bytes", Bytes(100, 0), {},
       "  VERIFY ERROR: the file holds 100 bytes, less than the 256-byte image header\n"
       "  VERIFY ERROR: ffs_imageHeader->itype expected=0x1, actual=0x0\n"},
      {"isz beyond the body", ConfigFile().isz(0x1000).file(), {},
       "  VERIFY ERROR: ffs_imageHeader->isz expected=0x1, actual=0x1000\n"},
      {"wrong itype", ConfigFile().itype(2).file(), {}, "  VERIFY ERROR: ffs_imageHeader->itype expected=0x1, actual=0x2\n"},
  };
  for (Case& c : cases) {
    c.args.push_back(dir.write("h.cfg", c.file));
    const std::string out = runCfgscribeInProcess(c.args).output;
    EXPECT_NE(out.find(kBanner + c.lines + modeLine), std::string::npos) << c.what << "\n" << out;
  }
}

TEST(Loading, WalkEndsAtIszOrTheLoadBuffer) {
  TempDir dir;
  // Two unknown records; isz covers only the first.
  const Bytes records = cat({elementArray(40, 0x01, 1, 1, {1}), elementArray(41, 0x01, 1, 1, {2})});
  const std::string shortIsz = runCfgscribeInProcess({dir.write("s.cfg", ConfigFile().add(records).noEnd().isz(5).file())}).output;
  EXPECT_NE(shortIsz.find("Type 40"), std::string::npos);
  EXPECT_EQ(shortIsz.find("Type 41"), std::string::npos);
  // A file longer than the load buffer: read up to the buffer, said so, and
  // the walk stays inside it even though isz claims the whole file.
  Bytes big = ConfigFile().add(elementArray(40, 0x01, 255, 255, fill(255 * 255, 0x11))).file();
  big.resize(70000, 0x22);
  big[57] = 0x01;  // isz = 0x011170 = 69,744: the real body length
  big[58] = 0x11;
  big[59] = 0x70;
  const std::string path = dir.write("big.cfg", big);
  const std::string out = runCfgscribeInProcess({path}).output;
  EXPECT_NE(out.find("  WARNING: " + path + " is longer than 65536 bytes; only the first 65536 bytes are read\n"
                     "  VERIFY ERROR: ffs_imageHeader->isz expected=0xff00, actual=0x11170\n"),
            std::string::npos)
      << out.substr(0, 400);
  EXPECT_NE(out.find("\nEnd of Report\n\n"), std::string::npos);
  // A directory cannot be read as a file.
  EXPECT_NE(runCfgscribeInProcess({dir.path()}).output.find("Cannot open input file " + dir.path() + "\n"), std::string::npos);
}

testhost::ProgramRun runProgram(const std::vector<std::string>& args, const std::string& cwd) {
  return testhost::runProgram(std::string(ORVA_BIN_DIR) + "/cfgscribe", args, cwd);
}

TEST(Program, ExitStatusesLineEndsAndFileNames) {
  TempDir dir;
  const testhost::ProgramRun unknown = runProgram({"-x", "file"}, dir.path());
  EXPECT_EQ(unknown.status, orva::platform::kUnknownOptionStatus);
  // One CR LF on every system, though Windows prints text.
  EXPECT_EQ(unknown.bytes, "Unknown argument x in -x\r\n");
  const std::string mismatched = dir.write("m.cfg", ConfigFile().itype(2).isz(0x1000).file());
  // Header mismatches are damage: the dump is still made, with status 2.
  const std::vector<std::pair<std::vector<std::string>, int>> cases = {{{"/nonexistent"}, 1}, {{}, 0}, {{"-C", mismatched}, 2}};
  for (const auto& [args, status] : cases) {
    EXPECT_EQ(runProgram(args, dir.path()).status, status) << (args.empty() ? "" : args[0]);
  }
  // A name outside every ANSI code page opens, given whole or relative.
  const std::string name = "\u03a9\u03bc\u03ad\u03b3\u03b1-\u65e5\u672c.cfg";
  const std::string path = dir.write(name, ConfigFile().file());
  for (const std::string& arg : {path, name}) {
    const testhost::ProgramRun r = runProgram({"-s", arg}, dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.text.ends_with("; End of Script\n\n")) << r.text;
    // Standard output is text: the system's own line ends.
    const std::string end = testhost::kTextLineEnd;
    EXPECT_TRUE(r.bytes.ends_with("; End of Script" + end + end)) << r.bytes;
  }
}

// Text fields of a file reach the terminal with every control byte (C0, DEL,
// C1) shown as "."; printable bytes, Latin-1 ones included, stay as they are.
TEST(Program, TextsFromTheFileNeverDriveTheTerminal) {
  const std::string hostile = "\x1b[2J\x07\x7f\x80\x9f\xa0ok";
  const std::string shown = ".[2J....\xa0ok";
  // The serial number fills its 8 bytes and a non-zero date follows: it shows no 9th.
  const Bytes identity = elementArray(cfgscribe::kID, 0x01, 30 + 11, 1,
                                      cat({text(hostile, 8), text(hostile, 8), fill(14, 1), text(hostile, 11)}));
  const Bytes name = elementArray(cfgscribe::kName, 0x01, 11, 1, text(hostile, 11));
  ControllerSpec controller;
  controller.signature = "C\x1b" "FG";
  TempDir dir;
  Bytes file = ConfigFile().name(hostile).version(hostile).dateText(hostile).add(controllerRecord(controller))
                   .add(identity).add(name).file();
  file[1] = 0x9b;  // the header's signature
  const std::string path = dir.write("t.cfg", file);
  struct Case {
    const char* option;
    std::vector<std::string> lines;
  } cases[] = {
      {"-r",
       {"Configuration File Name          : " + shown, "Configuration File Version       : " + shown.substr(0, 8),
        "Configuration File Date-Time     : " + shown, "Controller Model Number          : " + shown.substr(0, 8),
        "Controller Serial Number         : " + shown.substr(0, 8), "Original Customer Name           : " + shown,
        "User-Defined Controller Name     : " + shown}},
      {"-sd", {";   Configuration File Name          : " + shown, ";   Original Customer Name           : " + shown,
               "Signature     : O.VA", "Signature         : C.FG"}},
      {"-C", {"    Signature         : C.FG", "  Filename      : " + shown, "  Version       : " + shown.substr(0, 8), "  A Datetime    : " + shown}},
  };
  for (const Case& c : cases) {
    const std::string out = runCfgscribeInProcess({c.option, path}).output;
    EXPECT_EQ(out.find_first_of("\x1b\x07\x7f\x80\x9f"), std::string::npos) << c.option;
    for (const std::string& line : c.lines) EXPECT_NE(out.find(line + "\n"), std::string::npos) << c.option << line;
  }
}

}  // namespace
