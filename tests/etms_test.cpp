// Event-triggered macros: name widths, ETMs without a slot, ports beyond
// three and lists that run past their capacity.


#include "harness.h"

namespace {

using namespace testsupport;

Bytes etmRecord(const Bytes& lists, std::uint8_t numMisc = 10, std::uint8_t numPort = 20) {
  return cat({{8, 0x00, 3, numMisc, numPort}, lists});
}

const Bytes kEtm200 = etmRecord({0x00, 0x12, 0x34, 200, 0x99, 0x99, 0xFF});
const Bytes kFivePorts = etmRecord({0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x44, 0x44, 0xFF, 0xFF});

// Six-digit names show four digits; a one-byte name is not read past; ETM
// 200 has no slot; ports 4 and 5 are not in the report; with capacity 1 two
// entries are read and the next byte ends the list.
TEST(Etms, NameWidthsAndBadInput) {
  const Bytes empty = etmRecord({0xFF, 0xFF});
  // Expected, flavour, debug, record, length, receivers, transmitters, name digits.
  checkRecords({
      {"@etms/report_one_receiver", R, false, empty, 7, 1},
      {"@etms/script_one_receiver", S, false, empty, 7, 1},
      {"@etms/report_six_digit_names", R, false, etmRecord({0x00, 0x12, 0x34, 0x56, 0xFF}), 10, 0, 0, 6},
      {"@etms/report_two_digit_names", R, false, etmRecord({0x00, 0x12, 0xFF}), 8, 0, 0, 2},
      {"@etms/report_etm_200", R, false, kEtm200, 12, 0},
      {"@etms/script_all_etm_200", A, false, kEtm200, 12, 0},  // the script leaves it out
      {"@etms/report_five_ports", R, false, kFivePorts, 14, 5},
      {"@etms/report_capacity_one", R, false,
       etmRecord({0x00, 0x12, 0x34, 0x01, 0x56, 0x78, 0x61, 0x43, 0x21, 0xFF}, 1), 12, 0},
  });
  // The script writes the ports beyond 3.
  checkFragments({{"\n;  Port 4 ETMs\nMPW 26 0402 4444 *" + blanks(32) + "; Any-Path-Active To TX4 Macro\n"
                   "\n;  Port 5 ETMs\n;    No ETMs Set\n",
                   S, false, kFivePorts, 14, 5}});
}

}  // namespace
