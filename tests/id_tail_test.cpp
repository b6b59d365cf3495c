// ID tail message numbers: both tails of every port, digits cut to the macro
// name length and to the element, and ports with a single element.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;

TEST(IdTail, Sections) {
  // Port 1: initial tail only; port 2: none; port 3: a short initial tail and
  // a normal tail.
  const Bytes unset = {0xFF, 0xFF};
  const Bytes tails = cat({digits("1234", 2), unset, unset, unset, digits("05", 2), digits("9876", 2)});
  const Bytes plain = portGrouped(19, 0x40, 2, 0, 2, tails);
  const Bytes withMisc = portGrouped(19, 0x40, 2, 1, 2, cat({{0x11, 0x11}, tails}));
  const Bytes one = portGrouped(19, 0x40, 2, 0, 2, cat({unset, digits("4321", 2)}));
  // One element per port: there is no normal tail to read.
  const Bytes initialOnly = portGrouped(19, 0x40, 2, 0, 1, cat({digits("12", 2), digits("34", 2)}));
  checkRecords({{"@id_tail/report", R, false, plain, 17, 3},
                {"@id_tail/script", S, false, plain, 17, 3},
                {"@id_tail/script", A, false, plain, 17, 3},
                {"@id_tail/report", R, false, withMisc, 19, 3},
                {"@id_tail/report_debug", R, true, one, 9, 1},
                {"@id_tail/script_debug", S, true, one, 9, 1},
                {"@id_tail/initial_only", S, false, initialOnly, 9, 2},
                {"\nID Tail Message Number\n", R, false, plain, 5, 0},
                {"\n; Set ID Tail Message Number\n", S, false, plain, 5, 0}});
}

TEST(IdTail, DigitsFollowTheMacroNameLengthWithinTheElement) {
  // Never more digits than the element holds.
  const Bytes record = portGrouped(19, 0x40, 3, 0, 2, cat({digits("123456", 3), digits("987654", 3)}));
  checkFragments({{"  Initial ID Tail: 12\n", R, false, record, 11, 1, 0, 2},
                  {"  Initial ID Tail: 1234\n", R, false, record, 11, 1, 0, 4},
                  {"  Initial ID Tail: 123456\n", R, false, record, 11, 1, 0, 6},
                  {"  Initial ID Tail: 123456\n", R, false, record, 11, 1, 0, 10},
                  {"  Initial ID Tail: \n", R, false, record, 11, 1, 0, 1}});
}

}  // namespace
