#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "handler_run.h"
#include "support/image_builder.h"

namespace {

using namespace testsupport;
using cfgscribe::ControllerDefinition;
using cfgscribe::WalkContext;
using cfgscribe::records::longNamesReport;
using cfgscribe::records::longNamesScript;

WalkContext longNameContext(std::uint8_t transmitters = 3, std::uint8_t nameDigits = 4) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kTransmitters] = transmitters;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = nameDigits;
  return ctx;
}

Bytes slot(std::uint8_t flags, const Bytes& macro, std::uint8_t count, const Bytes& name) {
  return cat({{flags}, macro, {count}, name});
}
const Bytes kDefaultSlot = slot(0x00, fill(3, 0xFF), 0, fill(4, 0xFF));

// Slot 0 at its default; slot 1 only enabled; slot 2 only port 3; slot 3
// enabled, ports 1 and 3, macro 5678, long name 1234.
Bytes sampleRecord() {
  return cat({{26, 0x00, 9, 4, 3},
              kDefaultSlot,
              slot(0x80, fill(3, 0xFF), 0, fill(4, 0xFF)),
              slot(0x04, fill(3, 0xFF), 0, fill(4, 0xFF)),
              slot(0x85, digits("5678", 3), 4, digits("1234", 4))});
}

std::string reportSlot(int k, const char* enable, const char* ports, const char* macro, const char* name) {
  return " Long Name " + std::to_string(k) + "\n   Enable   :  " + enable + "\n   Ports    :  " + ports +
         "\n   Macro    :  " + macro + "\n   Long Name:  " + name + "\n";
}

TEST(LongNamesReport, EverySlot) {
  WalkContext ctx = longNameContext();
  const HandlerRun run = runHandler(longNamesReport, sampleRecord(), ctx, Flavour::kReport, true);
  EXPECT_EQ(run.text,
            "\nLong Names\n"
            "debug  Record Type       : 26\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 9\n"
            "debug  Num Misc          : 4\n"
            "debug  Num Ports         : 3\n" +
                reportSlot(0, "Disabled", "None", "Not Set", "Not Set") +
                reportSlot(1, "Enabled", "None", "Not Set", "Not Set") +
                reportSlot(2, "Disabled", "3", "Not Set", "Not Set") +
                reportSlot(3, "Enabled", "1, 3", "5678", "1234"));
  EXPECT_EQ(run.length, 41u);
}

TEST(LongNamesReport, PortsBeyondTheTransmittersAreNotListed) {
  WalkContext ctx = longNameContext(2);
  const std::string text = runHandler(longNamesReport, sampleRecord(), ctx, Flavour::kReport).text;
  EXPECT_NE(text.find(reportSlot(2, "Disabled", "None", "Not Set", "Not Set")), std::string::npos);
  EXPECT_NE(text.find(reportSlot(3, "Enabled", "1", "5678", "1234")), std::string::npos);
}

const std::string kScriptSlots123 =
    "MPW 46 01 00 1 *" + blanks(34) + "; Set Enable For Long Name 1\n"
    "MPW 46 01 01 *" + blanks(36) + "; Set Long Name 1\n"
    "MPW 46 01 02 *" + blanks(36) + "; Set Macro For Long Name 1\n"
    "MPW 46 01 03 *" + blanks(36) + "; Set Port Access For Long Name 1\n"
    "MPW 46 02 00 0 *" + blanks(34) + "; Set Enable For Long Name 2\n"
    "MPW 46 02 01 *" + blanks(36) + "; Set Long Name 2\n"
    "MPW 46 02 02 *" + blanks(36) + "; Set Macro For Long Name 2\n"
    "MPW 46 02 03 3 *" + blanks(34) + "; Set Port Access For Long Name 2\n"
    "MPW 46 03 00 1 *" + blanks(34) + "; Set Enable For Long Name 3\n"
    "MPW 46 03 01 1234 *" + blanks(31) + "; Set Long Name 3\n"
    "MPW 46 03 02 5678 *" + blanks(31) + "; Set Macro For Long Name 3\n"
    "MPW 46 03 03 13 *" + blanks(33) + "; Set Port Access For Long Name 3\n";

