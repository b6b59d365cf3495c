// The control operator access table at its edges.


#include "harness.h"

namespace {

using namespace testsupport;

// Access bytes for roots 0..count-1, all allowed except the given ones.
Bytes accessRecord(unsigned count, std::initializer_list<std::pair<unsigned, std::uint8_t>> denied,
                   std::uint8_t elementSize = 1) {
  Bytes payload(static_cast<std::size_t>(count) * elementSize, 0);
  for (auto [root, value] : denied) payload[static_cast<std::size_t>(root) * elementSize] = value;
  return elementArray(22, 0x01, elementSize, static_cast<std::uint8_t>(count), payload);
}

TEST(AccessTable, Sections) {
  Bytes cut = accessRecord(100, {{2, 1}});
  cut.resize(4 + 5);  // the image ends inside the record; the length is the header's
  const Bytes empty = elementArray(22, 0x01, 0, 100, {});  // empty elements cover nothing
  checkRecords({
      // Root 37 is not controllable: its byte never shows. Any non-zero byte denies.
      {"@access/script", S, false, accessRecord(100, {{2, 0xFF}, {37, 1}, {39, 2}, {95, 1}}), 104},
      // Twelve roots covered: 2, 3, 6, 8, 9 and 10 are controllable.
      {"@access/script_all", A, false, accessRecord(12, {{3, 1}, {9, 4}, {11, 1}})},
      {"@access/script_all_allowed", S, false, accessRecord(100, {})},
      {"@access/script_all_allowed", S, false, accessRecord(100, {{37, 1}, {99, 1}})},  // only ungrantable roots
      {"@access/script_all_allowed", S, false, accessRecord(0, {})},
      {"@access/script_all_allowed", S, false, empty},
      {"\nControl Operator Privilege Level\n Commands by Root Number\n", R, false, empty},
      // Two-byte elements: each root is judged by the first byte of its element.
      {"@access/script_wide_elements", S, false, accessRecord(4, {{2, 1}, {3, 0}}, 2)},
      // More than 100 roots claimed: only 0..99 exist.
      {"@access/script_many_roots", S, false, accessRecord(200, {{95, 1}, {195, 1}})},
      {"@access/report_cut", R, false, cut, 9},  // cut to the bytes there
  });
}

}  // namespace
