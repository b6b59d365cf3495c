// User timers (type 23): general-purpose timers that run a macro when they
// time out. The payload is stored column by column: C enable bytes, C
// 16-bit timeout values, C 3-byte macro names, C resolution codes. The
// script sets only the timeout value and the timeout macro (MPW 49).
#include <algorithm>
#include <iterator>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/record_bounds.h"

namespace cfgscribe::records {
namespace {

constexpr unsigned kDefaultTimeout = 10;     // tenths of a second: 1.0 s
constexpr unsigned kNoMacro = 0xFFFFFF;      // a macro field whose first byte is 0xFF
constexpr std::size_t kMacroField = 3;       // bytes per timer in the macro column
constexpr const char* kResolutionTexts[] = {"100 ms", "10 ms", "1 s", "10 s"};

// A timer's settings, numbered by the column that holds them.
enum Field : std::uint8_t { kEnable, kTimeout, kMacro, kResolution, kFields };

unsigned timerOf(const Setting& s) { return s.key.entry; }

void enableText(Sink& out, const Setting& s) { out.put(s.value != 0 ? "Enabled" : "Disabled"); }
void enableName(Sink& out, const Setting& s) { out.printf("User Timer %u Enable", timerOf(s)); }

// "MPW 49 tt 03 vvvvv *": a fixed width of 20, so the comment starts in
// column 51 for timers 0 to 99.
int timeoutCommand(Sink& out, const Setting& s) {
  out.printf("MPW 49 %02u 03 %5u *", timerOf(s), s.value);
  return 20;
}
void timeoutComment(Sink& out, const Setting& s) {
  out.printf("%4u.%1u seconds, Set User Timer #%u Value ", s.value / 10, s.value % 10, timerOf(s));
}
void timeoutText(Sink& out, const Setting& s) { out.printf("%u.%u s", s.value / 10, s.value % 10); }
void timeoutName(Sink& out, const Setting& s) { out.printf("User Timer %u Value", timerOf(s)); }

// "MPW 49 tt 02 <name> *". The comment's ";" stands where the value line's
// does, but at least two blanks follow a long command: the width counts at
// most 48.
int printMacroAddress(Sink& out, const Setting& s) { return out.printf("MPW 49 %02u 02 ", timerOf(s)); }
int macroCommand(Sink& out, const Setting& s) {
  int printed = printMacroAddress(out, s);
  printed += printDigitString(out, s.bytes, s.bytes.size()).chars;
  printed += out.put(" *");
  return std::min(printed, 48);
}
void macroComment(Sink& out, const Setting& s) { out.printf("Set Macro For User Timer #%u", timerOf(s)); }
// The name, or "----" for no macro.
void macroText(Sink& out, const Setting& s) {
  if (s.value == kNoMacro) {
    out.put("----");
  } else {
    printDigitString(out, s.bytes, s.bytes.size());
  }
}
void macroName(Sink& out, const Setting& s) { out.printf("User Timer %u Macro", timerOf(s)); }

void resolutionText(Sink& out, const Setting& s) {
  if (s.value < std::size(kResolutionTexts)) {
    out.put(kResolutionTexts[s.value]);
  } else {
    out.printf("error: unsupported value, 0x%02x", s.value);
  }
}
void resolutionName(Sink& out, const Setting& s) { out.printf("User Timer %u Resolution", timerOf(s)); }

// By field. Enable flags and resolutions are shown, never set, by the script.
constexpr SettingKind kKinds[kFields] = {
    {"enable", "", nullptr, nullptr, enableText, enableName},
    {"timeout", "s", timeoutCommand, timeoutComment, timeoutText, timeoutName},
    {"macro", "", macroCommand, macroComment, macroText, macroName},
    {"resolution", "", nullptr, nullptr, resolutionText, resolutionName},
};
// No macro, the cold start: no command sets it, the script's line for it
// is a template.
constexpr SettingKind kNoMacroKind{"macro", "", nullptr, macroComment, macroText, macroName};

// Under -a, the commented template of a timer without a macro.
void printMacroTemplate(Out& o, const Setting& s) {
  const int printed = o.sink.put(';') + printMacroAddress(o.sink, s) + o.sink.put("<macroname> *");
  o.toComment(printed);
  macroComment(o.sink, s);
  o.sink.put('\n');
}

// The decoded timers: each timer's fields as settings, made on demand from
// the columns, whose places follow from the element count alone.
class UserTimerSettings {
 public:
  UserTimerSettings(const Record& r, unsigned macroNameDigits)
      : type_(static_cast<std::uint8_t>(r.type())),
        count_(r.elementCount()),
        bytes_(r),
        nameBytes_(std::min<std::size_t>(macroNameDigits / 2, kMacroField)) {
    // Timers are held from 0 up to the first one whose bytes are missing.
    // Its resolution byte is the last of them, so checking it is enough;
    // an element size below 7 leaves every timer's resolution outside.
    while (held_ < count_ && bytes_.has(resolutionAt(held_))) ++held_;
  }

