// Rate conversion to 8,000 samples a second: a linear-phase low-pass
// (windowed sinc, Kaiser window) applied in polyphase form, so that output
// sample k is the band-limited input at time k / 8000 s, with no delay.
//
// Design, at the 8 kHz output: the band edge (half amplitude) is at
// 3,830 Hz; the kernel spans 64 output samples either side of its centre;
// Kaiser beta 6.5 gives a pass band flat to 3,700 Hz and about 70 dB of
// rejection from 3,960 Hz up. Input below 8,000 Hz is filtered the same
// way relative to its own rate (images above its band are removed).
//
// Input at 24,000 Hz or more is first halved (again while it stays at
// 24,000 Hz or more) by a short centred low-pass, flat to 4 kHz and
// rejecting what would fold back below 4.1 kHz: the long final filter then
// runs below 24 kHz, on a sixth of the samples of a 48 kHz input.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace sndbank {

constexpr std::uint32_t kOutputRate = 8000;

// How many 8 kHz samples `frames` input frames at `rate` give: the duration
// rounded to the nearest sample, halves up.
constexpr std::int64_t convertedLength(std::int64_t frames, std::uint32_t rate) {
  return (frames * 2 * kOutputRate + rate) / (2 * static_cast<std::int64_t>(rate));
}

constexpr std::size_t kResampleBlock = 4096;  // input samples taken per fill

// One halving stage: y[m] is the low-passed input at sample 2m.
class Halver {
 public:
  static constexpr int kReach = 15;         // taps either side of the centre
  static constexpr std::size_t kTaps = 32;  // 2 x 15 + 1, and room to spare

  void start();
  float* input() { return x_.data() + filled_; }
  std::size_t room() const { return x_.size() - kTaps - filled_; }
  // Takes `count` more input samples and writes the outputs they allow to
  // `out`; once `ended`, every output up to the end of the input.
  std::size_t run(std::size_t count, bool ended, float* out);

 private:
  std::array<float, kResampleBlock + 4 * kTaps> x_;
  std::int64_t base_ = 0;  // input index of x_[0]
  std::size_t filled_ = 0;
  std::int64_t received_ = 0;  // input samples so far
  std::int64_t next_ = 0;      // next output
};

class Resampler {
 public:
  static constexpr std::uint32_t kMaxRate = 192000;
  static constexpr std::size_t kBlock = kResampleBlock;

  // Prepares a conversion from `rate` Hz (4,000 to 192,000, not 8,000) of a
  // recording of `frames` frames. The filter is designed again only when
  // the rate changes.
  void start(std::uint32_t rate, std::int64_t frames);

  // Where the caller puts up to room() further input samples, then says how
  // many with commit(). After the last, finish().
  float* input();
  std::size_t room() const;
  void commit(std::size_t count);
  void finish();

  // Computes up to `max` output samples that the input so far allows (all
  // that remain once finished); returns how many.
  std::size_t produce(float* out, std::size_t max);
  bool done() const { return next_ >= total_; }

 private:
  static constexpr double kBandEdge = 3830.0;  // Hz at 8 kHz; scaled below 8 kHz
  static constexpr double kHalfWidth = 64.0;   // output samples either side
  static constexpr double kBeta = 6.5;
  static constexpr int kMaxHalvings = 4;  // 192 kHz to 12 kHz
  // The final filter runs below 24 kHz: at most 3 input samples an output.
  static constexpr std::size_t kMaxTaps = 2 * 64 * 3 + 16;
  static constexpr std::size_t kTableSize = std::size_t{1} << 18;
  static constexpr std::size_t kBuffer = kBlock + 2 * kMaxTaps;

  void design(std::uint32_t rate);
  // Drops the input that no output from `next_` on needs.
  void compact();
  // Passes `count` samples put into the first stage through every stage.
  void halve(std::size_t count, bool ended);

  std::uint32_t rate_ = 0;  // of the designed filter
  int halvings_ = 0;
  std::int64_t divisor_ = kOutputRate;  // output k is at k x rate_ / divisor_
  std::size_t taps_ = 0;                // per phase, a multiple of 16
  std::int64_t phases_ = 0;
  std::int64_t reach_ = 0;               // first tap: centre sample - reach_
  std::array<float, kTableSize> table_;  // phases_ x taps_ coefficients
  std::array<Halver, kMaxHalvings> halvers_;
  std::array<float, kBuffer> buffer_;
  std::int64_t base_ = 0;  // input index of buffer_[0]
  std::size_t filled_ = 0;
  std::int64_t next_ = 0;       // next output sample
  std::int64_t centre_ = 0;     // its position, next_ x rate_ / divisor_ input
  std::int64_t remainder_ = 0;  // samples, as a whole number and a remainder
  double phaseScale_ = 0.0;     // phases_ / divisor_
  std::int64_t total_ = 0;
  bool ended_ = false;
};

}  // namespace sndbank
