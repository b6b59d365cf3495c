// Which of the 400 software switches exist and which are on after a cold
// start. Switches 0-99 are the miscellaneous ones; port p owns p*100 to
// p*100+99, and every port has the same set. Numbers 400 and above never
// exist.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace cfgscribe::records {

constexpr unsigned kSwitchCount = 400;

namespace switch_tables {

using Runs = std::initializer_list<std::pair<unsigned, unsigned>>;  // first, last

// Marks the entries of the runs in the miscellaneous group and in every port.
constexpr std::array<bool, kSwitchCount> mark(Runs misc, Runs port) {
  std::array<bool, kSwitchCount> set{};
  for (auto [first, last] : misc)
    for (unsigned n = first; n <= last; ++n) set[n] = true;
  for (unsigned p = 1; p <= 3; ++p)
    for (auto [first, last] : port)
      for (unsigned n = first; n <= last; ++n) set[p * 100 + n] = true;
  return set;
}

constexpr auto kDefined = mark(
    {{0, 4}, {11, 21}, {41, 43}, {60, 99}},
    {{0, 20}, {41, 43}, {51, 53}, {61, 63}, {71, 73}, {81, 83}, {90, 99}});

constexpr auto kOnAtColdStart = mark(
    {{0, 0}, {1, 1}},  // Front Panel Enable, Scheduler Enable
    {{0, 2}, {12, 12}, {17, 17}, {19, 19}, {41, 43}, {51, 53}, {61, 63}});

}  // namespace switch_tables

constexpr bool isDefinedSwitch(unsigned n) { return n < kSwitchCount && switch_tables::kDefined[n]; }

// Cold-start state of a defined switch (off for anything else).
constexpr bool switchDefault(unsigned n) { return n < kSwitchCount && switch_tables::kOnAtColdStart[n]; }

}  // namespace cfgscribe::records