  unsigned count() const { return count_; }
  unsigned held() const { return held_; }

  Setting setting(unsigned i, Field field) const {
    Setting s;
    s.key = SettingKey{type_, 0, static_cast<std::uint16_t>(i), field};
    s.kind = &kKinds[field];
    switch (field) {
      case kEnable: s.value = bytes_.u8(4 + i); break;
      case kTimeout:
        s.value = bytes_.u16(4 + count_ + 2 * std::size_t{i});
        s.coldStart = kDefaultTimeout;
        s.hasColdStart = true;
        break;
      case kMacro:
        // The name is the first (macro name digits / 2) bytes of the field.
        s.value = bytes_.u8(macroAt(i)) == kEndMarker ? kNoMacro : bytes_.u24(macroAt(i));
        s.bytes = bytes_.sub(macroAt(i), nameBytes_);
        s.coldStart = kNoMacro;
        s.hasColdStart = true;
        if (s.atDefault()) s.kind = &kNoMacroKind;
        break;
      default: s.value = bytes_.u8(resolutionAt(i)); break;
    }
    return s;
  }

  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned i = 0; i < held_; ++i) {
      for (unsigned f = 0; f < kFields; ++f) onSetting(setting(i, static_cast<Field>(f)));
    }
  }

 private:
  std::size_t macroAt(unsigned i) const { return 4 + 3 * std::size_t{count_} + kMacroField * i; }
  std::size_t resolutionAt(unsigned i) const { return 4 + 6 * std::size_t{count_} + i; }

  std::uint8_t type_;
  unsigned count_;
  unsigned held_ = 0;
  ByteView bytes_;
  std::size_t nameBytes_;
};

void printTimerReport(const UserTimerSettings& timers, unsigned i, Sink& out) {
  out.printf(" User Timer %u\n", i);
  out.put("   Enable       :  ");
  enableText(out, timers.setting(i, kEnable));
  const unsigned v = timers.setting(i, kTimeout).value;
  out.printf("\n   Timeout Value:  %5u (%4u.%u sec)\n", v, v / 10, v % 10);
  out.put("   Resolution   :  ");
  resolutionText(out, timers.setting(i, kResolution));
  out.put("\n   Timeout Macro:  ");
  macroText(out, timers.setting(i, kMacro));
  out.put('\n');
}

// The section heading, with -d the record header and the column heading.
void heading(Out& o, const Record& r, const char* title) {
  o.sink.put(title);
  if (o.debug) {
    debugRecordHeader(o, r);
    o.dbg("Timers\n");
    o.dbg("   # : Enable  Value   Macro\n");
  }
}

}  // namespace

void userTimersReport(const Record& r, const WalkContext& ctx, Out& o) {
  const UserTimerSettings timers(r, ctx.controller.macroNameDigits());
  heading(o, r, "\nUser Timers\n");
  for (unsigned i = 0; i < timers.held(); ++i) printTimerReport(timers, i, o.sink);
  noteItemsNotShown(o, timers.count() - timers.held(), timers.count(), "timers");
}

void userTimersScript(const Record& r, const WalkContext& ctx, Out& o) {
  const UserTimerSettings timers(r, ctx.controller.macroNameDigits());
  heading(o, r, "\n; Set User Timers\n");
  unsigned lines = 0;
  timers.forEach([&](const Setting& s) {
    if (s.kind == &kNoMacroKind && o.allValues) {
      printMacroTemplate(o, s);
      ++lines;
    } else if (s.kind->command != nullptr && o.setting(s)) {
      ++lines;
    }
  });
  if (timers.held() < timers.count()) {
    // Timers that could not be read are not "not configured".
    noteItemsNotShown(o, timers.count() - timers.held(), timers.count(), "timers");
  } else if (lines == 0) {
    o.sink.put(";   No User Timers Configured\n");
  }
}

void userTimersSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  UserTimerSettings(r, ctx.controller.macroNameDigits()).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
