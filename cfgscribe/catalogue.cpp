// The description catalogue as constant data. Every table is built at
// compile time from runs written one per line in entry order; a run that
// leaves a gap or overlaps its neighbour does not compile. The root command
// names live beside it in catalogue_roots.cpp.
#include "cfgscribe/catalogue.h"

#include <array>
#include <string_view>

#include "cfgscribe/catalogue_build.h"

namespace cfgscribe {

namespace {

using catalogue_build::buildTable;
using catalogue_build::character;
using catalogue_build::decimal;
using catalogue_build::makeSeries;
using catalogue_build::twoDigits;

constexpr const char* kReserved = "Reserved";

// ---- Timers ------------------------------------------------------------

constexpr auto kTimers10Misc = buildTable<11>({
    {0, 0, "Logic Output #1 Momentary Time"},
    {1, 1, "Logic Output #2 Momentary Time"},
    {2, 2, "Logic Output #3 Momentary Time"},
    {3, 3, "Logic Output #4 Momentary Time"},
    {4, 4, "Logic Output #5 Momentary Time"},
    {5, 5, "Logic Output #6 Momentary Time"},
    {6, 6, "Logic Output #7 Momentary Time"},
    {7, 7, "Logic Output #8 Momentary Time"},
    {8, 8, "CTCSS #1 Logic Output Momentary Time"},
    {9, 9, "CTCSS #2 Logic Output Momentary Time"},
    {10, 10, "CTCSS #3 Logic Output Momentary Time"},
});

constexpr auto kTimers10Port = buildTable<20>({
    {0, 0, "TX%c Courtesy Delay"},
    {1, 1, "TX%c Dropout Delay"},
    {2, 2, "TX%c PTT Minimum Unkey Delay"},
    {3, 3, "TX%c Turn-On Message Delay Value"},
    {4, 4, "DTMF Decoder Interdigit Time"},
    {5, 5, "DTMF Decoder Mute Hang Time, First Dig"},
    {6, 6, "DTMF Decoder Mute Hang Time, Other Dig"},
    {7, 7, "DTMF Decoder Disconnect Time"},
    {8, 8, "DTMF Decoder Anti-Falsing Time"},
    {9, 9, "COR%c Anti-Kerchunker Key-Up Delay"},
    {10, 10, "COR%c Pulse-Triggered Macro Min Pulse Dur"},
    {11, 11, "COR%c Pulse-Triggered Macro Max Gap Dur"},
    {12, 12, "COR%c Filter Delay"},
    {13, 13, "CTCSS%c Filter Delay"},
    {14, 14, "Message Handler Inter-Page Delay Value"},
    {15, 15, "CTCSS%c Encoder Time Value"},
    {16, 16, "CTCSS%c Encoder Reverse Burst Time Value"},
    {17, 17, "RX%c Audio Gate Delay Timer Value"},
    {18, 18, "RX%c Flutter Filter Timer Value"},
    {19, 19, "TX%c DTMF Cover Tone Interval Value"},
});

constexpr auto kTimers100Port = buildTable<4>({
    {0, 0, "Path 1%c (RX1-TX%c) Timeout Penalty Time Value"},
    {1, 1, "Path 2%c (RX2-TX%c) Timeout Penalty Time Value"},
    {2, 2, "Path 3%c (RX3-TX%c) Timeout Penalty Time Value"},
    {3, 3, "DTMF Decoder #%c Long Tone Timer"},
});

constexpr auto kTimers1000Port = buildTable<12>({
    {0, 0, "Path 1%c (RX1-TX%c) Timeout Value"},
    {1, 1, "Path 2%c (RX2-TX%c) Timeout Value"},
    {2, 2, "Path 3%c (RX3-TX%c) Timeout Value"},
    {3, 3, "Path 1%c End-of-Activity Time Value"},
    {4, 4, "Path 2%c End-of-Activity Time Value"},
    {5, 5, "Path 3%c End-of-Activity Time Value"},
    {6, 6, "TX%c ID Interval Time Value"},
    {7, 7, "TX%c ID Pending Time Value"},
    {8, 8, "TX%c Timed Key"},
    {9, 9, "COR%c Antikerchunk Re-Arm Delay"},
    {10, 10, "TX%c End-of-Activity Time Value"},
    {11, 11, "TX%c Dropout Message Time Value"},
});

// ---- Counters ----------------------------------------------------------

constexpr auto kCountersPort = buildTable<4>({
    {0, 0, "TX%c End-of-Activity Counter"},
    {1, 1, "Path 1%c End-of-Activity Counter"},
    {2, 2, "Path 2%c End-of-Activity Counter"},
    {3, 3, "Path 3%c End-of-Activity Counter"},
});

// ---- Software switches -------------------------------------------------

// "User Switch 60" .. "User Switch 99"
constexpr auto kUserSwitchesMisc =
    makeSeries<40, 16>("User Switch ", [](int k) { return twoDigits(60 + k); }, "");
// "User Switch 0%c90" .. "User Switch 0%c99"
constexpr auto kUserSwitchesPort =
    makeSeries<10, 20>("User Switch 0%c", [](int k) { return twoDigits(90 + k); }, "");

constexpr auto kSwitchesMisc = buildTable<100>({
    {0, 0, "Front Panel Enable"},
    {1, 1, "Scheduler Enable"},
    {2, 2, "Daylight Saving Time (USA) Enable"},
    {3, 3, "Macro Erase Command Returns OK Enable"},
    {4, 4, "Macro-Only Password Decoding Enable"},
    {5, 10, kReserved},
    {11, 11, "Logic Output 1 Inversion"},
    {12, 12, "Logic Output 2 Inversion"},
    {13, 13, "Logic Output 3 Inversion"},
    {14, 14, "Logic Output 4 Inversion"},
    {15, 15, "Logic Output 5 Inversion"},
    {16, 16, "Logic Output 6 Inversion"},
    {17, 17, "Logic Output 7 Inversion"},
    {18, 18, "Logic Output 8 Inversion"},
    {19, 19, "CTCSS Logic Output 1 Inversion"},
    {20, 20, "CTCSS Logic Output 2 Inversion"},
    {21, 21, "CTCSS Logic Output 3 Inversion"},
    {22, 40, kReserved},
    {41, 41, "Analog Input 1 Range Select"},
    {42, 42, "Analog Input 2 Range Select"},
    {43, 43, "Analog Input 3 Range Select"},
    {44, 59, kReserved},
    kUserSwitchesMisc.at(60),  // 60-99
});

constexpr auto kSwitchesPort = buildTable<100>({
    {0, 0, "DTMF Command Responses Enable"},
    {1, 1, "DTMF OK Command Responses Enable"},
    {2, 2, "DTMF Error Command Responses Enable"},
    {3, 3, "DTMF End-Of-Transmission Command Execution Enable"},
    {4, 4, "DTMF Command Execution on Interdigit Timer Enable"},
    {5, 5, "DTMF Disconnect Timer Enable"},
    {6, 6, "DTMF Long Tones Enable"},
    {7, 7, "DTMF 4th Digit Command Execution Enable"},
    {8, 8, "COR Logic Input Simulate Request"},
    {9, 9, "CTCSS Logic Input Simulate Request"},
    {10, 10, "Anti-Kerchunk Enable"},
    {11, 11, "Anti-Kerchunk No-Hangtime Mode Enable"},
    {12, 12, "TX%c PTT Enable"},
    {13, 13, "TX%c Key PTT Untimed"},
    {14, 14, "TX%c Send Initial ID Message"},
    {15, 15, "TX%c Send Normal ID Message"},
    {16, 16, "Message Handler Beep Gap Default Enable"},
    {17, 17, "CTCSS Controls CTCSS Logic Output Enable"},
    {18, 18, "DTMF Macro Command Responses Enable"},
    {19, 19, "RX%c Enable"},
    {20, 20, "CTCSS Encode During Anti-Kerchunk Enable"},
    {21, 40, kReserved},
    {41, 41, "Path 1%c (RX1-TX%c) Enable"},
    {42, 42, "Path 2%c (RX2-TX%c) Enable"},
    {43, 43, "Path 3%c (RX3-TX%c) Enable"},
    {44, 50, kReserved},
    {51, 51, "Path 1%c (RX1-TX%c) DTMF Mute Enable"},
    {52, 52, "Path 2%c (RX2-TX%c) DTMF Mute Enable"},
    {53, 53, "Path 3%c (RX3-TX%c) DTMF Mute Enable"},
    {54, 60, kReserved},
    {61, 61, "Path 1%c (RX1-TX%c) Timeout Timer Enable"},
    {62, 62, "Path 2%c (RX2-TX%c) Timeout Timer Enable"},
    {63, 63, "Path 3%c (RX3-TX%c) Timeout Timer Enable"},
    {64, 70, kReserved},
    {71, 71, "Path 1%c (RX1-TX%c) Timeout Timer Reset"},
    {72, 72, "Path 2%c (RX2-TX%c) Timeout Timer Reset"},
    {73, 73, "Path 3%c (RX3-TX%c) Timeout Timer Reset"},
    {74, 80, kReserved},
    {81, 81, "Path 1%c (RX1-TX%c) DTMF Mute Bypass Enable"},
    {82, 82, "Path 2%c (RX2-TX%c) DTMF Mute Bypass Enable"},
    {83, 83, "Path 3%c (RX3-TX%c) DTMF Mute Bypass Enable"},
    {84, 89, kReserved},
    kUserSwitchesPort.at(90),  // 90-99
});

// ---- Messages ----------------------------------------------------------

// "User Message #1" .. "User Message #10"
constexpr auto kUserMessages =
    makeSeries<10, 20>("User Message #", [](int k) { return decimal(1 + k); }, "");

constexpr auto kMessagesMisc = buildTable<25>({
    {0, 0, "Warm Reset Command Response Message"},
    {1, 1, "OK Command Response Message"},
    {2, 2, "Error 1 (Digit Count Error) Command Response Message"},
    {3, 3, "Error 2 (Data Error) Command Response Message"},
    {4, 14, kReserved},
    kUserMessages.at(15),  // 15-24
});

constexpr auto kMessagesPort = buildTable<14>({
    {0, 0, "Path 1%c (RX1-TX%c) Courtesy Message"},
    {1, 1, "Path 2%c (RX2-TX%c) Courtesy Message"},
    {2, 2, "Path 3%c (RX3-TX%c) Courtesy Message"},
    {3, 3, "Path 1%c (RX1-TX%c) Timeout Message"},
    {4, 4, "Path 2%c (RX2-TX%c) Timeout Message"},
    {5, 5, "Path 3%c (RX3-TX%c) Timeout Message"},
    {6, 6, "Path 1%c (RX1-TX%c) Timeout End Message"},
    {7, 7, "Path 2%c (RX2-TX%c) Timeout End Message"},
    {8, 8, "Path 3%c (RX3-TX%c) Timeout End Message"},
    {9, 9, "TX%c Initial ID Message"},
    {10, 10, "TX%c Normal ID Message"},
    {11, 11, "TX%c Impolite ID Message"},
    {12, 12, "TX%c Dropout Message"},
    {13, 13, "TX%c DTMF Cover Tone Message"},
});

// ---- Event-triggered macros --------------------------------------------

// "COR Pulse-Triggered Macro for 2 Pulses for RX%c" .. "... 9 Pulses ..."
constexpr auto kPulseMacros = makeSeries<8, 52>(
    "COR Pulse-Triggered Macro for ", [](int k) { return decimal(2 + k); }, " Pulses for RX%c");
// "DTMF Decoder Long Tone 0 Macro" .. "DTMF Decoder Long Tone # Macro"
constexpr const char kLongToneKeys[] = "0123456789ABCD*#";
constexpr auto kLongToneMacros = makeSeries<16, 32>(
    "DTMF Decoder Long Tone ", [](int k) { return character(kLongToneKeys[k]); }, " Macro");

constexpr auto kEtmsMisc = buildTable<69>({
    {0, 0, "Power-On Reset Macro"},
    {1, 1, "Battery Good-to-Not-Good Macro"},
    {2, 60, kReserved},
    {61, 61, "Logic Input 1 Hi-to-Lo Macro"},
    {62, 62, "Logic Input 1 Lo-to-Hi Macro"},
    {63, 63, "Logic Input 2 Hi-to-Lo Macro"},
    {64, 64, "Logic Input 2 Lo-to-Hi Macro"},
    {65, 65, "Logic Input 3 Hi-to-Lo Macro"},
    {66, 66, "Logic Input 3 Lo-to-Hi Macro"},
    {67, 67, "Logic Input 4 Hi-to-Lo Macro"},
    {68, 68, "Logic Input 4 Lo-to-Hi Macro"},
});

constexpr auto kEtmsPort = buildTable<100>({
    {0, 0, "DTMF Decoder Any Long Tone Macro"},
    {1, 1, "DTMF Decoder Digit-Decoded Macro"},
    {2, 2, "Any-Path-Active To TX%c Macro"},
    {3, 3, "All-Paths-Inactive To TX%c Macro"},
    {4, 4, "TX%c Dropout Macro"},
    {5, 5, "PTT%c Inactive-to-Active Macro"},
    {6, 6, "PTT%c Active-to-Inactive Before Unkey Delay Macro"},
    {7, 7, "PTT%c Active-to-Inactive After Unkey Delay Macro"},
    {8, 8, "TX%c Initial ID Macro"},
    {9, 9, "TX%c Polite ID Macro"},
    {10, 10, "TX%c Impolite ID Macro"},
    {11, 11, "CTCSS Encoder Inactive-to-Active Macro"},
    {12, 12, "CTCSS Encoder Active-to-Inactive Macro"},
    {13, 13, "TX%c Start-of-Activity Macro"},
    {14, 14, "TX%c End-of-Activity Macro"},
    {15, 15, "COR%c Input Hi-to-Lo Macro"},
    {16, 16, "COR%c Input Lo-to-Hi Macro"},
    {17, 17, "CTCSS%c Input Hi-to-Lo Macro"},
    {18, 18, "CTCSS%c Input Lo-to-Hi Macro"},
    {19, 19, "Courtesy Delay Violation Macro for TX"},
    {20, 21, kReserved},
    {22, 22, "Courtesy Macro for Path RX1-to-TX%c"},
    {23, 23, "Courtesy Macro for Path RX2-to-TX%c"},
    {24, 24, "Courtesy Macro for Path RX3-to-TX%c"},
    {25, 29, kReserved},
    {30, 30, "Timeout Macro for Path RX1-to-TX%c"},
    {31, 31, "Timeout Macro for Path RX2-to-TX%c"},
    {32, 32, "Timeout Macro for Path RX3-to-TX%c"},
    {33, 37, kReserved},
    {38, 38, "Timeout End Macro for Path RX1-to-TX%c"},
    {39, 39, "Timeout End Macro for Path RX2-to-TX%c"},
    {40, 40, "Timeout End Macro for Path RX3-to-TX%c"},
    {41, 45, kReserved},
    {46, 46, "Start-of-Activity Macro for Path RX1-to-TX%c"},
    {47, 47, "Start-of-Activity Macro for Path RX2-to-TX%c"},
    {48, 48, "Start-of-Activity Macro for Path RX3-to-TX%c"},
    {49, 53, kReserved},
    {54, 54, "End-of-Activity Macro for Path RX1-to-TX%c"},
    {55, 55, "End-of-Activity Macro for Path RX2-to-TX%c"},
    {56, 56, "End-of-Activity Macro for Path RX3-to-TX%c"},
    {57, 70, kReserved},
    {71, 71, "COR Pulse-Triggered Macro for 1 Pulse for RX%c"},
    kPulseMacros.at(72),  // 72-79
    {80, 83, kReserved},
    kLongToneMacros.at(84),  // 84-99
});

// ---- Coded values ------------------------------------------------------

// CTCSS tone frequencies in hertz; 150.0 stands last, out of order.
constexpr std::array<const char*, 65> kCtcssTones = {
    "33.0",   // 0
    "35.4",   // 1
    "36.6",   // 2
    "37.9",   // 3
    "39.6",   // 4
    "44.4",   // 5
    "47.5",   // 6
    "49.2",   // 7
    "51.2",   // 8
    "53.0",   // 9
    "54.9",   // 10
    "56.8",   // 11
    "58.8",   // 12
    "63.0",   // 13
    "67.0",   // 14
    "69.4",   // 15
    "71.9",   // 16
    "74.4",   // 17
    "77.0",   // 18
    "79.7",   // 19
    "82.5",   // 20
    "85.4",   // 21
    "88.5",   // 22
    "91.5",   // 23
    "94.8",   // 24
    "97.4",   // 25
    "100.0",  // 26
    "103.5",  // 27
    "107.2",  // 28
    "110.9",  // 29
    "114.8",  // 30
    "118.8",  // 31
    "123.0",  // 32
    "127.3",  // 33
    "131.8",  // 34
    "136.5",  // 35
    "141.3",  // 36
    "146.2",  // 37
    "151.4",  // 38
    "156.7",  // 39
    "159.8",  // 40
    "162.2",  // 41
    "165.5",  // 42
    "167.9",  // 43
    "171.3",  // 44
    "173.8",  // 45
    "177.3",  // 46
    "179.9",  // 47
    "183.5",  // 48
    "186.2",  // 49
    "189.9",  // 50
    "192.8",  // 51
    "196.6",  // 52
    "199.5",  // 53
    "203.5",  // 54
    "206.5",  // 55
    "210.7",  // 56
    "218.1",  // 57
    "225.7",  // 58
    "229.1",  // 59
    "233.6",  // 60
    "241.8",  // 61
    "250.3",  // 62
    "254.1",  // 63
    "150.0",  // 64
};

constexpr std::array<const char*, 6> kCtcssModes = {
    "OFF",                                                                         // 0
    "Follow PTT, Turn OFF Before Minimum Unkey Delay",                             // 1
    "Follow PTT",                                                                  // 2
    "Turn ON With PTT, Turn OFF At CTCSS On Time",                                 // 3
    "Turn ON With Any Path Active, Turn OFF With All Path Inactive At CTCSS On Time",  // 4
    "Always ON",                                                                   // 5
};

constexpr std::array<const char*, 3> kReverseBursts = {
    "OFF",         // 0
    "120-degree",  // 1
    "180-degree",  // 2
};

// Right-aligned to five characters, as the serial ports print them.
constexpr std::array<const char*, 7> kBaudRates = {
    " 1200",  // 0
    " 2400",  // 1
    " 4800",  // 2
    " 9600",  // 3
    "19200",  // 4
    "38400",  // 5
    "57600",  // 6
};

// ---- Lookup ------------------------------------------------------------

template <std::size_t N>
const char* entryOf(const std::array<const char*, N>& table, unsigned index) {
  return index < N ? table[index] : "";
}

const char* miscEntry(Catalogue kind, unsigned index) {
  switch (kind) {
    case Catalogue::kTimers10: return entryOf(kTimers10Misc, index);
    case Catalogue::kSwitches: return entryOf(kSwitchesMisc, index);
    case Catalogue::kMessages: return entryOf(kMessagesMisc, index);
    case Catalogue::kEtms: return entryOf(kEtmsMisc, index);
    case Catalogue::kCtcssTones: return entryOf(kCtcssTones, index);
    case Catalogue::kCtcssModes: return entryOf(kCtcssModes, index);
    case Catalogue::kReverseBursts: return entryOf(kReverseBursts, index);
    case Catalogue::kBaudRates: return entryOf(kBaudRates, index);
    default: return "";  // 100 ms and 1 s timers and counters have none
  }
}

const char* portEntry(Catalogue kind, unsigned entry) {
  switch (kind) {
    case Catalogue::kTimers10: return entryOf(kTimers10Port, entry);
    case Catalogue::kTimers100: return entryOf(kTimers100Port, entry);
    case Catalogue::kTimers1000: return entryOf(kTimers1000Port, entry);
    case Catalogue::kSwitches: return entryOf(kSwitchesPort, entry);
    case Catalogue::kMessages: return entryOf(kMessagesPort, entry);
    case Catalogue::kEtms: return entryOf(kEtmsPort, entry);
    case Catalogue::kCounters: return entryOf(kCountersPort, entry);
    default: return "";
  }
}

// Coded values have one table, whatever the port. Port entries are often
// numbered port x 100 + entry: `wrap` takes them modulo 100.
const char* entry(Catalogue kind, unsigned port, unsigned index, bool wrap) {
  if (port == 0 || kind >= Catalogue::kCtcssTones) return miscEntry(kind, index);
  return portEntry(kind, wrap ? index % 100 : index);
}

}  // namespace

const char* lookupDescription(Catalogue kind, unsigned port, unsigned index) {
  return entry(kind, port, index, true);
}

bool isDefinedEntry(Catalogue kind, unsigned port, unsigned index) {
  const std::string_view text = entry(kind, port, index, false);
  return !text.empty() && text != kReserved;
}

int printDescription(orva::Sink& out, const char* text, char portChar) {
  std::string_view rest(text);
  int printed = 0;
  for (std::size_t marker = rest.find("%c"); marker != std::string_view::npos; marker = rest.find("%c")) {
    printed += out.put(rest.substr(0, marker));
    printed += out.put(portChar);
    rest.remove_prefix(marker + 2);
  }
  return printed + out.put(rest);
}

}  // namespace cfgscribe
