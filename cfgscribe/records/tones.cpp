// Tone generators (type 25): one setting block per transmitter (owner,
// mode, level, tone code). The script writes MPW 79 for every port whose
// mode is not Off, the controller's cold-start default.
//
// Settings of port n (group n, entry 0): field 0 the mode, whose MPW 79
// command also carries the level and the tone code; fields 1 to 3 the
// level, the tone code and the owner, which have no command of their own.
#include <iterator>

#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/message_handler_units.h"
#include "cfgscribe/records/record_bounds.h"

namespace cfgscribe::records {
namespace {

constexpr unsigned kModeOff = 0;
constexpr const char* kModeTexts[] = {"Off", "Continuous", "Tone On When PTT Keyed",
                                      "Tone On When PTT Not Keyed"};
// Bytes of a block that are shown: owner, mode, level, tone code (2). The
// controller writes 7-byte blocks; the last two bytes are not interpreted.
constexpr unsigned kShownBlockBytes = 5;
// Byte offsets in a block.
constexpr std::size_t kOwnerByte = 0;
constexpr std::size_t kModeByte = 1;
constexpr std::size_t kLevelByte = 2;
constexpr std::size_t kToneCodeByte = 3;
// A fixed width: the comment starts in column 51 for ports 1 to 9.
constexpr int kCommandLength = 21;

unsigned levelOf(const Setting& s) { return s.bytes.u8(kLevelByte); }
unsigned toneCodeOf(const Setting& s) { return s.bytes.u16(kToneCodeByte); }

int generatorCommand(Sink& out, const Setting& s) {
  out.printf("MPW 79 %d %02d %02d %04d *", s.key.group, s.value, levelOf(s), toneCodeOf(s));
  return kCommandLength;
}
void generatorComment(Sink& out, const Setting&) { out.put("Control Tx Tone Generator"); }
void printMode(Sink& out, unsigned mode) {
  if (mode < std::size(kModeTexts)) {
    out.put(kModeTexts[mode]);
  } else {
    out.printf("error: unsupported value, 0x%02x", mode);
  }
}
void modeValue(Sink& out, const Setting& s) { printMode(out, s.value); }
void modeName(Sink& out, const Setting&) { out.put("Tone Generator Mode"); }
// The level is an attenuation: "-3.5 dB".
void levelValue(Sink& out, const Setting& s) {
  printLevel(out, s.value);
  out.put(" dB");
}
void levelName(Sink& out, const Setting&) { out.put("Tone Generator Level"); }
void toneValue(Sink& out, const Setting& s) { out.printf("%u Hz", toneHertz(s.value)); }
void toneName(Sink& out, const Setting&) { out.put("Tone Generator Tone Code"); }
const char* ownerText(unsigned owner) { return owner != 0 ? "Tone Generator" : "Message Handler"; }
void ownerValue(Sink& out, const Setting& s) { out.put(ownerText(s.value)); }
void ownerName(Sink& out, const Setting&) { out.put("Tone Generator Owner"); }

constexpr SettingKind kMode{"mode", "", generatorCommand, generatorComment, modeValue, modeName};
constexpr SettingKind kLevel{"level", "dB", nullptr, nullptr, levelValue, levelName};
constexpr SettingKind kToneCode{"toneCode", "Hz", nullptr, nullptr, toneValue, toneName};
constexpr SettingKind kOwner{"owner", "", nullptr, nullptr, ownerValue, ownerName};

// The blocks of one record, decoded on demand. They follow each other
// element size bytes apart from offset 5 (7 in the records the controller
// writes), so a record with another element size is still read block by
// block.
class ToneBlocks {
 public:
  ToneBlocks(const Record& r, unsigned transmitters)
      : type_(r.type()), ports_(transmitters), size_(r.elementSize()), bytes_(r) {}

  unsigned ports() const { return ports_; }

  // Blocks are shown from port 1 up to the first that is too small or not
  // loaded.
  unsigned shown() const {
    if (size_ < kShownBlockBytes) return 0;
    unsigned n = 0;
    while (n < ports_ && bytes_.has(at(n + 1), kShownBlockBytes)) ++n;
    return n;
  }

  // Port n's mode, level, tone code and owner (field 0 to 3).
  Setting mode(unsigned n) const { return make(n, 0, kMode, bytes_.u8(at(n) + kModeByte), true); }
  Setting level(unsigned n) const { return make(n, 1, kLevel, bytes_.u8(at(n) + kLevelByte), false); }
  Setting toneCode(unsigned n) const { return make(n, 2, kToneCode, bytes_.u16(at(n) + kToneCodeByte), false); }
  Setting owner(unsigned n) const { return make(n, 3, kOwner, bytes_.u8(at(n) + kOwnerByte), false); }

  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned n = 1; n <= shown(); ++n) {
      onSetting(mode(n));
      onSetting(level(n));
      onSetting(toneCode(n));
      onSetting(owner(n));
    }
  }

 private:
  std::size_t at(unsigned port) const { return 5 + std::size_t{size_} * (port - 1); }
  Setting make(unsigned n, unsigned field, const SettingKind& kind, unsigned value, bool offByDefault) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(type_), static_cast<std::uint8_t>(n), 0,
                       static_cast<std::uint8_t>(field)};
    s.kind = &kind;
    s.value = value;
    s.bytes = bytes_.sub(at(n), kShownBlockBytes);
    s.coldStart = kModeOff;
    s.hasColdStart = offByDefault;
    return s;
  }

  unsigned type_;
  unsigned ports_;
  unsigned size_;
  ByteView bytes_;
};

void printPortReport(const ToneBlocks& blocks, unsigned port, Sink& out) {
  out.printf(" Tone Generator Port %d\n", port);
  out.printf("   Owner        :  %s\n", ownerText(blocks.owner(port).value));
  out.put("   Mode         :  ");
  printMode(out, blocks.mode(port).value);
  out.put('\n');
  const unsigned level = blocks.level(port).value;
  out.printf("   Message Level:  %d, ", level);
  printLevel(out, level);
  out.put(" dB\n");
  const unsigned code = blocks.toneCode(port).value;
  out.printf("   ToneCode     :  %04d, %d Hz\n", code, toneHertz(code));
}

void printToneDebug(const Record& r, Out& o) {
  if (!o.debug) return;
  debugHeaderLines(o, r, HeaderLines::kMiscAndPorts);
}

}  // namespace

void tonesReport(const Record& r, const WalkContext& ctx, Out& o) {
  const ToneBlocks blocks(r, ctx.controller.transmitters());
  o.sink.put("\nTone Generators\n");
  printToneDebug(r, o);
  const unsigned shown = blocks.shown();
  for (unsigned n = 1; n <= shown; ++n) printPortReport(blocks, n, o.sink);
  noteItemsNotShown(o, blocks.ports() - shown, blocks.ports(), "ports");
}

void tonesScript(const Record& r, const WalkContext& ctx, Out& o) {
  const ToneBlocks blocks(r, ctx.controller.transmitters());
  o.sink.put("\n; Tone Generators\n");
  printToneDebug(r, o);
  const unsigned shown = blocks.shown();
  unsigned commands = 0;
  // Any mode but Off is set, unsupported codes included; Off only under -a.
  for (unsigned n = 1; n <= shown; ++n) commands += o.setting(blocks.mode(n)) ? 1 : 0;
  if (shown < blocks.ports()) {
    noteItemsNotShown(o, blocks.ports() - shown, blocks.ports(), "ports");
  } else if (commands == 0) {
    o.sink.put(";   No Tone Generators Configured\n");
  }
}

void tonesSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  ToneBlocks(r, ctx.controller.transmitters()).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
