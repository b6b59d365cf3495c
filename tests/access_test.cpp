// The control operator access table in the report and both scripts.
#include <gtest/gtest.h>

#include <string>

#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::renderRecord;

// Access bytes for roots 0..count-1, all allowed except the given ones.
Bytes accessRecord(unsigned count, std::initializer_list<std::pair<unsigned, std::uint8_t>> denied,
                   std::uint8_t elementSize = 1) {
  Bytes payload(static_cast<std::size_t>(count) * elementSize, 0);
  for (auto [root, value] : denied) payload[static_cast<std::size_t>(root) * elementSize] = value;
  return testsupport::elementArray(22, 0x01, elementSize, static_cast<std::uint8_t>(count), payload);
}

std::string render(Mode mode, const Bytes& record, bool debug = false, bool allValues = false) {
  WalkContext ctx;
  return renderRecord(mode, record, ctx, debug, allValues);
}

// Root 37 is not controllable: its byte never shows. Any non-zero byte
// denies the command.
const Bytes kMixed = accessRecord(100, {{2, 0xFF}, {37, 1}, {39, 2}, {95, 1}});

TEST(AccessTable, ReportListsEveryControllableCommand) {
  EXPECT_EQ(render(Mode::kReport, kMixed), R"(
Control Operator Privilege Level
 Commands by Root Number
   Command 02:  Disabled -- Control CTCSS Encoder
   Command 03:  Enabled  -- Select Frequency of CTCSS Encoder
   Command 06:  Enabled  -- Select Frequency of CW and Single-Tone Beeps
   Command 08:  Enabled  -- Select Default Tone and Gap Durations
   Command 09:  Enabled  -- Set Timer Value
   Command 10:  Enabled  -- Set Default Message Level
   Command 12:  Enabled  -- Select CW Speed
   Command 15:  Enabled  -- Send Message
   Command 16:  Enabled  -- Stop Speech Message in Progress
   Command 20:  Enabled  -- Create New Macro
   Command 21:  Enabled  -- Erase Macro
   Command 22:  Enabled  -- Erase All Macros
   Command 24:  Enabled  -- Remove Last Command From Macro
   Command 25:  Enabled  -- Set Clock and Calendar
   Command 26:  Enabled  -- Set Event-Triggered Macro
   Command 27:  Enabled  -- Rename Macro
   Command 28:  Enabled  -- Set and Control Scheduler Setpoint
   Command 29:  Enabled  -- Append to Macro
   Command 31:  Enabled  -- Select Message
   Command 33:  Enabled  -- List Macro in CW
   Command 34:  Enabled  -- Review Message
   Command 35:  Enabled  -- List Macro in Speech
   Command 39:  Disabled -- Reserved
   Command 45:  Enabled  -- Set Counter Value
   Command 48:  Enabled  -- Adjust Daylight Saving Time
   Command 49:  Enabled  -- Set and Control User Timer
   Command 50:  Enabled  -- Set Identifier Tail Message
   Command 57:  Enabled  -- Select Path Access Mode
   Command 63:  Enabled  -- Set/Clear Software Switches
   Command 70:  Enabled  -- Select Logic Outputs Latched ON
   Command 71:  Enabled  -- Select Logic Outputs Latched OFF
   Command 72:  Enabled  -- Select Logic Outputs Momentary ON
   Command 73:  Enabled  -- Select Logic Outputs Momentary OFF
   Command 76:  Enabled  -- If-Then-Else
   Command 90:  Enabled  -- Select Path Priority
   Command 91:  Enabled  -- Select Command Response Message Routing
   Command 92:  Enabled  -- Assign Control Operator Password
   Command 93:  Enabled  -- Assign Master Password
   Command 94:  Enabled  -- Assign Control Operator Privilege Level
   Command 95:  Disabled -- Controller Reset
   Command 98:  Enabled  -- Pause
)");
}

TEST(AccessTable, ScriptWritesDeniedCommandsOnly) {
  EXPECT_EQ(render(Mode::kScript, kMixed), R"(
; Set Control Operator Privilege Level
MPW 94 02 1 *                                     ; Disabled, Control CTCSS Encoder
MPW 94 39 1 *                                     ; Disabled, Reserved
MPW 94 95 1 *                                     ; Disabled, Controller Reset
)");
}

// Twelve roots covered: 2, 3, 6, 8, 9 and 10 are controllable.
const Bytes kShort = accessRecord(12, {{3, 1}, {9, 4}, {11, 1}});

TEST(AccessTable, AllValuesCommentsTheAllowedCommands) {
  EXPECT_EQ(render(Mode::kScript, kShort, false, true), R"(
; Set Control Operator Privilege Level
;MPW 94 02 0 *                                    ; Enabled,  Control CTCSS Encoder
MPW 94 03 1 *                                     ; Disabled, Select Frequency of CTCSS Encoder
;MPW 94 06 0 *                                    ; Enabled,  Select Frequency of CW and Single-Tone Beeps
;MPW 94 08 0 *                                    ; Enabled,  Select Default Tone and Gap Durations
MPW 94 09 1 *                                     ; Disabled, Set Timer Value
;MPW 94 10 0 *                                    ; Enabled,  Set Default Message Level
)");
}

