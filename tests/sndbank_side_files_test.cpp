// Symbol names and the three side files of a speech library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_support.h"
#include "sndbank/side_files.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testhost::readText;
using testsupport::ScratchDir;

TEST(SymbolBase, TakesTheNameWithoutDirectoryOrExtension) {
  // A leading or final dot starts no extension; only the last dot counts,
  // and not one in the directory.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"words\\good-bye.raw", "good_bye"}, {"words/good-bye.raw", "good_bye"}, {"words\\3000.raw", "3000"},
      {"it's.raw", "it_s"},   {"words\\hello", "hello"}, {"words\\.raw", ".raw"}, {"hello.", "hello."},
      {"a.b.c", "a.b"},       {"dir.x/name", "name"},   {"my word.raw", "my_word"}, {"mixed/dir\\Name.RAW", "Name"},
      {"words\\", ""},        {"", ""},                 {"x", "x"}};
  for (const auto& [name, base] : cases) {
    char buffer[kFileNameSize];
    const std::size_t length = symbolBase(name.c_str(), buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), base) << name;
    EXPECT_EQ(length, base.size()) << name;
  }
  char small[4];
  EXPECT_EQ(symbolBase("dir/abcdefgh.raw", small, sizeof small), 3u);
  EXPECT_EQ(std::string(small), "abc");
}

TEST(SideFiles, NameEveryWordWithItsCodeAndSize) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "answer.raw", 5);
  testsupport::writeRamp(dir / "good-bye.raw", 1234);
  testsupport::buildSpeechLibrary(dir, "42 " + (dir / "answer.raw") + "\n3000 " + (dir / "good-bye.raw") + "\n");
  testsupport::expectGolden(readText(dir / "lib.inc"), "sndbank_side/inc");
  testsupport::expectGolden(readText(dir / "lib.tab"), "sndbank_side/tab");
  testsupport::expectGolden(readText(dir / "lib.txt"), "sndbank_side/txt");
  // Native text files: every line ends as the system's text files do.
  std::string native;
  for (char c : readText(dir / "lib.inc")) native += c == '\n' ? std::string(testhost::kTextLineEnd) : std::string(1, c);
  EXPECT_EQ(testhost::readBytes(dir / "lib.inc"), native);
  testsupport::buildSpeechLibrary(dir, "");
  testsupport::expectGolden(readText(dir / "lib.tab"), "sndbank_side/tab_empty");
}

TEST(SideFiles, OneThatCannotBeCreatedDoesNotStopTheRun) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "w.raw", 5);
  testsupport::writeFile(dir / "words.def", "1 " + (dir / "w.raw") + "\n");
  std::vector<std::string> args = testsupport::speechArgs(dir);
  args[6] = dir / "missing/lib.inc";
  const testsupport::Run run = testsupport::runSndbankInProcess(args);
  // The library verifies and goes in place with the two side files written,
  // yet the run failed: one output asked for is missing.
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(testsupport::readFile(dir / "lib.bin").size(), 768u + 3u + 5u);
  EXPECT_NE(run.output.find("\nPass 4: Generate .inc output file...\nCannot create .inc output file.\nDone\n"
                            "\nPass 5: Generate tab-deliminted output file...\nDone\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(readText(dir / "lib.tab").find("1\tw\t5\n"), std::string::npos);
  EXPECT_NE(run.output.find("  Verify Complete.\nDone\n"), std::string::npos);
}

}  // namespace
}  // namespace sndbank
