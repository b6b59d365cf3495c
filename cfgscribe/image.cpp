#include "cfgscribe/image.h"

#include <cstdarg>

namespace cfgscribe {

namespace {
constexpr const char* kRecordNames[kRecordTypeCount] = {
    "cfgRec_Controller",     "cfgRec_ID",
    "cfgRec_Status",         "cfgRec_FWVer",
    "cfgRec_Serial",         "cfgRec_Name",
    "cfgRec_Passwords",      "cfgRec_SoftwareSwitch",
    "cfgRec_EventTrigMacro", "cfgRec_SchedulerSetpoint",
    "cfgRec_Macros",         "cfgRec_Timers10",
    "cfgRec_Timers100",      "cfgRec_Timers1000",
    "cfgRec_Counters",       "cfgRec_Messages",
    "cfgRec_PathMode",       "cfgRec_PathPriority",
    "cfgRec_CTCSSEncoders",  "cfgRec_IDTail",
    "cfgRec_MessageHandlers", "cfgRec_DTMFDecoders",
    "cfgRec_CPWAccessTable", "cfgRec_UserTimers",
    "cfgRec_CmdRespRouting", "cfgRec_ToneGenerators",
    "cfgRec_LongNames",
};
}  // namespace

const char* recordTypeName(unsigned type) {
  return type < kRecordTypeCount ? kRecordNames[type] : nullptr;
}

WalkContext::WalkContext() {
  // Commands stored in macros carry the macro password as their prefix.
  passwords[0].count = 1;
  passwords[0].digits[0] = kMacroPassword;
}

bool WalkContext::schedulerEnabled() const {
  return switchBitCount == 0 || (switchBits[0] & 0x02) != 0;
}

int Out::dbg(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const int n = sink.put(script ? ";debug  " : "debug  ") + sink.vprintf(format, args);
  va_end(args);
  return n;
}

void debugTypeAttributesSize(Out& o, const Record& r) {
  o.dbg("Record Type       : %d\n", r.type());
  o.dbg("Attributes        : 0x%x\n", r.attributes());
  o.dbg("Element Size      : %d\n", r.elementSize());
}

void debugRecordHeader(Out& o, const Record& r) {
  debugTypeAttributesSize(o, r);
  o.dbg("Num Elements      : %d\n", r.elementCount());
}

void debugPortGroupedHeader(Out& o, const Record& r) {
  debugTypeAttributesSize(o, r);
  o.dbg("Num Misc          : %d\n", r.numMisc());
  o.dbg("Num Port          : %d\n", r.numPort());
}

std::uint32_t indexedListLength(const Record& r) {
  constexpr unsigned kMaxEntries = 101;
  const std::uint32_t step = r.elementSize() + 1;
  std::uint32_t length = 4;
  for (unsigned n = 0; n < kMaxEntries && r.u8(length) != kEndMarker; ++n) length += step;
  return length + 1;
}

void walkRecords(ByteView image, const HandlerTable& table, Out& o) {
  WalkContext ctx;
  ctx.remaining = image.size();
  if (image.u8(0) == kEndMarker) return;
  std::size_t offset = 0;
  for (;;) {
    if (offset >= image.size()) return;
    if (ctx.controllerSeen && ctx.recordsHandled >= ctx.controller.recordCount()) return;
    ctx.offset = offset;
    ctx.remaining = image.size() - offset;
    const Record record(image.sub(offset));
    const unsigned type = record.type();
    table.beforeRecord(o, offset, type);
    RecordHandler handler = type < kRecordTypeCount ? table.known[type] : table.unrecognised;
    const std::uint32_t length = handler(record, ctx, o);
    if (type == kController) ctx.controllerSeen = true;
    // Every record has at least its header; a zero length would never move on.
    offset += length > 0 ? length : 1;
    ++ctx.recordsHandled;
    ctx.remaining = offset < image.size() ? image.size() - offset : 0;
    if (image.u8(offset) == kEndMarker) return;
  }
}

}  // namespace cfgscribe
