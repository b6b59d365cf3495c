// The sentence that spells out a scheduler setpoint's pattern ("Execute
// Macro 1234 Every October, On The Last Sunday Of The Month, At 08:30").
#pragma once

#include "cfgscribe/image.h"

namespace cfgscribe::records {

// Offsets within one setpoint.
struct Setpoint {
  static constexpr std::size_t kMacroName = 0;  // two bytes, four digits
  static constexpr std::size_t kMonth = 3;
  static constexpr std::size_t kDay = 4;
  static constexpr std::size_t kHour = 5;
  static constexpr std::size_t kMinute = 6;
  static constexpr std::size_t kFlags = 7;
  static constexpr std::uint8_t kEvery = 0x99;
  static constexpr std::uint8_t kEnabledBit = 0x01;
};

// Prints the sentence of `setpoint` (its stored bytes), without a line end.
void printSetpointSentence(Sink& out, ByteView setpoint);

}  // namespace cfgscribe::records
