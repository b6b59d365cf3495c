// The software switches in the report and both scripts, and the switch
// bits the report keeps for the scheduler.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;

// Switches on after a cold start: 0, 1 and, on every port, these entries.
std::set<unsigned> coldStart() {
  std::set<unsigned> on = {0, 1};
  for (unsigned p = 1; p <= 3; ++p)
    for (unsigned n : {0, 1, 2, 12, 17, 19, 41, 42, 43, 51, 52, 53, 61, 62, 63}) on.insert(p * 100 + n);
  return on;
}

// A switch record whose Bit Set holds `size` bytes with the given switches on.
Bytes switchRecord(const std::set<unsigned>& on, std::uint8_t size = 50, std::uint8_t count = 1) {
  Bytes payload(static_cast<std::size_t>(size) * count, 0);
  for (unsigned k : on)
    if (k / 8 < payload.size()) payload[k / 8] |= static_cast<std::uint8_t>(1u << (k % 8));
  return testsupport::elementArray(7, 0x01, size, count, payload);
}

std::string render(Mode mode, const Bytes& record, bool debug = false, bool allValues = false) {
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = 3;
  return testsupport::renderRecord(mode, record, ctx, debug, allValues);
}

// Off from on: 1 (Scheduler Enable), 112, 200, 343. On from off: 3, 60, 99,
// 195, 213, 395, and the reserved 5 and 130, which never show.
std::set<unsigned> changed() {
  std::set<unsigned> on = coldStart();
  for (unsigned k : {1, 112, 200, 343}) on.erase(k);
  for (unsigned k : {3, 60, 99, 195, 213, 395, 5, 130}) on.insert(k);
  return on;
}
const Bytes kSwitches = switchRecord(changed());

