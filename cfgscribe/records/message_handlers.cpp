// Message handlers (type 20): the owner-fixed beep tones shared by the
// controller, and per transmitter the CW, beep, page, DTMF and speech
// settings. The report shows them in one table with a column per
// transmitter; the script writes MPW 06/08/10/12 commands against the
// cold-start defaults.
//
// Settings are addressed in bytes within their group, the group being
// element size x count bytes. A setting the group does not hold reads 0 in
// the report (like the columns of absent transmitters) and gets no command
// in the script, in -s and -a alike: only stored values are commanded.
#include <iterator>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/message_handler_units.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {
namespace {

// The report always shows three transmitter columns.
constexpr unsigned kReportColumns = 3;
// Command lengths as the comment column counts them, whatever was printed:
// a longer speed number or duration pushes the comment along.
constexpr int kBeepCommandLength = 17;
constexpr int kSpeedCommandLength = 14;
constexpr int kToneCommandLength = 17;
constexpr int kLevelCommandLength = 17;
constexpr int kDurationCommandLength = 15;

struct GroupSettings {
  ByteView bytes;  // cut to the group

  bool holds(std::size_t offset, std::size_t width) const { return bytes.has(offset, width); }
  unsigned read(std::size_t offset, std::size_t width) const {
    return width == 1 ? bytes.u8(offset) : bytes.u16(offset);
  }
  unsigned orZero(std::size_t offset, std::size_t width) const {
    return holds(offset, width) ? read(offset, width) : 0;
  }
};

void debugHeader(Out& o, const Record& r) {
  if (!o.debug) return;
  debugTypeAttributesSize(o, r);
  o.dbg("nMisc             : %u\n", r.numMisc());
  o.dbg("nPort             : %u\n", r.numPort());
}

// Group bytes in hex, rows offset and indented by 5 (comments in a script).
void dumpGroup(Out& o, ByteView group) { printHexDump(o.sink, group, group.size(), true, 5, 5, o.script); }

void printReportValue(Sink& s, const PortSetting& setting, unsigned v) {
  switch (setting.unit) {
    case HandlerUnit::kCwSpeed: {
      const CwSpeed speed = cwSpeed(v);
      s.printf("   %d (  %2d WPM)", speed.number, speed.wpm);
      break;
    }
    case HandlerUnit::kCwTone:
      s.printf("%04u ( %4u Hz)", v, toneHertz(v));
      break;
    case HandlerUnit::kLevel:
      s.printf("  %02u (", v);
      printLevel(s, v);
      s.put(" dB)");
      break;
    case HandlerUnit::kBeepDuration:
      s.printf("  %02u (   %2u ms)", v, durationMs(v));
      break;
    case HandlerUnit::kDtmfDuration:
      s.printf("  %02u (  %3u ms)", v, durationMs(v));
      break;
  }
}

// Prints the command and its comment for one stored setting of port `port`.
void printScriptSetting(Out& o, const PortSetting& setting, unsigned port, unsigned v, bool commented) {
  Sink& s = o.sink;
  switch (setting.unit) {
    case HandlerUnit::kCwSpeed: {
      const CwSpeed speed = cwSpeed(v);
      o.commandAs(kSpeedCommandLength, commented, "MPW 12 %u0 %d * ", port, speed.number);
      s.printf("TX%u,   %2d WPM, %s\n", port, speed.wpm, setting.name);
      return;
    }
    case HandlerUnit::kCwTone:
      o.commandAs(kToneCommandLength, commented, "MPW 06 %u0 %04u * ", port, v);
      s.printf("TX%u,  %4u Hz, %s\n", port, toneHertz(v), setting.name);
      return;
    case HandlerUnit::kLevel:
      o.commandAs(kLevelCommandLength, commented, "MPW 10 0%u%02u %02u * ", port,
                  static_cast<unsigned>(setting.selector), v);
      s.printf("TX%u, ", port);
      printLevel(s, v);
      s.printf(" dB, %s\n", setting.name);
      return;
    case HandlerUnit::kBeepDuration:
    case HandlerUnit::kDtmfDuration:
      o.commandAs(kDurationCommandLength, commented, "MPW 08 %02u %02u * ", 4 * port + setting.selector, v);
      s.printf("TX%u,   %3u ms, %s\n", port, durationMs(v), setting.name);
      return;
  }
}

}  // namespace

void messageHandlersReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  s.put("\nMessage Handler\n");
  debugHeader(o, r);
  if (o.debug) {
    for (unsigned g = 0; g <= groups.ports(); ++g) {
      o.dbg("Port=%u, Bytes\n", g);
      dumpGroup(o, groups.group(g));
    }
  }

  const GroupSettings misc{groups.group(0)};
  s.put(" Owner-Fixed Frequency Single-Tone and Dual-Tone Beeps\n");
  s.put("              Tone Code  Frequency\n");
  for (unsigned b = 0; b < kFixedBeeps; ++b) {
    // Beeps are numbered as the MPW 06 command addresses them, from 1.
    const unsigned code = misc.orZero(2 * b, 2);
    s.printf("   Beep Code %u:  %04u (%4u Hz)\n", b + 1, code, toneHertz(code));
  }

  s.put("\n Message Handler      TX1               TX2               TX3          Description\n");
  GroupSettings ports[kReportColumns];
  for (unsigned tx = 1; tx <= kReportColumns; ++tx) {
    // Columns of transmitters the record does not hold read as 0.
    ports[tx - 1].bytes = tx <= groups.ports() ? groups.group(tx) : ByteView();
  }
  int block = -1;
  for (const PortSetting& setting : kPortSettings) {
    if (setting.block != block) {
      block = setting.block;
      s.printf("  %s\n", kSettingBlocks[block]);
    }
    s.put(setting.label);
    for (unsigned column = 0; column < kReportColumns; ++column) {
      if (column != 0) s.put("   ");
      printReportValue(s, setting, ports[column].orZero(setting.offset, settingWidth(setting.unit)));
    }
    s.printf(" -- %s\n", setting.name);
  }
}

namespace {

void scriptBeeps(Sink& s, Out& o, ByteView group) {
  s.put(";  Message Handler Owner Fixed-Frequency Single-Tone Beeps\n");
  if (o.debug) {
    o.dbg("Misc\n");
    dumpGroup(o, group);
  }
  const GroupSettings misc{group};
  bool printed = false;
  for (unsigned b = 0; b < kFixedBeeps; ++b) {
    if (!misc.holds(2 * b, 2)) continue;
    const unsigned code = misc.read(2 * b, 2);
    const bool atDefault = code == kDefaultBeepCodes[b];
    if (atDefault && !o.allValues) continue;
    o.commandAs(kBeepCommandLength, atDefault, "MPW 06 0%u %04u * ", b + 1, code);
    s.printf("%4u Hz, Select Frequency of Single-Tone Beep %u\n", toneHertz(code), b + 1);
    printed = true;
  }
  if (!printed) s.put(";   All Set to Defaults.\n");
}

void scriptPort(Sink& s, Out& o, ByteView group, unsigned port) {
  s.printf("\n;  Message Handler Port %u\n", port);
  if (o.debug) {
    o.dbg("Port=%u, Bytes\n", port);
    dumpGroup(o, group);
  }
  const GroupSettings settings{group};
  const PortSetting* setting = std::begin(kPortSettings);
  for (std::size_t block = 0; block < kSettingBlockCount; ++block) {
    s.printf(";   %s\n", kSettingBlocks[block]);
    bool printed = false;
    for (; setting != std::end(kPortSettings) && static_cast<std::size_t>(setting->block) == block; ++setting) {
      const std::size_t width = settingWidth(setting->unit);
      if (!settings.holds(setting->offset, width)) continue;
      const unsigned v = settings.read(setting->offset, width);
      const bool atDefault = v == setting->defaultValue;
      if (atDefault && !o.allValues) continue;
      printScriptSetting(o, *setting, port, v, atDefault);
      printed = true;
    }
    if (!printed) s.put(";     Set to Default.\n");
  }
}

}  // namespace

void messageHandlersScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  s.put("\n; Set Message Handler\n");
  debugHeader(o, r);
  scriptBeeps(s, o, groups.group(0));
  for (unsigned port = 1; port <= groups.ports(); ++port) scriptPort(s, o, groups.group(port), port);
}

// Not decoded yet: the family still prints from its bytes.
void messageHandlersSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
