#include "cfgscribe/encodings.h"

#include <cstdio>

namespace cfgscribe {

namespace {

constexpr char kNibbleChars[] = "0123456789ABCD*F";

int bcdValue(std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

bool isUnitPrefix(std::uint8_t b) { return b == 0x97 || b == 0x98 || b == 0x99; }

}  // namespace

void printBcdDateTime(Sink& out, ByteView bcd) {
  out.printf("%1d/%1d/%02d %01d:%02d:%02d", bcdValue(bcd.u8(5)), bcdValue(bcd.u8(4)),
             bcdValue(bcd.u8(6)), bcdValue(bcd.u8(2)), bcdValue(bcd.u8(1)), bcdValue(bcd.u8(0)));
}

int printDigitPair(Sink& out, std::uint8_t b) {
  const unsigned high = b >> 4;
  out.put(kNibbleChars[high]);
  if (high == 0xE) return 1;
  out.put(kNibbleChars[b & 0x0F]);
  return 2;
}

namespace {

// The shared loop of the digit-string printers.
Printed digitString(Sink& out, ByteView field, std::size_t maxBytes, int padAfterByte,
                    bool blankBeforeHighStar) {
  Printed p;
  for (std::size_t i = 0; i < maxBytes; ++i) {
    const std::uint8_t b = field.u8(i);
    if (b == 0xFF) {
      p.consumed = i + 1;
      return p;
    }
    const unsigned high = b >> 4;
    const unsigned low = b & 0x0F;
    if (high == 0xE && blankBeforeHighStar) p.chars += out.put(' ');
    p.chars += out.put(kNibbleChars[high]);
    if (high != 0xE) {
      if (low == 0xE) p.chars += out.put(' ');
      p.chars += out.put(kNibbleChars[low]);
    }
    p.chars += out.pad(padAfterByte);
  }
  p.consumed = maxBytes;
  return p;
}

}  // namespace

Printed printDigitString(Sink& out, ByteView field, std::size_t maxBytes, int padAfterByte) {
  return digitString(out, field, maxBytes, padAfterByte, false);
}

Printed printDigitStringSpacedStars(Sink& out, ByteView field, std::size_t maxBytes) {
  return digitString(out, field, maxBytes, 0, true);
}

Printed printMessageContents(Sink& out, ByteView field, std::size_t maxBytes) {
  Printed p;
  unsigned state = 0;
  bool a = false, b = false, c = false;
  for (std::size_t i = 0; i < maxBytes; ++i) {
    const std::uint8_t byte = field.u8(i);
    if (byte == 0xFF) {
      p.consumed = i + 1;
      return p;
    }
    // A next byte of 0xFF (or past the field) matches no prefix.
    const std::uint8_t next = i + 1 < maxBytes ? field.u8(i + 1) : 0xFF;
    p.chars += printDigitPair(out, byte);
    switch (state) {
      case 0:
        if (byte >= 0x97) {
          if (byte == 0x97) state = 1;
          if (byte == 0x98) state = 2;
          if (byte == 0x99) state = 3;
          a = b = false;
        } else {
          if (c) state = 7;
          if (a && byte == 0x58) state = 4;
          if (a && byte == 0x57) state = 5;
          if (b) {
            if (byte == 0x58) state = 4;
            if (byte == 0x57) state = 6;
          } else {
            p.chars += out.put(' ');
          }
        }
        break;
      case 1:
        if (isUnitPrefix(next)) {
          p.chars += out.put(' ');
          state = 0;
        }
        break;
      case 2:
        p.chars += out.put(' ');
        state = c ? 7 : 0;
        break;
      case 3:
        p.chars += out.put(' ');
        if (byte == 0x93) {
          state = 4;
        } else if (byte >= 0x60 && byte <= 0x62) {
          c = true;
          state = 7;
        } else if (byte == 0x04) {
          state = 7;
        } else if (byte >= 0x10 && byte <= 0x12) {
          a = true;
          state = 0;
        } else if (byte >= 0x15 && byte <= 0x17) {
          b = true;
          state = 0;
        } else {
          state = 0;
          a = b = c = false;
        }
        break;
      case 4:
        p.chars += out.put(' ');
        state = 0;
        break;
      case 5: state = 7; break;
      case 6: state = 5; break;
      case 7: state = 8; break;
      case 8:
        p.chars += out.put(' ');
        state = isUnitPrefix(next) ? 0 : 7;
        break;
      default: state = 0; break;
    }
    p.consumed = i + 1;
  }
  p.consumed = maxBytes;
  return p;
}

void printHexDump(Sink& out, ByteView bytes, std::size_t count, bool offsets, int firstIndent,
                  int laterIndent) {
  if (count > bytes.size()) count = bytes.size();
  const std::size_t fullRows = count / 16;
  for (std::size_t k = 0; k < fullRows; ++k) {
    out.pad(k == 0 ? firstIndent : laterIndent);
    if (offsets) out.printf("%03zx0  ", k);
    const std::uint8_t* p = bytes.data() + k * 16;
    out.printf("%02x %02x %02x %02x %02x %02x %02x %02x - %02x %02x %02x %02x %02x %02x %02x %02x\n",
               p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11], p[12], p[13],
               p[14], p[15]);
  }
  const std::size_t rest = count % 16;
  if (rest == 0) return;
  out.pad(fullRows == 0 ? firstIndent : laterIndent);
  if (offsets) out.printf("%03zx0  ", fullRows);
  const std::uint8_t* p = bytes.data() + fullRows * 16;
  for (std::size_t i = 0; i < rest; ++i) {
    out.printf("%02x ", p[i]);
    if (i == 7 && rest > 8) out.put("- ");
  }
  if (offsets) out.put('\n');
}

VersionText versionTriplet(ByteView three) {
  VersionText v{};
  const unsigned major = three.u8(0);
  if (major == 0x7F) {
    std::snprintf(v.text, sizeof v.text, "no file");
  } else if (major == 0xFF) {
    std::snprintf(v.text, sizeof v.text, "version not set");
  } else {
    std::snprintf(v.text, sizeof v.text, "%u.%u.%u", major, three.u8(1), three.u8(2));
  }
  return v;
}

}  // namespace cfgscribe