const std::string kReportBody =
    " Miscellaneous Switches\n"
    "   No.   Set             Description\n"
    "   0000: 1 (Enabled ) -- Front Panel Enable\n"
    "   0001: 0 (Disabled) -- Scheduler Enable\n"
    "   0002: 0 (Disabled) -- Daylight Saving Time (USA) Enable\n"
    "   0003: 1 (Enabled ) -- Macro Erase Command Returns OK Enable\n"
    "   0004: 0 (Disabled) -- Macro-Only Password Decoding Enable\n"
    "   0011: 0 (Disabled) -- Logic Output 1 Inversion\n"
    "   0012: 0 (Disabled) -- Logic Output 2 Inversion\n"
    "   0013: 0 (Disabled) -- Logic Output 3 Inversion\n"
    "   0014: 0 (Disabled) -- Logic Output 4 Inversion\n"
    "   0015: 0 (Disabled) -- Logic Output 5 Inversion\n"
    "   0016: 0 (Disabled) -- Logic Output 6 Inversion\n"
    "   0017: 0 (Disabled) -- Logic Output 7 Inversion\n"
    "   0018: 0 (Disabled) -- Logic Output 8 Inversion\n"
    "   0019: 0 (Disabled) -- CTCSS Logic Output 1 Inversion\n"
    "   0020: 0 (Disabled) -- CTCSS Logic Output 2 Inversion\n"
    "   0021: 0 (Disabled) -- CTCSS Logic Output 3 Inversion\n"
    "   0041: 0 (Disabled) -- Analog Input 1 Range Select\n"
    "   0042: 0 (Disabled) -- Analog Input 2 Range Select\n"
    "   0043: 0 (Disabled) -- Analog Input 3 Range Select\n"
    "   0060: 1 (Enabled ) -- User Switch 60\n"
    "   0061: 0 (Disabled) -- User Switch 61\n"
    "   0062: 0 (Disabled) -- User Switch 62\n"
    "   0063: 0 (Disabled) -- User Switch 63\n"
    "   0064: 0 (Disabled) -- User Switch 64\n"
    "   0065: 0 (Disabled) -- User Switch 65\n"
    "   0066: 0 (Disabled) -- User Switch 66\n"
    "   0067: 0 (Disabled) -- User Switch 67\n"
    "   0068: 0 (Disabled) -- User Switch 68\n"
    "   0069: 0 (Disabled) -- User Switch 69\n"
    "   0070: 0 (Disabled) -- User Switch 70\n"
    "   0071: 0 (Disabled) -- User Switch 71\n"
    "   0072: 0 (Disabled) -- User Switch 72\n"
    "   0073: 0 (Disabled) -- User Switch 73\n"
    "   0074: 0 (Disabled) -- User Switch 74\n"
    "   0075: 0 (Disabled) -- User Switch 75\n"
    "   0076: 0 (Disabled) -- User Switch 76\n"
    "   0077: 0 (Disabled) -- User Switch 77\n"
    "   0078: 0 (Disabled) -- User Switch 78\n"
    "   0079: 0 (Disabled) -- User Switch 79\n"
    "   0080: 0 (Disabled) -- User Switch 80\n"
    "   0081: 0 (Disabled) -- User Switch 81\n"
    "   0082: 0 (Disabled) -- User Switch 82\n"
    "   0083: 0 (Disabled) -- User Switch 83\n"
    "   0084: 0 (Disabled) -- User Switch 84\n"
    "   0085: 0 (Disabled) -- User Switch 85\n"
    "   0086: 0 (Disabled) -- User Switch 86\n"
    "   0087: 0 (Disabled) -- User Switch 87\n"
    "   0088: 0 (Disabled) -- User Switch 88\n"
    "   0089: 0 (Disabled) -- User Switch 89\n"
    "   0090: 0 (Disabled) -- User Switch 90\n"
    "   0091: 0 (Disabled) -- User Switch 91\n"
    "   0092: 0 (Disabled) -- User Switch 92\n"
    "   0093: 0 (Disabled) -- User Switch 93\n"
    "   0094: 0 (Disabled) -- User Switch 94\n"
    "   0095: 0 (Disabled) -- User Switch 95\n"
    "   0096: 0 (Disabled) -- User Switch 96\n"
    "   0097: 0 (Disabled) -- User Switch 97\n"
    "   0098: 0 (Disabled) -- User Switch 98\n"
    "   0099: 1 (Enabled ) -- User Switch 99\n"
    "\n"
    " Port Switches\n"
    "   No.   Set              No.   Set              No.   Set             Description\n"
    "   0100: 1 (Enabled )     0200: 0 (Disabled)     0300: 1 (Enabled ) -- DTMF Command Responses Enable\n"
    "   0101: 1 (Enabled )     0201: 1 (Enabled )     0301: 1 (Enabled ) -- DTMF OK Command Responses Enable\n"
    "   0102: 1 (Enabled )     0202: 1 (Enabled )     0302: 1 (Enabled ) -- DTMF Error Command Responses Enable\n"
    "   0103: 0 (Disabled)     0203: 0 (Disabled)     0303: 0 (Disabled) -- DTMF End-Of-Transmission Command Execution Enable\n"
    "   0104: 0 (Disabled)     0204: 0 (Disabled)     0304: 0 (Disabled) -- DTMF Command Execution on Interdigit Timer Enable\n"
    "   0105: 0 (Disabled)     0205: 0 (Disabled)     0305: 0 (Disabled) -- DTMF Disconnect Timer Enable\n"
    "   0106: 0 (Disabled)     0206: 0 (Disabled)     0306: 0 (Disabled) -- DTMF Long Tones Enable\n"
    "   0107: 0 (Disabled)     0207: 0 (Disabled)     0307: 0 (Disabled) -- DTMF 4th Digit Command Execution Enable\n"
    "   0108: 0 (Disabled)     0208: 0 (Disabled)     0308: 0 (Disabled) -- COR Logic Input Simulate Request\n"
    "   0109: 0 (Disabled)     0209: 0 (Disabled)     0309: 0 (Disabled) -- CTCSS Logic Input Simulate Request\n"
    "   0110: 0 (Disabled)     0210: 0 (Disabled)     0310: 0 (Disabled) -- Anti-Kerchunk Enable\n"
    "   0111: 0 (Disabled)     0211: 0 (Disabled)     0311: 0 (Disabled) -- Anti-Kerchunk No-Hangtime Mode Enable\n"
    "   0112: 0 (Disabled)     0212: 1 (Enabled )     0312: 1 (Enabled ) -- TXp PTT Enable\n"
    "   0113: 0 (Disabled)     0213: 1 (Enabled )     0313: 0 (Disabled) -- TXp Key PTT Untimed\n"
    "   0114: 0 (Disabled)     0214: 0 (Disabled)     0314: 0 (Disabled) -- TXp Send Initial ID Message\n"
    "   0115: 0 (Disabled)     0215: 0 (Disabled)     0315: 0 (Disabled) -- TXp Send Normal ID Message\n"
    "   0116: 0 (Disabled)     0216: 0 (Disabled)     0316: 0 (Disabled) -- Message Handler Beep Gap Default Enable\n"
    "   0117: 1 (Enabled )     0217: 1 (Enabled )     0317: 1 (Enabled ) -- CTCSS Controls CTCSS Logic Output Enable\n"
    "   0118: 0 (Disabled)     0218: 0 (Disabled)     0318: 0 (Disabled) -- DTMF Macro Command Responses Enable\n"
    "   0119: 1 (Enabled )     0219: 1 (Enabled )     0319: 1 (Enabled ) -- RXp Enable\n"
    "   0120: 0 (Disabled)     0220: 0 (Disabled)     0320: 0 (Disabled) -- CTCSS Encode During Anti-Kerchunk Enable\n"
    "   0141: 1 (Enabled )     0241: 1 (Enabled )     0341: 1 (Enabled ) -- Path 1p (RX1-TXp) Enable\n"
    "   0142: 1 (Enabled )     0242: 1 (Enabled )     0342: 1 (Enabled ) -- Path 2p (RX2-TXp) Enable\n"
    "   0143: 1 (Enabled )     0243: 1 (Enabled )     0343: 0 (Disabled) -- Path 3p (RX3-TXp) Enable\n"
    "   0151: 1 (Enabled )     0251: 1 (Enabled )     0351: 1 (Enabled ) -- Path 1p (RX1-TXp) DTMF Mute Enable\n"
    "   0152: 1 (Enabled )     0252: 1 (Enabled )     0352: 1 (Enabled ) -- Path 2p (RX2-TXp) DTMF Mute Enable\n"
    "   0153: 1 (Enabled )     0253: 1 (Enabled )     0353: 1 (Enabled ) -- Path 3p (RX3-TXp) DTMF Mute Enable\n"
    "   0161: 1 (Enabled )     0261: 1 (Enabled )     0361: 1 (Enabled ) -- Path 1p (RX1-TXp) Timeout Timer Enable\n"
    "   0162: 1 (Enabled )     0262: 1 (Enabled )     0362: 1 (Enabled ) -- Path 2p (RX2-TXp) Timeout Timer Enable\n"
    "   0163: 1 (Enabled )     0263: 1 (Enabled )     0363: 1 (Enabled ) -- Path 3p (RX3-TXp) Timeout Timer Enable\n"
    "   0171: 0 (Disabled)     0271: 0 (Disabled)     0371: 0 (Disabled) -- Path 1p (RX1-TXp) Timeout Timer Reset\n"
    "   0172: 0 (Disabled)     0272: 0 (Disabled)     0372: 0 (Disabled) -- Path 2p (RX2-TXp) Timeout Timer Reset\n"
    "   0173: 0 (Disabled)     0273: 0 (Disabled)     0373: 0 (Disabled) -- Path 3p (RX3-TXp) Timeout Timer Reset\n"
    "   0181: 0 (Disabled)     0281: 0 (Disabled)     0381: 0 (Disabled) -- Path 1p (RX1-TXp) DTMF Mute Bypass Enable\n"
    "   0182: 0 (Disabled)     0282: 0 (Disabled)     0382: 0 (Disabled) -- Path 2p (RX2-TXp) DTMF Mute Bypass Enable\n"
    "   0183: 0 (Disabled)     0283: 0 (Disabled)     0383: 0 (Disabled) -- Path 3p (RX3-TXp) DTMF Mute Bypass Enable\n"
    "   0190: 0 (Disabled)     0290: 0 (Disabled)     0390: 0 (Disabled) -- User Switch 0p90\n"
    "   0191: 0 (Disabled)     0291: 0 (Disabled)     0391: 0 (Disabled) -- User Switch 0p91\n"
    "   0192: 0 (Disabled)     0292: 0 (Disabled)     0392: 0 (Disabled) -- User Switch 0p92\n"
    "   0193: 0 (Disabled)     0293: 0 (Disabled)     0393: 0 (Disabled) -- User Switch 0p93\n"
    "   0194: 0 (Disabled)     0294: 0 (Disabled)     0394: 0 (Disabled) -- User Switch 0p94\n"
    "   0195: 1 (Enabled )     0295: 0 (Disabled)     0395: 1 (Enabled ) -- User Switch 0p95\n"
    "   0196: 0 (Disabled)     0296: 0 (Disabled)     0396: 0 (Disabled) -- User Switch 0p96\n"
    "   0197: 0 (Disabled)     0297: 0 (Disabled)     0397: 0 (Disabled) -- User Switch 0p97\n"
    "   0198: 0 (Disabled)     0298: 0 (Disabled)     0398: 0 (Disabled) -- User Switch 0p98\n"
    "   0199: 0 (Disabled)     0299: 0 (Disabled)     0399: 0 (Disabled) -- User Switch 0p99\n";