TEST(AccessTable, DebugAddsHeaderLinesAndByteDump) {
  const Bytes record = accessRecord(20, {{3, 1}, {9, 4}, {17, 0xAB}});
  EXPECT_EQ(render(Mode::kReport, record, true), R"(
Control Operator Privilege Level
 Commands by Root Number
debug  Record Type       : 22
debug  Attributes        : 0x1
debug  Element Size      : 1
debug  Num Elements      : 20
debug  Bytes             : 
     0000  00 00 00 01 00 00 00 00 - 00 04 00 00 00 00 00 00
     0010  00 ab 00 00 
   Command 02:  Enabled  -- Control CTCSS Encoder
   Command 03:  Disabled -- Select Frequency of CTCSS Encoder
   Command 06:  Enabled  -- Select Frequency of CW and Single-Tone Beeps
   Command 08:  Enabled  -- Select Default Tone and Gap Durations
   Command 09:  Disabled -- Set Timer Value
   Command 10:  Enabled  -- Set Default Message Level
   Command 12:  Enabled  -- Select CW Speed
   Command 15:  Enabled  -- Send Message
   Command 16:  Enabled  -- Stop Speech Message in Progress
)");
  EXPECT_EQ(render(Mode::kScript, record, true), R"(
; Set Control Operator Privilege Level
;debug  Record Type       : 22
;debug  Attributes        : 0x1
;debug  Element Size      : 1
;debug  Num Elements      : 20
;debug  Bytes             : 
     0000  00 00 00 01 00 00 00 00 - 00 04 00 00 00 00 00 00
     0010  00 ab 00 00 
MPW 94 03 1 *                                     ; Disabled, Select Frequency of CTCSS Encoder
MPW 94 09 1 *                                     ; Disabled, Set Timer Value
)");
}

TEST(AccessTable, NothingDeniedOrNothingCovered) {
  const char* allowed = R"(
; Set Control Operator Privilege Level
;   Control Operator Password Can Access All Commands.
)";
  const Bytes records[] = {
      accessRecord(100, {}),
      accessRecord(100, {{37, 1}, {99, 1}}),  // only roots that cannot be granted
      accessRecord(0, {}),
      testsupport::elementArray(22, 0x01, 0, 100, {}),  // empty elements cover nothing
  };
  for (const Bytes& record : records) EXPECT_EQ(render(Mode::kScript, record), allowed);
  EXPECT_EQ(render(Mode::kReport, testsupport::elementArray(22, 0x01, 0, 100, {})),
            "\nControl Operator Privilege Level\n Commands by Root Number\n");
}

TEST(AccessTable, UnusualLayoutsStayInsideTheRecord) {
  // Two-byte elements: each root is judged by the first byte of its element.
  const Bytes wide = accessRecord(4, {{2, 1}, {3, 0}}, 2);
  EXPECT_EQ(render(Mode::kScript, wide),
            "\n; Set Control Operator Privilege Level\n"
            "MPW 94 02 1 *                                     ; Disabled, Control CTCSS Encoder\n");
  // More than 100 roots claimed: only 0..99 exist.
  Bytes many = accessRecord(200, {{95, 1}, {195, 1}});
  EXPECT_EQ(render(Mode::kScript, many),
            "\n; Set Control Operator Privilege Level\n"
            "MPW 94 95 1 *                                     ; Disabled, Controller Reset\n");
  // A record cut short by the end of the image covers only its loaded bytes.
  Bytes cut = accessRecord(100, {{2, 1}});
  cut.resize(4 + 5);
  EXPECT_EQ(render(Mode::kReport, cut),
            "\nControl Operator Privilege Level\n Commands by Root Number\n"
            "   Command 02:  Disabled -- Control CTCSS Encoder\n"
            "   Command 03:  Enabled  -- Select Frequency of CTCSS Encoder\n");
}

TEST(AccessTable, ReturnsTheRecordLength) {
  WalkContext ctx;
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  const Bytes record = accessRecord(100, {}, 1);
  const cfgscribe::Record r(orva::ByteView(record.data(), record.size()));
  const auto& report = cfgscribe::reportHandlers().known[22];
  const auto& script = cfgscribe::scriptHandlers().known[22];
  EXPECT_EQ(report(r, ctx, o), 104u);
  EXPECT_EQ(script(r, ctx, o), 104u);
  Bytes cut = record;
  cut.resize(10);
  const cfgscribe::Record shortRecord(orva::ByteView(cut.data(), cut.size()));
  EXPECT_EQ(report(shortRecord, ctx, o), 104u);  // as the header says; the walk stops at the image end
}

}  // namespace
