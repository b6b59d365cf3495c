// The software switches in the report and both scripts, and the switch
// bits the report keeps for the scheduler.

#include <set>

#include "harness.h"

namespace {

using namespace testsupport;

// Switches on after a cold start: 0, 1 and, on every port, these entries.
std::set<unsigned> coldStart() {
  std::set<unsigned> on = {0, 1};
  for (unsigned p = 1; p <= 3; ++p)
    for (unsigned n : {0, 1, 2, 12, 17, 19, 41, 42, 43, 51, 52, 53, 61, 62, 63}) on.insert(p * 100 + n);
  return on;
}

// A switch record whose Bit Set holds `size` bytes with the given switches on.
Bytes switchRecord(const std::set<unsigned>& on, std::uint8_t size = 50, std::uint8_t count = 1) {
  Bytes payload(static_cast<std::size_t>(size) * count, 0);
  for (unsigned k : on)
    if (k / 8 < payload.size()) payload[k / 8] |= static_cast<std::uint8_t>(1u << (k % 8));
  return elementArray(7, 0x01, size, count, payload);
}

// Off from on: 1 (Scheduler Enable), 112, 200, 343. On from off: 3, 60, 99,
// 195, 213, 395, and the reserved 5 and 130, which never show.
std::set<unsigned> changed() {
  std::set<unsigned> on = coldStart();
  for (unsigned k : {1, 112, 200, 343}) on.erase(k);
  for (unsigned k : {3, 60, 99, 195, 213, 395, 5, 130}) on.insert(k);
  return on;
}
const Bytes kSwitches = switchRecord(changed());

TEST(Switches, Sections) {
  // Reserved switches never count as changes.
  std::set<unsigned> reserved = coldStart();
  for (unsigned k : {5, 10, 22, 59, 121, 140, 289, 389}) reserved.insert(k);
  // Thirteen bytes reach into port 1 (entries 0 to 3).
  std::set<unsigned> into = changed();
  into.erase(101);
  // 60 bytes hold 480 bits; numbers from 400 on do not exist and get no group.
  std::set<unsigned> beyond = coldStart();
  beyond.insert(420);
  Bytes cut = switchRecord(changed());
  cut.resize(4 + 3);  // the image ends inside the record
  checkRecords({
      {"@switches/script_defaults", S, false, switchRecord(coldStart()), 54},
      {"@switches/script_defaults", S, false, switchRecord(reserved), 54},
      // Two bytes: switches 0 to 15; the group is cut short with no closing line.
      {"@switches/script_all_short", A, false, switchRecord(changed(), 2), 6},
      {"\n; Set Software Switches\n", S, false, switchRecord({}, 50, 0), 4},  // no element: no Bit Set
      {"@switches/script_all_into_port_1", A, false, switchRecord(into, 13), 17},
  });
  checkFragments({
      {"\n;  Port 3 Switches\n;   All Switches Set to Defaults.\n", S, false, switchRecord(beyond, 60), 64},
      // A Bit Set shorter than the switches reads as off.
      {"   0015: 1 (Enabled ) -- Logic Output 5 Inversion\n   0016: 0 (Disabled) -- Logic Output 6 Inversion\n", R,
       false, switchRecord({0, 1, 3, 11, 15}, 2), 6},
      {"   0112: 0 (Disabled)     0212: 0 (Disabled)     0312: 0 (Disabled) -- TXp PTT Enable\n", R, false,
       switchRecord({0, 1, 3, 11, 15}, 2)},
      {"   0099: 0 (Disabled)", R, false, cut, 7},
      {";MPW 63 0021 0 *" + blanks(34) + "; 0 (Disabled), CTCSS Logic Output 3 Inversion\n", A, false, cut},
      {"", R, false, switchRecord(coldStart(), 50, 2), 104},  // the length: header and elements x size
  });
  // All-values never says "defaults".
  checkFragments({{"All Switches", A, false, switchRecord(coldStart())}}, false);
}

TEST(Switches, WalkKeepsTheLeadingBytesForTheScheduler) {
  const struct {
    Bytes record;
    unsigned receivers;
    std::size_t count;
    bool scheduler;
  } cases[] = {
      {kSwitches, 3, 50, false},                      // (3 + 1) x 100 / 8
      {kSwitches, 255, 50, false},                    // no more than the context holds
      {switchRecord(changed(), 2), 3, 2, false},      // no more than the record stores
      {switchRecord(changed(), 50, 0), 3, 0, true},   // nothing stored: the cold-start value
  };
  for (const auto& c : cases) {
    WalkContext ctx;
    ctx.switchBits.fill(0xAA);
    ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(c.receivers);
    ctx.take(recordOf(c.record));
    EXPECT_EQ(ctx.switchBitCount, c.count);
    EXPECT_EQ(ctx.schedulerEnabled(), c.scheduler);
    for (std::size_t i = 0; i < ctx.switchBits.size(); ++i)
      EXPECT_EQ(ctx.switchBits[i], i < c.count ? c.record[4 + i] : 0) << i;
  }
}

}  // namespace
