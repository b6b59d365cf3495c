// Timers (record types 11 to 13) and counters (14): port-grouped 16-bit
// values at the edges of their layout.


#include "harness.h"

namespace {

using namespace testsupport;

// A port-grouped record of 16-bit values: the miscellaneous group, then one
// group per port.
Bytes wordsRecord(std::uint8_t type, const std::vector<unsigned>& misc, const std::vector<std::vector<unsigned>>& ports,
                  std::uint8_t perPort) {
  Bytes payload;
  for (unsigned v : misc) payload = cat({payload, be16(v)});
  for (const auto& port : ports)
    for (unsigned v : port) payload = cat({payload, be16(v)});
  return portGrouped(type, 0x00, 2, static_cast<std::uint8_t>(misc.size()), perPort, payload);
}

// 130 or 120 miscellaneous values and 5 or 4 ports: entries past 99 and
// ports past 3 cannot be numbered, so they are stepped over; the length
// covers them.
std::vector<unsigned> misc(std::size_t count, unsigned at99, unsigned last) {
  std::vector<unsigned> values(count, 0);
  values[99] = at99;
  values[count - 1] = last;
  return values;
}
const Bytes kTimersBeyond = wordsRecord(12, misc(130, 9, 9), {{0}, {0}, {0}, {4}, {5}}, 1);
const Bytes kCountersBeyond = wordsRecord(14, misc(120, 1, 2), {{0}, {0}, {0}, {4}}, 1);
// Cold-start values of the first 10 ms timers, cut short after three.
const Bytes kTimersCut = cat({{11, 0, 2, 11, 20}, be16(50), be16(50), be16(50), {0}});
const Bytes kCounters = wordsRecord(14, {0, 5}, {{12, 0, 0, 65535}, {0, 7, 0, 0}, {5, 0, 100, 0}}, 4);
const Bytes kCountersCut(kCounters.begin(), kCounters.begin() + 9);
const Bytes kEmptyCounters = wordsRecord(14, {}, {}, 0);

TEST(PortValues, WholeSections) {
  checkRecords({
      {"@timers/script_beyond_table", S, false, kTimersBeyond, 5 + 2 * (130 + 5), 5},
      {"@counters/script_beyond_range", S, false, kCountersBeyond, 5 + 2 * (120 + 4), 4},
      // Three-byte elements: the value is the first two bytes.
      {"@timers/script_wide", S, false, portGrouped(13, 0, 3, 1, 0, {0x01, 0x00, 0x77}), 8, 0},
      // One-byte elements hold the whole value.
      {"@counters/script_narrow", S, false, portGrouped(14, 0, 1, 0, 2, {7, 0, 9, 0}), 9, 2},
      {"@timers/script_defaults", S, false, wordsRecord(12, {}, {{50, 50, 50, 30}}, 4), 0, 1},
      // One port still shows three columns; no ports scripts only the miscellaneous group.
      {"@timers/report_one_port", R, false, wordsRecord(11, {}, {{7, 8}}, 2), 0, 1},
      {"@timers/script_no_ports", S, false, wordsRecord(13, {0}, {}, 12), 0, 0},
      // Two ports: the third column reads 0 whatever the bytes after the record.
      {"@counters/report_two_ports", R, false, cat({wordsRecord(14, {}, {{1}, {2}}, 1), be16(9)}), 9, 2},
      {"@counters/report_empty", R, false, kEmptyCounters, 5, 3},
      {"@counters/script_defaults", S, false, kEmptyCounters, 5, 1},
      {"@counters/script_cut", S, false, kCountersCut, 9, 3},
  });
}

TEST(PortValues, Fragments) {
  checkFragments({
      {"   1099:    9 (  900 ms)  -- \n\n Port", R, false, kTimersBeyond, 5 + 2 * (130 + 5), 5},
      {"   0099:     1   --  -- \n\n Port Counters", R, false, kCountersBeyond, 0, 4},
      {"   0000:   258   --  -- \n\n", R, false, portGrouped(14, 0, 3, 1, 0, {0x01, 0x02, 0xEE}), 0, 0},
      {"   0002:    0 (    0 ms)  -- Logic Output #3", R, false, portGrouped(11, 0, 0, 3, 3, {}), 5, 3},
      // A record cut short reads no further than its loaded bytes.
      {"   0002:   50 (  500 ms)  -- Logic Output #3 Momentary Time\n"
       "   0003:    0 (    0 ms)  -- Logic Output #4 Momentary Time\n",
       R, false, kTimersCut, 12, 3},
      {";MPW 09 0002    50 *                              ;   500 ms, Logic Output #3 Momentary Time\n"
       "\n;  Port 1 -- 10ms Timers\n;    All Timers Set to Defaults\n",
       A, false, kTimersCut, 0, 3},
      {"   0100:     0      0200:     0      0300:     0    -- TXp End-of-Activity Counter\n", R, false,
       kCountersCut, 0, 3},
      // "second" for 1 only; a miscellaneous value has no description.
      {"MPW 09 2100     1 *" + blanks(31) + ";     1 second,  Path 11", S, false,
       wordsRecord(13, {7}, {{1}}, 1), 0, 1},
      {";MPW 09 2308     0 *" + blanks(30) + ";     0 seconds, TX3 Timed Key\n", A, false,
       wordsRecord(13, {}, std::vector<std::vector<unsigned>>(3, std::vector<unsigned>(12, 0)), 12), 0, 3},
  });
  checkFragments({{"Set to Defaults", A, false, wordsRecord(13, {0}, {{180}}, 1), 0, 1}}, false);
}

}  // namespace
