// User timers (type 23): general-purpose timers that run a macro when they
// time out. The payload is stored column by column: C enable bytes, C
// 16-bit timeout values, C 3-byte macro names, C resolution codes. The
// script sets only the timeout value and the timeout macro (MPW 49).
#include <algorithm>
#include <iterator>

#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/record_bounds.h"

namespace cfgscribe::records {
namespace {

constexpr unsigned kDefaultTimeout = 10;  // tenths of a second: 1.0 s
constexpr std::size_t kMacroField = 3;    // bytes per timer in the macro column
constexpr const char* kResolutionTexts[] = {"100 ms", "10 ms", "1 s", "10 s"};

// Where timer i's fields sit, from the element count alone.
class UserTimerColumns {
 public:
  UserTimerColumns(const Record& r, unsigned macroNameDigits)
      : count_(r.elementCount()),
        bytes_(r),
        nameBytes_(std::min<std::size_t>(macroNameDigits / 2, kMacroField)) {}

  unsigned count() const { return count_; }

  // Whether all of timer i's bytes lie in the record as loaded. Its
  // resolution byte is the last of them, so checking it is enough. An
  // element size below 7 leaves every timer's resolution outside.
  bool fits(unsigned i) const { return bytes_.has(resolutionAt(i)); }

  bool enabled(unsigned i) const { return bytes_.u8(4 + i) != 0; }
  unsigned timeout(unsigned i) const { return bytes_.u16(4 + count_ + 2 * i); }
  bool hasMacro(unsigned i) const { return bytes_.u8(macroAt(i)) != kEndMarker; }
  unsigned resolution(unsigned i) const { return bytes_.u8(resolutionAt(i)); }

  // The macro name from the first (macro name digits / 2) bytes of the
  // 3-byte field; returns the characters printed.
  int printMacro(Sink& out, unsigned i) const {
    return printDigitString(out, bytes_.sub(macroAt(i), kMacroField), nameBytes_).chars;
  }

 private:
  std::size_t macroAt(unsigned i) const { return 4 + 3 * std::size_t{count_} + kMacroField * i; }
  std::size_t resolutionAt(unsigned i) const { return 4 + 6 * std::size_t{count_} + i; }

  unsigned count_;
  ByteView bytes_;
  std::size_t nameBytes_;
};

// Timers are shown from 0 up to the first one whose bytes are missing.
unsigned timersShown(const UserTimerColumns& timers) {
  unsigned i = 0;
  while (i < timers.count() && timers.fits(i)) ++i;
  return i;
}

void printTimerReport(const UserTimerColumns& timers, unsigned i, Sink& out) {
  out.printf(" User Timer %d\n", i);
  out.printf("   Enable       :  %s\n", timers.enabled(i) ? "Enabled" : "Disabled");
  const unsigned v = timers.timeout(i);
  out.printf("   Timeout Value:  %5d (%4d.%d sec)\n", v, v / 10, v % 10);
  out.put("   Resolution   :  ");
  const unsigned code = timers.resolution(i);
  if (code < std::size(kResolutionTexts)) {
    out.put(kResolutionTexts[code]);
  } else {
    out.printf("error: unsupported value, 0x%02x", code);
  }
  out.put('\n');
  out.put("   Timeout Macro:  ");
  if (timers.hasMacro(i)) {
    timers.printMacro(out, i);
  } else {
    out.put("----");
  }
  out.put('\n');
}

// The MPW 49 lines of timer i; returns how many lines were printed.
unsigned printTimerScript(const UserTimerColumns& timers, unsigned i, Out& o) {
  Sink& out = o.sink;
  unsigned lines = 0;

  const unsigned v = timers.timeout(i);
  if (v != kDefaultTimeout || o.allValues) {
    const bool commented = v == kDefaultTimeout;
    // A fixed width: the comment starts in column 51 for timers 0 to 99.
    o.commandAs(20, commented, "MPW 49 %02d 03 %5d *", i, v);
    out.printf("%4d.%1d seconds, Set User Timer #%d Value \n", v / 10, v % 10, i);
    ++lines;
  }

  const bool hasMacro = timers.hasMacro(i);
  if (hasMacro || o.allValues) {
    int printed = hasMacro ? 0 : out.put(';');
    printed += out.printf("MPW 49 %02d 02 ", i);
    if (hasMacro) {
      printed += timers.printMacro(out, i);
      printed += out.put(" *");
    } else {
      printed += out.put("<macroname> *");
    }
    // Padded to 48 so that the comment's ";" stands where the value line's does.
    out.pad(48 - printed);
    out.printf("  ; Set Macro For User Timer #%d\n", i);
    ++lines;
  }
  return lines;
}

// The section heading, with -d the record header and the column heading.
void heading(Out& o, const Record& r, const char* title) {
  o.sink.put(title);
  if (o.debug) {
    debugRecordHeader(o, r);
    o.dbg("Timers\n");
    o.dbg("   # : Enable  Value   Macro\n");
  }
}

}  // namespace

void userTimersReport(const Record& r, const WalkContext& ctx, Out& o) {
  const UserTimerColumns timers(r, ctx.controller.macroNameDigits());
  heading(o, r, "\nUser Timers\n");
  const unsigned shown = timersShown(timers);
  for (unsigned i = 0; i < shown; ++i) printTimerReport(timers, i, o.sink);
  noteItemsNotShown(o, timers.count() - shown, timers.count(), "timers");
}

void userTimersScript(const Record& r, const WalkContext& ctx, Out& o) {
  const UserTimerColumns timers(r, ctx.controller.macroNameDigits());
  heading(o, r, "\n; Set User Timers\n");
  const unsigned shown = timersShown(timers);
  unsigned lines = 0;
  for (unsigned i = 0; i < shown; ++i) lines += printTimerScript(timers, i, o);
  if (shown < timers.count()) {
    // Timers that could not be read are not "not configured".
    noteItemsNotShown(o, timers.count() - shown, timers.count(), "timers");
  } else if (lines == 0) {
    o.sink.put(";   No User Timers Configured\n");
  }
}

// Not decoded yet: the family still prints from its bytes.
void userTimersSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
