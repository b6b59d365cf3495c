// DTMF decoders (type 21): one port group per receiver, of which only the
// first byte, the digit count at which DTMF commands execute, is shown.
// The script section is comments only; it issues no command.
//
// Settings: the digit count of port p (group p, entry 0), which only the
// report and the script's comments show.
#include "cfgscribe/port_groups.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/record_bounds.h"

namespace cfgscribe::records {
namespace {

// The texts that differ between the report and the script.
struct DtmfTexts {
  const char* heading;
  const char* port;
  const char* digitCount;
};
constexpr DtmfTexts kReportTexts{"DTMF Decoders", "\n Port %u\n",
                                 "  DTMF Commands Execute on Digit Count: %u\n"};
constexpr DtmfTexts kScriptTexts{"; Set DTMF Decoders", "\n;  Port %u\n",
                                 ";   DTMF Commands Execute on Digit Count: %u\n"};

void digitCountText(Sink& out, const Setting& s) { out.printf("%u", s.value); }
void digitCountName(Sink& out, const Setting&) { out.put("DTMF Commands Execute on Digit Count"); }
constexpr SettingKind kDigitCount{"digitCount", "", nullptr, nullptr, digitCountText, digitCountName};

// The decoders of one record, decoded on demand. Laid out like every
// port-grouped record: a miscellaneous group (empty in the records the
// controller writes) and then one group per port. A stray miscellaneous
// group is stepped over rather than read as port 1.
class Decoders {
 public:
  Decoders(const Record& r, const WalkContext& ctx) : r_(r), groups_(r, ctx.controller.receivers()) {}

  unsigned ports() const { return groups_.ports(); }
  // Ports shown: up to the first whose group is empty (no elements or
  // zero-byte elements) or past the loaded bytes, with no digit count.
  unsigned shown() const {
    unsigned p = 0;
    while (p < groups_.ports() && !groups_.group(p + 1).empty()) ++p;
    return p;
  }
  Setting digitCount(unsigned p) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(p), 0, 0};
    s.kind = &kDigitCount;
    s.value = groups_.group(p).u8(0);
    return s;
  }

 private:
  const Record& r_;
  PortGroups groups_;
};

void printDtmfSection(const Record& r, const WalkContext& ctx, Out& o, const DtmfTexts& t) {
  const Decoders decoders(r, ctx);
  const unsigned ports = decoders.ports();

  // The heading has no line end: the first port line, or the next section,
  // supplies it. With -d the debug lines continue the heading's line.
  o.sink.put('\n');
  o.sink.put(t.heading);
  if (o.debug) {
    debugHeaderLines(o, r, HeaderLines::kShortCounts);
  }
  const unsigned shown = decoders.shown();
  for (unsigned p = 1; p <= shown; ++p) {
    o.sink.printf(t.port, p);
    o.sink.printf(t.digitCount, decoders.digitCount(p).value);
  }
  if (shown < ports) o.sink.put('\n');
  noteItemsNotShown(o, ports - shown, ports, "ports");
}

}  // namespace

void dtmfReport(const Record& r, const WalkContext& ctx, Out& o) {
  printDtmfSection(r, ctx, o, kReportTexts);
}

void dtmfScript(const Record& r, const WalkContext& ctx, Out& o) {
  printDtmfSection(r, ctx, o, kScriptTexts);
}

void dtmfSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  const Decoders decoders(r, ctx);
  for (unsigned p = 1; p <= decoders.shown(); ++p) visitor.setting(decoders.digitCount(p));
}

}  // namespace cfgscribe::records
