// The report's scratch table: four groups (miscellaneous, ports 1 to 3) of
// 100 two-byte slots into which a port-grouped report copies its record, so
// that it can print three port columns side by side. Slots of absent ports
// read as 0. Elements beyond 100 per group, ports beyond 3 and element bytes
// beyond the second are not copied, so nothing is written outside the table.
#pragma once

#include <array>
#include <cstdint>

#include "cfgscribe/image.h"

namespace cfgscribe::records {

class ScratchTable {
 public:
  static constexpr unsigned kGroups = 4;
  static constexpr unsigned kSlots = 100;

  // Clears the table and copies the groups of a port-grouped record with
  // `ports` port groups. Returns the record length, 5 + element size x
  // (Num Misc + ports x Num Port).
  std::uint32_t load(const Record& r, unsigned ports) {
    for (auto& group : slots_) group.fill({0, 0});
    const unsigned size = r.elementSize();
    std::size_t offset = 5;
    for (unsigned g = 0; g <= ports; ++g) {
      const unsigned count = g == 0 ? r.numMisc() : r.numPort();
      for (unsigned j = 0; j < count; ++j, offset += size) {
        if (g >= kGroups || j >= kSlots) continue;
        for (unsigned k = 0; k < 2 && k < size; ++k) slots_[g][j][k] = r.u8(offset + k);
      }
    }
    return static_cast<std::uint32_t>(offset);
  }

  std::uint8_t byte(unsigned group, unsigned slot, unsigned k) const {
    return group < kGroups && slot < kSlots && k < 2 ? slots_[group][slot][k] : 0;
  }
  // The slot's two bytes as a 16-bit big-endian value.
  unsigned value(unsigned group, unsigned slot) const {
    return static_cast<unsigned>(byte(group, slot, 0)) << 8 | byte(group, slot, 1);
  }

 private:
  std::array<std::array<std::array<std::uint8_t, 2>, kSlots>, kGroups> slots_{};
};

}  // namespace cfgscribe::records
