// The control operator access table in the report and both scripts.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::expectGolden;

// Access bytes for roots 0..count-1, all allowed except the given ones.
Bytes accessRecord(unsigned count, std::initializer_list<std::pair<unsigned, std::uint8_t>> denied,
                   std::uint8_t elementSize = 1) {
  Bytes payload(static_cast<std::size_t>(count) * elementSize, 0);
  for (auto [root, value] : denied) payload[static_cast<std::size_t>(root) * elementSize] = value;
  return testsupport::elementArray(22, 0x01, elementSize, static_cast<std::uint8_t>(count), payload);
}

std::string render(Mode mode, const Bytes& record, bool debug = false, bool allValues = false) {
  WalkContext ctx;
  return testsupport::runRecord(mode, record, ctx, debug, allValues).text;
}

TEST(AccessTable, WholeSections) {
  // Root 37 is not controllable: its byte never shows. Any non-zero byte
  // denies the command.
  const Bytes mixed = accessRecord(100, {{2, 0xFF}, {37, 1}, {39, 2}, {95, 1}});
  expectGolden(render(Mode::kReport, mixed), "access/report");
  expectGolden(render(Mode::kScript, mixed), "access/script");
  // Twelve roots covered: 2, 3, 6, 8, 9 and 10 are controllable.
  expectGolden(render(Mode::kScript, accessRecord(12, {{3, 1}, {9, 4}, {11, 1}}), false, true), "access/script_all");
  const Bytes twenty = accessRecord(20, {{3, 1}, {9, 4}, {17, 0xAB}});
  expectGolden(render(Mode::kReport, twenty, true), "access/report_debug");
  expectGolden(render(Mode::kScript, twenty, true), "access/script_debug");
}

TEST(AccessTable, NothingDeniedOrNothingCovered) {
  const Bytes records[] = {
      accessRecord(100, {}),
      accessRecord(100, {{37, 1}, {99, 1}}),  // only roots that cannot be granted
      accessRecord(0, {}),
      testsupport::elementArray(22, 0x01, 0, 100, {}),  // empty elements cover nothing
  };
  for (const Bytes& record : records) expectGolden(render(Mode::kScript, record), "access/script_all_allowed");
  EXPECT_EQ(render(Mode::kReport, records[3]), "\nControl Operator Privilege Level\n Commands by Root Number\n");
}

TEST(AccessTable, UnusualLayoutsStayInsideTheRecord) {
  // Two-byte elements: each root is judged by the first byte of its element.
  expectGolden(render(Mode::kScript, accessRecord(4, {{2, 1}, {3, 0}}, 2)), "access/script_wide_elements");
  // More than 100 roots claimed: only 0..99 exist.
  expectGolden(render(Mode::kScript, accessRecord(200, {{95, 1}, {195, 1}})), "access/script_many_roots");
  // A record cut short by the end of the image covers only its loaded bytes.
  Bytes cut = accessRecord(100, {{2, 1}});
  cut.resize(4 + 5);
  expectGolden(render(Mode::kReport, cut), "access/report_cut");
}

TEST(AccessTable, ReturnsTheRecordLength) {
  Bytes record = accessRecord(100, {}, 1);
  for (Mode mode : {Mode::kReport, Mode::kScript}) EXPECT_EQ(testsupport::lengthOf(mode, record), 104u);
  record.resize(10);  // as the header says; the walk stops at the image end
  EXPECT_EQ(testsupport::lengthOf(Mode::kReport, record), 104u);
}

}  // namespace
