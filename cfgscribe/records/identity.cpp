// The records that describe the controller itself: controller definition,
// factory identity, jumper status, firmware versions, serial ports and name.
// The script shows them as comments only; no command sets them.

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

// An ASCII text of at most `width` bytes from `offset`, ending at a NUL byte.
void printText(Sink& out, ByteView bytes, std::size_t offset, std::size_t width) {
  if (!bytes.has(offset, width)) {
    out.put(kAbsent);
    return;
  }
  const ByteView field = bytes.sub(offset, width);
  for (std::size_t n = 0; n < field.size() && field.u8(n) != 0; ++n) {
    out.put(orva::printableByte(field.u8(n)));
  }
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

ByteView coldReset(const ControllerDefinition& c) {
  return ByteView(c.bytes.data() + ControllerDefinition::kColdReset, 7);
}

const char* jumper(unsigned bits, unsigned bit) {
  return (bits >> bit & 1) != 0 ? "In/Active-High" : "Out/Active-Low";
}
const char* aux(unsigned bits, unsigned bit) { return (bits >> bit & 1) != 0 ? "In " : "Out"; }

const char* baudRate(unsigned code) { return lookupDescription(Catalogue::kBaudRates, 0, code); }

}  // namespace

void controllerReport(const Record& r, const WalkContext& ctx, Out& o) {
  const ControllerDefinition& c = ctx.controller;
  const auto& b = c.bytes;
  Sink& out = o.sink;
  out.put("Controller Definition\n");
  if (o.debug) {
    debugRecordHeader(o, r);
    printSignature(o, c);
  }
  if (sizesMismatch(r)) warnSizes(o);
  out.printf("  Controller Model                 : 5%d%d0\n", c.receivers(), c.transmitters());
  out.printf("  Controller Firmware Version      : %d.%d.%d\n", b[ControllerDefinition::kFirmware],
             b[ControllerDefinition::kFirmware + 1], b[ControllerDefinition::kFirmware + 2]);
  out.put("  Controller Cold Reset Date-Time  : ");
  printBcdDateTime(out, coldReset(c));
  out.put('\n');
  out.printf("  Configuration Version            : %d\n", b[ControllerDefinition::kConfigVersion]);
  out.printf("  Number of Receivers              : %d\n", c.receivers());
  out.printf("  Number of Transmitters           : %d\n", c.transmitters());
  out.printf("  Number of Password Digits        : %d\n", c.passwordDigits());
  out.printf("  Number of Macro Name Digits      : %d\n", c.macroNameDigits());
  if (o.debug) {
    o.dbg("  Macro Attr Size   : %d\n", c.macroAttrSize());
    o.dbg("  Num Config Records: %d\n", c.recordCount());
  }
}

void controllerScript(const Record& r, const WalkContext& ctx, Out& o) {
  const ControllerDefinition& c = ctx.controller;
  const auto& b = c.bytes;
  Sink& out = o.sink;
  out.put("; Controller Definition\n");
  if (o.debug) debugRecordHeader(o, r);
  if (sizesMismatch(r)) warnSizes(o);
  if (o.debug) printSignature(o, c);
  out.printf(";   Controller Type                  : 5%d%d0\n", c.receivers(), c.transmitters());
  out.printf(";   Controller Firmware Version      : %d.%d.%d\n", b[ControllerDefinition::kFirmware],
             b[ControllerDefinition::kFirmware + 1], b[ControllerDefinition::kFirmware + 2]);
  out.printf(";   Configuration Version            : %d\n", b[ControllerDefinition::kConfigVersion]);
  out.put(";   Controller Cold Reset Date-Time  : ");
  printBcdDateTime(out, coldReset(c));
  out.put('\n');
  if (o.debug) {
    o.dbg("  Receivers         : %d\n", c.receivers());
    o.dbg("  Transmitters      : %d\n", c.transmitters());
    o.dbg("  Password Digits   : %d\n", c.passwordDigits());
    o.dbg("  Macro Name Digits : %d\n", c.macroNameDigits());
    o.dbg("  Macro Attr Size   : %d\n", c.macroAttrSize());
    o.dbg("  Num Config Records: %d\n", c.recordCount());
  }
}