TEST(Switches, ReportListsDefinedSwitches) {
  EXPECT_EQ(render(Mode::kReport, kSwitches), "\nSoftware Switches\n" + kReportBody);
  EXPECT_EQ(render(Mode::kReport, kSwitches, true),
            "\nSoftware Switches\n"
            "debug  Record Type       : 7\n"
            "debug  Attributes        : 0x1\n"
            "debug  Element Size      : 50\n"
            "debug  Num Elements      : 1\n"
            "debug  Bit Set           : \n" +
                kReportBody);
}

TEST(Switches, ScriptWritesChangedSwitches) {
  const std::string body =
      ";  Miscellaneous Switches\n"
      "MPW 63 0001 0 *                                   ; 0 (Disabled), Scheduler Enable\n"
      "MPW 63 0003 1 *                                   ; 1 (Enabled),  Macro Erase Command Returns OK Enable\n"
      "MPW 63 0060 1 *                                   ; 1 (Enabled),  User Switch 60\n"
      "MPW 63 0099 1 *                                   ; 1 (Enabled),  User Switch 99\n"
      "\n;  Port 1 Switches\n"
      "MPW 63 0112 0 *                                   ; 0 (Disabled), TX1 PTT Enable\n"
      "MPW 63 0195 1 *                                   ; 1 (Enabled),  User Switch 0195\n"
      "\n;  Port 2 Switches\n"
      "MPW 63 0200 0 *                                   ; 0 (Disabled), DTMF Command Responses Enable\n"
      "MPW 63 0213 1 *                                   ; 1 (Enabled),  TX2 Key PTT Untimed\n"
      "\n;  Port 3 Switches\n"
      "MPW 63 0343 0 *                                   ; 0 (Disabled), Path 33 (RX3-TX3) Enable\n"
      "MPW 63 0395 1 *                                   ; 1 (Enabled),  User Switch 0395\n";
  EXPECT_EQ(render(Mode::kScript, kSwitches), "\n; Set Software Switches\n" + body);
  EXPECT_EQ(render(Mode::kScript, kSwitches, true),
            "\n; Set Software Switches\n"
            ";debug  Record Type       : 7\n"
            ";debug  Attributes        : 0x1\n"
            ";debug  Element Size      : 50\n"
            ";debug  Num Elements      : 1\n"
            ";debug  Bit Set           : \n" +
                body);
}

