// DTMF decoders (type 21): one port group per receiver, of which only the
// first byte, the digit count at which DTMF commands execute, is shown.
// The script section is comments only; it issues no command.
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
constexpr DtmfTexts kReportTexts{"DTMF Decoders", "\n Port %d\n",
                                 "  DTMF Commands Execute on Digit Count: %d\n"};
constexpr DtmfTexts kScriptTexts{"; Set DTMF Decoders", "\n;  Port %d\n",
                                 ";   DTMF Commands Execute on Digit Count: %d\n"};

void printDtmfSection(const Record& r, const WalkContext& ctx, Out& o, const DtmfTexts& t) {
  const unsigned ports = ctx.controller.receivers();
  // Laid out like every port-grouped record: a miscellaneous group (empty
  // in the records the controller writes) and then one group per port. A
  // stray miscellaneous group is stepped over rather than read as port 1.
  const PortGroups groups(r, ports);

  // The heading has no line end: the first port line, or the next section,
  // supplies it. With -d the debug lines continue the heading's line.
  o.sink.put('\n');
  o.sink.put(t.heading);
  if (o.debug) {
    debugTypeAttributesSize(o, r);
    o.dbg("nMisc             : %d\n", r.numMisc());
    o.dbg("nPort             : %d\n", r.numPort());
  }
  unsigned shown = 0;
  for (unsigned p = 1; p <= ports; ++p) {
    // An empty group (no elements or zero-byte elements) or one past the
    // loaded bytes has no digit count to show.
    const ByteView group = groups.group(p);
    if (group.empty()) break;
    o.sink.printf(t.port, p);
    o.sink.printf(t.digitCount, group.u8(0));
    ++shown;
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

// Not decoded yet: the family still prints from its bytes.
void dtmfSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
