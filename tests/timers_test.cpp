// The timer records of the three resolutions in the report and both scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;

// A timer record of 16-bit values: the miscellaneous group, then one group
// per port.
Bytes timersRecord(std::uint8_t type, const std::vector<unsigned>& misc,
                   const std::vector<std::vector<unsigned>>& ports, std::uint8_t perPort) {
  Bytes payload;
  for (unsigned v : misc) payload = testsupport::cat({payload, testsupport::be16(v)});
  for (const auto& port : ports)
    for (unsigned v : port) payload = testsupport::cat({payload, testsupport::be16(v)});
  return testsupport::portGrouped(type, 0x00, 2, static_cast<std::uint8_t>(misc.size()), perPort, payload);
}

std::string render(Mode mode, const Bytes& record, unsigned receivers, bool debug = false,
                   bool allValues = false) {
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  return testsupport::renderRecord(mode, record, ctx, debug, allValues);
}

std::vector<unsigned> with(std::vector<unsigned> values, std::initializer_list<std::pair<unsigned, unsigned>> changes) {
  for (auto [entry, value] : changes) values[entry] = value;
  return values;
}

// Cold-start values of the 10 ms port timers (entry 19 has none: 0).
const std::vector<unsigned> k10msPort = {50, 300, 10, 25, 500, 50, 50, 500, 0, 100,
                                         25, 200, 0,  0,  100, 100, 15, 0,  0, 0};
const std::vector<unsigned> k1sPort = {180, 180, 180, 60, 60, 60, 180, 30, 0, 60, 60, 0};

const Bytes kTimers10 = timersRecord(11, with(std::vector<unsigned>(11, 50), {{3, 75}, {10, 0}}),
                                     {with(k10msPort, {{0, 60}, {19, 5}}), with(k10msPort, {{9, 150}}),
                                      with(k10msPort, {{16, 20}, {12, 3}})},
                                     20);

