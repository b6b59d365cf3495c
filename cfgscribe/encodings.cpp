#include "cfgscribe/encodings.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace cfgscribe {

namespace {

constexpr char kNibbleChars[] = "0123456789ABCD*F";
constexpr char kHexChars[] = "0123456789abcdef";

int bcdValue(std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

bool isUnitPrefix(std::uint8_t b) { return b == 0x97 || b == 0x98 || b == 0x99; }

// Every byte's two digit characters, laid out by one two-byte copy.
constexpr auto kDigitPairs = [] {
  std::array<std::array<char, 2>, 256> pairs{};
  for (unsigned b = 0; b < 256; ++b) pairs[b] = {kNibbleChars[b >> 4], kNibbleChars[b & 0x0F]};
  return pairs;
}();

// Both digits are laid out; a high star keeps only the first.
char* digitPair(char* w, std::uint8_t b) {
  std::memcpy(w, kDigitPairs[b].data(), 2);
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

// The digit bytes of a field: at most maxBytes, ending before a 0xFF (which
// is used up) or where the loaded bytes end (past them the field reads as
// 0xFF, so that end uses up one byte more too).
struct DigitBytes {
  const std::uint8_t* bytes;
  std::size_t count;
  std::size_t consumed;
};

DigitBytes digitBytes(ByteView field, std::size_t maxBytes) {
  const std::size_t loaded = maxBytes < field.size() ? maxBytes : field.size();
  const void* end = loaded == 0 ? nullptr : std::memchr(field.data(), 0xFF, loaded);
  const std::size_t count =
      end == nullptr ? loaded : static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - field.data());
  return {field.data(), count, count < maxBytes ? count + 1 : maxBytes};
}

// The digit printers run once per byte of the largest records, so they lay
// their characters out in place in the sink's field, committing a run of
// bytes at a time instead of handing over one character per call.
// layByte(i, w) lays out byte i's characters (at most kMostPerByte) at w and
// returns their end. Returns the number of characters laid out.
template <std::size_t kMostPerByte, typename LayByte>
int layRuns(Sink& out, std::size_t count, LayByte layByte) {
  int chars = 0;
  for (std::size_t i = 0; i < count;) {
    const std::size_t runEnd = std::min(count, i + Sink::kFieldRoom / kMostPerByte);
    char* w = out.field();
    for (; i < runEnd; ++i) w = layByte(i, w);
    chars += out.commit(w);
  }
  return chars;
}

// Splits message contents into units: prefix bytes 0x97 (a unit running to
// the next prefix), 0x98 (two bytes) and 0x99 (sub-codes, some of which
// make the following bytes run together) keep their bytes in one unit;
// every other byte is a unit of its own.
class MessageUnits {
 public:
  // Whether a unit ends after `byte`; `next` is the byte after it (0xFF
  // past the contents, which matches no prefix).
  bool endsAfter(std::uint8_t byte, std::uint8_t next) {
    switch (at_) {
      case At::kUnitStart:
        if (byte >= 0x97) {
          if (byte == 0x97) at_ = At::kToNextPrefix;
          if (byte == 0x98) at_ = At::kPrefixPairEnd;
          if (byte == 0x99) at_ = At::kSubCode;
          marksOpenUnits_ = bytesJoin_ = false;
          return false;
        }
        if (inPairs_) at_ = At::kPairStart;
        if (marksOpenUnits_ && byte == 0x58) at_ = At::kLastByte;
        if (marksOpenUnits_ && byte == 0x57) at_ = At::kOneBeforePair;
        if (bytesJoin_) {
          if (byte == 0x58) at_ = At::kLastByte;
          if (byte == 0x57) at_ = At::kTwoBeforePair;
          return false;
        }
        return true;
      case At::kToNextPrefix:
        if (!isUnitPrefix(next)) return false;
        at_ = At::kUnitStart;
        return true;
      case At::kPrefixPairEnd:
        at_ = inPairs_ ? At::kPairStart : At::kUnitStart;
        return true;
      case At::kSubCode:
        if (byte == 0x93) {
          at_ = At::kLastByte;
        } else if (byte >= 0x60 && byte <= 0x62) {
          inPairs_ = true;
          at_ = At::kPairStart;
        } else if (byte == 0x04) {
          at_ = At::kPairStart;
        } else if (byte >= 0x10 && byte <= 0x12) {
          marksOpenUnits_ = true;
          at_ = At::kUnitStart;
        } else if (byte >= 0x15 && byte <= 0x17) {
          bytesJoin_ = true;
          at_ = At::kUnitStart;
        } else {
          at_ = At::kUnitStart;
          marksOpenUnits_ = bytesJoin_ = inPairs_ = false;
        }
        return true;
      case At::kLastByte:
        at_ = At::kUnitStart;
        return true;
      case At::kOneBeforePair: at_ = At::kPairStart; return false;
      case At::kTwoBeforePair: at_ = At::kOneBeforePair; return false;
      case At::kPairStart: at_ = At::kPairEnd; return false;
      case At::kPairEnd:
        at_ = isUnitPrefix(next) ? At::kUnitStart : At::kPairStart;
        return true;
    }
    return false;
  }

 private:
  // Where the next byte falls in its unit.
  enum class At : std::uint8_t {
    kUnitStart,      // it opens a unit (or is one)
    kToNextPrefix,   // in a 0x97 unit, which ends before the next prefix
    kPrefixPairEnd,  // the byte after 0x98, which ends its unit
    kSubCode,        // the sub-code after 0x99, which ends its unit
    kLastByte,       // it ends the unit
    kOneBeforePair,  // it joins the pair that follows into one unit
    kTwoBeforePair,  // it and the next join the pair that follows
    kPairStart,      // bytes run two to a unit until the next prefix: the first
    kPairEnd,        // and the second, which ends the unit
  };
  At at_ = At::kUnitStart;
  // Set by sub-codes: after 0x10 to 0x12, a 0x58 or 0x57 opens a longer
  // unit, and after 0x15 to 0x17 every byte joins the next, both until the
  // next prefix; after 0x60 to 0x62 bytes go in pairs until a sub-code
  // outside those named here.
  bool marksOpenUnits_ = false, bytesJoin_ = false, inPairs_ = false;
};

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
  const DigitBytes d = digitBytes(field, maxBytes);
  // At most: blank, star; or digit, blank, star; and the blank after.
  const int chars = layRuns<4>(out, d.count, [&](std::size_t i, char* w) {
    const std::uint8_t b = d.bytes[i];
    if ((b >> 4) == 0xE) {
      if (blankBeforeHighStar) *w++ = ' ';
      *w++ = '*';
    } else {
      *w++ = kNibbleChars[b >> 4];
      if ((b & 0x0F) == 0xE) *w++ = ' ';
      *w++ = kNibbleChars[b & 0x0F];
    }
    if (blankAfterByte) *w++ = ' ';
    return w;
  });
  return {chars, d.consumed};
}

}  // namespace

