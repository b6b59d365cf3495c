#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::WalkContext;

// MPW at its default (12), CPW 2468, RBPW 135790, APW 4455; 4 bytes each.
Bytes fourPasswords() {
  return elementArray(6, 0x01, 4, 4, cat({digits("12", 4), digits("2468", 4), digits("135790", 4), digits("4455", 4)}));
}

TEST(Passwords, SectionsAndTheTableEachWalkKeeps) {
  WalkContext ctx;
  Rendered run = runRecord(Flavour::kReport, fourPasswords(), ctx, true);
  expectGolden(run.text, "passwords/report_debug");
  EXPECT_EQ(run.length, 20u);
  EXPECT_EQ(ctx.passwords[1].count, 1);
  EXPECT_EQ(ctx.passwords[3].count, 3);
  EXPECT_EQ(ctx.passwords[4].count, 0);  // the report walk leaves the APW out
  WalkContext scriptCtx;
  run = runRecord(Flavour::kScriptS, fourPasswords(), scriptCtx);
  expectGolden(run.text, "passwords/script");
  EXPECT_EQ(run.length, 20u);
  EXPECT_EQ(scriptCtx.passwords[4].count, 2);
  expectGolden(runRecord(Flavour::kScriptA, fourPasswords(), ctx, true).text,
               "passwords/script_all_debug");
}

TEST(Passwords, AllAtDefault) {
  const Bytes record = elementArray(6, 0x01, 4, 4, cat({digits("12", 4), fill(4, 0xFF), fill(4, 0xFF), fill(4, 0xFF)}));
  WalkContext ctx;
  expectGolden(runRecord(Flavour::kReport, record, ctx).text, "passwords/report_defaults");
  expectGolden(runRecord(Flavour::kScriptS, record, ctx).text, "passwords/script_defaults");
  expectGolden(runRecord(Flavour::kScriptA, record, ctx).text, "passwords/script_all_defaults");
}

TEST(Passwords, MasterPasswordDefaultTest) {
  const std::pair<Bytes, bool> cases[] = {  // the record, and whether the MPW counts as changed
      {elementArray(6, 1, 4, 1, digits("12", 4)), false},    // default digits then the end byte
      {elementArray(6, 1, 4, 1, digits("1234", 4)), true},   // default digits followed by more digits
      {elementArray(6, 1, 4, 1, fill(4, 0xFF)), true},       // not set
      {elementArray(6, 1, 1, 2, {0x12, 0xFF}), false},       // a one-byte element holding the default
  };
  const std::string changed = ";  Set MPW\n12 93 MPW *" + blanks(39) + "; Assign Master Password\n";
  for (const auto& [record, isChanged] : cases) {
    WalkContext ctx;
    const std::string text = runRecord(Flavour::kScriptS, record, ctx).text;
    EXPECT_EQ(text.find(changed) != std::string::npos, isChanged) << text;
  }
}

TEST(Passwords, UnusualElementSizesAndCounts) {
  // A fifth location and an eight-byte RBPW.
  const Bytes record = elementArray(
      6, 0x01, 8, 5,
      cat({digits("12", 8), fill(8, 0xFF), digits("11223344", 8), fill(8, 0xFF), digits("77", 8)}));
  WalkContext ctx;
  expectGolden(runRecord(Flavour::kReport, record, ctx).text, "passwords/report_fifth_location");
  const Rendered run = runRecord(Flavour::kScriptS, record, ctx);
  expectGolden(run.text, "passwords/script_fifth_location");
  EXPECT_EQ(run.length, 44u);
  EXPECT_EQ(ctx.passwords[3].count, 4);

  // Element size 10: a short MPW fits the table whole; a CPW of 9 bytes is
  // cut to its first 8.
  const Bytes wide = elementArray(6, 0x01, 10, 2, cat({digits("1234", 10), digits("112233445566778899", 10)}));
  WalkContext wideCtx;
  expectGolden(runRecord(Flavour::kReport, wide, wideCtx).text, "passwords/report_wide_elements");
  EXPECT_EQ(wideCtx.passwords[1].count, 2);
  EXPECT_EQ(wideCtx.passwords[2].count, 8);
  EXPECT_EQ(wideCtx.passwords[2].digits[7], 0x88);
}

}  // namespace