const std::string kTimers10Body =
    " Miscellaneous -- 10ms Timers\n"
    "   No.    Set    Time        Description\n"
    "   0000:   50 (  500 ms)  -- Logic Output #1 Momentary Time\n"
    "   0001:   50 (  500 ms)  -- Logic Output #2 Momentary Time\n"
    "   0002:   50 (  500 ms)  -- Logic Output #3 Momentary Time\n"
    "   0003:   75 (  750 ms)  -- Logic Output #4 Momentary Time\n"
    "   0004:   50 (  500 ms)  -- Logic Output #5 Momentary Time\n"
    "   0005:   50 (  500 ms)  -- Logic Output #6 Momentary Time\n"
    "   0006:   50 (  500 ms)  -- Logic Output #7 Momentary Time\n"
    "   0007:   50 (  500 ms)  -- Logic Output #8 Momentary Time\n"
    "   0008:   50 (  500 ms)  -- CTCSS #1 Logic Output Momentary Time\n"
    "   0009:   50 (  500 ms)  -- CTCSS #2 Logic Output Momentary Time\n"
    "   0010:    0 (    0 ms)  -- CTCSS #3 Logic Output Momentary Time\n"
    "\n"
    " Port -- 10ms Timers\n"
    "   No.    Set    Time       No.    Set    Time       No.    Set    Time        Description\n"
    "   0100:   60 (  600 ms)    0200:   50 (  500 ms)    0300:   50 (  500 ms)  -- TXp Courtesy Delay\n"
    "   0101:  300 ( 3000 ms)    0201:  300 ( 3000 ms)    0301:  300 ( 3000 ms)  -- TXp Dropout Delay\n"
    "   0102:   10 (  100 ms)    0202:   10 (  100 ms)    0302:   10 (  100 ms)  -- TXp PTT Minimum Unkey Delay\n"
    "   0103:   25 (  250 ms)    0203:   25 (  250 ms)    0303:   25 (  250 ms)  -- TXp Turn-On Message Delay Value\n"
    "   0104:  500 ( 5000 ms)    0204:  500 ( 5000 ms)    0304:  500 ( 5000 ms)  -- DTMF Decoder Interdigit Time\n"
    "   0105:   50 (  500 ms)    0205:   50 (  500 ms)    0305:   50 (  500 ms)  -- DTMF Decoder Mute Hang Time, First Dig\n"
    "   0106:   50 (  500 ms)    0206:   50 (  500 ms)    0306:   50 (  500 ms)  -- DTMF Decoder Mute Hang Time, Other Dig\n"
    "   0107:  500 ( 5000 ms)    0207:  500 ( 5000 ms)    0307:  500 ( 5000 ms)  -- DTMF Decoder Disconnect Time\n"
    "   0108:    0 (    0 ms)    0208:    0 (    0 ms)    0308:    0 (    0 ms)  -- DTMF Decoder Anti-Falsing Time\n"
    "   0109:  100 ( 1000 ms)    0209:  150 ( 1500 ms)    0309:  100 ( 1000 ms)  -- CORp Anti-Kerchunker Key-Up Delay\n"
    "   0110:   25 (  250 ms)    0210:   25 (  250 ms)    0310:   25 (  250 ms)  -- CORp Pulse-Triggered Macro Min Pulse Dur\n"
    "   0111:  200 ( 2000 ms)    0211:  200 ( 2000 ms)    0311:  200 ( 2000 ms)  -- CORp Pulse-Triggered Macro Max Gap Dur\n"
    "   0112:    0 (    0 ms)    0212:    0 (    0 ms)    0312:    3 (   30 ms)  -- CORp Filter Delay\n"
    "   0113:    0 (    0 ms)    0213:    0 (    0 ms)    0313:    0 (    0 ms)  -- CTCSSp Filter Delay\n"
    "   0114:  100 ( 1000 ms)    0214:  100 ( 1000 ms)    0314:  100 ( 1000 ms)  -- Message Handler Inter-Page Delay Value\n"
    "   0115:  100 ( 1000 ms)    0215:  100 ( 1000 ms)    0315:  100 ( 1000 ms)  -- CTCSSp Encoder Time Value\n"
    "   0116:   15 (  150 ms)    0216:   15 (  150 ms)    0316:   20 (  200 ms)  -- CTCSSp Encoder Reverse Burst Time Value\n"
    "   0117:    0 (    0 ms)    0217:    0 (    0 ms)    0317:    0 (    0 ms)  -- RXp Audio Gate Delay Timer Value\n"
    "   0118:    0 (    0 ms)    0218:    0 (    0 ms)    0318:    0 (    0 ms)  -- RXp Flutter Filter Timer Value\n"
    "   0119:    5 (   50 ms)    0219:    0 (    0 ms)    0319:    0 (    0 ms)  -- TXp DTMF Cover Tone Interval Value\n";

TEST(Timers, TenMillisecondReport) {
  EXPECT_EQ(render(Mode::kReport, kTimers10, 3), "\nTimers -- 10ms \n" + kTimers10Body);
  EXPECT_EQ(render(Mode::kReport, kTimers10, 3, true),
            "\nTimers -- 10ms \n"
            "debug  Record Type       : 11\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 2\n"
            "debug  Num Misc          : 11\n"
            "debug  Num Port          : 20\n" +
                kTimers10Body);
}

TEST(Timers, TenMillisecondScriptWritesChangedTimers) {
  EXPECT_EQ(render(Mode::kScript, kTimers10, 3),
            "\n; Define 10ms Timers\n"
            ";  Miscellaneous -- 10ms Timers\n"
            "MPW 09 0003    75 *                               ;   750 ms, Logic Output #4 Momentary Time\n"
            "MPW 09 0010     0 *                               ;     0 ms, CTCSS #3 Logic Output Momentary Time\n"
            "\n;  Port 1 -- 10ms Timers\n"
            "MPW 09 0100    60 *                               ;   600 ms, TX1 Courtesy Delay\n"
            "MPW 09 0119     5 *                               ;    50 ms, TX1 DTMF Cover Tone Interval Value\n"
            "\n;  Port 2 -- 10ms Timers\n"
            "MPW 09 0209   150 *                               ;  1500 ms, COR2 Anti-Kerchunker Key-Up Delay\n"
            "\n;  Port 3 -- 10ms Timers\n"
            "MPW 09 0312     3 *                               ;    30 ms, COR3 Filter Delay\n"
            "MPW 09 0316    20 *                               ;   200 ms, CTCSS3 Encoder Reverse Burst Time Value\n");
}