Printed printDigitString(Sink& out, ByteView field, std::size_t maxBytes, bool blankAfterByte) {
  return digitString(out, field, maxBytes, blankAfterByte, false);
}

Printed printDigitStringSpacedStars(Sink& out, ByteView field, std::size_t maxBytes) {
  return digitString(out, field, maxBytes, false, true);
}

Printed printMessageContents(Sink& out, ByteView field, std::size_t maxBytes) {
  const DigitBytes d = digitBytes(field, maxBytes);
  MessageUnits units;
  const int chars = layRuns<3>(out, d.count, [&](std::size_t i, char* w) {
    const std::uint8_t byte = d.bytes[i];
    w = digitPair(w, byte);
    if (units.endsAfter(byte, i + 1 < d.count ? d.bytes[i + 1] : 0xFF)) *w++ = ' ';
    return w;
  });
  return {chars, d.consumed};
}

std::size_t messageContentsLength(ByteView field, std::size_t maxBytes) {
  return digitBytes(field, maxBytes).consumed;
}

void printHexDump(Sink& out, ByteView bytes, std::size_t count, bool offsets, int firstIndent,
                  int laterIndent, bool commented) {
  if (count > bytes.size()) count = bytes.size();
  const std::size_t fullRows = count / 16;
  for (std::size_t k = 0; k < fullRows; ++k) {
    if (commented) out.put(';');
    out.pad(k == 0 ? firstIndent : laterIndent);
    if (offsets) out.printf("%03zx0  ", k);
    // The row's last blank becomes its line end.
    char* w = hexBytes(out.field(), bytes.data() + k * 16, 16);
    w[-1] = '\n';
    out.commit(w);
  }
  const std::size_t rest = count % 16;
  if (rest == 0) return;
  if (commented) out.put(';');
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
