#include "common/format.h"

#include <bit>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/sink.h"

namespace orva {

namespace {

struct Conversion {
  bool left = false;   // '-': pad on the right
  bool zero = false;   // '0': pad numbers with zeros
  bool plus = false;   // '+', ' ' and '#' are left to snprintf
  bool space = false;
  bool alternate = false;
  int width = 0;
  int precision = -1;  // -1: none given
  char length = 0;     // 'H' hh, 'h', 'l', 'q' ll, 'j', 'z', 't', 'L'
  char conversion = 0;

  bool hasSnprintfFlags() const { return plus || space || alternate; }
};

// The sink, counting what goes into it.
struct Out {
  Sink& sink;
  std::size_t count = 0;
  void put(std::string_view text) { count += static_cast<std::size_t>(sink.put(text)); }
  void put(char c) { count += static_cast<std::size_t>(sink.put(c)); }
  void fill(char c, int n) {
    if (n > 0) count += static_cast<std::size_t>(sink.fill(c, n));
  }
};

// Reads a width or precision: digits, or '*' for an int argument.
int number(const char*& f, std::va_list& args) {
  if (*f == '*') {
    ++f;
    return va_arg(args, int);
  }
  int n = 0;
  for (; *f >= '0' && *f <= '9'; ++f) n = n < INT_MAX / 10 ? n * 10 + (*f - '0') : INT_MAX;
  return n;
}

// Parses what follows a '%' up to and including the conversion letter.
Conversion parseConversion(const char*& f, std::va_list& args) {
  Conversion s;
  for (;; ++f) {
    switch (*f) {
      case '-': s.left = true; continue;
      case '0': s.zero = true; continue;
      case '+': s.plus = true; continue;
      case ' ': s.space = true; continue;
      case '#': s.alternate = true; continue;
      default: break;
    }
    break;
  }
  const int width = number(f, args);
  // A negative '*' width is a '-' flag and its magnitude.
  if (width < 0) s.left = true;
  s.width = width < 0 ? (width == INT_MIN ? INT_MAX : -width) : width;
  if (*f == '.') {
    ++f;
    const int precision = number(f, args);
    s.precision = precision < 0 ? -1 : precision;
  }
  switch (*f) {
    case 'h': s.length = f[1] == 'h' ? 'H' : 'h'; break;
    case 'l': s.length = f[1] == 'l' ? 'q' : 'l'; break;
    case 'j': case 'z': case 't': case 'L': s.length = *f; break;
    default: break;
  }
  if (s.length != 0) f += (s.length == 'H' || s.length == 'q') ? 2 : 1;
  s.conversion = *f;
  if (*f != '\0') ++f;
  return s;
}

std::intmax_t signedArgument(std::va_list& args, char length) {
  switch (length) {
    case 'H': return static_cast<signed char>(va_arg(args, int));
    case 'h': return static_cast<short>(va_arg(args, int));
    case 'l': return va_arg(args, long);
    case 'q': return va_arg(args, long long);
    case 'j': return va_arg(args, std::intmax_t);
    case 'z': return va_arg(args, std::make_signed_t<std::size_t>);
    case 't': return va_arg(args, std::ptrdiff_t);
    default: return va_arg(args, int);
  }
}

std::uintmax_t unsignedArgument(std::va_list& args, char length) {
  switch (length) {
    case 'H': return static_cast<unsigned char>(va_arg(args, unsigned));
    case 'h': return static_cast<unsigned short>(va_arg(args, unsigned));
    case 'l': return va_arg(args, unsigned long);
    case 'q': return va_arg(args, unsigned long long);
    case 'j': return va_arg(args, std::uintmax_t);
    case 'z': return va_arg(args, std::size_t);
    case 't': return va_arg(args, std::make_unsigned_t<std::ptrdiff_t>);
    default: return va_arg(args, unsigned);
  }
}

// How many digits `magnitude` has in the conversion's base (none for 0).
int digitCount(std::uintmax_t magnitude, char conversion) {
  const int bits = std::bit_width(magnitude);
  if (conversion == 'x' || conversion == 'X') return (bits + 3) / 4;
  if (conversion == 'o') return (bits + 2) / 3;
  int count = 0;
  for (std::uintmax_t least = 1; count < 20 && magnitude >= least; least *= 10) ++count;
  return count;
}

// `digits` digits of `magnitude` (leading zeros included), ending at `end`.
void layDigits(char* end, std::uintmax_t magnitude, int digits, char conversion) {
  char* const start = end - digits;
  if (conversion == 'x' || conversion == 'X') {
    const char* symbols = conversion == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    for (; end != start; magnitude >>= 4) *--end = symbols[magnitude & 15];
  } else if (conversion == 'o') {
    for (; end != start; magnitude >>= 3) *--end = static_cast<char>('0' + (magnitude & 7));
  } else {
    for (; end != start; magnitude /= 10) *--end = static_cast<char>('0' + magnitude % 10);
  }
}

// Blanks for a field laid out in place. A few are stored as one fixed-size
// run, cheaper than a library call for a count known only now; the field
// keeps room for the run's spare part (kBlankRun).
constexpr int kBlankRun = 16;
char* layBlanks(char* w, int n) {
  if (n <= kBlankRun) {
    std::memset(w, ' ', kBlankRun);
  } else {
    std::memset(w, ' ', static_cast<std::size_t>(n));
  }
  return w + n;
}

void appendInteger(Out& out, const Conversion& s, std::uintmax_t magnitude, bool negative) {
  const int count = digitCount(magnitude, s.conversion);
  // The precision is the least number of digits; zero printed with
  // precision 0 has none. Without a precision the '0' flag fills the width.
  const int leastDigits = s.precision >= 0 ? s.precision : 1;
  int digits = leastDigits > count ? leastDigits : count;
  int total = (negative ? 1 : 0) + digits;
  if (s.zero && !s.left && s.precision < 0 && s.width > total) {
    digits += s.width - total;
    total = s.width;
  }
  const int blanks = s.width > total ? s.width - total : 0;
  // Wider fields than the sink has room for in place are rare: in pieces.
  if (blanks + total + kBlankRun > static_cast<int>(Sink::kFieldRoom)) {
    char text[sizeof(std::uintmax_t) * 3];  // enough for 64 bits in octal
    layDigits(text + count, magnitude, count, s.conversion);
    if (!s.left) out.fill(' ', blanks);
    if (negative) out.put('-');
    out.fill('0', digits - count);
    out.put(std::string_view(text, static_cast<std::size_t>(count)));
    if (s.left) out.fill(' ', blanks);
    return;
  }
  // Laid out straight in the sink's block: most fields are a few digits.
  char* w = out.sink.field();
  if (!s.left) w = layBlanks(w, blanks);
  if (negative) *w++ = '-';
  w += digits;
  layDigits(w, magnitude, digits, s.conversion);
  if (s.left) w = layBlanks(w, blanks);
  out.count += static_cast<std::size_t>(out.sink.commit(w));
}

void appendText(Out& out, const Conversion& s, const char* text, std::size_t size) {
  const int blanks = size < static_cast<std::size_t>(s.width) ? s.width - static_cast<int>(size) : 0;
  if (!s.left) out.fill(' ', blanks);
  out.put(std::string_view(text, size));
  if (s.left) out.fill(' ', blanks);
}

void appendString(Out& out, const Conversion& s, const char* text) {
  if (text == nullptr) text = s.precision < 0 || s.precision >= 6 ? "(null)" : "";
  std::size_t size = 0;
  // With a precision the text need not be terminated: read no further.
  if (s.precision >= 0) {
    while (size < static_cast<std::size_t>(s.precision) && text[size] != '\0') ++size;
  } else {
    while (text[size] != '\0') ++size;
  }
  appendText(out, s, text, size);
}

// Rebuilds one field's conversion with its width and precision resolved
// and the given length modifier, for snprintf.
void rebuild(char (&into)[48], const Conversion& s, const char* length) {
  char width[16] = "";
  char precision[16] = "";
  if (s.width > 0) std::snprintf(width, sizeof width, "%d", s.width);
  if (s.precision >= 0) std::snprintf(precision, sizeof precision, ".%d", s.precision);
  std::snprintf(into, sizeof into, "%%%s%s%s%s%s%s%s%s%c", s.left ? "-" : "", s.zero ? "0" : "",
                s.plus ? "+" : "", s.space ? " " : "", s.alternate ? "#" : "", width, precision, length,
                s.conversion);
}

template <typename T>
void appendBySnprintf(Out& out, const char* conversion, T value) {
  char text[512];
  const int n = std::snprintf(text, sizeof text, conversion, value);
  if (n <= 0) return;
  if (static_cast<std::size_t>(n) < sizeof text) {
    out.put(std::string_view(text, static_cast<std::size_t>(n)));
    return;
  }
  std::string wide(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(wide.data(), wide.size(), conversion, value);
  out.put(std::string_view(wide.data(), static_cast<std::size_t>(n)));
}

// A field this formatter does not render itself, original flags kept.
// Returns false for a conversion it does not know at all.
bool appendRare(Out& out, const Conversion& s, std::va_list& args) {
  char conversion[48];
  switch (s.conversion) {
    case 'd': case 'i':
      rebuild(conversion, s, "j");
      appendBySnprintf(out, conversion, signedArgument(args, s.length));
      return true;
    case 'u': case 'o': case 'x': case 'X':
      rebuild(conversion, s, "j");
      appendBySnprintf(out, conversion, unsignedArgument(args, s.length));
      return true;
    case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
      if (s.length == 'L') {
        rebuild(conversion, s, "L");
        appendBySnprintf(out, conversion, va_arg(args, long double));
      } else {
        rebuild(conversion, s, "");
        appendBySnprintf(out, conversion, va_arg(args, double));
      }
      return true;
    case 'p':
      rebuild(conversion, s, "");
      appendBySnprintf(out, conversion, va_arg(args, void*));
      return true;
    case 'n':
      (void)va_arg(args, void*);  // nothing is stored through it
      return true;
    default:
      return false;
  }
}

}  // namespace

std::size_t appendFormatted(Sink& sink, const char* format, std::va_list arguments) {
  Out out{sink};
  std::va_list args;
  va_copy(args, arguments);  // a local copy can be handed on by reference
  const char* f = format;
  bool known = true;
  while (known && *f != '\0') {
    // Short literal text is copied straight into the block; a longer run
    // is found and copied whole by the C library's string functions.
    char* w = sink.field();
    char* const shortRun = w + 8;
    while (*f != '\0' && *f != '%' && w != shortRun) *w++ = *f++;
    out.count += static_cast<std::size_t>(sink.commit(w));
    if (*f != '%' && *f != '\0') {
      const char* const run = f;
      f = std::strchr(run, '%');
      if (f == nullptr) {
        out.put(std::string_view(run));
        break;
      }
      out.put(std::string_view(run, static_cast<std::size_t>(f - run)));
    }
    if (*f != '%') break;
    ++f;
    const Conversion s = parseConversion(f, args);
    if (s.hasSnprintfFlags() && s.conversion != 'c' && s.conversion != 's') {  // the flags mean nothing there
      known = appendRare(out, s, args);
      continue;
    }
    switch (s.conversion) {
      case 'd': case 'i': {
        const std::intmax_t v = signedArgument(args, s.length);
        const std::uintmax_t magnitude = v < 0 ? std::uintmax_t{0} - static_cast<std::uintmax_t>(v)
                                               : static_cast<std::uintmax_t>(v);
        appendInteger(out, s, magnitude, v < 0);
        break;
      }
      case 'u': case 'o': case 'x': case 'X':
        appendInteger(out, s, unsignedArgument(args, s.length), false);
        break;
      case 'c': {
        const char c = static_cast<char>(va_arg(args, int));
        appendText(out, s, &c, 1);
        break;
      }
      case 's':
        appendString(out, s, va_arg(args, const char*));
        break;
      case '%':
        out.put('%');
        break;
      default:
        known = appendRare(out, s, args);
        break;
    }
  }
  va_end(args);
  return out.count;
}

}  // namespace orva
