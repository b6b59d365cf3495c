// DTMF decoders: the heading without a line end, one digit count per port,
// the script's comment-only section, and records that hold fewer bytes
// than their ports need.
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
using testsupport::cat;
using testsupport::fill;
using testsupport::portGrouped;

WalkContext withReceivers(unsigned receivers) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  return ctx;
}

// Runs one handler on `bytes` (the record, possibly followed by more of
// the image) and returns what it printed and the length it returned.
struct HandlerRun {
  std::string text;
  std::uint32_t length;
};
HandlerRun runHandler(bool script, const Bytes& bytes, WalkContext& ctx) {
  HandlerRun run{};
  orva::Sink sink(run.text);
  Out o{sink, false, false, script};
  const Record r(orva::ByteView(bytes.data(), bytes.size()));
  run.length = script ? cfgscribe::records::dtmfScript(r, ctx, o) : cfgscribe::records::dtmfReport(r, ctx, o);
  sink.flush();
  return run;
}

// Two ports, 4-byte elements, one per port: port 1 counts 5 digits, port 2 255.
Bytes twoPorts() { return portGrouped(21, 0x00, 4, 0, 1, {5, 9, 9, 9, 255, 9, 9, 9}); }

TEST(DtmfDecoders, ReportShowsEachPortsDigitCount) {
  WalkContext ctx = withReceivers(2);
  EXPECT_EQ(testsupport::renderRecord(Mode::kReport, twoPorts(), ctx),
            "\nDTMF Decoders"
            "\n Port 1\n"
            "  DTMF Commands Execute on Digit Count: 5\n"
            "\n Port 2\n"
            "  DTMF Commands Execute on Digit Count: 255\n");
}

TEST(DtmfDecoders, ReportDebugLinesContinueTheHeadingLine) {
  WalkContext ctx = withReceivers(2);
  EXPECT_EQ(testsupport::renderRecord(Mode::kReport, twoPorts(), ctx, true),
            "\nDTMF Decodersdebug  Record Type       : 21\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 4\n"
            "debug  nMisc             : 0\n"
            "debug  nPort             : 1\n"
            "\n Port 1\n"
            "  DTMF Commands Execute on Digit Count: 5\n"
            "\n Port 2\n"
            "  DTMF Commands Execute on Digit Count: 255\n");
}

TEST(DtmfDecoders, ScriptIsCommentsOnlyAndTheSameUnderSAndA) {
  const std::string expected =
      "\n; Set DTMF Decoders"
      "\n;  Port 1\n"
      ";   DTMF Commands Execute on Digit Count: 5\n"
      "\n;  Port 2\n"
      ";   DTMF Commands Execute on Digit Count: 255\n";
  WalkContext s = withReceivers(2);
  EXPECT_EQ(testsupport::renderRecord(Mode::kScript, twoPorts(), s, false, false), expected);
  WalkContext a = withReceivers(2);
  EXPECT_EQ(testsupport::renderRecord(Mode::kScript, twoPorts(), a, false, true), expected);
}

TEST(DtmfDecoders, ScriptDebugLines) {
  WalkContext ctx = withReceivers(1);
  EXPECT_EQ(testsupport::renderRecord(Mode::kScript, portGrouped(21, 0x00, 1, 0, 1, {0}), ctx, true, true),
            "\n; Set DTMF Decoders;debug  Record Type       : 21\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 1\n"
            ";debug  nMisc             : 0\n"
            ";debug  nPort             : 1\n"
            "\n;  Port 1\n"
            ";   DTMF Commands Execute on Digit Count: 0\n");
}

TEST(DtmfDecoders, NoPortsLeavesTheHeadingAloneWithoutLineEnd) {
  WalkContext report = withReceivers(0);
  EXPECT_EQ(testsupport::renderRecord(Mode::kReport, portGrouped(21, 0x00, 4, 0, 3, {}), report),
            "\nDTMF Decoders");
  WalkContext script = withReceivers(0);
  EXPECT_EQ(testsupport::renderRecord(Mode::kScript, portGrouped(21, 0x00, 4, 0, 3, {}), script),
            "\n; Set DTMF Decoders");
}

