// Message handlers: the beep codes, the per-transmitter table, commands for
// what differs from cold start, short groups and more than three ports.


#include "cfgscribe/records/message_handler_units.h"
#include "harness.h"

namespace {

using namespace testsupport;

// The speed codes, their command numbers and words per minute; codes off the
// table (0 included: the speed is never divided out of the dot length) have none.
TEST(MessageHandlerUnits, CwSpeedTable) {
  const int rows[][3] = {{24, 0, 5}, {17, 1, 7}, {12, 2, 10}, {9, 3, 13}, {8, 4, 15},  {7, 5, 17},  {6, 6, 20},
                         {5, 7, 24}, {4, 8, 30}, {3, 9, 40},  {0, -1, -1}, {1, -1, -1}, {2, -1, -1}, {10, -1, -1},
                         {25, -1, -1}, {255, -1, -1}};
  for (const auto& [code, number, wpm] : rows) {
    EXPECT_EQ(cfgscribe::records::cwSpeed(static_cast<unsigned>(code)).number, number) << code;
    EXPECT_EQ(cfgscribe::records::cwSpeed(static_cast<unsigned>(code)).wpm, wpm) << code;
  }
}

const Bytes kBeeps = cat({be16(48), be16(100), be16(148), be16(0), be16(248), be16(1000)});
// TX1: a slow CW speed and half a decibel of speech attenuation.
const Bytes kTx1 = cat({{24}, be16(248), {12}, be16(6), be16(2), {12, 12, 6, 6, 6}, be16(10), be16(10), {6, 6, 1}});
// TX2: an invalid CW speed, three-digit durations, every level off its default.
const Bytes kTx2 = cat({{10}, be16(0), {13}, be16(300), be16(0), {0, 1, 2, 3, 4}, be16(100), be16(5), {7, 20, 255}});
// TX3: a high tone and a longer beep gap.
const Bytes kTx3 = cat({{6}, be16(1000), {12}, be16(6), be16(3), {12, 12, 6, 6, 6}, be16(10), be16(10), {6, 6, 0}});
const Bytes kHandlers = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1, kTx2, kTx3}));
// Two beeps and three bytes per port: the CW speed and tone only.
const Bytes kShort = portGrouped(20, 0x00, 1, 4, 3, cat({be16(100), be16(98), {24}, be16(0)}));
const Bytes kOnePort = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1}));
const Bytes kMiscOnly = portGrouped(20, 0x00, 1, 12, 20, kBeeps);

TEST(MessageHandlers, Sections) {
  const Bytes defaults = portGrouped(20, 0x00, 1, 12, 20,
                                     cat({be16(48), be16(98), be16(148), be16(198), be16(248), be16(298), {6},
                                          be16(248), {12}, be16(6), be16(2), {12, 12, 6, 6, 6}, be16(10), be16(10),
                                          {6, 6, 0}}));
  // Settings are addressed in bytes: element size 2 with half the counts
  // holds the same. A fourth port is commanded but has no report column.
  const Bytes wide = portGrouped(20, 0x00, 2, 6, 10, cat({kBeeps, kTx1, kTx2, kTx3}));
  const Bytes four = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1, kTx2, kTx3, kTx2}));
  checkRecords({{"@message_handlers/report", R, false, kHandlers, 77, 3},
                {"@message_handlers/script", S, false, kHandlers, 77, 3},
                {"@message_handlers/script_all", A, false,
                 portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx3})), 0, 1},
                {"@message_handlers/script_defaults", S, false, defaults, 0, 1},
                {"@message_handlers/script_short", S, false, kShort, 12, 1},
                {"@message_handlers/report", R, false, wide, 77, 3},
                {"@message_handlers/script", S, false, wide, 77, 3},
                {"@message_handlers/report", R, false, four, 97, 4}});
}

TEST(MessageHandlers, AbsentOrShortGroupsReadZeroAndGetNoCommands) {
  const std::string zeroLevel = "   00 (  0.0 dB)     00 (  0.0 dB)     00 (  0.0 dB)";
  checkFragments({{"    Speed     :    0 (   5 WPM)      -1 (  -1 WPM)      -1 (  -1 WPM) -- Select CW Speed\n"
                   "    Frequency : 0248 ( 1500 Hz)   0000 (  260 Hz)   0000 (  260 Hz) -- Select CW Frequency\n",
                   R, false, kOnePort, 0, 1},
                  {"    Level     :" + zeroLevel + " -- Select Speech Playback Level\n", R, false, kMiscOnly, 17, 0},
                  {"   Beep Code 1:  0100 ( 760 Hz)\n   Beep Code 2:  0098 ( 750 Hz)\n   Beep Code 3:  0000 ( 260 Hz)\n",
                   R, false, kShort, 0, 1},
                  // Nor with -a: what the record does not hold is not commanded at all.
                  {";MPW 06 02 0098 * ", A, false, kShort, 0, 1},
                  {"\n;  Message Handler Port 4\n;   CW\nMPW 12 40 -1 * ", S, false,
                   portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1, kTx2, kTx3, kTx2})), 0, 4}});
  // With -d: the header and each group's bytes (the sections' first lines).
  checkFragments({{readGolden("message_handlers/report_debug_start"), R, true, kOnePort, 0, 1},
                  {readGolden("message_handlers/script_debug_start"), S, true, kOnePort, 0, 1}});
  checkFragments({{"Port 1", S, false, kMiscOnly, 0, 0}, {"MPW 06 03", A, false, kShort, 0, 1}},
                 false);
}

}  // namespace
