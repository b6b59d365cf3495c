// Keeping a handler inside its own record.
//
// A Record view runs to the end of the walked image, so it also holds the
// records that follow. Handlers whose fields sit at offsets computed from
// header counts read through recordBytes() instead: the record's own bytes,
// cut to what is loaded. An item whose bytes are not all there is left out
// of the section, and one warning line says how many were left out.
#pragma once

#include <cstdint>

#include "cfgscribe/image.h"

namespace cfgscribe::records {

// The first `length` bytes of the record, as far as they are loaded.
inline ByteView recordBytes(const Record& r, std::uint32_t length) { return r.sub(0, length); }

// "  WARNING: Record data missing, 2 of 3 ports not shown\n" (report), or the
// same after ";" and three blanks (script). Prints nothing when none is missing.
inline void noteItemsNotShown(Out& o, unsigned missing, unsigned total, const char* items) {
  if (missing == 0) return;
  o.sink.printf("%sWARNING: Record data missing, %u of %u %s not shown\n", o.lead(),
                missing, total, items);
}

}  // namespace cfgscribe::records
