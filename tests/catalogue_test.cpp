// The description catalogue: the rules the golden sections do not show (the
// modulo-100 port rule, series ends, coded values, lookups past every table,
// which numbers exist) and the port marker.
#include "cfgscribe/catalogue.h"

#include <set>

#include "harness.h"

namespace {

using cfgscribe::Catalogue;

TEST(Catalogue, LookupInsideAndOutsideEveryTable) {
  const struct {
    Catalogue kind;
    unsigned port, index;
    const char* expected;
  } cases[] = {
      {Catalogue::kTimers10, 1, 119, "TX%c DTMF Cover Tone Interval Value"},  // port entries are taken modulo 100
      {Catalogue::kTimers10, 3, 304, "DTMF Decoder Interdigit Time"},
      {Catalogue::kTimers10, 0, 10, "CTCSS #3 Logic Output Momentary Time"},
      {Catalogue::kTimers10, 1, 20, ""},
      {Catalogue::kTimers100, 0, 0, ""},  // 100 ms and 1 second timers, counters: port entries only
      {Catalogue::kTimers1000, 0, 3, ""},
      {Catalogue::kTimers1000, 1, 11, "TX%c Dropout Message Time Value"},
      {Catalogue::kTimers1000, 1, 12, ""},
      {Catalogue::kCounters, 0, 0, ""},
      {Catalogue::kSwitches, 0, 99, "User Switch 99"},
      {Catalogue::kSwitches, 0, 100, ""},
      {Catalogue::kMessages, 0, 24, "User Message #10"},
      {Catalogue::kMessages, 0, 25, ""},
      {Catalogue::kMessages, 1, 14, ""},
      {Catalogue::kEtms, 0, 69, ""},
      {Catalogue::kEtms, 1, 79, "COR Pulse-Triggered Macro for 9 Pulses for RX%c"},
      {Catalogue::kCtcssTones, 0, 0, "33.0"},  // coded values: port ignored, index not reduced modulo 100
      {Catalogue::kCtcssTones, 1, 63, "254.1"},
      {Catalogue::kCtcssTones, 0, 64, "150.0"},
      {Catalogue::kCtcssTones, 1, 100, ""},
      {Catalogue::kCtcssModes, 0, 6, ""},
      {Catalogue::kReverseBursts, 0, 3, ""},
      {Catalogue::kBaudRates, 0, 7, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << " port " << c.port << " index " << c.index);
    EXPECT_STREQ(lookupDescription(c.kind, c.port, c.index), c.expected);
  }
}

std::set<unsigned> ranges(std::initializer_list<std::pair<unsigned, unsigned>> runs) {
  std::set<unsigned> all;
  for (auto [first, last] : runs)
    for (unsigned i = first; i <= last; ++i) all.insert(i);
  return all;
}

TEST(Catalogue, WhichNumbersExist) {
  const struct {
    Catalogue kind;
    unsigned port;
    std::set<unsigned> defined;  // of 0..199
  } cases[] = {
      {Catalogue::kSwitches, 0, ranges({{0, 4}, {11, 21}, {41, 43}, {60, 99}})},
      {Catalogue::kSwitches, 2, ranges({{0, 20}, {41, 43}, {51, 53}, {61, 63}, {71, 73}, {81, 83}, {90, 99}})},
      {Catalogue::kEtms, 0, ranges({{0, 1}, {61, 68}})},
      {Catalogue::kEtms, 1, ranges({{0, 19}, {22, 24}, {30, 32}, {38, 40}, {46, 48}, {54, 56}, {71, 79}, {84, 99}})},
      {Catalogue::kMessages, 0, ranges({{0, 3}, {15, 24}})},
      {Catalogue::kMessages, 3, ranges({{0, 13}})},  // not taken modulo 100: slot 113 does not exist
  };
  for (const auto& c : cases)
    for (unsigned n = 0; n < 200; ++n)
      EXPECT_EQ(isDefinedEntry(c.kind, c.port, n), c.defined.count(n) == 1)
          << static_cast<int>(c.kind) << " port " << c.port << " entry " << n;
}

TEST(Catalogue, PortMarkerIsReplacedEverywhere) {
  const struct {
    const char* text;
    char portChar;
    const char* expected;
  } cases[] = {
      {lookupDescription(Catalogue::kTimers100, 2, 200), '2', "Path 12 (RX1-TX2) Timeout Penalty Time Value"},
      {lookupDescription(Catalogue::kEtms, 2, 71), '2', "COR Pulse-Triggered Macro for 1 Pulse for RX2"},
      {lookupDescription(Catalogue::kSwitches, 3, 390), '3', "User Switch 0390"},
      {"%c%c%", 'x', "xx%"},
  };
  for (const auto& c : cases) {
    int printed = 0;
    EXPECT_EQ(testsupport::capture([&](orva::Sink& s) { printed = cfgscribe::printDescription(s, c.text, c.portChar); }),
              c.expected);
    EXPECT_EQ(printed, static_cast<int>(std::string(c.expected).size())) << c.expected;
  }
}


}  // namespace
