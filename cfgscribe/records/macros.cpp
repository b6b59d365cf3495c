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

// A macro as one list setting: its bytes run from its name through the end
// of its command area, its lines are the MPW 20 line and one MPW 29 line
// per further command. The area is read again with its own length as the
// limit, which stops where the walk of the record stopped.
struct MacroBytes {
  ByteView name;
  Record area;
  unsigned nameDigits;

  explicit MacroBytes(const Setting& s)
      : name(s.bytes.sub(0, s.context->controller.macroNameDigits() / 2)),
        area(s.bytes.sub(name.size() + s.context->controller.macroAttrSize())),
        nameDigits(s.context->controller.macroNameDigits()) {}

  template <class OnCommand>
  void forEach(OnCommand onCommand) const {
    forEachCommand(area, 0, area.size() > 0 ? static_cast<unsigned>(area.size() - 1) : 0, onCommand);
  }
  // Command `line`'s digits, or an empty view.
  ByteView command(unsigned line) const {
    ByteView found;
    forEach([&](ByteView digits, unsigned index) {
      if (index == line) found = digits;
    });
    return found;
  }
};

unsigned macroLines(const Setting& s) {
  unsigned lines = 0;
  MacroBytes(s).forEach([&](ByteView, unsigned) { ++lines; });
  return lines > 0 ? lines : 1;  // a macro without commands still has its MPW 20 line
}
// "MPW 20" or "MPW 29", the name, the decoded command. The comment column
// counts the name by its digit count, so it lines up whatever the name holds.
int macroCommand(Sink& out, const Setting& s) {
  const MacroBytes m(s);
  out.put(s.line == 0 ? "MPW 20 " : "MPW 29 ");
  const int nameChars = printDigitString(out, m.name, m.name.size()).chars;
  out.put(' ');
  const ByteView digits = m.command(s.line);
  if (digits.empty() && s.line == 0 && macroLines(s) == 1 && m.area.u8(0) == kEndMarker) return 8 + nameChars;
  return decodeCommand(out, s.context->passwords, digits).chars + static_cast<int>(m.nameDigits) + 8;
}
void macroComment(Sink& out, const Setting& s) {
  const MacroBytes m(s);
  out.put(describeCommand({commandRoot(s.context->passwords, m.command(s.line)), 0}));
}
void macroName(Sink& out, const Setting& s) {
  const MacroBytes m(s);
  out.put("Macro ");
  printDigitString(out, m.name, m.name.size());
}
// The stored commands' digits, one after another.
void macroText(Sink& out, const Setting& s) {
  bool first = true;
  MacroBytes(s).forEach([&](ByteView digits, unsigned) {
    if (!first) out.put(" / ");
    first = false;
    printDigitString(out, digits, digits.size());
  });
}
// The controller's Erase Macro command and the name.
int macroRemove(Sink& out, const Setting& s) {
  const MacroBytes m(s);
  return out.put("MPW 21 ") + printDigitString(out, m.name, m.name.size()).chars + out.put(" *");
}
constexpr SettingKind kMacro{"macro", "", macroCommand, macroComment, macroText, macroName, macroLines, macroRemove};

// The macros of the record as settings, in chain order.
template <class OnMacro>
void forEachMacroSetting(const Record& r, const WalkContext& ctx, OnMacro onMacro) {
  forEachMacro(r, ctx.controller, [&](const MacroEntry& m) {
    const std::size_t end = m.commandsStart + forEachCommand(r, m.commandsStart, r.elementSize(), [](ByteView, unsigned) {});
    Setting s;
    s.key = SettingKey{kMacros, 0, static_cast<std::uint16_t>(m.location), 0};
    s.kind = &kMacro;
    s.value = m.location;
    s.bytes = r.sub(m.start, end - m.start);
    s.context = &ctx;
    onMacro(m, s);
  });
}

}  // namespace

void macrosReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& out = o.sink;
  out.put("\nMacros\n");
  if (o.debug) debugTypeAttributesSize(o, r);
  unsigned count = 0;
  forEachMacroSetting(r, ctx, [&](const MacroEntry& m, const Setting& macro) {
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
    MacroBytes(macro).forEach([&](ByteView digits, unsigned) {
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
  unsigned count = 0;
  forEachMacroSetting(r, ctx, [&](const MacroEntry& m, const Setting& macro) {
    if (o.debug) {
      o.dbg("Location=%d\n", m.location);
      const ByteView entry = r.sub(m.start);
      const std::size_t dumped = ctx.controller.macroNameDigits() / 2 + ctx.controller.macroAttrSize() + 2;
      printHexDump(out, entry, std::min(dumped, entry.size()), true, 4, 4, true);
    }
    out.put(";  Macro Name = ");
    printName(out, m);
    out.printf(",  Macro Directory Location = %3d\n", m.location);
    // Each line: the command, then its comment; a macro without commands
    // has its MPW 20 line alone, without a comment.
    const bool anyCommand = r.u8(m.commandsStart) != kEndMarker && r.u8(m.commandsStart) != 0;
    Setting line = macro;
    const unsigned lines = macroLines(macro);
    for (line.line = 0; line.line < lines; ++line.line) {
      if (line.line > 0) out.put('\n');
      const int width = macroCommand(out, line);
      if (!anyCommand) break;
      o.toComment(width);
      macroComment(out, line);
    }
    if (anyCommand) out.put('\n');
    out.put('\n');
    ++count;
  });
  if (count > 0)
    out.printf(";   %d Macros of %d Macros Used\n\n", count, kMacroDirectorySize);
  else
    out.put(";   No Macros Defined\n");
}

void macrosSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  forEachMacroSetting(r, ctx, [&](const MacroEntry&, const Setting& s) { visitor.setting(s); });
}

}  // namespace cfgscribe::records