TEST(Switches, AllValuesScriptOverAShortBitSet) {
  // Two bytes: switches 0 to 15. The group is cut short after Logic Output
  // 5 Inversion and prints no closing line.
  EXPECT_EQ(render(Mode::kScript, switchRecord(changed(), 2), false, true),
            "\n; Set Software Switches\n"
            ";  Miscellaneous Switches\n"
            ";MPW 63 0000 1 *                                  ; 1 (Enabled),  Front Panel Enable\n"
            "MPW 63 0001 0 *                                   ; 0 (Disabled), Scheduler Enable\n"
            ";MPW 63 0002 0 *                                  ; 0 (Disabled), Daylight Saving Time (USA) Enable\n"
            "MPW 63 0003 1 *                                   ; 1 (Enabled),  Macro Erase Command Returns OK Enable\n"
            ";MPW 63 0004 0 *                                  ; 0 (Disabled), Macro-Only Password Decoding Enable\n"
            ";MPW 63 0011 0 *                                  ; 0 (Disabled), Logic Output 1 Inversion\n"
            ";MPW 63 0012 0 *                                  ; 0 (Disabled), Logic Output 2 Inversion\n"
            ";MPW 63 0013 0 *                                  ; 0 (Disabled), Logic Output 3 Inversion\n"
            ";MPW 63 0014 0 *                                  ; 0 (Disabled), Logic Output 4 Inversion\n"
            ";MPW 63 0015 0 *                                  ; 0 (Disabled), Logic Output 5 Inversion\n");
}

