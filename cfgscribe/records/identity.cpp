// The records that describe the controller itself: controller definition,
// factory identity, jumper status, firmware versions, serial ports and name.
// Each is decoded into settings that only the report shows; the script
// shows some as comments, and no command sets them.

#include <iterator>
#include <span>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "common/printable_text.h"

namespace cfgscribe::records {

namespace {

// A field that the record does not hold in full is shown as absent, not as
// the 0xFF bytes that stand for what is not loaded.
constexpr const char* kAbsent = "----";

// How a field is stored and shown.
enum Shape : std::uint8_t {
  kNumber,       // one byte
  kModel,        // receivers and transmitters bytes: "5RT0"
  kTriplet,      // three bytes: "a.b.c"
  kDateTime,     // seven BCD bytes
  kText,         // ASCII up to a NUL byte
  kVersion,      // a file version: three bytes, or "no file", "version not set"
  kJumper,       // one bit: inversion jumper in or out
  kAux,          // one bit: AUX jumper in or out
  kBaud,         // a baud rate code
  kConsolePort,  // 0: RS232-1 is the console, else RS232-2
};

// One field of a record: its name, shape and place. `arg` is the bit of a
// jumper or the width of a text or date-time; a text of width 0 runs to
// the end of the record's element.
struct Field {
  const char* name;
  Shape shape;
  std::uint8_t offset;
  std::uint8_t arg = 0;
};

// The controller definition, at offsets of its 32 payload bytes.
constexpr Field kControllerFields[] = {
    {"Controller Model", kModel, ControllerDefinition::kReceivers},
    {"Controller Firmware Version", kTriplet, ControllerDefinition::kFirmware},
    {"Controller Cold Reset Date-Time", kDateTime, ControllerDefinition::kColdReset, 7},
    {"Configuration Version", kNumber, ControllerDefinition::kConfigVersion},
    {"Number of Receivers", kNumber, ControllerDefinition::kReceivers},
    {"Number of Transmitters", kNumber, ControllerDefinition::kTransmitters},
    {"Number of Password Digits", kNumber, ControllerDefinition::kPasswordDigits},
    {"Number of Macro Name Digits", kNumber, ControllerDefinition::kMacroNameDigits},
    {"Macro Attr Size", kNumber, ControllerDefinition::kMacroAttrSize},
    {"Num Config Records", kNumber, ControllerDefinition::kRecordCount},
};
enum ControllerEntry : unsigned { kModelEntry, kFirmwareEntry, kColdResetEntry, kConfigVersionEntry, kReceiversEntry };

constexpr Field kIdentityFields[] = {
    {"Original Customer Name", kText, 34},
    {"Controller Serial Number", kText, 12, 8},
    {"Controller Model Number", kText, 4, 8},
    {"Controller Manufacture Date-Time", kDateTime, 20, 7},
    {"Controller Format Date-Time", kDateTime, 27, 7},
};

// Three rows of three inversion jumpers, then five AUX jumpers.
constexpr Field kStatusFields[] = {
    {"COR1", kJumper, 4, 0},   {"COR2", kJumper, 4, 1},   {"COR3", kJumper, 4, 2},
    {"CTCSS1", kJumper, 5, 0}, {"CTCSS2", kJumper, 5, 1}, {"CTCSS3", kJumper, 5, 2},
    {"PTT1", kJumper, 6, 0},   {"PTT2", kJumper, 6, 1},   {"PTT3", kJumper, 6, 2},
    {"AUX1", kAux, 7, 0},      {"AUX2", kAux, 7, 1},      {"AUX3", kAux, 7, 2},
    {"AUX4", kAux, 7, 3},      {"AUX5", kAux, 7, 4},
};
constexpr unsigned kFirstAux = 9;

// In the report's order; a blank line comes before the configurations.
constexpr Field kVersionFields[] = {
    {"BootROM", kVersion, 4},
    {"SBOOT", kVersion, 8},
    {"Diagnostics", kVersion, 12},
    {"ORVA_A", kVersion, 20},
    {"ORVA_B", kVersion, 24},
    {"Speech Library Version", kVersion, 48},
    {"Custom Audio Library Version", kVersion, 44},
    {"Configuration_A", kVersion, 28},
    {"Configuration_B", kVersion, 32},
    {"Configuration_C", kVersion, 36},
    {"Configuration_D", kVersion, 40},
};
constexpr unsigned kFirstConfiguration = 7;

constexpr Field kSerialFields[] = {
    {"Console Baud Rate", kBaud, 6},
    {"Auxiliary Baud Rate", kBaud, 8},
    {"Console Port", kConsolePort, 11},
};
enum SerialEntry : unsigned { kConsoleBaud, kAuxiliaryBaud, kConsolePortEntry };

constexpr Field kNameFields[] = {
    {"User-Defined Controller Name", kText, 4},
};

std::span<const Field> fieldsOf(unsigned type) {
  switch (type) {
    case kController: return kControllerFields;
    case kID: return kIdentityFields;
    case kStatus: return kStatusFields;
    case kFWVer: return kVersionFields;
    case kSerial: return kSerialFields;
    case kName: return kNameFields;
    default: return {};
  }
}

void fieldName(Sink& out, const Setting& s) { out.put(fieldsOf(s.key.type)[s.key.entry].name); }

// Value texts by shape. Texts and date-times hold value 1 when the record
// holds them in full.
void numberText(Sink& out, const Setting& s) { out.printf("%u", s.value); }
void modelText(Sink& out, const Setting& s) { out.printf("5%u%u0", s.value >> 8, s.value & 0xFF); }
void tripletText(Sink& out, const Setting& s) {
  out.printf("%u.%u.%u", s.value >> 16, s.value >> 8 & 0xFF, s.value & 0xFF);
}
void dateTimeText(Sink& out, const Setting& s) {
  if (s.value)
    printBcdDateTime(out, s.bytes);
  else
    out.put(kAbsent);
}
void textText(Sink& out, const Setting& s) {
  if (!s.value) {
    out.put(kAbsent);
    return;
  }
  for (std::size_t n = 0; n < s.bytes.size() && s.bytes.u8(n) != 0; ++n) out.put(orva::printableByte(s.bytes.u8(n)));
}
void versionText(Sink& out, const Setting& s) { out.put(versionTriplet(s.bytes).text); }
void jumperText(Sink& out, const Setting& s) { out.put(s.value ? "In/Active-High" : "Out/Active-Low"); }
void auxText(Sink& out, const Setting& s) { out.put(s.value ? "In" : "Out"); }
void baudText(Sink& out, const Setting& s) { out.put(lookupDescription(Catalogue::kBaudRates, 0, s.value)); }
void consolePortText(Sink& out, const Setting& s) { out.put(s.value == 0 ? "RS232-1" : "RS232-2"); }

// By shape; none has a command.
constexpr SettingKind kKinds[] = {
    {"number", "", nullptr, nullptr, numberText, fieldName},
    {"model", "", nullptr, nullptr, modelText, fieldName},
    {"version", "", nullptr, nullptr, tripletText, fieldName},
    {"dateTime", "", nullptr, nullptr, dateTimeText, fieldName},
    {"text", "", nullptr, nullptr, textText, fieldName},
    {"version", "", nullptr, nullptr, versionText, fieldName},
    {"jumper", "", nullptr, nullptr, jumperText, fieldName},
    {"jumper", "", nullptr, nullptr, auxText, fieldName},
    {"baudRate", "", nullptr, nullptr, baudText, fieldName},
    {"consolePort", "", nullptr, nullptr, consolePortText, fieldName},
};

// The fields of a record of type 0 to 5 as settings, made on demand from
// `source`: the record, or for the controller definition its 32 payload
// bytes as the walk context keeps them.
class FieldSettings {
 public:
  FieldSettings(unsigned type, ByteView source, unsigned elementSize)
      : type_(type), fields_(fieldsOf(type)), source_(source), elementEnd_(4 + elementSize) {}
  explicit FieldSettings(const ControllerDefinition& c)
      : FieldSettings(kController, ByteView(c.bytes.data(), c.bytes.size()), 0) {}
  explicit FieldSettings(const Record& r) : FieldSettings(r.type(), r, r.elementSize()) {}

