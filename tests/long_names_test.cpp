#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::ControllerDefinition;
using cfgscribe::WalkContext;

WalkContext longNameContext(std::uint8_t transmitters = 3, std::uint8_t nameDigits = 4) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kTransmitters] = transmitters;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = nameDigits;
  return ctx;
}

Bytes slot(std::uint8_t flags, const Bytes& macro, std::uint8_t count, const Bytes& name) {
  return cat({{flags}, macro, {count}, name});
}
const Bytes kDefaultSlot = slot(0x00, fill(3, 0xFF), 0, fill(4, 0xFF));

// Slot 0 at its default; slot 1 only enabled; slot 2 only port 3; slot 3
// enabled, ports 1 and 3, macro 5678, long name 1234.
const Bytes kSample = cat({{26, 0x00, 9, 4, 3},
                           kDefaultSlot,
                           slot(0x80, fill(3, 0xFF), 0, fill(4, 0xFF)),
                           slot(0x04, fill(3, 0xFF), 0, fill(4, 0xFF)),
                           slot(0x85, digits("5678", 3), 4, digits("1234", 4))});

TEST(LongNames, WholeSections) {
  WalkContext ctx = longNameContext();
  Rendered run = runRecord(Flavour::kReport, kSample, ctx, true);
  expectGolden(run.text, "long_names/report_debug");
  EXPECT_EQ(run.length, 41u);
  expectGolden(runRecord(Flavour::kScriptA, kSample, ctx, true).text, "long_names/script_all_debug");
  // Two transmitters: the report drops port 3, the script's port line still writes it.
  WalkContext two = longNameContext(2);
  const std::string text = runRecord(Flavour::kReport, kSample, two).text;
  EXPECT_NE(text.find(" Long Name 2\n   Enable   :  Disabled\n   Ports    :  None\n"), std::string::npos);
  EXPECT_NE(text.find(" Long Name 3\n   Enable   :  Enabled\n   Ports    :  1\n   Macro    :  5678\n"), std::string::npos);
  run = runRecord(Flavour::kScriptS, kSample, two);
  expectGolden(run.text, "long_names/script");
  EXPECT_EQ(run.length, 41u);
}

TEST(LongNames, DefaultsWidthsAndShortElements) {
  WalkContext ctx = longNameContext();
  const Bytes atDefault = cat({{26, 0x00, 9, 1, 3}, kDefaultSlot});
  expectGolden(runRecord(Flavour::kReport, atDefault, ctx).text, "long_names/report_default");
  expectGolden(runRecord(Flavour::kScriptS, atDefault, ctx).text, "long_names/script_default");
  // Widths count fields, not printed digits: digit count 6 with four digits
  // stored; a macro name with a star digit.
  const Bytes starred = cat({{26, 0x00, 9, 1, 3}, slot(0x00, {0x5E, 0x12, 0xFF}, 6, digits("1234", 4))});
  expectGolden(runRecord(Flavour::kScriptS, starred, ctx).text, "long_names/script_widths");

  // Element size 5: slots follow every 5 bytes and the long name is not stored.
  const Bytes shortSlots = cat({{26, 0x00, 5, 2, 3}, {0x80, 0x12, 0x34, 0xFF, 0x00}, {0x00, 0xFF, 0xFF, 0xFF, 0x00}});
  const Rendered run = runRecord(Flavour::kReport, shortSlots, ctx);
  expectGolden(run.text, "long_names/report_short_elements");
  EXPECT_EQ(run.length, 15u);
  // Eight name digits: only the 3-byte macro field is read.
  const Bytes eight = cat({{26, 0x00, 9, 1, 3}, slot(0x00, {0x12, 0x34, 0x56}, 2, {0x78, 0xFF, 0xFF, 0xFF})});
  WalkContext wide = longNameContext(3, 8);
  expectGolden(runRecord(Flavour::kReport, eight, wide).text, "long_names/report_eight_digits");
}

}  // namespace
