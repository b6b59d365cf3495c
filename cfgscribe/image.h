// The configuration image: record framing, the controller definition, the
// walk context and the record walk shared by every output mode.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "cfgscribe/model/setting.h"
#include "common/byte_view.h"
#include "common/sink.h"

namespace cfgscribe {

using orva::ByteView;
using orva::Sink;

enum RecordType : unsigned {
  kController = 0,
  kID = 1,
  kStatus = 2,
  kFWVer = 3,
  kSerial = 4,
  kName = 5,
  kPasswords = 6,
  kSoftwareSwitch = 7,
  kEventTrigMacro = 8,
  kSchedulerSetpoint = 9,
  kMacros = 10,
  kTimers10 = 11,
  kTimers100 = 12,
  kTimers1000 = 13,
  kCounters = 14,
  kMessages = 15,
  kPathMode = 16,
  kPathPriority = 17,
  kCTCSSEncoders = 18,
  kIDTail = 19,
  kMessageHandlers = 20,
  kDTMFDecoders = 21,
  kCPWAccessTable = 22,
  kUserTimers = 23,
  kCmdRespRouting = 24,
  kToneGenerators = 25,
  kLongNames = 26,
};
constexpr unsigned kRecordTypeCount = 27;
constexpr std::uint8_t kEndMarker = 0xFF;

// "cfgRec_Controller" ... "cfgRec_LongNames"; nullptr for other types.
const char* recordTypeName(unsigned type);

// One record: a view from its first byte to the end of the walked image,
// and where in the image it starts. Reads past the loaded bytes yield 0xFF
// (see ByteView).
class Record : public ByteView {
 public:
  Record() = default;
  explicit Record(ByteView v, std::size_t offset = 0) : ByteView(v), offset_(offset) {}
  std::size_t offset() const { return offset_; }
  unsigned type() const { return u8(0); }
  unsigned attributes() const { return u8(1); }
  unsigned layoutKind() const { return u8(1) & 0x03; }
  unsigned elementSize() const { return u8(2); }
  unsigned elementCount() const { return u8(3); }
  unsigned numMisc() const { return u8(3); }   // port-grouped records
  unsigned numPort() const { return u8(4); }   // port-grouped records

 private:
  std::size_t offset_ = 0;
};

// The 32 payload bytes of the controller definition (record offsets 4..35).
struct ControllerDefinition {
  std::array<std::uint8_t, 32> bytes{};  // all zero before any definition

  // Offsets within the payload.
  static constexpr std::size_t kSignature = 0;
  static constexpr std::size_t kStructureVersion = 4;
  static constexpr std::size_t kFirmware = 5;
  static constexpr std::size_t kConfigVersion = 8;
  static constexpr std::size_t kColdReset = 9;
  static constexpr std::size_t kReceivers = 26;
  static constexpr std::size_t kTransmitters = 27;
  static constexpr std::size_t kPasswordDigits = 28;
  static constexpr std::size_t kMacroNameDigits = 29;
  static constexpr std::size_t kMacroAttrSize = 30;
  static constexpr std::size_t kRecordCount = 31;

  unsigned receivers() const { return bytes[kReceivers]; }
  unsigned transmitters() const { return bytes[kTransmitters]; }
  unsigned passwordDigits() const { return bytes[kPasswordDigits]; }
  unsigned macroNameDigits() const { return bytes[kMacroNameDigits]; }
  unsigned macroAttrSize() const { return bytes[kMacroAttrSize]; }
  unsigned recordCount() const { return bytes[kRecordCount]; }
};

// One password of the table the command decoder searches: how many digit
// bytes are stored, then up to 8 digit bytes (0xFF when unused).
struct PasswordEntry {
  std::uint8_t count = 0;
  std::array<std::uint8_t, 8> digits{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
};

// The fixed passwords of this program, each two digits in one byte: the
// password that prefixes commands stored in macros, and the cold-start
// master password that the script compares with and prefixes MPW 93 with.
constexpr std::uint8_t kMacroPassword = 0x99;
constexpr std::uint8_t kDefaultMasterPassword = 0x12;

// Leading bytes of the software-switch bit set kept for later records. Only
// switch 1 (Scheduler Enable) is read, so 50 bytes (400 switches) suffice.
constexpr std::size_t kSwitchBitsKept = 50;

// What earlier records tell later ones during one walk. Handlers only read
// it; the walk fills it, in take(), before the record's handler runs.
struct WalkContext {
  WalkContext();