// No miscellaneous timers; ports 1 to 3 with one change each.
const Bytes kTimers100 = timersRecord(12, {}, {{50, 50, 50, 35}, {50, 60, 50, 30}, {50, 50, 0, 30}}, 4);

TEST(Timers, HundredMillisecondReport) {
  EXPECT_EQ(render(Mode::kReport, kTimers100, 3),
            "\nTimers -- 100ms \n"
            " Miscellaneous -- 100ms Timers\n"
            "   No.    Set    Time        Description\n"
            "   None defined\n"
            "\n"
            " Port -- 100ms Timers\n"
            "   No.    Set    Time       No.    Set    Time       No.    Set    Time        Description\n"
            "   1100:   50 ( 5000 ms)    1200:   50 ( 5000 ms)    1300:   50 ( 5000 ms)  -- Path 1p (RX1-TXp) Timeout Penalty Time Value\n"
            "   1101:   50 ( 5000 ms)    1201:   60 ( 6000 ms)    1301:   50 ( 5000 ms)  -- Path 2p (RX2-TXp) Timeout Penalty Time Value\n"
            "   1102:   50 ( 5000 ms)    1202:   50 ( 5000 ms)    1302:    0 (    0 ms)  -- Path 3p (RX3-TXp) Timeout Penalty Time Value\n"
            "   1103:   35 ( 3500 ms)    1203:   30 ( 3000 ms)    1303:   30 ( 3000 ms)  -- DTMF Decoder #p Long Tone Timer\n");
}

TEST(Timers, HundredMillisecondScriptWithAllValuesAndDebug) {
  EXPECT_EQ(render(Mode::kScript, kTimers100, 3, true, true),
            "\n; Define 100ms Timers\n"
            ";debug  Record Type       : 12\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 2\n"
            ";debug  Num Misc          : 0\n"
            ";debug  Num Port          : 4\n"
            ";debug  iType=1 iPort=0\n"
            ";  Miscellaneous -- 100ms Timers\n"
            ";    All Timers Set to Defaults\n"
            ";debug  iType=1 iPort=1\n"
            "\n;  Port 1 -- 100ms Timers\n"
            ";MPW 09 1100    50 *                              ;  5000 ms, Path 11 (RX1-TX1) Timeout Penalty Time Value\n"
            ";MPW 09 1101    50 *                              ;  5000 ms, Path 21 (RX2-TX1) Timeout Penalty Time Value\n"
            ";MPW 09 1102    50 *                              ;  5000 ms, Path 31 (RX3-TX1) Timeout Penalty Time Value\n"
            "MPW 09 1103    35 *                               ;  3500 ms, DTMF Decoder #1 Long Tone Timer\n"
            ";debug  iType=1 iPort=2\n"
            "\n;  Port 2 -- 100ms Timers\n"
            ";MPW 09 1200    50 *                              ;  5000 ms, Path 12 (RX1-TX2) Timeout Penalty Time Value\n"
            "MPW 09 1201    60 *                               ;  6000 ms, Path 22 (RX2-TX2) Timeout Penalty Time Value\n"
            ";MPW 09 1202    50 *                              ;  5000 ms, Path 32 (RX3-TX2) Timeout Penalty Time Value\n"
            ";MPW 09 1203    30 *                              ;  3000 ms, DTMF Decoder #2 Long Tone Timer\n"
            ";debug  iType=1 iPort=3\n"
            "\n;  Port 3 -- 100ms Timers\n"
            ";MPW 09 1300    50 *                              ;  5000 ms, Path 13 (RX1-TX3) Timeout Penalty Time Value\n"
            ";MPW 09 1301    50 *                              ;  5000 ms, Path 23 (RX2-TX3) Timeout Penalty Time Value\n"
            "MPW 09 1302     0 *                               ;     0 ms, Path 33 (RX3-TX3) Timeout Penalty Time Value\n"
            ";MPW 09 1303    30 *                              ;  3000 ms, DTMF Decoder #3 Long Tone Timer\n");
}

