// The raw dump (-C): header dump and each record printer, with the length
// each one steps.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "harness.h"

namespace {

using cfgscribe::ControllerDefinition;
using cfgscribe::Mode;
using namespace testsupport;

std::string head(int type, int attributes, int size, int count) {
  char text[200];
  std::snprintf(text, sizeof text,
                "  Record Type       : %d\n  Attributes        : 0x%x\n  Element Size      : %d\n"
                "  Num Elements      : %d\n",
                type, attributes, size, count);
  return text;
}
std::string headPorts(int type, int attributes, int size, int misc, int port) {
  char text[200];
  std::snprintf(text, sizeof text,
                "  Record Type       : %d\n  Attributes        : 0x%x\n  Element Size      : %d\n"
                "  Num Misc          : %d\n  Num Port          : %d\n",
                type, attributes, size, misc, port);
  return text;
}

struct Case {
  const char* what;
  Bytes record;
  std::string text;
  std::size_t length;  // bytes stepped; 0: the walk ends at the record's list end byte
};

// Checks the printed text, then that a walk steps exactly `length` bytes: a
// controller with one receiver, the record, and an unknown record 99 where
// the next record must start.
void check(const Case& c) {
  ControllerSpec definition;
  definition.receivers = 1;
  Bytes record = c.record;
  if (c.length != 0) record.resize(c.length);
  const Bytes image = cat({controllerRecord(definition), record, elementArray(99, 0x01, 1, 1, {0}), {0xFF}});
  const std::string out = renderWalk(Mode::kRaw, image);
  const std::string name = cfgscribe::recordTypeName(c.record[0]) ? cfgscribe::recordTypeName(c.record[0])
                                                                  : "cfgRec_Unrecognized";
  char opening[80];
  std::snprintf(opening, sizeof opening, "\nFile offset 0x24\n%s", name.c_str());
  const std::size_t at = out.find(opening);
  ASSERT_NE(at, std::string::npos) << c.what << "\n" << out;
  const std::size_t body = out.find('\n', at + 1 + std::string(opening).size() - 1) + 1;
  const std::size_t next = out.find("\nFile offset", body);
  EXPECT_EQ(out.substr(body, next - body), c.text) << c.what;
  if (c.length == 0) return;
  char landing[80];
  std::snprintf(landing, sizeof landing, "\nFile offset 0x%zx\ncfgRec_Unrecognized 99 (0x63):\n", 36 + c.length);
  EXPECT_NE(out.find(landing), std::string::npos) << c.what << "\n" << out;
}

TEST(RawDump, ElementArrayPrinters) {
  const Case cases[] = {
      {"element bytes: the first element only", elementArray(5, 0x01, 3, 2, {0x41, 0x42, 0x43, 1, 2, 3}),
       head(5, 1, 3, 2) + "    0000  41 42 43 \n", 10},
      {"passwords with labels", elementArray(6, 0x41, 2, 5, {0x12, 0x34, 0xFF, 0, 0x56, 0xFF, 0x78, 0x9E, 0x11, 0x22}),
       head(6, 0x41, 2, 5) + "    MPW  : 1234\n    CPW  : \n    RBPW : 56\n    APW  : 789 *\n    Other: 1122\n", 14},
      {"bit set", elementArray(7, 0x01, 2, 1, {0x03, 0x80}),
       head(7, 1, 2, 1) + "  Bit Set           : \n    0000  03 80 \n", 6},
      {"all bytes", elementArray(22, 0x01, 3, 2, {1, 2, 3, 4, 5, 6}),
       head(22, 1, 3, 2) + "  Bytes             : \n    0000  01 02 03 04 05 06 \n", 10},
      {"user timer columns, numbered from 0",
       elementArray(23, 0x01, 7, 2, {1, 0, 0x01, 0x2C, 0x00, 0x05, 0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 2, 3}),
       head(23, 1, 7, 2) +
           "  Timers\n     # : Enable   Value   Macro   Resolution\n"
           "     0 :  0x01    0x012c  1234    0x02\n"
           "     1 :  0x00    0x0005           0x03\n",
       18},
  };
  for (const Case& c : cases) check(c);
}

TEST(RawDump, ListPrinters) {
  const Case cases[] = {
      {"event-triggered macro lists, one per group",
       portGrouped(8, 0x02, 2, 2, 2, {0x01, 0x12, 0x34, 0xFF, 0x05, 0x56, 0x78, 0xFF}),
       headPorts(8, 2, 2, 2, 2) + "    Note: Unset ETMs Not Listed Here\n    0001: 1234\n    0105: 5678\n", 13},
      {"no setpoints", elementArray(9, 0x02, 8, 4, {0xFF}), head(9, 2, 8, 4) + "    No Setpoints Set\n", 5},
      {"setpoints",
       elementArray(9, 0x02, 8, 4, {3, 0x12, 0x34, 0xE0, 0x01, 0x15, 0x08, 0x30, 0x01, 0xFF}),
       head(9, 2, 8, 4) +
           "  Setpoint: 3\n    macroName: 1234\n    star     : *\n    month    : 01\n    day      : 15"
           "\n    hour     : 08\n    minute   : 30\n    flags    : 0x1, Enabled\n",
       14},
      {"message lists", portGrouped(15, 0x02, 4, 2, 2, {0x00, 0x01, 0x02, 0xFF, 0xFF, 0x03, 0x97, 0x41, 0xFF, 0xFF}),
       headPorts(15, 2, 4, 2, 2) + "    0000: 01 02 \n    0103: 9741\n", 15},
  };
  for (const Case& c : cases) check(c);
}

TEST(RawDump, MacrosAndCommandLists) {
  const Case cases[] = {
      {"no macros", elementArray(10, 0x02, 20, 0, {0, 0xFF, 0xFF}),
       "  Record Type       : 10\n  Attributes        : 0x2\n  Element Size      : 20\n  No Macros\n", 7},
      {"one macro, two commands",
       elementArray(10, 0x02, 20, 0, {0, 0x00, 0x07, 0x12, 0x34, 0x80, 0x03, 0x12, 0x34, 0x02, 0x56, 0xFF, 0xFF, 0xFF}),
       "  Record Type       : 10\n  Attributes        : 0x2\n  Element Size      : 20\n"
       "  iMacro     :   7\n    MacroName: 1234\n    MacroAttr: 0x80\n    Macro    : 12 34 \n             : 56 \n",
       7 + 2 + 2 + 1 + 6},
      {"a zero command length ends the list",
       elementArray(10, 0x02, 20, 0, {0, 0x00, 0x01, 0x99, 0x99, 0x00, 0x00, 0xFF, 0xFF}),
       "  Record Type       : 10\n  Attributes        : 0x2\n  Element Size      : 20\n"
       "  iMacro     :   1\n    MacroName: 9999\n    MacroAttr: 0x0\n    Macro    : \n",
       7 + 2 + 2 + 1 + 1},
  };
  for (const Case& c : cases) check(c);
}

TEST(RawDump, PortGroupedElementFormats) {
  const Case cases[] = {
      {"16-bit values, number prefix 1", portGrouped(12, 0x21, 2, 1, 1, {0x01, 0x2C, 0x00, 0x05}),
       headPorts(12, 0x21, 2, 1, 1) + "    1000:   300 (0x012c)\n    1100:     5 (0x0005)\n", 9},
      {"digit strings", portGrouped(19, 0x40, 2, 0, 2, {0x12, 0x34, 0xFF, 0xFF}),
       headPorts(19, 0x40, 2, 0, 2) + "    0100: 1234\n    0101: None Set  \n", 9},
      {"hex bytes", portGrouped(16, 0x00, 3, 1, 0, {0xA, 0xB, 0xC}), headPorts(16, 0, 3, 1, 0) + "    0000: 0a 0b 0c \n",
       8},
      {"long names: slots in the first group only, whatever byte 4 says",
       portGrouped(26, 0x00, 1, 2, 3, {0x0A, 0x0B}), headPorts(26, 0, 1, 2, 3) + "    0000: 0a \n    0001: 0b \n", 7},
      {"16-bit value in a one-byte element", portGrouped(13, 0x20, 1, 1, 0, {0x07}),
       headPorts(13, 0x20, 1, 1, 0) + "    2000:  2047 (0x07ff)\n", 6},
  };
  for (const Case& c : cases) check(c);
}

TEST(RawDump, UnrecognisedRecords) {
  const std::string debug40 = "debug  Record Type       : 40\ndebug  Attributes        : 0x";
  const Case cases[] = {
      {"layout kind 1", elementArray(40, 0x01, 2, 2, {1, 2, 3, 4}),
       "Unrecognized Config Record Type 40 (0x28)\n  File Contents, offset 0x24:\n" + debug40 +
           "1\ndebug  Element Size      : 2\n    0000  01 02 03 04 \n",
       8},
      // Entries from offset 5; the end byte is not counted in the length, so
      // the walk meets it as the image's end marker.
      {"layout kind 2 from offset 5", elementArray(40, 0x02, 1, 9, {0, 7, 0xAA, 8, 0xBB, 0xFF}),
       "Unrecognized Config Record Type 40 (0x28)\n  File Contents, offset 0x24:\n" + debug40 +
           "2\ndebug  Element Size      : 1\n7,     0000  aa \n8,     0000  bb \n",
       0},
      {"layout kind 3", elementArray(40, 0x03, 1, 1, {5, 6}),
       "Unrecognized Config Record Type 40 (0x28)\n  File Contents, offset 0x24:\n" + debug40 +
           "3\ndebug  Element Size      : 1\n    0000  05 \n  Internal Error: Record Type Not Handled (3). Call ORVA.",
       6},
  };
  for (const Case& c : cases) check(c);
}

TEST(RawDump, HeaderFieldsWithEmptyTexts) {
  ConfigFile f;
  f.name("Club").version("").dateText("").dateBcd(bcd(30, 15, 9, 5, 24, 12, 26));
  Bytes file = f.file();
  file[33] = 0xFF;
  EXPECT_EQ(render(Mode::kRaw, file),
            "  Signature     : ORVA\n"
            "  Header Version: 0\n"
            "  Filename      : Club\n"
            "  Version       : \n"
            "  A Datetime    : \n"
            "  B Datetime    : 12/24/26 9:15:30\n"
            "  File Type     : 1, Configuration File\n"
            "  File Size     : 1 (0x0001) bytes\n");
}

}  // namespace