  ControllerDefinition controller;
  std::array<PasswordEntry, 5> passwords;  // entry 0: macro password
  std::array<std::uint8_t, kSwitchBitsKept> switchBits{};
  std::size_t switchBitCount = 0;  // bytes stored; 0 until a switch record

  // Switch 1 of the stored bits; enabled (its cold-start default) when no
  // software-switch record has been seen.
  bool schedulerEnabled() const;

  // Takes what record `r` defines for later records: the controller
  // definition, the passwords, the switch bits.
  void take(const Record& r);
};

// Output settings that every handler receives, and the line shapes the
// report and the script share.
struct Out {
  Sink& sink;
  bool debug = false;
  bool allValues = false;  // -a: commented commands for every value
  bool script = false;     // script walk: debug lines begin ";debug  "

  // Characters before a script comment: its "; " starts in column 51.
  static constexpr int kCommentColumn = 50;

  // Lines of a section begin with this: "  " (report) or ";   " (script).
  const char* lead() const { return script ? ";   " : "  "; }

  // One debug line: "debug  " (report) or ";debug  " (script), then the text.
  int dbg(const char* format, ...) ORVA_PRINTF_FORMAT(2, 3);

  // A template line (a command with placeholders to fill in) up to its
  // comment: ";" when commented out, the line, blanks up to the comment
  // column by the line's fixed width, "; ".
  void commandAs(int width, bool commentedOut, const char* format, ...) ORVA_PRINTF_FORMAT(4, 5);
  // Blanks after a command counted as `width` characters, then "; ".
  void toComment(int width);
  // The one script line of a setting: its command (commented out when at
  // its cold-start value, left out then unless -a), padded to the comment
  // column by the width its kind counts, and its comment. Returns whether
  // a line was written.
  bool setting(const Setting& s);
};

// The record header lines, each after `prefix`: Record Type, Attributes,
// Element Size, then Num Elements (element arrays) or Num Misc and Num Port
// (port-grouped records) or neither.
// Tone generators and long names spell the counts "Num Misc", "Num Ports";
// message handlers and DTMF decoders "nMisc", "nPort".
enum class HeaderLines { kTypeAttributesSize, kElements, kPortGroups, kMiscAndPorts, kShortCounts };
void printRecordHeader(Sink& out, const char* prefix, const Record& r, HeaderLines lines);

// The same as debug lines ("debug  " or ";debug  " before each).
// The first three common debug lines: Record Type, Attributes, Element Size.
void debugTypeAttributesSize(Out& o, const Record& r);
// The common debug lines: Record Type, Attributes, Element Size, Num Elements.
void debugRecordHeader(Out& o, const Record& r);
// Record Type, Attributes, Element Size, Num Misc, Num Port.
void debugPortGroupedHeader(Out& o, const Record& r);
// Any of the forms of the record header lines, as debug lines.
void debugHeaderLines(Out& o, const Record& r, HeaderLines lines);

// A record handler prints its record's section. The record it gets holds
// exactly the bytes the length rule gives it (see record_length.h).
using RecordHandler = void (*)(const Record& r, const WalkContext& ctx, Out& o);

struct HandlerTable {
  std::array<RecordHandler, kRecordTypeCount> known;
  RecordHandler unrecognised;
  // Printed before each record's handler (the dispatch lines).
  void (*beforeRecord)(Out& o, std::size_t offset, unsigned type);

  RecordHandler handlerFor(unsigned type) const { return type < kRecordTypeCount ? known[type] : unrecognised; }
};

class DamageLog;

// Walks the records of `image` in file order until the end marker, the end
// of the image or the controller's record count. Each record is measured by
// its type's length rule before its handler runs; what does not hold
// together goes to `log`.
void walkRecords(ByteView image, const HandlerTable& table, Out& o, DamageLog& log);
}  // namespace cfgscribe
