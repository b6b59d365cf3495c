// The counter reload values in the report and both scripts.
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
using testsupport::expectGolden;

Bytes countersRecord(const std::vector<unsigned>& misc, const std::vector<std::vector<unsigned>>& ports,
                     std::uint8_t perPort) {
  return testsupport::wordsRecord(14, misc, ports, perPort);
}

const Bytes kCounters = countersRecord({0, 5}, {{12, 0, 0, 65535}, {0, 7, 0, 0}, {5, 0, 100, 0}}, 4);

TEST(Counters, WholeSections) {
  expectGolden(renderPorts(Mode::kReport, kCounters, 3), "counters/report");
  expectGolden(renderPorts(Mode::kReport, kCounters, 3, true), "counters/report_debug");
  expectGolden(renderPorts(Mode::kScript, kCounters, 3), "counters/script");
  expectGolden(renderPorts(Mode::kScript, countersRecord({0}, {{3, 0}, {0, 0}}, 2), 2, true, true),
               "counters/script_all_debug");
  // Two ports: the third column reads 0 whatever the bytes after the record.
  expectGolden(renderPorts(Mode::kReport, testsupport::cat({countersRecord({}, {{1}, {2}}, 1), testsupport::be16(9)}), 2),
               "counters/report_two_ports");
}

TEST(Counters, EmptyAndDefaultGroups) {
  const Bytes empty = countersRecord({}, {}, 0);
  expectGolden(renderPorts(Mode::kReport, empty, 3), "counters/report_empty");
  const std::string allDefault = testsupport::readGolden("counters/script_defaults");
  EXPECT_EQ(renderPorts(Mode::kScript, empty, 1), allDefault);
  EXPECT_EQ(renderPorts(Mode::kScript, empty, 1, false, true), allDefault);
  EXPECT_EQ(renderPorts(Mode::kScript, countersRecord({0, 0}, {{0, 0, 0, 0}}, 4), 1), allDefault);
}

TEST(Counters, UnusualLayoutsStayBounded) {
  // 120 miscellaneous counters: numbers stop at 0099. Four ports: port 4 is
  // not written. The length still covers every stored element.
  std::vector<unsigned> misc(120, 0);
  misc[99] = 1;
  misc[119] = 2;
  const Bytes record = countersRecord(misc, {{0}, {0}, {0}, {4}}, 1);
  expectGolden(renderPorts(Mode::kScript, record, 4), "counters/script_beyond_range");
  EXPECT_NE(renderPorts(Mode::kReport, record, 4).find("   0099:     1   --  -- \n\n Port Counters"), std::string::npos);
  for (Mode mode : {Mode::kReport, Mode::kScript}) EXPECT_EQ(lengthOf(mode, record, 4), 5u + 2u * (120 + 4));

  // One-byte elements hold the whole value; wider ones use their first two bytes.
  expectGolden(renderPorts(Mode::kScript, testsupport::portGrouped(14, 0, 1, 0, 2, {7, 0, 9, 0}), 2),
               "counters/script_narrow");
  EXPECT_NE(renderPorts(Mode::kReport, testsupport::portGrouped(14, 0, 3, 1, 0, {0x01, 0x02, 0xEE}), 0)
                .find("   0000:   258   --  -- \n\n"),
            std::string::npos);
  // A record cut short reads no further than the loaded bytes.
  Bytes cut = kCounters;
  cut.resize(9);
  EXPECT_NE(renderPorts(Mode::kReport, cut, 3)
                .find("   0100:     0      0200:     0      0300:     0    -- TXp End-of-Activity Counter\n"),
            std::string::npos);
  expectGolden(renderPorts(Mode::kScript, cut, 3), "counters/script_cut");
}

}  // namespace
