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

  const AccessBytes access(r);
  for (unsigned root = 0; root < access.roots(); ++root) {
    if (!isControllableRoot(root)) continue;
    out.printf("   Command %02u:  %s -- %s\n", root, access.denied(root) ? "Disabled" : "Enabled ",
               rootCommandName(root));
  }
}

void accessScript(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  out.put("\n; Set Control Operator Privilege Level\n");
  if (o.debug) debugAccessBytes(o, r);

  const AccessBytes access(r);
  unsigned printed = 0;
  for (unsigned root = 0; root < access.roots(); ++root) {
    if (!isControllableRoot(root)) continue;
    const bool denied = access.denied(root);
    if (!denied && !o.allValues) continue;
    o.command(!denied, "MPW 94 %02u %u *", root, denied ? 1u : 0u);
    out.put(denied ? "Disabled, " : "Enabled,  ");
    out.put(rootCommandName(root));
    out.put('\n');
    ++printed;
  }
  if (printed == 0) out.put(";   Control Operator Password Can Access All Commands.\n");
}

// Not decoded yet: the family still prints from its bytes.
void accessSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
