// The fixed-purpose timer records of the three resolutions (10 ms, 100 ms,
// 1 s): the report lists every timer with its time, the script writes one
// "MPW 09" command per timer against the cold-start defaults.
#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/timer_defaults.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {

namespace {

// The resolution digit of timer numbers.
unsigned resolutionOf(const Record& r) {
  const unsigned type = r.type();
  return type >= kTimers10 && type <= kTimers1000 ? type - kTimers10 : 0;
}

// The catalogue of a resolution's timer descriptions.
Catalogue timerTexts(unsigned resolution) {
  constexpr Catalogue kTexts[] = {Catalogue::kTimers10, Catalogue::kTimers100, Catalogue::kTimers1000};
  return resolution < 3 ? kTexts[resolution] : Catalogue::kTimers10;
}

const char* resolutionWord(unsigned resolution) {
  switch (resolution) {
    case 0: return "10ms ";
    case 1: return "100ms ";
    default: return "1 second ";
  }
}

// The report's time column: "(%5d ms) " or "(%5d sec)".
void printReportTime(Sink& out, unsigned resolution, unsigned value) {
  if (resolution == 2) {
    out.printf("(%5u sec)", value);
  } else {
    out.printf("(%5u ms) ", value * (resolution == 0 ? 10 : 100));
  }
}

// The script comment's time: "%5d ms, " or "%5d second(s)".
void printScriptTime(Sink& out, unsigned resolution, unsigned value) {
  if (resolution == 2) {
    out.printf("%5u second%s ", value, value == 1 ? ", " : "s,");
  } else {
    out.printf("%5u ms, ", value * (resolution == 0 ? 10 : 100));
  }
}

void printReportTimer(Sink& out, unsigned resolution, unsigned group, unsigned entry, unsigned value) {
  out.printf("   %u%u%02u:%5u ", resolution, group, entry, value);
  printReportTime(out, resolution, value);
}

// One group of the script: miscellaneous (group 0) or a port.
void scriptGroup(Out& o, const PortGroups& groups, unsigned resolution, unsigned group) {
  Sink& out = o.sink;
  if (o.debug) o.dbg("iType=%u iPort=%u\n", resolution, group);
  if (group == 0) {
    out.put(";  Miscellaneous -- ");
  } else {
    out.printf("\n;  Port %u -- ", group);
  }
  out.put(resolutionWord(resolution));
  out.put("Timers\n");

  scriptValues(o, groups, group, "Timers", [&](unsigned i) { return timerDefault(resolution, group != 0, i); },
               [&](unsigned i, unsigned value, bool atDefault) {
                 o.command(atDefault, "MPW 09 %u%u%02u %5u * ", resolution, group, i, value);
                 printScriptTime(out, resolution, value);
                 printDescription(out, lookupDescription(timerTexts(resolution), group, i), portDigit(group));
                 out.put('\n');
               });
}

}  // namespace

void timersReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  const unsigned resolution = resolutionOf(r);
  const char* word = resolutionWord(resolution);
  const unsigned ports = ctx.controller.receivers();
  const PortGroups groups(r, ports);

  out.put("\nTimers -- ");
  out.put(word);
  out.put('\n');
  if (o.debug) debugPortGroupedHeader(o, r);

  out.printf(" Miscellaneous -- %sTimers\n", word);
  out.put("   No.    Set    Time        Description\n");
  for (unsigned j = 0; j < groups.shown(0); ++j) {
    printReportTimer(out, resolution, 0, j, groups.shownValue(0, j));
    out.printf(" -- %s\n", lookupDescription(timerTexts(resolution), 0, j));
  }
  if (groups.count(0) == 0) out.put("   None defined\n");

  out.printf("\n Port -- %sTimers\n", word);
  out.put("   No.    Set    Time       No.    Set    Time       No.    Set    Time        Description\n");
  for (unsigned j = 0; j < groups.shown(1); ++j) {
    for (unsigned g = 1; g <= PortGroups::kNumberedPorts; ++g) printReportTimer(out, resolution, g, j, groups.shownValue(g, j));
    out.put(" -- ");
    printDescription(out, lookupDescription(timerTexts(resolution), 1, j), 'p');
    out.put('\n');
  }
}

void timersScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  const unsigned resolution = resolutionOf(r);
  const PortGroups groups(r, ctx.controller.receivers());

  out.printf("\n; Define %sTimers\n", resolutionWord(resolution));
  if (o.debug) debugPortGroupedHeader(o, r);
  for (unsigned g = 0; g <= groups.shownPorts(); ++g) scriptGroup(o, groups, resolution, g);
}

}  // namespace cfgscribe::records
