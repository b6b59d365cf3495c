// Cold-start values of the fixed-purpose timers, in the units each record
// stores (10 ms, 100 ms, 1 s). Every port starts with the same port values;
// an entry not listed starts at 0.
#pragma once

#include <array>
#include <cstdint>

namespace cfgscribe::records {

constexpr std::array<std::uint16_t, 11> kTimers10MiscDefaults = {
    50,  // 0 Logic Output #1 Momentary Time
    50,  // 1 Logic Output #2 Momentary Time
    50,  // 2 Logic Output #3 Momentary Time
    50,  // 3 Logic Output #4 Momentary Time
    50,  // 4 Logic Output #5 Momentary Time
    50,  // 5 Logic Output #6 Momentary Time
    50,  // 6 Logic Output #7 Momentary Time
    50,  // 7 Logic Output #8 Momentary Time
    50,  // 8 CTCSS #1 Logic Output Momentary Time
    50,  // 9 CTCSS #2 Logic Output Momentary Time
    50,  // 10 CTCSS #3 Logic Output Momentary Time
};

constexpr std::array<std::uint16_t, 19> kTimers10PortDefaults = {
    50,   // 0 courtesy delay
    300,  // 1 dropout delay
    10,   // 2 PTT minimum unkey delay
    25,   // 3 turn-on message delay
    500,  // 4 DTMF interdigit time
    50,   // 5 DTMF mute hang time, first digit
    50,   // 6 DTMF mute hang time, other digits
    500,  // 7 DTMF disconnect time
    0,    // 8 DTMF anti-falsing time
    100,  // 9 anti-kerchunker key-up delay
    25,   // 10 pulse-triggered macro minimum pulse
    200,  // 11 pulse-triggered macro maximum gap
    0,    // 12 COR filter delay
    0,    // 13 CTCSS filter delay
    100,  // 14 message handler inter-page delay
    100,  // 15 CTCSS encoder time
    15,   // 16 CTCSS encoder reverse burst time
    0,    // 17 RX audio gate delay
    0,    // 18 RX flutter filter
};

constexpr std::array<std::uint16_t, 4> kTimers100PortDefaults = {
    50,  // 0 path 1 timeout penalty
    50,  // 1 path 2 timeout penalty
    50,  // 2 path 3 timeout penalty
    30,  // 3 DTMF long tone timer
};

constexpr std::array<std::uint16_t, 12> kTimers1000PortDefaults = {
    180,  // 0 path 1 timeout
    180,  // 1 path 2 timeout
    180,  // 2 path 3 timeout
    60,   // 3 path 1 end-of-activity
    60,   // 4 path 2 end-of-activity
    60,   // 5 path 3 end-of-activity
    180,  // 6 ID interval
    30,   // 7 ID pending
    0,    // 8 timed key
    60,   // 9 antikerchunk re-arm delay
    60,   // 10 TX end-of-activity
    0,    // 11 dropout message time
};

template <std::size_t N>
constexpr unsigned defaultOf(const std::array<std::uint16_t, N>& table, unsigned entry) {
  return entry < N ? table[entry] : 0;
}

// Cold-start value of entry `entry` of resolution `resolution` (0: 10 ms,
// 1: 100 ms, 2: 1 s), from the miscellaneous or the port table.
constexpr unsigned timerDefault(unsigned resolution, bool port, unsigned entry) {
  switch (resolution) {
    case 0: return port ? defaultOf(kTimers10PortDefaults, entry) : defaultOf(kTimers10MiscDefaults, entry);
    case 1: return port ? defaultOf(kTimers100PortDefaults, entry) : 0;
    case 2: return port ? defaultOf(kTimers1000PortDefaults, entry) : 0;
    default: return 0;
  }
}

}  // namespace cfgscribe::records
