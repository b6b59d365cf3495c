// The software switches: one bit set of 400 on/off settings. The report
// lists every defined switch (ports side by side) and keeps the leading
// bytes for the scheduler report; the script writes "MPW 63" commands.
#include <algorithm>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/port_groups.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/switch_tables.h"

namespace cfgscribe::records {

namespace {

constexpr std::size_t kBitSetOffset = 4;

// The Bit Set: the first element of the record, cut to the bytes loaded.
// A record without elements has none.
class BitSet {
 public:
  explicit BitSet(const Record& r)
      : r_(r), bytes_(r.elementCount() == 0 ? 0 : std::min<std::size_t>(r.elementSize(), r.available(kBitSetOffset))) {}

  std::size_t bytes() const { return bytes_; }
  // Switch k; a switch beyond the stored bytes reads as off.
  unsigned bit(unsigned k) const {
    return k / 8 < bytes_ ? (r_.u8(kBitSetOffset + k / 8) >> (k % 8)) & 1u : 0u;
  }

 private:
  const Record& r_;
  std::size_t bytes_;
};

unsigned numberOf(const Setting& s) { return s.key.group * 100u + s.key.entry; }

// A switch: "MPW 63" with its number and state; the comment repeats the
// state in words and names the switch.
int switchCommand(Sink& out, const Setting& s) { return out.printf("MPW 63 %04u %u * ", numberOf(s), s.value); }
void switchName(Sink& out, const Setting& s) {
  printDescription(out, lookupDescription(Catalogue::kSwitches, s.key.group, s.key.entry), portDigit(s.key.group));
}
void switchComment(Sink& out, const Setting& s) {
  out.put(s.value ? "1 (Enabled),  " : "0 (Disabled), ");
  switchName(out, s);
}
void switchText(Sink& out, const Setting& s) { out.put(s.value ? "Enabled" : "Disabled"); }
constexpr SettingKind kSwitch{"enabled", "", switchCommand, switchComment, switchText, switchName};

// The switches of a record as settings, made on demand from its Bit Set.
class SwitchSettings {
 public:
  explicit SwitchSettings(const Record& r) : bits_(r) {}

  // How many switch numbers the Bit Set holds, none past switch 399; the
  // ones the controller has among them are the record's settings.
  unsigned held() const { return static_cast<unsigned>(std::min<std::size_t>(bits_.bytes() * 8, kSwitchCount)); }
  // Switch n, 1 when on; a switch beyond the stored bytes reads as off.
  Setting setting(unsigned n) const {
    Setting s;
    s.key = SettingKey{kSoftwareSwitch, static_cast<std::uint8_t>(n / 100), static_cast<std::uint16_t>(n % 100), 0};
    s.kind = &kSwitch;
    s.value = bits_.bit(n);
    s.coldStart = switchDefault(n) ? 1u : 0u;
    s.hasColdStart = true;
    return s;
  }

 private:
  BitSet bits_;
};

// The section heading; with -d the record header and the Bit Set label.
void heading(Out& o, const Record& r, const char* title) {
  o.sink.put(title);
  if (o.debug) {
    debugRecordHeader(o, r);
    o.dbg("Bit Set           : \n");
  }
}

void printReportSwitch(Sink& out, const SwitchSettings& switches, unsigned n) {
  const unsigned on = switches.setting(n).value;
  out.printf("   %04u: %u (%s)", n, on, on ? "Enabled " : "Disabled");
}

}  // namespace

void switchesReport(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  const SwitchSettings switches(r);

  heading(o, r, "\nSoftware Switches\n");

  out.put(" Miscellaneous Switches\n");
  out.put("   No.   Set             Description\n");
  for (unsigned n = 0; n < 100; ++n) {
    if (!isDefinedSwitch(n)) continue;
    printReportSwitch(out, switches, n);
    out.put(" -- ");
    printDescription(out, lookupDescription(Catalogue::kSwitches, 0, n), '0');
    out.put('\n');
  }

  out.put("\n Port Switches\n");
  out.put("   No.   Set              No.   Set              No.   Set             Description\n");
  for (unsigned n = 0; n < 100; ++n) {
    if (!isDefinedSwitch(100 + n)) continue;
    printReportSwitch(out, switches, 100 + n);
    out.put("  ");
    printReportSwitch(out, switches, 200 + n);
    out.put("  ");
    printReportSwitch(out, switches, 300 + n);
    out.put(" -- ");
    printDescription(out, lookupDescription(Catalogue::kSwitches, 1, n), 'p');
    out.put('\n');
  }
}

void switchesScript(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  const SwitchSettings switches(r);

  heading(o, r, "\n; Set Software Switches\n");

  // No headings for ports the Bit Set does not reach.
  unsigned printedInGroup = 0;
  for (unsigned n = 0; n < switches.held(); ++n) {
    const unsigned group = n / 100;
    if (n % 100 == 0) {
      if (group == 0) {
        out.put(";  Miscellaneous Switches\n");
      } else {
        out.printf("\n;  Port %u Switches\n", group);
      }
      printedInGroup = 0;
    }
    if (isDefinedSwitch(n) && o.setting(switches.setting(n))) ++printedInGroup;
    if (n % 100 == 99 && printedInGroup == 0) out.put(";   All Switches Set to Defaults.\n");
  }
}

// Every switch that exists, as far as the Bit Set holds them.
void switchesSettings(const Record& r, const WalkContext&, SettingVisitor& visitor) {
  const SwitchSettings switches(r);
  for (unsigned n = 0; n < switches.held(); ++n) {
    if (isDefinedSwitch(n)) visitor.setting(switches.setting(n));
  }
}

}  // namespace cfgscribe::records
