// The record walk: every record in file order, measured by its type's
// length rule, until the end marker, the end of the image or the
// controller's record count. Every output mode reads the records through it.
#pragma once

#include "cfgscribe/damage_log.h"
#include "cfgscribe/image.h"
#include "cfgscribe/record_length.h"

namespace cfgscribe {

// Calls beforeRecord(offset, type) and then onRecord(record, ctx) for each
// record, the record cut to its length and the context holding what the
// records before it and the record itself define. Damage goes to `log`.
template <class BeforeRecord, class OnRecord>
void forEachRecord(ByteView image, DamageLog& log, BeforeRecord beforeRecord, OnRecord onRecord) {
  WalkContext ctx;
  bool controllerSeen = false;
  unsigned recordsHandled = 0;
  std::size_t offset = 0;
  for (;;) {
    if (controllerSeen && recordsHandled >= ctx.controller.recordCount()) return;
    if (!image.has(offset)) {
      log.noteFile("the image ends at byte 0x%zx without its end marker (0xFF)", offset);
      return;
    }
    if (image.u8(offset) == kEndMarker) return;
    const Record rest(image.sub(offset), offset);
    const unsigned type = rest.type();
    beforeRecord(offset, type);
    log.atRecord(offset, type);
    const std::uint32_t length = recordLength(rest, ctx.controller, log);
    const Record record(rest.sub(0, length), offset);
    ctx.take(record);
    onRecord(record, static_cast<const WalkContext&>(ctx));
    // A definition too short to hold the record count sets no limit.
    if (type == kController && record.has(4 + ControllerDefinition::kRecordCount)) controllerSeen = true;
    offset += length;
    ++recordsHandled;
  }
}

}  // namespace cfgscribe
