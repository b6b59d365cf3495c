// Controller definition, identity, status, versions, serial ports and name
// in the report and the script.


#include "harness.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using namespace testsupport;

ControllerSpec twoByTwo() {
  ControllerSpec s;
  s.receivers = 2;
  s.transmitters = 2;
  s.recordCount = 9;
  return s;
}

TEST(ControllerDefinition, ScriptWithDebugAndSizeWarning) {
  ControllerSpec s = twoByTwo();
  s.elementSize = 16;  // 16 x 1 is not 32: warned, stepped by its own header
  WalkContext ctx;
  expectGolden(runRecord(Mode::kScript, controllerRecord(s), ctx, true).text, "controller/script_debug_size_warning");
  // Every mode steps 4 + 16 bytes. The definition's fields past its record
  // read as 0, none from the record that follows; with no record count
  // stored, none limits the walk.
  Bytes shortDefinition = controllerRecord(s);
  shortDefinition.resize(20);
  const Bytes image = cat({shortDefinition, elementArray(40, 1, 1, 14, fill(14, 0xAB)), {0xFF}});
  for (Mode mode : {Mode::kReport, Mode::kScript, Mode::kRaw}) {
    EXPECT_NE(renderWalk(mode, image).find("Type 40"), std::string::npos);
  }
}

TEST(ControllerDefinition, ShortImageLeavesMissingFieldsZero) {
  // Only 10 payload bytes are loaded: the rest of the definition reads as 0.
  Bytes record = controllerRecord(twoByTwo());
  record.resize(14);
  WalkContext ctx;
  ctx.take(recordOf(record));
  EXPECT_EQ(ctx.controller.bytes[4], 2u);  // the structure version is loaded
  EXPECT_EQ(ctx.controller.receivers(), 0u);
  EXPECT_EQ(ctx.controller.recordCount(), 0u);
}

TEST(IdentityRecords, ShortRecordsReadNothingBeyondThemselves) {
  WalkContext ctx;
  // Element size 20: no customer name (width would be negative), no dates in
  // full: shown as absent, not as the 0xFF of bytes not there.
  const Bytes identity = cat({elementArray(cfgscribe::kID, 0x01, 20, 1, cat({text("MODEL", 8), text("SERIAL", 8), {1, 2, 3, 4}})),
                              fill(40, 0x41)});
  const std::string out = runRecord(Mode::kReport, identity, ctx).text;
  EXPECT_NE(out.find("  Original Customer Name           : ----\n  Controller Serial Number         : SERIAL\n"
                     "  Controller Model Number          : MODEL\n  Controller Manufacture Date-Time : ----\n"
                     "  Controller Format Date-Time      : ----\n"),
            std::string::npos)
      << out;
  // A name that fills its field has no terminator: it stops at the record's end.
  const Bytes name = cat({elementArray(cfgscribe::kName, 0x01, 4, 1, text("ABCD", 4)), text("EFGH", 4)});
  EXPECT_EQ(runRecord(Mode::kReport, name, ctx).text, "  User-Defined Controller Name     : ABCD\n");
  // A versions record of 8 bytes: the missing slots read as never set.
  const Bytes versions = cat({elementArray(cfgscribe::kFWVer, 0x01, 8, 1, {1, 0, 0, 0, 2, 0, 0, 0}), fill(40, 3)});
  EXPECT_NE(runRecord(Mode::kReport, versions, ctx).text.find("  ORVA_A                           : version not set\n"),
            std::string::npos);
}

}  // namespace
