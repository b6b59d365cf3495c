// cfgRec_SchedulerSetpoint: the setpoints in use, as a chain of numbered
// setpoints, each naming a macro and the month, day and time it runs.
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/setpoint_text.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kFirstNumber = 4;
constexpr std::size_t kFirstSetpoint = 5;
constexpr unsigned kLastSetpointNumber = 99;
// Widths the script counts its setpoint commands as.
constexpr int kCreateWidth = 28;  // "MPW 28 nn xxxx yy dd hh mm *"
constexpr int kEnableWidth = 13;  // "MPW 28 nn 1 *"

// Follows the chain from the first setpoint number while the numbers and
// the count of setpoints read stay below the element count, so a chain
// that points back still ends. onSetpoint(number, bytes) sees each
// setpoint cut to its element size. Returns the record length.
template <class OnSetpoint>
void forEachSetpoint(const Record& r, OnSetpoint onSetpoint) {
  const std::size_t size = r.elementSize();
  const unsigned count = r.elementCount();
  unsigned number = r.u8(kFirstNumber);
  std::size_t offset = kFirstSetpoint;
  for (unsigned read = 0; number != kEndMarker && number < count && read < count; ++read) {
    onSetpoint(number, r.sub(offset, size));
    number = r.u8(offset + size);
    offset += size + 1;
  }
}

bool isEnabled(ByteView setpoint) { return setpoint.u8(Setpoint::kFlags) & Setpoint::kEnabledBit; }

void printByteDigits(Sink& out, ByteView setpoint, std::size_t offset) {
  printDigitString(out, setpoint.sub(offset, 1), 1);
}

// "Setpoint=%d, MacroName=..., Flags=0x%X" with each stored byte as digits.
void printDebugLine(Out& o, unsigned number, ByteView setpoint) {
  Sink& out = o.sink;
  o.dbg("Setpoint=%d, MacroName=", number);
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

// The commented commands of setpoints from..to that are not in use.
void printTemplates(Out& o, unsigned from, unsigned to) {
  for (unsigned k = from; k <= to && k <= kLastSetpointNumber; ++k) {
    o.sink.printf(";  Set Setpoint %d\n", k);
    o.commandAs(kCreateWidth, true, "MPW 28 %02d xxxx yy dd hh mm *", k);
    o.sink.put("Create a Setpoint\n");
    o.commandAs(kEnableWidth, true, "MPW 28 %02d 1 *", k);
    o.sink.put("Enabled,  Enable/Disable Setpoint\n\n");
  }
}

}  // namespace

void schedulerReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.printf("\nScheduler\n Scheduler is %s\n", ctx.schedulerEnabled() ? "Enabled" : "Disabled");
  if (o.debug) debugRecordHeader(o, r);
  bool any = false;
  forEachSetpoint(r, [&](unsigned n, ByteView setpoint) {
    if (o.debug) printDebugLine(o, n, setpoint);
    out.printf("   Setpoint %2d -- %s", n, isEnabled(setpoint) ? "Enabled,  " : "Disabled, ");
    printSetpointSentence(out, setpoint);
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
  unsigned nextTemplate = 0;  // first setpoint number without a block yet
  forEachSetpoint(r, [&](unsigned n, ByteView setpoint) {
    out.put('\n');
    if (o.allValues && n > 0) printTemplates(o, nextTemplate, n - 1);
    if (o.debug) printDebugLine(o, n, setpoint);
    out.printf(";  Set Setpoint %d\n;   ", n);
    printSetpointSentence(out, setpoint);
    out.printf("\nMPW 28 %02d ", n);
    printDigitString(out, setpoint.sub(Setpoint::kMacroName, 2), 2);
    for (std::size_t field : {Setpoint::kMonth, Setpoint::kDay, Setpoint::kHour, Setpoint::kMinute}) {
      out.put(' ');
      printDigitPair(out, setpoint.u8(field));
    }
    out.put(" *");
    o.toComment(kCreateWidth);
    out.put("Create a Setpoint\n");
    const bool enabled = isEnabled(setpoint);
    o.commandAs(kEnableWidth, false, "MPW 28 %02d %s", n, enabled ? "1 *" : "0 *");
    out.printf("%s, Enable/Disable Setpoint\n", enabled ? "Enabled " : "Disabled");
    if (n + 1 > nextTemplate) nextTemplate = n + 1;
    any = true;
  });
  if (o.allValues) {
    out.put('\n');
    printTemplates(o, nextTemplate, kLastSetpointNumber);
  } else if (!any) {
    out.put(";   No Setpoints Set\n");
  }
}

// Not decoded yet: the family still prints from its bytes.
void schedulerSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