  unsigned count() const { return static_cast<unsigned>(fields_.size()); }
  Setting setting(unsigned entry) const {
    const Field& f = fields_[entry];
    Setting s;
    s.key = SettingKey{static_cast<std::uint8_t>(type_), 0, static_cast<std::uint16_t>(entry), 0};
    s.kind = &kKinds[f.shape];
    switch (f.shape) {
      case kModel: s.value = source_.u16(f.offset); break;
      case kTriplet: s.value = source_.u24(f.offset); break;
      case kVersion:
        s.bytes = source_.sub(f.offset, 3);
        s.value = s.bytes.u24(0);
        break;
      case kJumper:
      case kAux: s.value = source_.u8(f.offset) >> f.arg & 1; break;
      case kDateTime:
      case kText: {
        const std::size_t width = f.arg != 0 ? f.arg : elementEnd_ > f.offset ? elementEnd_ - f.offset : 0;
        s.value = source_.has(f.offset, width) ? 1 : 0;
        if (s.value) s.bytes = source_.sub(f.offset, width);
        break;
      }
      default: s.value = source_.u8(f.offset); break;
    }
    return s;
  }
  template <class OnSetting>
  void forEach(OnSetting onSetting) const {
    for (unsigned i = 0; i < count(); ++i) onSetting(setting(i));
  }

