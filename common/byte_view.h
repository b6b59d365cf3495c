// A bounded, read-only window on loaded bytes.
//
// Every read is checked against the bytes really loaded. A read past the end
// yields 0xFF, the end marker of records, lists and digit strings, so a
// handler that walks off a short record sees "nothing more" instead of
// reading foreign memory. Multi-byte numbers are big-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orva {

class ByteView {
 public:
  constexpr ByteView() = default;
  constexpr ByteView(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  constexpr std::size_t size() const { return size_; }
  constexpr const std::uint8_t* data() const { return data_; }
  constexpr bool empty() const { return size_ == 0; }

  // Whether `count` bytes from `offset` are all loaded (overflow-safe).
  constexpr bool has(std::size_t offset, std::size_t count = 1) const {
    return offset <= size_ && count <= size_ - offset;
  }
  // Bytes loaded from `offset` on (0 past the end).
  constexpr std::size_t available(std::size_t offset) const {
    return offset < size_ ? size_ - offset : 0;
  }

  constexpr std::uint8_t u8(std::size_t offset) const {
    return offset < size_ ? data_[offset] : 0xFF;
  }
  constexpr unsigned u16(std::size_t offset) const {
    return static_cast<unsigned>(u8(offset)) << 8 | u8(offset + 1);
  }
  constexpr unsigned u24(std::size_t offset) const {
    return static_cast<unsigned>(u8(offset)) << 16 | u16(offset + 1);
  }

  // The window from `offset`, at most `count` bytes, cut to what is loaded.
  constexpr ByteView sub(std::size_t offset, std::size_t count = SIZE_MAX) const {
    if (offset >= size_) return ByteView(data_ + size_, 0);
    std::size_t left = size_ - offset;
    return ByteView(data_ + offset, count < left ? count : left);
  }

 private:
  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace orva