// A miscellaneous group, which the controller never writes for this record,
// is stepped over like in every port-grouped record, not read as port 1.
TEST(DtmfDecoders, StrayMiscellaneousGroupIsSteppedOver) {
  WalkContext ctx = withReceivers(2);
  const Bytes record = portGrouped(21, 0x00, 2, 1, 1, {77, 77, 3, 0, 4, 0});
  EXPECT_EQ(testsupport::renderRecord(Mode::kReport, record, ctx),
            "\nDTMF Decoders"
            "\n Port 1\n"
            "  DTMF Commands Execute on Digit Count: 3\n"
            "\n Port 2\n"
            "  DTMF Commands Execute on Digit Count: 4\n");
}

// Port groups without bytes: nothing is read from the record that follows
// (its type byte 0x07 would otherwise show as a digit count of 7).
TEST(DtmfDecoders, EmptyPortGroupsAreLeftOutWithAWarning) {
  struct Case {
    const char* name;
    Bytes record;
    const char* report;
    const char* script;
  };
  const Case cases[] = {
      {"no elements per port", portGrouped(21, 0x00, 4, 0, 0, {}),
       "\nDTMF Decoders\n  WARNING: Record data missing, 2 of 2 ports not shown\n",
       "\n; Set DTMF Decoders\n;   WARNING: Record data missing, 2 of 2 ports not shown\n"},
      {"zero-byte elements", portGrouped(21, 0x00, 0, 0, 3, {}),
       "\nDTMF Decoders\n  WARNING: Record data missing, 2 of 2 ports not shown\n",
       "\n; Set DTMF Decoders\n;   WARNING: Record data missing, 2 of 2 ports not shown\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes image = cat({c.record, {0x07, 0x01, 0x01, 0x01, 0x00}});
    for (bool script : {false, true}) {
      WalkContext ctx = withReceivers(2);
      const HandlerRun run = runHandler(script, image, ctx);
      EXPECT_EQ(run.text, script ? c.script : c.report);
      EXPECT_EQ(run.length, 5u);
    }
  }
}

TEST(DtmfDecoders, RecordCutShortByTheImageEndShowsThePortsItHolds) {
  WalkContext ctx = withReceivers(3);
  // Three ports of one byte each are announced; the image ends after port 1.
  const Bytes record = portGrouped(21, 0x00, 1, 0, 1, {6});
  EXPECT_EQ(testsupport::renderRecord(Mode::kReport, record, ctx),
            "\nDTMF Decoders"
            "\n Port 1\n"
            "  DTMF Commands Execute on Digit Count: 6\n"
            "\n  WARNING: Record data missing, 2 of 3 ports not shown\n");
}

TEST(DtmfDecoders, RecordLength) {
  struct Case {
    unsigned receivers;
    Bytes record;
    std::uint32_t length;
  };
  const Case cases[] = {
      {2, portGrouped(21, 0x00, 4, 0, 1, fill(8, 1)), 13},        // 5 + 2 x 1 x 4
      {0, portGrouped(21, 0x00, 4, 0, 3, {}), 5},                 // no ports
      {3, portGrouped(21, 0x00, 2, 1, 2, fill(14, 1)), 19},       // 5 + 2 x (1 + 3 x 2)
      {255, portGrouped(21, 0x00, 255, 255, 255, {}), 5 + 255u * (255 + 255 * 255)},
  };
  for (const Case& c : cases) {
    for (bool script : {false, true}) {
      WalkContext ctx = withReceivers(c.receivers);
      EXPECT_EQ(runHandler(script, c.record, ctx).length, c.length);
    }
  }
}

}  // namespace
