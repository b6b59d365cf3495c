// CTCSS encoders (type 18): per transmitter port the sub-audible tone, the
// encoder mode and the reverse burst. The script writes both commands for
// every port, commented out when the value is the cold-start default.
//
// Settings of port p (group p): entry 0 the tone (MPW 03); entry 1 the mode
// (field 0, MPW 02) and the reverse burst (field 1), which travels in the
// mode's command and so has none of its own.
#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {
namespace {

constexpr unsigned kDefaultTone = 26;  // 100.0 Hz
constexpr unsigned kDefaultMode = 0;   // OFF
// The script's command lengths as the comment column counts them.
constexpr int kToneCommandLength = 14;
constexpr int kModeCommandLength = 15;
// Byte offsets in a port's group.
constexpr std::size_t kToneByte = 0;
constexpr std::size_t kModeByte = 1;
constexpr std::size_t kBurstByte = 2;

const char* toneText(unsigned v) { return lookupDescription(Catalogue::kCtcssTones, 0, v); }
const char* modeText(unsigned v) { return lookupDescription(Catalogue::kCtcssModes, 0, v); }
const char* burstText(unsigned v) { return lookupDescription(Catalogue::kReverseBursts, 0, v); }

int toneCommand(Sink& out, const Setting& s) {
  out.printf("MPW 03 %u %02u * ", s.key.group, s.value);
  return kToneCommandLength;
}
void toneComment(Sink& out, const Setting&) { out.put("Set Tone Number (CTCSS Frequency)"); }
void toneValue(Sink& out, const Setting& s) { out.printf("%s Hz", toneText(s.value)); }
void toneName(Sink& out, const Setting&) { out.put("CTCSS Tone Number"); }

// The mode's command carries the reverse burst, kept in the group's bytes.
int modeCommand(Sink& out, const Setting& s) {
  out.printf("MPW 02 %u %u %u * ", s.key.group, s.value, static_cast<unsigned>(s.bytes.u8(kBurstByte)));
  return kModeCommandLength;
}
void modeComment(Sink& out, const Setting&) { out.put("Set Mode and Reverse Burst Enable"); }
void modeValue(Sink& out, const Setting& s) { out.put(modeText(s.value)); }
void modeName(Sink& out, const Setting&) { out.put("CTCSS Encoder Mode"); }

void burstValue(Sink& out, const Setting& s) { out.put(burstText(s.value)); }
void burstName(Sink& out, const Setting&) { out.put("CTCSS Reverse Burst"); }

constexpr SettingKind kTone{"tone", "Hz", toneCommand, toneComment, toneValue, toneName};
constexpr SettingKind kMode{"mode", "", modeCommand, modeComment, modeValue, modeName};
constexpr SettingKind kBurst{"reverseBurst", "", nullptr, nullptr, burstValue, burstName};

// The encoders of one record, decoded on demand. A group too short to hold
// a setting reads 0xFF, which has no text.
class Encoders {
 public:
  Encoders(const Record& r, const WalkContext& ctx) : r_(r), groups_(r, ctx.controller.receivers()) {}

  const PortGroups& groups() const { return groups_; }
  Setting tone(unsigned p) const { return make(p, 0, 0, kTone, kToneByte, kDefaultTone); }
  Setting mode(unsigned p) const { return make(p, 1, 0, kMode, kModeByte, kDefaultMode); }
  Setting burst(unsigned p) const {
    Setting s = make(p, 1, 1, kBurst, kBurstByte, 0);
    s.hasColdStart = false;  // judged with the mode, never on its own
    return s;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned p = 1; p <= groups_.ports(); ++p) {
      onSetting(tone(p));
      onSetting(mode(p));
      onSetting(burst(p));
    }
  }

 private:
  Setting make(unsigned p, unsigned entry, unsigned field, const SettingKind& kind, std::size_t byte,
               unsigned coldStart) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(p),
                       static_cast<std::uint16_t>(entry), static_cast<std::uint8_t>(field)};
    s.kind = &kind;
    s.bytes = groups_.group(p);
    s.value = s.bytes.u8(byte);
    s.coldStart = coldStart;
    s.hasColdStart = true;
    return s;
  }

  const Record& r_;
  PortGroups groups_;
};

// Both commands of a port are written in -s too, commented out at default.
void writeCommand(const Out& o, const Setting& s) {
  Out every = o;
  every.allValues = true;
  every.setting(s);
}

}  // namespace

void ctcssReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const Encoders encoders(r, ctx);
  encoders.groups().section(o, "\nCTCSS Encoders\n", [&](unsigned p) {
    const unsigned tone = encoders.tone(p).value, mode = encoders.mode(p).value, burst = encoders.burst(p).value;
    s.printf(" CTCSS Encoder Port %u\n", p);
    s.printf("   Tone Number  : %u   -- %s Hz\n", tone, toneText(tone));
    s.printf("   Mode         :  %u   -- %s\n", mode, modeText(mode));
    s.printf("   Reverse Burst:  %u   -- %s\n", burst, burstText(burst));
    s.put("  Notes:\n");
    s.printf("   CTCSS On Time, see Timer 0%u15.\n", p);
    s.printf("   CTCSS Reverse Burst Time, see Timer 0%u16.\n", p);
    s.printf("   CTCSS Inactive-to-Active Macros, see ETM number 0%u11.\n", p);
    s.printf("   CTCSS Active-to-Inactive Macros, see ETM number 0%u12.\n", p);
    s.printf("   CTCSS Encoder Controls Logic Output, Software Switch number 0%u17.\n", p);
    s.put('\n');
  });
}

void ctcssScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const Encoders encoders(r, ctx);
  encoders.groups().section(o, "\n; Set CTCSS Encoders\n", [&](unsigned p) {
    const Setting tone = encoders.tone(p), mode = encoders.mode(p);
    const unsigned burst = encoders.burst(p).value;
    s.printf(";  CTCSS Encoder Port #%u\n", p);
    s.printf(";   Tone Number   = %u (%s Hz)\n", tone.value, toneText(tone.value));
    s.printf(";   Mode          = %u (%s)\n", mode.value, modeText(mode.value));
    s.printf(";   Reverse Burst = %u (%s)\n", burst, burstText(burst));
    writeCommand(o, tone);
    writeCommand(o, mode);
    s.put(";  Notes:\n");
    s.printf(";   CTCSS On Time, See Timer 0%u15.\n", p);
    s.printf(";   CTCSS Reverse Burst Time, See Timer 0%u16.\n", p);
    s.printf(";   CTCSS Inactive-to-Active Macros, See ETM number 0%u11.\n", p);
    s.printf(";   CTCSS Active-to-Inactive Macros, See ETM number 0%u12.\n", p);
    s.printf(";   CTCSS Encoder Controls Logic Output, Software Switch Number 0%u17.\n", p);
    s.printf(";   CTCSS Encoder/Logic Output Jumper, J3%u.\n", p + 6);
    s.put('\n');
  });
}

void ctcssSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  Encoders(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
