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

// Whether a password is stored: an unset one starts with the end byte.
bool isSet(const Setting& s) { return s.bytes.u8(0) != kEndMarker; }

// The root command that sets each known location, and the location's name.
constexpr unsigned kRoots[kLocationsKnown] = {93, 92, 39, 23};
constexpr const char* kNames[kLocationsKnown] = {"MPW", "CPW", "RBPW", "APW"};

void passwordName(Sink& out, const Setting& s) {
  out.put(s.key.entry < kLocationsKnown ? kNames[s.key.entry] : "Other Password Location");
}
void passwordText(Sink& out, const Setting& s) {
  if (isSet(s))
    printDigitString(out, s.bytes, s.bytes.size());
  else
    out.put("----");
}
// The comment names the root command that sets the password.
void passwordComment(Sink& out, const Setting& s) { out.put(rootCommandName(kRoots[s.key.entry])); }

// The master password is set after the cold-start one, its two digits,
// to a new password the operator types for "MPW".
int masterCommand(Sink& out, const Setting&) { return out.printf("%02X 93 MPW *", kDefaultMasterPassword); }
// The control operator password is typed for "CPW".
int controlCommand(Sink& out, const Setting&) { return out.put("MPW 92 CPW *"); }
// The remote base and autopatch passwords are written with their digits.
int digitsCommand(Sink& out, const Setting& s) {
  const int width = out.put(s.key.entry == kRBPW ? "MPW 39 02 " : "MPW 23 ");
  return width + printDigitString(out, s.bytes, s.bytes.size()).chars + out.put(" *");
}

constexpr SettingKind kMaster{"password", "", masterCommand, passwordComment, passwordText, passwordName};
constexpr SettingKind kControl{"password", "", controlCommand, passwordComment, passwordText, passwordName};
constexpr SettingKind kWithDigits{"password", "", digitsCommand, passwordComment, passwordText, passwordName};
// An unset remote base or autopatch password, and locations past the
// known ones: the script writes nothing for them.
constexpr SettingKind kShown{"password", "", nullptr, nullptr, passwordText, passwordName};

// The passwords of the record, one setting per location, made on demand.
// A setting's value is 1 when the password differs from its cold-start
// one (the master password 12, no other password set), else 0; its
// digits are its bytes.
class PasswordSettings {
 public:
  explicit PasswordSettings(const Record& r) : r_(r), size_(r.elementSize()), count_(r.elementCount()) {}

  unsigned count() const { return count_; }
  Setting setting(unsigned i) const {
    Setting s;
    s.key = SettingKey{kPasswords, 0, static_cast<std::uint16_t>(i), 0};
    // The element, cut to the loaded bytes.
    s.bytes = r_.sub(kHeaderSize + std::size_t{i} * size_, size_);
    s.hasColdStart = true;
    switch (i) {
      case kMPW:
        s.kind = &kMaster;
        // Its default byte and then the end byte (or no room for one).
        s.value = s.bytes.u8(0) == kDefaultMasterPassword && s.bytes.u8(1) == kEndMarker ? 0 : 1;
        break;
      case kCPW:
        s.kind = &kControl;
        s.value = isSet(s) ? 1 : 0;
        break;
      case kRBPW:
      case kAPW:
        s.value = isSet(s) ? 1 : 0;
        s.kind = s.value ? &kWithDigits : &kShown;
        break;
      default:
        s.kind = &kShown;
        s.value = isSet(s) ? 1 : 0;
        break;
    }
    return s;
  }

 private:
  const Record& r_;
  unsigned size_;
  unsigned count_;
};

}  // namespace

void passwordsReport(const Record& r, const WalkContext&, Out& o) {
  const PasswordSettings passwords(r);
  o.sink.put("\nPasswords\n");
  if (o.debug) debugRecordHeader(o, r);
  static constexpr const char* kLabels[kLocationsKnown] = {" MPW : ", " CPW : ", " RBPW: ", " APW : "};
  for (unsigned i = 0; i < passwords.count(); ++i) {
    const Setting s = passwords.setting(i);
    o.sink.put(i < kLocationsKnown ? kLabels[i] : " FIXME Other Password Location Found\n");
    s.kind->text(o.sink, s);
    o.sink.put('\n');
  }
}

void passwordsScript(const Record& r, const WalkContext& ctx, Out& o) {
  const PasswordSettings passwords(r);
  Sink& out = o.sink;
  out.put("\n; Define Passwords\n");
  if (o.debug) debugRecordHeader(o, r);
  static constexpr const char* kHeadings[kLocationsKnown] = {";  Set MPW\n", ";  Set CPW\n", ";  Set RBPW\n",
                                                             ";  Set APW\n"};
  bool commandWritten = false;
  for (unsigned i = 0; i < passwords.count(); ++i) {
    const Setting s = passwords.setting(i);
    if (i >= kLocationsKnown) {
      out.put(";  FIXME Other Password Location Found\n");
    } else if (s.kind->command != nullptr && (o.allValues || !s.atDefault())) {
      out.put(kHeadings[i]);
      o.setting(s);
      commandWritten |= !s.atDefault();
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

void passwordsSettings(const Record& r, const WalkContext&, SettingVisitor& visitor) {
  const PasswordSettings passwords(r);
  for (unsigned i = 0; i < passwords.count(); ++i) visitor.setting(passwords.setting(i));
}

}  // namespace cfgscribe::records
