#include "sndbank/wav_file.h"

#include <cctype>
#include <cinttypes>
#include <cstdarg>
#include <cstring>

#include "common/printf_format.h"

namespace sndbank {

namespace {

constexpr unsigned kPcm = 1;
constexpr unsigned kFloat = 3;
constexpr unsigned kALaw = 6;
constexpr unsigned kMuLaw = 7;
constexpr unsigned kExtensible = 0xFFFE;
constexpr unsigned kRate = 8000;
constexpr std::uint32_t kMinRate = 4000;
constexpr std::uint32_t kMaxRate = 192000;
constexpr unsigned kMaxChannels = 8;
// A chunk size that a writer which could not seek back (a pipe) leaves.
constexpr std::uint32_t kUnknownSize = 0xFFFFFFFF;

unsigned le16(const std::uint8_t* b) {
  return b[0] | static_cast<unsigned>(b[1]) << 8;
}
std::uint32_t le32(const std::uint8_t* b) {
  return le16(b) | static_cast<std::uint32_t>(le16(b + 2)) << 16;
}
std::uint64_t le64(const std::uint8_t* b) {
  return le32(b) | static_cast<std::uint64_t>(le32(b + 4)) << 32;
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

// Fills `refusal` from a format and returns false, for `return refuse(...)`.
ORVA_PRINTF_FORMAT(2, 3) bool refuse(WavText& refusal, const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::vsnprintf(refusal.text, sizeof refusal.text, format, args);
  va_end(args);
  return false;
}

bool endsWith(const char* name, const char* extension) {
  const std::size_t n = std::strlen(name);
  if (n < 4 || name[n - 4] != '.') return false;
  for (int i = 0; i < 3; ++i) {
    if (std::tolower(static_cast<unsigned char>(name[n - 3 + i])) != extension[i]) return false;
  }
  return true;
}

// What the first bytes of a file that is no WAV file say it is.
const char* otherKind(const std::uint8_t* head, std::size_t n) {
  const auto is = [&](const char* magic, std::size_t at = 0) {
    const std::size_t len = std::strlen(magic);
    return n >= at + len && std::memcmp(head + at, magic, len) == 0;
  };
  if (is("ID3") || (n >= 2 && head[0] == 0xFF && (head[1] & 0xE0) == 0xE0))
    return "holds MP3 audio";
  if (is("OggS")) return "holds Ogg audio";
  if (is("fLaC")) return "holds FLAC audio";
  if (is("FORM") && (is("AIFF", 8) || is("AIFC", 8))) return "holds AIFF audio";
  if (is("ftyp", 4)) return "holds MP4 or M4A audio";
  return "is not a WAV file";
}

// Names of the compressed WAV encodings a user is likely to meet; nullptr
// for any other.
const char* encodingName(unsigned tag) {
  switch (tag) {
    case 0x0002: return "Microsoft ADPCM";
    case 0x0011: return "IMA ADPCM";
    case 0x0031: return "GSM 6.10";
    case 0x0050: return "MPEG audio";
    case 0x0055: return "MP3";
    case 0x0160:
    case 0x0161:
    case 0x0162: return "Windows Media Audio";
    case 0x2000: return "AC-3";
    default: return nullptr;
  }
}

void channelWords(unsigned channels, char (&text)[16]) {
  if (channels == 1) {
    std::snprintf(text, sizeof text, "mono");
  } else if (channels == 2) {
    std::snprintf(text, sizeof text, "stereo");
  } else {
    std::snprintf(text, sizeof text, "%u channels", channels);
  }
}

// "<rate> Hz <channels> <encoding>", after `lead` and before `why`.
void describe(const char* lead, std::uint32_t rate, unsigned channels, const char* encoding,
              const char* why, WavText& text) {
  char ch[16];
  channelWords(channels, ch);
  std::snprintf(text.text, sizeof text.text, "%s%" PRIu32 " Hz %s %s%s", lead, rate, ch, encoding,
                why);
}

// The fmt chunk's body: which encoding, and whether sndbank takes it.
bool checkFormat(const std::uint8_t* fmt, std::uint32_t size, WavLayout& layout, WavText& refusal) {
  if (size < 16)
    return refuse(refusal, "holds a format chunk of %" PRIu32 " bytes, too short", size);
  unsigned tag = le16(fmt);
  const unsigned channels = le16(fmt + 2);
  const std::uint32_t rate = le32(fmt + 4);
  const unsigned bits = le16(fmt + 14);  // of the sample's container
  if (tag == kExtensible) {
    if (size < 40)
      return refuse(refusal, "holds an extensible format chunk of %" PRIu32 " bytes, too short",
                    size);
    // The sub-format GUID begins with the plain format's tag; the rest of
    // it is the same for every tagged format and is not checked.
    tag = le16(fmt + 24);
  }
  char encoding[40];
  bool widthTaken = false;
  switch (tag) {
    case kPcm:
      std::snprintf(encoding, sizeof encoding, "%u-bit PCM", bits);
      widthTaken = bits == 8 || bits == 16 || bits == 24 || bits == 32;
      layout.encoding = Encoding::kPcm;
      break;
    case kFloat:
      std::snprintf(encoding, sizeof encoding, "%u-bit IEEE float", bits);
      widthTaken = bits == 32 || bits == 64;
      layout.encoding = Encoding::kFloat;
      break;
    case kMuLaw:
    case kALaw:
      std::snprintf(encoding, sizeof encoding, bits == 8 ? "%s" : "%s of %u bits",
                    tag == kMuLaw ? "u-law" : "A-law", bits);
      widthTaken = bits == 8;
      layout.encoding = tag == kMuLaw ? Encoding::kMuLaw : Encoding::kALaw;
      break;
    default: {
      const char* name = encodingName(tag);
      describe("holds ", rate, channels, name != nullptr ? name : "audio in an unknown encoding",
               name != nullptr ? ", a compressed encoding" : "", refusal);
      return false;
    }
  }
  const char* why = !widthTaken                          ? ", a sample width not taken"
                    : channels == 0                      ? ", no channels"
                    : channels > kMaxChannels            ? ", more than 8 channels"
                    : rate < kMinRate || rate > kMaxRate ? ", a rate outside 4000 to 192000 Hz"
                                                         : nullptr;
  if (why != nullptr) {
    describe("holds ", rate, channels, encoding, why, refusal);
    return false;
  }
  layout.channels = channels;
  layout.rate = rate;
  layout.bytesPerSample = bits / 8;
  return true;
}

}  // namespace

bool WavLayout::isPlain() const {
  return encoding == Encoding::kPcm && rate == kRate && channels == 1 && bytesPerSample <= 2;
}

bool hasWavName(const char* fileName) {
  return endsWith(fileName, "wav");
}
bool hasRawName(const char* fileName) {
  return endsWith(fileName, "raw");
}

void describeLayout(const WavLayout& layout, WavText& text) {
  char encoding[32];
  switch (layout.encoding) {
    case Encoding::kPcm:
      std::snprintf(encoding, sizeof encoding, "%u-bit PCM", layout.bytesPerSample * 8);
      break;
    case Encoding::kFloat:
      std::snprintf(encoding, sizeof encoding, "%u-bit IEEE float", layout.bytesPerSample * 8);
      break;
    case Encoding::kMuLaw: std::snprintf(encoding, sizeof encoding, "u-law"); break;
    case Encoding::kALaw: std::snprintf(encoding, sizeof encoding, "A-law"); break;
  }
  describe("", layout.rate, layout.channels, encoding, "", text);
}

bool readWavLayout(std::FILE* file, std::int64_t length, WavLayout& layout, WavText& refusal) {
  std::uint8_t head[12] = {};
  const std::size_t got = length < 12 ? static_cast<std::size_t>(length < 0 ? 0 : length) : 12;
  if (!readAt(file, 0, head, got)) return refuse(refusal, "is not a WAV file");
  // RF64 (and its broadcast twin BW64) is RIFF for files past 4 GiB: the
  // sizes that do not fit 32 bits are in its ds64 chunk.
  const bool rf64 =
      got == 12 && (std::memcmp(head, "RF64", 4) == 0 || std::memcmp(head, "BW64", 4) == 0);
  if (got < 12 || (!rf64 && std::memcmp(head, "RIFF", 4) != 0) ||
      std::memcmp(head + 8, "WAVE", 4) != 0) {
    return refuse(refusal, "%s", otherKind(head, got));
  }
  bool haveFormat = false;
  std::uint64_t ds64Data = kUnknownSize;
  std::int64_t at = 12;
  // Chunks in any order; unknown ones are skipped. Each chunk header is
  // checked against the file length before its body is used.
  while (at + 8 <= length) {
    std::uint8_t chunk[8];
    if (!readAt(file, at, chunk, sizeof chunk)) break;
    const std::uint32_t size = le32(chunk + 4);
    const std::int64_t body = at + 8;
    const std::int64_t left = length - body;
    if (std::memcmp(chunk, "ds64", 4) == 0 && rf64) {
      std::uint8_t ds64[16];
      if (size < sizeof ds64 || left < 16 || !readAt(file, body, ds64, sizeof ds64)) {
        return refuse(refusal, "holds an RF64 size chunk that is cut short");
      }
      ds64Data = le64(ds64 + 8);
    } else if (std::memcmp(chunk, "fmt ", 4) == 0) {
      std::uint8_t fmt[40] = {};
      const std::size_t take = size < sizeof fmt ? size : sizeof fmt;
      if (static_cast<std::int64_t>(take) > left || !readAt(file, body, fmt, take)) {
        return refuse(refusal, "holds a format chunk that claims more than the file holds");
      }
      if (!checkFormat(fmt, size, layout, refusal)) return false;
      haveFormat = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFormat) return refuse(refusal, "holds a data chunk before any format chunk");
      std::uint64_t bytes = size;
      if (rf64 && size == kUnknownSize) bytes = ds64Data;
      if (bytes == 0 || bytes == kUnknownSize) bytes = static_cast<std::uint64_t>(left);
      if (bytes > static_cast<std::uint64_t>(left)) {
        return refuse(refusal,
                      "holds a data chunk of %" PRIu64 " bytes in a file of %" PRId64 " bytes",
                      bytes, length);
      }
      layout.dataOffset = body;
      layout.frames = static_cast<std::int64_t>(bytes / layout.frameBytes());
      return true;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return refuse(refusal, haveFormat ? "has no data chunk" : "has no format chunk");
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
  putLe16(h + 22, 1);      // channels
  putLe32(h + 24, kRate);  // samples a second
  putLe32(h + 28, kRate);  // bytes a second
  putLe16(h + 32, 1);      // block align
  putLe16(h + 34, 8);      // bits per sample
  std::memcpy(h + 36, "data", 4);
  putLe32(h + 40, samples);
}

}  // namespace sndbank
