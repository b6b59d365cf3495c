// The per-port settings records: path mode and priority, CTCSS encoders,
// ID tails, DTMF decoders, command response routing and tone generators.
#include "harness.h"

namespace {

using namespace testsupport;

// Path mode and path priority: every port's paths, debug lines, stepped-over
// miscellaneous elements, odd element sizes and records cut by the image end.
TEST(PathMode, Sections) {
  // Three ports of four paths each, every mode value and one out of range.
  const Bytes modes = {1, 2, 3, 4, 5, 6, 0, 7, 2, 9, 1, 3};
  const Bytes plain = portGrouped(16, 0x00, 1, 0, 4, modes);
  // Two miscellaneous bytes before the port groups must not shift them.
  const Bytes withMisc = portGrouped(16, 0x00, 1, 2, 4, cat({{0xAA, 0xBB}, modes}));
  // Element size 0 stores no mode, a cut record none for its last ports:
  // neither reads a neighbour.
  const Bytes noByte = cat({portGrouped(16, 0x00, 0, 0, 1, {}), {4}});
  checkRecords({{"@paths/mode_report", R, false, plain, 17, 3},
                {"@paths/mode_script", S, false, plain, 17, 3},
                {"@paths/mode_report", R, false, withMisc, 19, 3},
                {"@paths/mode_script", S, false, withMisc, 19, 3},
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
  // Element size 2: the mix list is the second element, not the bytes at
  // group offset 6 (the next port's).
  const Bytes narrow = portGrouped(17, 0x00, 2, 0, 2, {2, 1, 1, 0, 0, 0, 0, 2});
  // Entries cut to the element and to the image, which ends inside port 3.
  const Bytes cut = portGrouped(17, 0x00, 2, 0, 1, {3, 1, 7, 7, 7});
  checkRecords({{"@paths/priority_report", R, false, plain, 41, 3},
                {"@paths/priority_script", S, false, plain, 41, 3},
                {"@paths/priority_report", R, false, withMisc, 47, 3},
                {"@paths/priority_script", S, false, withMisc, 47, 3},
                {"@paths/priority_narrow", R, false, narrow, 13, 2},
                {"@paths/priority_cut", R, false, cut, 0, 3},
                {"\nPath Priority\n", R, false, plain, 5, 0},
                {"\n; Set Path Priority\n", S, false, plain, 5, 0}});
}

// CTCSS encoders: tone, mode and reverse burst per port with their notes,
// the commands, and groups too short for every setting.
TEST(CtcssEncoders, Sections) {
  // Port 1 at its defaults (tone 26, mode 0) with a reverse burst; port 2 at
  // the last tone and a live mode; port 3 past the end of every table.
  const Bytes settings = {26, 0, 1, 64, 2, 2, 65, 6, 3};
  const Bytes plain = portGrouped(18, 0x00, 1, 0, 3, settings);
  const Bytes withMisc = portGrouped(18, 0x00, 1, 2, 3, cat({{0xAA, 0xBB}, settings}));
  checkRecords({{"@ctcss/report", R, false, plain, 14, 3},
                {"@ctcss/script", S, false, plain, 14, 3},
                {"@ctcss/report", R, false, withMisc, 16, 3},
                {"\nCTCSS Encoders\n", R, false, plain, 5, 0},
                {"\n; Set CTCSS Encoders\n", S, false, plain, 5, 0}});
  // A group of two bytes holds no reverse burst: it reads 0xFF, not the next port's tone.
  checkFragments({{" CTCSS Encoder Port 1\n   Tone Number  : 30   -- 114.8 Hz\n"
                   "   Mode         :  3   -- Turn ON With PTT, Turn OFF At CTCSS On Time\n   Reverse Burst:  255   -- \n",
                   R, false, portGrouped(18, 0x00, 1, 0, 2, {30, 3, 40, 0}), 9, 2}});
}

// ID tail message numbers: both tails of every port, digits cut to the macro
// name length and to the element, and ports with a single element.
TEST(IdTail, Sections) {
  // Port 1: initial tail only; port 2: none; port 3: a short initial tail and
  // a normal tail.
  const Bytes unset = {0xFF, 0xFF};
  const Bytes tails = cat({digits("1234", 2), unset, unset, unset, digits("05", 2), digits("9876", 2)});
  const Bytes plain = portGrouped(19, 0x40, 2, 0, 2, tails);
  const Bytes withMisc = portGrouped(19, 0x40, 2, 1, 2, cat({{0x11, 0x11}, tails}));
  // One element per port: there is no normal tail to read.
  const Bytes initialOnly = portGrouped(19, 0x40, 2, 0, 1, cat({digits("12", 2), digits("34", 2)}));
  checkRecords({{"@id_tail/report", R, false, plain, 17, 3},
                {"@id_tail/script", S, false, plain, 17, 3},
                {"@id_tail/report", R, false, withMisc, 19, 3},
                {"@id_tail/initial_only", S, false, initialOnly, 9, 2},
                {"\nID Tail Message Number\n", R, false, plain, 5, 0},
                {"\n; Set ID Tail Message Number\n", S, false, plain, 5, 0}});
  // Digits follow the macro name length, never more than the element holds.
  const Bytes wide = portGrouped(19, 0x40, 3, 0, 2, cat({digits("123456", 3), digits("987654", 3)}));
  checkFragments({{"  Initial ID Tail: 12\n", R, false, wide, 11, 1, 0, 2},
                  {"  Initial ID Tail: 123456\n", R, false, wide, 11, 1, 0, 6},
                  {"  Initial ID Tail: 123456\n", R, false, wide, 11, 1, 0, 10},
                  {"  Initial ID Tail: \n", R, false, wide, 11, 1, 0, 1}});
}

// DTMF decoders: the heading without a line end, one digit count per port,
// the comment-only script, and port groups that hold no byte.
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
                {"@dtmf/script_debug", A, true, two, 13, 2},
                {"\nDTMF Decoders", R, false, none, 5, 0},
                {"\n; Set DTMF Decoders", S, false, none, 5, 0},
                // A stray miscellaneous group is stepped over, not read as port 1.
                {"@dtmf/misc_group", R, false, portGrouped(21, 0x00, 2, 1, 1, {77, 77, 3, 0}), 9, 1},
                {"@dtmf/no_elements", R, false, cat({portGrouped(21, 0, 4, 0, 0, {}), next}), 5, 2},
                {"@dtmf/zero_byte_elements", S, false, cat({portGrouped(21, 0, 0, 0, 3, {}), next}), 5, 2},
                {"@dtmf/cut", R, false, portGrouped(21, 0, 1, 0, 1, {6}), 6, 3}});
}

