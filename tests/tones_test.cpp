// Tone generators: the report with its mode and level texts, the MPW 79
// commands, and records whose blocks do not fit.
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
using testsupport::be16;
using testsupport::cat;
using testsupport::portGrouped;

std::string sp(int n) { return std::string(n, ' '); }

WalkContext withTransmitters(unsigned transmitters) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kTransmitters] = static_cast<std::uint8_t>(transmitters);
  return ctx;
}

std::string render(Mode mode, const Bytes& record, unsigned transmitters, bool debug = false,
                   bool allValues = false) {
  WalkContext ctx = withTransmitters(transmitters);
  return testsupport::renderRecord(mode, record, ctx, debug, allValues);
}

std::uint32_t lengthOf(bool script, const Bytes& record, unsigned transmitters) {
  std::string text;
  orva::Sink sink(text);
  Out o{sink, false, false, script};
  WalkContext ctx = withTransmitters(transmitters);
  const Record r(orva::ByteView(record.data(), record.size()));
  return script ? cfgscribe::records::tonesScript(r, ctx, o) : cfgscribe::records::tonesReport(r, ctx, o);
}

Bytes block(std::uint8_t owner, std::uint8_t mode, std::uint8_t level, unsigned toneCode) {
  return cat({{owner, mode, level}, be16(toneCode), {0xAA, 0xBB}});
}

// Port 1 continuous at -3.5 dB, 760 Hz; port 2 off; port 3 with an
// unsupported mode 4 at -0.5 dB, 1760 Hz.
Bytes threePorts() {
  return portGrouped(25, 0x00, 7, 0, 1, cat({block(1, 1, 7, 100), block(0, 0, 0, 0), block(5, 4, 1, 300)}));
}

const std::string kThreePortsReport =
    " Tone Generator Port 1\n"
    "   Owner        :  Tone Generator\n"
    "   Mode         :  Continuous\n"
    "   Message Level:  7,  -3.5 dB\n"
    "   ToneCode     :  0100, 760 Hz\n"
    " Tone Generator Port 2\n"
    "   Owner        :  Message Handler\n"
    "   Mode         :  Off\n"
    "   Message Level:  0,   0.0 dB\n"
    "   ToneCode     :  0000, 260 Hz\n"
    " Tone Generator Port 3\n"
    "   Owner        :  Tone Generator\n"
    "   Mode         :  error: unsupported value, 0x04\n"
    "   Message Level:  1,  -0.5 dB\n"
    "   ToneCode     :  0300, 1760 Hz\n";

TEST(ToneGenerators, Report) {
  EXPECT_EQ(render(Mode::kReport, threePorts(), 3), "\nTone Generators\n" + kThreePortsReport);
}

TEST(ToneGenerators, ReportWithDebug) {
  EXPECT_EQ(render(Mode::kReport, threePorts(), 3, true),
            "\nTone Generators\n"
            "debug  Record Type       : 25\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 7\n"
            "debug  Num Misc          : 0\n"
            "debug  Num Ports         : 1\n" +
                kThreePortsReport);
}

// An unsupported mode is not Off, so it is set.
const std::string kPortsNotOff =
    "MPW 79 1 01 07 0100 *" + sp(29) + "; Control Tx Tone Generator\n" +
    "MPW 79 3 04 01 0300 *" + sp(29) + "; Control Tx Tone Generator\n";

TEST(ToneGenerators, ScriptSetsPortsThatAreNotOff) {
  EXPECT_EQ(render(Mode::kScript, threePorts(), 3), "\n; Tone Generators\n" + kPortsNotOff);
}

TEST(ToneGenerators, ScriptAllValuesCommentsOutPortsThatAreOff) {
  EXPECT_EQ(render(Mode::kScript, threePorts(), 3, false, true),
            "\n; Tone Generators\n"
            "MPW 79 1 01 07 0100 *" + sp(29) + "; Control Tx Tone Generator\n" +
                ";MPW 79 2 00 00 0000 *" + sp(28) + "; Control Tx Tone Generator\n" +
                "MPW 79 3 04 01 0300 *" + sp(29) + "; Control Tx Tone Generator\n");
}

TEST(ToneGenerators, ScriptWithDebug) {
  EXPECT_EQ(render(Mode::kScript, threePorts(), 3, true),
            "\n; Tone Generators\n"
            ";debug  Record Type       : 25\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 7\n"
            ";debug  Num Misc          : 0\n"
            ";debug  Num Ports         : 1\n" +
                kPortsNotOff);
}

