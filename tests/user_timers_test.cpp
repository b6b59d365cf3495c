// User timers: the column-wise payload, the report, the MPW 49 value and
// macro commands with their padding, and columns that run past the record.

#include "harness.h"

namespace {

using namespace testsupport;

TEST(UserTimers, Sections) {
  // Stored column by column: enables, values, 3-byte macros, resolutions.
  //   0: enabled,  10 (the default), no macro,    100 ms
  //   1: disabled,  0,               macro 123456, 10 s
  //   2: enabled, 1234,              macro 9901,   resolution code 4
  const Bytes three = elementArray(23, 0x01, 7, 3,
                                   cat({{1, 0, 1}, be16(10), be16(0), be16(1234),
                                        {0xFF, 0xFF, 0xFF, 0x12, 0x34, 0x56, 0x99, 0x01, 0xFF}, {0, 3, 4}}));
  const Bytes atDefaults = elementArray(23, 1, 7, 2, cat({{0, 1}, be16(10), be16(10), Bytes(6, 0xFF), {0, 2}}));
  const Bytes none = elementArray(23, 1, 7, 0, {});
  const Bytes named = elementArray(23, 1, 7, 1, cat({{1}, be16(10), {0x12, 0x34, 0x56}, {2}}));
  // Columns placed from the count alone: with element size 6 the resolution
  // column lies past the record (on the next record's bytes); the image may
  // also end inside a column.
  const Bytes narrow = cat({elementArray(23, 1, 6, 2, cat({{1, 1}, be16(0), be16(0), Bytes(6, 0xFF)})), {0, 0}});
  const Bytes cut = elementArray(23, 1, 7, 2, cat({{1, 1}, be16(0), be16(0), Bytes(6, 0xFF), {0}}));
  checkRecords({{"@user_timers/report", R, false, three, 25},
                {"@user_timers/script", S, false, three, 25},
                {"@user_timers/script_all", A, false, three, 25},
                {"@user_timers/none", S, false, atDefaults, 18},
                {"@user_timers/none", S, false, none, 4},
                {"@user_timers/none", A, false, none, 4},
                {"\nUser Timers\n", R, false, none, 4},
                // The macro name: as many digits as the controller's names
                // have, never more than the 3-byte field; padding follows it.
                {"@user_timers/name_6", R, false, named, 11, 0, 0, 6},
                {"@user_timers/name_5", R, false, named, 11, 0, 0, 5},
                {"@user_timers/name_6", R, false, named, 11, 0, 0, 12},
                {"@user_timers/name_padding", S, false, named, 11, 0, 0, 6},
                {"@user_timers/narrow", R, false, narrow, 16},
                {"@user_timers/narrow_script", A, false, narrow, 16},
                {"@user_timers/cut", S, false, cut, 17}});
}

}  // namespace
