// DTMF decoders: the heading without a line end, one digit count per port,
// the comment-only script, and port groups that hold no byte.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;

TEST(DtmfDecoders, Sections) {
  // Two ports of one 4-byte element: port 1's count is byte 5, port 2's byte 9.
  const Bytes two = portGrouped(21, 0x00, 4, 0, 1, {5, 9, 9, 9, 255, 9, 9, 9});
  const Bytes none = portGrouped(21, 0x00, 4, 0, 3, {});
  // Groups without bytes, or past the image end, are left out with a
  // warning; nothing is read from the next record (type 7 is not a count).
  const Bytes next = {7, 1, 1, 1, 0};
  checkRecords({{"@dtmf/report", R, false, two, 13, 2},
                {"@dtmf/report_debug", R, true, two, 13, 2},  // debug lines continue the heading line
                {"@dtmf/script", S, false, two, 13, 2},
                {"@dtmf/script", A, false, two, 13, 2},
                {"@dtmf/script_debug", A, true, two, 13, 2},
                {"\nDTMF Decoders", R, false, none, 5, 0},
                {"\n; Set DTMF Decoders", S, false, none, 5, 0},
                // A stray miscellaneous group is stepped over, not read as port 1.
                {"@dtmf/misc_group", R, false, portGrouped(21, 0x00, 2, 1, 1, {77, 77, 3, 0}), 9, 1},
                {"@dtmf/no_elements", R, false, cat({portGrouped(21, 0, 4, 0, 0, {}), next}), 5, 2},
                {"@dtmf/zero_byte_elements", S, false, cat({portGrouped(21, 0, 0, 0, 3, {}), next}), 5, 2},
                {"@dtmf/cut", R, false, portGrouped(21, 0, 1, 0, 1, {6}), 8, 3}});
}

}  // namespace
