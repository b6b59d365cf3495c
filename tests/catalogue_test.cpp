// Checks of the description catalogue and the root command names: table
// sizes, the boundaries of every run, the generated series and the port
// marker substitution.
#include "cfgscribe/catalogue.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

using namespace cfgscribe;

std::string describe(int kind, int port, int index, char portChar) {
  std::string text;
  orva::Sink sink(text);
  const int printed = printDescription(sink, lookupDescription(kind, port, index), portChar);
  EXPECT_EQ(printed, static_cast<int>(text.size()));
  return text;
}

struct Lookup {
  int kind, port, index;
  const char* expected;
};

TEST(Catalogue, LookupBoundariesOfEveryTable) {
  const Lookup cases[] = {
      // 10 ms timers: 11 miscellaneous, 20 port
      {0, 0, 0, "Logic Output #1 Momentary Time"},
      {0, 0, 10, "CTCSS #3 Logic Output Momentary Time"},
      {0, 0, 11, ""},
      {0, 1, 0, "TX%c Courtesy Delay"},
      {0, 1, 19, "TX%c DTMF Cover Tone Interval Value"},
      {0, 1, 119, "TX%c DTMF Cover Tone Interval Value"},
      {0, 3, 304, "DTMF Decoder Interdigit Time"},
      {0, 1, 20, ""},
      // 100 ms and 1 second timers, counters: port entries only
      {1, 2, 0, "Path 1%c (RX1-TX%c) Timeout Penalty Time Value"},
      {1, 2, 3, "DTMF Decoder #%c Long Tone Timer"},
      {1, 2, 4, ""},
      {1, 0, 0, ""},
      {2, 1, 11, "TX%c Dropout Message Time Value"},
      {2, 1, 12, ""},
      {2, 0, 3, ""},
      {9, 1, 0, "TX%c End-of-Activity Counter"},
      {9, 1, 3, "Path 3%c End-of-Activity Counter"},
      {9, 1, 4, ""},
      {9, 0, 0, ""},
      // software switches
      {3, 0, 4, "Macro-Only Password Decoding Enable"},
      {3, 0, 11, "Logic Output 1 Inversion"},
      {3, 0, 21, "CTCSS Logic Output 3 Inversion"},
      {3, 0, 41, "Analog Input 1 Range Select"},
      {3, 0, 43, "Analog Input 3 Range Select"},
      {3, 0, 100, ""},
      {3, 1, 20, "CTCSS Encode During Anti-Kerchunk Enable"},
      {3, 1, 83, "Path 3%c (RX3-TX%c) DTMF Mute Bypass Enable"},
      // messages: 25 miscellaneous, 14 port
      {7, 0, 3, "Error 2 (Data Error) Command Response Message"},
      {7, 0, 25, ""},
      {7, 2, 13, "TX%c DTMF Cover Tone Message"},
      {7, 2, 14, ""},
      // event-triggered macros: 69 miscellaneous, 100 port
      {8, 0, 1, "Battery Good-to-Not-Good Macro"},
      {8, 0, 61, "Logic Input 1 Hi-to-Lo Macro"},
      {8, 0, 68, "Logic Input 4 Lo-to-Hi Macro"},
      {8, 0, 69, ""},
      {8, 1, 19, "Courtesy Delay Violation Macro for TX"},
      {8, 1, 56, "End-of-Activity Macro for Path RX3-to-TX%c"},
      {8, 1, 71, "COR Pulse-Triggered Macro for 1 Pulse for RX%c"},
      // coded values: side ignored, index not reduced modulo 100
      {10, 0, 0, "33.0"},
      {10, 1, 63, "254.1"},
      {10, 0, 64, "150.0"},
      {10, 0, 65, ""},
      {10, 1, 100, ""},
      {11, 0, 4, "Turn ON With Any Path Active, Turn OFF With All Path Inactive At CTCSS On Time"},
      {11, 0, 5, "Always ON"},
      {11, 0, 6, ""},
      {12, 0, 2, "180-degree"},
      {12, 0, 3, ""},
      {14, 0, 0, " 1200"},
      {14, 3, 6, "57600"},
      {14, 0, 7, ""},
      {13, 0, 95, "Controller Reset"},
      {15, 2, 98, "Pause"},
      {13, 0, 100, ""},
      // kinds and indices the catalogue does not hold
      {4, 0, 0, ""},
      {5, 1, 0, ""},
      {6, 0, 1, ""},
      {16, 0, 0, ""},
      {-1, 0, 0, ""},
      {0, 0, -1, ""},
      {3, 1, -1, ""},
      {10, 0, -1, ""},
  };
  for (const Lookup& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " port " << c.port << " index " << c.index);
    EXPECT_STREQ(lookupDescription(c.kind, c.port, c.index), c.expected);
  }
}

// The entries of a table that read "Reserved".
std::set<int> reservedEntries(int kind, int port, int size) {
  std::set<int> found;
  for (int i = 0; i < size; ++i)
    if (std::string(lookupDescription(kind, port, i)) == "Reserved") found.insert(i);
  return found;
}

std::set<int> ranges(std::initializer_list<std::pair<int, int>> runs) {
  std::set<int> all;
  for (auto [first, last] : runs)
    for (int i = first; i <= last; ++i) all.insert(i);
  return all;
}

