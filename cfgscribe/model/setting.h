// The decoded configuration: every value a record holds, as a setting with
// a stable identity, a value, its cold-start default and the keypad command
// that sets it. Record families decode their records into settings; the
// report, the script and the JSON export read the settings, never the bytes.
#pragma once

#include <compare>
#include <cstdint>

#include "common/byte_view.h"
#include "common/sink.h"

namespace cfgscribe {

using orva::ByteView;
using orva::Sink;

// Where a setting lives. The same setting has the same key in every file of
// the same controller definition, so two files compare setting by setting.
struct SettingKey {
  std::uint8_t type = 0;    // record type
  std::uint8_t group = 0;   // 0 miscellaneous, 1.. a port
  std::uint16_t entry = 0;  // the entry's number in its group
  std::uint8_t field = 0;   // the field of the entry, for entries of several

  friend auto operator<=>(const SettingKey&, const SettingKey&) = default;
};

struct Setting;
struct WalkContext;

// What a kind of setting is and how each output shows it. One constant per
// kind, written as data beside its record family.
struct SettingKind {
  const char* field;  // its name in the JSON export (stable)
  const char* unit;   // "ms", "s", "Hz", "dB" or "" for a plain number or code
  // The keypad command for the setting's value, as the script prints it
  // (without a leading ";", padding or comment). Returns the width the
  // comment column counts: what was printed, or the fixed width the
  // controller's documentation gives the command. nullptr: no command
  // (settings only the report shows). A list's commands are its lines,
  // each ended by "\n" but the last.
  int (*command)(Sink& out, const Setting& s);
  // The script's comment after "; ", without its line end.
  void (*comment)(Sink& out, const Setting& s);
  // The value as the outputs show it, with its unit ("500 ms").
  void (*text)(Sink& out, const Setting& s);
  // The setting's name from the catalogue, its port marker filled in.
  void (*name)(Sink& out, const Setting& s);
  // A list (a macro with its commands, a priority list): its value is the
  // whole list, in `bytes`, and it is set by several command lines; `lines`
  // counts them and `command` writes the one numbered by Setting::line.
  // nullptr: one command line.
  unsigned (*lines)(const Setting& s) = nullptr;
  // The command that removes an entry the controller can hold or not (a
  // macro: "MPW 21" and its name); returns the width the comment column
  // counts. nullptr: an entry is removed by setting its cold-start value,
  // where it has one, or by hand.
  int (*remove)(Sink& out, const Setting& s) = nullptr;
  // At its cold-start value the setting's lines are a template to fill in
  // (a setpoint not in use), not commands that restore that value.
  bool templateAtDefault = false;
};

struct Setting {
  SettingKey key;
  const SettingKind* kind = nullptr;
  unsigned value = 0;
  ByteView bytes;     // a list's or a text's stored bytes
  unsigned line = 0;  // the command line a list's `command` writes
  // What earlier records defined, for kinds whose texts depend on it (a
  // macro's commands are read against the password table). It outlives
  // the setting: the walk's, or a copy kept with the record.
  const WalkContext* context = nullptr;
  unsigned coldStart = 0;
  bool hasColdStart = false;

  bool atDefault() const { return hasColdStart && value == coldStart; }
};

// Receives the settings of a record, in the order the script writes them.
class SettingVisitor {
 public:
  virtual void setting(const Setting& s) = 0;

 protected:
  ~SettingVisitor() = default;
};

}  // namespace cfgscribe
