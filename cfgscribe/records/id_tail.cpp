// ID tail (type 19): per transmitter port the message numbers appended to
// the initial and the normal identification. A set tail always has its
// command; an unset one (first byte 0xFF) has none.
//
// Settings of port p (group p): entry 0 the initial tail, entry 1 the
// normal one. The value is 1 when a tail is set; its digits are its bytes.
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kInitialTail = 0;
constexpr std::size_t kNormalTail = 1;

// The tail's digits: its bytes are cut to half the macro name digits.
int printTail(Sink& out, const Setting& s) { return printDigitString(out, s.bytes, s.bytes.size()).chars; }

// Command slots: 2p - 2 for the initial tail, 2p - 1 for the normal one.
int tailCommand(Sink& out, const Setting& s) {
  int n = out.printf("MPW 50 0%u ", 2u * s.key.group - 2 + s.key.entry);
  n += printTail(out, s);
  return n + out.put(" *");
}
void tailText(Sink& out, const Setting& s) {
  if (s.value == 0) {
    out.put("None");
  } else {
    printTail(out, s);
  }
}
void tailName(Sink& out, const Setting& s) {
  out.put(s.key.entry == kInitialTail ? "Initial ID Tail Message Number" : "Normal ID Tail Message Number");
}
constexpr SettingKind kSetTail{"message", "", tailCommand, tailName, tailText, tailName};
constexpr SettingKind kUnsetTail{"message", "", nullptr, nullptr, tailText, tailName};

// The tails of one record, decoded on demand.
class Tails {
 public:
  Tails(const Record& r, const WalkContext& ctx)
      : r_(r), groups_(r, ctx.controller.receivers()), digitBytes_(ctx.controller.macroNameDigits() / 2) {}

  const PortGroups& groups() const { return groups_; }
  Setting tail(unsigned p, std::size_t entry) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(p),
                       static_cast<std::uint16_t>(entry), 0};
    // The tail shows as many digits as a macro name has: half as many
    // bytes, never more than the element holds.
    const ByteView element = groups_.element(p, entry);
    s.value = element.u8(0) != kEndMarker ? 1 : 0;
    s.kind = s.value != 0 ? &kSetTail : &kUnsetTail;
    s.bytes = element.sub(0, digitBytes_);
    return s;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned p = 1; p <= groups_.ports(); ++p) {
      onSetting(tail(p, kInitialTail));
      onSetting(tail(p, kNormalTail));
    }
  }

 private:
  const Record& r_;
  PortGroups groups_;
  unsigned digitBytes_;
};

}  // namespace

void idTailReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const Tails tails(r, ctx);
  const auto tail = [&](const char* label, const Setting& t) {
    s.put(label);
    tailText(s, t);
    if (t.value != 0) s.put('\n');
  };
  tails.groups().section(o, "\nID Tail Message Number\n", [&](unsigned p) {
    s.printf(" Port %u\n", p);
    tail("  Initial ID Tail: ", tails.tail(p, kInitialTail));
    tail("\n  Normal  ID Tail: ", tails.tail(p, kNormalTail));
    s.put("\n\n");
  });
}

void idTailScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const Tails tails(r, ctx);
  // The tail as a comment, then its command on a line without a comment.
  const auto tail = [&](const char* label, const Setting& t) {
    s.put(label);
    tailText(s, t);
    if (t.kind->command == nullptr) return;
    s.put('\n');
    t.kind->command(s, t);
  };
  tails.groups().section(o, "\n; Set ID Tail Message Number\n", [&](unsigned p) {
    s.printf(";  ID Tail Message Number Port %u\n", p);
    tail(";   Initial ID Tail Message Number: ", tails.tail(p, kInitialTail));
    tail("\n;   Normal ID Tail Message Number : ", tails.tail(p, kNormalTail));
    s.put("\n\n");
  });
}

void idTailSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  Tails(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
