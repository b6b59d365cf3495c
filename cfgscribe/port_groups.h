// The port-grouped layout: after the 5-byte header come Num Misc
// miscellaneous elements, then one group of Num Port elements for each
// port. Every record of this layout (timers, counters, paths, CTCSS
// encoders, ID tails, message handlers, DTMF decoders, tone generators) is
// read through this one type in the report, the script and the raw dump.
//
// Records that keep only port settings still step over miscellaneous
// elements when a record holds some, so their port groups are read from the
// right place. Every view handed out is cut to its group or element, so a
// short element reads as 0xFF ("nothing stored") instead of as its
// neighbour.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cfgscribe/image.h"

namespace cfgscribe {

class PortGroups {
 public:
  // Numbers such as timer and counter numbers carry the port in one digit
  // and the entry in two, so only ports 1 to 3 and entries 0 to 99 are
  // shown or written as commands; larger groups and further ports still
  // count in the record length but are stepped over.
  static constexpr unsigned kNumberedPorts = 3;
  static constexpr unsigned kNumberedEntries = 100;

  PortGroups(const Record& r, unsigned ports) : r_(r), ports_(ports) {}

  unsigned ports() const { return ports_; }
  unsigned elementSize() const { return r_.elementSize(); }
  unsigned perPort() const { return r_.numPort(); }
  // Entries of group g (0 miscellaneous, 1.. the ports) in the record.
  unsigned count(unsigned group) const { return group == 0 ? r_.numMisc() : r_.numPort(); }
  // Ports whose groups get numbers, and the numbered entries of group g.
  unsigned shownPorts() const { return ports_ < kNumberedPorts ? ports_ : kNumberedPorts; }
  unsigned shown(unsigned group) const { return count(group) < kNumberedEntries ? count(group) : kNumberedEntries; }

  std::size_t groupOffset(unsigned group) const {
    return 5 + std::size_t{elementSize()} * (group == 0 ? 0 : r_.numMisc() + std::size_t{group - 1} * perPort());
  }
  ByteView group(unsigned group) const { return r_.sub(groupOffset(group), std::size_t{elementSize()} * count(group)); }
  ByteView element(unsigned group, std::size_t index) const {
    if (index >= count(group)) return {};
    return this->group(group).sub(index * elementSize(), elementSize());
  }

  // Whether the image holds the value of entry i of group g. An entry past
  // the end of a cut-short record is not in the file: the report shows it
  // as 0, like an absent port, and the script writes no command for it.
  bool loaded(unsigned group, unsigned i) const {
    return r_.has(groupOffset(group) + std::size_t{i} * elementSize(), elementSize() < 2 ? elementSize() : 2u);
  }
  // The 16-bit value of entry i of group g: a 2-byte (or wider) element is
  // big-endian; a 1-byte element is that byte; an empty one is 0.
  unsigned value(unsigned group, unsigned i) const {
    const ByteView e = element(group, i);
    if (elementSize() == 0) return 0;
    return elementSize() == 1 ? e.u8(0) : e.u16(0);
  }
  // The value as the report's columns show it: 0 for absent ports and
  // entries the image does not hold.
  unsigned shownValue(unsigned group, unsigned i) const {
    return group <= ports_ && loaded(group, i) ? value(group, i) : 0;
  }

  // Calls onEntry(port, entry) for every entry of every port group, in
  // record order.
  template <class OnEntry>
  void forEachPortEntry(OnEntry onEntry) const {
    for (unsigned p = 1; p <= ports_; ++p) {
      for (std::size_t e = 0; e < perPort(); ++e) onEntry(p, e);
    }
  }

  // A section of per-port settings: its heading, the record header lines
  // with -d, then onPort(port) for each port.
  template <class OnPort>
  void section(Out& o, const char* heading, OnPort onPort) const {
    o.sink.put(heading);
    if (o.debug) debugPortGroupedHeader(o, r_);
    for (unsigned p = 1; p <= ports_; ++p) onPort(p);
  }

 private:
  const Record& r_;
  unsigned ports_;
};

// The character that stands for a port in descriptions and texts.
inline char portDigit(unsigned port) { return port < 10 ? static_cast<char>('0' + port) : '?'; }

}  // namespace cfgscribe
