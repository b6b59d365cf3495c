// Message contents: the units a message's bytes group into, with single blanks.
#include "cfgscribe/encodings.h"
#include "cfgscribe/image.h"
#include "harness.h"

namespace {

using cfgscribe::Printed;
using testsupport::Bytes;
using testsupport::capture;

orva::ByteView view(const Bytes& b) { return orva::ByteView(b.data(), b.size()); }

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
      // 0x99 0x60 to 0x62: the two bytes after it run together.
      {{0x99, 0x62, 0x12, 0x34, 0xFF}, 8, "9962 1234 ", 5},
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

}  // namespace
