// Messages: the miscellaneous and per-port groups, the contents column at its
// edges, extra stored messages, slots outside the catalogue and cut records.


#include "harness.h"

namespace {

using namespace testsupport;

// Slot counts below the catalogue's so the report stays short: 20
// miscellaneous slots and 3 per port, 6 content bytes each. A message in an
// undefined slot (7), a grouped unit, one that fills its field, an empty
// port and a port with one message.
const Bytes kMessages = portGrouped(15, 0x00, 6, 20, 3,
                                    cat({{1, 0x01, 0x02, 0xFF}, {7, 0x10, 0xFF}, {16, 0x97, 0x41, 0x42, 0x98, 0x05, 0xFF},
                                         {0xFF}, {2, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66}, {0xFF}, {0xFF},
                                         {1, 0x05, 0xFF}, {0xFF}}));
const Bytes kEmpty = portGrouped(15, 0x00, 4, 25, 14, {0xFF});
// Two miscellaneous slots but four stored messages: the last two are not
// shown, port 1 is still read from its own start, and the record length
// (which the walk steps by) counts them all.
const Bytes kExtra = portGrouped(15, 0x00, 4, 2, 14,
                                 cat({{0, 0x01, 0xFF}, {1, 0x02, 0xFF}, {2, 0x03, 0xFF}, {3, 0x04, 0xFF}, {0xFF},
                                      {0, 0x05, 0xFF}, {0xFF}}));

TEST(Messages, Sections) {
  checkRecords({{"@messages/report", R, false, kMessages, 33, 3},
                {"@messages/script", S, false, kMessages, 33, 3},
                {"@messages/script_all", A, false, kMessages, 0, 1},
                {"@messages/script_no_ports", S, false, kMessages, 20, 0},
                {"@messages/script_no_misc", S, false, kEmpty, 6, 0},
                {"@messages/report_extra", R, false, kExtra, 22, 1},
                {"@messages/script_extra", S, false, kExtra, 22, 1}});
}

const std::string kNone = "----" + blanks(36);  // the contents column of an empty slot

TEST(Messages, Fragments) {
  // Port slot 101 is not port entry 1; miscellaneous slot 30 has no entry.
  const Bytes outside = portGrouped(15, 0x00, 2, 25, 14, cat({{30, 0x09, 0xFF}, {0xFF}, {101, 0x07, 0xFF}, {0xFF}}));
  // No end marks at all: the contents stop at the image end and every later
  // group reads as empty.
  const Bytes cut = portGrouped(15, 0x00, 6, 25, 14, {1, 0x01, 0x02});
  // An empty miscellaneous group lists only the defined slots.
  checkFragments({{"   0003: " + kNone + "-- Error 2", R, false, kEmpty, 6, 0},
                  {"   0030: 09 " + blanks(37) + "-- \n", R, false, outside, 0, 1},
                  {"   0113: " + kNone + "-- TX1 DTMF Cover Tone Message\n   0201: 07 " + blanks(37) + "-- \n", R,
                   false, outside, 0, 1},
                  {"   0001: 01 02 " + blanks(34) + "-- OK", R, false, cut, 0, 3},
                  {"   0313: " + kNone + "-- TX3 DTMF Cover Tone Message\n", R, false, cut, 0, 3},
                  {";MPW 31 0313 <message> *" + blanks(26), A, false, cut, 0, 3}});
  checkFragments({{"   0004: ", R, false, kEmpty}, {"   0014: ", R, false, kEmpty}, {"0002: 03", R, false, kExtra, 0, 1}},
                 false);
  // Contents that fill their field (no end mark) at the column edges: each
  // byte takes 3 characters of the 40-wide report column; the script's
  // comment stands at column 50 after "MPW 31 0001 " and "* ".
  const std::pair<std::size_t, std::pair<int, int>> edges[] = {{11, {7, 3}}, {12, {4, 0}}, {13, {1, 0}}, {14, {0, 0}}};
  for (const auto& [bytes, pads] : edges) {
    const Bytes record = portGrouped(15, 0x00, static_cast<std::uint8_t>(bytes), 2, 0,
                                     cat({{1}, fill(bytes, 0x12), {0xFF}}));
    std::string shown;
    for (std::size_t k = 0; k < bytes; ++k) shown += "12 ";
    const auto length = static_cast<std::uint32_t>(5 + 1 + bytes + 1);
    checkFragments({{"   0001: " + shown + blanks(pads.first) + "-- OK Command", R, false, record, length},
                    {"MPW 31 0001 " + shown + "* " + blanks(pads.second) + "; OK Command", S, false, record}});
  }
}

}  // namespace
