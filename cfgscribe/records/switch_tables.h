// Which of the 400 software switches exist and which are on after a cold
// start. Switches 0-99 are the miscellaneous ones; port p owns p*100 to
// p*100+99, and every port has the same set. Numbers 400 and above never
// exist.
#pragma once

#include "cfgscribe/catalogue.h"
#include "cfgscribe/catalogue_build.h"

namespace cfgscribe::records {

constexpr unsigned kSwitchCount = 400;

namespace switch_tables {

using catalogue_build::buildTable;
constexpr bool kOn = true;
constexpr bool kOff = false;

constexpr auto kMiscOnAtColdStart = buildTable<100, bool>({
    {0, 1, kOn},  // Front Panel Enable, Scheduler Enable
    {2, 99, kOff},
});

constexpr auto kPortOnAtColdStart = buildTable<100, bool>({
    {0, 2, kOn},   {3, 11, kOff},  {12, 12, kOn}, {13, 16, kOff}, {17, 17, kOn},
    {18, 18, kOff}, {19, 19, kOn}, {20, 40, kOff}, {41, 43, kOn}, {44, 50, kOff},
    {51, 53, kOn}, {54, 60, kOff}, {61, 63, kOn}, {64, 99, kOff},
});

}  // namespace switch_tables

// A switch exists where the catalogue describes it.
inline bool isDefinedSwitch(unsigned n) {
  return n < kSwitchCount && isDefinedEntry(Catalogue::kSwitches, n / 100, n % 100);
}

// Cold-start state of a defined switch (off for anything else).
constexpr bool switchDefault(unsigned n) {
  if (n >= kSwitchCount) return false;
  return n < 100 ? switch_tables::kMiscOnAtColdStart[n] : switch_tables::kPortOnAtColdStart[n % 100];
}

}  // namespace cfgscribe::records
