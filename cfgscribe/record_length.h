// How far each record reaches: one length rule per record type, applied by
// the walk for every output mode, so the report, the script and the raw
// dump always agree on where the next record starts. Handlers read only the
// bytes the rule gives their record.
#pragma once

#include <cstdint>

#include "cfgscribe/damage_log.h"
#include "cfgscribe/image.h"

namespace cfgscribe {

// The length of record `r` (a view from its first byte to the end of the
// walked image), at least 1 and never more than the bytes that remain.
// Framing that does not hold together (an unknown type, a list, count or
// chain that runs past the record, a record cut short by the end of the
// image) is noted in `log`.
std::uint32_t recordLength(const Record& r, const ControllerDefinition& c, DamageLog& log);

}  // namespace cfgscribe
