// User timers: the column-wise payload, the report, the MPW 49 value and
// macro commands with their padding, and records too short for their
// columns.
#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using cfgscribe::ControllerDefinition;
using cfgscribe::Mode;
using cfgscribe::Out;
using cfgscribe::Record;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::be16;
using testsupport::cat;
using testsupport::elementArray;

std::string sp(int n) { return std::string(n, ' '); }

WalkContext withMacroDigits(unsigned digits) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = static_cast<std::uint8_t>(digits);
  return ctx;
}

std::string render(Mode mode, const Bytes& record, bool debug = false, bool allValues = false,
                   unsigned macroDigits = 4) {
  WalkContext ctx = withMacroDigits(macroDigits);
  return testsupport::renderRecord(mode, record, ctx, debug, allValues);
}

std::uint32_t lengthOf(bool script, const Bytes& record) {
  std::string text;
  orva::Sink sink(text);
  Out o{sink, false, false, script};
  WalkContext ctx = withMacroDigits(4);
  const Record r(orva::ByteView(record.data(), record.size()));
  return script ? cfgscribe::records::userTimersScript(r, ctx, o) : cfgscribe::records::userTimersReport(r, ctx, o);
}

// Three timers, stored column by column:
//   0: enabled,  10 (the default), no macro,   100 ms
//   1: disabled,  0,              macro 123456, 10 s
//   2: enabled, 1234,             macro 99 01,  resolution code 4
Bytes threeTimers() {
  return elementArray(23, 0x01, 7, 3,
                      cat({{1, 0, 1},
                           be16(10), be16(0), be16(1234),
                           {0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x99, 0x01, 0xFF},
                           {0, 3, 4}}));
}

// Two timers, both at their defaults (enable and resolution do not count).
Bytes defaultTimers() {
  return elementArray(23, 0x01, 7, 2, cat({{0, 1}, be16(10), be16(10), Bytes(6, 0xFF), {0, 2}}));
}

const std::string kThreeTimersReport =
    " User Timer 0\n"
    "   Enable       :  Enabled\n"
    "   Timeout Value:     10 (   1.0 sec)\n"
    "   Resolution   :  100 ms\n"
    "   Timeout Macro:  ----\n"
    " User Timer 1\n"
    "   Enable       :  Disabled\n"
    "   Timeout Value:      0 (   0.0 sec)\n"
    "   Resolution   :  10 s\n"
    "   Timeout Macro:  1234\n"
    " User Timer 2\n"
    "   Enable       :  Enabled\n"
    "   Timeout Value:   1234 ( 123.4 sec)\n"
    "   Resolution   :  error: unsupported value, 0x04\n"
    "   Timeout Macro:  9901\n";

TEST(UserTimers, Report) {
  EXPECT_EQ(render(Mode::kReport, threeTimers()), "\nUser Timers\n" + kThreeTimersReport);
}

TEST(UserTimers, ReportWithDebug) {
  EXPECT_EQ(render(Mode::kReport, threeTimers(), true),
            "\nUser Timers\n"
            "debug  Record Type       : 23\n"
            "debug  Attributes        : 0x1\n"
            "debug  Element Size      : 7\n"
            "debug  Num Elements      : 3\n"
            "debug  Timers\n"
            "debug     # : Enable  Value   Macro\n" +
                kThreeTimersReport);
}

// Non-default values only; each comment's ";" stands in column 51.
const std::string kThreeTimersNonDefault =
    "MPW 49 01 03     0 *" + sp(30) + ";    0.0 seconds, Set User Timer #1 Value \n" +
    "MPW 49 01 02 1234 *" + sp(29) + "  ; Set Macro For User Timer #1\n" +
    "MPW 49 02 03  1234 *" + sp(30) + ";  123.4 seconds, Set User Timer #2 Value \n" +
    "MPW 49 02 02 9901 *" + sp(29) + "  ; Set Macro For User Timer #2\n";

TEST(UserTimers, ScriptSetsNonDefaultValues) {
  EXPECT_EQ(render(Mode::kScript, threeTimers()), "\n; Set User Timers\n" + kThreeTimersNonDefault);
}

TEST(UserTimers, ScriptAllValuesCommentsOutTheDefaults) {
  EXPECT_EQ(render(Mode::kScript, threeTimers(), false, true),
            "\n; Set User Timers\n"
            ";MPW 49 00 03    10 *" + sp(29) + ";    1.0 seconds, Set User Timer #0 Value \n" +
                ";MPW 49 00 02 <macroname> *" + sp(21) + "  ; Set Macro For User Timer #0\n" +
                kThreeTimersNonDefault);
}

