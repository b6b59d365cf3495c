// The fixed-purpose timer records of the three resolutions (10 ms, 100 ms,
// 1 s): the report lists every timer with its time, the script writes one
// "MPW 09" command per timer against the cold-start defaults.
#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/model/port_values.h"
#include "cfgscribe/records/timer_defaults.h"
#include "cfgscribe/model/decoders.h"

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

void printReportTimer(Sink& out, unsigned resolution, unsigned group, unsigned entry, unsigned value) {
  out.printf("   %u%u%02u:%5u ", resolution, group, entry, value);
  printReportTime(out, resolution, value);
}

unsigned resolutionOf(const Setting& s) { return s.key.type - kTimers10; }

// A timer: "MPW 09" with its number (resolution, group, entry) and value in
// the record's unit; the comment gives the time and the timer's name.
int timerCommand(Sink& out, const Setting& s) {
  return out.printf("MPW 09 %u%u%02u %5u * ", resolutionOf(s), s.key.group, s.key.entry, s.value);
}
void timerName(Sink& out, const Setting& s) {
  printDescription(out, lookupDescription(timerTexts(resolutionOf(s)), s.key.group, s.key.entry),
                   portDigit(s.key.group));
}
// "%5d ms, " or "%5d second(s)".
void timerComment(Sink& out, const Setting& s) {
  if (resolutionOf(s) == 2) {
    out.printf("%5u second%s ", s.value, s.value == 1 ? ", " : "s,");
  } else {
    out.printf("%5u ms, ", s.value * (resolutionOf(s) == 0 ? 10 : 100));
  }
  timerName(out, s);
}
void timerText(Sink& out, const Setting& s) {
  if (resolutionOf(s) == 2) {
    out.printf("%u s", s.value);
  } else {
    out.printf("%u ms", s.value * (resolutionOf(s) == 0 ? 10 : 100));
  }
}
// By resolution: the unit is that of the time shown.
constexpr SettingKind kTimerKinds[] = {{"time", "ms", timerCommand, timerComment, timerText, timerName},
                                       {"time", "ms", timerCommand, timerComment, timerText, timerName},
                                       {"time", "s", timerCommand, timerComment, timerText, timerName}};

unsigned timerColdStart(unsigned type, unsigned group, unsigned entry) {
  return timerDefault(type - kTimers10, group != 0, entry);
}

// One group of the script: miscellaneous (group 0) or a port.
void scriptGroup(Out& o, const PortValueSettings& settings, unsigned resolution, unsigned group) {
  Sink& out = o.sink;
  if (o.debug) o.dbg("iType=%u iPort=%u\n", resolution, group);
  if (group == 0) {
    out.put(";  Miscellaneous -- ");
  } else {
    out.printf("\n;  Port %u -- ", group);
  }
  out.put(resolutionWord(resolution));
  out.put("Timers\n");
  scriptGroupSettings(o, settings, group, "Timers");
}

}  // namespace

PortValueSettings timerSettings(const Record& r, const WalkContext& ctx) {
  return PortValueSettings(r, ctx.controller.receivers(), kTimerKinds[resolutionOf(r) < 3 ? resolutionOf(r) : 0],
                           timerColdStart);
}

void timersReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  const unsigned resolution = resolutionOf(r);
  const char* word = resolutionWord(resolution);
  const PortValueSettings settings = timerSettings(r, ctx);
  const PortGroups& groups = settings.layout();

  out.put("\nTimers -- ");
  out.put(word);
  out.put('\n');
  if (o.debug) debugPortGroupedHeader(o, r);

  out.printf(" Miscellaneous -- %sTimers\n", word);
  out.put("   No.    Set    Time        Description\n");
  for (unsigned j = 0; j < groups.shown(0); ++j) {
    printReportTimer(out, resolution, 0, j, settings.shownValue(0, j));
    out.printf(" -- %s\n", lookupDescription(timerTexts(resolution), 0, j));
  }
  if (groups.count(0) == 0) out.put("   None defined\n");

  out.printf("\n Port -- %sTimers\n", word);
  out.put("   No.    Set    Time       No.    Set    Time       No.    Set    Time        Description\n");
  for (unsigned j = 0; j < groups.shown(1); ++j) {
    for (unsigned g = 1; g <= PortGroups::kNumberedPorts; ++g) printReportTimer(out, resolution, g, j, settings.shownValue(g, j));
    out.put(" -- ");
    printDescription(out, lookupDescription(timerTexts(resolution), 1, j), 'p');
    out.put('\n');
  }
}

void timersScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  const unsigned resolution = resolutionOf(r);
  const PortValueSettings settings = timerSettings(r, ctx);

  out.printf("\n; Define %sTimers\n", resolutionWord(resolution));
  if (o.debug) debugPortGroupedHeader(o, r);
  for (unsigned g = 0; g < settings.groups(); ++g) scriptGroup(o, settings, resolution, g);
}

void timersSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  timerSettings(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
