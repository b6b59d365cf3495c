#include "common/sink.h"

#include <algorithm>
#include <cstdarg>

#include "common/format.h"

namespace orva {

Sink::Sink(std::FILE* file) : file_(file) { std::setvbuf(file_, nullptr, _IONBF, 0); }

Sink::Sink(std::string& text) : text_(&text) {}

Sink::~Sink() { flush(); }

int Sink::printf(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  const int n = vprintf(format, args);
  va_end(args);
  return n;
}

int Sink::vprintf(const char* format, std::va_list args) {
  return static_cast<int>(appendFormatted(*this, format, args));
}

void Sink::putAcrossBlocks(std::string_view text) {
  while (!text.empty()) {
    if (at_ == end_) spill();
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(end_ - at_));
    std::memcpy(at_, text.data(), n);
    at_ += n;
    text.remove_prefix(n);
  }
}

int Sink::fill(char c, int n) {
  for (int left = n; left > 0;) {
    if (at_ == end_) spill();
    const int room = static_cast<int>(end_ - at_);
    const int count = left < room ? left : room;
    std::memset(at_, c, static_cast<std::size_t>(count));
    at_ += count;
    left -= count;
  }
  if (text_ != nullptr) spill();
  return n > 0 ? n : 0;
}

void Sink::spill() {
  const std::size_t size = static_cast<std::size_t>(at_ - block_);
  if (size == 0) return;
  if (file_ != nullptr) std::fwrite(block_, 1, size, file_);
  if (text_ != nullptr) text_->append(block_, size);
  at_ = block_;
}

void Sink::spillBlockAndCarry() {
  const std::size_t carried = static_cast<std::size_t>(at_ - end_);
  at_ = end_;
  spill();
  std::memmove(block_, end_, carried);
  at_ = block_ + carried;
}

void Sink::flush() { spill(); }

}  // namespace orva
