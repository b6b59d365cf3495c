// cfgRec_SchedulerSetpoint: the setpoints in use, as a chain of numbered
// setpoints, each naming a macro and the month, day and time it runs.
#include <algorithm>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/setpoint_text.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kFirstNumber = 4;
constexpr std::size_t kFirstSetpoint = 5;
constexpr unsigned kLastSetpointNumber = 99;

bool isEnabled(ByteView setpoint) { return setpoint.u8(Setpoint::kFlags) & Setpoint::kEnabledBit; }

// A setpoint is one list setting: its bytes are the setpoint, its value
// whether it is in use (the cold start: none is). A setpoint in use has
// two lines: one creates it, one sets its enable state. One not in use has
// the enable line alone, which the script writes (commented, enabled) after
// the create line's template, a placeholder.
enum Line : unsigned { kCreateLine, kEnableLine };
constexpr unsigned kInUse = 1;
// Widths the script counts the commands as: "MPW 28 nn xxxx yy dd hh mm *"
// and "MPW 28 nn 1 *".
constexpr int kCreateWidth = 28;
constexpr int kEnableWidth = 13;

unsigned setpointLines(const Setting& s) { return s.value == kInUse ? 2 : 1; }
Line lineOf(const Setting& s) { return s.value == kInUse && s.line == 0 ? kCreateLine : kEnableLine; }

int setpointCommand(Sink& out, const Setting& s) {
  const unsigned n = s.key.entry;
  if (lineOf(s) == kEnableLine) {
    if (s.value != kInUse || isEnabled(s.bytes)) {
      out.printf("MPW 28 %02u 1 *", n);
    } else {
      out.printf("MPW 28 %02u 0 *", n);
    }
    return kEnableWidth;
  }
  out.printf("MPW 28 %02u ", n);
  printDigitString(out, s.bytes.sub(Setpoint::kMacroName, 2), 2);
  for (std::size_t field : {Setpoint::kMonth, Setpoint::kDay, Setpoint::kHour, Setpoint::kMinute}) {
    out.put(' ');
    printDigitPair(out, s.bytes.u8(field));
  }
  out.put(" *");
  return kCreateWidth;
}
void setpointComment(Sink& out, const Setting& s) {
  if (lineOf(s) == kCreateLine) {
    out.put("Create a Setpoint");
  } else if (s.value != kInUse) {
    out.put("Enabled,  Enable/Disable Setpoint");
  } else {
    out.put(isEnabled(s.bytes) ? "Enabled , Enable/Disable Setpoint" : "Disabled, Enable/Disable Setpoint");
  }
}
// As the report shows it: the enable state and the sentence.
void setpointText(Sink& out, const Setting& s) {
  if (s.value != kInUse) {
    out.put("Not Set");
    return;
  }
  out.put(isEnabled(s.bytes) ? "Enabled,  " : "Disabled, ");
  printSetpointSentence(out, s.bytes);
}
void setpointName(Sink& out, const Setting& s) { out.printf("Setpoint %u", static_cast<unsigned>(s.key.entry)); }
constexpr SettingKind kSetpoint{"setpoint", "", setpointCommand, setpointComment, setpointText, setpointName,
                                setpointLines, nullptr, true};

// The decoded record: the chain of setpoints in use, followed from the
// first setpoint number while the numbers and the count of setpoints read
// stay below the element count, so a chain that points back still ends.
class Setpoints {
 public:
  explicit Setpoints(const Record& r) : r_(r) {}

