

#include "harness.h"

namespace {

using namespace testsupport;

Bytes slot(std::uint8_t flags, const Bytes& macro, std::uint8_t count, const Bytes& name) {
  return cat({{flags}, macro, {count}, name});
}
const Bytes kDefaultSlot = slot(0x00, fill(3, 0xFF), 0, fill(4, 0xFF));

// Slot 0 at its default; slot 1 only enabled; slot 2 only port 3; slot 3
// enabled, ports 1 and 3, macro 5678, long name 1234.
const Bytes kSample = cat({{26, 0x00, 9, 4, 3},
                           kDefaultSlot,
                           slot(0x80, fill(3, 0xFF), 0, fill(4, 0xFF)),
                           slot(0x04, fill(3, 0xFF), 0, fill(4, 0xFF)),
                           slot(0x85, digits("5678", 3), 4, digits("1234", 4))});

TEST(LongNames, Sections) {
  const Bytes atDefault = cat({{26, 0x00, 9, 1, 3}, kDefaultSlot});
  // Widths count fields, not printed digits: digit count 6 with four digits
  // stored; a macro name with a star digit.
  const Bytes starred = cat({{26, 0x00, 9, 1, 3}, slot(0x00, {0x5E, 0x12, 0xFF}, 6, digits("1234", 4))});
  // Element size 5: slots follow every 5 bytes and the long name is not stored.
  const Bytes shortSlots = cat({{26, 0x00, 5, 2, 3}, {0x80, 0x12, 0x34, 0xFF, 0x00}, {0x00, 0xFF, 0xFF, 0xFF, 0x00}});
  // Eight name digits: only the 3-byte macro field is read.
  const Bytes eight = cat({{26, 0x00, 9, 1, 3}, slot(0x00, {0x12, 0x34, 0x56}, 2, {0x78, 0xFF, 0xFF, 0xFF})});
  // Expected, flavour, debug, record, length, receivers, transmitters, name digits.
  checkRecords({{"@long_names/script", S, false, kSample, 41, 0, 2},  // the port line still writes port 3
                {"@long_names/report_default", R, false, atDefault, 0, 0, 3},
                {"@long_names/script_default", S, false, atDefault, 0, 0, 3},
                {"@long_names/script_widths", S, false, starred, 0, 0, 3},
                {"@long_names/report_short_elements", R, false, shortSlots, 15, 0, 3},
                {"@long_names/report_eight_digits", R, false, eight, 0, 0, 3, 8}});
  // Two transmitters: the report drops port 3.
  checkFragments({{" Long Name 2\n   Enable   :  Disabled\n   Ports    :  None\n", R, false, kSample, 41, 0, 2},
                  {" Long Name 3\n   Enable   :  Enabled\n   Ports    :  1\n   Macro    :  5678\n", R, false, kSample,
                   41, 0, 2}});
}

}  // namespace