TEST(UserTimers, ScriptWithDebug) {
  EXPECT_EQ(render(Mode::kScript, threeTimers(), true),
            "\n; Set User Timers\n"
            ";debug  Record Type       : 23\n"
            ";debug  Attributes        : 0x1\n"
            ";debug  Element Size      : 7\n"
            ";debug  Num Elements      : 3\n"
            ";debug  Timers\n"
            ";debug     # : Enable  Value   Macro\n" +
                kThreeTimersNonDefault);
}

TEST(UserTimers, NothingToSet) {
  const std::string none = "\n; Set User Timers\n;   No User Timers Configured\n";
  EXPECT_EQ(render(Mode::kScript, defaultTimers()), none);
  const Bytes empty = elementArray(23, 0x01, 7, 0, {});
  EXPECT_EQ(render(Mode::kScript, empty, false, false), none);
  EXPECT_EQ(render(Mode::kScript, empty, false, true), none);
  EXPECT_EQ(render(Mode::kReport, empty), "\nUser Timers\n");
}

// The macro name takes (macro name digits / 2) bytes of its 3-byte field,
// never more than the field.
TEST(UserTimers, MacroNameLengthFollowsTheControllersDigits) {
  const Bytes record = elementArray(23, 0x01, 7, 1, cat({{1}, be16(10), {0x12, 0x34, 0x56}, {2}}));
  struct Case {
    unsigned digits;
    const char* name;
  };
  for (const Case& c : {Case{6, "123456"}, Case{5, "1234"}, Case{2, "12"}, Case{0, ""}, Case{12, "123456"}}) {
    SCOPED_TRACE(c.digits);
    EXPECT_EQ(render(Mode::kReport, record, false, false, c.digits),
              std::string("\nUser Timers\n"
                          " User Timer 0\n"
                          "   Enable       :  Enabled\n"
                          "   Timeout Value:     10 (   1.0 sec)\n"
                          "   Resolution   :  1 s\n"
                          "   Timeout Macro:  ") +
                  c.name + "\n");
  }
  // The macro line is padded from what the name really printed.
  EXPECT_EQ(render(Mode::kScript, record, false, false, 6),
            "\n; Set User Timers\nMPW 49 00 02 123456 *" + sp(27) + "  ; Set Macro For User Timer #0\n");
}

// Columns placed from the count alone run past a record whose element size
// is below 7, or past the end of the image: those timers are left out and
// nothing after the record is read.
TEST(UserTimers, TimersOutsideTheRecordAreLeftOut) {
  const Bytes narrow = elementArray(23, 0x01, 6, 2, cat({{1, 1}, be16(0), be16(0), Bytes(6, 0xFF)}));
  const Bytes narrowThenMore = cat({narrow, {0x00, 0x00}});
  EXPECT_EQ(render(Mode::kReport, narrowThenMore),
            "\nUser Timers\n  WARNING: Record data missing, 2 of 2 timers not shown\n");
  EXPECT_EQ(render(Mode::kScript, narrowThenMore, false, true),
            "\n; Set User Timers\n;   WARNING: Record data missing, 2 of 2 timers not shown\n");
  EXPECT_EQ(lengthOf(false, narrowThenMore), 16u);
  EXPECT_EQ(lengthOf(true, narrowThenMore), 16u);

  // The image ends inside the resolution column: timer 0 is whole.
  const Bytes cut = elementArray(23, 0x01, 7, 2, cat({{1, 1}, be16(0), be16(0), Bytes(6, 0xFF), {0}}));
  EXPECT_EQ(render(Mode::kScript, cut),
            "\n; Set User Timers\n"
            "MPW 49 00 03     0 *" + sp(30) + ";    0.0 seconds, Set User Timer #0 Value \n" +
                ";   WARNING: Record data missing, 1 of 2 timers not shown\n");
  EXPECT_EQ(lengthOf(true, cut), 18u);
}

TEST(UserTimers, RecordLengthIsFourPlusSizeTimesCount) {
  EXPECT_EQ(lengthOf(false, threeTimers()), 25u);
  EXPECT_EQ(lengthOf(true, threeTimers()), 25u);
  EXPECT_EQ(lengthOf(false, elementArray(23, 0x01, 9, 1, cat({{1}, be16(5), Bytes(3, 0xFF), {0, 0, 0}}))), 13u);
  EXPECT_EQ(lengthOf(true, elementArray(23, 0x01, 255, 255, {})), 4u + 255u * 255u);
}

}  // namespace