  // The setpoints in use in chain order, each cut to its element size;
  // with `unused`, setpoints 0 to 99 not yet seen come before each one
  // and after the last. onRun() starts each setpoint in use with the
  // unused ones before it, and the unused ones after the last.
  template <class OnRun, class OnSetting>
  void forEach(bool unused, OnRun onRun, OnSetting onSetting) const {
    const std::size_t size = r_.elementSize();
    const unsigned count = r_.elementCount();
    unsigned next = 0;  // first number not yet written
    auto unusedUpTo = [&](unsigned end) {
      for (; unused && next < end && next <= kLastSetpointNumber; ++next) onSetting(setpoint(next));
    };
    unsigned number = r_.u8(kFirstNumber);
    std::size_t offset = kFirstSetpoint;
    for (unsigned read = 0; number != kEndMarker && number < count && read < count; ++read) {
      onRun();
      unusedUpTo(number);
      onSetting(inUse(number, r_.sub(offset, size)));
      next = std::max(next, number + 1);
      number = r_.u8(offset + size);
      offset += size + 1;
    }
    if (unused) onRun();
    unusedUpTo(kLastSetpointNumber + 1);
  }

 private:
  Setting setpoint(unsigned n) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), 0, static_cast<std::uint16_t>(n), 0};
    s.kind = &kSetpoint;
    s.hasColdStart = true;
    return s;
  }
  // A setpoint cut short reads its missing bytes as 0xFF.
  Setting inUse(unsigned n, ByteView bytes) const {
    Setting s = setpoint(n);
    s.bytes = bytes;
    s.value = kInUse;
    return s;
  }

  const Record& r_;
};

void printByteDigits(Sink& out, ByteView setpoint, std::size_t offset) {
  printDigitString(out, setpoint.sub(offset, 1), 1);
}

// "Setpoint=%d, MacroName=..., Flags=0x%X" with each stored byte as digits.
void printDebugLine(Out& o, unsigned number, ByteView setpoint) {
  Sink& out = o.sink;
  o.dbg("Setpoint=%u, MacroName=", number);
  printDigitString(out, setpoint.sub(Setpoint::kMacroName, 2), 2);
  out.put(", Month=");
  printByteDigits(out, setpoint, Setpoint::kMonth);
  out.put(", Day=");
  printByteDigits(out, setpoint, Setpoint::kDay);
  out.put(", Hour=");
  printByteDigits(out, setpoint, Setpoint::kHour);
  out.put(", Minute=");
  printByteDigits(out, setpoint, Setpoint::kMinute);
  out.printf(", Flags=0x%X\n", setpoint.u8(Setpoint::kFlags));
}

}  // namespace

void schedulerReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.printf("\nScheduler\n Scheduler is %s\n", ctx.schedulerEnabled() ? "Enabled" : "Disabled");
  if (o.debug) debugRecordHeader(o, r);
  bool any = false;
  Setpoints(r).forEach(false, [] {}, [&](const Setting& s) {
    if (o.debug) printDebugLine(o, s.key.entry, s.bytes);
    out.printf("   Setpoint %2u -- ", static_cast<unsigned>(s.key.entry));
    setpointText(out, s);
    out.put('\n');
    any = true;
  });
  if (!any) out.put("   No Setpoints Set\n");
}

void schedulerScript(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  out.put("\n; Set Scheduler Setpoints\n");
  if (o.debug) debugRecordHeader(o, r);
  bool any = false;
  // Setpoints not in use are at their cold start: only -a writes them, as
  // commented template blocks.
  Setpoints(r).forEach(o.allValues, [&] { out.put('\n'); }, [&](const Setting& s) {
    const unsigned n = s.key.entry;
    if (s.value == kInUse) {
      if (o.debug) printDebugLine(o, n, s.bytes);
      out.printf(";  Set Setpoint %u\n;   ", n);
      printSetpointSentence(out, s.bytes);
      out.put('\n');
      any = true;
    } else {
      out.printf(";  Set Setpoint %u\n", n);
      o.commandAs(kCreateWidth, true, "MPW 28 %02u xxxx yy dd hh mm *", n);
      out.put("Create a Setpoint\n");
    }
    Setting line = s;
    for (line.line = 0; line.line < setpointLines(s); ++line.line) o.setting(line);
    if (s.value != kInUse) out.put('\n');
  });
  if (!any && !o.allValues) out.put(";   No Setpoints Set\n");
}

void schedulerSettings(const Record& r, const WalkContext&, SettingVisitor& visitor) {
  Setpoints(r).forEach(true, [] {}, [&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
