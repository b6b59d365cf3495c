// The counter reload values in the report and both scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;

// A counters record of 16-bit values: the miscellaneous group, then one
// group per port.
Bytes countersRecord(const std::vector<unsigned>& misc, const std::vector<std::vector<unsigned>>& ports,
                     std::uint8_t perPort) {
  Bytes payload;
  for (unsigned v : misc) payload = testsupport::cat({payload, testsupport::be16(v)});
  for (const auto& port : ports)
    for (unsigned v : port) payload = testsupport::cat({payload, testsupport::be16(v)});
  return testsupport::portGrouped(14, 0x00, 2, static_cast<std::uint8_t>(misc.size()), perPort, payload);
}

std::string render(Mode mode, const Bytes& record, unsigned receivers, bool debug = false,
                   bool allValues = false) {
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  return testsupport::renderRecord(mode, record, ctx, debug, allValues);
}

const Bytes kCounters = countersRecord({0, 5}, {{12, 0, 0, 65535}, {0, 7, 0, 0}, {5, 0, 100, 0}}, 4);

const std::string kReportBody =
    " Miscellaneous Counters\n"
    "   No.  Set                   Description\n"
    "   0000:     0   --  -- \n"
    "   0001:     5   --  -- \n"
    "\n"
    " Port Counters\n"
    "   No.     Set      No.     Set      No.     Set       Description\n"
    "   0100:    12      0200:     0      0300:     5    -- TXp End-of-Activity Counter\n"
    "   0101:     0      0201:     7      0301:     0    -- Path 1p End-of-Activity Counter\n"
    "   0102:     0      0202:     0      0302:   100    -- Path 2p End-of-Activity Counter\n"
    "   0103: 65535      0203:     0      0303:     0    -- Path 3p End-of-Activity Counter\n";

TEST(Counters, ReportShowsThreePortsSideBySide) {
  EXPECT_EQ(render(Mode::kReport, kCounters, 3), "\nCounter Reload Values\n" + kReportBody);
  EXPECT_EQ(render(Mode::kReport, kCounters, 3, true),
            "\nCounter Reload Values\n"
            "debug  Record Type       : 14\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 2\n"
            "debug  Num Misc          : 2\n"
            "debug  Num Port          : 4\n" +
                kReportBody);
}

TEST(Counters, ScriptWritesNonZeroCounters) {
  EXPECT_EQ(render(Mode::kScript, kCounters, 3),
            "\n; Define Counters\n"
            ";  Miscellaneous Counters\n"
            "MPW 45 0001     5 *                               ; \n"
            "\n;  Port 1 Counters\n"
            "MPW 45 0100    12 *                               ; TX1 End-of-Activity Counter\n"
            "MPW 45 0103 65535 *                               ; Path 31 End-of-Activity Counter\n"
            "\n;  Port 2 Counters\n"
            "MPW 45 0201     7 *                               ; Path 12 End-of-Activity Counter\n"
            "\n;  Port 3 Counters\n"
            "MPW 45 0300     5 *                               ; TX3 End-of-Activity Counter\n"
            "MPW 45 0302   100 *                               ; Path 23 End-of-Activity Counter\n");
}

TEST(Counters, AllValuesScriptCommentsZeroCounters) {
  const Bytes record = countersRecord({0}, {{3, 0}, {0, 0}}, 2);
  EXPECT_EQ(render(Mode::kScript, record, 2, true, true),
            "\n; Define Counters\n"
            ";debug  Record Type       : 14\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 2\n"
            ";debug  Num Misc          : 1\n"
            ";debug  Num Port          : 2\n"
            ";  Miscellaneous Counters\n"
            ";MPW 45 0000     0 *                              ; \n"
            "\n;  Port 1 Counters\n"
            "MPW 45 0100     3 *                               ; TX1 End-of-Activity Counter\n"
            ";MPW 45 0101     0 *                              ; Path 11 End-of-Activity Counter\n"
            "\n;  Port 2 Counters\n"
            ";MPW 45 0200     0 *                              ; TX2 End-of-Activity Counter\n"
            ";MPW 45 0201     0 *                              ; Path 12 End-of-Activity Counter\n");
}

