// CTCSS encoders: tone, mode and reverse burst per port with their notes,
// the commands, and groups too short for every setting.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;

TEST(CtcssEncoders, Sections) {
  // Port 1 at its defaults (tone 26, mode 0) with a reverse burst; port 2 at
  // the last tone and a live mode; port 3 past the end of every table.
  const Bytes settings = {26, 0, 1, 64, 2, 2, 65, 6, 3};
  const Bytes plain = portGrouped(18, 0x00, 1, 0, 3, settings);
  const Bytes withMisc = portGrouped(18, 0x00, 1, 2, 3, cat({{0xAA, 0xBB}, settings}));
  const Bytes one = portGrouped(18, 0x00, 1, 0, 3, {0, 5, 0});
  checkRecords({{"@ctcss/report", R, false, plain, 14, 3},
                {"@ctcss/script", S, false, plain, 14, 3},
                {"@ctcss/script", A, false, plain, 14, 3},
                {"@ctcss/report", R, false, withMisc, 16, 3},
                {"@ctcss/report_debug", R, true, one, 8, 1},
                {"@ctcss/script_debug", S, true, one, 8, 1},
                {"\nCTCSS Encoders\n", R, false, plain, 5, 0},
                {"\n; Set CTCSS Encoders\n", S, false, plain, 5, 0}});
}

TEST(CtcssEncoders, AGroupOfTwoBytesHoldsNoReverseBurst) {
  // The burst reads 0xFF, not the next port's tone.
  checkFragments({{" CTCSS Encoder Port 1\n   Tone Number  : 30   -- 114.8 Hz\n"
                   "   Mode         :  3   -- Turn ON With PTT, Turn OFF At CTCSS On Time\n   Reverse Burst:  255   -- \n",
                   R, false, portGrouped(18, 0x00, 1, 0, 2, {30, 3, 40, 0}), 9, 2}});
}

}  // namespace
