// Items a record does not hold in full.
//
// A handler's Record view holds the record's own bytes only, as far as they
// are loaded (the walk cuts it by the record's length rule). An item whose
// bytes are not all there is left out of the section, and one warning line
// says how many were left out.
#pragma once

#include <cstdint>

#include "cfgscribe/image.h"

namespace cfgscribe::records {

// "  WARNING: Record data missing, 2 of 3 ports not shown\n" (report), or the
// same after ";" and three blanks (script). Prints nothing when none is missing.
inline void noteItemsNotShown(Out& o, unsigned missing, unsigned total, const char* items) {
  if (missing == 0) return;
  o.sink.printf("%sWARNING: Record data missing, %u of %u %s not shown\n", o.lead(),
                missing, total, items);
}

}  // namespace cfgscribe::records
