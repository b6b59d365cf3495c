

#include "harness.h"

namespace {

using namespace testsupport;

Bytes macrosRecord(std::uint8_t elementSize, unsigned firstLocation, const Bytes& entries) {
  return cat({{10, 0x01, elementSize, 0x40, 0x00}, be16(firstLocation), entries});
}

TEST(Macros, Sections) {
  // Macro 1234 at location 5: a switch command behind the macro password and
  // a call of macro 5678. Macro 4321 at location 7: no commands.
  const Bytes two = macrosRecord(32, 5, cat({digits("1234", 2), {0x00}, {0x05, 0x99, 0x63, 0x00, 0x12},
                                             {0x03, 0x56, 0x78}, {0xFF}, be16(7), digits("4321", 2), {0x00},
                                             {0xFF}, be16(0xFFFF)}));
  // Macro password, root 09 and 16 more bytes: 54 characters get no filler.
  const Bytes wide =
      macrosRecord(32, 1, cat({digits("1234", 2), {0x00, 19, 0x99, 0x09}, fill(16, 0x11), {0xFF}, be16(0xFFFF)}));
  const Bytes none = macrosRecord(32, 0xFFFF, {0xFF});
  checkRecords({{"@macros/script", S, false, two, 27},
                {"@macros/script", A, false, two, 27},  // every command is written either way
                {"@macros/report_wide_command", R, false, wide},
                {"@macros/script_wide_command", S, false, wide},
                {"\nMacros\n  No Macros Defined\n", R, false, none, 7},
                {"\n; Define Macros\n;   No Macros Defined\n", A, false, none, 7}});
}

TEST(Macros, MalformedCommandAreasAndChainsEnd) {
  const std::string call5678 = "     5678" + blanks(46) + "-- Execute Macro\n";
  const std::string kOne = "\n 1 Macros of 340 Macros Used\n";
  // 400 entries that each point on to location 1: only 340 are shown.
  Bytes looping;
  for (int i = 0; i < 400; ++i) looping = cat({looping, digits("1234", 2), {0x00}, {0xFF}, be16(1)});
  const struct {
    const char* what;
    Bytes record;
    std::string tail;  // the report after the first macro's heading
    std::uint32_t length;
  } cases[] = {
      {"a length byte of 0 ends the area like its end byte",
       macrosRecord(32, 1, cat({digits("1234", 2), {0x00}, {0x03, 0x56, 0x78}, {0x00}, be16(0xFFFF)})),
       call5678 + kOne, 16},
      {"the element size ends the area; the next byte counts as its end",
       macrosRecord(3, 1, cat({digits("1234", 2), {0x00}, {0x03, 0x56, 0x78}, {0x03}, be16(0xFFFF)})),
       call5678 + kOne, 16},
      {"a command running past the image is cut at its end",
       macrosRecord(32, 1, cat({digits("1234", 2), {0x00}, {0x09, 0x56, 0x78}})), call5678 + kOne, 13},
      {"the next location lies past the image end",
       macrosRecord(32, 1, cat({digits("1234", 2), {0x00}, {0xFF}, be16(2)})), kOne, 13},
      {"a chain longer than the directory", macrosRecord(32, 1, looping), "", 7 + 340 * 6},
  };
  for (const auto& c : cases) {
    WalkContext ctx = context(3);
    const Rendered run = runRecord(Flavour::kReport, c.record, ctx);
    // The whole report where the tail ends it, its start where it does not.
    EXPECT_TRUE(run.text.starts_with("\nMacros\n Name: 1234\n   Location   : 1\n   Commands   :\n" + c.tail)) << c.what;
    if (!c.tail.empty()) {
      EXPECT_TRUE(run.text.ends_with(c.tail)) << c.what;
    }
    EXPECT_EQ(run.length, c.length) << c.what;
  }
}

// The walk hands the passwords record's table to the macros record, the
// APW included: report and script name a stored command alike.
TEST(Macros, ApwPrefixKnownInBothWalks) {
  ControllerSpec definition;
  definition.macroNameDigits = 4;
  definition.macroAttrSize = 1;
  const Bytes passwords =
      elementArray(6, 0x01, 4, 4, cat({digits("12", 4), fill(4, 0xFF), fill(4, 0xFF), digits("4455", 4)}));
  const Bytes macros = macrosRecord(
      32, 9, cat({digits("1234", 2), {0x00}, {0x06, 0x44, 0x55, 0x21, 0x00, 0x01}, {0xFF}, be16(0xFFFF)}));
  const Bytes image = cat({controllerRecord(definition), passwords, macros, {0xFF}});
  const std::string report = renderWalk(cfgscribe::Mode::kReport, image);
  EXPECT_NE(report.find("     APW 21 0001" + blanks(39) + "-- Erase Macro\n"), std::string::npos) << report;
  const std::string script = renderWalk(cfgscribe::Mode::kScript, image);
  EXPECT_NE(script.find("MPW 20 1234 APW 21 0001 " + blanks(26) + "; Erase Macro\n"), std::string::npos) << script;
}

}  // namespace
