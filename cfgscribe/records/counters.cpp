// The counter reload values: the report lists every counter, the script
// writes one "MPW 45" command per counter that is not at its cold-start
// value of 0.
#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/model/decoders.h"

namespace cfgscribe::records {

namespace {

// A counter: "MPW 45" with the group and entry and the reload value; the
// comment is the counter's name.
int counterCommand(Sink& out, const Setting& s) {
  return out.printf("MPW 45 %02u%02u %5u *", s.key.group, s.key.entry, s.value);
}
void counterName(Sink& out, const Setting& s) {
  printDescription(out, lookupDescription(Catalogue::kCounters, s.key.group, s.key.entry), portDigit(s.key.group));
}
void counterText(Sink& out, const Setting& s) { out.printf("%u", s.value); }
constexpr SettingKind kCounter{"reload", "", counterCommand, counterName, counterText, counterName};

// Every counter starts at 0.
unsigned counterColdStart(unsigned, unsigned, unsigned) { return 0; }

// One group of the script: miscellaneous (group 0) or a port.
void scriptGroup(Out& o, const PortValueSettings& settings, unsigned group) {
  Sink& out = o.sink;
  if (group == 0) {
    out.put(";  Miscellaneous Counters\n");
  } else {
    out.printf("\n;  Port %u Counters\n", group);
  }
  scriptGroupSettings(o, settings, group, "Counters");
}

}  // namespace

PortValueSettings counterSettings(const Record& r, const WalkContext& ctx) {
  return PortValueSettings(r, ctx.controller.receivers(), kCounter, counterColdStart);
}

void countersReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  const PortValueSettings settings = counterSettings(r, ctx);
  const PortGroups& groups = settings.layout();

  out.put("\nCounter Reload Values\n");
  if (o.debug) debugPortGroupedHeader(o, r);

  out.put(" Miscellaneous Counters\n");
  out.put("   No.  Set                   Description\n");
  for (unsigned j = 0; j < groups.shown(0); ++j) {
    // There are no miscellaneous descriptions: the row ends in two dash pairs.
    out.printf("   00%02u: %5u   --  -- \n", j, settings.shownValue(0, j));
  }
  if (groups.count(0) == 0) out.put("   None defined\n");

  out.put("\n Port Counters\n");
  out.put("   No.     Set      No.     Set      No.     Set       Description\n");
  for (unsigned j = 0; j < groups.shown(1); ++j) {
    for (unsigned g = 1; g <= PortGroups::kNumberedPorts; ++g) out.printf("   0%u%02u: %5u   ", g, j, settings.shownValue(g, j));
    out.put(" -- ");
    printDescription(out, lookupDescription(Catalogue::kCounters, 1, j), 'p');
    out.put('\n');
  }
  if (groups.count(1) == 0) out.put("   None defined\n");
}

void countersScript(const Record& r, const WalkContext& ctx, Out& o) {
  const PortValueSettings settings = counterSettings(r, ctx);

  o.sink.put("\n; Define Counters\n");
  if (o.debug) debugPortGroupedHeader(o, r);
  for (unsigned g = 0; g < settings.groups(); ++g) scriptGroup(o, settings, g);
}

void countersSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  counterSettings(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