TEST(ToneGenerators, NothingToSet) {
  const std::string none = "\n; Tone Generators\n;   No Tone Generators Configured\n";
  // Off is the default whatever the level and tone code.
  const Bytes allOff = portGrouped(25, 0x00, 7, 0, 1, cat({block(1, 0, 9, 44), block(0, 0, 0, 0)}));
  EXPECT_EQ(render(Mode::kScript, allOff, 2), none);
  const Bytes noPorts = portGrouped(25, 0x00, 7, 0, 1, {});
  EXPECT_EQ(render(Mode::kScript, noPorts, 0, false, false), none);
  EXPECT_EQ(render(Mode::kScript, noPorts, 0, false, true), none);
  EXPECT_EQ(render(Mode::kReport, noPorts, 0), "\nTone Generators\n");
  EXPECT_EQ(lengthOf(false, noPorts, 0), 5u);
  EXPECT_EQ(lengthOf(true, noPorts, 0), 5u);
}

// The level is an attenuation of L/2 dB shown in five characters; level 1
// keeps its minus sign although its whole decibels are 0.
TEST(ToneGenerators, LevelAndFrequencyTexts) {
  struct Case {
    std::uint8_t level;
    unsigned toneCode;
    const char* levelLine;
    const char* toneLine;
  };
  const Case cases[] = {
      {0, 0, "   Message Level:  0,   0.0 dB\n", "   ToneCode     :  0000, 260 Hz\n"},
      {1, 1, "   Message Level:  1,  -0.5 dB\n", "   ToneCode     :  0001, 265 Hz\n"},
      {2, 100, "   Message Level:  2,  -1.0 dB\n", "   ToneCode     :  0100, 760 Hz\n"},
      {3, 300, "   Message Level:  3,  -1.5 dB\n", "   ToneCode     :  0300, 1760 Hz\n"},
      {12, 9999, "   Message Level:  12,  -6.0 dB\n", "   ToneCode     :  9999, 50255 Hz\n"},
      {255, 65535, "   Message Level:  255, -127.5 dB\n", "   ToneCode     :  65535, 327935 Hz\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    const Bytes record = portGrouped(25, 0x00, 7, 0, 1, block(1, 2, c.level, c.toneCode));
    EXPECT_EQ(render(Mode::kReport, record, 1),
              std::string("\nTone Generators\n"
                          " Tone Generator Port 1\n"
                          "   Owner        :  Tone Generator\n"
                          "   Mode         :  Tone On When PTT Keyed\n") +
                  c.levelLine + c.toneLine);
  }
}

// Blocks follow each other element size bytes apart; a block too small for
// the five bytes shown, or past the image end, is left out, and nothing
// after the record is read.
TEST(ToneGenerators, BlocksThatDoNotFit) {
  const Bytes wide = portGrouped(25, 0x00, 8, 0, 1, cat({block(1, 3, 0, 10), {0}, block(1, 1, 2, 20), {0}}));
  EXPECT_EQ(render(Mode::kScript, wide, 2),
            "\n; Tone Generators\n"
            "MPW 79 1 03 00 0010 *" + sp(29) + "; Control Tx Tone Generator\n" +
                "MPW 79 2 01 02 0020 *" + sp(29) + "; Control Tx Tone Generator\n");
  EXPECT_EQ(lengthOf(true, wide, 2), 21u);

  const Bytes narrow = cat({portGrouped(25, 0x00, 4, 0, 1, {1, 1, 0, 0, 1, 1, 0, 0}), block(1, 1, 1, 1)});
  EXPECT_EQ(render(Mode::kReport, narrow, 2),
            "\nTone Generators\n  WARNING: Record data missing, 2 of 2 ports not shown\n");
  EXPECT_EQ(render(Mode::kScript, narrow, 2, false, true),
            "\n; Tone Generators\n;   WARNING: Record data missing, 2 of 2 ports not shown\n");
  EXPECT_EQ(lengthOf(false, narrow, 2), 13u);

  const Bytes cut = portGrouped(25, 0x00, 7, 0, 1, cat({block(0, 0, 0, 0), {1, 1, 0}}));
  EXPECT_EQ(render(Mode::kScript, cut, 2, false, true),
            "\n; Tone Generators\n"
            ";MPW 79 1 00 00 0000 *" + sp(28) + "; Control Tx Tone Generator\n" +
                ";   WARNING: Record data missing, 1 of 2 ports not shown\n");
  EXPECT_EQ(lengthOf(true, cut, 2), 19u);
}

}  // namespace
