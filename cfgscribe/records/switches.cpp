// The software switches: one bit set of 400 on/off settings. The report
// lists every defined switch (ports side by side) and keeps the leading
// bytes for the scheduler report; the script writes "MPW 63" commands.
#include <algorithm>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
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

const char* stateWord(unsigned bit) { return bit ? "Enabled " : "Disabled"; }

// The section heading; with -d the record header and the Bit Set label.
void heading(Out& o, const Record& r, const char* title) {
  o.sink.put(title);
  if (o.debug) {
    debugRecordHeader(o, r);
    o.dbg("Bit Set           : \n");
  }
}

void printReportSwitch(Sink& out, const BitSet& bits, unsigned n) {
  out.printf("   %04u: %u (%s)", n, bits.bit(n), stateWord(bits.bit(n)));
}

}  // namespace

void switchesReport(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  const BitSet bits(r);

  heading(o, r, "\nSoftware Switches\n");

  out.put(" Miscellaneous Switches\n");
  out.put("   No.   Set             Description\n");
  for (unsigned n = 0; n < 100; ++n) {
    if (!isDefinedSwitch(n)) continue;
    printReportSwitch(out, bits, n);
    out.put(" -- ");
    printDescription(out, lookupDescription(Catalogue::kSwitches, 0, n), '0');
    out.put('\n');
  }

  out.put("\n Port Switches\n");
  out.put("   No.   Set              No.   Set              No.   Set             Description\n");
  for (unsigned n = 0; n < 100; ++n) {
    if (!isDefinedSwitch(100 + n)) continue;
    printReportSwitch(out, bits, 100 + n);
    out.put("  ");
    printReportSwitch(out, bits, 200 + n);
    out.put("  ");
    printReportSwitch(out, bits, 300 + n);
    out.put(" -- ");
    printDescription(out, lookupDescription(Catalogue::kSwitches, 1, n), 'p');
    out.put('\n');
  }

}

void switchesScript(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  const BitSet bits(r);

  heading(o, r, "\n; Set Software Switches\n");

  // Every switch the Bit Set holds, up to the last one that exists: no
  // headings for ports the controller does not have.
  const unsigned visited = static_cast<unsigned>(std::min<std::size_t>(bits.bytes() * 8, kSwitchCount));
  unsigned printedInGroup = 0;
  for (unsigned n = 0; n < visited; ++n) {
    const unsigned group = n / 100;
    if (n % 100 == 0) {
      if (group == 0) {
        out.put(";  Miscellaneous Switches\n");
      } else {
        out.printf("\n;  Port %u Switches\n", group);
      }
      printedInGroup = 0;
    }
    const unsigned bit = bits.bit(n);
    const bool atDefault = bit == (switchDefault(n) ? 1u : 0u);
    if (isDefinedSwitch(n) && (o.allValues || !atDefault)) {
      o.command(atDefault, "MPW 63 %04u %u * ", n, bit);
      out.put(bit ? "1 (Enabled),  " : "0 (Disabled), ");
      printDescription(out, lookupDescription(Catalogue::kSwitches, group, n % 100),
                       static_cast<char>('0' + group));
      out.put('\n');
      ++printedInGroup;
    }
    if (n % 100 == 99 && printedInGroup == 0) out.put(";   All Switches Set to Defaults.\n");
  }
}

// Not decoded yet: the family still prints from its bytes.
void switchesSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
