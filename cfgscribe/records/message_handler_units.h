// The message handler's settings and the rules that turn their stored codes
// into words per minute, hertz, milliseconds and decibels.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/sink.h"

namespace cfgscribe::records {

// CW speed: the code is the dot length in 10 ms units. Ten codes are valid;
// each has the speed number the MPW 12 command takes. Any other code has
// number and words per minute -1.
struct CwSpeed {
  int number;
  int wpm;
};
CwSpeed cwSpeed(unsigned code);

constexpr unsigned toneHertz(unsigned code) { return 5 * code + 260; }
constexpr unsigned durationMs(unsigned value) { return 10 * value; }

// A level code c is an attenuation of c/2 dB, printed as "%3d.%d" of the
// whole decibels and tenths. Code 1 (half a decibel) has no whole part to
// carry the sign, so it prints " -0.5", as wide as the others.
int printLevel(orva::Sink& out, unsigned code);

// The owner-fixed single-tone beeps of the miscellaneous group: the tone
// code of beep b is the 16-bit value at group offset 2b.
constexpr unsigned kFixedBeeps = 6;
constexpr std::uint16_t kDefaultBeepCodes[kFixedBeeps] = {48, 98, 148, 198, 248, 298};

// How a port setting is stored, shown and commanded.
enum class HandlerUnit : std::uint8_t {
  kCwSpeed,       // 1 byte, CW speed table, MPW 12
  kCwTone,        // 2 bytes, tone code, MPW 06
  kLevel,         // 1 byte, level rule, MPW 10 with a level selector
  kBeepDuration,  // 2 bytes, 10 ms units, MPW 08, shown "%2d ms"
  kDtmfDuration,  // 2 bytes, 10 ms units, MPW 08, shown "%3d ms"
};

constexpr std::size_t settingWidth(HandlerUnit unit) {
  return unit == HandlerUnit::kCwSpeed || unit == HandlerUnit::kLevel ? 1 : 2;
}

// One setting of a port group, in the order the report rows and the script
// sub-blocks list them.
struct PortSetting {
  std::uint8_t block;          // index into kSettingBlocks
  HandlerUnit unit;
  std::uint8_t offset;         // within the port group
  std::uint8_t selector;       // level selector of MPW 10, or duration n of MPW 08 (4 x port + n)
  std::uint16_t defaultValue;  // cold-start default
  const char* label;           // report row label
  const char* name;            // what the command selects
};

// Headings of the groups of settings, shared by the report and the script.
constexpr const char* kSettingBlocks[] = {
    "CW",           "Beep, Both Single-Tone and Dual-Tone", "Single-Tone Beep", "Dual-Tone Beep",
    "Single-Tone Page", "Two-Tone Page",                    "5/6-Tone Page",    "DTMF",
    "SELCAL",       "Speech",
};
constexpr std::size_t kSettingBlockCount = sizeof kSettingBlocks / sizeof kSettingBlocks[0];

constexpr PortSetting kPortSettings[] = {
    {0, HandlerUnit::kCwSpeed, 0, 0, 6, "    Speed     : ", "Select CW Speed"},
    {0, HandlerUnit::kCwTone, 1, 0, 248, "    Frequency : ", "Select CW Frequency"},
    {0, HandlerUnit::kLevel, 3, 0, 12, "    Level     : ", "Select CW Level"},
    {1, HandlerUnit::kBeepDuration, 4, 0, 6, "    Duration  : ", "Select Beep Duration"},
    {1, HandlerUnit::kBeepDuration, 6, 1, 2, "    Gap       : ", "Select Gap Duration"},
    {2, HandlerUnit::kLevel, 8, 1, 12, "    Level     : ", "Select Single-Tone Beep Level"},
    {3, HandlerUnit::kLevel, 9, 2, 12, "    Level     : ", "Select Dual-Tone Beep Level"},
    {4, HandlerUnit::kLevel, 10, 3, 6, "    Level     : ", "Select Single-Tone Page Level"},
    {5, HandlerUnit::kLevel, 11, 4, 6, "    Level     : ", "Select Two-Tone Page Level"},
    {6, HandlerUnit::kLevel, 12, 5, 6, "    Level     : ", "Select 5/6-Tone Beep Level"},
    {7, HandlerUnit::kDtmfDuration, 13, 2, 10, "    Duration  : ", "Select DTMF Duration"},
    {7, HandlerUnit::kDtmfDuration, 15, 3, 10, "    Gap       : ", "Select DTMF Gap"},
    {7, HandlerUnit::kLevel, 17, 6, 6, "    Level     : ", "Select DTMF Tone Level"},
    {8, HandlerUnit::kLevel, 18, 7, 6, "    Level     : ", "Select SELCAL Page Level"},
    {9, HandlerUnit::kLevel, 19, 8, 0, "    Level     : ", "Select Speech Playback Level"},
};

}  // namespace cfgscribe::records
