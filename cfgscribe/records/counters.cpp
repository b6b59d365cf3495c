// The counter reload values: the report lists every counter, the script
// writes one "MPW 45" command per counter that is not at its cold-start
// value of 0.
#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {

namespace {

// One group of the script: miscellaneous (group 0) or a port.
void scriptGroup(Out& o, const PortGroups& groups, unsigned group) {
  Sink& out = o.sink;
  if (group == 0) {
    out.put(";  Miscellaneous Counters\n");
  } else {
    out.printf("\n;  Port %u Counters\n", group);
  }
  scriptValues(o, groups, group, "Counters", [](unsigned) { return 0u; },
               [&](unsigned i, unsigned value, bool atDefault) {
                 o.command(atDefault, "MPW 45 %02u%02u %5u *", group, i, value);
                 printDescription(out, lookupDescription(Catalogue::kCounters, group, i), portDigit(group));
                 out.put('\n');
               });
}

}  // namespace

void countersReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  const unsigned ports = ctx.controller.receivers();
  const PortGroups groups(r, ports);

  out.put("\nCounter Reload Values\n");
  if (o.debug) debugPortGroupedHeader(o, r);

  out.put(" Miscellaneous Counters\n");
  out.put("   No.  Set                   Description\n");
  for (unsigned j = 0; j < groups.shown(0); ++j) {
    // There are no miscellaneous descriptions: the row ends in two dash pairs.
    out.printf("   00%02u: %5u   --  -- \n", j, groups.shownValue(0, j));
  }
  if (groups.count(0) == 0) out.put("   None defined\n");

  out.put("\n Port Counters\n");
  out.put("   No.     Set      No.     Set      No.     Set       Description\n");
  for (unsigned j = 0; j < groups.shown(1); ++j) {
    for (unsigned g = 1; g <= PortGroups::kNumberedPorts; ++g) out.printf("   0%u%02u: %5u   ", g, j, groups.shownValue(g, j));
    out.put(" -- ");
    printDescription(out, lookupDescription(Catalogue::kCounters, 1, j), 'p');
    out.put('\n');
  }
  if (groups.count(1) == 0) out.put("   None defined\n");
}

void countersScript(const Record& r, const WalkContext& ctx, Out& o) {
  const PortGroups groups(r, ctx.controller.receivers());

  o.sink.put("\n; Define Counters\n");
  if (o.debug) debugPortGroupedHeader(o, r);
  for (unsigned g = 0; g <= groups.shownPorts(); ++g) scriptGroup(o, groups, g);
}

}  // namespace cfgscribe::records
