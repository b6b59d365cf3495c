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
constexpr std::size_t kMacroField = 3;

// One slot: flags, macro name (a 3-byte field), digit count, long name (4
// bytes). The slot is cut to the element size, so a short element reads
// its missing fields as 0xFF instead of the next slot's bytes.
struct LongNameSlot {
  static constexpr std::size_t kFlags = 0;
  static constexpr std::size_t kMacro = 1;
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

  ByteView bytes;
  std::size_t macroBytes;  // of the macro field: half the macro name digits
};

// A long name is one list setting: its bytes are the slot, its four
// command lines set the enable flag, the digits, the macro and the ports.
// Its value holds what decides its cold-start state: the flags, the digit
// count and whether a macro is set; the cold start is all three clear.
enum Line : unsigned { kEnableLine, kNameLine, kMacroLine, kPortLine, kLines };

unsigned slotValue(const LongNameSlot& slot) {
  return slot.flags() << 16 | slot.digitCount() << 8 | (slot.macroSet() ? 1 : 0);
}

unsigned longNameLines(const Setting&) { return kLines; }
LongNameSlot slotOf(const Setting& s);

// Each line's width is counted from the fields, not from what was printed:
// the long name by its digit count, a set macro name as four digits.
int longNameCommand(Sink& out, const Setting& s) {
  const LongNameSlot slot = slotOf(s);
  const unsigned k = s.key.entry;
  if (s.line == kEnableLine) {
    out.printf("MPW 46 %02u 00 %u *", k, slot.enabled() ? 1 : 0);
    return 16;
  }
  out.printf("MPW 46 %02u %02u ", k, s.line);
  int printed = 0;
  int counted = 0;
  if (s.line == kNameLine) {
    printed = printDigitString(out, slot.name(), LongNameSlot::kNameField).chars;
    counted = static_cast<int>(slot.digitCount());
  } else if (s.line == kMacroLine) {
    printed = printDigitString(out, slot.macro(), slot.macroBytes).chars;
    counted = slot.macroSet() ? 4 : 0;
  } else {
    for (unsigned p = 1; p <= kPortBits; ++p) {
      if (slot.acceptsPort(p)) printed += out.printf("%u", p);
    }
    counted = printed;
  }
  if (printed > 0) out.put(' ');
  out.put('*');
  return 14 + counted + (printed > 0 ? 1 : 0);
}
void longNameComment(Sink& out, const Setting& s) {
  constexpr const char* kComments[kLines] = {"Set Enable For Long Name", "Set Long Name", "Set Macro For Long Name",
                                             "Set Port Access For Long Name"};
  out.printf("%s %u", kComments[s.line < kLines ? s.line : kPortLine], static_cast<unsigned>(s.key.entry));
}
// The long name's digits, or "Not Set".
void longNameText(Sink& out, const Setting& s) {
  const LongNameSlot slot = slotOf(s);
  if (slot.digitCount() != 0) {
    printDigitString(out, slot.name(), LongNameSlot::kNameField);
  } else {
    out.put("Not Set");
  }
}
void longNameName(Sink& out, const Setting& s) { out.printf("Long Name %u", static_cast<unsigned>(s.key.entry)); }

// By the macro field's width in bytes (0 to 3), which the slot alone does
// not tell: the controller's macro name digits decide it.
constexpr SettingKind kKinds[kMacroField + 1] = {
    {"longName", "", longNameCommand, longNameComment, longNameText, longNameName, longNameLines},
    {"longName", "", longNameCommand, longNameComment, longNameText, longNameName, longNameLines},
    {"longName", "", longNameCommand, longNameComment, longNameText, longNameName, longNameLines},
    {"longName", "", longNameCommand, longNameComment, longNameText, longNameName, longNameLines},
};

LongNameSlot slotOf(const Setting& s) { return {s.bytes, static_cast<std::size_t>(s.kind - kKinds)}; }

// The decoded record: slot k as setting k, made on demand.
class LongNames {
 public:
  LongNames(const Record& r, const WalkContext& ctx)
      : r_(r), kind_(kKinds[std::min<std::size_t>(ctx.controller.macroNameDigits() / 2, kMacroField)]) {}

  unsigned count() const { return r_.numMisc(); }
  Setting setting(unsigned k) const {
    const std::size_t size = r_.elementSize();
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), 0, static_cast<std::uint16_t>(k), 0};
    s.kind = &kind_;
    s.bytes = r_.sub(kFirstSlot + k * size, size);
    s.value = slotValue(slotOf(s));
    s.hasColdStart = true;
    return s;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned k = 0; k < count(); ++k) onSetting(setting(k));
  }

 private:
  const Record& r_;
  const SettingKind& kind_;
};

// Record Type, Attributes and Element Size, then Num Misc and Num Ports
// (this record's own spelling).
void debugHeader(Out& o, const Record& r) {
  debugHeaderLines(o, r, HeaderLines::kMiscAndPorts);
}

}  // namespace

void longNamesReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\nLong Names\n");
  if (o.debug) debugHeader(o, r);
  const unsigned transmitters = ctx.controller.transmitters();
  LongNames(r, ctx).forEach([&](const Setting& s) {
    const LongNameSlot slot = slotOf(s);
    out.printf(" Long Name %u\n", static_cast<unsigned>(s.key.entry));
    out.printf("   Enable   :  %s\n", slot.enabled() ? "Enabled" : "Disabled");
    out.put("   Ports    :  ");
    bool anyPort = false;
    for (unsigned p = 1; p <= std::min(transmitters, kPortBits); ++p) {
      if (!slot.acceptsPort(p)) continue;
      if (anyPort) out.put(", ");
      out.printf("%u", p);
      anyPort = true;
    }
    if (!anyPort) out.put("None");
    out.put("\n   Macro    :  ");
    if (slot.macroSet()) {
      printDigitString(out, slot.macro(), slot.macroBytes);
    } else {
      out.put("Not Set");
    }
    out.put("\n   Long Name:  ");
    longNameText(out, s);
    out.put('\n');
  });
}

void longNamesScript(const Record& r, const WalkContext& ctx, Out& o) {
  o.sink.put("\n; Long Names\n");
  if (o.debug) debugHeader(o, r);
  bool anyLine = false;
  LongNames(r, ctx).forEach([&](const Setting& s) {
    Setting line = s;
    for (line.line = 0; line.line < kLines; ++line.line) anyLine = o.setting(line) || anyLine;
  });
  if (!anyLine) o.sink.put(";   No Long Names Configured\n");
}

void longNamesSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  LongNames(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
