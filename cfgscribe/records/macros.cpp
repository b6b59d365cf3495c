// cfgRec_Macros: the chain of macros in use, each with its name, directory
// location and stored commands. The report lists the decoded commands; the
// script recreates each macro with MPW 20 and MPW 29.
#include <algorithm>

#include "cfgscribe/encodings.h"
#include "cfgscribe/records/command_decoder.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/macro_chain.h"

namespace cfgscribe::records {
namespace {

constexpr std::size_t kReportDumpBytes = 103;

int printName(Sink& out, const MacroEntry& m) { return printDigitString(out, m.name, m.name.size()).chars; }

}  // namespace

void macrosReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\nMacros\n");
  if (o.debug) debugTypeAttributesSize(o, r);
  unsigned count = 0;
  forEachMacro(r, ctx.controller, [&](const MacroEntry& m) {
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
    out.printf("\n %d Macros of %d Macros Used\n", count, kMacroDirectorySize);
  else
    out.put("  No Macros Defined\n");
}

void macrosScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\n; Define Macros\n");
  if (o.debug) debugTypeAttributesSize(o, r);
  const int nameDigits = static_cast<int>(ctx.controller.macroNameDigits());
  unsigned count = 0;
  forEachMacro(r, ctx.controller, [&](const MacroEntry& m) {
    if (o.debug) {
      o.dbg("Location=%d\n", m.location);
      const ByteView entry = r.sub(m.start);
      const std::size_t dumped = ctx.controller.macroNameDigits() / 2 + ctx.controller.macroAttrSize() + 2;
      printHexDump(out, entry, std::min(dumped, entry.size()), true, 4, 4, true);
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
    out.printf(";   %d Macros of %d Macros Used\n\n", count, kMacroDirectorySize);
  else
    out.put(";   No Macros Defined\n");
}

// Not decoded yet: the family still prints from its bytes.
void macrosSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