// One miscellaneous timer (default 0, no description); one change per port.
const Bytes kTimers1000 =
    timersRecord(13, {7}, {with(k1sPort, {{0, 1}}), with(k1sPort, {{0, 200}}), with(k1sPort, {{11, 5}})}, 12);

TEST(Timers, OneSecondReport) {
  EXPECT_EQ(render(Mode::kReport, kTimers1000, 3),
            "\nTimers -- 1 second \n"
            " Miscellaneous -- 1 second Timers\n"
            "   No.    Set    Time        Description\n"
            "   2000:    7 (    7 sec) -- \n"
            "\n"
            " Port -- 1 second Timers\n"
            "   No.    Set    Time       No.    Set    Time       No.    Set    Time        Description\n"
            "   2100:    1 (    1 sec)   2200:  200 (  200 sec)   2300:  180 (  180 sec) -- Path 1p (RX1-TXp) Timeout Value\n"
            "   2101:  180 (  180 sec)   2201:  180 (  180 sec)   2301:  180 (  180 sec) -- Path 2p (RX2-TXp) Timeout Value\n"
            "   2102:  180 (  180 sec)   2202:  180 (  180 sec)   2302:  180 (  180 sec) -- Path 3p (RX3-TXp) Timeout Value\n"
            "   2103:   60 (   60 sec)   2203:   60 (   60 sec)   2303:   60 (   60 sec) -- Path 1p End-of-Activity Time Value\n"
            "   2104:   60 (   60 sec)   2204:   60 (   60 sec)   2304:   60 (   60 sec) -- Path 2p End-of-Activity Time Value\n"
            "   2105:   60 (   60 sec)   2205:   60 (   60 sec)   2305:   60 (   60 sec) -- Path 3p End-of-Activity Time Value\n"
            "   2106:  180 (  180 sec)   2206:  180 (  180 sec)   2306:  180 (  180 sec) -- TXp ID Interval Time Value\n"
            "   2107:   30 (   30 sec)   2207:   30 (   30 sec)   2307:   30 (   30 sec) -- TXp ID Pending Time Value\n"
            "   2108:    0 (    0 sec)   2208:    0 (    0 sec)   2308:    0 (    0 sec) -- TXp Timed Key\n"
            "   2109:   60 (   60 sec)   2209:   60 (   60 sec)   2309:   60 (   60 sec) -- CORp Antikerchunk Re-Arm Delay\n"
            "   2110:   60 (   60 sec)   2210:   60 (   60 sec)   2310:   60 (   60 sec) -- TXp End-of-Activity Time Value\n"
            "   2111:    0 (    0 sec)   2211:    0 (    0 sec)   2311:    5 (    5 sec) -- TXp Dropout Message Time Value\n");
}

