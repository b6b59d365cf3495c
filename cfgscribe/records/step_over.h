// Placeholder length rule for record families whose sections are not
// printed yet: steps over the record by its layout kind.
#pragma once

#include "cfgscribe/image.h"

namespace cfgscribe::records {

inline std::uint32_t stepOverByLayout(const Record& r, const WalkContext& ctx) {
  switch (r.layoutKind()) {
    case 0: return portGroupedLength(r, ctx.controller.receivers());
    case 1: return elementArrayLength(r);
    case 2: {
      std::uint32_t length = 4;
      while (r.has(length) && r.u8(length) != kEndMarker) length += r.elementSize() + 1;
      return length + 1;
    }
    default: return 5 + r.elementSize();
  }
}

}  // namespace cfgscribe::records
