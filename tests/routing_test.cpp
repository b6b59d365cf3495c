// Command response routing: no trace outside debug mode, header debug lines
// with -d, and the record length that steps the walk to the next record.
#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::Out;
using cfgscribe::Record;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::cat;
using testsupport::elementArray;
using testsupport::fill;
using testsupport::portGrouped;

// Six command sources of three bytes each: 22 bytes.
Bytes sixSources() { return elementArray(24, 0x01, 3, 6, fill(18, 0x5A)); }

TEST(CommandResponseRouting, PrintsNothingWithoutDebug) {
  for (Mode mode : {Mode::kReport, Mode::kScript}) {
    for (bool allValues : {false, true}) {
      WalkContext ctx;
      EXPECT_EQ(testsupport::renderRecord(mode, sixSources(), ctx, false, allValues), "");
    }
  }
}

TEST(CommandResponseRouting, DebugLines) {
  WalkContext report;
  EXPECT_EQ(testsupport::renderRecord(Mode::kReport, sixSources(), report, true),
            "debug  Record Type       : 24\n"
            "debug  Attributes        : 0x1\n"
            "debug  Element Size      : 3\n"
            "debug  Num Elements      : 6\n"
            "debug  Command Sources\n");
  const std::string script =
      ";debug  Record Type       : 24\n"
      ";debug  Attributes        : 0x1\n"
      ";debug  Element Size      : 3\n"
      ";debug  Num Elements      : 6\n"
      ";debug  Command Sources\n";
  WalkContext s;
  EXPECT_EQ(testsupport::renderRecord(Mode::kScript, sixSources(), s, true, false), script);
  WalkContext a;
  EXPECT_EQ(testsupport::renderRecord(Mode::kScript, sixSources(), a, true, true), script);
}

TEST(CommandResponseRouting, RecordLength) {
  struct Case {
    Bytes record;
    std::uint32_t length;
  };
  const Case cases[] = {
      {sixSources(), 22},
      {elementArray(24, 0x01, 3, 0, {}), 4},
      {elementArray(24, 0x01, 255, 255, {}), 4 + 255u * 255u},  // nothing loaded is read
  };
  for (const Case& c : cases) {
    for (bool script : {false, true}) {
      std::string text;
      orva::Sink sink(text);
      Out o{sink, true, false, script};
      WalkContext ctx;
      const Record r(orva::ByteView(c.record.data(), c.record.size()));
      EXPECT_EQ(script ? cfgscribe::records::routingScript(r, ctx, o) : cfgscribe::records::routingReport(r, ctx, o),
                c.length);
    }
  }
}

// In a walk the next record's section follows directly; with -d only the
// dispatch lines and the header lines show the record.
TEST(CommandResponseRouting, WalkStepsToTheNextRecord) {
  // Tone generators with no transmitters (no controller definition yet).
  const Bytes image = cat({sixSources(), portGrouped(25, 0x00, 7, 0, 1, {}), {0xFF}});
  EXPECT_EQ(testsupport::renderWalk(Mode::kReport, image), "\nTone Generators\n");
  EXPECT_EQ(testsupport::renderWalk(Mode::kScript, image),
            "\n; Tone Generators\n;   No Tone Generators Configured\n");
  EXPECT_EQ(testsupport::renderWalk(Mode::kReport, image, true),
            "debug  offset 0x0:\n"
            "debug  cfgRec_CmdRespRouting (0x18):\n"
            "debug  Record Type       : 24\n"
            "debug  Attributes        : 0x1\n"
            "debug  Element Size      : 3\n"
            "debug  Num Elements      : 6\n"
            "debug  Command Sources\n"
            "debug  offset 0x16:\n"
            "debug  cfgRec_ToneGenerators (0x19):\n"
            "\nTone Generators\n"
            "debug  Record Type       : 25\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 7\n"
            "debug  Num Misc          : 0\n"
            "debug  Num Ports         : 1\n");
}

}  // namespace