 private:
  unsigned type_;
  std::span<const Field> fields_;
  ByteView source_;
  std::size_t elementEnd_;
};

// "<lead><name padded to 33>: <text>" and the line end.
void printField(Out& o, const char* lead, const char* label, const Setting& s) {
  o.sink.printf("%s%-33s: ", lead, label);
  s.kind->text(o.sink, s);
  o.sink.put('\n');
}
void printField(Out& o, const char* lead, const Setting& s) { printField(o, lead, fieldsOf(s.key.type)[s.key.entry].name, s); }

// A debug line of the controller definition: "  <name padded to 18>: <text>".
void debugField(Out& o, const char* label, const Setting& s) {
  o.dbg("  %-18s: ", label);
  s.kind->text(o.sink, s);
  o.sink.put('\n');
}

// A debug line naming the record, then the four common header lines.
void debugHeading(Out& o, const Record& r, const char* title) {
  o.dbg("%s\n", title);
  debugRecordHeader(o, r);
}

bool sizesMismatch(const Record& r) { return r.elementSize() * r.elementCount() != 32; }

// The script's form is a comment.
void warnSizes(Out& o) {
  o.sink.printf("\n%sWARNING: Controller Config Record sizes do not match!\n\n", o.script ? ";" : "");
}

void printSignature(Out& o, const ControllerDefinition& c) {
  const auto& b = c.bytes;
  o.dbg("Signature         : %s\n", orva::signatureText(b.data()).text);
  o.dbg("Structure Version : %d\n", b[ControllerDefinition::kStructureVersion]);
}

}  // namespace

void controllerReport(const Record& r, const WalkContext& ctx, Out& o) {
  const FieldSettings fields(ctx.controller);
  o.sink.put("Controller Definition\n");
  if (o.debug) {
    debugRecordHeader(o, r);
    printSignature(o, ctx.controller);
  }
  if (sizesMismatch(r)) warnSizes(o);
  // The report's fields, then the last two as debug lines.
  const unsigned shown = fields.count() - 2;
  for (unsigned i = 0; i < shown; ++i) printField(o, "  ", fields.setting(i));
  if (o.debug) {
    debugField(o, "Macro Attr Size", fields.setting(shown));
    debugField(o, "Num Config Records", fields.setting(shown + 1));
  }
}

void controllerScript(const Record& r, const WalkContext& ctx, Out& o) {
  const FieldSettings fields(ctx.controller);
  o.sink.put("; Controller Definition\n");
  if (o.debug) debugRecordHeader(o, r);
  if (sizesMismatch(r)) warnSizes(o);
  if (o.debug) printSignature(o, ctx.controller);
  printField(o, ";   ", "Controller Type", fields.setting(kModelEntry));
  printField(o, ";   ", fields.setting(kFirmwareEntry));
  printField(o, ";   ", fields.setting(kConfigVersionEntry));
  printField(o, ";   ", fields.setting(kColdResetEntry));
  if (o.debug) {
    // The counts from the receivers on, under short names.
    static constexpr const char* kLabels[] = {"Receivers",         "Transmitters",    "Password Digits",
                                              "Macro Name Digits", "Macro Attr Size", "Num Config Records"};
    for (unsigned i = 0; i < std::size(kLabels); ++i) debugField(o, kLabels[i], fields.setting(kReceiversEntry + i));
  }
}

void identitySection(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "Controller ID");
  FieldSettings(r).forEach([&](const Setting& s) { printField(o, o.lead(), s); });
}

