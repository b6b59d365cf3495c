// CTCSS encoders (type 18): per transmitter port the sub-audible tone, the
// encoder mode and the reverse burst. The script writes both commands for
// every port, commented out when the value is the cold-start default.
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

// The three settings of a port; a group too short to hold one reads 0xFF,
// which has no text.
struct Encoder {
  unsigned tone, mode, reverseBurst;

  explicit Encoder(ByteView group) : tone(group.u8(0)), mode(group.u8(1)), reverseBurst(group.u8(2)) {}

  const char* toneText() const { return lookupDescription(Catalogue::kCtcssTones, 0, tone); }
  const char* modeText() const { return lookupDescription(Catalogue::kCtcssModes, 0, mode); }
  const char* burstText() const {
    return lookupDescription(Catalogue::kReverseBursts, 0, reverseBurst);
  }
};

}  // namespace

void ctcssReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  groups.section(o, "\nCTCSS Encoders\n", [&](unsigned p) {
    const Encoder e(groups.group(p));
    s.printf(" CTCSS Encoder Port %u\n", p);
    s.printf("   Tone Number  : %u   -- %s Hz\n", e.tone, e.toneText());
    s.printf("   Mode         :  %u   -- %s\n", e.mode, e.modeText());
    s.printf("   Reverse Burst:  %u   -- %s\n", e.reverseBurst, e.burstText());
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
  const PortGroups groups(r, ctx.controller.receivers());
  groups.section(o, "\n; Set CTCSS Encoders\n", [&](unsigned p) {
    const Encoder e(groups.group(p));
    s.printf(";  CTCSS Encoder Port #%u\n", p);
    s.printf(";   Tone Number   = %u (%s Hz)\n", e.tone, e.toneText());
    s.printf(";   Mode          = %u (%s)\n", e.mode, e.modeText());
    s.printf(";   Reverse Burst = %u (%s)\n", e.reverseBurst, e.burstText());

    const bool toneAtDefault = e.tone == kDefaultTone;
    o.commandAs(kToneCommandLength, toneAtDefault, "MPW 03 %u %02u * ", p, e.tone);
    s.put("Set Tone Number (CTCSS Frequency)\n");

    // Mode and reverse burst travel in one command, judged by the mode.
    const bool modeAtDefault = e.mode == kDefaultMode;
    o.commandAs(kModeCommandLength, modeAtDefault, "MPW 02 %u %u %u * ", p, e.mode, e.reverseBurst);
    s.put("Set Mode and Reverse Burst Enable\n");

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

// Not decoded yet: the family still prints from its bytes.
void ctcssSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
