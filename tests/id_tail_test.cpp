#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using cfgscribe::ControllerDefinition;
using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::cat;
using testsupport::digits;
using testsupport::portGrouped;
using testsupport::renderRecord;

WalkContext context(unsigned ports, unsigned nameDigits) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(ports);
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = static_cast<std::uint8_t>(nameDigits);
  return ctx;
}

std::string report(const Bytes& record, unsigned ports, unsigned nameDigits = 4, bool debug = false) {
  WalkContext ctx = context(ports, nameDigits);
  return renderRecord(Mode::kReport, record, ctx, debug);
}
std::string script(const Bytes& record, unsigned ports, unsigned nameDigits = 4, bool debug = false,
                   bool all = false) {
  WalkContext ctx = context(ports, nameDigits);
  return renderRecord(Mode::kScript, record, ctx, debug, all);
}

std::uint32_t lengthOf(const Bytes& record, unsigned ports) {
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  WalkContext ctx = context(ports, 4);
  return cfgscribe::records::idTailReport(cfgscribe::Record(orva::ByteView(record.data(), record.size())), ctx, o);
}

const Bytes kUnset = {0xFF, 0xFF};

// Port 1: initial tail only; port 2: none; port 3: a short initial tail and
// a normal tail.
const Bytes kTails = portGrouped(19, 0x40, 2, 0, 2,
                                 cat({digits("1234", 2), kUnset, kUnset, kUnset, digits("05", 2), digits("9876", 2)}));

TEST(IdTail, ReportShowsBothTailsOfEveryPort) {
  EXPECT_EQ(report(kTails, 3),
            "\nID Tail Message Number\n"
            " Port 1\n"
            "  Initial ID Tail: 1234\n"
            "\n"
            "  Normal  ID Tail: None\n"
            "\n"
            " Port 2\n"
            "  Initial ID Tail: None\n"
            "  Normal  ID Tail: None\n"
            "\n"
            " Port 3\n"
            "  Initial ID Tail: 05\n"
            "\n"
            "  Normal  ID Tail: 9876\n"
            "\n"
            "\n");
  EXPECT_EQ(lengthOf(kTails, 3), 17u);
}

TEST(IdTail, ScriptCommandsEachSetTailInItsSlot) {
  const std::string expected =
      "\n; Set ID Tail Message Number\n"
      ";  ID Tail Message Number Port 1\n"
      ";   Initial ID Tail Message Number: 1234\n"
      "MPW 50 00 1234 *\n"
      ";   Normal ID Tail Message Number : None\n"
      "\n"
      ";  ID Tail Message Number Port 2\n"
      ";   Initial ID Tail Message Number: None\n"
      ";   Normal ID Tail Message Number : None\n"
      "\n"
      ";  ID Tail Message Number Port 3\n"
      ";   Initial ID Tail Message Number: 05\n"
      "MPW 50 04 05 *\n"
      ";   Normal ID Tail Message Number : 9876\n"
      "MPW 50 05 9876 *\n"
      "\n";
  EXPECT_EQ(script(kTails, 3), expected);
  EXPECT_EQ(script(kTails, 3, 4, false, true), expected);
}

TEST(IdTail, DebugLinesFollowTheHeading) {
  const Bytes record = portGrouped(19, 0x40, 2, 0, 2, cat({kUnset, digits("4321", 2)}));
  EXPECT_EQ(report(record, 1, 4, true),
            "\nID Tail Message Number\n"
            "debug  Record Type       : 19\n"
            "debug  Attributes        : 0x40\n"
            "debug  Element Size      : 2\n"
            "debug  Num Misc          : 0\n"
            "debug  Num Port          : 2\n"
            " Port 1\n"
            "  Initial ID Tail: None\n"
            "  Normal  ID Tail: 4321\n"
            "\n"
            "\n");
  EXPECT_EQ(script(record, 1, 4, true),
            "\n; Set ID Tail Message Number\n"
            ";debug  Record Type       : 19\n"
            ";debug  Attributes        : 0x40\n"
            ";debug  Element Size      : 2\n"
            ";debug  Num Misc          : 0\n"
            ";debug  Num Port          : 2\n"
            ";  ID Tail Message Number Port 1\n"
            ";   Initial ID Tail Message Number: None\n"
            ";   Normal ID Tail Message Number : 4321\n"
            "MPW 50 01 4321 *\n"
            "\n");
}

TEST(IdTail, DigitsFollowTheMacroNameLengthWithinTheElement) {
  const Bytes record = portGrouped(19, 0x40, 3, 0, 2, cat({digits("123456", 3), digits("987654", 3)}));
  struct Case {
    unsigned nameDigits;
    const char* initial;
  } cases[] = {
      {2, "12"},
      {4, "1234"},
      {6, "123456"},
      {10, "123456"},  // never more than the element holds
      {1, ""},
  };
  for (const Case& c : cases) {
    const std::string text = report(record, 1, c.nameDigits);
    EXPECT_NE(text.find(std::string("  Initial ID Tail: ") + c.initial + "\n"), std::string::npos)
        << c.nameDigits;
  }
}

TEST(IdTail, OddLayoutsStayInsideTheRecord) {
  // Miscellaneous elements are stepped over.
  const Bytes withMisc = portGrouped(19, 0x40, 2, 1, 2,
                                     cat({{0x11, 0x11}, digits("1234", 2), kUnset, kUnset, kUnset, digits("05", 2),
                                          digits("9876", 2)}));
  EXPECT_EQ(report(withMisc, 3), report(kTails, 3));
  EXPECT_EQ(lengthOf(withMisc, 3), 19u);

  // One element per port: there is no normal tail to read.
  const Bytes initialOnly = portGrouped(19, 0x40, 2, 0, 1, cat({digits("12", 2), digits("34", 2)}));
  EXPECT_EQ(script(initialOnly, 2),
            "\n; Set ID Tail Message Number\n"
            ";  ID Tail Message Number Port 1\n"
            ";   Initial ID Tail Message Number: 12\n"
            "MPW 50 00 12 *\n"
            ";   Normal ID Tail Message Number : None\n"
            "\n"
            ";  ID Tail Message Number Port 2\n"
            ";   Initial ID Tail Message Number: 34\n"
            "MPW 50 02 34 *\n"
            ";   Normal ID Tail Message Number : None\n"
            "\n");

  // Zero ports: headings only.
  EXPECT_EQ(report(kTails, 0), "\nID Tail Message Number\n");
  EXPECT_EQ(script(kTails, 0), "\n; Set ID Tail Message Number\n");
  EXPECT_EQ(lengthOf(kTails, 0), 5u);
}

}  // namespace
