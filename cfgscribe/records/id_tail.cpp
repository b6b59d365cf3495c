// ID tail (type 19): per transmitter port the message numbers appended to
// the initial and the normal identification. A set tail always has its
// command; an unset one (first byte 0xFF) has none.
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kInitialTail = 0;
constexpr std::size_t kNormalTail = 1;

bool isSet(ByteView tail) { return tail.u8(0) != kEndMarker; }

// The tail number shows as many digits as a macro name has: half as many
// bytes, never more than the element holds (the view is cut to it).
void printTail(Sink& s, ByteView tail, unsigned nameDigits) {
  printDigitString(s, tail, nameDigits / 2);
}

}  // namespace

void idTailReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  const unsigned digits = ctx.controller.macroNameDigits();
  const auto tail = [&](const char* label, ByteView t) {
    s.put(label);
    if (!isSet(t)) {
      s.put("None");
      return;
    }
    printTail(s, t, digits);
    s.put('\n');
  };
  groups.section(o, "\nID Tail Message Number\n", [&](unsigned p) {
    s.printf(" Port %u\n", p);
    tail("  Initial ID Tail: ", groups.element(p, kInitialTail));
    tail("\n  Normal  ID Tail: ", groups.element(p, kNormalTail));
    s.put("\n\n");
  });
}

void idTailScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  const unsigned digits = ctx.controller.macroNameDigits();
  // The tail as a comment, then its command in slot `slot`.
  const auto tail = [&](const char* label, ByteView t, unsigned slot) {
    s.put(label);
    if (!isSet(t)) {
      s.put("None");
      return;
    }
    printTail(s, t, digits);
    s.printf("\nMPW 50 0%u ", slot);
    printTail(s, t, digits);
    s.put(" *");
  };
  groups.section(o, "\n; Set ID Tail Message Number\n", [&](unsigned p) {
    // Command slots: 2p - 2 for the initial tail, 2p - 1 for the normal one.
    s.printf(";  ID Tail Message Number Port %u\n", p);
    tail(";   Initial ID Tail Message Number: ", groups.element(p, kInitialTail), 2 * p - 2);
    tail("\n;   Normal ID Tail Message Number : ", groups.element(p, kNormalTail), 2 * p - 1);
    s.put("\n\n");
  });
}

// Not decoded yet: the family still prints from its bytes.
void idTailSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
