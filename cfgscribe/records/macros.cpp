// cfgRec_Macros: the chain of macros in use, each with its name, directory
// location and stored commands. The report lists the decoded commands; the
// script recreates each macro with MPW 20 and MPW 29.
#include <algorithm>

#include "cfgscribe/encodings.h"
#include "cfgscribe/records/command_decoder.h"
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {
namespace {

constexpr unsigned kDirectorySize = 340;  // macro directory locations
constexpr unsigned kNoMacro = 0xFFFF;
constexpr std::size_t kFirstLocation = 5;
constexpr std::size_t kFirstEntry = 7;
constexpr std::size_t kReportDumpBytes = 103;

struct MacroEntry {
  unsigned location;
  ByteView name;              // name bytes of the entry
  std::size_t start;          // record offset of the name
  std::size_t commandsStart;  // record offset of the command area
};

// Visits the commands of the area at `start`: each is a length byte L and
// L - 1 digit bytes. The area ends at its end byte or once the bytes
// counted reach the element size. A length byte of 0 would never advance,
// so it ends the area like the end byte. Returns the area's size, the end
// byte counted.
template <class OnCommand>
std::size_t forEachCommand(const Record& r, std::size_t start, unsigned elementSize, OnCommand onCommand) {
  std::size_t counted = 0;
  unsigned index = 0;
  for (;;) {
    const unsigned length = r.u8(start + counted);
    if (length == kEndMarker || length == 0) break;
    onCommand(r.sub(start + counted + 1, length - 1), index++);
    counted += length;
    if (counted >= elementSize) break;
  }
  return counted + 1;
}

// Follows the macro chain: from the first location, entry after entry,
// until a location of 0xFFFF, the end of the image, or the directory's
// 340 locations. Returns the record length.
template <class OnMacro>
std::uint32_t forEachMacro(const Record& r, const WalkContext& ctx, OnMacro onMacro) {
  const std::size_t nameBytes = ctx.controller.macroNameDigits() / 2;
  const std::size_t attrSize = ctx.controller.macroAttrSize();
  std::size_t length = kFirstEntry;
  unsigned location = r.u16(kFirstLocation);
  for (unsigned shown = 0; location != kNoMacro && length < r.size() && shown < kDirectorySize; ++shown) {
    const std::size_t commandsStart = length + nameBytes + attrSize;
    onMacro(MacroEntry{location, r.sub(length, nameBytes), length, commandsStart});
    length = commandsStart + forEachCommand(r, commandsStart, r.elementSize(), [](ByteView, unsigned) {});
    location = r.u16(length);
    length += 2;
  }
  return static_cast<std::uint32_t>(length);
}

int printName(Sink& out, const MacroEntry& m) { return printDigitString(out, m.name, m.name.size()).chars; }

}  // namespace

std::uint32_t macrosReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\nMacros\n");
  if (o.debug) debugTypeAttributesSize(o, r);
  unsigned count = 0;
  const std::uint32_t length = forEachMacro(r, ctx, [&](const MacroEntry& m) {
    if (o.debug) {
      // Printed with the script's prefix in the report too.
      out.printf(";debug  Location=%d\n", m.location);
      const ByteView entry = r.sub(m.start);
      printHexDump(out, entry, std::min(kReportDumpBytes, entry.size()), true, 4, 4);
    }
    out.put(" Name: ");
    printName(out, m);
    out.printf("\n   Location   : %d\n", m.location);
    out.put("   Commands   :\n");
    forEachCommand(r, m.commandsStart, r.elementSize(), [&](ByteView digits, unsigned) {
      out.put("     ");
      const DecodedCommand command = decodeCommand(out, ctx.passwords, digits);
      out.pad(50 - command.chars);
      out.printf("-- %s\n", describeCommand(command));
    });
    ++count;
  });
  if (count > 0)
    out.printf("\n %d Macros of %d Macros Used\n", count, kDirectorySize);
  else
    out.put("  No Macros Defined\n");
  return length;
}

std::uint32_t macrosScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\n; Define Macros\n");
  if (o.debug) debugTypeAttributesSize(o, r);
  const int nameDigits = static_cast<int>(ctx.controller.macroNameDigits());
  unsigned count = 0;
  const std::uint32_t length = forEachMacro(r, ctx, [&](const MacroEntry& m) {
    if (o.debug) {
      o.dbg("Location=%d\n", m.location);
      const ByteView entry = r.sub(m.start);
      const std::size_t dumped = ctx.controller.macroNameDigits() / 2 + ctx.controller.macroAttrSize() + 2;
      printHexDump(out, entry, std::min(dumped, entry.size()), true, 4, 4);
    }
    out.put(";  Macro Name = ");
    printName(out, m);
    out.printf(",  Macro Directory Location = %3d\n", m.location);
    out.put("MPW 20 ");
    printName(out, m);
    out.put(' ');
    bool anyCommand = false;
    forEachCommand(r, m.commandsStart, r.elementSize(), [&](ByteView digits, unsigned index) {
      if (index > 0) {
        out.put("\nMPW 29 ");
        printName(out, m);
        out.put(' ');
      }
      const DecodedCommand command = decodeCommand(out, ctx.passwords, digits);
      // The comment column counts the name by its digit count, so it lines
      // up whatever the name holds.
      o.toComment(command.chars + nameDigits + 8);
      out.put(describeCommand(command));
      anyCommand = true;
    });
    if (anyCommand) out.put('\n');
    out.put('\n');
    ++count;
  });
  if (count > 0)
    out.printf(";   %d Macros of %d Macros Used\n\n", count, kDirectorySize);
  else
    out.put(";   No Macros Defined\n");
  return length;
}

}  // namespace cfgscribe::records
