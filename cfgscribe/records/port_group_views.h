// Where the groups of a port-grouped record lie: after the 5-byte header
// come Num Misc miscellaneous elements, then one group of Num Port elements
// for each port. Records that keep only port settings (path mode, path
// priority, CTCSS encoders, ID tail) still step over miscellaneous elements
// when a record holds some, so their port groups are read from the right
// place. Every view handed out is cut to its group or element, so a short
// element reads as 0xFF ("nothing stored") instead of as its neighbour.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cfgscribe/image.h"

namespace cfgscribe::records {

class PortGroupViews {
 public:
  PortGroupViews(const Record& r, unsigned ports) : record_(r), ports_(ports) {}

  unsigned ports() const { return ports_; }
  std::size_t elementSize() const { return record_.elementSize(); }
  std::size_t perPort() const { return record_.numPort(); }
  std::size_t miscBytes() const { return elementSize() * record_.numMisc(); }
  std::size_t portBytes() const { return elementSize() * perPort(); }

  // Group 0 is the miscellaneous group, groups 1.. the ports.
  std::size_t groupOffset(unsigned group) const {
    return group == 0 ? 5 : 5 + miscBytes() + (group - 1) * portBytes();
  }
  ByteView group(unsigned group) const {
    return record_.sub(groupOffset(group), group == 0 ? miscBytes() : portBytes());
  }
  ByteView element(unsigned group, std::size_t index) const {
    const std::size_t count = group == 0 ? record_.numMisc() : perPort();
    if (index >= count) return {};
    return this->group(group).sub(index * elementSize(), elementSize());
  }

  // 5 + element size x (Num Misc + ports x Num Port).
  std::uint32_t length() const { return portGroupedLength(record_, ports_); }

 private:
  const Record& record_;
  unsigned ports_;
};

// The character that stands for a port in descriptions and texts.
inline char portDigit(unsigned port) {
  return port < 10 ? static_cast<char>('0' + port) : '?';
}

}  // namespace cfgscribe::records