TEST(Timers, OneSecondScriptSaysSecondForOneOnly) {
  EXPECT_EQ(render(Mode::kScript, kTimers1000, 3),
            "\n; Define 1 second Timers\n"
            ";  Miscellaneous -- 1 second Timers\n"
            "MPW 09 2000     7 *                               ;     7 seconds, \n"
            "\n;  Port 1 -- 1 second Timers\n"
            "MPW 09 2100     1 *                               ;     1 second,  Path 11 (RX1-TX1) Timeout Value\n"
            "\n;  Port 2 -- 1 second Timers\n"
            "MPW 09 2200   200 *                               ;   200 seconds, Path 12 (RX1-TX2) Timeout Value\n"
            "\n;  Port 3 -- 1 second Timers\n"
            "MPW 09 2311     5 *                               ;     5 seconds, TX3 Dropout Message Time Value\n");
  const std::string all = render(Mode::kScript, kTimers1000, 3, false, true);
  EXPECT_NE(all.find("\n;MPW 09 2308     0 *                              ;     0 seconds, TX3 Timed Key\n"),
            std::string::npos);
  EXPECT_EQ(all.find("All Timers Set to Defaults"), std::string::npos);
}

TEST(Timers, GroupsAtDefaultsSaySo) {
  const Bytes atDefaults = timersRecord(12, {}, {{50, 50, 50, 30}}, 4);
  EXPECT_EQ(render(Mode::kScript, atDefaults, 1),
            "\n; Define 100ms Timers\n"
            ";  Miscellaneous -- 100ms Timers\n"
            ";    All Timers Set to Defaults\n"
            "\n;  Port 1 -- 100ms Timers\n"
            ";    All Timers Set to Defaults\n");
}

TEST(Timers, FewerPortsStillShowThreeColumns) {
  const Bytes record = timersRecord(11, {}, {{7, 8}}, 2);
  EXPECT_EQ(render(Mode::kReport, record, 1),
            "\nTimers -- 10ms \n"
            " Miscellaneous -- 10ms Timers\n"
            "   No.    Set    Time        Description\n"
            "   None defined\n"
            "\n"
            " Port -- 10ms Timers\n"
            "   No.    Set    Time       No.    Set    Time       No.    Set    Time        Description\n"
            "   0100:    7 (   70 ms)    0200:    0 (    0 ms)    0300:    0 (    0 ms)  -- TXp Courtesy Delay\n"
            "   0101:    8 (   80 ms)    0201:    0 (    0 ms)    0301:    0 (    0 ms)  -- TXp Dropout Delay\n");
  // No ports: only the miscellaneous group is scripted.
  EXPECT_EQ(render(Mode::kScript, timersRecord(13, {0}, {}, 12), 0),
            "\n; Define 1 second Timers\n"
            ";  Miscellaneous -- 1 second Timers\n"
            ";    All Timers Set to Defaults\n");
}

std::uint32_t lengthOf(Mode mode, const Bytes& record, unsigned receivers) {
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  const cfgscribe::Record r(orva::ByteView(record.data(), record.size()));
  const auto& table = mode == Mode::kReport ? cfgscribe::reportHandlers() : cfgscribe::scriptHandlers();
  return table.known[r.type()](r, ctx, o);
}

