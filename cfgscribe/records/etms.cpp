// cfgRec_EventTrigMacro: the macro each controller event runs. The record
// holds one list of set ETMs per group (miscellaneous, then each port).
#include <algorithm>
#include <array>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kFirstList = 5;
constexpr unsigned kNumbersPerGroup = 100;
constexpr unsigned kShownGroups = 4;      // miscellaneous and ports 1 to 3
constexpr std::size_t kShownNameBytes = 2;  // four digits of each macro name

bool isDefinedEtm(unsigned group, unsigned e) { return isDefinedEntry(Catalogue::kEtms, group, e); }

// Port marker of a description: the group's digit ("TX2"), or 'p' in rows
// that show every port.
char portChar(unsigned group) { return group < 10 ? static_cast<char>('0' + group) : 'p'; }

int printEtmDescription(Sink& out, unsigned group, unsigned e, char marker) {
  return printDescription(out, lookupDescription(Catalogue::kEtms, group, e), marker);
}

struct EtmEntry {
  unsigned number;
  ByteView name;  // the shown part of the macro name, at most two bytes
};

// Reads the lists of groups 0 to R in order, calling onList(group) before
// each list and onEntry(group, entry) for each entry. A list ends at its
// 0xFF byte and holds at most its capacity + 1 entries; after that many
// the next byte is taken as its end byte. Returns the record length.
template <class OnList, class OnEntry, class OnListEnd>
void forEachList(const Record& r, const WalkContext& ctx, OnList onList, OnEntry onEntry,
                          OnListEnd onListEnd) {
  const std::size_t nameBytes = ctx.controller.macroNameDigits() / 2;
  const unsigned groups = ctx.controller.receivers() + 1;
  std::size_t offset = kFirstList;
  for (unsigned g = 0; g < groups; ++g) {
    onList(g);
    const unsigned capacity = g == 0 ? r.numMisc() : r.numPort();
    for (unsigned read = 0; read <= capacity && r.u8(offset) != kEndMarker; ++read) {
      onEntry(g, EtmEntry{r.u8(offset), r.sub(offset + 1, std::min(nameBytes, kShownNameBytes))});
      offset += 1 + nameBytes;
    }
    onListEnd(g);
    offset += 1;  // the list's end byte
  }
}

// The report's table: four digits of each shown ETM's macro name, by
// group and number; 0xFF when the ETM is not set.
class EtmTable {
 public:
  EtmTable() {
    for (auto& slot : slots_) slot = {kEndMarker, kEndMarker};
  }
  // ETMs outside the shown groups or numbered 100 or more have no slot and
  // are left out of the report.
  void set(unsigned group, const EtmEntry& e) {
    if (group >= kShownGroups || e.number >= kNumbersPerGroup) return;
    auto& slot = slots_[group * kNumbersPerGroup + e.number];
    slot = {e.name.u8(0), e.name.size() > 1 ? e.name.u8(1) : kEndMarker};
  }
  // Prints the four name digits, or `empty` when the ETM is not set.
  void print(Sink& out, unsigned group, unsigned e, const char* empty, const char* after) const {
    const auto& slot = slots_[group * kNumbersPerGroup + e];
    if (slot[0] == kEndMarker) {
      out.put(empty);
      return;
    }
    printDigitString(out, ByteView(slot.data(), slot.size()), slot.size());
    out.put(after);
  }

 private:
  std::array<std::array<std::uint8_t, 2>, kShownGroups * kNumbersPerGroup> slots_;
};

}  // namespace

void etmsReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\nEvent-Triggered Macros\n");
  if (o.debug) debugPortGroupedHeader(o, r);
  EtmTable table;
  forEachList(
      r, ctx, [](unsigned) {}, [&](unsigned g, const EtmEntry& e) { table.set(g, e); }, [](unsigned) {});

  out.put(" Miscellaneous ETMs\n");
  out.put("   No.    Macro       Description\n");
  for (unsigned e = 0; e < kNumbersPerGroup; ++e) {
    if (!isDefinedEtm(0, e)) continue;
    out.printf("   %02d%02d:  ", 0, e);
    table.print(out, 0, e, "----     -- ", "     -- ");
    printEtmDescription(out, 0, e, portChar(0));
    out.put('\n');
  }

  out.put("\n Port ETMs\n");
  out.put("   No.    Macro   No.    Macro   No.    Macro       Description\n");
  for (unsigned e = 0; e < kNumbersPerGroup; ++e) {
    if (!isDefinedEtm(1, e)) continue;
    for (unsigned g = 1; g < kShownGroups; ++g) {
      out.printf("   %02d%02d:  ", g, e);
      table.print(out, g, e, "---- ", " ");
    }
    out.put("    -- ");
    printEtmDescription(out, 1, e, 'p');
    out.put('\n');
  }
}

void etmsScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\n; Set Event-Triggered Macros\n");
  if (o.debug) {
    debugPortGroupedHeader(o, r);
    o.dbg("  Note: Unset ETMs Not Listed Here\n");
  }
  // Under -a, the commented templates of the unset ETMs from `from` to `to`.
  auto unsetLines = [&](unsigned g, unsigned from, unsigned to) {
    for (unsigned e = from; e <= to && e < kNumbersPerGroup; ++e) {
      if (!isDefinedEtm(g, e)) continue;
      o.commandAs(25, true, "MPW 26 %02d%02d <macroname> *", g, e);
      printEtmDescription(out, g, e, portChar(g));
      out.put('\n');
    }
  };
  unsigned nextUnset = 0;  // first number not yet covered in this group
  bool anyEntry = false;
  forEachList(
      r, ctx,
      [&](unsigned g) {
        if (g == 0)
          out.put(";  Miscellaneous ETMs\n");
        else
          out.printf("\n;  Port %d ETMs\n", g);
        nextUnset = 0;
        anyEntry = false;
      },
      [&](unsigned g, const EtmEntry& e) {
        // An ETM number of 100 or more names no event: it is left out, as
        // no command could set it.
        if (e.number >= kNumbersPerGroup) return;
        if (o.allValues && e.number > 0) unsetLines(g, nextUnset, e.number - 1);
        out.printf("MPW 26 %02d%02d ", g, e.number);
        printDigitString(out, e.name, e.name.size());
        out.put(" *");
        o.toComment(18);  // counted as a four-digit name
        printEtmDescription(out, g, e.number, portChar(g));
        out.put('\n');
        nextUnset = std::max(nextUnset, e.number + 1);
        anyEntry = true;
      },
      [&](unsigned g) {
        if (o.allValues)
          unsetLines(g, nextUnset, kNumbersPerGroup - 1);
        else if (!anyEntry)
          out.put(";    No ETMs Set\n");
      });
}

// Not decoded yet: the family still prints from its bytes.
void etmsSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
