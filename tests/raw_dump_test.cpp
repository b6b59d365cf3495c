// The raw dump (-C) at its edges: the printers of records the complete
// example does not show, and the length each one steps.

#include <algorithm>
#include <sstream>

#include "harness.h"

namespace {

using namespace testsupport;

struct Case {
  const char* what;
  Bytes record;
  std::string text;    // the section after its dispatch lines, record header lines left out
  std::size_t length;  // bytes stepped; 0: the walk ends at the record's list end byte
};

bool isHeaderLine(const std::string& line) {
  for (const char* label : {"  Record Type ", "  Attributes  ", "  Element Size", "  Num Elements", "  Num Misc  ",
                            "  Num Port  "})
    if (line.starts_with(label)) return true;
  return false;
}

// A walk of a controller with one receiver, the record and an unknown
// record 99 where the next record must start.
void check(const Case& c, bool keepHeader = false) {
  ControllerSpec definition;
  definition.receivers = 1;
  Bytes record = c.record;
  if (c.length != 0) record.resize(c.length);
  const Bytes image = cat({controllerRecord(definition), record, elementArray(99, 0x01, 1, 1, {0}), {0xFF}});
  std::string out = renderWalk(Mode::kRaw, image);
  // The lines that name damage are checked elsewhere.
  for (std::size_t d; (d = out.find("\n  DAMAGED: ")) != std::string::npos;) out.erase(d, out.find('\n', d + 1) - d + 1);
  const std::size_t at = out.find("\nFile offset 0x24\n");
  ASSERT_NE(at, std::string::npos) << c.what << "\n" << out;
  std::size_t from = out.find('\n', out.find('\n', at + 1) + 1) + 1;  // past the two dispatch lines
  const std::size_t next = std::min(out.find("\nFile offset", from), out.size());
  std::string body;
  while (from < next) {
    const std::size_t newline = out.find('\n', from);
    const std::size_t end = newline < next ? newline + 1 : next;
    const std::string line = out.substr(from, end - from);
    if (keepHeader || !isHeaderLine(line)) body += line;
    from = end;
  }
  EXPECT_EQ(body, c.text) << c.what;
  if (c.length == 0) return;
  EXPECT_NE(out.find("\nFile offset 0x" + (std::ostringstream() << std::hex << 36 + c.length).str() +
                     "\ncfgRec_Unrecognized 99 (0x63):\n"),
            std::string::npos)
      << c.what << "\n" << out;
}

TEST(RawDump, RecordHeaderLines) {
  check({"passwords with labels", elementArray(6, 0x41, 2, 5, {0x12, 0x34, 0xFF, 0, 0x56, 0xFF, 0x78, 0x9E, 0x11, 0x22}),
         "  Record Type       : 6\n  Attributes        : 0x41\n  Element Size      : 2\n  Num Elements      : 5\n"
         "    MPW  : 1234\n    CPW  : \n    RBPW : 56\n    APW  : 789 *\n    Other: 1122\n",
         14},
        true);
  check({"long names: slots in the first group only, whatever byte 4 says",
         portGrouped(26, 0x00, 1, 2, 3, {0x0A, 0x0B}),
         "  Record Type       : 26\n  Attributes        : 0x0\n  Element Size      : 1\n  Num Misc          : 2\n"
         "  Num Port          : 3\n    0000: 0a \n    0001: 0b \n",
         7},
        true);
}

TEST(RawDump, Printers) {
  const Case cases[] = {
      {"element bytes: an identity record holds one element whatever its count",
       elementArray(5, 0x01, 3, 2, {0x41, 0x42, 0x43}), "    0000  41 42 43 \n", 7},
      {"no setpoints", elementArray(9, 0x02, 8, 4, {0xFF}), "    No Setpoints Set\n", 5},
      {"setpoints: the element count ends the list", elementArray(9, 0x02, 8, 1, {1, 0x12, 0x34, 1, 2, 3, 4, 5, 0, 2}),
       "  Setpoint: 1\n    macroName: 1234\n    star     : 01\n    month    : 02\n    day      : 03\n"
       "    hour     : 04\n    minute   : 05\n    flags    : 0x0, Disabled\n", 14},
      {"hex elements wider than a row", portGrouped(13, 0x00, 17, 1, 0, fill(17, 0xAB)),
       "    2000: ab ab ab ab ab ab ab ab - ab ab ab ab ab ab ab ab\n          ab \n", 22},
      {"no macros", elementArray(10, 0x02, 20, 0, {0, 0xFF, 0xFF}), "  No Macros\n", 7},
      {"a zero command length ends the list",
       elementArray(10, 0x02, 20, 0, {0, 0x00, 0x01, 0x99, 0x99, 0x00, 0x00, 0xFF, 0xFF}),
       "  iMacro     :   1\n    MacroName: 9999\n    MacroAttr: 0x0\n    Macro    : \n", 7 + 2 + 2 + 1 + 1},
      {"digit strings", portGrouped(19, 0x40, 2, 0, 2, {0x12, 0x34, 0xFF, 0xFF}),
       "    0100: 1234\n    0101: None Set  \n", 9},
      {"16-bit value in a one-byte element", portGrouped(13, 0x20, 1, 1, 0, {0x07}), "    2000:  2047 (0x07ff)\n", 6},
      {"unrecognised, layout kind 1", elementArray(40, 0x01, 2, 2, {1, 2, 3, 4}),
       "Unrecognized Config Record Type 40 (0x28)\n  File Contents, offset 0x24:\n"
       "debug  Record Type       : 40\ndebug  Attributes        : 0x1\ndebug  Element Size      : 2\n"
       "    0000  01 02 03 04 \n",
       8},
      // An indexed list: entries from offset 4, the end byte counted.
      {"unrecognised, layout kind 2", elementArray(40, 0x02, 1, 9, {7, 0xAA, 8, 0xBB, 0xFF}),
       "Unrecognized Config Record Type 40 (0x28)\n  File Contents, offset 0x24:\n"
       "debug  Record Type       : 40\ndebug  Attributes        : 0x2\ndebug  Element Size      : 1\n"
       "7,     0000  aa \n8,     0000  bb \n",
       9},
      {"unrecognised, layout kind 3", elementArray(40, 0x03, 1, 1, {5, 6}),
       "Unrecognized Config Record Type 40 (0x28)\n  File Contents, offset 0x24:\n"
       "debug  Record Type       : 40\ndebug  Attributes        : 0x3\ndebug  Element Size      : 1\n"
       "    0000  05 \n  Internal Error: Record Type Not Handled (3). Call ORVA.",
       6},
  };
  for (const Case& c : cases) check(c);
}

}  // namespace
