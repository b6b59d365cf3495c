// User timers: the column-wise payload, the report, the MPW 49 value and
// macro commands with their padding, and columns that run past the record.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using namespace cfgscribe;
using testsupport::Bytes;
using testsupport::be16;
using testsupport::cat;
using testsupport::elementArray;

std::string sp(int n) { return std::string(n, ' '); }

struct Case {
  const char* name;
  Mode mode;
  bool debug, allValues;
  Bytes record;
  std::string expected;
  unsigned macroDigits = 4;
};

void check(const Case& c) {
  SCOPED_TRACE(c.name);
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = static_cast<std::uint8_t>(c.macroDigits);
  std::string text;
  Sink sink(text);
  Out o{sink, c.debug, c.allValues, c.mode == Mode::kScript};
  const Record r(ByteView(c.record.data(), c.record.size()));
  const auto handler = c.mode == Mode::kScript ? records::userTimersScript : records::userTimersReport;
  EXPECT_EQ(handler(r, ctx, o), 4 + r.elementSize() * r.elementCount());
  sink.flush();
  EXPECT_EQ(text, c.expected);
  WalkContext again = ctx;
  EXPECT_EQ(testsupport::renderRecord(c.mode, c.record, again, c.debug, c.allValues), c.expected);
}

// Stored column by column: enables, values, 3-byte macros, resolutions.
//   0: enabled,  10 (the default), no macro,    100 ms
//   1: disabled,  0,               macro 123456, 10 s
//   2: enabled, 1234,              macro 9901,   resolution code 4
const Bytes kThree = elementArray(23, 0x01, 7, 3,
                                  cat({{1, 0, 1}, be16(10), be16(0), be16(1234),
                                       {0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x99, 0x01, 0xFF}, {0, 3, 4}}));

TEST(UserTimers, Sections) {
  const std::string report =
      " User Timer 0\n   Enable       :  Enabled\n   Timeout Value:     10 (   1.0 sec)\n"
      "   Resolution   :  100 ms\n   Timeout Macro:  ----\n"
      " User Timer 1\n   Enable       :  Disabled\n   Timeout Value:      0 (   0.0 sec)\n"
      "   Resolution   :  10 s\n   Timeout Macro:  1234\n"
      " User Timer 2\n   Enable       :  Enabled\n   Timeout Value:   1234 ( 123.4 sec)\n"
      "   Resolution   :  error: unsupported value, 0x04\n   Timeout Macro:  9901\n";
  const std::string debug = "debug  Record Type       : 23\ndebug  Attributes        : 0x1\n"
                            "debug  Element Size      : 7\ndebug  Num Elements      : 3\n"
                            "debug  Timers\ndebug     # : Enable  Value   Macro\n";
  const std::string scriptDebug = ";debug  Record Type       : 23\n;debug  Attributes        : 0x1\n"
                                  ";debug  Element Size      : 7\n;debug  Num Elements      : 3\n"
                                  ";debug  Timers\n;debug     # : Enable  Value   Macro\n";
  // Each comment's ";" stands in column 51.
  const std::string set =
      "MPW 49 01 03     0 *" + sp(30) + ";    0.0 seconds, Set User Timer #1 Value \n" +
      "MPW 49 01 02 1234 *" + sp(29) + "  ; Set Macro For User Timer #1\n" +
      "MPW 49 02 03  1234 *" + sp(30) + ";  123.4 seconds, Set User Timer #2 Value \n" +
      "MPW 49 02 02 9901 *" + sp(29) + "  ; Set Macro For User Timer #2\n";
  const std::string defaults = ";MPW 49 00 03    10 *" + sp(29) + ";    1.0 seconds, Set User Timer #0 Value \n" +
                               ";MPW 49 00 02 <macroname> *" + sp(21) + "  ; Set Macro For User Timer #0\n";
  const Case cases[] = {
      {"report", Mode::kReport, false, false, kThree, "\nUser Timers\n" + report},
      {"report -d", Mode::kReport, true, false, kThree, "\nUser Timers\n" + debug + report},
      {"-s", Mode::kScript, false, false, kThree, "\n; Set User Timers\n" + set},
      {"-a", Mode::kScript, false, true, kThree, "\n; Set User Timers\n" + defaults + set},
      {"-s -d", Mode::kScript, true, false, kThree, "\n; Set User Timers\n" + scriptDebug + set},
  };
  for (const Case& c : cases) check(c);
}

TEST(UserTimers, EdgeCases) {
  const Bytes atDefaults = elementArray(23, 1, 7, 2, cat({{0, 1}, be16(10), be16(10), Bytes(6, 0xFF), {0, 2}}));
  const Bytes none = elementArray(23, 1, 7, 0, {});
  const Bytes named = elementArray(23, 1, 7, 1, cat({{1}, be16(10), {0x12, 0x34, 0x56}, {2}}));
  const std::string namedReport = "\nUser Timers\n User Timer 0\n   Enable       :  Enabled\n"
                                  "   Timeout Value:     10 (   1.0 sec)\n   Resolution   :  1 s\n   Timeout Macro:  ";
  const std::string notConfigured = "\n; Set User Timers\n;   No User Timers Configured\n";
  // Columns placed from the count alone: with element size 6 the resolution
  // column lies past the record (on the next record's bytes); the image may
  // also end inside a column.
  const Bytes narrow = cat({elementArray(23, 1, 6, 2, cat({{1, 1}, be16(0), be16(0), Bytes(6, 0xFF)})), {0, 0}});
  const Bytes cut = elementArray(23, 1, 7, 2, cat({{1, 1}, be16(0), be16(0), Bytes(6, 0xFF), {0}}));
  const Case cases[] = {
      {"all at defaults, -s", Mode::kScript, false, false, atDefaults, notConfigured},
      {"no timers, -s", Mode::kScript, false, false, none, notConfigured},
      {"no timers, -a", Mode::kScript, false, true, none, notConfigured},
      {"no timers, report", Mode::kReport, false, false, none, "\nUser Timers\n"},
      {"six name digits", Mode::kReport, false, false, named, namedReport + "123456\n", 6},
      {"five name digits: two bytes", Mode::kReport, false, false, named, namedReport + "1234\n", 5},
      {"twelve name digits: the 3-byte field", Mode::kReport, false, false, named, namedReport + "123456\n", 12},
      {"padding follows the name printed", Mode::kScript, false, false, named,
       "\n; Set User Timers\nMPW 49 00 02 123456 *" + sp(27) + "  ; Set Macro For User Timer #0\n", 6},
      {"element size 6", Mode::kReport, false, false, narrow,
       "\nUser Timers\n  WARNING: Record data missing, 2 of 2 timers not shown\n"},
      {"element size 6, -a", Mode::kScript, false, true, narrow,
       "\n; Set User Timers\n;   WARNING: Record data missing, 2 of 2 timers not shown\n"},
      {"image ends in the resolution column", Mode::kScript, false, false, cut,
       "\n; Set User Timers\nMPW 49 00 03     0 *" + sp(30) + ";    0.0 seconds, Set User Timer #0 Value \n" +
           ";   WARNING: Record data missing, 1 of 2 timers not shown\n"},
  };
  for (const Case& c : cases) check(c);
}

}  // namespace
