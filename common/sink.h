// The one printer that every byte of program output goes through.
//
// Bound to a FILE* it gathers text in a large buffer and writes it out in
// big blocks; bound to a std::string (tests) it appends there. printf-style
// calls report how many characters they wrote so callers can line up the
// comment column.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/printf_format.h"

namespace orva {

class Sink {
 public:
  explicit Sink(std::FILE* file);
  explicit Sink(std::string& text);
  ~Sink();
  Sink(const Sink&) = delete;
  Sink& operator=(const Sink&) = delete;

  // Formatted print; returns the number of characters written.
  int printf(const char* format, ...) ORVA_PRINTF_FORMAT(2, 3);
  int vprintf(const char* format, std::va_list args);
  // Literal text; returns its length.
  int put(std::string_view text);
  int put(char c);
  // n blanks (nothing when n <= 0); returns the count written.
  int pad(int n);
  // Writes buffered text to the file (no-op for a string sink).
  void flush();

 private:
  void spillIfLarge();

  std::FILE* file_ = nullptr;
  std::string own_;      // buffer when bound to a file
  std::string& text_;    // where text accumulates
};

}  // namespace orva
