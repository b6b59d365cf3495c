// The first three common debug lines, for records whose fourth and fifth
// header bytes are shown under names of their own (nMisc / nPort, Num Misc
// / Num Ports) rather than by debugRecordHeader or debugPortGroupedHeader.
#pragma once

#include "cfgscribe/image.h"

namespace cfgscribe::records {

// Record Type, Attributes and Element Size.
inline void debugTypeAttributesSize(Out& o, const Record& r) {
  o.dbg("Record Type       : %d\n", r.type());
  o.dbg("Attributes        : 0x%x\n", r.attributes());
  o.dbg("Element Size      : %d\n", r.elementSize());
}

}  // namespace cfgscribe::records
