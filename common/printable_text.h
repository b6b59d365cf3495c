// Text fields of a file are shown on the user's terminal: a control byte in
// them (C0, DEL or C1) could move the cursor, clear the screen or worse, so
// it is shown as "." instead. Printable bytes, valid files' texts, pass as
// they are.
#pragma once

#include <cstdint>

namespace orva {

constexpr char printableByte(unsigned char byte) {
  const bool control = byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte <= 0x9F);
  return control ? '.' : static_cast<char>(byte);
}

// The four signature bytes of a header or record as a terminated text.
struct SignatureText {
  char text[5];
};
constexpr SignatureText signatureText(const std::uint8_t* bytes) {
  return {{printableByte(bytes[0]), printableByte(bytes[1]), printableByte(bytes[2]),
           printableByte(bytes[3]), '\0'}};
}

}  // namespace orva