TEST(Switches, AllValuesScriptIntoAPortGroup) {
  // Thirteen bytes: switches 0 to 103, so port 1 shows entries 0 to 3.
  std::set<unsigned> on = changed();
  on.erase(101);
  EXPECT_TRUE(render(Mode::kScript, switchRecord(on, 13), false, true)
                  .ends_with("MPW 63 0099 1 *                                   ; 1 (Enabled),  User Switch 99\n"
                             "\n;  Port 1 Switches\n"
                             ";MPW 63 0100 1 *                                  ; 1 (Enabled),  DTMF Command Responses Enable\n"
                             "MPW 63 0101 0 *                                   ; 0 (Disabled), DTMF OK Command Responses Enable\n"
                             ";MPW 63 0102 1 *                                  ; 1 (Enabled),  DTMF Error Command Responses Enable\n"
                             ";MPW 63 0103 0 *                                  ; 0 (Disabled), DTMF End-Of-Transmission Command Execution Enable\n"));
}

TEST(Switches, GroupsAtDefaultsSaySo) {
  EXPECT_EQ(render(Mode::kScript, switchRecord(coldStart())),
            "\n; Set Software Switches\n"
            ";  Miscellaneous Switches\n"
            ";   All Switches Set to Defaults.\n"
            "\n;  Port 1 Switches\n"
            ";   All Switches Set to Defaults.\n"
            "\n;  Port 2 Switches\n"
            ";   All Switches Set to Defaults.\n"
            "\n;  Port 3 Switches\n"
            ";   All Switches Set to Defaults.\n");
  // Reserved switches never count as changes.
  std::set<unsigned> reserved = coldStart();
  for (unsigned k : {5, 10, 22, 59, 121, 140, 289, 389}) reserved.insert(k);
  EXPECT_EQ(render(Mode::kScript, switchRecord(reserved)), render(Mode::kScript, switchRecord(coldStart())));
  EXPECT_EQ(render(Mode::kScript, switchRecord(coldStart()), false, true).find("All Switches"), std::string::npos);
}

