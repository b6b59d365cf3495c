#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "golden_support.h"
#include "cfgscribe/records/message_handler_units.h"
#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::be16;
using testsupport::Bytes;
using testsupport::cat;
using testsupport::expectGolden;
using testsupport::portGrouped;
using testsupport::renderRecord;

WalkContext withPorts(unsigned ports) {
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(ports);
  return ctx;
}

std::string report(const Bytes& record, unsigned ports, bool debug = false) {
  WalkContext ctx = withPorts(ports);
  return renderRecord(Mode::kReport, record, ctx, debug);
}
std::string script(const Bytes& record, unsigned ports, bool debug = false, bool all = false) {
  WalkContext ctx = withPorts(ports);
  return renderRecord(Mode::kScript, record, ctx, debug, all);
}

template <typename Handler>
std::uint32_t lengthOf(Handler handler, const Bytes& record, unsigned ports) {
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  WalkContext ctx = withPorts(ports);
  return handler(cfgscribe::Record(orva::ByteView(record.data(), record.size())), ctx, o);
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string printedLevel(unsigned code) {
  std::string text;
  {
    orva::Sink sink(text);
    cfgscribe::records::printLevel(sink, code);
  }
  return text;
}

TEST(MessageHandlerUnits, CwSpeedTable) {
  struct Case {
    unsigned code;
    int number, wpm;
  } cases[] = {
      {24, 0, 5}, {17, 1, 7}, {12, 2, 10}, {9, 3, 13}, {8, 4, 15}, {7, 5, 17}, {6, 6, 20}, {5, 7, 24},
      {4, 8, 30}, {3, 9, 40}, {0, -1, -1}, {1, -1, -1}, {2, -1, -1}, {10, -1, -1}, {25, -1, -1}, {255, -1, -1},
  };
  for (const Case& c : cases) {
    const cfgscribe::records::CwSpeed speed = cfgscribe::records::cwSpeed(c.code);
    EXPECT_EQ(speed.number, c.number) << c.code;
    EXPECT_EQ(speed.wpm, c.wpm) << c.code;
    // The code is the dot length in 10 ms units.
    if (c.number >= 0) {
      EXPECT_EQ(speed.wpm, static_cast<int>(120 / c.code)) << c.code;
    }
  }
}

TEST(MessageHandlerUnits, LevelsKeepTheirWidthAndSign) {
  struct Case {
    unsigned code;
    const char* text;
  } cases[] = {
      {0, "  0.0"},  {1, " -0.5"},   {2, " -1.0"},  {3, " -1.5"},   {12, " -6.0"},
      {13, " -6.5"}, {19, " -9.5"}, {20, "-10.0"}, {199, "-99.5"}, {255, "-127.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(printedLevel(c.code), c.text) << c.code;
}

const Bytes kBeeps = cat({be16(48), be16(100), be16(148), be16(0), be16(248), be16(1000)});
// TX1: a slow CW speed and half a decibel of speech attenuation.
const Bytes kTx1 = cat({{24}, be16(248), {12}, be16(6), be16(2), {12, 12, 6, 6, 6}, be16(10), be16(10), {6, 6, 1}});
// TX2: an invalid CW speed, three-digit durations, every level off its default.
const Bytes kTx2 = cat({{10}, be16(0), {13}, be16(300), be16(0), {0, 1, 2, 3, 4}, be16(100), be16(5), {7, 20, 255}});
// TX3: a high tone and a longer beep gap.
const Bytes kTx3 = cat({{6}, be16(1000), {12}, be16(6), be16(3), {12, 12, 6, 6, 6}, be16(10), be16(10), {6, 6, 0}});

const Bytes kHandlers = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1, kTx2, kTx3}));

const std::string kBeepRows =
    " Owner-Fixed Frequency Single-Tone and Dual-Tone Beeps\n"
    "              Tone Code  Frequency\n"
    "   Beep Code 1:  0048 ( 500 Hz)\n"
    "   Beep Code 2:  0100 ( 760 Hz)\n"
    "   Beep Code 3:  0148 (1000 Hz)\n"
    "   Beep Code 4:  0000 ( 260 Hz)\n"
    "   Beep Code 5:  0248 (1500 Hz)\n"
    "   Beep Code 6:  1000 (5260 Hz)\n";

const std::string kTableHeading =
    "\n Message Handler      TX1               TX2               TX3          Description\n";

TEST(MessageHandlers, ReportTableWithAColumnPerTransmitter) {
  expectGolden(report(kHandlers, 3), "message_handlers/report");
  EXPECT_EQ(lengthOf(cfgscribe::records::messageHandlersReport, kHandlers, 3), 77u);
}

