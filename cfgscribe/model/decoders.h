// Each record family's settings, decoded from its record. The family's
// report and script sections read them, and so do the JSON export and the
// comparison of two files (decode_record.h visits every record's settings).
#pragma once

#include "cfgscribe/image.h"
#include "cfgscribe/model/port_values.h"

namespace cfgscribe::records {

// Fixed-purpose timers (types 11, 12, 13).
PortValueSettings timerSettings(const Record& r, const WalkContext& ctx);
// Counter reload values (type 14).
PortValueSettings counterSettings(const Record& r, const WalkContext& ctx);

}  // namespace cfgscribe::records