TEST(Catalogue, ReservedRunsStandExactlyWhereListed) {
  EXPECT_EQ(reservedEntries(kSwitchTexts, 0, 100), ranges({{5, 10}, {22, 40}, {44, 59}}));
  EXPECT_EQ(reservedEntries(kSwitchTexts, 1, 100),
            ranges({{21, 40}, {44, 50}, {54, 60}, {64, 70}, {74, 80}, {84, 89}}));
  EXPECT_EQ(reservedEntries(kMessageTexts, 0, 25), ranges({{4, 14}}));
  EXPECT_EQ(reservedEntries(kMessageTexts, 1, 14), ranges({}));
  EXPECT_EQ(reservedEntries(kEtmTexts, 0, 69), ranges({{2, 60}}));
  EXPECT_EQ(reservedEntries(kEtmTexts, 2, 100),
            ranges({{20, 21}, {25, 29}, {33, 37}, {41, 45}, {49, 53}, {57, 70}, {80, 83}}));
}

TEST(Catalogue, EveryEntryOfATableHasAText) {
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

TEST(Catalogue, UserSwitchesAreNumberedByEntry) {
  char expected[32];
  for (int i = 60; i < 100; ++i) {
    std::snprintf(expected, sizeof expected, "User Switch %d", i);
    EXPECT_STREQ(lookupDescription(kSwitchTexts, 0, i), expected);
  }
  EXPECT_STREQ(lookupDescription(kSwitchTexts, 0, 59), "Reserved");
  for (int i = 90; i < 100; ++i) {
    std::snprintf(expected, sizeof expected, "User Switch 03%d", i);
    EXPECT_EQ(describe(kSwitchTexts, 3, 300 + i, '3'), expected);
    std::snprintf(expected, sizeof expected, "User Switch 0p%d", i);
    EXPECT_EQ(describe(kSwitchTexts, 1, i, 'p'), expected);
  }
}

TEST(Catalogue, UserMessagesCountFromOne) {
  char expected[32];
  for (int i = 15; i < 25; ++i) {
    std::snprintf(expected, sizeof expected, "User Message #%d", i - 14);
    EXPECT_STREQ(lookupDescription(kMessageTexts, 0, i), expected);
  }
}

TEST(Catalogue, PulseMacrosCountPulsesFromEntry70) {
  EXPECT_EQ(describe(kEtmTexts, 2, 71, '2'), "COR Pulse-Triggered Macro for 1 Pulse for RX2");
  char expected[64];
  for (int i = 72; i < 80; ++i) {
    std::snprintf(expected, sizeof expected, "COR Pulse-Triggered Macro for %d Pulses for RX%%c", i - 70);
    EXPECT_STREQ(lookupDescription(kEtmTexts, 1, i), expected);
  }
}

TEST(Catalogue, LongToneMacrosFollowTheKeypadOrder) {
  const char keys[] = "0123456789ABCD*#";
  for (int i = 84; i < 100; ++i) {
    const std::string expected = std::string("DTMF Decoder Long Tone ") + keys[i - 84] + " Macro";
    EXPECT_EQ(lookupDescription(kEtmTexts, 3, 300 + i), expected);
  }
}

TEST(Catalogue, CtcssTonesAscendExceptTheLast) {
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
      {3, 3, 312, '3', "TX3 PTT Enable"},
      {0, 1, 4, 'p', "DTMF Decoder Interdigit Time"},
      {0, 0, 3, '0', "Logic Output #4 Momentary Time"},
      {1, 1, 3, '1', "DTMF Decoder #1 Long Tone Timer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(describe(c.kind, c.port, c.index, c.portChar), c.expected);
  }
  std::string text;
  orva::Sink sink(text);
  EXPECT_EQ(printDescription(sink, "%c%c%", 'x'), 3);
  EXPECT_EQ(text, "xx%");
}

TEST(RootCommands, ControllableSetIsExact) {
  const std::set<int> expected = {2,  3,  6,  8,  9,  10, 12, 15, 16, 20, 21, 22, 24, 25,
                                  26, 27, 28, 29, 31, 33, 34, 35, 39, 45, 48, 49, 50, 57,
                                  63, 70, 71, 72, 73, 76, 90, 91, 92, 93, 94, 95, 98};
  std::set<int> found;
  for (int root = -5; root < 110; ++root)
    if (isControllableRoot(root)) found.insert(root);
  EXPECT_EQ(found, expected);
}

TEST(RootCommands, NamesAndReservedNumbers) {
  const std::set<int> reserved = ranges({{0, 1}, {4, 5}, {7, 7}, {11, 11}, {13, 14}, {17, 19}, {23, 23},
                                         {30, 30}, {32, 32}, {36, 36}, {38, 44}, {46, 47}, {51, 56},
                                         {58, 62}, {64, 69}, {74, 75}, {77, 89}, {96, 97}, {99, 99}});
  for (int root = 0; root < 100; ++root)
    EXPECT_EQ(std::string(rootCommandName(root)) == "Reserved", reserved.count(root) == 1) << root;
  const std::pair<int, const char*> named[] = {
      {2, "Control CTCSS Encoder"},
      {6, "Select Frequency of CW and Single-Tone Beeps"},
      {37, "Readback"},
      {63, "Set/Clear Software Switches"},
      {76, "If-Then-Else"},
      {91, "Select Command Response Message Routing"},
      {94, "Assign Control Operator Privilege Level"},
      {98, "Pause"},
  };
  for (auto [root, name] : named) EXPECT_STREQ(rootCommandName(root), name);
  EXPECT_STREQ(rootCommandName(100), "");
  EXPECT_STREQ(rootCommandName(-1), "");
  for (int root = 0; root < 100; ++root) {
    EXPECT_STREQ(lookupDescription(kRootNameTexts, 0, root), rootCommandName(root));
    EXPECT_STREQ(lookupDescription(kRootNameTexts2, 3, root), rootCommandName(root));
  }
}

}  // namespace
