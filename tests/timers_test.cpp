// The timer records of the three resolutions in the report and both scripts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::lengthOf;
using testsupport::renderPorts;
using testsupport::wordsRecord;
using testsupport::expectGolden;

std::vector<unsigned> with(std::vector<unsigned> values, std::initializer_list<std::pair<unsigned, unsigned>> changes) {
  for (auto [entry, value] : changes) values[entry] = value;
  return values;
}

// Cold-start values of the 10 ms port timers (entry 19 has none: 0).
const std::vector<unsigned> k10msPort = {50, 300, 10, 25, 500, 50, 50, 500, 0, 100,
                                         25, 200, 0,  0,  100, 100, 15, 0,  0, 0};
const std::vector<unsigned> k1sPort = {180, 180, 180, 60, 60, 60, 180, 30, 0, 60, 60, 0};

const Bytes kTimers10 = wordsRecord(11, with(std::vector<unsigned>(11, 50), {{3, 75}, {10, 0}}),
                                     {with(k10msPort, {{0, 60}, {19, 5}}), with(k10msPort, {{9, 150}}),
                                      with(k10msPort, {{16, 20}, {12, 3}})},
                                     20);
// No miscellaneous timers; ports 1 to 3 with one change each.
const Bytes kTimers100 = wordsRecord(12, {}, {{50, 50, 50, 35}, {50, 60, 50, 30}, {50, 50, 0, 30}}, 4);
// One miscellaneous timer (default 0, no description); one change per port.
const Bytes kTimers1000 =
    wordsRecord(13, {7}, {with(k1sPort, {{0, 1}}), with(k1sPort, {{0, 200}}), with(k1sPort, {{11, 5}})}, 12);

TEST(Timers, WholeSectionsOfEachResolution) {
  expectGolden(renderPorts(Mode::kReport, kTimers10, 3), "timers/report_10ms");
  expectGolden(renderPorts(Mode::kReport, kTimers10, 3, true), "timers/report_10ms_debug");
  expectGolden(renderPorts(Mode::kScript, kTimers10, 3), "timers/script_10ms");
  expectGolden(renderPorts(Mode::kReport, kTimers100, 3), "timers/report_100ms");
  expectGolden(renderPorts(Mode::kScript, kTimers100, 3, true, true), "timers/script_100ms_all_debug");
  expectGolden(renderPorts(Mode::kReport, kTimers1000, 3), "timers/report_1s");
  // "second" for 1 only.
  expectGolden(renderPorts(Mode::kScript, kTimers1000, 3), "timers/script_1s");
  const std::string all = renderPorts(Mode::kScript, kTimers1000, 3, false, true);
  EXPECT_NE(all.find("\n;MPW 09 2308     0 *                              ;     0 seconds, TX3 Timed Key\n"),
            std::string::npos);
  EXPECT_EQ(all.find("All Timers Set to Defaults"), std::string::npos);
}

TEST(Timers, FewPortsAndDefaultGroups) {
  expectGolden(renderPorts(Mode::kScript, wordsRecord(12, {}, {{50, 50, 50, 30}}, 4), 1), "timers/script_defaults");
  // One port still shows three columns; no ports scripts only the miscellaneous group.
  expectGolden(renderPorts(Mode::kReport, wordsRecord(11, {}, {{7, 8}}, 2), 1), "timers/report_one_port");
  expectGolden(renderPorts(Mode::kScript, wordsRecord(13, {0}, {}, 12), 0), "timers/script_no_ports");
}

TEST(Timers, LayoutsBeyondTheTableAreBounded) {
  // 130 miscellaneous timers and 5 ports: entries past 99 and ports past 3
  // cannot be numbered, so they are stepped over; the length covers them.
  std::vector<unsigned> misc(130, 0);
  misc[99] = 9;
  misc[129] = 9;
  const Bytes record = wordsRecord(12, misc, {{0}, {0}, {0}, {4}, {5}}, 1);
  expectGolden(renderPorts(Mode::kScript, record, 5), "timers/script_beyond_table");
  EXPECT_NE(renderPorts(Mode::kReport, record, 5).find("   1099:    9 (  900 ms)  -- \n\n Port"), std::string::npos);

  // Three-byte elements: the value is the first two bytes.
  const Bytes wide = testsupport::portGrouped(13, 0, 3, 1, 0, {0x01, 0x00, 0x77});
  expectGolden(renderPorts(Mode::kScript, wide, 0), "timers/script_wide");

  // Empty elements hold 0; a record cut short reads only its loaded bytes.
  const Bytes empty = testsupport::portGrouped(11, 0, 0, 3, 3, {});
  EXPECT_NE(renderPorts(Mode::kReport, empty, 3).find("   0002:    0 (    0 ms)  -- Logic Output #3"), std::string::npos);
  Bytes cut = kTimers10;
  cut.resize(12);
  EXPECT_NE(renderPorts(Mode::kReport, cut, 3)
                .find("   0002:   50 (  500 ms)  -- Logic Output #3 Momentary Time\n"
                      "   0003:    0 (    0 ms)  -- Logic Output #4 Momentary Time\n"),
            std::string::npos);
  EXPECT_TRUE(renderPorts(Mode::kScript, cut, 3, false, true)
                  .starts_with("\n; Define 10ms Timers\n"
                               ";  Miscellaneous -- 10ms Timers\n"
                               ";MPW 09 0000    50 *                              ;   500 ms, Logic Output #1 Momentary Time\n"
                               ";MPW 09 0001    50 *                              ;   500 ms, Logic Output #2 Momentary Time\n"
                               ";MPW 09 0002    50 *                              ;   500 ms, Logic Output #3 Momentary Time\n"
                               "\n;  Port 1 -- 10ms Timers\n"
                               ";    All Timers Set to Defaults\n"));

  const struct {
    const Bytes& record;
    unsigned receivers;
    std::uint32_t length;
  } lengths[] = {{record, 5, 5 + 2 * (130 + 5)}, {wide, 0, 8}, {empty, 3, 5}, {cut, 3, 5 + 2 * (11 + 3 * 20)}};
  for (const auto& c : lengths)
    for (Mode mode : {Mode::kReport, Mode::kScript}) EXPECT_EQ(lengthOf(mode, c.record, c.receivers), c.length);
}

}  // namespace
