// Checks of the description catalogue and the root command names: the
// boundaries of every table, the generated series and the port marker
// substitution.
#include "cfgscribe/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace cfgscribe;

// The handler sections compared against golden files show every switch,
// timer, counter, ETM and controllable command text; these are the rules
// they do not show: the modulo-100 port rule, the series ends, the coded
// value tables and lookups outside every table.
TEST(Catalogue, LookupInsideAndOutsideEveryTable) {
  const struct {
    int kind, port, index;
    const char* expected;
  } cases[] = {
      {0, 1, 119, "TX%c DTMF Cover Tone Interval Value"},  // port entries are taken modulo 100
      {0, 3, 304, "DTMF Decoder Interdigit Time"},
      {1, 0, 0, ""},  // 100 ms and 1 second timers, counters: port entries only
      {2, 0, 3, ""},
      {9, 0, 0, ""},
      {3, 0, 99, "User Switch 99"},
      {7, 0, 15, "User Message #1"},
      {7, 0, 24, "User Message #10"},
      {8, 1, 79, "COR Pulse-Triggered Macro for 9 Pulses for RX%c"},
      {8, 3, 399, "DTMF Decoder Long Tone # Macro"},
      {10, 0, 0, "33.0"},  // coded values: side ignored, index not reduced modulo 100
      {10, 1, 63, "254.1"},
      {10, 0, 64, "150.0"},
      {10, 1, 100, ""},
      {11, 0, 5, "Always ON"},
      {12, 0, 2, "180-degree"},
      {14, 3, 6, "57600"},
      {13, 0, 95, "Controller Reset"},
      {15, 2, 98, "Pause"},
      // kinds and indices the catalogue does not hold
      {4, 0, 0, ""}, {5, 1, 0, ""}, {6, 0, 1, ""}, {16, 0, 0, ""}, {-1, 0, 0, ""},
      {0, 0, -1, ""}, {3, 1, -1, ""}, {10, 0, -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " port " << c.port << " index " << c.index);
    EXPECT_STREQ(lookupDescription(c.kind, c.port, c.index), c.expected);
  }
}

TEST(Catalogue, EveryEntryOfATableHasATextAndNoneFollows) {
  const struct {
    int kind, port, size;
  } tables[] = {{0, 0, 11}, {0, 1, 20}, {1, 1, 4},   {2, 1, 12},  {3, 0, 100}, {3, 1, 100},
                {7, 0, 25}, {7, 1, 14}, {8, 0, 69}, {8, 1, 100}, {9, 1, 4},   {10, 0, 65},
                {11, 0, 6}, {12, 0, 3}, {13, 0, 100}, {14, 0, 7}, {15, 0, 100}};
  for (const auto& t : tables) {
    SCOPED_TRACE(testing::Message() << "kind " << t.kind << " port " << t.port);
    for (int i = 0; i < t.size; ++i) EXPECT_STRNE(lookupDescription(t.kind, t.port, i), "") << i;
    // Port entries wrap modulo 100, so a full port table has no end to test.
    if (t.port == 0 || t.size < 100) {
      EXPECT_STREQ(lookupDescription(t.kind, t.port, t.size), "");
    }
  }
}

std::set<int> ranges(std::initializer_list<std::pair<int, int>> runs) {
  std::set<int> all;
  for (auto [first, last] : runs)
    for (int i = first; i <= last; ++i) all.insert(i);
  return all;
}

TEST(Catalogue, ReservedMessageSlots) {
  // The switch and ETM runs show in their golden reports, which list only
  // the defined entries.
  for (int i = 0; i < 25; ++i)
    EXPECT_EQ(std::string(lookupDescription(kMessageTexts, 0, i)) == "Reserved", i >= 4 && i <= 14) << i;
  for (int i = 0; i < 14; ++i) EXPECT_STRNE(lookupDescription(kMessageTexts, 1, i), "Reserved") << i;
}

TEST(Catalogue, CtcssTonesAscend) {
  double previous = 0;
  for (int i = 0; i < 64; ++i) {
    const double hz = std::stod(lookupDescription(kCtcssToneTexts, 0, i));
    EXPECT_GT(hz, previous) << i;
    previous = hz;
  }
}

// Every golden section shows the marker replaced; these are the edges.
TEST(Catalogue, PortMarkerIsReplacedEverywhere) {
  const struct {
    int kind, port, index;
    char portChar;
    const char* expected;
  } cases[] = {
      {2, 2, 200, '2', "Path 12 (RX1-TX2) Timeout Value"},
      {8, 2, 71, '2', "COR Pulse-Triggered Macro for 1 Pulse for RX2"},
      {3, 3, 390, '3', "User Switch 0390"},
      {0, 0, 3, '0', "Logic Output #4 Momentary Time"},
  };
  for (const auto& c : cases) {
    std::string text;
    orva::Sink sink(text);
    const int printed = printDescription(sink, lookupDescription(c.kind, c.port, c.index), c.portChar);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(printed, static_cast<int>(text.size())) << c.expected;
  }
  std::string text;
  orva::Sink sink(text);
  EXPECT_EQ(printDescription(sink, "%c%c%", 'x'), 3);
  EXPECT_EQ(text, "xx%");
}

// The access table's golden report lists exactly the controllable commands.
TEST(RootCommands, NamesReservedNumbersAndBounds) {
  for (int root : {-5, -1, 0, 1, 37, 99, 100, 255}) EXPECT_FALSE(isControllableRoot(root)) << root;
  const std::set<int> reserved = ranges({{0, 1}, {4, 5}, {7, 7}, {11, 11}, {13, 14}, {17, 19}, {23, 23},
                                         {30, 30}, {32, 32}, {36, 36}, {38, 44}, {46, 47}, {51, 56},
                                         {58, 62}, {64, 69}, {74, 75}, {77, 89}, {96, 97}, {99, 99}});
  for (int root = 0; root < 100; ++root)
    EXPECT_EQ(std::string(rootCommandName(root)) == "Reserved", reserved.count(root) == 1) << root;
  const std::pair<int, const char*> named[] = {
      {2, "Control CTCSS Encoder"}, {37, "Readback"}, {98, "Pause"}, {100, ""}, {-1, ""},
  };
  for (auto [root, name] : named) EXPECT_STREQ(rootCommandName(root), name);
}

}  // namespace
