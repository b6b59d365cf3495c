// Tone generators: the report with its mode and level texts, the MPW 79
// commands, and blocks that do not fit their record.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;

Bytes block(std::uint8_t owner, std::uint8_t mode, std::uint8_t level, unsigned toneCode) {
  return cat({{owner, mode, level}, be16(toneCode), {0xAA, 0xBB}});
}

TEST(ToneGenerators, Sections) {
  // Port 1 continuous at -3.5 dB, 760 Hz; port 2 off; port 3 in an
  // unsupported mode 4 (not Off, so it is set) at -0.5 dB, 1760 Hz.
  const Bytes three = portGrouped(25, 0x00, 7, 0, 1, cat({block(1, 1, 7, 100), block(0, 0, 0, 0), block(5, 4, 1, 300)}));
  const Bytes noPorts = portGrouped(25, 0x00, 7, 0, 1, {});
  // Off whatever the level and tone: nothing to command.
  const Bytes off = portGrouped(25, 0, 7, 0, 1, cat({block(1, 0, 9, 44), block(0, 0, 0, 0)}));
  // Blocks lie element size bytes apart; a block smaller than the five bytes
  // shown, or past the image end, is left out and nothing after the record
  // is read.
  const Bytes wide = portGrouped(25, 0x00, 8, 0, 1, cat({block(1, 3, 0, 10), {0}, block(1, 1, 2, 20), {0}}));
  const Bytes narrow = cat({portGrouped(25, 0x00, 4, 0, 1, {1, 1, 0, 0, 1, 1, 0, 0}), block(1, 1, 1, 1)});
  const Bytes cut = portGrouped(25, 0x00, 7, 0, 1, cat({block(0, 0, 0, 0), {1, 1, 0}}));
  checkRecords({{"@tones/report", R, false, three, 26, 0, 3},
                {"@tones/report_debug", R, true, three, 26, 0, 3},
                {"@tones/script", S, false, three, 26, 0, 3},
                {"@tones/script_all", A, false, three, 26, 0, 3},
                {"@tones/script_debug", S, true, three, 26, 0, 3},
                {"@tones/none", S, false, off, 19, 0, 2},
                {"@tones/none", S, false, noPorts, 5, 0, 0},
                {"@tones/none", A, false, noPorts, 5, 0, 0},
                {"\nTone Generators\n", R, false, noPorts, 5, 0, 0},
                {"@tones/level_12", R, false, portGrouped(25, 0x00, 7, 0, 1, block(1, 2, 12, 9999)), 12, 0, 1},
                {"@tones/level_255", R, false, portGrouped(25, 0x00, 7, 0, 1, block(1, 2, 255, 65535)), 12, 0, 1},
                {"@tones/wide", S, false, wide, 21, 0, 2},
                {"@tones/narrow", R, false, narrow, 13, 0, 2},
                {"@tones/narrow_script", A, false, narrow, 13, 0, 2},
                {"@tones/cut", A, false, cut, 19, 0, 2}});
}

}  // namespace
