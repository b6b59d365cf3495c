// Compile-time helpers that assemble the catalogue's tables (texts, root
// commands, switch states) from runs of entries, so each table reads like its
// documentation ("5-10 Reserved") and a gap, an overlap or a miscounted range
// fails to compile.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <type_traits>

namespace cfgscribe::catalogue_build {

// Entries first..last (both included): every one holds `value` when
// `stride` is 0; otherwise (texts only) they are consecutive texts of a
// series laid out `stride` characters apart starting at `value`.
template <class T>
struct Run {
  int first;
  int last;
  T value;
  int stride = 0;

  constexpr T at(int i) const {
    if constexpr (std::is_pointer_v<T>) {
      if (stride != 0) return value + (i - first) * stride;
    }
    return value;
  }
};

// Up to three characters that tell the texts of a series apart.
struct Label {
  char c[4]{};
};

constexpr Label decimal(int n) {  // no leading zero
  Label l;
  if (n >= 10) {
    l.c[0] = static_cast<char>('0' + n / 10 % 10);
    l.c[1] = static_cast<char>('0' + n % 10);
  } else {
    l.c[0] = static_cast<char>('0' + n);
  }
  return l;
}

constexpr Label twoDigits(int n) {
  Label l;
  l.c[0] = static_cast<char>('0' + n / 10 % 10);
  l.c[1] = static_cast<char>('0' + n % 10);
  return l;
}

constexpr Label character(char ch) {
  Label l;
  l.c[0] = ch;
  return l;
}

// `Count` texts of at most `Width` - 1 characters, stored one after another
// in one character array so a run can step through them.
template <std::size_t Count, std::size_t Width>
struct Series {
  char chars[Count * Width]{};

  constexpr Run<const char*> at(int first) const {
    return {first, first + static_cast<int>(Count) - 1, chars, static_cast<int>(Width)};
  }
};

// Text k of the series is prefix + labelOf(k) + suffix.
template <std::size_t Count, std::size_t Width, class LabelOf>
constexpr Series<Count, Width> makeSeries(const char* prefix, LabelOf labelOf, const char* suffix) {
  Series<Count, Width> s;
  for (std::size_t k = 0; k < Count; ++k) {
    char* out = s.chars + k * Width;
    std::size_t n = 0;
    auto append = [&](const char* part) {
      for (; *part != '\0'; ++part) {
        if (n + 1 >= Width) throw "series text wider than its slot";
        out[n++] = *part;
      }
    };
    const Label label = labelOf(static_cast<int>(k));
    append(prefix);
    append(label.c);
    append(suffix);
  }
  return s;
}

// A table of N entries from runs that must cover 0..N-1 in order, each
// entry exactly once.
template <std::size_t N, class T = const char*>
constexpr std::array<T, N> buildTable(std::initializer_list<Run<T>> runs) {
  std::array<T, N> table{};
  int next = 0;
  for (const Run<T>& r : runs) {
    if (r.first != next || r.last < r.first || r.last >= static_cast<int>(N))
      throw "runs must cover the table in order without gaps";
    for (int i = r.first; i <= r.last; ++i) table[static_cast<std::size_t>(i)] = r.at(i);
    next = r.last + 1;
  }
  if (next != static_cast<int>(N)) throw "runs end before the table does";
  return table;
}

}  // namespace cfgscribe::catalogue_build