// Command response routing: no trace outside debug mode, the header lines
// with -d, and the length the walk steps by to the next record.
// Six command sources of three bytes each: 22 bytes.
const Bytes kSix = elementArray(24, 0x01, 3, 6, fill(18, 0x5A));

TEST(CommandResponseRouting, Sections) {
  const std::string debug = "debug  Record Type       : 24\ndebug  Attributes        : 0x1\n"
                            "debug  Element Size      : 3\ndebug  Num Elements      : 6\ndebug  Command Sources\n";
  const std::string scriptDebug = ";debug  Record Type       : 24\n;debug  Attributes        : 0x1\n"
                                  ";debug  Element Size      : 3\n;debug  Num Elements      : 6\n;debug  Command Sources\n";
  checkRecords({{"", R, false, kSix, 22},
                {debug, R, true, kSix, 22},
                {scriptDebug, A, true, kSix, 22},
                {"", R, false, elementArray(24, 1, 3, 0, {}), 4},
                {"", S, false, elementArray(24, 1, 255, 255, {}), 4}});
}

// Tone generators: the report with its mode and level texts, the MPW 79
// commands, and blocks that do not fit their record.
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
                {"@tones/script", S, false, three, 26, 0, 3},
                {"@tones/script_all", A, false, three, 26, 0, 3},
                {"@tones/none", S, false, off, 19, 0, 2},
                {"@tones/none", S, false, noPorts, 5, 0, 0},
                {"\nTone Generators\n", R, false, noPorts, 5, 0, 0},
                {"@tones/level_12", R, false, portGrouped(25, 0x00, 7, 0, 1, block(1, 2, 12, 9999)), 12, 0, 1},
                {"@tones/level_255", R, false, portGrouped(25, 0x00, 7, 0, 1, block(1, 2, 255, 65535)), 12, 0, 1},
                {"@tones/wide", S, false, wide, 21, 0, 2},
                {"@tones/narrow", R, false, narrow, 13, 0, 2},
                {"@tones/narrow_script", A, false, narrow, 13, 0, 2},
                {"@tones/cut", A, false, cut, 15, 0, 2}});
}

}  // namespace
