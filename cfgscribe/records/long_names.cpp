// cfgRec_LongNames: digit sequences of up to eight digits that run a macro,
// each with an enable flag and the ports that accept it.
#include <algorithm>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kFirstSlot = 5;
constexpr std::uint8_t kEnabledBit = 0x80;
constexpr unsigned kPortBits = 3;  // bits 0..2: accepted from ports 1..3

// One slot: flags, macro name (a 3-byte field), digit count, long name (4
// bytes). The slot is cut to the element size, so a short element reads
// its missing fields as 0xFF instead of the next slot's bytes.
struct LongNameSlot {
  LongNameSlot(ByteView bytes, unsigned macroNameDigits)
      : bytes(bytes), macroBytes(std::min<std::size_t>(macroNameDigits / 2, kMacroField)) {}

  static constexpr std::size_t kFlags = 0;
  static constexpr std::size_t kMacro = 1;
  static constexpr std::size_t kMacroField = 3;
  static constexpr std::size_t kDigitCount = 4;
  static constexpr std::size_t kName = 5;
  static constexpr std::size_t kNameField = 4;

  unsigned flags() const { return bytes.u8(kFlags); }
  bool enabled() const { return flags() & kEnabledBit; }
  bool acceptsPort(unsigned p) const { return p >= 1 && p <= kPortBits && (flags() >> (p - 1) & 1); }
  ByteView macro() const { return bytes.sub(kMacro, macroBytes); }
  bool macroSet() const { return macroBytes > 0 && bytes.u8(kMacro) != kEndMarker; }
  unsigned digitCount() const { return bytes.u8(kDigitCount); }
  ByteView name() const { return bytes.sub(kName, kNameField); }
  bool atDefault() const { return flags() == 0 && !macroSet() && digitCount() == 0; }

  ByteView bytes;
  std::size_t macroBytes;
};

// Calls onSlot(k, slot) for each slot; returns the record length.
template <class OnSlot>
void forEachSlot(const Record& r, const WalkContext& ctx, OnSlot onSlot) {
  const std::size_t size = r.elementSize();
  for (unsigned k = 0; k < r.numMisc(); ++k)
    onSlot(k, LongNameSlot(r.sub(kFirstSlot + k * size, size), ctx.controller.macroNameDigits()));
}

void debugHeader(Out& o, const Record& r) {
  o.dbg("Record Type       : %d\n", r.type());
  o.dbg("Attributes        : 0x%x\n", r.attributes());
  o.dbg("Element Size      : %d\n", r.elementSize());
  o.dbg("Num Misc          : %d\n", r.numMisc());
  o.dbg("Num Ports         : %d\n", r.u8(4));
}

// Pads a script line whose counted width is `width` and adds its comment.
void endLine(Out& o, int width, const char* comment, unsigned k) {
  o.toComment(width);
  o.sink.printf("%s %d\n", comment, k);
}

}  // namespace

void longNamesReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\nLong Names\n");
  if (o.debug) debugHeader(o, r);
  const unsigned transmitters = ctx.controller.transmitters();
  forEachSlot(r, ctx, [&](unsigned k, const LongNameSlot& slot) {
    out.printf(" Long Name %d\n", k);
    out.printf("   Enable   :  %s\n", slot.enabled() ? "Enabled" : "Disabled");
    out.put("   Ports    :  ");
    bool anyPort = false;
    for (unsigned p = 1; p <= std::min(transmitters, kPortBits); ++p) {
      if (!slot.acceptsPort(p)) continue;
      if (anyPort) out.put(", ");
      out.printf("%d", p);
      anyPort = true;
    }
    if (!anyPort) out.put("None");
    out.put("\n   Macro    :  ");
    if (slot.macroSet())
      printDigitString(out, slot.macro(), slot.macroBytes);
    else
      out.put("Not Set");
    out.put("\n   Long Name:  ");
    if (slot.digitCount() != 0)
      printDigitString(out, slot.name(), LongNameSlot::kNameField);
    else
      out.put("Not Set");
    out.put('\n');
  });
}

void longNamesScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\n; Long Names\n");
  if (o.debug) debugHeader(o, r);
  bool anyLine = false;
  forEachSlot(r, ctx, [&](unsigned k, const LongNameSlot& slot) {
    const bool atDefault = slot.atDefault();
    if (atDefault && !o.allValues) return;
    anyLine = true;
    // Widths are counted from the fields, not from what was printed: the
    // long name by its digit count, a set macro name as four digits.
    const int lead = atDefault ? 1 : 0;
    const char* comment = atDefault ? ";" : "";

    out.printf("%sMPW 46 %02d 00 %d *", comment, k, slot.enabled() ? 1 : 0);
    endLine(o, lead + 16, "Set Enable For Long Name", k);

    out.printf("%sMPW 46 %02d 01 ", comment, k);
    int printed = printDigitString(out, slot.name(), LongNameSlot::kNameField).chars;
    if (printed > 0) out.put(' ');
    out.put('*');
    endLine(o, lead + 14 + static_cast<int>(slot.digitCount()) + (printed > 0), "Set Long Name", k);

    out.printf("%sMPW 46 %02d 02 ", comment, k);
    printed = printDigitString(out, slot.macro(), slot.macroBytes).chars;
    if (printed > 0) out.put(' ');
    out.put('*');
    endLine(o, lead + 14 + (slot.macroSet() ? 4 : 0) + (printed > 0), "Set Macro For Long Name", k);

    out.printf("%sMPW 46 %02d 03 ", comment, k);
    printed = 0;
    for (unsigned p = 1; p <= kPortBits; ++p)
      if (slot.acceptsPort(p)) printed += out.printf("%d", p);
    if (printed > 0) out.put(' ');
    out.put('*');
    endLine(o, lead + 14 + printed + (printed > 0), "Set Port Access For Long Name", k);
  });
  if (!anyLine) out.put(";   No Long Names Configured\n");
}

// Not decoded yet: the family still prints from its bytes.
void longNamesSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
