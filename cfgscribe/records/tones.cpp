// Tone generators (type 25): one setting block per transmitter (owner,
// mode, level, tone code). The script writes MPW 79 for every port whose
// mode is not Off, the controller's cold-start default.
#include <iterator>

#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/record_bounds.h"

namespace cfgscribe::records {
namespace {

constexpr unsigned kModeOff = 0;
constexpr const char* kModeTexts[] = {"Off", "Continuous", "Tone On When PTT Keyed",
                                      "Tone On When PTT Not Keyed"};
// Bytes of a block that are shown: owner, mode, level, tone code (2). The
// controller writes 7-byte blocks; the last two bytes are not interpreted.
constexpr unsigned kShownBlockBytes = 5;

struct ToneBlock {
  unsigned owner;
  unsigned mode;
  unsigned level;     // attenuation in half-decibel steps
  unsigned toneCode;  // frequency = 5 x code + 260 Hz
};

// The blocks of one record. They follow each other element size bytes
// apart from offset 5 (7 in the records the controller writes), so a
// record with another element size is still read block by block.
class ToneBlocks {
 public:
  ToneBlocks(const Record& r, unsigned transmitters)
      : ports_(transmitters), size_(r.elementSize()), bytes_(r) {}

  unsigned ports() const { return ports_; }

  // Blocks are shown from port 1 up to the first that is too small or not
  // loaded.
  unsigned shown() const {
    if (size_ < kShownBlockBytes) return 0;
    unsigned n = 0;
    while (n < ports_ && bytes_.has(at(n + 1), kShownBlockBytes)) ++n;
    return n;
  }

  ToneBlock block(unsigned port) const {
    const std::size_t b = at(port);
    return {bytes_.u8(b), bytes_.u8(b + 1), bytes_.u8(b + 2), bytes_.u16(b + 3)};
  }

 private:
  std::size_t at(unsigned port) const { return 5 + std::size_t{size_} * (port - 1); }

  unsigned ports_;
  unsigned size_;
  ByteView bytes_;
};

// The level -L/2 dB in five characters: "  0.0", " -0.5", " -1.0", " -3.5".
// Level 1 keeps its minus sign although its whole decibels are 0.
void printLevelDecibels(Sink& out, unsigned level) {
  if (level == 1) {
    out.put(" -0.5");
    return;
  }
  out.printf("%3d.%d", -static_cast<int>(level / 2), level % 2 ? 5 : 0);
}

void printPortReport(const ToneBlock& b, unsigned port, Sink& out) {
  out.printf(" Tone Generator Port %d\n", port);
  out.printf("   Owner        :  %s\n", b.owner != 0 ? "Tone Generator" : "Message Handler");
  out.put("   Mode         :  ");
  if (b.mode < std::size(kModeTexts)) {
    out.put(kModeTexts[b.mode]);
  } else {
    out.printf("error: unsupported value, 0x%02x", b.mode);
  }
  out.put('\n');
  out.printf("   Message Level:  %d, ", b.level);
  printLevelDecibels(out, b.level);
  out.put(" dB\n");
  out.printf("   ToneCode     :  %04d, %d Hz\n", b.toneCode, 5 * b.toneCode + 260);
}

void printToneDebug(const Record& r, Out& o) {
  if (!o.debug) return;
  debugTypeAttributesSize(o, r);
  o.dbg("Num Misc          : %d\n", r.numMisc());
  o.dbg("Num Ports         : %d\n", r.numPort());
}

}  // namespace

void tonesReport(const Record& r, const WalkContext& ctx, Out& o) {
  const ToneBlocks blocks(r, ctx.controller.transmitters());
  o.sink.put("\nTone Generators\n");
  printToneDebug(r, o);
  const unsigned shown = blocks.shown();
  for (unsigned n = 1; n <= shown; ++n) printPortReport(blocks.block(n), n, o.sink);
  noteItemsNotShown(o, blocks.ports() - shown, blocks.ports(), "ports");
}

void tonesScript(const Record& r, const WalkContext& ctx, Out& o) {
  const ToneBlocks blocks(r, ctx.controller.transmitters());
  o.sink.put("\n; Tone Generators\n");
  printToneDebug(r, o);
  const unsigned shown = blocks.shown();
  unsigned commands = 0;
  for (unsigned n = 1; n <= shown; ++n) {
    const ToneBlock b = blocks.block(n);
    // Any mode but Off is set, unsupported codes included; Off only under -a.
    if (b.mode == kModeOff && !o.allValues) continue;
    const bool commented = b.mode == kModeOff;
    // A fixed width: the comment starts in column 51 for ports 1 to 9.
    o.commandAs(21, commented, "MPW 79 %d %02d %02d %04d *", n, b.mode, b.level, b.toneCode);
    o.sink.put("Control Tx Tone Generator\n");
    ++commands;
  }
  if (shown < blocks.ports()) {
    noteItemsNotShown(o, blocks.ports() - shown, blocks.ports(), "ports");
  } else if (commands == 0) {
    o.sink.put(";   No Tone Generators Configured\n");
  }
}

// Not decoded yet: the family still prints from its bytes.
void tonesSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
