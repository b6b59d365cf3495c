// The control operator access table: one byte per root command, 0 when the
// control operator password may use the command (its cold-start state).
// The report lists every controllable command; the script writes "MPW 94"
// commands for the ones that are denied.
#include <algorithm>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {

namespace {

constexpr std::size_t kAccessOffset = 4;

// The root commands the record covers: its element count, cut to the 100
// roots that exist and to the elements actually loaded. An element wider
// than one byte is judged by its first byte; a record of empty elements
// covers nothing.
class AccessBytes {
 public:
  explicit AccessBytes(const Record& r) : r_(r), size_(r.elementSize()) {
    const std::size_t loaded = size_ == 0 ? 0 : r.available(kAccessOffset) / size_;
    roots_ = static_cast<unsigned>(std::min<std::size_t>({r.elementCount(), loaded, 100}));
  }
  unsigned roots() const { return roots_; }
  bool denied(unsigned root) const { return r_.u8(kAccessOffset + static_cast<std::size_t>(root) * size_) != 0; }

 private:
  const Record& r_;
  unsigned size_;
  unsigned roots_ = 0;
};

// A root command's access: "MPW 94" with the root and 1 when denied; the
// comment says it in words and names the command.
int accessCommand(Sink& out, const Setting& s) { return out.printf("MPW 94 %02u %u *", s.key.entry, s.value); }
void accessName(Sink& out, const Setting& s) { out.put(rootCommandName(s.key.entry)); }
void accessComment(Sink& out, const Setting& s) {
  out.put(s.value ? "Disabled, " : "Enabled,  ");
  accessName(out, s);
}
void accessText(Sink& out, const Setting& s) { out.put(s.value ? "Disabled" : "Enabled"); }
constexpr SettingKind kAccess{"denied", "", accessCommand, accessComment, accessText, accessName};

// Every controllable root command the record covers, as a setting: 1 when
// the control operator may not use it, 0 (its cold-start state) when he may.
template <class OnSetting>
void forEachAccess(const Record& r, OnSetting onSetting) {
  const AccessBytes access(r);
  for (unsigned root = 0; root < access.roots(); ++root) {
    if (!isControllableRoot(root)) continue;
    Setting s;
    s.key = SettingKey{kCPWAccessTable, 0, static_cast<std::uint16_t>(root), 0};
    s.kind = &kAccess;
    s.value = access.denied(root) ? 1u : 0u;
    s.coldStart = 0;  // after a cold start every command is allowed
    s.hasColdStart = true;
    onSetting(s);
  }
}

void debugAccessBytes(Out& o, const Record& r) {
  debugRecordHeader(o, r);
  o.dbg("Bytes             : \n");
  const std::size_t count = static_cast<std::size_t>(r.elementSize()) * r.elementCount();
  printHexDump(o.sink, r.sub(kAccessOffset, count), count, true, 5, 5, o.script);
}

}  // namespace

void accessReport(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  out.put("\nControl Operator Privilege Level\n Commands by Root Number\n");
  if (o.debug) debugAccessBytes(o, r);

  forEachAccess(r, [&](const Setting& s) {
    out.printf("   Command %02u:  %s -- %s\n", s.key.entry, s.value ? "Disabled" : "Enabled ", rootCommandName(s.key.entry));
  });
}

void accessScript(const Record& r, const WalkContext&, Out& o) {
  o.sink.put("\n; Set Control Operator Privilege Level\n");
  if (o.debug) debugAccessBytes(o, r);

  unsigned printed = 0;
  forEachAccess(r, [&](const Setting& s) { printed += o.setting(s) ? 1 : 0; });
  if (printed == 0) o.sink.put(";   Control Operator Password Can Access All Commands.\n");
}

void accessSettings(const Record& r, const WalkContext&, SettingVisitor& visitor) {
  forEachAccess(r, [&](const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
