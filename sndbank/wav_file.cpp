#include "sndbank/wav_file.h"

#include <cctype>
#include <cstring>

namespace sndbank {

namespace {

constexpr unsigned kPcm = 1;
constexpr unsigned kExtensible = 0xFFFE;
constexpr unsigned kRate = 8000;

unsigned le16(const std::uint8_t* b) { return b[0] | static_cast<unsigned>(b[1]) << 8; }
std::uint32_t le32(const std::uint8_t* b) {
  return le16(b) | static_cast<std::uint32_t>(le16(b + 2)) << 16;
}
void putLe16(std::uint8_t* b, unsigned v) {
  b[0] = static_cast<std::uint8_t>(v);
  b[1] = static_cast<std::uint8_t>(v >> 8);
}
void putLe32(std::uint8_t* b, std::uint32_t v) {
  putLe16(b, v & 0xFFFF);
  putLe16(b + 2, v >> 16);
}

bool readAt(std::FILE* file, std::int64_t offset, std::uint8_t* into, std::size_t count) {
  return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0 &&
         std::fread(into, 1, count, file) == count;
}

bool refuse(WavRefusal& refusal, const char* format, unsigned a = 0, unsigned b = 0,
            unsigned c = 0) {
  std::snprintf(refusal.text, sizeof refusal.text, format, a, b, c);
  return false;
}

// The fmt chunk's body: format, channels, rate and width must be ours.
bool checkFormat(const std::uint8_t* fmt, std::uint32_t size, WavLayout& layout,
                 WavRefusal& refusal) {
  if (size < 16) return refuse(refusal, "a format chunk of %u bytes", size);
  unsigned format = le16(fmt);
  const unsigned channels = le16(fmt + 2);
  const std::uint32_t rate = le32(fmt + 4);
  const unsigned bits = le16(fmt + 14);
  // The extensible format names its real format in the first two bytes of
  // its subtype, after 2 + 2 + 4 bytes of extension.
  if (format == kExtensible) format = size >= 26 ? le16(fmt + 24) : 0;
  if (format != kPcm) return refuse(refusal, "format %u, not PCM", format);
  if (rate != kRate || channels != 1 || (bits != 8 && bits != 16)) {
    return refuse(refusal, "%u Hz, %u channels, %u-bit", rate, channels, bits);
  }
  layout.bytesPerSample = bits / 8;
  return true;
}

}  // namespace

bool hasWavName(const char* fileName) {
  const std::size_t n = std::strlen(fileName);
  if (n < 4 || fileName[n - 4] != '.') return false;
  const char* ext = fileName + n - 3;
  return std::tolower(static_cast<unsigned char>(ext[0])) == 'w' &&
         std::tolower(static_cast<unsigned char>(ext[1])) == 'a' &&
         std::tolower(static_cast<unsigned char>(ext[2])) == 'v';
}

bool readWavLayout(std::FILE* file, std::int64_t length, WavLayout& layout, WavRefusal& refusal) {
  std::uint8_t riff[12];
  if (length < 12 || !readAt(file, 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0) {
    return refuse(refusal, "no RIFF WAVE header");
  }
  bool haveFormat = false;
  std::int64_t at = 12;
  // Chunks in any order; unknown ones are skipped. Each chunk header is
  // checked against the file length before its body is used.
  while (at + 8 <= length) {
    std::uint8_t chunk[8];
    if (!readAt(file, at, chunk, sizeof chunk)) break;
    const std::uint32_t size = le32(chunk + 4);
    const std::int64_t body = at + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      std::uint8_t fmt[40] = {};
      const std::size_t take = size < sizeof fmt ? size : sizeof fmt;
      if (body + static_cast<std::int64_t>(take) > length || !readAt(file, body, fmt, take)) {
        return refuse(refusal, "a format chunk that claims more than the file holds");
      }
      if (!checkFormat(fmt, size, layout, refusal)) return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return refuse(refusal, "a data chunk before any format chunk");
      if (body + static_cast<std::int64_t>(size) > length) {
        return refuse(refusal, "a data chunk of %u bytes in a file of %u bytes", size,
                      static_cast<unsigned>(length));
      }
      layout.dataOffset = body;
      layout.samples = size / layout.bytesPerSample;
      return true;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return refuse(refusal, haveFormat ? "no data chunk" : "no format chunk");
}

std::size_t wavToRaw(std::uint8_t* bytes, std::size_t count, unsigned bytesPerSample) {
  if (bytesPerSample == 1) {
    for (std::size_t i = 0; i < count; ++i) bytes[i] = rawToWav(bytes[i]);  // its own inverse
    return count;
  }
  const std::size_t samples = count / 2;
  for (std::size_t i = 0; i < samples; ++i) {
    const int v = static_cast<std::int16_t>(le16(bytes + 2 * i));
    int s = (v + 128) >> 8;  // arithmetic: rounds half up
    if (s > 127) s = 127;
    bytes[i] = static_cast<std::uint8_t>(static_cast<std::int8_t>(s));
  }
  return samples;
}

void wavHeader(std::uint8_t (&h)[kWavHeaderSize], std::uint32_t samples) {
  std::memcpy(h, "RIFF", 4);
  putLe32(h + 4, 36 + samples + (samples & 1));
  std::memcpy(h + 8, "WAVEfmt ", 8);
  putLe32(h + 16, 16);
  putLe16(h + 20, kPcm);
  putLe16(h + 22, 1);         // channels
  putLe32(h + 24, kRate);     // samples a second
  putLe32(h + 28, kRate);     // bytes a second
  putLe16(h + 32, 1);         // block align
  putLe16(h + 34, 8);         // bits per sample
  std::memcpy(h + 36, "data", 4);
  putLe32(h + 40, samples);
}

}  // namespace sndbank
