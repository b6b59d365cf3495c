// Path mode (type 16) and path priority (type 17): how each receiver reaches
// each transmitter port, and which receivers win or are mixed into a port.
// Neither record has cold-start defaults to compare with, so the script
// writes every path mode and every non-empty list under -s and -a alike.
#include <cstddef>

#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {
namespace {

constexpr const char* kAccessModes[] = {
    "No Access",        "Carrier Only", "CTCSS Only", "Carrier AND CTCSS",
    "Carrier OR CTCSS", "Anti-CTCSS",   "Always ON",
};
constexpr unsigned kAccessModeCount = sizeof kAccessModes / sizeof kAccessModes[0];

void printAccessMode(Sink& s, unsigned mode) {
  if (mode < kAccessModeCount) {
    s.put(kAccessModes[mode]);
  } else {
    s.printf("[Error: 0x%x], ", mode);
  }
}

// Path mode setting of receiver i (0: the DTMF decoder) to port p: group
// p, entry i. Both commands count as 13 characters, their width for
// single-digit values.
constexpr int kModeCommandLength = 13;

int modeCommand(Sink& out, const Setting& s) {
  if (s.key.entry == 0) {
    out.printf("MPW 57 %2u %u *", s.key.group, s.value);
  } else {
    out.printf("MPW 57 %u%u %u *", static_cast<unsigned>(s.key.entry), s.key.group, s.value);
  }
  return kModeCommandLength;
}
void modeName(Sink& out, const Setting& s) {
  if (s.key.entry == 0) {
    out.printf("RX%u-DTMF", s.key.group);
  } else {
    out.printf("RX%u-TX%u", static_cast<unsigned>(s.key.entry), s.key.group);
  }
}
void modeComment(Sink& out, const Setting& s) {
  modeName(out, s);
  out.put(s.key.entry == 0 ? ", " : ",  ");
  printAccessMode(out, s.value);
}
void modeText(Sink& out, const Setting& s) { printAccessMode(out, s.value); }
constexpr SettingKind kPathModeKind{"accessMode", "", modeCommand, modeComment, modeText, modeName};

// The path modes of one record, decoded on demand. They have no cold-start
// value to compare with: every one is written under -s and -a alike.
class PathModes {
 public:
  PathModes(const Record& r, const WalkContext& ctx) : r_(r), groups_(r, ctx.controller.receivers()) {}

  const PortGroups& groups() const { return groups_; }
  Setting mode(unsigned p, std::size_t i) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(p),
                       static_cast<std::uint16_t>(i), 0};
    s.kind = &kPathModeKind;
    // An element too short to hold its mode byte reads 0xFF: an error.
    s.value = groups_.element(p, i).u8(0);
    return s;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    groups_.forEachPortEntry([&](unsigned p, std::size_t e) { onSetting(mode(p, e)); });
  }

 private:
  const Record& r_;
  PortGroups groups_;
};

}  // namespace

void pathModeReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PathModes modes(r, ctx);
  modes.groups().section(o, "\nPath Mode\n", [&](unsigned p) {
    s.printf(" Port %u Path Mode\n", p);
    for (std::size_t i = 0; i < modes.groups().perPort(); ++i) {
      const unsigned mode = modes.mode(p, i).value;
      if (i == 0) {
        s.printf("   RX%u-DTMF Mode:  %u -- ", p, mode);
      } else {
        s.printf("   RX%zu-TX%u  Mode:  %u -- ", i, p, mode);
      }
      printAccessMode(s, mode);
      s.put('\n');
    }
    s.put('\n');
  });
}

void pathModeScript(const Record& r, const WalkContext& ctx, Out& o) {
  const PathModes modes(r, ctx);
  modes.groups().section(o, "\n; Set Path Mode\n", [&](unsigned p) {
    o.sink.printf(";  Port %u Path Mode\n", p);
    for (std::size_t i = 0; i < modes.groups().perPort(); ++i) o.setting(modes.mode(p, i));
    o.sink.put('\n');
  });
}

