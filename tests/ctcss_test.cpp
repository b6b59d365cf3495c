#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "golden_support.h"
#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
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

std::uint32_t lengthOf(const Bytes& record, unsigned ports) {
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  WalkContext ctx = withPorts(ports);
  return cfgscribe::records::ctcssScript(cfgscribe::Record(orva::ByteView(record.data(), record.size())), ctx, o);
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string reportNotes(char p) {
  const std::string d(1, p);
  return "  Notes:\n"
         "   CTCSS On Time, see Timer 0" + d + "15.\n"
         "   CTCSS Reverse Burst Time, see Timer 0" + d + "16.\n"
         "   CTCSS Inactive-to-Active Macros, see ETM number 0" + d + "11.\n"
         "   CTCSS Active-to-Inactive Macros, see ETM number 0" + d + "12.\n"
         "   CTCSS Encoder Controls Logic Output, Software Switch number 0" + d + "17.\n"
         "\n";
}

std::string scriptNotes(char p, char jumper) {
  const std::string d(1, p);
  return ";  Notes:\n"
         ";   CTCSS On Time, See Timer 0" + d + "15.\n"
         ";   CTCSS Reverse Burst Time, See Timer 0" + d + "16.\n"
         ";   CTCSS Inactive-to-Active Macros, See ETM number 0" + d + "11.\n"
         ";   CTCSS Active-to-Inactive Macros, See ETM number 0" + d + "12.\n"
         ";   CTCSS Encoder Controls Logic Output, Software Switch Number 0" + d + "17.\n"
         ";   CTCSS Encoder/Logic Output Jumper, J3" + std::string(1, jumper) + ".\n"
         "\n";
}

// Port 1 at its defaults (tone 26, mode 0) with a reverse burst; port 2 at
// the last tone and a live mode; port 3 past the end of every table.
const Bytes kEncoders = portGrouped(18, 0x00, 1, 0, 3, {26, 0, 1, 64, 2, 2, 65, 6, 3});

TEST(CtcssEncoders, ReportShowsToneModeAndBurstOfEveryPort) {
  expectGolden(report(kEncoders, 3), "ctcss/report");
}

TEST(CtcssEncoders, ScriptCommentsCommandsAtDefaultInBothFlavours) {
  expectGolden(script(kEncoders, 3), "ctcss/script");
  expectGolden(script(kEncoders, 3, false, true), "ctcss/script");
  EXPECT_EQ(lengthOf(kEncoders, 3), 14u);
}

TEST(CtcssEncoders, DebugLinesFollowTheHeading) {
  const Bytes record = portGrouped(18, 0x00, 1, 0, 3, {0, 5, 0});
  EXPECT_EQ(report(record, 1, true),
            "\nCTCSS Encoders\n"
            "debug  Record Type       : 18\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 1\n"
            "debug  Num Misc          : 0\n"
            "debug  Num Port          : 3\n"
            " CTCSS Encoder Port 1\n"
            "   Tone Number  : 0   -- 33.0 Hz\n"
            "   Mode         :  5   -- Always ON\n"
            "   Reverse Burst:  0   -- OFF\n" +
                reportNotes('1'));
  EXPECT_EQ(script(record, 1, true),
            "\n; Set CTCSS Encoders\n"
            ";debug  Record Type       : 18\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 1\n"
            ";debug  Num Misc          : 0\n"
            ";debug  Num Port          : 3\n"
            ";  CTCSS Encoder Port #1\n"
            ";   Tone Number   = 0 (33.0 Hz)\n"
            ";   Mode          = 5 (Always ON)\n"
            ";   Reverse Burst = 0 (OFF)\n"
            "MPW 03 1 00 * " + blanks(36) + "; Set Tone Number (CTCSS Frequency)\n"
            "MPW 02 1 5 0 * " + blanks(35) + "; Set Mode and Reverse Burst Enable\n" +
            scriptNotes('1', '7'));
}

TEST(CtcssEncoders, OddLayoutsStayInsideTheRecord) {
  // Miscellaneous elements are stepped over.
  const Bytes withMisc = portGrouped(18, 0x00, 1, 2, 3, cat({{0xAA, 0xBB}, {26, 0, 1, 64, 2, 2, 65, 6, 3}}));
  EXPECT_EQ(report(withMisc, 3), report(kEncoders, 3));
  EXPECT_EQ(lengthOf(withMisc, 3), 16u);

  // A group of two bytes holds no reverse burst: it reads 0xFF, not the
  // next port's tone.
  const Bytes shortGroups = portGrouped(18, 0x00, 1, 0, 2, {30, 3, 40, 0});
  const std::string text = report(shortGroups, 2);
  EXPECT_NE(text.find(" CTCSS Encoder Port 1\n"
                      "   Tone Number  : 30   -- 114.8 Hz\n"
                      "   Mode         :  3   -- Turn ON With PTT, Turn OFF At CTCSS On Time\n"
                      "   Reverse Burst:  255   -- \n"),
            std::string::npos);
  EXPECT_EQ(lengthOf(shortGroups, 2), 9u);

  // Zero ports: headings only.
  EXPECT_EQ(report(kEncoders, 0), "\nCTCSS Encoders\n");
  EXPECT_EQ(script(kEncoders, 0), "\n; Set CTCSS Encoders\n");
  EXPECT_EQ(lengthOf(kEncoders, 0), 5u);
}

}  // namespace
