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

}  // namespace

void pathModeReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  groups.section(o, "\nPath Mode\n", [&](unsigned p) {
    s.printf(" Port %u Path Mode\n", p);
    for (std::size_t i = 0; i < groups.perPort(); ++i) {
      // An element too short to hold its mode byte reads 0xFF: an error.
      const unsigned mode = groups.element(p, i).u8(0);
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
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  groups.section(o, "\n; Set Path Mode\n", [&](unsigned p) {
    s.printf(";  Port %u Path Mode\n", p);
    for (std::size_t i = 0; i < groups.perPort(); ++i) {
      const unsigned mode = groups.element(p, i).u8(0);
      // Both commands count as 13 characters, their width for single-digit values.
      if (i == 0) {
        o.commandAs(13, false, "MPW 57 %2u %u *", p, mode);
        s.printf("RX%u-DTMF, ", p);
      } else {
        o.commandAs(13, false, "MPW 57 %zu%u %u *", i, p, mode);
        s.printf("RX%zu-TX%u,  ", i, p);
      }
      printAccessMode(s, mode);
      s.put('\n');
    }
    s.put('\n');
  });
}

namespace {

// A receiver list of a path priority group: its first `shown` entries, where
// `shown` is the port count cut to the element's stored bytes.
struct ReceiverList {
  ByteView entries;

  ReceiverList(ByteView element, unsigned ports) : entries(element.sub(0, ports)) {}

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

}  // namespace

void pathPriorityReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  groups.section(o, "\nPath Priority\n", [&](unsigned p) {
    s.printf(" Receivers Priority to Port %u : ", p);
    ReceiverList(groups.element(p, kPriorityList), groups.ports()).print(s);
    s.printf("\n Receivers Mixed to Port %u    : ", p);
    ReceiverList(groups.element(p, kMixList), groups.ports()).print(s);
    s.put('\n');
  });
}

void pathPriorityScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const PortGroups groups(r, ctx.controller.receivers());
  groups.section(o, "\n; Set Path Priority\n", [&](unsigned p) {
    s.printf(";  Receiver Priority to Port %u : ", p);
    ReceiverList(groups.element(p, kPriorityList), groups.ports()).print(s);
    s.printf("\n;  Receiver Mixed to Port %u    : ", p);
    ReceiverList(groups.element(p, kMixList), groups.ports()).print(s);
    s.put('\n');
    for (std::size_t e = 0; e < groups.perPort(); ++e) {
      const ReceiverList list(groups.element(p, e), groups.ports());
      if (list.empty()) continue;
      s.printf("MPW 90 %u ", p);
      list.printEntries(s);
      s.printf("*    ; RX-TX%u\n", p);
    }
    s.put('\n');
  });
}

// Not decoded yet: the family still prints from its bytes.
void pathModeSettings(const Record&, const WalkContext&, SettingVisitor&) {}

// Not decoded yet: the family still prints from its bytes.
void pathPrioritySettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