const std::string kDefaultBlock = ";     Set to Default.\n";

TEST(MessageHandlers, ScriptCommandsOnlyWhatDiffersFromColdStart) {
  expectGolden(script(kHandlers, 3), "message_handlers/script");
  EXPECT_EQ(lengthOf(cfgscribe::records::messageHandlersScript, kHandlers, 3), 77u);
}

TEST(MessageHandlers, AllValuesScriptCommentsTheDefaults) {
  const Bytes record = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx3}));
  expectGolden(script(record, 1, false, true), "message_handlers/script_all");
}

const std::string kBeepDump = "     0000  00 30 00 64 00 94 00 00 - 00 f8 03 e8 \n";
const std::string kTx1Dump =
    "     0000  18 00 f8 0c 00 06 00 02 - 0c 0c 06 06 06 00 0a 00\n"
    "     0010  0a 06 06 01 \n";

TEST(MessageHandlers, DebugShowsTheHeaderAndEachGroupsBytes) {
  const Bytes record = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1}));
  const std::string reportStart =
      "\nMessage Handler\n"
      "debug  Record Type       : 20\n"
      "debug  Attributes        : 0x0\n"
      "debug  Element Size      : 1\n"
      "debug  nMisc             : 12\n"
      "debug  nPort             : 20\n"
      "debug  Port=0, Bytes\n" + kBeepDump +
      "debug  Port=1, Bytes\n" + kTx1Dump + kBeepRows;
  EXPECT_EQ(report(record, 1, true).substr(0, reportStart.size()), reportStart);

  const std::string scriptStart =
      "\n; Set Message Handler\n"
      ";debug  Record Type       : 20\n"
      ";debug  Attributes        : 0x0\n"
      ";debug  Element Size      : 1\n"
      ";debug  nMisc             : 12\n"
      ";debug  nPort             : 20\n"
      ";  Message Handler Owner Fixed-Frequency Single-Tone Beeps\n"
      "debug  Misc\n" + kBeepDump +
      "MPW 06 02 0100 * " + blanks(33) + ";  760 Hz, Select Frequency of Single-Tone Beep 2\n"
      "MPW 06 04 0000 * " + blanks(33) + ";  260 Hz, Select Frequency of Single-Tone Beep 4\n"
      "MPW 06 06 1000 * " + blanks(33) + "; 5260 Hz, Select Frequency of Single-Tone Beep 6\n"
      "\n;  Message Handler Port 1\n"
      "debug  Port=1, Bytes\n" + kTx1Dump +
      ";   CW\n";
  EXPECT_EQ(script(record, 1, true).substr(0, scriptStart.size()), scriptStart);
}

TEST(MessageHandlers, AGroupAtEveryDefaultPrintsOnlyDefaultLines) {
  const Bytes defaults = portGrouped(20, 0x00, 1, 12, 20,
                                     cat({be16(48), be16(98), be16(148), be16(198), be16(248), be16(298),
                                          {6}, be16(248), {12}, be16(6), be16(2), {12, 12, 6, 6, 6}, be16(10),
                                          be16(10), {6, 6, 0}}));
  EXPECT_EQ(script(defaults, 1),
            "\n; Set Message Handler\n"
            ";  Message Handler Owner Fixed-Frequency Single-Tone Beeps\n"
            ";   All Set to Defaults.\n"
            "\n;  Message Handler Port 1\n"
            ";   CW\n" + kDefaultBlock +
            ";   Beep, Both Single-Tone and Dual-Tone\n" + kDefaultBlock +
            ";   Single-Tone Beep\n" + kDefaultBlock +
            ";   Dual-Tone Beep\n" + kDefaultBlock +
            ";   Single-Tone Page\n" + kDefaultBlock +
            ";   Two-Tone Page\n" + kDefaultBlock +
            ";   5/6-Tone Page\n" + kDefaultBlock +
            ";   DTMF\n" + kDefaultBlock +
            ";   SELCAL\n" + kDefaultBlock +
            ";   Speech\n" + kDefaultBlock);
}

