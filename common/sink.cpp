#include "common/sink.h"

#include <cstdarg>

namespace orva {

namespace {
constexpr std::size_t kSpillAt = 1 << 16;
}

Sink::Sink(std::FILE* file) : file_(file), text_(own_) { own_.reserve(2 * kSpillAt); }

Sink::Sink(std::string& text) : text_(text) {}

Sink::~Sink() { flush(); }

int Sink::printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const int n = vprintf(format, args);
  va_end(args);
  return n;
}

int Sink::vprintf(const char* format, std::va_list args) {
  char small[512];
  std::va_list again;
  va_copy(again, args);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  if (n >= 0 && static_cast<std::size_t>(n) < sizeof small) {
    text_.append(small, static_cast<std::size_t>(n));
  } else if (n >= 0) {
    // Rare long line: format straight into the tail of the buffer.
    const std::size_t at = text_.size();
    text_.resize(at + static_cast<std::size_t>(n) + 1);
    std::vsnprintf(&text_[at], static_cast<std::size_t>(n) + 1, format, again);
    text_.resize(at + static_cast<std::size_t>(n));
  }
  va_end(again);
  spillIfLarge();
  return n < 0 ? 0 : n;
}

int Sink::put(std::string_view text) {
  text_.append(text);
  spillIfLarge();
  return static_cast<int>(text.size());
}

int Sink::put(char c) {
  text_.push_back(c);
  return 1;
}

int Sink::pad(int n) {
  if (n <= 0) return 0;
  text_.append(static_cast<std::size_t>(n), ' ');
  return n;
}

void Sink::spillIfLarge() {
  if (file_ != nullptr && text_.size() >= kSpillAt) flush();
}

void Sink::flush() {
  if (file_ == nullptr || text_.empty()) return;
  std::fwrite(text_.data(), 1, text_.size(), file_);
  std::fflush(file_);
  text_.clear();
}

}  // namespace orva
