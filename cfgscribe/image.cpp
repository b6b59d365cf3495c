#include "cfgscribe/image.h"

#include <algorithm>
#include <cstdarg>

#include "cfgscribe/record_walk.h"

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

namespace {

const char* debugPrefix(const Out& o) { return o.script ? ";debug  " : "debug  "; }

// Copies a password into its table entry. An entry holds 8 digit bytes: a
// longer element is cut to its first 8 bytes, and the count stops there
// too, so the decoder matches a prefix by those bytes.
void fillEntry(PasswordEntry& entry, ByteView password, unsigned elementSize) {
  entry = PasswordEntry{};
  const std::size_t kept = std::min<std::size_t>(elementSize, entry.digits.size());
  std::size_t count = 0;
  while (count < kept && password.u8(count) != kEndMarker) ++count;
  for (std::size_t i = 0; i < kept; ++i) entry.digits[i] = password.u8(i);
  entry.count = static_cast<std::uint8_t>(count);
}

}  // namespace

void WalkContext::take(const Record& r) {
  switch (r.type()) {
    case kController:
      // Bytes past the loaded image count as 0, like header fields a short
      // file does not reach.
      for (std::size_t i = 0; i < controller.bytes.size(); ++i) controller.bytes[i] = r.has(4 + i) ? r.u8(4 + i) : 0;
      break;
    case kPasswords: {
      const unsigned size = r.elementSize();
      // The table holds the macro password and four locations.
      const unsigned count = std::min(r.elementCount(), static_cast<unsigned>(passwords.size() - 1));
      for (unsigned i = 0; i < count; ++i) fillEntry(passwords[i + 1], r.sub(4 + std::size_t{i} * size, size), size);
      break;
    }
    case kSoftwareSwitch: {
      // The Bit Set's leading bytes: (receivers + 1) x 100 switches, no more
      // than the record stores or the context holds.
      const std::size_t stored = r.elementCount() == 0 ? 0 : std::min<std::size_t>(r.elementSize(), r.available(4));
      const std::size_t wanted = (controller.receivers() + 1u) * 100u / 8u;
      switchBitCount = std::min({wanted, stored, kSwitchBitsKept});
      switchBits.fill(0);
      for (std::size_t i = 0; i < switchBitCount; ++i) switchBits[i] = r.u8(4 + i);
      break;
    }
    default:
      break;
  }
}

int Out::dbg(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const int n = sink.put(debugPrefix(*this)) + sink.vprintf(format, args);
  va_end(args);
  return n;
}

void Out::toComment(int width) {
  sink.pad(kCommentColumn - width);
  sink.put("; ");
}

bool Out::setting(const Setting& s) {
  const bool commentedOut = s.atDefault();
  if (commentedOut && !allValues) return false;
  if (commentedOut) sink.put(';');
  toComment(s.kind->command(sink, s) + (commentedOut ? 1 : 0));
  s.kind->comment(sink, s);
  sink.put('\n');
  return true;
}

void Out::commandAs(int width, bool commentedOut, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  if (commentedOut) sink.put(';');
  sink.vprintf(format, args);
  va_end(args);
  toComment(width + (commentedOut ? 1 : 0));
}

void printRecordHeader(Sink& out, const char* prefix, const Record& r, HeaderLines lines) {
  out.printf("%sRecord Type       : %d\n", prefix, r.type());
  out.printf("%sAttributes        : 0x%x\n", prefix, r.attributes());
  out.printf("%sElement Size      : %d\n", prefix, r.elementSize());
  if (lines == HeaderLines::kElements) out.printf("%sNum Elements      : %d\n", prefix, r.elementCount());
  switch (lines) {
    case HeaderLines::kPortGroups:
      out.printf("%sNum Misc          : %d\n", prefix, r.numMisc());
      out.printf("%sNum Port          : %d\n", prefix, r.numPort());
      break;
    case HeaderLines::kMiscAndPorts:
      out.printf("%sNum Misc          : %d\n", prefix, r.numMisc());
      out.printf("%sNum Ports         : %d\n", prefix, r.numPort());
      break;
    case HeaderLines::kShortCounts:
      out.printf("%snMisc             : %d\n", prefix, r.numMisc());
      out.printf("%snPort             : %d\n", prefix, r.numPort());
      break;
    default:
      break;
  }
}

void debugTypeAttributesSize(Out& o, const Record& r) {
  printRecordHeader(o.sink, debugPrefix(o), r, HeaderLines::kTypeAttributesSize);
}
void debugRecordHeader(Out& o, const Record& r) { printRecordHeader(o.sink, debugPrefix(o), r, HeaderLines::kElements); }
void debugHeaderLines(Out& o, const Record& r, HeaderLines lines) {
  printRecordHeader(o.sink, debugPrefix(o), r, lines);
}

void debugPortGroupedHeader(Out& o, const Record& r) {
  printRecordHeader(o.sink, debugPrefix(o), r, HeaderLines::kPortGroups);
}

void walkRecords(ByteView image, const HandlerTable& table, Out& o, DamageLog& log) {
  forEachRecord(
      image, log, [&](std::size_t offset, unsigned type) { table.beforeRecord(o, offset, type); },
      [&](const Record& r, const WalkContext& ctx) { table.handlerFor(r.type())(r, ctx, o); });
}

}  // namespace cfgscribe