namespace {

void printDateTime(Sink& out, ByteView bytes, std::size_t offset) {
  if (bytes.has(offset, 7)) {
    printBcdDateTime(out, bytes.sub(offset, 7));
  } else {
    out.put(kAbsent);
  }
}

void identity(const Record& r, Out& o) {
  const ByteView bytes = r;
  const std::size_t nameWidth = r.elementSize() > 30 ? r.elementSize() - 30 : 0;
  const char* lead = o.lead();
  Sink& out = o.sink;
  if (o.debug) debugHeading(o, r, "Controller ID");
  out.printf("%sOriginal Customer Name           : ", lead);
  printText(out, bytes, 34, nameWidth);
  out.printf("\n%sController Serial Number         : ", lead);
  printText(out, bytes, 12, 8);
  out.printf("\n%sController Model Number          : ", lead);
  printText(out, bytes, 4, 8);
  out.printf("\n%sController Manufacture Date-Time : ", lead);
  printDateTime(out, bytes, 20);
  out.printf("\n%sController Format Date-Time      : ", lead);
  printDateTime(out, bytes, 27);
  out.put('\n');
}

}  // namespace

void identitySection(const Record& r, const WalkContext&, Out& o) { identity(r, o); }

namespace {

// The jumper lines; the script shows them as comments, with the AUX items
// two blanks apart where the report has five.
void status(const Record& r, Out& o) {
  const ByteView b = r;
  Sink& out = o.sink;
  const char* lead = o.lead();
  if (o.debug) {
    out.put(o.script ? ";debug Controller Status\n" : "debug Controller Status\n");
    debugRecordHeader(o, r);
  }
  out.put(o.script ? "\n; Inversion Jumpers:\n" : "\nInversion Jumpers:\n");
  out.printf("%sCOR1   = %s    COR2   = %s    COR3   = %s\n", lead, jumper(b.u8(4), 0), jumper(b.u8(4), 1),
             jumper(b.u8(4), 2));
  out.printf("%sCTCSS1 = %s    CTCSS2 = %s    CTCSS3 = %s\n", lead, jumper(b.u8(5), 0), jumper(b.u8(5), 1),
             jumper(b.u8(5), 2));
  out.printf("%sPTT1   = %s    PTT2   = %s    PTT3   = %s\n\n", lead, jumper(b.u8(6), 0), jumper(b.u8(6), 1),
             jumper(b.u8(6), 2));
  const unsigned a = b.u8(7);
  const char* gap = o.script ? "  " : "     ";
  out.put(o.script ? "; AUX Jumpers:\n" : "AUX Jumpers:\n");
  out.printf("%sAUX1 = %s%sAUX2 = %s%sAUX3 = %s%sAUX4 = %s%sAUX5 = %s\n", lead, aux(a, 0), gap, aux(a, 1), gap,
             aux(a, 2), gap, aux(a, 3), gap, aux(a, 4));
}

}  // namespace

void statusSection(const Record& r, const WalkContext&, Out& o) { status(r, o); }

void versionsReport(const Record& r, const WalkContext&, Out& o) {
  const ByteView b = r;
  Sink& out = o.sink;
  if (o.debug) debugHeading(o, r, "FW Versions");
  auto line = [&](const char* label, std::size_t offset) {
    out.printf("  %-33s: %s\n", label, versionTriplet(b.sub(offset, 3)).text);
  };
  out.put("\nFile Versions\n");
  line("BootROM", 4);
  line("SBOOT", 8);
  line("Diagnostics", 12);
  line("ORVA_A", 20);
  line("ORVA_B", 24);
  line("Speech Library Version", 48);
  line("Custom Audio Library Version", 44);
  out.put('\n');
  line("Configuration_A", 28);
  line("Configuration_B", 32);
  line("Configuration_C", 36);
  line("Configuration_D", 40);
}

void versionsScript(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "FW Versions");
}

void serialReport(const Record& r, const WalkContext&, Out& o) {
  const ByteView b = r;
  Sink& out = o.sink;
  if (o.debug) {
    debugHeading(o, r, "Serial");
    o.dbg("Serial Signature  : ");
    printDigitString(out, b.sub(4), 2);
    out.put('\n');
  }
  auto port = [&](bool console) {
    out.printf("%s %s, 8 data bits, no parity, no flow control, no modem control\n",
               console ? "Console,  " : "Auxiliary,", baudRate(b.u8(console ? 6 : 8)));
  };
  const bool firstIsConsole = b.u8(11) == 0;
  out.put("\nSerial Port Configuration\n");
  out.put("  RS232-1: ");
  port(firstIsConsole);
  out.put("  RS232-2: ");
  port(!firstIsConsole);
}

void serialScript(const Record& r, const WalkContext&, Out& o) {
  if (o.debug) debugHeading(o, r, "Serial");
}

namespace {

void name(const Record& r, Out& o) {
  if (o.debug) debugHeading(o, r, "Name");
  o.sink.printf("%sUser-Defined Controller Name     : ", o.lead());
  printText(o.sink, r, 4, r.elementSize());
  o.sink.put('\n');
}

}  // namespace

void nameSection(const Record& r, const WalkContext&, Out& o) { name(r, o); }

// Not decoded yet: the family still prints from its bytes.
void controllerSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
