// The record walk and its stopping rules, the unrecognised-record handler
// with its debug lines, and the header block.
#include "harness.h"

namespace {

using cfgscribe::Mode;
using namespace testsupport;

// A one-byte-per-element record of unknown type 40 that the walk steps over
// in 4 + count bytes and whose dump names its type.
Bytes unknownRecord(std::uint8_t type, std::uint8_t count) {
  return elementArray(type, 0x01, 1, count, fill(count, 0xAB));
}

int countOf(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(RecordWalk, StoppingRules) {
  ControllerSpec three;
  three.recordCount = 3;
  ControllerSpec zero, many, four;
  zero.recordCount = 0;
  four.recordCount = 4;  // counts every record handled so far
  struct Case {
    const char* what;
    Bytes image;
    int handled;  // unrecognised records printed
  } cases[] = {
      {"end marker first", {0xFF, 40, 1, 1, 1}, 0},
      {"empty image", {}, 0},
      {"record count 3 stops after two more", cat({controllerRecord(three), unknownRecord(40, 1), unknownRecord(41, 1),
                                                   unknownRecord(42, 1), unknownRecord(43, 1)}), 2},
      {"records before the controller count toward it", cat({unknownRecord(40, 1), controllerRecord(three),
                                                             unknownRecord(41, 1), unknownRecord(42, 1)}), 2},
      {"record count 0 stops after the controller", cat({controllerRecord(zero), unknownRecord(40, 1)}), 0},
      {"no end marker: stops at the image end", cat({unknownRecord(40, 2), unknownRecord(41, 2)}), 2},
      {"end marker after a record", cat({unknownRecord(40, 2), {0xFF}, unknownRecord(41, 2)}), 1},
      {"record running past the image end", cat({unknownRecord(40, 1), elementArray(41, 0x01, 200, 200, {1, 2})}), 2},
      {"a later definition replaces the count", cat({controllerRecord(many), unknownRecord(40, 1), controllerRecord(four),
                                                     unknownRecord(41, 1), unknownRecord(42, 1), unknownRecord(43, 1)}), 2},
  };
  for (const Case& c : cases) {
    const std::string out = renderWalk(Mode::kReport, c.image);
    EXPECT_EQ(countOf(out, "Unrecognized Config Record Type"), c.handled) << c.what << "\n" << out;
  }
}

TEST(UnrecognisedRecord, DumpsByLayoutKindAndSteps) {
  struct Case {
    const char* what;
    Bytes record;
    const char* report;
    std::size_t length;
  } cases[] = {
      {"element array", elementArray(40, 0x01, 2, 3, {1, 2, 3, 4, 5, 6}),
       "\nUnrecognized Config Record Type 40 (0x28)\n    0000  01 02 03 04 05 06 \n", 10},
      {"port grouped: Num Misc + Num Port elements whatever the ports",
       portGrouped(30, 0x00, 1, 2, 3, {9, 8, 7, 6, 5}),
       "\nUnrecognized Config Record Type 30 (0x1e)\n    0000  09 08 07 06 05 \n", 10},
      {"indexed list: stepped as a list", elementArray(31, 0x02, 2, 5, {1, 0xA, 0xB, 2, 0xC, 0xD, 0xFF}),
       "\nUnrecognized Config Record Type 31 (0x1f)\n    0000  0a 0b \n"
       "  Internal Error: Record Type Not Handled (2). Call ORVA.",
       4 + 2 * 3 + 1},
      {"element array of two dump rows", elementArray(40, 0x01, 20, 1, fill(20, 0x11)),
       "\nUnrecognized Config Record Type 40 (0x28)\n    0000  11 11 11 11 11 11 11 11 - 11 11 11 11 11 11 11 11\n"
       "    0010  11 11 11 11 \n",
       24},
      {"indexed list: at most 101 entries", elementArray(33, 0x02, 0, 1, fill(102, 0x01)),
       "\nUnrecognized Config Record Type 33 (0x21)\n  Internal Error: Record Type Not Handled (2). Call ORVA.",
       4 + 101 + 1},
      {"unsupported kind", elementArray(32, 0x03, 2, 1, {0, 7, 8}),
       "\nUnrecognized Config Record Type 32 (0x20)\n    0000  07 08 \n"
       "  Internal Error: Record Type Not Handled (3). Call ORVA.",
       7},
  };
  for (const Case& c : cases) {
    // The record, then a recognisable unknown record where the walk must land.
    const Bytes image = cat({c.record, unknownRecord(99, 1)});
    const std::string out = renderWalk(Mode::kReport, image);
    // After the line that names the unknown type as damage.
    const std::string named = "\n  DAMAGED: offset 0x0, cfgRec_Unrecognized " + std::to_string(c.record[0]) +
                              ": record type " + std::to_string(c.record[0]) + " is not one this program knows\n";
    EXPECT_EQ(out.substr(0, named.size() + std::string(c.report).size()), named + c.report) << c.what;
    const std::string next = "Unrecognized Config Record Type 99 (0x63)";
    EXPECT_NE(out.find(next), std::string::npos) << c.what << ": walk did not land on the next record\n" << out;
    ASSERT_EQ(image.size(), c.length + 5) << c.what;
  }
}

TEST(UnrecognisedRecord, ScriptFormAndDebugLines) {
  const Bytes image = cat({elementArray(40, 0x03, 1, 1, {0, 0x42}), {0xFF}});
  expectGolden(renderWalk(Mode::kScript, image, true), "walk/unrecognised_script_debug");
}

// Full text fields are cut to their field; an absent version and date-time
// text leave their lines out of the report and empty in the raw dump, which
// shows the BCD date-time instead.
TEST(HeaderBlock, FullAndAbsentFields) {
  ConfigFile full;
  full.name("Sixteen chars!!!").version("v12345678901").dateText("11/28/2026 18:40");
  full.dateBcd(bcd(30, 40, 18, 6, 28, 11, 26));  // the byte after the date-time text is not part of it
  ConfigFile bare;
  bare.name("Club").version("").dateText("").dateBcd(bcd(9, 5, 8, 4, 1, 1, 26));
  Bytes bareFile = bare.file();
  bareFile[33] = 0xFF;  // no date-time text
  const std::string head = "Controller Configuration Report\n  Report Generated Date-Time       : 12/06/26 12:00:00\n";
  const std::string end = "\n\nEnd of Report\n\n";
  const struct {
    Mode mode;
    Bytes file;
    std::string text;
  } cases[] = {
      {Mode::kReport, full.file(),
       head + "  Configuration File Name          : Sixteen chars!!!\n  Configuration File Version       : v1234567\n"
              "  Configuration File Date-Time     : 11/28/2026 18:40\n" + end},
      {Mode::kReport, bareFile,
       head + "  Configuration File Name          : Club\n  Configuration File Date-Time     : 1/1/26 8:05:09\n" + end},
      {Mode::kRaw, bareFile,
       "  Signature     : ORVA\n  Header Version: 0\n  Filename      : Club\n  Version       : \n"
       "  A Datetime    : \n  B Datetime    : 1/1/26 8:05:09\n  File Type     : 1, Configuration File\n"
       "  File Size     : 1 (0x0001) bytes\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(render(c.mode, c.file), c.text);
}

}  // namespace
