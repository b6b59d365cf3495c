#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::ControllerDefinition;
using cfgscribe::WalkContext;

WalkContext etmContext(std::uint8_t receivers, std::uint8_t nameDigits = 4) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = receivers;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = nameDigits;
  return ctx;
}

Bytes etmRecord(const Bytes& lists, std::uint8_t numMisc = 10, std::uint8_t numPort = 20) {
  return cat({{8, 0x00, 3, numMisc, numPort}, lists});
}

TEST(Etms, WholeSections) {
  // Two receivers. Miscellaneous: 0 -> 1234, 30 (not a defined ETM) -> 5555,
  // 61 -> 4321; port 1: 2 -> 1111; port 2: none.
  const Bytes sample =
      etmRecord(cat({{0x00, 0x12, 0x34, 30, 0x55, 0x55, 61, 0x43, 0x21, 0xFF}, {0x02, 0x11, 0x11, 0xFF}, {0xFF}}));
  WalkContext ctx = etmContext(2);
  Rendered run = runRecord(Flavour::kReport, sample, ctx, true);
  expectGolden(run.text, "etms/report_debug");
  EXPECT_EQ(run.length, 20u);
  run = runRecord(Flavour::kScriptS, sample, ctx, true);
  expectGolden(run.text, "etms/script_debug");
  EXPECT_EQ(run.length, 20u);
  expectGolden(runRecord(Flavour::kScriptA, sample, ctx).text, "etms/script_all");

  const Bytes empty = etmRecord({0xFF, 0xFF});
  WalkContext one = etmContext(1);
  run = runRecord(Flavour::kReport, empty, one);
  expectGolden(run.text, "etms/report_one_receiver");
  EXPECT_EQ(run.length, 7u);
  expectGolden(runRecord(Flavour::kScriptS, empty, one).text, "etms/script_one_receiver");
}

// Six-digit names show four digits; a one-byte name is not read past; ETM
// 200 has no slot; ports 4 and 5 are not in the report; with capacity 1 two
// entries are read and the next byte ends the list.
TEST(Etms, NameWidthsAndBadInput) {
  const struct {
    const char* golden;
    std::uint8_t receivers, nameDigits, numMisc;
    Bytes lists;
    std::uint32_t length;
  } cases[] = {
      {"etms/report_six_digit_names", 0, 6, 10, {0x00, 0x12, 0x34, 0x56, 0xFF}, 10},
      {"etms/report_two_digit_names", 0, 2, 10, {0x00, 0x12, 0xFF}, 8},
      {"etms/report_etm_200", 0, 4, 10, {0x00, 0x12, 0x34, 200, 0x99, 0x99, 0xFF}, 12},
      {"etms/report_five_ports", 5, 4, 10, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x44, 0x44, 0xFF, 0xFF}, 14},
      {"etms/report_capacity_one", 0, 4, 1, {0x00, 0x12, 0x34, 0x01, 0x56, 0x78, 0x61, 0x43, 0x21, 0xFF}, 12},
  };
  for (const auto& c : cases) {
    WalkContext ctx = etmContext(c.receivers, c.nameDigits);
    const Rendered run = runRecord(Flavour::kReport, etmRecord(c.lists, c.numMisc), ctx);
    expectGolden(run.text, c.golden);
    EXPECT_EQ(run.length, c.length) << c.golden;
  }
  // The script leaves ETM 200 out and writes the ports beyond 3.
  WalkContext ctx = etmContext(0);
  expectGolden(runRecord(Flavour::kScriptA, etmRecord(cases[2].lists), ctx).text,
               "etms/script_all_etm_200");
  ctx = etmContext(5);
  EXPECT_NE(runRecord(Flavour::kScriptS, etmRecord(cases[3].lists), ctx)
                .text.find("\n;  Port 4 ETMs\nMPW 26 0402 4444 *" + blanks(32) + "; Any-Path-Active To TX4 Macro\n"
                           "\n;  Port 5 ETMs\n;    No ETMs Set\n"),
            std::string::npos);
}

}  // namespace
