// Checks of the description catalogue and the root command names: the
// boundaries of every table, the generated series and the port marker
// substitution.
#include "cfgscribe/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace cfgscribe;

TEST(Catalogue, LookupInsideAndOutsideEveryTable) {
  const struct {
    int kind, port, index;
    const char* expected;
  } cases[] = {
      {0, 0, 0, "Logic Output #1 Momentary Time"},
      {0, 0, 10, "CTCSS #3 Logic Output Momentary Time"},
      {0, 1, 0, "TX%c Courtesy Delay"},
      {0, 1, 119, "TX%c DTMF Cover Tone Interval Value"},  // port entries are taken modulo 100
      {0, 3, 304, "DTMF Decoder Interdigit Time"},
      {1, 2, 0, "Path 1%c (RX1-TX%c) Timeout Penalty Time Value"},
      {1, 0, 0, ""},  // 100 ms and 1 second timers, counters: port entries only
      {2, 0, 3, ""},
      {9, 1, 3, "Path 3%c End-of-Activity Counter"},
      {9, 0, 0, ""},
      {3, 0, 4, "Macro-Only Password Decoding Enable"},
      {3, 0, 43, "Analog Input 3 Range Select"},
      {3, 0, 59, "Reserved"},
      {3, 0, 60, "User Switch 60"},
      {3, 0, 99, "User Switch 99"},
      {3, 0, 100, ""},
      {3, 1, 83, "Path 3%c (RX3-TX%c) DTMF Mute Bypass Enable"},
      {7, 0, 3, "Error 2 (Data Error) Command Response Message"},
      {7, 0, 15, "User Message #1"},
      {7, 0, 24, "User Message #10"},
      {7, 2, 13, "TX%c DTMF Cover Tone Message"},
      {8, 0, 1, "Battery Good-to-Not-Good Macro"},
      {8, 0, 61, "Logic Input 1 Hi-to-Lo Macro"},
      {8, 0, 68, "Logic Input 4 Lo-to-Hi Macro"},
      {8, 1, 19, "Courtesy Delay Violation Macro for TX"},
      {8, 1, 56, "End-of-Activity Macro for Path RX3-to-TX%c"},
      {8, 1, 71, "COR Pulse-Triggered Macro for 1 Pulse for RX%c"},
      {8, 1, 72, "COR Pulse-Triggered Macro for 2 Pulses for RX%c"},
      {8, 1, 79, "COR Pulse-Triggered Macro for 9 Pulses for RX%c"},
      {8, 3, 384, "DTMF Decoder Long Tone 0 Macro"},
      {8, 3, 394, "DTMF Decoder Long Tone A Macro"},
      {8, 3, 398, "DTMF Decoder Long Tone * Macro"},
      {8, 3, 399, "DTMF Decoder Long Tone # Macro"},
      {10, 0, 0, "33.0"},  // coded values: side ignored, index not reduced modulo 100
      {10, 1, 63, "254.1"},
      {10, 0, 64, "150.0"},
      {10, 1, 100, ""},
      {11, 0, 4, "Turn ON With Any Path Active, Turn OFF With All Path Inactive At CTCSS On Time"},
      {11, 0, 5, "Always ON"},
      {12, 0, 2, "180-degree"},
      {14, 0, 0, " 1200"},
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

TEST(Catalogue, ReservedRunsStandExactlyWhereListed) {
  const auto reserved = [](int kind, int port, int size) {
    std::set<int> found;
    for (int i = 0; i < size; ++i)
      if (std::string(lookupDescription(kind, port, i)) == "Reserved") found.insert(i);
    return found;
  };
  EXPECT_EQ(reserved(kSwitchTexts, 0, 100), ranges({{5, 10}, {22, 40}, {44, 59}}));
  EXPECT_EQ(reserved(kSwitchTexts, 1, 100), ranges({{21, 40}, {44, 50}, {54, 60}, {64, 70}, {74, 80}, {84, 89}}));
  EXPECT_EQ(reserved(kMessageTexts, 0, 25), ranges({{4, 14}}));
  EXPECT_EQ(reserved(kMessageTexts, 1, 14), ranges({}));
  EXPECT_EQ(reserved(kEtmTexts, 0, 69), ranges({{2, 60}}));
  EXPECT_EQ(reserved(kEtmTexts, 2, 100), ranges({{20, 21}, {25, 29}, {33, 37}, {41, 45}, {49, 53}, {57, 70}, {80, 83}}));
}

TEST(Catalogue, CtcssTonesAscend) {
  double previous = 0;
  for (int i = 0; i < 64; ++i) {
    const double hz = std::stod(lookupDescription(kCtcssToneTexts, 0, i));
    EXPECT_GT(hz, previous) << i;
    previous = hz;
  }
}

TEST(Catalogue, PortMarkerIsReplacedEverywhere) {
  const struct {
    int kind, port, index;
    char portChar;
    const char* expected;
  } cases[] = {
      {2, 2, 200, '2', "Path 12 (RX1-TX2) Timeout Value"},
      {2, 1, 2, 'p', "Path 3p (RX3-TXp) Timeout Value"},
      {8, 2, 3, '2', "All-Paths-Inactive To TX2 Macro"},
      {8, 2, 71, '2', "COR Pulse-Triggered Macro for 1 Pulse for RX2"},
      {3, 3, 312, '3', "TX3 PTT Enable"},
      {3, 3, 390, '3', "User Switch 0390"},
      {3, 1, 99, 'p', "User Switch 0p99"},
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

TEST(RootCommands, ControllableSetNamesAndReservedNumbers) {
  const std::set<int> controllable = {2,  3,  6,  8,  9,  10, 12, 15, 16, 20, 21, 22, 24, 25,
                                      26, 27, 28, 29, 31, 33, 34, 35, 39, 45, 48, 49, 50, 57,
                                      63, 70, 71, 72, 73, 76, 90, 91, 92, 93, 94, 95, 98};
  std::set<int> found;
  for (int root = -5; root < 110; ++root)
    if (isControllableRoot(root)) found.insert(root);
  EXPECT_EQ(found, controllable);
  const std::set<int> reserved = ranges({{0, 1}, {4, 5}, {7, 7}, {11, 11}, {13, 14}, {17, 19}, {23, 23},
                                         {30, 30}, {32, 32}, {36, 36}, {38, 44}, {46, 47}, {51, 56},
                                         {58, 62}, {64, 69}, {74, 75}, {77, 89}, {96, 97}, {99, 99}});
  for (int root = 0; root < 100; ++root) {
    EXPECT_EQ(std::string(rootCommandName(root)) == "Reserved", reserved.count(root) == 1) << root;
    EXPECT_STREQ(lookupDescription(kRootNameTexts, 0, root), rootCommandName(root));
    EXPECT_STREQ(lookupDescription(kRootNameTexts2, 3, root), rootCommandName(root));
  }
  const std::pair<int, const char*> named[] = {
      {2, "Control CTCSS Encoder"}, {6, "Select Frequency of CW and Single-Tone Beeps"}, {37, "Readback"},
      {63, "Set/Clear Software Switches"}, {76, "If-Then-Else"}, {91, "Select Command Response Message Routing"},
      {94, "Assign Control Operator Privilege Level"}, {98, "Pause"}, {100, ""}, {-1, ""},
  };
  for (auto [root, name] : named) EXPECT_STREQ(rootCommandName(root), name);
}

}  // namespace
