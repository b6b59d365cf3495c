// Shared reading rules of the timer and counter records: a port-grouped
// record whose elements are 16-bit numbers, with the limits of what the
// controller can address. Timer and counter numbers carry the port in one
// digit and the entry in two, so only ports 1 to 3 and entries 0 to 99 are
// shown or written as commands; larger groups and further ports still count
// in the record length but are stepped over.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cfgscribe/image.h"
#include "cfgscribe/records/scratch_table.h"

namespace cfgscribe::records {

constexpr unsigned kAddressablePorts = 3;
constexpr unsigned kAddressableEntries = 100;

// The value of an element from its first bytes: a 2-byte (or wider) element
// is big-endian 16-bit; a 1-byte element is that byte; an empty one is 0.
inline unsigned elementValue(unsigned size, unsigned firstByte, unsigned secondByte) {
  if (size == 0) return 0;
  if (size == 1) return firstByte;
  return firstByte << 8 | secondByte;
}

// Where each group of a port-grouped record starts, from its header and
// the controller's port count.
class PortGroups {
 public:
  PortGroups(const Record& r, unsigned ports)
      : r_(r), size_(r.elementSize()), misc_(r.numMisc()), perPort_(r.numPort()), ports_(ports) {}

  unsigned size() const { return size_; }
  unsigned ports() const { return ports_; }
  // Ports whose groups are shown: at most the three the controller has.
  unsigned shownPorts() const { return ports_ < kAddressablePorts ? ports_ : kAddressablePorts; }
  // Entries of group g (0 miscellaneous, 1.. the ports) in the record.
  unsigned count(unsigned group) const { return group == 0 ? misc_ : perPort_; }
  // Entries of group g that are shown: at most 100.
  unsigned shown(unsigned group) const {
    const unsigned n = count(group);
    return n < kAddressableEntries ? n : kAddressableEntries;
  }
  // Whether the image holds entry i of group g. An entry past the end of a
  // cut-short record is not in the file: the report shows it as 0, like an
  // absent port, and the script writes no command for it.
  bool loaded(unsigned group, unsigned i) const {
    return r_.has(offsetOf(group, i), size_ < 2 ? size_ : 2);
  }
  // Value of entry i of group g, read from the record.
  unsigned value(unsigned group, unsigned i) const {
    const std::size_t offset = offsetOf(group, i);
    return elementValue(size_, r_.u8(offset), r_.u8(offset + 1));
  }
  // Value of slot j of group g of a scratch table loaded from this record.
  unsigned value(const ScratchTable& table, unsigned group, unsigned j) const {
    if (group > ports_ || !loaded(group, j)) return 0;
    return elementValue(size_, table.byte(group, j, 0), table.byte(group, j, 1));
  }

 private:
  const Record& r_;
  unsigned size_;
  unsigned misc_;
  unsigned perPort_;
  unsigned ports_;

  std::size_t offsetOf(unsigned group, unsigned i) const {
    const std::size_t index = group == 0 ? i : misc_ + static_cast<std::size_t>(group - 1) * perPort_ + i;
    return 5 + size_ * index;
  }
};

}  // namespace cfgscribe::records