TEST(Counters, EmptyGroupsAndDefaultGroups) {
  const Bytes empty = countersRecord({}, {}, 0);
  EXPECT_EQ(render(Mode::kReport, empty, 3),
            "\nCounter Reload Values\n"
            " Miscellaneous Counters\n"
            "   No.  Set                   Description\n"
            "   None defined\n"
            "\n"
            " Port Counters\n"
            "   No.     Set      No.     Set      No.     Set       Description\n"
            "   None defined\n");
  const std::string allDefault =
      "\n; Define Counters\n"
      ";  Miscellaneous Counters\n"
      ";    All Counters Set to Defaults\n"
      "\n;  Port 1 Counters\n"
      ";    All Counters Set to Defaults\n";
  EXPECT_EQ(render(Mode::kScript, empty, 1), allDefault);
  EXPECT_EQ(render(Mode::kScript, empty, 1, false, true), allDefault);
  EXPECT_EQ(render(Mode::kScript, countersRecord({0, 0}, {{0, 0, 0, 0}}, 4), 1), allDefault);
}

TEST(Counters, AbsentPortsShowZero) {
  // Two ports: the third column reads 0 whatever the bytes after the record.
  const Bytes record = testsupport::cat({countersRecord({}, {{1}, {2}}, 1), testsupport::be16(9)});
  EXPECT_EQ(render(Mode::kReport, record, 2),
            "\nCounter Reload Values\n"
            " Miscellaneous Counters\n"
            "   No.  Set                   Description\n"
            "   None defined\n"
            "\n"
            " Port Counters\n"
            "   No.     Set      No.     Set      No.     Set       Description\n"
            "   0100:     1      0200:     2      0300:     0    -- TXp End-of-Activity Counter\n");
}

TEST(Counters, GroupsBeyondTheAddressableRangeAreSteppedOver) {
  // 120 miscellaneous counters: numbers stop at 0099. Four ports: port 4 is
  // not written. The length still covers every stored element.
  std::vector<unsigned> misc(120, 0);
  misc[99] = 1;
  misc[119] = 2;
  const Bytes record = countersRecord(misc, {{0}, {0}, {0}, {4}}, 1);
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = 4;
  const std::string script = testsupport::renderRecord(Mode::kScript, record, ctx);
  EXPECT_EQ(script,
            "\n; Define Counters\n"
            ";  Miscellaneous Counters\n"
            "MPW 45 0099     1 *                               ; \n"
            "\n;  Port 1 Counters\n;    All Counters Set to Defaults\n"
            "\n;  Port 2 Counters\n;    All Counters Set to Defaults\n"
            "\n;  Port 3 Counters\n;    All Counters Set to Defaults\n");
  const std::string report = testsupport::renderRecord(Mode::kReport, record, ctx);
  EXPECT_NE(report.find("   0099:     1   --  -- \n\n Port Counters"), std::string::npos);

  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  const cfgscribe::Record r(orva::ByteView(record.data(), record.size()));
  EXPECT_EQ(cfgscribe::reportHandlers().known[14](r, ctx, o), 5u + 2u * (120 + 4));
  EXPECT_EQ(cfgscribe::scriptHandlers().known[14](r, ctx, o), 5u + 2u * (120 + 4));
}

TEST(Counters, OddElementSizes) {
  // One-byte elements hold the whole value; wider ones use their first two bytes.
  const Bytes narrow = testsupport::portGrouped(14, 0, 1, 0, 2, {7, 0, 9, 0});
  EXPECT_EQ(render(Mode::kScript, narrow, 2),
            "\n; Define Counters\n"
            ";  Miscellaneous Counters\n;    All Counters Set to Defaults\n"
            "\n;  Port 1 Counters\n"
            "MPW 45 0100     7 *                               ; TX1 End-of-Activity Counter\n"
            "\n;  Port 2 Counters\n"
            "MPW 45 0200     9 *                               ; TX2 End-of-Activity Counter\n");
  const Bytes wide = testsupport::portGrouped(14, 0, 3, 1, 0, {0x01, 0x02, 0xEE});
  EXPECT_TRUE(render(Mode::kReport, wide, 0)
                  .starts_with("\nCounter Reload Values\n"
                               " Miscellaneous Counters\n"
                               "   No.  Set                   Description\n"
                               "   0000:   258   --  -- \n\n"));
  // A record cut short reads no further than the loaded bytes.
  Bytes cut = kCounters;
  cut.resize(9);
  EXPECT_NE(render(Mode::kReport, cut, 3)
                .find("   0100:     0      0200:     0      0300:     0    -- TXp End-of-Activity Counter\n"),
            std::string::npos);
  EXPECT_EQ(render(Mode::kScript, cut, 3),
            "\n; Define Counters\n"
            ";  Miscellaneous Counters\n"
            "MPW 45 0001     5 *                               ; \n"
            "\n;  Port 1 Counters\n;    All Counters Set to Defaults\n"
            "\n;  Port 2 Counters\n;    All Counters Set to Defaults\n"
            "\n;  Port 3 Counters\n;    All Counters Set to Defaults\n");
}

}  // namespace
