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
//
// Settings: beep b's tone code (group 0, entry b, from 0); setting i of
// kPortSettings for transmitter p (group p, entry i). Only stored values
// are settings.
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

// One transmitter's settings: row i of kPortSettings, by the entry number.
const PortSetting& rowOf(const Setting& s) { return kPortSettings[s.key.entry]; }

int cwSpeedCommand(Sink& out, const Setting& s) {
  out.printf("MPW 12 %u0 %d * ", s.key.group, cwSpeed(s.value).number);
  return kSpeedCommandLength;
}
void cwSpeedComment(Sink& out, const Setting& s) {
  out.printf("TX%u,   %2d WPM, %s", s.key.group, cwSpeed(s.value).wpm, rowOf(s).name);
}
void cwSpeedText(Sink& out, const Setting& s) { out.printf("%d WPM", cwSpeed(s.value).wpm); }

int cwToneCommand(Sink& out, const Setting& s) {
  out.printf("MPW 06 %u0 %04u * ", s.key.group, s.value);
  return kToneCommandLength;
}
void cwToneComment(Sink& out, const Setting& s) {
  out.printf("TX%u,  %4u Hz, %s", s.key.group, toneHertz(s.value), rowOf(s).name);
}
void hertzText(Sink& out, const Setting& s) { out.printf("%u Hz", toneHertz(s.value)); }

int levelCommand(Sink& out, const Setting& s) {
  out.printf("MPW 10 0%u%02u %02u * ", s.key.group, static_cast<unsigned>(rowOf(s).selector), s.value);
  return kLevelCommandLength;
}
void levelComment(Sink& out, const Setting& s) {
  out.printf("TX%u, ", s.key.group);
  printLevel(out, s.value);
  out.printf(" dB, %s", rowOf(s).name);
}
void levelText(Sink& out, const Setting& s) {
  printLevel(out, s.value);
  out.put(" dB");
}

// Durations n of port p are numbered 4p + n.
int durationCommand(Sink& out, const Setting& s) {
  out.printf("MPW 08 %02u %02u * ", 4u * s.key.group + rowOf(s).selector, s.value);
  return kDurationCommandLength;
}
void durationComment(Sink& out, const Setting& s) {
  out.printf("TX%u,   %3u ms, %s", s.key.group, durationMs(s.value), rowOf(s).name);
}
void durationText(Sink& out, const Setting& s) { out.printf("%u ms", durationMs(s.value)); }

void rowName(Sink& out, const Setting& s) { out.printf("TX%u %s", s.key.group, rowOf(s).name); }

// By HandlerUnit.
constexpr SettingKind kUnitKinds[] = {
    {"cwSpeed", "", cwSpeedCommand, cwSpeedComment, cwSpeedText, rowName},
    {"toneCode", "Hz", cwToneCommand, cwToneComment, hertzText, rowName},
    {"level", "dB", levelCommand, levelComment, levelText, rowName},
    {"duration", "ms", durationCommand, durationComment, durationText, rowName},
    {"duration", "ms", durationCommand, durationComment, durationText, rowName},
};
static_assert(std::size(kUnitKinds) == static_cast<std::size_t>(HandlerUnit::kDtmfDuration) + 1);

// The owner-fixed beeps, numbered from 1 as MPW 06 addresses them.
int beepCommand(Sink& out, const Setting& s) {
  out.printf("MPW 06 0%u %04u * ", s.key.entry + 1u, s.value);
  return kBeepCommandLength;
}
void beepName(Sink& out, const Setting& s) {
  out.printf("Select Frequency of Single-Tone Beep %u", s.key.entry + 1u);
}
void beepComment(Sink& out, const Setting& s) {
  out.printf("%4u Hz, ", toneHertz(s.value));
  beepName(out, s);
}
constexpr SettingKind kBeep{"toneCode", "Hz", beepCommand, beepComment, hertzText, beepName};

// The settings of one record, decoded on demand from the groups' bytes.
class HandlerSettings {
 public:
  HandlerSettings(const Record& r, const WalkContext& ctx) : r_(r), groups_(r, ctx.controller.receivers()) {}

  const PortGroups& groups() const { return groups_; }

  bool holdsBeep(unsigned b) const { return groups_.group(0).has(2 * b, 2); }
  Setting beep(unsigned b) const {
    return make(0, b, kBeep, groups_.group(0).u16(2 * b), kDefaultBeepCodes[b]);
  }
  bool holds(unsigned p, std::size_t i) const {
    return groups_.group(p).has(kPortSettings[i].offset, settingWidth(kPortSettings[i].unit));
  }
  Setting setting(unsigned p, std::size_t i) const {
    const PortSetting& row = kPortSettings[i];
    const ByteView group = groups_.group(p);
    const unsigned v = settingWidth(row.unit) == 1 ? group.u8(row.offset) : group.u16(row.offset);
    return make(p, static_cast<unsigned>(i), kUnitKinds[static_cast<std::size_t>(row.unit)], v, row.defaultValue);
  }
  // What the report shows: 0 for values not stored and transmitters the
  // record does not hold.
  unsigned shownBeep(unsigned b) const { return holdsBeep(b) ? beep(b).value : 0; }
  unsigned shownValue(unsigned p, std::size_t i) const {
    return p <= groups_.ports() && holds(p, i) ? setting(p, i).value : 0;
  }

