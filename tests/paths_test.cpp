// Path mode and path priority: every port's paths, debug lines, stepped-over
// miscellaneous elements, odd element sizes and records cut by the image end.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;

TEST(PathMode, Sections) {
  // Three ports of four paths each, every mode value and one out of range.
  const Bytes modes = {1, 2, 3, 4, 5, 6, 0, 7, 2, 9, 1, 3};
  const Bytes plain = portGrouped(16, 0x00, 1, 0, 4, modes);
  // Two miscellaneous bytes before the port groups must not shift them.
  const Bytes withMisc = portGrouped(16, 0x00, 1, 2, 4, cat({{0xAA, 0xBB}, modes}));
  const Bytes one = portGrouped(16, 0x20, 1, 0, 1, {6});
  // Element size 0 stores no mode, a cut record none for its last ports:
  // neither reads a neighbour.
  const Bytes noByte = cat({portGrouped(16, 0x00, 0, 0, 1, {}), {4}});
  checkRecords({{"@paths/mode_report", R, false, plain, 17, 3},
                {"@paths/mode_script", S, false, plain, 17, 3},
                {"@paths/mode_script", A, false, plain, 17, 3},
                {"@paths/mode_report", R, false, withMisc, 19, 3},
                {"@paths/mode_script", S, false, withMisc, 19, 3},
                {"@paths/mode_report_debug", R, true, one, 6, 1},
                {"@paths/mode_script_debug", S, true, one, 6, 1},
                {"@paths/mode_wide", R, false, portGrouped(16, 0x00, 2, 0, 2, {3, 0x55, 6, 0x66}), 9, 1},
                {"@paths/mode_no_byte", R, false, noByte, 5, 1},
                {"@paths/mode_cut", S, false, portGrouped(16, 0x00, 1, 0, 1, {2}), 0, 2},
                {"\nPath Mode\n", R, false, plain, 5, 0},
                {"\n; Set Path Mode\n", S, false, plain, 5, 0}});
}

Bytes lists(Bytes priority, Bytes mix) { return cat({priority, mix}); }

TEST(PathPriority, Sections) {
  // Port 1: a gap in the priority list; port 2: nothing; port 3: a mix entry
  // beyond the port count, which is neither shown nor commanded.
  const Bytes groups = cat({lists({3, 0, 1, 0, 0, 0}, {2, 0, 0, 0, 0, 0}), lists(Bytes(6, 0), Bytes(6, 0)),
                            lists({1, 2, 3, 0, 0, 0}, {0, 0, 0, 9, 0, 0})});
  const Bytes plain = portGrouped(17, 0x00, 6, 0, 2, groups);
  const Bytes withMisc = portGrouped(17, 0x00, 6, 1, 2, cat({Bytes(6, 9), groups}));
  const Bytes one = portGrouped(17, 0x00, 6, 0, 2, lists({1, 0, 0, 0, 0, 0}, Bytes(6, 0)));
  // Element size 2: the mix list is the second element, not the bytes at
  // group offset 6 (the next port's).
  const Bytes narrow = portGrouped(17, 0x00, 2, 0, 2, {2, 1, 1, 0, 0, 0, 0, 2});
  // Entries cut to the element and to the image, which ends inside port 3.
  const Bytes cut = portGrouped(17, 0x00, 2, 0, 1, {3, 1, 7, 7, 7});
  checkRecords({{"@paths/priority_report", R, false, plain, 41, 3},
                {"@paths/priority_script", S, false, plain, 41, 3},
                {"@paths/priority_script", A, false, plain, 41, 3},
                {"@paths/priority_report", R, false, withMisc, 47, 3},
                {"@paths/priority_script", S, false, withMisc, 47, 3},
                {"@paths/priority_script_debug", S, true, one, 17, 1},
                {"@paths/priority_narrow", R, false, narrow, 13, 2},
                {"@paths/priority_cut", R, false, cut, 0, 3},
                {"\nPath Priority\n", R, false, plain, 5, 0},
                {"\n; Set Path Priority\n", S, false, plain, 5, 0}});
}

}  // namespace
