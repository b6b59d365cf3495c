// Symbol names and the three side files of a speech library.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sndbank/side_files.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using testsupport::readText;
using testsupport::ScratchDir;

TEST(SymbolBase, TakesTheNameWithoutDirectoryOrExtension) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"words\\good-bye.raw", "good_bye"},
      {"words/good-bye.raw", "good_bye"},
      {"words\\3000.raw", "3000"},
      {"it's.raw", "it_s"},
      {"words\\hello", "hello"},
      {"words\\.raw", ".raw"},      // a leading dot starts no extension
      {"hello.", "hello."},         // nor does a final one
      {"a.b.c", "a.b"},             // only the last dot counts
      {"dir.x/name", "name"},       // a dot in the directory does not
      {"my word.raw", "my_word"},
      {"mixed/dir\\Name.RAW", "Name"},
      {"words\\", ""},
      {"", ""},
      {"x", "x"},
  };
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

constexpr const char* kDate = "12/01/26 10:00";

testsupport::Run buildWithSideFiles(const ScratchDir& dir, const std::string& definitions,
                                    const std::string& incPath) {
  testsupport::writeFile(dir / "words.def", definitions);
  return testsupport::runSndbankInProcess({"sndbank", "Lib", "1.2", kDate, dir / "words.def",
                                           dir / "lib.bin", incPath, dir / "lib.tab",
                                           dir / "lib.txt"});
}

TEST(SideFiles, NameEveryWordWithItsCodeAndSize) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "answer.raw", 5);
  testsupport::writeRamp(dir / "good-bye.raw", 1234);
  buildWithSideFiles(dir, "42 " + (dir / "answer.raw") + "\n3000 " + (dir / "good-bye.raw") + "\n",
                     dir / "lib.inc");
  EXPECT_EQ(readText(dir / "lib.inc"),
            "; Speech Library Include File\n"
            ";  Tool          = sndbank\n"
            ";  Tool Version  = ORVA Build Speech Lib Utility, V1.2.0\n\n"
            "; Matching Library:\n"
            ";  Name          = Lib\n"
            ";  Version       = 1.2\n"
            ";  DateTime      = 12/01/26 10:00\n"
            ";  NOTE: all values in BCD to support ORVA Repeater App!!!\n"
            "SL_answer \t\tEQU \t$0042 \t\t\t;5 (0x5) bytes\n"
            "SL_good_bye \t\tEQU \t$3000 \t\t\t;1234 (0x4D2) bytes\n");
  EXPECT_EQ(readText(dir / "lib.tab"),
            "Speech Library Words\n"
            "Tool\tsndbank\n"
            "Tool Version\tORVA Build Speech Lib Utility, V1.2.0\n\n"
            "Matching Library:\n"
            "Name\tLib\n"
            "Version\t1.2\n"
            "DateTime\t12/01/26 10:00\n"
            "\nWordCode\tName\tSize\n"
            "42\tanswer\t5\n"
            "3000\tgood_bye\t1234\n");
  EXPECT_EQ(readText(dir / "lib.txt"),
            "; 5220 Speech Library Words\n"
            ";   Tool\tsndbank\n"
            ";   Tool Version\tORVA Build Speech Lib Utility, V1.2.0\n\n"
            ";   Matching Library:\n"
            ";   Name\tLib\n"
            ";   Version\t1.2\n"
            ";   DateTime\t12/01/26 10:00\n"
            ";   Name = WordCode ; Size\n"
            "w_answer = 0042         ; 5\n"
            "w_good_bye = 3000         ; 1234\n");
}

TEST(SideFiles, EmptyListGivesHeaderLinesOnly) {
  ScratchDir dir;
  buildWithSideFiles(dir, "", dir / "lib.inc");
  EXPECT_EQ(readText(dir / "lib.tab"),
            "Speech Library Words\n"
            "Tool\tsndbank\n"
            "Tool Version\tORVA Build Speech Lib Utility, V1.2.0\n\n"
            "Matching Library:\n"
            "Name\tLib\n"
            "Version\t1.2\n"
            "DateTime\t12/01/26 10:00\n"
            "\nWordCode\tName\tSize\n");
}

TEST(SideFiles, OneThatCannotBeCreatedDoesNotStopTheRun) {
  ScratchDir dir;
  testsupport::writeRamp(dir / "w.raw", 5);
  const testsupport::Run run =
      buildWithSideFiles(dir, "1 " + (dir / "w.raw") + "\n", dir / "missing/lib.inc");
  EXPECT_NE(run.output.find("\nPass 4: Generate .inc output file...\n"
                            "Cannot create .inc output file.\n"
                            "Done\n"
                            "\nPass 5: Generate tab-deliminted output file...\n"
                            "Done\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(readText(dir / "lib.tab").find("1\tw\t5\n"), std::string::npos);
  EXPECT_NE(run.output.find("  Verify Complete.\nDone\n"), std::string::npos);
}

}  // namespace
}  // namespace sndbank