namespace {

// A receiver list of a path priority group: its first `shown` entries, where
// `shown` is the port count cut to the element's stored bytes.
struct ReceiverList {
  ByteView entries;

  bool empty() const {
    for (std::size_t k = 0; k < entries.size(); ++k) {
      if (entries.u8(k) != 0) return false;
    }
    return true;
  }
  // "%d " per non-zero entry; "none " when there is none.
  void print(Sink& s) const {
    if (empty()) {
      s.put("none ");
      return;
    }
    printEntries(s);
  }
  void printEntries(Sink& s) const {
    for (std::size_t k = 0; k < entries.size(); ++k) {
      if (entries.u8(k) != 0) s.printf("%u ", static_cast<unsigned>(entries.u8(k)));
    }
  }
};

// The priority list is the group's first element and the mix list its
// second, whatever the element size; a missing element is an empty list.
constexpr std::size_t kPriorityList = 0;
constexpr std::size_t kMixList = 1;

// A receiver list of port p (group p, entry e): its bytes are the list, it
// is set by one MPW 90 line unless it is empty. Its comment follows four
// blanks, not the comment column: the width counted is the column's less
// four, whatever was printed.
unsigned listLines(const Setting& s) { return ReceiverList{s.bytes}.empty() ? 0 : 1; }
int listCommand(Sink& out, const Setting& s) {
  out.printf("MPW 90 %u ", s.key.group);
  ReceiverList{s.bytes}.printEntries(out);
  out.put('*');
  return Out::kCommentColumn - 4;
}
void listComment(Sink& out, const Setting& s) { out.printf("RX-TX%u", s.key.group); }
void listText(Sink& out, const Setting& s) { ReceiverList{s.bytes}.print(out); }
void listName(Sink& out, const Setting& s) {
  out.printf(s.key.entry == kMixList ? "Receivers Mixed to Port %u" : "Receivers Priority to Port %u", s.key.group);
}
constexpr SettingKind kReceiverListKind{"receivers", "", listCommand, listComment, listText, listName, listLines};

// The receiver lists of one record, decoded on demand.
class PriorityLists {
 public:
  PriorityLists(const Record& r, const WalkContext& ctx) : r_(r), groups_(r, ctx.controller.receivers()) {}

  const PortGroups& groups() const { return groups_; }
  Setting list(unsigned p, std::size_t e) const {
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(p),
                       static_cast<std::uint16_t>(e), 0};
    s.kind = &kReceiverListKind;
    s.bytes = groups_.element(p, e).sub(0, groups_.ports());
    s.value = static_cast<unsigned>(s.bytes.size());
    return s;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    groups_.forEachPortEntry([&](unsigned p, std::size_t e) { onSetting(list(p, e)); });
  }

 private:
  const Record& r_;
  PortGroups groups_;
};

}  // namespace

void pathPriorityReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PriorityLists lists(r, ctx);
  lists.groups().section(o, "\nPath Priority\n", [&](unsigned p) {
    s.printf(" Receivers Priority to Port %u : ", p);
    listText(s, lists.list(p, kPriorityList));
    s.printf("\n Receivers Mixed to Port %u    : ", p);
    listText(s, lists.list(p, kMixList));
    s.put('\n');
  });
}

void pathPriorityScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PriorityLists lists(r, ctx);
  lists.groups().section(o, "\n; Set Path Priority\n", [&](unsigned p) {
    s.printf(";  Receiver Priority to Port %u : ", p);
    listText(s, lists.list(p, kPriorityList));
    s.printf("\n;  Receiver Mixed to Port %u    : ", p);
    listText(s, lists.list(p, kMixList));
    s.put('\n');
    for (std::size_t e = 0; e < lists.groups().perPort(); ++e) {
      const Setting list = lists.list(p, e);
      if (listLines(list) == 0) continue;
      o.toComment(listCommand(s, list));
      listComment(s, list);
      s.put('\n');
    }
    s.put('\n');
  });
}

void pathModeSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  PathModes(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

void pathPrioritySettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  PriorityLists(r, ctx).forEach([&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
