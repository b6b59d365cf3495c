#include "sndbank/word_reader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sndbank/wav_samples.h"

namespace sndbank {

bool WordReader::open(const char* fileName) {
  file_ = std::fopen(fileName, "rb");
  if (file_ == nullptr) return false;
  // Reads go straight into the caller's or the decoder's buffer.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  wav_ = hasWavName(fileName);
  clipped_ = fromZero_ = fromMiddle_ = 0;
  framesLeft_ = 0;
  cutShort_ = false;
  layout_ = WavLayout{};
  if (!wav_) return true;
  struct stat info {};
  WavText refusal;
  // A file that changed since it was measured reads as no samples; the
  // writer then reports the count that differs.
  if (fstat(fileno(file_), &info) != 0 || !readWavLayout(file_, info.st_size, layout_, refusal) ||
      std::fseek(file_, static_cast<long>(layout_.dataOffset), SEEK_SET) != 0) {
    layout_ = WavLayout{};
    return true;
  }
  framesLeft_ = layout_.frames;
  if (layout_.rate != kOutputRate) resampler_.start(layout_.rate, layout_.frames);
  return true;
}

bool WordReader::close() {
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return closed;
}

std::size_t WordReader::read(std::uint8_t* out, std::size_t max) {
  if (!wav_) return readRaw(out, max);
  if (layout_.isPlain()) return readPlain(out, max);
  std::size_t made = 0;
  float* converted = mono_.data();
  while (made < max) {
    const std::size_t want = std::min(max - made, kFrames);
    std::size_t n = 0;
    if (layout_.rate == kOutputRate) {
      n = decode(converted, want);
      if (n == 0) break;
    } else {
      n = resampler_.produce(converted, want);
      if (n == 0) {
        if (resampler_.done()) break;
        const std::size_t got = decode(resampler_.input(), std::min(resampler_.room(), kFrames));
        if (got == 0) {
          if (cutShort_) break;  // shorter than its header says
          resampler_.finish();
        }
        resampler_.commit(got);
        continue;
      }
    }
    round(converted, n, out + made);
    made += n;
  }
  return made;
}

std::size_t WordReader::readRaw(std::uint8_t* out, std::size_t max) {
  const std::size_t got = std::fread(out, 1, max, file_);
  std::int64_t fromZero = 0;
  std::int64_t fromMiddle = 0;
  for (std::size_t i = 0; i < got; ++i) {
    const int s = static_cast<std::int8_t>(out[i]);
    fromZero += std::abs(s);
    fromMiddle += std::abs(static_cast<std::int8_t>(out[i] ^ 0x80));
  }
  fromZero_ += fromZero;
  fromMiddle_ += fromMiddle;
  return got;
}

std::size_t WordReader::readPlain(std::uint8_t* out, std::size_t max) {
  const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(
      framesLeft_, static_cast<std::int64_t>(std::min(max, kBytes / layout_.bytesPerSample))));
  const std::size_t got =
      want == 0 ? 0 : std::fread(bytes_.data(), layout_.bytesPerSample, want, file_);
  framesLeft_ = got < want ? 0 : framesLeft_ - static_cast<std::int64_t>(got);
  const std::size_t n =
      wavToRaw(bytes_.data(), got * layout_.bytesPerSample, layout_.bytesPerSample);
  std::copy_n(bytes_.begin(), n, out);
  return n;
}

std::size_t WordReader::decode(float* mono, std::size_t max) {
  const std::size_t frameBytes = layout_.frameBytes();
  const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(
      framesLeft_, static_cast<std::int64_t>(std::min(max, kBytes / frameBytes))));
  const std::size_t got = want == 0 ? 0 : std::fread(bytes_.data(), frameBytes, want, file_);
  if (got < want) cutShort_ = true;
  framesLeft_ = cutShort_ ? 0 : framesLeft_ - static_cast<std::int64_t>(got);
  decodeFrames(bytes_.data(), got, layout_, mono);
  return got;
}

void WordReader::round(const float* in, std::size_t count, std::uint8_t* out) {
  // To the nearest step, halves up, without dither: the rule 16-bit input
  // has always had. Beyond full scale is clipped and counted; the half step
  // just below +full scale is not counted, as 16-bit input reaches it.
  for (std::size_t i = 0; i < count; ++i) {
    const float x = in[i];
    int s = 0;
    if (x >= 127.5f) {
      s = 127;
      clipped_ += x > kFullScale;
    } else if (x < -128.5f) {
      s = -128;
      ++clipped_;
    } else if (x == x) {  // not a NaN, which a float file may hold: silence
      s = static_cast<int>(std::floor(x + 0.5f));
    }
    out[i] = static_cast<std::uint8_t>(static_cast<std::int8_t>(s));
  }
}

}  // namespace sndbank