TEST(LongNamesScript, SlotsNotAtDefault) {
  // The port line writes port 3 even with two transmitters.
  WalkContext ctx = longNameContext(2);
  const HandlerRun run = runHandler(longNamesScript, sampleRecord(), ctx, Flavour::kScriptS);
  EXPECT_EQ(run.text, "\n; Long Names\n" + kScriptSlots123);
  EXPECT_EQ(run.length, 41u);
}

TEST(LongNamesScript, AllValuesCommentDefaultSlots) {
  WalkContext ctx = longNameContext();
  const HandlerRun run = runHandler(longNamesScript, sampleRecord(), ctx, Flavour::kScriptA, true);
  EXPECT_EQ(run.text,
            "\n; Long Names\n"
            ";debug  Record Type       : 26\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 9\n"
            ";debug  Num Misc          : 4\n"
            ";debug  Num Ports         : 3\n"
            ";MPW 46 00 00 0 *" + blanks(33) + "; Set Enable For Long Name 0\n"
            ";MPW 46 00 01 *" + blanks(35) + "; Set Long Name 0\n"
            ";MPW 46 00 02 *" + blanks(35) + "; Set Macro For Long Name 0\n"
            ";MPW 46 00 03 *" + blanks(35) + "; Set Port Access For Long Name 0\n" +
            kScriptSlots123);
}

TEST(LongNames, AllAtDefault) {
  const Bytes record = cat({{26, 0x00, 9, 1, 3}, kDefaultSlot});
  WalkContext ctx = longNameContext();
  EXPECT_EQ(runHandler(longNamesReport, record, ctx, Flavour::kReport).text,
            "\nLong Names\n" + reportSlot(0, "Disabled", "None", "Not Set", "Not Set"));
  EXPECT_EQ(runHandler(longNamesScript, record, ctx, Flavour::kScriptS).text,
            "\n; Long Names\n;   No Long Names Configured\n");
}

TEST(LongNamesScript, WidthsCountFieldsNotPrintedDigits) {
  // Digit count 6 with four digits stored; a macro name with a star digit.
  const Bytes record = cat({{26, 0x00, 9, 1, 3}, slot(0x00, {0x5E, 0x12, 0xFF}, 6, digits("1234", 4))});
  WalkContext ctx = longNameContext();
  EXPECT_EQ(runHandler(longNamesScript, record, ctx, Flavour::kScriptS).text,
            "\n; Long Names\n"
            "MPW 46 00 00 0 *" + blanks(34) + "; Set Enable For Long Name 0\n"
            "MPW 46 00 01 1234 *" + blanks(29) + "; Set Long Name 0\n"
            "MPW 46 00 02 5 *12 *" + blanks(31) + "; Set Macro For Long Name 0\n"
            "MPW 46 00 03 *" + blanks(36) + "; Set Port Access For Long Name 0\n");
}

TEST(LongNames, ShortElementsAndLongMacroNames) {
  // Element size 5: slots follow every 5 bytes and the long name is not stored.
  const Bytes shortSlots = cat({{26, 0x00, 5, 2, 3}, {0x80, 0x12, 0x34, 0xFF, 0x00}, {0x00, 0xFF, 0xFF, 0xFF, 0x00}});
  WalkContext ctx = longNameContext();
  HandlerRun run = runHandler(longNamesReport, shortSlots, ctx, Flavour::kReport);
  EXPECT_EQ(run.text, "\nLong Names\n" + reportSlot(0, "Enabled", "None", "1234", "Not Set") +
                          reportSlot(1, "Disabled", "None", "Not Set", "Not Set"));
  EXPECT_EQ(run.length, 15u);

  // Eight name digits: only the 3-byte macro field is read.
  const Bytes record = cat({{26, 0x00, 9, 1, 3}, slot(0x00, {0x12, 0x34, 0x56}, 2, {0x78, 0xFF, 0xFF, 0xFF})});
  WalkContext wide = longNameContext(3, 8);
  run = runHandler(longNamesReport, record, wide, Flavour::kReport);
  EXPECT_EQ(run.text, "\nLong Names\n" + reportSlot(0, "Disabled", "None", "123456", "78"));
}

}  // namespace