// The jumper lines; the script shows them as comments, with the AUX items
// two blanks apart where the report has five.
void statusSection(const Record& r, const WalkContext&, Out& o) {
  const FieldSettings fields(r);
  Sink& out = o.sink;
  const char* lead = o.lead();
  if (o.debug) {
    out.put(o.script ? ";debug Controller Status\n" : "debug Controller Status\n");
    debugRecordHeader(o, r);
  }
  out.put(o.script ? "\n; Inversion Jumpers:\n" : "\nInversion Jumpers:\n");
  for (unsigned i = 0; i < kFirstAux; ++i) {
    const Setting s = fields.setting(i);
    out.printf(i % 3 == 0 ? "%s%-6s = " : "    %s%-6s = ", i % 3 == 0 ? lead : "", kStatusFields[i].name);
    s.kind->text(out, s);
    if (i % 3 == 2) out.put('\n');
  }
  out.put('\n');
  out.put(o.script ? "; AUX Jumpers:\n" : "AUX Jumpers:\n");
  out.put(lead);
  for (unsigned i = kFirstAux; i < fields.count(); ++i) {
    const Setting s = fields.setting(i);
    if (i > kFirstAux) out.put(o.script ? "  " : "     ");
    out.printf("%s = ", kStatusFields[i].name);
    s.kind->text(out, s);
    if (s.value) out.put(' ');  // "In" as wide as "Out"
  }
  out.put('\n');
}

void versionsReport(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "FW Versions");
  o.sink.put("\nFile Versions\n");
  FieldSettings(r).forEach([&](const Setting& s) {
    if (s.key.entry == kFirstConfiguration) o.sink.put('\n');
    printField(o, "  ", s);
  });
}

void versionsScript(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "FW Versions");
}

void serialReport(const Record& r, const WalkContext&, Out& o) {
  const FieldSettings fields(r);
  Sink& out = o.sink;
  if (o.debug) {
    debugHeading(o, r, "Serial");
    o.dbg("Serial Signature  : ");
    printDigitString(out, r.sub(4), 2);
    out.put('\n');
  }
  auto port = [&](bool console) {
    const Setting baud = fields.setting(console ? kConsoleBaud : kAuxiliaryBaud);
    out.put(console ? "Console,   " : "Auxiliary, ");
    baud.kind->text(out, baud);
    out.put(", 8 data bits, no parity, no flow control, no modem control\n");
  };
  const bool firstIsConsole = fields.setting(kConsolePortEntry).value == 0;
  out.put("\nSerial Port Configuration\n");
  out.put("  RS232-1: ");
  port(firstIsConsole);
  out.put("  RS232-2: ");
  port(!firstIsConsole);
}

void serialScript(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "Serial");
}

void nameSection(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "Name");
  FieldSettings(r).forEach([&](const Setting& s) { printField(o, o.lead(), s); });
}

// Types 0 to 5, in the report's order. The controller definition is read
// as the walk context keeps it (the walk's context has taken the record),
// so its settings live as long as that context.
void controllerSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  auto visit = [&](const Setting& s) { visitor.setting(s); };
  if (r.type() == kController) {
    FieldSettings(ctx.controller).forEach(visit);
  } else {
    FieldSettings(r).forEach(visit);
  }
}

}  // namespace cfgscribe::records
