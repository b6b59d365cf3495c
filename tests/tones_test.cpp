// Tone generators: the report with its mode and level texts, the MPW 79
// commands, and blocks that do not fit their record.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using namespace cfgscribe;
using testsupport::Bytes;
using testsupport::be16;
using testsupport::cat;
using testsupport::portGrouped;

std::string sp(int n) { return std::string(n, ' '); }

struct Case {
  const char* name;
  Mode mode;
  bool debug, allValues;
  unsigned transmitters;
  Bytes record;
  std::string expected;
};

void check(const Case& c) {
  SCOPED_TRACE(c.name);
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kTransmitters] = static_cast<std::uint8_t>(c.transmitters);
  std::string text;
  Sink sink(text);
  Out o{sink, c.debug, c.allValues, c.mode == Mode::kScript};
  const Record r(ByteView(c.record.data(), c.record.size()));
  const auto handler = c.mode == Mode::kScript ? records::tonesScript : records::tonesReport;
  EXPECT_EQ(handler(r, ctx, o), 5 + c.transmitters * r.elementSize());
  sink.flush();
  EXPECT_EQ(text, c.expected);
  WalkContext again = ctx;
  EXPECT_EQ(testsupport::renderRecord(c.mode, c.record, again, c.debug, c.allValues), c.expected);
}

Bytes block(std::uint8_t owner, std::uint8_t mode, std::uint8_t level, unsigned toneCode) {
  return cat({{owner, mode, level}, be16(toneCode), {0xAA, 0xBB}});
}

// Port 1 continuous at -3.5 dB, 760 Hz; port 2 off; port 3 in an
// unsupported mode 4 at -0.5 dB, 1760 Hz.
const Bytes kThree =
    portGrouped(25, 0x00, 7, 0, 1, cat({block(1, 1, 7, 100), block(0, 0, 0, 0), block(5, 4, 1, 300)}));

TEST(ToneGenerators, Sections) {
  const std::string report =
      " Tone Generator Port 1\n   Owner        :  Tone Generator\n   Mode         :  Continuous\n"
      "   Message Level:  7,  -3.5 dB\n   ToneCode     :  0100, 760 Hz\n"
      " Tone Generator Port 2\n   Owner        :  Message Handler\n   Mode         :  Off\n"
      "   Message Level:  0,   0.0 dB\n   ToneCode     :  0000, 260 Hz\n"
      " Tone Generator Port 3\n   Owner        :  Tone Generator\n   Mode         :  error: unsupported value, 0x04\n"
      "   Message Level:  1,  -0.5 dB\n   ToneCode     :  0300, 1760 Hz\n";
  const std::string debug = "debug  Record Type       : 25\ndebug  Attributes        : 0x0\n"
                            "debug  Element Size      : 7\ndebug  Num Misc          : 0\n"
                            "debug  Num Ports         : 1\n";
  const std::string scriptDebug = ";debug  Record Type       : 25\n;debug  Attributes        : 0x0\n"
                                  ";debug  Element Size      : 7\n;debug  Num Misc          : 0\n"
                                  ";debug  Num Ports         : 1\n";
  // An unsupported mode is not Off, so it is set.
  const std::string port1 = "MPW 79 1 01 07 0100 *" + sp(29) + "; Control Tx Tone Generator\n";
  const std::string port2 = ";MPW 79 2 00 00 0000 *" + sp(28) + "; Control Tx Tone Generator\n";
  const std::string port3 = "MPW 79 3 04 01 0300 *" + sp(29) + "; Control Tx Tone Generator\n";
  const Case cases[] = {
      {"report", Mode::kReport, false, false, 3, kThree, "\nTone Generators\n" + report},
      {"report -d", Mode::kReport, true, false, 3, kThree, "\nTone Generators\n" + debug + report},
      {"-s", Mode::kScript, false, false, 3, kThree, "\n; Tone Generators\n" + port1 + port3},
      {"-a", Mode::kScript, false, true, 3, kThree, "\n; Tone Generators\n" + port1 + port2 + port3},
      {"-s -d", Mode::kScript, true, false, 3, kThree, "\n; Tone Generators\n" + scriptDebug + port1 + port3},
  };
  for (const Case& c : cases) check(c);
}

TEST(ToneGenerators, EdgeCases) {
  const std::string none = "\n; Tone Generators\n;   No Tone Generators Configured\n";
  const Bytes noPorts = portGrouped(25, 0x00, 7, 0, 1, {});
  auto oneLevel = [](std::uint8_t level, unsigned toneCode) {
    return portGrouped(25, 0x00, 7, 0, 1, block(1, 2, level, toneCode));
  };
  const std::string levelHead = "\nTone Generators\n Tone Generator Port 1\n   Owner        :  Tone Generator\n"
                                "   Mode         :  Tone On When PTT Keyed\n";
  // Blocks lie element size bytes apart; a block smaller than the five
  // bytes shown, or past the image end, is left out and nothing after the
  // record is read.
  const Bytes wide = portGrouped(25, 0x00, 8, 0, 1, cat({block(1, 3, 0, 10), {0}, block(1, 1, 2, 20), {0}}));
  const Bytes narrow = cat({portGrouped(25, 0x00, 4, 0, 1, {1, 1, 0, 0, 1, 1, 0, 0}), block(1, 1, 1, 1)});
  const Bytes cut = portGrouped(25, 0x00, 7, 0, 1, cat({block(0, 0, 0, 0), {1, 1, 0}}));
  const Case cases[] = {
      {"Off whatever level and tone", Mode::kScript, false, false, 2,
       portGrouped(25, 0, 7, 0, 1, cat({block(1, 0, 9, 44), block(0, 0, 0, 0)})), none},
      {"no transmitters, -s", Mode::kScript, false, false, 0, noPorts, none},
      {"no transmitters, -a", Mode::kScript, false, true, 0, noPorts, none},
      {"no transmitters, report", Mode::kReport, false, false, 0, noPorts, "\nTone Generators\n"},
      {"level 12", Mode::kReport, false, false, 1, oneLevel(12, 9999),
       levelHead + "   Message Level:  12,  -6.0 dB\n   ToneCode     :  9999, 50255 Hz\n"},
      {"level 255", Mode::kReport, false, false, 1, oneLevel(255, 65535),
       levelHead + "   Message Level:  255, -127.5 dB\n   ToneCode     :  65535, 327935 Hz\n"},
      {"element size 8", Mode::kScript, false, false, 2, wide,
       "\n; Tone Generators\nMPW 79 1 03 00 0010 *" + sp(29) + "; Control Tx Tone Generator\n" +
           "MPW 79 2 01 02 0020 *" + sp(29) + "; Control Tx Tone Generator\n"},
      {"element size 4", Mode::kReport, false, false, 2, narrow,
       "\nTone Generators\n  WARNING: Record data missing, 2 of 2 ports not shown\n"},
      {"element size 4, -a", Mode::kScript, false, true, 2, narrow,
       "\n; Tone Generators\n;   WARNING: Record data missing, 2 of 2 ports not shown\n"},
      {"image ends in port 2", Mode::kScript, false, true, 2, cut,
       "\n; Tone Generators\n;MPW 79 1 00 00 0000 *" + sp(28) + "; Control Tx Tone Generator\n" +
           ";   WARNING: Record data missing, 1 of 2 ports not shown\n"},
  };
  for (const Case& c : cases) check(c);
}

}  // namespace
