#include "cfgscribe/encodings.h"

#include <cstdio>

namespace cfgscribe {

namespace {

constexpr char kNibbleChars[] = "0123456789ABCD*F";
constexpr char kHexChars[] = "0123456789abcdef";

int bcdValue(std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

bool isUnitPrefix(std::uint8_t b) { return b == 0x97 || b == 0x98 || b == 0x99; }

// The printers below run once per byte of the largest records, so they lay
// their characters out in place in the sink's field and commit only when it
// is nearly full, instead of handing over one character per call.
// keepRoom commits when the field may not hold `most` more characters and
// returns where to go on writing.
char* keepRoom(Sink& out, char* w, std::size_t most, int& chars) {
  if (w + most <= out.field() + Sink::kFieldRoom) return w;
  chars += out.commit(w);
  return out.field();
}

// Both digits are laid out; a high star keeps only the first.
char* digitPair(char* w, std::uint8_t b) {
  w[0] = kNibbleChars[b >> 4];
  w[1] = kNibbleChars[b & 0x0F];
  return w + ((b >> 4) == 0xE ? 1 : 2);
}

// "xx " for each byte, with "- " after the eighth when more follow.
char* hexBytes(char* w, const std::uint8_t* p, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    *w++ = kHexChars[p[i] >> 4];
    *w++ = kHexChars[p[i] & 0x0F];
    *w++ = ' ';
    if (i == 7 && count > 8) {
      *w++ = '-';
      *w++ = ' ';
    }
  }
  return w;
}

}  // namespace

void printBcdDateTime(Sink& out, ByteView bcd) {
  out.printf("%1d/%1d/%02d %01d:%02d:%02d", bcdValue(bcd.u8(5)), bcdValue(bcd.u8(4)),
             bcdValue(bcd.u8(6)), bcdValue(bcd.u8(2)), bcdValue(bcd.u8(1)), bcdValue(bcd.u8(0)));
}

int printDigitPair(Sink& out, std::uint8_t b) { return out.commit(digitPair(out.field(), b)); }

namespace {

// The shared loop of the digit-string printers.
Printed digitString(Sink& out, ByteView field, std::size_t maxBytes, bool blankAfterByte,
                    bool blankBeforeHighStar) {
  constexpr std::size_t kMostPerByte = 4;  // digit, blank, digit, blank
  Printed p;
  p.consumed = maxBytes;
  char* w = out.field();
  for (std::size_t i = 0; i < maxBytes; ++i) {
    const std::uint8_t b = field.u8(i);
    if (b == 0xFF) {
      p.consumed = i + 1;
      break;
    }
    w = keepRoom(out, w, kMostPerByte, p.chars);
    const unsigned high = b >> 4;
    const unsigned low = b & 0x0F;
    if (high == 0xE && blankBeforeHighStar) *w++ = ' ';
    *w++ = kNibbleChars[high];
    if (high != 0xE) {
      if (low == 0xE) *w++ = ' ';
      *w++ = kNibbleChars[low];
    }
    if (blankAfterByte) *w++ = ' ';
  }
  p.chars += out.commit(w);
  return p;
}

}  // namespace

Printed printDigitString(Sink& out, ByteView field, std::size_t maxBytes, bool blankAfterByte) {
  return digitString(out, field, maxBytes, blankAfterByte, false);
}

Printed printDigitStringSpacedStars(Sink& out, ByteView field, std::size_t maxBytes) {
  return digitString(out, field, maxBytes, false, true);
}

Printed printMessageContents(Sink& out, ByteView field, std::size_t maxBytes) {
  constexpr std::size_t kMostPerByte = 3;  // two digits and a blank
  // Only loaded bytes are read: past them the field reads as 0xFF, its end,
  // which also matches no unit prefix.
  const std::size_t loaded = maxBytes < field.size() ? maxBytes : field.size();
  const std::uint8_t* const bytes = field.data();
  Printed p;
  p.consumed = loaded < maxBytes ? loaded + 1 : maxBytes;
  char* w = out.field();
  unsigned state = 0;
  bool a = false, b = false, c = false;
  for (std::size_t i = 0; i < loaded; ++i) {
    const std::uint8_t byte = bytes[i];
    if (byte == 0xFF) {
      p.consumed = i + 1;
      break;
    }
    const std::uint8_t next = i + 1 < loaded ? bytes[i + 1] : 0xFF;
    w = digitPair(keepRoom(out, w, kMostPerByte, p.chars), byte);
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
            *w++ = ' ';
          }
        }
        break;
      case 1:
        if (isUnitPrefix(next)) {
          *w++ = ' ';
          state = 0;
        }
        break;
      case 2:
        *w++ = ' ';
        state = c ? 7 : 0;
        break;
      case 3:
        *w++ = ' ';
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
        *w++ = ' ';
        state = 0;
        break;
      case 5: state = 7; break;
      case 6: state = 5; break;
      case 7: state = 8; break;
      case 8:
        *w++ = ' ';
        state = isUnitPrefix(next) ? 0 : 7;
        break;
      default: state = 0; break;
    }
  }
  p.chars += out.commit(w);
  return p;
}

void printHexDump(Sink& out, ByteView bytes, std::size_t count, bool offsets, int firstIndent,
                  int laterIndent) {
  if (count > bytes.size()) count = bytes.size();
  const std::size_t fullRows = count / 16;
  for (std::size_t k = 0; k < fullRows; ++k) {
    out.pad(k == 0 ? firstIndent : laterIndent);
    if (offsets) out.printf("%03zx0  ", k);
    // The row's last blank becomes its line end.
    char* w = hexBytes(out.field(), bytes.data() + k * 16, 16);
    w[-1] = '\n';
    out.commit(w);
  }
  const std::size_t rest = count % 16;
  if (rest == 0) return;
  out.pad(fullRows == 0 ? firstIndent : laterIndent);
  if (offsets) out.printf("%03zx0  ", fullRows);
  out.commit(hexBytes(out.field(), bytes.data() + fullRows * 16, rest));
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
