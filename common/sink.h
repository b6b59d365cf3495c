// The one printer that every byte of program output goes through.
//
// Bound to a FILE* it gathers text and writes it out in whole 64 KiB
// blocks, one write each, the last part when flushed; bound to a
// std::string (tests) it appends there. printf-style calls report how many
// characters they wrote so callers can line up the comment column.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

// Lets the compiler check every format against its arguments. The rules
// are those of the C library unless the build names others: a MinGW build
// sets ORVA_PRINTF_ARCHETYPE=gnu_printf, the rules the sink's formatter
// follows on every system.
#ifndef ORVA_PRINTF_ARCHETYPE
#define ORVA_PRINTF_ARCHETYPE printf
#endif
#define ORVA_PRINTF_FORMAT(formatIndex, firstArgument) \
  __attribute__((format(ORVA_PRINTF_ARCHETYPE, formatIndex, firstArgument)))

namespace orva {

class Sink {
 public:
  // The sink does the buffering: the stream is switched to unbuffered so
  // that each block goes out in one write.
  explicit Sink(std::FILE* file);
  explicit Sink(std::string& text);
  ~Sink();
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;

  // Formatted print; returns the number of characters written.
  int printf(const char* format, ...) ORVA_PRINTF_FORMAT(2, 3);
  int vprintf(const char* format, std::va_list args);
  // Literal text; returns its length. Inline: most output is short pieces.
  int put(std::string_view text) {
    text_.append(text);
    spillIfFull();
    return static_cast<int>(text.size());
  }
  int put(char c) {
    text_.push_back(c);
    spillIfFull();
    return 1;
  }
  // n blanks (nothing when n <= 0); returns the count written.
  int pad(int n) {
    if (n <= 0) return 0;
    text_.append(static_cast<std::size_t>(n), ' ');
    spillIfFull();
    return n;
  }
  // Writes buffered text to the file (no-op for a string sink).
  void flush();

 private:
  static constexpr std::size_t kBlock = 1 << 16;  // bytes per write

  void spillIfFull() {
    if (text_.size() >= kBlock && file_ != nullptr) spillFullBlocks();
  }
  void spillFullBlocks();

  std::FILE* file_ = nullptr;
  std::string own_;      // buffer when bound to a file
  std::string& text_;    // where text accumulates
};

}  // namespace orva
