// Formatters for the controller's field encodings: BCD date-times, digit
// strings, message contents, version triplets, hex dumps and the script's
// comment column. Each prints through the sink and returns what callers
// need to line up columns.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/byte_view.h"
#include "common/sink.h"

namespace cfgscribe {

using orva::ByteView;
using orva::Sink;

struct Printed {
  int chars = 0;              // characters written
  std::size_t consumed = 0;   // field bytes used, a closing 0xFF included
};

// "%1d/%1d/%02d %01d:%02d:%02d": month/day/year hour:minute:second.
void printBcdDateTime(Sink& out, ByteView bcd7);

// One byte as one or two digit characters (a high nibble E is "*" alone).
int printDigitPair(Sink& out, std::uint8_t b);

// Digits of at most `maxBytes` bytes, stopping before 0xFF, with a blank
// after each byte if asked; a low-nibble star is preceded by a blank.
Printed printDigitString(Sink& out, ByteView field, std::size_t maxBytes, bool blankAfterByte = false);

// As printDigitString without padding, but a high-nibble star is also
// preceded by a blank.
Printed printDigitStringSpacedStars(Sink& out, ByteView field, std::size_t maxBytes);

// Message contents grouped into units with single blanks.
Printed printMessageContents(Sink& out, ByteView field, std::size_t maxBytes);
// Bytes one message's contents occupy: up to its 0xFF end mark (included)
// or all `maxBytes` when it fills its field.
std::size_t messageContentsLength(ByteView field, std::size_t maxBytes);

// Hex rows of 16 bytes. Only bytes actually loaded are dumped. A partial
// last row ends with a line end only when offsets are shown. Commented rows
// begin with ";" (script comments).
void printHexDump(Sink& out, ByteView bytes, std::size_t count, bool offsets, int firstIndent,
                  int laterIndent, bool commented = false);


// "no file", "version not set" or "%d.%d.%d".
struct VersionText {
  char text[16];
};
VersionText versionTriplet(ByteView three);

}  // namespace cfgscribe