TEST(Timers, LayoutsBeyondTheTableAreBounded) {
  // 130 miscellaneous timers and 5 ports: entries past 99 and ports past 3
  // cannot be numbered, so they are stepped over; the length covers them.
  std::vector<unsigned> misc(130, 0);
  misc[99] = 9;
  misc[129] = 9;
  const Bytes record = timersRecord(12, misc, {{0}, {0}, {0}, {4}, {5}}, 1);
  EXPECT_EQ(render(Mode::kScript, record, 5),
            "\n; Define 100ms Timers\n"
            ";  Miscellaneous -- 100ms Timers\n"
            "MPW 09 1099     9 *                               ;   900 ms, \n"
            "\n;  Port 1 -- 100ms Timers\n"
            "MPW 09 1100     0 *                               ;     0 ms, Path 11 (RX1-TX1) Timeout Penalty Time Value\n"
            "\n;  Port 2 -- 100ms Timers\n"
            "MPW 09 1200     0 *                               ;     0 ms, Path 12 (RX1-TX2) Timeout Penalty Time Value\n"
            "\n;  Port 3 -- 100ms Timers\n"
            "MPW 09 1300     0 *                               ;     0 ms, Path 13 (RX1-TX3) Timeout Penalty Time Value\n");
  const std::string report = render(Mode::kReport, record, 5);
  EXPECT_NE(report.find("   1099:    9 (  900 ms)  -- \n\n Port"), std::string::npos);
  for (Mode mode : {Mode::kReport, Mode::kScript}) EXPECT_EQ(lengthOf(mode, record, 5), 5u + 2u * (130 + 5));

  // Three-byte elements: the value is the first two bytes.
  const Bytes wide = testsupport::portGrouped(13, 0, 3, 1, 0, {0x01, 0x00, 0x77});
  EXPECT_EQ(render(Mode::kScript, wide, 0),
            "\n; Define 1 second Timers\n"
            ";  Miscellaneous -- 1 second Timers\n"
            "MPW 09 2000   256 *                               ;   256 seconds, \n");
  EXPECT_EQ(lengthOf(Mode::kReport, wide, 0), 8u);

  // Empty elements hold 0; a record cut short reads only its loaded bytes.
  const Bytes empty = testsupport::portGrouped(11, 0, 0, 3, 3, {});
  EXPECT_EQ(lengthOf(Mode::kScript, empty, 3), 5u);
  EXPECT_NE(render(Mode::kReport, empty, 3).find("   0002:    0 (    0 ms)  -- Logic Output #3"), std::string::npos);
  Bytes cut = kTimers10;
  cut.resize(12);
  EXPECT_EQ(lengthOf(Mode::kReport, cut, 3), 5u + 2u * (11 + 3 * 20));
  // Timers the cut record does not hold show as 0 and get no command.
  EXPECT_NE(render(Mode::kReport, cut, 3)
                .find("   0002:   50 (  500 ms)  -- Logic Output #3 Momentary Time\n"
                      "   0003:    0 (    0 ms)  -- Logic Output #4 Momentary Time\n"),
            std::string::npos);
  EXPECT_TRUE(render(Mode::kScript, cut, 3, false, true)
                  .starts_with("\n; Define 10ms Timers\n"
                               ";  Miscellaneous -- 10ms Timers\n"
                               ";MPW 09 0000    50 *                              ;   500 ms, Logic Output #1 Momentary Time\n"
                               ";MPW 09 0001    50 *                              ;   500 ms, Logic Output #2 Momentary Time\n"
                               ";MPW 09 0002    50 *                              ;   500 ms, Logic Output #3 Momentary Time\n"
                               "\n;  Port 1 -- 10ms Timers\n"
                               ";    All Timers Set to Defaults\n"));
}

TEST(Timers, WalkStepsFromRecordToRecord) {
  // Controller (36 bytes), switches (54), 10 ms timers (147), counters
  // (5 + 2 x (2 + 3 x 4) = 33), access table (104): each handler's length
  // brings the walk to the next record.
  const Bytes image = testsupport::ConfigFile()
                          .add(testsupport::controllerRecord({}))
                          .add(testsupport::elementArray(7, 0x01, 50, 1, Bytes(50, 0)))
                          .add(kTimers10)
                          .add(timersRecord(14, {0, 0}, {{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}, 4))
                          .add(testsupport::elementArray(22, 0x01, 1, 100, Bytes(100, 0)))
                          .image();
  for (Mode mode : {Mode::kReport, Mode::kScript}) {
    const std::string walk = testsupport::renderWalk(mode, image, true);
    const char* prefix = mode == Mode::kReport ? "debug  " : "; ";
    std::size_t at = 0;
    for (const char* line : {"offset 0x24:\n", "cfgRec_SoftwareSwitch (0x7):\n", "offset 0x5a:\n",
                             "cfgRec_Timers10 (0xb):\n", "offset 0xed:\n", "cfgRec_Counters (0xe):\n",
                             "offset 0x10e:\n", "cfgRec_CPWAccessTable (0x16):\n"}) {
      at = walk.find(std::string(prefix) + line, at);
      ASSERT_NE(at, std::string::npos) << line;
    }
  }
}

}  // namespace
