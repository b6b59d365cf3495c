// Reads one word file as the library's one-byte signed samples at 8,000 Hz:
// a .raw file as it is, a WAV file decoded, mixed down to mono, resampled
// and rounded. Streams through fixed buffers, whatever the file's length.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "sndbank/resampler.h"
#include "sndbank/wav_file.h"

namespace sndbank {

// The samples a WAV word gives in the library.
constexpr std::int64_t wordSamples(const WavLayout& layout) {
  return convertedLength(layout.frames, layout.rate);
}

class WordReader {
 public:
  // Opens `fileName`: a name ending in .wav (any case) as a WAV file, any
  // other as raw samples. False when it does not open (errno says why).
  bool open(const char* fileName);
  // The next samples, at most `max`; 0 at the end of the word. A WAV file
  // whose header no longer reads or which is shorter than it says ends early.
  std::size_t read(std::uint8_t* out, std::size_t max);
  // False when closing fails (errno says why).
  bool close();

  bool isWav() const { return wav_; }
  const WavLayout& layout() const { return layout_; }
  // Converted samples beyond full scale, clipped to it.
  std::int64_t clipped() const { return clipped_; }
  // Whether raw samples read so far sit around 128 rather than around 0, as
  // unsigned samples do: their mean distance from 0 is more than four times
  // their mean distance from 128.
  bool looksUnsigned() const { return fromZero_ > 4 * fromMiddle_; }

 private:
  static constexpr std::size_t kBytes = 65536;
  static constexpr std::size_t kFrames = Resampler::kBlock;

  std::size_t readRaw(std::uint8_t* out, std::size_t max);
  std::size_t readPlain(std::uint8_t* out, std::size_t max);
  // Up to `max` whole frames of the data chunk, decoded into `mono`.
  std::size_t decode(float* mono, std::size_t max);
  void round(const float* in, std::size_t count, std::uint8_t* out);

  std::FILE* file_ = nullptr;
  bool wav_ = false;
  WavLayout layout_;
  std::int64_t framesLeft_ = 0;
  bool cutShort_ = false;
  std::int64_t clipped_ = 0;
  std::int64_t fromZero_ = 0;
  std::int64_t fromMiddle_ = 0;
  std::array<std::uint8_t, kBytes> bytes_;
  std::array<float, kFrames> mono_;
  Resampler resampler_;
};

}  // namespace sndbank
