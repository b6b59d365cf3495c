// The macro chain of a cfgRec_Macros record: entries one after another,
// each a name, its attributes, a command area and the location of the next
// macro. The length rule, the report, the script and the raw dump all follow
// it through these two walkers, so they agree on every entry.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cfgscribe/image.h"

namespace cfgscribe {

constexpr unsigned kMacroDirectorySize = 340;  // macro directory locations
constexpr unsigned kNoMacro = 0xFFFF;
constexpr std::size_t kFirstMacroLocation = 5;
constexpr std::size_t kFirstMacroEntry = 7;

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
std::uint32_t forEachMacro(const Record& r, const ControllerDefinition& c, OnMacro onMacro) {
  const std::size_t nameBytes = c.macroNameDigits() / 2;
  const std::size_t attrSize = c.macroAttrSize();
  std::size_t length = kFirstMacroEntry;
  unsigned location = r.u16(kFirstMacroLocation);
  for (unsigned shown = 0; location != kNoMacro && length < r.size() && shown < kMacroDirectorySize; ++shown) {
    const std::size_t commandsStart = length + nameBytes + attrSize;
    onMacro(MacroEntry{location, r.sub(length, nameBytes), length, commandsStart});
    length = commandsStart + forEachCommand(r, commandsStart, r.elementSize(), [](ByteView, unsigned) {});
    location = r.u16(length);
    length += 2;
  }
  return static_cast<std::uint32_t>(length);
}

}  // namespace cfgscribe
