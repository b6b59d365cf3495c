// Settings decoded from user timer, long name, event-triggered macro,
// scheduler and macro records: a few settings' keys, values, cold-start
// defaults and commands per record, damaged and cut-short records included.
#include <optional>

#include "cfgscribe/model/decoders.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::Setting;
using cfgscribe::SettingKey;

// One expected setting: its place in visit order, key, value, cold start
// (none: no cold start) and command line `line` (empty: not checked; "-": none).
struct Expected {
  unsigned index;
  SettingKey key;
  unsigned value;
  std::optional<unsigned> coldStart;
  std::string command;
  unsigned line = 0;
};

struct Row {
  const char* what;
  Bytes record;
  unsigned nameDigits;
  unsigned settings;  // how many are visited
  std::vector<Expected> expected;
};

struct Collect final : cfgscribe::SettingVisitor {
  std::vector<Setting> settings;
  void setting(const Setting& s) override { settings.push_back(s); }
};

std::string commandOf(Setting s, unsigned line) {
  if (s.kind->command == nullptr) return "-";
  s.line = line;
  return capture([&](orva::Sink& out) { s.kind->command(out, s); });
}

Bytes longName(std::uint8_t flags, const Bytes& macro, std::uint8_t count, const Bytes& name) {
  return cat({{flags}, macro, {count}, name});
}

TEST(SettingsFamB, DecodedRecords) {
  // User timers, column by column: enables, values, 3-byte macros, resolutions.
  const Bytes timers = elementArray(23, 1, 7, 2,
                                    cat({{1, 0}, be16(10), be16(1234), {0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56}, {0, 4}}));
  const Row rows[] = {
      {"user timers", timers, 6, 8,
       {{0, {23, 0, 0, 0}, 1, {}, "-"},
        {1, {23, 0, 0, 1}, 10, 10, "MPW 49 00 03    10 *"},
        {2, {23, 0, 0, 2}, 0xFFFFFF, 0xFFFFFF, "-"},  // no macro: the script's line is a template
        {6, {23, 0, 1, 2}, 0x123456, 0xFFFFFF, "MPW 49 01 02 123456 *"},
        {7, {23, 0, 1, 3}, 4, {}, "-"}}},
      // The image ends inside timer 1's resolution column: timer 0 only.
      {"user timers cut short", Bytes(timers.begin(), timers.end() - 1), 6, 4,
       {{1, {23, 0, 0, 1}, 10, 10, ""}}},
      // A long name is one setting of four lines; its value packs the flags,
      // the digit count and whether a macro is set.
      {"long names",
       cat({{26, 0, 9, 2, 3}, longName(0, fill(3, 0xFF), 0, fill(4, 0xFF)),
            longName(0x85, digits("5678", 3), 4, digits("1234", 4))}),
       4, 2,
       {{0, {26, 0, 0, 0}, 0, 0, "MPW 46 00 00 0 *"},
        {1, {26, 0, 1, 0}, 0x850401, 0, "MPW 46 01 02 5678 *", 2},
        {1, {26, 0, 1, 0}, 0x850401, 0, "MPW 46 01 03 13 *", 3}}},
      // Five-byte elements hold no long name; the next slot is not read for it.
      {"long names in short elements", cat({{26, 0, 5, 2, 3}, {0x80, 0x12, 0x34, 0xFF, 0x03}, {0, 0xFF, 0xFF, 0xFF, 0}}),
       4, 2,
       {{0, {26, 0, 0, 0}, 0x800301, 0, "MPW 46 00 01 *", 1}, {1, {26, 0, 1, 0}, 0, 0, ""}}},
      // ETMs: the set ones, in list order; number 150 names no ETM.
      {"event-triggered macros",
       cat({{8, 0, 0, 2, 2}, {61, 0x12, 0x34, 0xFF}, {2, 0x44, 0x10, 150, 0x55, 0x55, 0xFF}, {0xFF, 0xFF}}), 4, 2,
       {{0, {8, 0, 61, 0}, 0x1234, {}, "MPW 26 0061 1234 *"}, {1, {8, 1, 2, 0}, 0x4410, {}, "MPW 26 0102 4410 *"}}},
      // Cut inside a macro name: the missing byte reads as the end mark.
      {"event-triggered macros cut short", {8, 0, 0, 5, 5, 61, 0x12}, 4, 1,
       {{0, {8, 0, 61, 0}, 0x12FF, {}, "MPW 26 0061 12 *"}}},
      // Setpoints: the chain 2, 0 with the unused ones around it; a setpoint
      // is one setting, its value whether it is in use, its lines the create
      // and enable commands (the enable command alone when not in use).
      {"scheduler",
       cat({{9, 0, 8, 3, 2}, {0x12, 0x34, 0, 0x10, 0x76, 0x08, 0x30, 0x01}, {0},
            {0x56, 0x78, 0, 0x99, 0x99, 0x99, 0x99, 0x00}, {0xFF}}),
       4, 101,
       {{0, {9, 0, 0, 0}, 0, 0, "MPW 28 00 1 *"},
        {2, {9, 0, 2, 0}, 1, 0, "MPW 28 02 1234 10 76 08 30 *"},
        {3, {9, 0, 0, 0}, 1, 0, "MPW 28 00 0 *", 1},
        {4, {9, 0, 3, 0}, 0, 0, "MPW 28 03 1 *", 1}}},
      // A chain back to its first setpoint, cut short: the second reading
      // of setpoint 0 is still in use, its missing bytes read as 0xFF.
      {"scheduler cut short", cat({{9, 0, 8, 2, 0}, {0x12, 0x34, 0, 0x10, 0x76, 0x08, 0x30, 0x01}, {0}}), 4, 101,
       {{1, {9, 0, 0, 0}, 1, 0, "MPW 28 00 1 *", 1}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const cfgscribe::WalkContext ctx = context(3, 3, row.nameDigits);
    Collect visited;
    cfgscribe::visitRecordSettings(recordOf(row.record), ctx, visited);
    ASSERT_EQ(visited.settings.size(), row.settings);
    for (const Expected& e : row.expected) {
      const Setting& s = visited.settings[e.index];
      EXPECT_EQ(s.key, e.key) << e.index;
      EXPECT_EQ(s.value, e.value) << e.index;
      EXPECT_EQ(s.hasColdStart, e.coldStart.has_value()) << e.index;
      if (e.coldStart) {
        EXPECT_EQ(s.coldStart, *e.coldStart) << e.index;
      }
      if (!e.command.empty()) {
        EXPECT_EQ(commandOf(s, e.line), e.command) << e.index;
      }
    }
  }
}

}  // namespace
