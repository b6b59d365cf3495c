// cfgRec_Passwords: the master, control operator, RBPW and APW passwords.
// The walk fills the password table that the macro command decoder
// searches for command prefixes from this record.
#include <algorithm>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kHeaderSize = 4;
enum Location : unsigned { kMPW = 0, kCPW = 1, kRBPW = 2, kAPW = 3, kLocationsKnown = 4 };

struct PasswordsRecord {
  explicit PasswordsRecord(const Record& r) : r(r), size(r.elementSize()), count(r.elementCount()) {}

  // Password at location i: its element, cut to the loaded bytes.
  ByteView password(unsigned i) const { return r.sub(kHeaderSize + std::size_t{i} * size, size); }
  bool isSet(unsigned i) const { return size > 0 && password(i).u8(0) != kEndMarker; }
  std::uint32_t length() const { return kHeaderSize + size * count; }

  const Record& r;
  unsigned size;
  unsigned count;
};

// The stored MPW equals the cold-start default: its default byte and then
// the end byte (an element of one byte has room for no end byte).
bool mpwAtDefault(const PasswordsRecord& rec) {
  const ByteView mpw = rec.password(kMPW);
  return rec.size > 0 && mpw.u8(0) == kDefaultMasterPassword &&
         (rec.size == 1 || mpw.u8(1) == kEndMarker);
}

}  // namespace

void passwordsReport(const Record& r, const WalkContext&, Out& o) {
  const PasswordsRecord rec(r);
  o.sink.put("\nPasswords\n");
  if (o.debug) debugRecordHeader(o, r);
  static constexpr const char* kLabels[kLocationsKnown] = {" MPW : ", " CPW : ", " RBPW: ", " APW : "};
  for (unsigned i = 0; i < rec.count; ++i) {
    o.sink.put(i < kLocationsKnown ? kLabels[i] : " FIXME Other Password Location Found\n");
    if (rec.isSet(i))
      printDigitString(o.sink, rec.password(i), rec.size);
    else
      o.sink.put("----");
    o.sink.put('\n');
  }
}

void passwordsScript(const Record& r, const WalkContext& ctx, Out& o) {
  const PasswordsRecord rec(r);
  Sink& out = o.sink;
  out.put("\n; Define Passwords\n");
  if (o.debug) debugRecordHeader(o, r);
  bool commandWritten = false;
  for (unsigned i = 0; i < rec.count; ++i) {
    switch (i) {
      case kMPW: {
        const bool atDefault = mpwAtDefault(rec);
        if (atDefault && !o.allValues) break;
        out.put(";  Set MPW\n");
        o.command(atDefault, "%02X 93 MPW *", kDefaultMasterPassword);  // its two digits
        out.printf("%s\n", rootCommandName(93));
        commandWritten |= !atDefault;
        break;
      }
      case kCPW: {
        const bool set = rec.isSet(i);
        if (!set && !o.allValues) break;
        out.put(";  Set CPW\n");
        o.command(!set, "MPW 92 CPW *");
        out.printf("%s\n", rootCommandName(92));
        commandWritten |= set;
        break;
      }
      case kRBPW:
      case kAPW: {
        if (!rec.isSet(i)) break;
        const bool rbpw = i == kRBPW;
        out.put(rbpw ? ";  Set RBPW\n" : ";  Set APW\n");
        int width = out.put(rbpw ? "MPW 39 02 " : "MPW 23 ");
        width += printDigitString(out, rec.password(i), rec.size).chars;
        o.toComment(width + out.put(" *"));
        out.printf("%s\n", rootCommandName(rbpw ? 39 : 23));
        commandWritten = true;
        break;
      }
      default:
        out.put(";  FIXME Other Password Location Found\n");
        break;
    }
  }
  if (!o.allValues && !commandWritten) out.put(";  All passwords are set to their cold start defaults.\n");

  if (o.debug) {
    static constexpr const char* kEntryLabels[4] = {"MacroPW : ", "MPW     : ", "CPW     : ", "RBPW    : "};
    for (unsigned e = 0; e < 4; ++e) {
      const PasswordEntry& entry = ctx.passwords[e];
      std::uint8_t bytes[1 + 8];
      bytes[0] = entry.count;
      std::copy(entry.digits.begin(), entry.digits.end(), bytes + 1);
      o.dbg("%s", kEntryLabels[e]);
      printHexDump(out, ByteView(bytes, sizeof bytes), sizeof bytes, false, 0, 0);
      out.put('\n');
    }
    out.put('\n');
  }
}

// Not decoded yet: the family still prints from its bytes.
void passwordsSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
