#include "common/sink.h"

#include <cstdarg>
#include <cstring>

#include "common/format.h"

namespace orva {

Sink::Sink(std::FILE* file) : file_(file), text_(own_) {
  std::setvbuf(file_, nullptr, _IONBF, 0);
  // Room for a block and the line that overruns it, so it never reallocates.
  own_.reserve(kBlock + 4096);
}

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
  const std::size_t n = appendFormatted(text_, format, args);
  spillIfFull();
  return static_cast<int>(n);
}

// Writes every whole block and keeps the part after them for the next.
void Sink::spillFullBlocks() {
  std::size_t done = 0;
  for (; text_.size() - done >= kBlock; done += kBlock) {
    std::fwrite(text_.data() + done, 1, kBlock, file_);
  }
  text_.erase(0, done);
}

void Sink::flush() {
  if (file_ == nullptr || text_.empty()) return;
  std::fwrite(text_.data(), 1, text_.size(), file_);
  text_.clear();
}

}  // namespace orva