  template <class OnSetting>
  void forEachBeep(OnSetting onSetting) const {
    for (unsigned b = 0; b < kFixedBeeps; ++b) {
      if (holdsBeep(b)) onSetting(beep(b));
    }
  }
  // Port p's stored settings of block `block`.
  template <class OnSetting>
  void forEachInBlock(unsigned p, std::size_t block, OnSetting onSetting) const {
    for (std::size_t i = 0; i < std::size(kPortSettings); ++i) {
      if (kPortSettings[i].block == block && holds(p, i)) onSetting(setting(p, i));
    }
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    forEachBeep(onSetting);
    for (unsigned p = 1; p <= groups_.ports(); ++p) {
      for (std::size_t block = 0; block < kSettingBlockCount; ++block) forEachInBlock(p, block, onSetting);
    }
  }

 private:
  Setting make(unsigned group, unsigned entry, const SettingKind& kind, unsigned value, unsigned coldStart) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(group),
                       static_cast<std::uint16_t>(entry), 0};
    s.kind = &kind;
    s.value = value;
    s.coldStart = coldStart;
    s.hasColdStart = true;
    return s;
  }

  const Record& r_;
  PortGroups groups_;
};

void debugHeader(Out& o, const Record& r) {
  if (!o.debug) return;
  debugHeaderLines(o, r, HeaderLines::kShortCounts);
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

}  // namespace

void messageHandlersReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const HandlerSettings settings(r, ctx);
  const PortGroups& groups = settings.groups();
  s.put("\nMessage Handler\n");
  debugHeader(o, r);
  if (o.debug) {
    for (unsigned g = 0; g <= groups.ports(); ++g) {
      o.dbg("Port=%u, Bytes\n", g);
      dumpGroup(o, groups.group(g));
    }
  }

  s.put(" Owner-Fixed Frequency Single-Tone and Dual-Tone Beeps\n");
  s.put("              Tone Code  Frequency\n");
  for (unsigned b = 0; b < kFixedBeeps; ++b) {
    const unsigned code = settings.shownBeep(b);
    s.printf("   Beep Code %u:  %04u (%4u Hz)\n", b + 1, code, toneHertz(code));
  }

  s.put("\n Message Handler      TX1               TX2               TX3          Description\n");
  int block = -1;
  for (std::size_t i = 0; i < std::size(kPortSettings); ++i) {
    const PortSetting& row = kPortSettings[i];
    if (row.block != block) {
      block = row.block;
      s.printf("  %s\n", kSettingBlocks[block]);
    }
    s.put(row.label);
    for (unsigned tx = 1; tx <= kReportColumns; ++tx) {
      if (tx != 1) s.put("   ");
      printReportValue(s, row, settings.shownValue(tx, i));
    }
    s.printf(" -- %s\n", row.name);
  }
}

namespace {

void scriptBeeps(Out& o, const HandlerSettings& settings) {
  o.sink.put(";  Message Handler Owner Fixed-Frequency Single-Tone Beeps\n");
  if (o.debug) {
    o.dbg("Misc\n");
    dumpGroup(o, settings.groups().group(0));
  }
  bool printed = false;
  settings.forEachBeep([&](const Setting& beep) { printed |= o.setting(beep); });
  if (!printed) o.sink.put(";   All Set to Defaults.\n");
}

void scriptPort(Out& o, const HandlerSettings& settings, unsigned port) {
  Sink& s = o.sink;
  s.printf("\n;  Message Handler Port %u\n", port);
  if (o.debug) {
    o.dbg("Port=%u, Bytes\n", port);
    dumpGroup(o, settings.groups().group(port));
  }
  for (std::size_t block = 0; block < kSettingBlockCount; ++block) {
    s.printf(";   %s\n", kSettingBlocks[block]);
    bool printed = false;
    settings.forEachInBlock(port, block, [&](const Setting& setting) { printed |= o.setting(setting); });
    if (!printed) s.put(";     Set to Default.\n");
  }
}

}  // namespace

void messageHandlersScript(const Record& r, const WalkContext& ctx, Out& o) {
  const HandlerSettings settings(r, ctx);
  o.sink.put("\n; Set Message Handler\n");
  debugHeader(o, r);
  scriptBeeps(o, settings);
  for (unsigned port = 1; port <= settings.groups().ports(); ++port) scriptPort(o, settings, port);
}

void messageHandlersSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  HandlerSettings(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
