#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "handler_run.h"
#include "support/image_builder.h"

namespace {

using namespace testsupport;
using cfgscribe::ControllerDefinition;
using cfgscribe::WalkContext;
using cfgscribe::records::macrosReport;
using cfgscribe::records::macrosScript;

// Four name digits, one attribute byte.
WalkContext macroContext() {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = 4;
  ctx.controller.bytes[ControllerDefinition::kMacroAttrSize] = 1;
  return ctx;
}

Bytes macrosRecord(std::uint8_t elementSize, unsigned firstLocation, const Bytes& entries) {
  return cat({{10, 0x01, elementSize, 0x40, 0x00}, be16(firstLocation), entries});
}

// Macro 1234 at location 5: a switch command behind the macro password and
// a call of macro 5678. Macro 4321 at location 7: no commands.
Bytes twoMacros() {
  return macrosRecord(32, 5,
                      cat({digits("1234", 2), {0x00}, {0x05, 0x99, 0x63, 0x00, 0x12}, {0x03, 0x56, 0x78}, {0xFF},
                           be16(7), digits("4321", 2), {0x00}, {0xFF}, be16(0xFFFF)}));
}

const std::string kReportMacro1 =
    " Name: 1234\n"
    "   Location   : 5\n"
    "   Commands   :\n"
    "     99 63 0012 " + blanks(39) + "-- Set/Clear Software Switches\n"
    "     5678" + blanks(46) + "-- Execute Macro\n";
const std::string kReportMacro2 = " Name: 4321\n   Location   : 7\n   Commands   :\n";

TEST(MacrosReport, DebugDumpsTheLoadedEntryBytes) {
  WalkContext ctx = macroContext();
  const HandlerRun run = runHandler(macrosReport, twoMacros(), ctx, Flavour::kReport, true);
  EXPECT_EQ(run.length, 27u);
  EXPECT_EQ(run.text,
            "\nMacros\n"
            "debug  Record Type       : 10\n"
            "debug  Attributes        : 0x1\n"
            "debug  Element Size      : 32\n"
            ";debug  Location=5\n"
            "    0000  12 34 00 05 99 63 00 12 - 03 56 78 ff 00 07 43 21\n"
            "    0010  00 ff ff ff \n" + kReportMacro1 +
            ";debug  Location=7\n"
            "    0000  43 21 00 ff ff ff \n" + kReportMacro2 + "\n 2 Macros of 340 Macros Used\n");
}

const std::string kScriptBody =
    ";  Macro Name = 1234,  Macro Directory Location =   5\n"
    "MPW 20 1234 99 63 0012 " + blanks(27) + "; Set/Clear Software Switches\n"
    "MPW 29 1234 5678" + blanks(34) + "; Execute Macro\n"
    "\n";
const std::string kScriptEnd =
    ";  Macro Name = 4321,  Macro Directory Location =   7\n"
    "MPW 20 4321 \n"
    ";   2 Macros of 340 Macros Used\n\n";

TEST(MacrosScript, SameInBothFlavours) {
  for (Flavour flavour : {Flavour::kScriptS, Flavour::kScriptA}) {
    WalkContext ctx = macroContext();
    const HandlerRun run = runHandler(macrosScript, twoMacros(), ctx, flavour);
    EXPECT_EQ(run.text, "\n; Define Macros\n" + kScriptBody + kScriptEnd);
    EXPECT_EQ(run.length, 27u);
  }
}

TEST(MacrosScript, DebugDumpsNameAttributesAndTwoMoreBytes) {
  WalkContext ctx = macroContext();
  const HandlerRun run = runHandler(macrosScript, twoMacros(), ctx, Flavour::kScriptS, true);
  EXPECT_EQ(run.text,
            "\n; Define Macros\n"
            ";debug  Record Type       : 10\n"
            ";debug  Attributes        : 0x1\n"
            ";debug  Element Size      : 32\n"
            ";debug  Location=5\n"
            "    0000  12 34 00 05 99 \n" + kScriptBody +
            ";debug  Location=7\n"
            "    0000  43 21 00 ff ff \n" + kScriptEnd);
}

TEST(Macros, NoMacros) {
  const Bytes record = macrosRecord(32, 0xFFFF, {0xFF});
  WalkContext ctx = macroContext();
  HandlerRun run = runHandler(macrosReport, record, ctx, Flavour::kReport);
  EXPECT_EQ(run.text, "\nMacros\n  No Macros Defined\n");
  EXPECT_EQ(run.length, 7u);
  run = runHandler(macrosScript, record, ctx, Flavour::kScriptA);
  EXPECT_EQ(run.text, "\n; Define Macros\n;   No Macros Defined\n");
  EXPECT_EQ(run.length, 7u);
}

TEST(Macros, WideCommandGetsNoFiller) {
  // Macro password, root 09 and 16 more bytes: 3 + 3 + 16 x 3 = 54 characters.
  const Bytes record =
      macrosRecord(32, 1, cat({digits("1234", 2), {0x00, 19, 0x99, 0x09}, fill(16, 0x11), {0xFF}, be16(0xFFFF)}));
  const std::string decoded = "99 09 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 ";
  WalkContext ctx = macroContext();
  EXPECT_EQ(runHandler(macrosReport, record, ctx, Flavour::kReport).text,
            "\nMacros\n Name: 1234\n   Location   : 1\n   Commands   :\n"
            "     " + decoded + "-- Set Timer Value\n"
            "\n 1 Macros of 340 Macros Used\n");
  EXPECT_EQ(runHandler(macrosScript, record, ctx, Flavour::kScriptS).text,
            "\n; Define Macros\n;  Macro Name = 1234,  Macro Directory Location =   1\n"
            "MPW 20 1234 " + decoded + "; Set Timer Value\n\n"
            ";   1 Macros of 340 Macros Used\n\n");
}

TEST(Macros, MalformedCommandAreasEnd) {
  struct Case {
    const char* what;
    Bytes record;
    std::string commands;  // the report's command lines
    unsigned macros;
    std::uint32_t length;
  };
  const std::string call5678 = "     5678" + blanks(46) + "-- Execute Macro\n";
  const Case cases[] = {
      {"a length byte of 0 ends the area like its end byte",
       macrosRecord(32, 1, cat({digits("1234", 2), {0x00}, {0x03, 0x56, 0x78}, {0x00}, be16(0xFFFF)})), call5678, 1,
       16},
      {"the element size ends the area; the next byte counts as its end",
       macrosRecord(3, 1, cat({digits("1234", 2), {0x00}, {0x03, 0x56, 0x78}, {0x03}, be16(0xFFFF)})), call5678, 1,
       16},
      {"a command running past the image is cut at its end",
       macrosRecord(32, 1, cat({digits("1234", 2), {0x00}, {0x09, 0x56, 0x78}})), call5678, 1, 7 + 2 + 1 + 10 + 2},
  };
  for (const Case& c : cases) {
    WalkContext ctx = macroContext();
    const HandlerRun run = runHandler(macrosReport, c.record, ctx, Flavour::kReport);
    EXPECT_EQ(run.text, "\nMacros\n Name: 1234\n   Location   : 1\n   Commands   :\n" + c.commands +
                            "\n " + std::to_string(c.macros) + " Macros of 340 Macros Used\n")
        << c.what;
    EXPECT_EQ(run.length, c.length) << c.what;
  }
}

TEST(Macros, ChainEndsAtTheImageEndAndAtTheDirectorySize) {
  // The second location points on, but the image ends after the first entry.
  const Bytes cut = macrosRecord(32, 1, cat({digits("1234", 2), {0x00}, {0xFF}, be16(2)}));
  WalkContext ctx = macroContext();
  HandlerRun run = runHandler(macrosReport, cut, ctx, Flavour::kReport);
  EXPECT_EQ(run.text, "\nMacros\n Name: 1234\n   Location   : 1\n   Commands   :\n\n 1 Macros of 340 Macros Used\n");
  EXPECT_EQ(run.length, 13u);

  // 400 entries that each point on to location 1: only 340 are shown.
  Bytes entries;
  for (int i = 0; i < 400; ++i) entries = cat({entries, digits("1234", 2), {0x00}, {0xFF}, be16(1)});
  const Bytes looping = macrosRecord(32, 1, entries);
  WalkContext ctx2 = macroContext();
  run = runHandler(macrosScript, looping, ctx2, Flavour::kScriptS);
  EXPECT_NE(run.text.find(";   340 Macros of 340 Macros Used\n\n"), std::string::npos);
  EXPECT_EQ(run.length, 7u + 340 * 6);
}

// The walk hands the passwords record's table to the macros record: the
// report walk leaves the APW out, the script walk includes it.
TEST(MacrosWalk, ApwPrefixKnownOnlyInTheScriptWalk) {
  ControllerSpec spec;
  spec.macroNameDigits = 4;
  spec.macroAttrSize = 1;
  const Bytes passwords =
      elementArray(6, 0x01, 4, 4, cat({digits("12", 4), fill(4, 0xFF), fill(4, 0xFF), digits("4455", 4)}));
  const Bytes macros = macrosRecord(
      32, 9, cat({digits("1234", 2), {0x00}, {0x06, 0x44, 0x55, 0x21, 0x00, 0x01}, {0xFF}, be16(0xFFFF)}));
  const Bytes image = cat({controllerRecord(spec), passwords, macros, {0xFF}});

  const std::string report = renderWalk(cfgscribe::Mode::kReport, image);
  EXPECT_NE(report.find("     4455210001" + blanks(40) + "-- Execute Macro\n"), std::string::npos) << report;
  const std::string script = renderWalk(cfgscribe::Mode::kScript, image);
  EXPECT_NE(script.find("MPW 20 1234 APW 21 0001 " + blanks(26) + "; Erase Macro\n"), std::string::npos) << script;
}

}  // namespace
