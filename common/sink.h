// The one printer that every byte of program output goes through.
//
// Text is gathered in one 64 KiB block. Bound to a FILE* the sink writes
// each full block in one write and the last part when flushed; bound to a
// std::string (tests) it hands every piece on to the string at once.
// printf-style calls report how many characters they wrote so callers can
// line up the comment column.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "common/printf_format.h"

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

  // Formatted print (see common/format.h); returns the number of
  // characters written.
  int printf(const char* format, ...) ORVA_PRINTF_FORMAT(2, 3);
  int vprintf(const char* format, std::va_list args);

  // Literal text; returns its length. Inline: most output is short pieces.
  int put(std::string_view text) {
    if (text.size() <= static_cast<std::size_t>(end_ - at_)) {
      if (!text.empty()) std::memcpy(at_, text.data(), text.size());
      at_ += text.size();
    } else {
      putAcrossBlocks(text);
    }
    if (text_ != nullptr) spill();
    return static_cast<int>(text.size());
  }
  int put(char c) {
    if (at_ == end_) spill();
    *at_++ = c;
    if (text_ != nullptr) spill();
    return 1;
  }
  // Where a writer may lay out up to kFieldRoom characters in place, then
  // hand the end of what it wrote to commit. Returns the count committed.
  static constexpr std::size_t kFieldRoom = 256;
  char* field() { return at_; }
  int commit(char* fieldEnd) {
    const int n = static_cast<int>(fieldEnd - at_);
    at_ = fieldEnd;
    if (at_ >= end_) spillBlockAndCarry();
    if (text_ != nullptr) spill();
    return n;
  }
  // n copies of c (nothing when n <= 0); returns the count written.
  int fill(char c, int n);
  // n blanks (nothing when n <= 0); returns the count written.
  int pad(int n) { return fill(' ', n); }
  // Writes buffered text to the file (no-op for a string sink).
  void flush();

 private:
  static constexpr std::size_t kBlock = 1 << 16;  // bytes per write

  void putAcrossBlocks(std::string_view text);
  // Writes the full block and moves a field that ran past it to the front.
  void spillBlockAndCarry();
  // Hands the gathered text on (to the file or the string) and empties the block.
  void spill();

  std::FILE* file_ = nullptr;
  std::string* text_ = nullptr;
  char block_[kBlock + kFieldRoom];  // a field may run past the block end
  char* at_ = block_;  // the free part of the block: [at_, end_)
  char* end_ = block_ + kBlock;
};

}  // namespace orva
