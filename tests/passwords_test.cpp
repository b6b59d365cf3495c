// Passwords: defaults, the master password's default test, odd element
// sizes and the table the walk keeps for the macro command decoder.


#include "harness.h"

namespace {

using namespace testsupport;

const Bytes kDefaults = elementArray(6, 0x01, 4, 4, cat({digits("12", 4), fill(4, 0xFF), fill(4, 0xFF), fill(4, 0xFF)}));
// A fifth location and an eight-byte RBPW.
const Bytes kFive = elementArray(
    6, 0x01, 8, 5, cat({digits("12", 8), fill(8, 0xFF), digits("11223344", 8), fill(8, 0xFF), digits("77", 8)}));
// Element size 10: a short MPW fits the table whole; a CPW of 9 bytes is cut to its first 8.
const Bytes kWide = elementArray(6, 0x01, 10, 2, cat({digits("1234", 10), digits("112233445566778899", 10)}));

TEST(Passwords, Sections) {
  checkRecords({{"@passwords/report_defaults", R, false, kDefaults, 20},
                {"@passwords/script_defaults", S, false, kDefaults, 20},
                {"@passwords/script_all_defaults", A, false, kDefaults, 20},
                {"@passwords/report_fifth_location", R, false, kFive, 44},
                {"@passwords/script_fifth_location", S, false, kFive, 44},
                {"@passwords/report_wide_elements", R, false, kWide, 24}});
  const std::string changed = ";  Set MPW\n12 93 MPW *" + blanks(39) + "; Assign Master Password\n";
  checkFragments({{changed, S, false, elementArray(6, 1, 4, 1, digits("1234", 4))},  // more digits follow
                  {changed, S, false, elementArray(6, 1, 4, 1, fill(4, 0xFF))}});     // not set
  checkFragments({{changed, S, false, elementArray(6, 1, 4, 1, digits("12", 4))},  // default, then the end byte
                  {changed, S, false, elementArray(6, 1, 1, 2, {0x12, 0xFF})}},    // a one-byte element
                 false);
}

TEST(Passwords, TableTheWalkKeeps) {
  const Bytes four = elementArray(6, 0x01, 4, 4, cat({digits("12", 4), digits("2468", 4), digits("135790", 4),
                                                      digits("4455", 4)}));
  const struct {
    Bytes record;
    std::array<unsigned, 5> counts;  // digit bytes of each entry, entry 0 the macro password
  } cases[] = {
      {four, {1, 1, 2, 3, 2}},  // the APW too, in the report as in the script
      {kFive, {1, 1, 0, 4, 0}},
  };
  for (const auto& c : cases) {
    WalkContext ctx;
    ctx.take(recordOf(c.record));
    for (std::size_t e = 0; e < c.counts.size(); ++e) EXPECT_EQ(ctx.passwords[e].count, c.counts[e]) << e;
    EXPECT_EQ(ctx.switchBitCount, 0u);  // a passwords record holds no switch bits
  }
  WalkContext ctx;
  ctx.take(recordOf(kWide));
  EXPECT_EQ(ctx.passwords[2].digits[7], 0x88);
  EXPECT_EQ(ctx.passwords[2].count, 8u);
  EXPECT_EQ(ctx.passwords[0].digits[0], cfgscribe::kMacroPassword);
}

}  // namespace
