// The hidden raw dump (-C): the image header field by field and every
// record with its header bytes and contents, decoded only as far as the
// record framing goes. Used to inspect files whose report looks wrong.

#include "cfgscribe/raw_dump.h"

#include "cfgscribe/encodings.h"
#include "cfgscribe/modes.h"
#include "cfgscribe/port_groups.h"
#include "cfgscribe/records/macro_chain.h"
#include "common/printable_text.h"

namespace cfgscribe {

namespace {

namespace hdr = orva::hdr;

void commonLines(Sink& out, const Record& r, bool portGrouped) {
  printRecordHeader(out, "  ", r, portGrouped ? HeaderLines::kPortGroups : HeaderLines::kElements);
}

void controller(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  commonLines(out, r, false);
  const auto& c = ctx.controller;
  const auto& b = c.bytes;
  using CD = ControllerDefinition;
  out.printf("    Signature         : %s\n", orva::signatureText(b.data()).text);
  out.printf("    Structure Version : %d\n", b[CD::kStructureVersion]);
  out.printf("    Controller FW Ver : %d.%d.%d\n", b[CD::kFirmware], b[CD::kFirmware + 1], b[CD::kFirmware + 2]);
  out.printf("    Config Version    : %d\n", b[CD::kConfigVersion]);
  out.put("    Init Date Time    : ");
  printBcdDateTime(out, ByteView(b.data() + CD::kColdReset, 7));
  out.put('\n');
  out.printf("    Receivers         : %d\n", c.receivers());
  out.printf("    Transmitters      : %d\n", c.transmitters());
  out.printf("    Password Digits   : %d\n", c.passwordDigits());
  out.printf("    Macro Name Digits : %d\n", c.macroNameDigits());
  out.printf("    Macro Attr Size   : %d\n", c.macroAttrSize());
  out.printf("    Num Config Records: %d\n", c.recordCount());
}

void elementBytes(const Record& r, const WalkContext&, Out& o) {
  commonLines(o.sink, r, false);
  printHexDump(o.sink, r.sub(4), r.elementSize(), true, 4, 4);
}

void passwords(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  commonLines(out, r, false);
  static constexpr const char* kLabels[] = {"    MPW  : ", "    CPW  : ", "    RBPW : ", "    APW  : "};
  const ByteView& own = r;
  const unsigned size = r.elementSize();
  for (unsigned i = 0; i < r.elementCount(); ++i) {
    out.put(i < 4 ? kLabels[i] : "    Other: ");
    printDigitString(out, own.sub(4 + static_cast<std::size_t>(i) * size, size), size);
    out.put('\n');
  }
}

void bitSet(const Record& r, const WalkContext&, Out& o) {
  commonLines(o.sink, r, false);
  o.sink.put("  Bit Set           : \n");
  printHexDump(o.sink, r.sub(4), r.elementSize(), true, 4, 4);
}

void etmLists(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  commonLines(out, r, true);
  out.put("    Note: Unset ETMs Not Listed Here\n");
  const std::size_t nameBytes = ctx.controller.macroNameDigits() / 2;
  const std::size_t shown = nameBytes < 2 ? nameBytes : 2;
  std::size_t pos = 5;
  for (unsigned g = 0; g <= ctx.controller.receivers(); ++g) {
    const unsigned capacity = g == 0 ? r.numMisc() : r.numPort();
    for (unsigned n = 0; n <= capacity && r.u8(pos) != kEndMarker; ++n) {
      out.printf("    %04d: ", g * 100 + r.u8(pos));
      printDigitString(out, r.sub(pos + 1, nameBytes), shown);
      out.put('\n');
      pos += nameBytes + 1;
    }
    ++pos;  // the list's end byte
  }
}

void setpoints(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  commonLines(out, r, false);
  if (r.u8(4) == kEndMarker) {
    out.put("    No Setpoints Set\n");
    return;
  }
  static constexpr const char* kLabels[] = {"    star     : ", "    month    : ", "    day      : ",
                                            "    hour     : ", "    minute   : "};
  const unsigned size = r.elementSize();
  std::size_t pos = 4;
  unsigned entries = 0;
  for (; entries < r.elementCount() && r.u8(pos) != kEndMarker; ++entries) {
    const ByteView entry = r.sub(pos + 1, size);
    out.printf("  Setpoint: %d\n", r.u8(pos));
    out.put("    macroName: ");
    printDigitString(out, entry, 2);
    for (std::size_t k = 0; k < 5; ++k) {
      out.put('\n');
      out.put(kLabels[k]);
      printDigitString(out, entry.sub(2 + k, 1), 1);
    }
    const unsigned flags = entry.u8(7);
    out.printf("\n    flags    : 0x%x, %s\n", flags, (flags & 1) != 0 ? "Enabled" : "Disabled");
    pos += size + 1;
  }
}

void macros(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  printRecordHeader(out, "  ", r, HeaderLines::kTypeAttributesSize);
  if (r.u16(kFirstMacroLocation) == kNoMacro) {
    out.put("  No Macros\n");
    return;
  }
  const std::size_t nameBytes = ctx.controller.macroNameDigits() / 2;
  forEachMacro(r, ctx.controller, [&](const MacroEntry& m) {
    out.printf("  iMacro     : %3d\n", m.location);
    out.put("    MacroName: ");
    printDigitString(out, m.name, nameBytes);
    out.printf("\n    MacroAttr: 0x%x", r.u8(m.start + nameBytes));
    out.put("\n    Macro    : ");
    forEachCommand(r, m.commandsStart, r.elementSize(), [&](ByteView digits, unsigned index) {
      if (index > 0) out.put("\n             : ");
      printDigitString(out, digits, digits.size(), true);
    });
    out.put('\n');
  });
}

void portGroupedWithPrefix(const Record& r, unsigned ports, Out& o, unsigned prefix) {
  Sink& out = o.sink;
  commonLines(out, r, true);
  const PortGroups groups(r, ports);
  for (unsigned g = 0; g <= ports; ++g) {
    for (unsigned i = 0; i < groups.count(g); ++i) {
      const ByteView element = groups.element(g, i);
      const unsigned id = (prefix * 10 + g) * 100 + i;
      if ((r.attributes() & 0x20) != 0) {  // the commonest line: one call
        const unsigned value = element.u16(0);
        out.printf("    %04d: %5d (0x%04x)\n", id, value, value);
        continue;
      }
      out.printf("    %04d: ", id);
      if ((r.attributes() & 0x40) != 0) {
        if (element.u8(0) == kEndMarker) {
          out.put("None Set  ");
        } else {
          printDigitString(out, element, groups.elementSize());
        }
      } else {
        printHexDump(out, element, groups.elementSize(), false, 0, 10);
      }
      out.put('\n');
    }
  }
}

void portGrouped(const Record& r, const WalkContext& ctx, Out& o) {
  const unsigned prefix = r.type() == kTimers100 ? 1 : r.type() == kTimers1000 ? 2 : 0;
  // Long names hold their slots in the first group only; their fifth header
  // byte counts ports, not elements per port, so stepping port groups by it
  // would lose the place of every later record.
  // Tone generators hold one block per transmitter.
  const unsigned ports = r.type() == kLongNames      ? 0
                         : r.type() == kToneGenerators ? ctx.controller.transmitters()
                                                       : ctx.controller.receivers();
  portGroupedWithPrefix(r, ports, o, prefix);
}

void messageLists(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  commonLines(out, r, true);
  const unsigned size = r.elementSize();
  std::size_t pos = 5;
  for (unsigned g = 0; g <= ctx.controller.receivers(); ++g) {
    // Messages stored beyond the group's slots are shown too: they are in
    // the file, and the list runs on to its end byte.
    while (r.has(pos) && r.u8(pos) != kEndMarker) {
      out.printf("    %04d: ", g * 100 + r.u8(pos));
      const Printed p = printMessageContents(out, r.sub(pos + 1), size);
      out.put('\n');
      pos += p.consumed + 1;
    }
    ++pos;  // the list's end byte
  }
}

void allBytes(const Record& r, const WalkContext&, Out& o) {
  commonLines(o.sink, r, false);
  o.sink.put("  Bytes             : \n");
  printHexDump(o.sink, r.sub(4), r.elementSize() * r.elementCount(), true, 4, 4);
}

void userTimerTable(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  commonLines(out, r, false);
  out.put("  Timers\n");
  out.put("     # : Enable   Value   Macro   Resolution\n");
  // Four parallel columns laid out by the count alone; reads stay in the record.
  const ByteView& own = r;
  const std::size_t n = r.elementCount();
  for (std::size_t i = 0; i < n; ++i) {
    out.printf("    %2zu :  0x%02x    0x%04x  ", i, own.u8(4 + i), own.u16(4 + n + 2 * i));
    if (printDigitString(out, own.sub(4 + 3 * n + 3 * i, 3), 3).chars == 0) out.put("     ");
    out.printf("    0x%02x\n", own.u8(4 + 6 * n + i));
  }
}

void unrecognised(const Record& r, const WalkContext&, Out& o) {
  Sink& out = o.sink;
  out.printf("Unrecognized Config Record Type %d (0x%x)\n", r.type(), r.type());
  out.printf("  File Contents, offset 0x%zx:\n", r.offset());
  printRecordHeader(out, "debug  ", r, HeaderLines::kTypeAttributesSize);
  const unsigned size = r.elementSize();
  switch (r.layoutKind()) {
    case 0:
    case 1:
      dumpUnknownElements(out, r);
      return;
    case 2:
      // An indexed list: entries of a number and element size bytes from
      // offset 4 to the end byte, which the record's length counts.
      for (std::size_t pos = 4; r.has(pos) && r.u8(pos) != kEndMarker; pos += size + 1) {
        out.printf("%d, ", r.u8(pos));
        printHexDump(out, r.sub(pos + 1), size, true, 4, 4);
      }
      return;
    default:
      printHexDump(out, r.sub(4), size, true, 4, 4);
      out.put("  Internal Error: Record Type Not Handled (3). Call ORVA.");
      return;
  }
}

void rawBeforeRecord(Out& o, std::size_t offset, unsigned type) {
  o.sink.printf("\nFile offset 0x%zx\n", offset);
  if (const char* name = recordTypeName(type)) {
    o.sink.printf("%s (0x%x):\n", name, type);
  } else {
    o.sink.printf("cfgRec_Unrecognized %d (0x%x):\n", type, type);
  }
}

}  // namespace

const HandlerTable& rawHandlers() {
  static const HandlerTable table{
      {controller, elementBytes, elementBytes, elementBytes, elementBytes, elementBytes, passwords,
       bitSet, etmLists, setpoints, macros, portGrouped, portGrouped, portGrouped, portGrouped,
       messageLists, portGrouped, portGrouped, portGrouped, portGrouped, portGrouped, portGrouped,
       allBytes, userTimerTable, allBytes, portGrouped, portGrouped},
      unrecognised,
      rawBeforeRecord};
  return table;
}

void printRawHeader(Sink& out, const orva::HeaderBytes& h, std::size_t walkLength) {
  out.printf("  Signature     : %s\n", orva::signatureText(h.data()).text);
  out.printf("  Header Version: %d\n", h[hdr::kHeaderVersion]);
  out.printf("  Filename      : %s\n", orva::headerText(h, hdr::kName, hdr::kNameShown).c_str());
  out.printf("  Version       : %s\n", orva::headerText(h, hdr::kVersion, hdr::kVersionShown).c_str());
  out.printf("  A Datetime    : %s\n", orva::headerText(h, hdr::kDateText, hdr::kDateTextShown).c_str());
  out.put("  B Datetime    : ");
  printBcdDateTime(out, ByteView(h.data() + hdr::kDateBcd, 7));
  out.put('\n');
  const unsigned itype = orva::headerType(h);
  out.printf("  File Type     : %d, %s\n", itype, orva::imageTypeName(itype));
  out.printf("  File Size     : %zu (0x%04zx) bytes\n", walkLength, walkLength);
}

}  // namespace cfgscribe
