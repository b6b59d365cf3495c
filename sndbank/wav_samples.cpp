#include "sndbank/wav_samples.h"

#include <array>
#include <cstring>

namespace sndbank {

int muLawValue(std::uint8_t code) {
  // Codes are sent inverted; the magnitude is a 4-bit mantissa on a segment
  // of 2^exponent steps, offset by the bias of 0x84 (132).
  const unsigned u = static_cast<std::uint8_t>(~code);
  const int exponent = (u >> 4) & 7;
  const int magnitude = ((((u & 0x0F) << 3) + 0x84) << exponent) - 0x84;
  return (u & 0x80) != 0 ? -magnitude : magnitude;
}

int aLawValue(std::uint8_t code) {
  // Even bits are sent inverted; segment 0 is linear, the others double.
  const unsigned a = code ^ 0x55u;
  const int exponent = (a >> 4) & 7;
  const int mantissa = static_cast<int>(a & 0x0F);
  const int magnitude =
      exponent == 0 ? (mantissa << 4) + 8 : ((mantissa << 4) + 0x108) << (exponent - 1);
  return (a & 0x80) != 0 ? magnitude : -magnitude;
}

namespace {

template <int (*Expand)(std::uint8_t)>
constexpr std::array<float, 256> lawTable() {
  std::array<float, 256> table{};
  for (int i = 0; i < 256; ++i)
    table[static_cast<std::size_t>(i)] =
        static_cast<float>(Expand(static_cast<std::uint8_t>(i))) / 256.0f;
  return table;
}

const std::array<float, 256> kMuLaw = lawTable<muLawValue>();
const std::array<float, 256> kALaw = lawTable<aLawValue>();

std::int32_t le24(const std::uint8_t* b) {
  // Shifted to the top of 32 bits and back, for the sign.
  const auto u =
      static_cast<std::uint32_t>(b[0] << 8 | b[1] << 16 | static_cast<std::uint32_t>(b[2]) << 24);
  return static_cast<std::int32_t>(u) >> 8;
}

// One loop per encoding; `sample` reads one channel's sample at a byte
// address, already in output steps.
template <typename Sample>
void mix(const std::uint8_t* bytes, std::size_t frames, unsigned channels, unsigned width,
         float* mono, Sample sample) {
  if (channels == 1) {
    for (std::size_t f = 0; f < frames; ++f) mono[f] = sample(bytes + f * width);
    return;
  }
  const float share = 1.0f / static_cast<float>(channels);
  const std::size_t frameBytes = static_cast<std::size_t>(channels) * width;
  for (std::size_t f = 0; f < frames; ++f) {
    const std::uint8_t* frame = bytes + f * frameBytes;
    float sum = 0.0f;
    for (unsigned c = 0; c < channels; ++c) sum += sample(frame + c * width);
    mono[f] = sum * share;
  }
}

}  // namespace

void decodeFrames(const std::uint8_t* bytes, std::size_t frames, const WavLayout& layout,
                  float* mono) {
  const unsigned ch = layout.channels;
  const unsigned w = layout.bytesPerSample;
  switch (layout.encoding) {
    case Encoding::kPcm:
      switch (w) {
        case 1:
          return mix(bytes, frames, ch, w, mono,
                     [](const std::uint8_t* b) { return static_cast<float>(*b) - 128.0f; });
        case 2:
          return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) {
            return static_cast<float>(static_cast<std::int16_t>(b[0] | b[1] << 8)) *
                   (1.0f / 256.0f);
          });
        case 3:
          return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) {
            return static_cast<float>(le24(b)) * (1.0f / 65536.0f);
          });
        default:
          return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) {
            std::int32_t v;
            std::memcpy(&v, b, 4);  // the hosts are little-endian, as WAV is
            return static_cast<float>(static_cast<double>(v) * (1.0 / 16777216.0));
          });
      }
    case Encoding::kFloat:
      if (w == 4) {
        return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) {
          float v;
          std::memcpy(&v, b, 4);
          return v * kFullScale;
        });
      }
      return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) {
        double v;
        std::memcpy(&v, b, 8);
        return static_cast<float>(v * kFullScale);
      });
    case Encoding::kMuLaw:
      return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) { return kMuLaw[*b]; });
    case Encoding::kALaw:
      return mix(bytes, frames, ch, w, mono, [](const std::uint8_t* b) { return kALaw[*b]; });
  }
}

}  // namespace sndbank
