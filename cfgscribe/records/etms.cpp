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
constexpr unsigned kShownGroups = 4;        // miscellaneous and ports 1 to 3
constexpr std::size_t kShownNameBytes = 2;  // four digits of each macro name

bool isDefinedEtm(unsigned group, unsigned e) { return isDefinedEntry(Catalogue::kEtms, group, e); }

// Port marker of a description: the group's digit ("TX2"), or 'p' in rows
// that show every port.
char portChar(unsigned group) { return group < 10 ? static_cast<char>('0' + group) : 'p'; }

int printEtmDescription(Sink& out, unsigned group, unsigned e, char marker) {
  return printDescription(out, lookupDescription(Catalogue::kEtms, group, e), marker);
}

// A set ETM (group, number): its macro name's shown part in `bytes`, its
// first two bytes as its value. An unset ETM is no setting: the record
// holds only the set ones.
int printEtmAddress(Sink& out, unsigned group, unsigned e) { return out.printf("MPW 26 %02u%02u ", group, e); }
int etmCommand(Sink& out, const Setting& s) {
  printEtmAddress(out, s.key.group, s.key.entry);
  printDigitString(out, s.bytes, s.bytes.size());
  out.put(" *");
  return 18;  // counted as a four-digit name
}
void etmName(Sink& out, const Setting& s) { printEtmDescription(out, s.key.group, s.key.entry, portChar(s.key.group)); }
void etmText(Sink& out, const Setting& s) { printDigitString(out, s.bytes, s.bytes.size()); }
constexpr SettingKind kEtm{"macro", "", etmCommand, etmName, etmText, etmName};

// Under -a, the commented template of an unset ETM: a placeholder.
void printUnsetTemplate(Out& o, unsigned group, unsigned e) {
  o.toComment(o.sink.put(';') + printEtmAddress(o.sink, group, e) + o.sink.put("<macroname> *"));
  printEtmDescription(o.sink, group, e, portChar(group));
  o.sink.put('\n');
}

// The decoded record: one list of set ETMs per group (miscellaneous, then
// each port). A list ends at its 0xFF byte and holds at most its capacity
// + 1 entries; after that many the next byte is taken as its end byte.
class EtmLists {
 public:
  EtmLists(const Record& r, const WalkContext& ctx)
      : r_(r), nameBytes_(ctx.controller.macroNameDigits() / 2), groups_(ctx.controller.receivers() + 1) {}

  // The set ETMs in list order: onGroup(g) before each list, onSet(s) for
  // each entry, onGroupEnd(g) after it. An ETM number of 100 or more names
  // no event and no command could set it: it is left out.
  template <class OnGroup, class OnSet, class OnGroupEnd>
  void forEach(OnGroup onGroup, OnSet onSet, OnGroupEnd onGroupEnd) const {
    std::size_t offset = kFirstList;
    for (unsigned g = 0; g < groups_; ++g) {
      onGroup(g);
      const unsigned capacity = g == 0 ? r_.numMisc() : r_.numPort();
      for (unsigned read = 0; read <= capacity && r_.u8(offset) != kEndMarker; ++read) {
        if (r_.u8(offset) < kNumbersPerGroup) onSet(etm(g, offset));
        offset += 1 + nameBytes_;
      }
      onGroupEnd(g);
      offset += 1;  // the list's end byte
    }
  }

 private:
  Setting etm(unsigned g, std::size_t offset) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(g), r_.u8(offset), 0};
    s.kind = &kEtm;
    s.bytes = r_.sub(offset + 1, std::min(nameBytes_, kShownNameBytes));
    s.value = s.bytes.u16(0);
    return s;
  }

  const Record& r_;
  std::size_t nameBytes_;
  unsigned groups_;
};

// The report's table: four digits of each shown ETM's macro name, by
// group and number; 0xFF when the ETM is not set.
class EtmTable {
 public:
  EtmTable() {
    for (auto& slot : slots_) slot = {kEndMarker, kEndMarker};
  }
  // ETMs outside the shown groups have no slot and are left out of the report.
  void set(const Setting& s) {
    if (s.key.group >= kShownGroups) return;
    slots_[s.key.group * kNumbersPerGroup + s.key.entry] = {s.bytes.u8(0), s.bytes.size() > 1 ? s.bytes.u8(1) : kEndMarker};
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
  EtmLists(r, ctx).forEach([](unsigned) {}, [&](const Setting& s) { table.set(s); }, [](unsigned) {});

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
  // Under -a, the templates of the unset ETMs from `next` up to `end`.
  unsigned next = 0;  // first number not yet covered in this group
  auto unsetUpTo = [&](unsigned g, unsigned end) {
    for (; o.allValues && next < end; ++next) {
      if (isDefinedEtm(g, next)) printUnsetTemplate(o, g, next);
    }
  };
  bool anySet = false;
  EtmLists(r, ctx).forEach(
      [&](unsigned g) {
        if (g == 0) {
          out.put(";  Miscellaneous ETMs\n");
        } else {
          out.printf("\n;  Port %u ETMs\n", g);
        }
        next = 0;
        anySet = false;
      },
      [&](const Setting& s) {
        unsetUpTo(s.key.group, s.key.entry);
        o.setting(s);
        next = std::max(next, s.key.entry + 1u);
        anySet = true;
      },
      [&](unsigned g) {
        unsetUpTo(g, kNumbersPerGroup);
        if (!anySet && !o.allValues) out.put(";    No ETMs Set\n");
      });
}

void etmsSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  EtmLists(r, ctx).forEach([](unsigned) {}, [&](const Setting& s) { visitor.setting(s); }, [](unsigned) {});
}

}  // namespace cfgscribe::records