TEST(Switches, ScriptStopsAtTheLastSwitchThatExists) {
  // 60 bytes hold 480 bits; numbers from 400 on do not exist and get no group.
  std::set<unsigned> on = coldStart();
  on.insert(420);
  const std::string script = render(Mode::kScript, switchRecord(on, 60));
  EXPECT_EQ(script.find("Port 4"), std::string::npos);
  EXPECT_TRUE(script.ends_with("\n;  Port 3 Switches\n;   All Switches Set to Defaults.\n"));
  // No element: no Bit Set, nothing visited.
  EXPECT_EQ(render(Mode::kScript, switchRecord({}, 50, 0)), "\n; Set Software Switches\n");
}

struct Kept {
  std::size_t count;
  bool scheduler;
};

Kept keptAfterReport(const Bytes& record, unsigned receivers, WalkContext& ctx) {
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  testsupport::renderRecord(Mode::kReport, record, ctx);
  return {ctx.switchBitCount, ctx.schedulerEnabled()};
}

TEST(Switches, ReportKeepsTheLeadingBytesForTheScheduler) {
  const struct {
    Bytes record;
    unsigned receivers;
    std::size_t count;
    bool scheduler;
  } cases[] = {
      {kSwitches, 3, 50, false},                      // (3 + 1) x 100 / 8
      {kSwitches, 1, 25, false},
      {kSwitches, 0, 12, false},
      {kSwitches, 255, 50, false},                    // no more than the context holds
      {switchRecord(coldStart()), 3, 50, true},
      {switchRecord(changed(), 2), 3, 2, false},      // no more than the record stores
      {switchRecord(changed(), 50, 0), 3, 0, true},   // nothing stored: the cold-start value
  };
  for (const auto& c : cases) {
    WalkContext ctx;
    ctx.switchBits.fill(0xAA);
    const Kept kept = keptAfterReport(c.record, c.receivers, ctx);
    EXPECT_EQ(kept.count, c.count);
    EXPECT_EQ(kept.scheduler, c.scheduler);
    for (std::size_t i = 0; i < ctx.switchBits.size(); ++i)
      EXPECT_EQ(ctx.switchBits[i], i < c.count ? c.record[4 + i] : 0) << i;
  }
  // The script leaves the context alone.
  WalkContext ctx;
  testsupport::renderRecord(Mode::kScript, kSwitches, ctx);
  EXPECT_EQ(ctx.switchBitCount, 0u);
}

TEST(Switches, ShortBitSetsReadAsOffBeyondTheirEnd) {
  // Two bytes: switches 0-15 only. Every port switch reads as off.
  const std::string report = render(Mode::kReport, switchRecord({0, 1, 3, 11, 15}, 2));
  EXPECT_NE(report.find("   0015: 1 (Enabled ) -- Logic Output 5 Inversion\n"), std::string::npos);
  EXPECT_NE(report.find("   0016: 0 (Disabled) -- Logic Output 6 Inversion\n"), std::string::npos);
  EXPECT_NE(report.find("   0112: 0 (Disabled)     0212: 0 (Disabled)     0312: 0 (Disabled) -- TXp PTT Enable\n"),
            std::string::npos);
  // A record cut short by the end of the image: only loaded bytes are read.
  Bytes cut = switchRecord(changed());
  cut.resize(4 + 3);
  EXPECT_NE(render(Mode::kReport, cut).find("   0099: 0 (Disabled)"), std::string::npos);
  // The script visits the 24 switches of the 3 loaded bytes.
  EXPECT_TRUE(render(Mode::kScript, cut, false, true)
                  .ends_with(";MPW 63 0021 0 *                                  ; 0 (Disabled), CTCSS Logic Output 3 Inversion\n"));
}

TEST(Switches, ReturnsTheRecordLength) {
  WalkContext ctx;
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  const Bytes record = switchRecord(coldStart(), 50, 2);
  const cfgscribe::Record r(orva::ByteView(record.data(), record.size()));
  EXPECT_EQ(cfgscribe::reportHandlers().known[7](r, ctx, o), 104u);
  EXPECT_EQ(cfgscribe::scriptHandlers().known[7](r, ctx, o), 104u);
}

}  // namespace