TEST(MessageHandlers, AbsentTransmittersShowZeroColumns) {
  const Bytes record = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1}));
  const std::string text = report(record, 1);
  EXPECT_NE(text.find("    Speed     :    0 (   5 WPM)      -1 (  -1 WPM)      -1 (  -1 WPM) -- Select CW Speed\n"
                      "    Frequency : 0248 ( 1500 Hz)   0000 (  260 Hz)   0000 (  260 Hz) -- Select CW Frequency\n"),
            std::string::npos);
  // No ports at all: three zero columns; the script has only the beeps.
  const Bytes miscOnly = portGrouped(20, 0x00, 1, 12, 20, kBeeps);
  EXPECT_NE(report(miscOnly, 0).find("    Level     :   00 (  0.0 dB)     00 (  0.0 dB)     00 (  0.0 dB)"
                                     " -- Select Speech Playback Level\n"),
            std::string::npos);
  EXPECT_EQ(script(miscOnly, 0).find("Port 1"), std::string::npos);
  EXPECT_EQ(lengthOf(cfgscribe::records::messageHandlersReport, miscOnly, 0), 17u);
}

TEST(MessageHandlers, SettingsAreAddressedInBytesWhateverTheElementSize) {
  // Element size 2 with half the counts holds the same bytes.
  const Bytes wide = portGrouped(20, 0x00, 2, 6, 10, cat({kBeeps, kTx1, kTx2, kTx3}));
  EXPECT_EQ(report(wide, 3), report(kHandlers, 3));
  EXPECT_EQ(script(wide, 3), script(kHandlers, 3));
  EXPECT_EQ(script(wide, 3, false, true), script(kHandlers, 3, false, true));
  EXPECT_EQ(lengthOf(cfgscribe::records::messageHandlersScript, wide, 3), 77u);
}

TEST(MessageHandlers, ShortGroupsReadZeroInTheReportAndGetNoCommands) {
  // Two beeps and three bytes per port: the CW speed and tone only.
  const Bytes shortGroups = portGrouped(20, 0x00, 1, 4, 3, cat({be16(100), be16(98), {24}, be16(0)}));
  const std::string text = report(shortGroups, 1);
  EXPECT_NE(text.find("   Beep Code 1:  0100 ( 760 Hz)\n"
                      "   Beep Code 2:  0098 ( 750 Hz)\n"
                      "   Beep Code 3:  0000 ( 260 Hz)\n"),
            std::string::npos);
  EXPECT_NE(text.find("    Level     :   00 (  0.0 dB)     00 (  0.0 dB)     00 (  0.0 dB) -- Select CW Level\n"),
            std::string::npos);
  EXPECT_EQ(script(shortGroups, 1),
            "\n; Set Message Handler\n"
            ";  Message Handler Owner Fixed-Frequency Single-Tone Beeps\n"
            "MPW 06 01 0100 * " + blanks(33) + ";  760 Hz, Select Frequency of Single-Tone Beep 1\n"
            "\n;  Message Handler Port 1\n"
            ";   CW\n"
            "MPW 12 10 0 * " + blanks(36) + "; TX1,    5 WPM, Select CW Speed\n"
            "MPW 06 10 0000 * " + blanks(33) + "; TX1,   260 Hz, Select CW Frequency\n"
            ";   Beep, Both Single-Tone and Dual-Tone\n" + kDefaultBlock +
            ";   Single-Tone Beep\n" + kDefaultBlock +
            ";   Dual-Tone Beep\n" + kDefaultBlock +
            ";   Single-Tone Page\n" + kDefaultBlock +
            ";   Two-Tone Page\n" + kDefaultBlock +
            ";   5/6-Tone Page\n" + kDefaultBlock +
            ";   DTMF\n" + kDefaultBlock +
            ";   SELCAL\n" + kDefaultBlock +
            ";   Speech\n" + kDefaultBlock);
  // Nor with -a: what the record does not hold is not commanded at all.
  const std::string all = script(shortGroups, 1, false, true);
  EXPECT_NE(all.find(";MPW 06 02 0098 * "), std::string::npos);
  EXPECT_EQ(all.find("MPW 06 03"), std::string::npos);
  EXPECT_NE(all.find(";   Speech\n" + kDefaultBlock), std::string::npos);
  EXPECT_EQ(lengthOf(cfgscribe::records::messageHandlersScript, shortGroups, 1), 12u);
}

TEST(MessageHandlers, MoreThanThreePorts) {
  // The report keeps its three columns; the script and the length cover the
  // fourth transmitter.
  const Bytes four = portGrouped(20, 0x00, 1, 12, 20, cat({kBeeps, kTx1, kTx2, kTx3, kTx2}));
  EXPECT_EQ(report(four, 4), report(kHandlers, 3));
  EXPECT_NE(script(four, 4).find("\n;  Message Handler Port 4\n;   CW\nMPW 12 40 -1 * "), std::string::npos);
  EXPECT_EQ(lengthOf(cfgscribe::records::messageHandlersReport, four, 4), 97u);
}

}  // namespace
