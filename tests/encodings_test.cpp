// The field printers shared by the records: BCD date-time, message contents,
// the hex dump and the script comment column.
#include "cfgscribe/encodings.h"
#include "cfgscribe/image.h"
#include "harness.h"

namespace {

using cfgscribe::Printed;
using testsupport::Bytes;
using testsupport::capture;

orva::ByteView view(const Bytes& b) { return orva::ByteView(b.data(), b.size()); }

TEST(BcdDateTime, PrintsMonthDayYearAndUnpaddedHour) {
  struct Case { Bytes bytes; const char* text; } cases[] = {
      {{0x30, 0x15, 0x09, 0x05, 0x24, 0x12, 0x26}, "12/24/26 9:15:30"},
      {{0x09, 0x05, 0x08, 0x04, 0x01, 0x01, 0x26}, "1/1/26 8:05:09"},
      {Bytes(7, 0xFF), "165/165/165 165:165:165"},
      {{0x00, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00}, "1/1/00 0:00:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(capture([&](orva::Sink& s) { cfgscribe::printBcdDateTime(s, view(c.bytes)); }), c.text);
  }
}



TEST(MessageContents, GroupsUnitsWithSingleBlanks) {
  struct Case { Bytes bytes; std::size_t max; const char* text; std::size_t consumed; } cases[] = {
      {{0x01, 0x02, 0x03, 0xFF}, 8, "01 02 03 ", 4},
      {{0x97, 0x41, 0x42, 0x98, 0x05, 0xFF}, 8, "974142 9805 ", 6},
      // 0x99 0x93: the sub-code unit takes one more byte.
      {{0x99, 0x93, 0x12, 0x34, 0xFF}, 8, "9993 12 34 ", 5},
      // 0x99 0x04: a two-byte value runs together.
      {{0x99, 0x04, 0x12, 0x34, 0x56, 0xFF}, 8, "9904 1234 56", 6},
      // 0x99 0x10 arms A: 0x58 then closes a two-byte unit.
      {{0x99, 0x10, 0x58, 0x20, 0x07, 0xFF}, 8, "9910 58 20 07 ", 6},
      // 0x99 0x15 arms B: bytes run together until 0x58 or 0x57.
      {{0x99, 0x15, 0x01, 0x58, 0x02, 0x03, 0xFF}, 8, "9915 015802 03", 7},
      // A field that fills its limit has no end byte.
      {{0x01, 0x02, 0x03}, 3, "01 02 03 ", 3},
      {{0xFF}, 4, "", 1},
      // 0x5E prints "5*"; 0xE5 prints "*" and, being above 0x97, no blank.
      {{0x5E, 0xE5, 0xFF}, 4, "5* *", 3},
  };
  for (const Case& c : cases) {
    Printed p;
    std::string text = capture([&](orva::Sink& s) { p = cfgscribe::printMessageContents(s, view(c.bytes), c.max); });
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(p.chars, static_cast<int>(text.size())) << c.text;
    EXPECT_EQ(p.consumed, c.consumed) << c.text;
  }
}

TEST(HexDump, FullAndPartialRows) {
  Bytes twenty(20);
  for (std::size_t i = 0; i < twenty.size(); ++i) twenty[i] = static_cast<std::uint8_t>(i);
  EXPECT_EQ(capture([&](orva::Sink& s) { cfgscribe::printHexDump(s, view(twenty), 20, true, 4, 4); }),
            "    0000  00 01 02 03 04 05 06 07 - 08 09 0a 0b 0c 0d 0e 0f\n"
            "    0010  10 11 12 13 \n");
  EXPECT_EQ(capture([&](orva::Sink& s) { cfgscribe::printHexDump(s, view(twenty), 9, false, 0, 10); }),
            "00 01 02 03 04 05 06 07 - 08 ");
  EXPECT_EQ(capture([&](orva::Sink& s) { cfgscribe::printHexDump(s, view(twenty), 20, false, 0, 10); }),
            "00 01 02 03 04 05 06 07 - 08 09 0a 0b 0c 0d 0e 0f\n"
            "          10 11 12 13 ");
  // Only loaded bytes are dumped, however many are asked for.
  EXPECT_EQ(capture([&](orva::Sink& s) { cfgscribe::printHexDump(s, view(twenty).sub(16), 103, true, 4, 4); }),
            "    0000  10 11 12 13 \n");
}

TEST(CommentColumn, ScriptCommandsPadToColumnFiftyOne) {
  const std::string wide(60, 'x');
  const struct {
    int fixedWidth;  // 0: counted from what is printed
    bool commented;
    const char* command;
    std::string line;
  } cases[] = {
      {0, false, "MPW 9 *", "MPW 9 *" + std::string(43, ' ') + "; "},
      {0, true, "MPW 9 *", ";MPW 9 *" + std::string(42, ' ') + "; "},
      {0, false, wide.c_str(), wide + "; "},
      {13, false, "MPW 57 123 4 *", "MPW 57 123 4 *" + std::string(37, ' ') + "; "},
      {13, true, "MPW 57 1 4 *", ";MPW 57 1 4 *" + std::string(36, ' ') + "; "},
  };
  for (const auto& c : cases) {
    const std::string line = capture([&](orva::Sink& s) {
      cfgscribe::Out o{s};
      if (c.fixedWidth == 0) {
        o.command(c.commented, "%s", c.command);
      } else {
        o.commandAs(c.fixedWidth, c.commented, "%s", c.command);
      }
    });
    EXPECT_EQ(line, c.line) << c.command;
  }
}


}  // namespace
