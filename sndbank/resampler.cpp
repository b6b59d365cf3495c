#include "sndbank/resampler.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace sndbank {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Modified Bessel function of the first kind, order 0, by its power series.
double besselI0(double x) {
  double sum = 1.0;
  double term = 1.0;
  for (int k = 1; k < 50 && term > 1e-12 * sum; ++k) {
    const double f = x / (2.0 * k);
    term *= f * f;
    sum += term;
  }
  return sum;
}

// Kaiser-windowed sinc at offset t (input samples) for a cut-off in cycles
// per input sample and a half width in input samples.
double kaiserSinc(double t, double cutoff, double halfWidth, double beta) {
  const double x = t / halfWidth;
  if (std::fabs(x) >= 1.0) return 0.0;
  const double arg = 2.0 * kPi * cutoff * t;
  const double sinc = t == 0.0 ? 1.0 : std::sin(arg) / arg;
  return 2.0 * cutoff * sinc * besselI0(beta * std::sqrt(1.0 - x * x)) / besselI0(beta);
}

// The halving low-pass, for input at 24 kHz or more: a half-band filter
// (band edge at a quarter of the rate, so every other tap is zero), flat to
// 4 kHz and rejecting about 75 dB from 8 kHz, which folds back to 4 kHz (at
// higher rates both edges lie further out). Symmetric: the centre tap, then
// one coefficient for each pair of odd offsets +-1, +-3, ... +-15.
struct HalfBand {
  float centre;
  std::array<float, (Halver::kReach + 1) / 2> odd;
};

HalfBand halfBand() {
  constexpr double kQuarter = 0.25;
  constexpr double kBetaHalving = 7.6;
  const double halfWidth = Halver::kReach + 1;
  double sum = kaiserSinc(0, kQuarter, halfWidth, kBetaHalving);
  for (int d = 1; d <= Halver::kReach; d += 2)
    sum += 2 * kaiserSinc(d, kQuarter, halfWidth, kBetaHalving);
  // Normalised to pass a constant level unchanged.
  HalfBand h{};
  h.centre = static_cast<float>(kaiserSinc(0, kQuarter, halfWidth, kBetaHalving) / sum);
  for (std::size_t i = 0; i < h.odd.size(); ++i) {
    h.odd[i] = static_cast<float>(
        kaiserSinc(static_cast<double>(2 * i + 1), kQuarter, halfWidth, kBetaHalving) / sum);
  }
  return h;
}

const HalfBand kHalfBand = halfBand();

// Sixteen running sums, so that the compiler can use vector registers and
// keep several additions in flight. `taps` is a multiple of 16.
float dot(const float* h, const float* x, std::size_t taps) {
  float acc[16] = {};
  for (std::size_t j = 0; j < taps; j += 16) {
    for (std::size_t l = 0; l < 16; ++l) acc[l] += h[j + l] * x[j + l];
  }
  for (std::size_t width = 8; width > 0; width /= 2) {
    for (std::size_t l = 0; l < width; ++l) acc[l] += acc[l + width];
  }
  return acc[0];
}

}  // namespace

void Halver::start() {
  // Silence before the recording, for the first outputs' taps.
  base_ = -kReach;
  filled_ = kReach;
  std::fill_n(x_.begin(), filled_, 0.0f);
  received_ = 0;
  next_ = 0;
}

std::size_t Halver::run(std::size_t count, bool ended, float* out) {
  filled_ += count;
  received_ += static_cast<std::int64_t>(count);
  if (ended) {
    // Silence after it, for the last outputs' taps.
    std::fill_n(x_.begin() + static_cast<std::ptrdiff_t>(filled_), kTaps, 0.0f);
    filled_ += kTaps;
  }
  std::size_t made = 0;
  const float* x = x_.data() + (2 * next_ - base_);  // the first output's centre
  for (std::int64_t centre = 2 * next_;
       centre < received_ && (ended || centre + kReach < received_); centre += 2) {
    out[made] = kHalfBand.centre * x[2 * made];
    ++made;
  }
  // Pair by pair over all the outputs, so that the compiler can use vector
  // registers across them.
  for (std::size_t i = 0; i < kHalfBand.odd.size(); ++i) {
    const auto d = static_cast<std::ptrdiff_t>(2 * i + 1);
    const float g = kHalfBand.odd[i];
    for (std::size_t j = 0; j < made; ++j) {
      const auto c = static_cast<std::ptrdiff_t>(2 * j);
      out[j] += g * (x[c - d] + x[c + d]);
    }
  }
  next_ += static_cast<std::int64_t>(made);
  // Keep what the next output's taps reach back to.
  const auto drop = static_cast<std::size_t>(
      std::min<std::int64_t>(2 * next_ - kReach - base_, static_cast<std::int64_t>(filled_)));
  std::copy(x_.begin() + static_cast<std::ptrdiff_t>(drop),
            x_.begin() + static_cast<std::ptrdiff_t>(filled_), x_.begin());
  filled_ -= drop;
  base_ += static_cast<std::int64_t>(drop);
  return made;
}

void Resampler::design(std::uint32_t rate) {
  rate_ = rate;
  halvings_ = 0;
  while (halvings_ < kMaxHalvings && (rate >> halvings_) >= 24000) ++halvings_;
  divisor_ = std::int64_t{kOutputRate} << halvings_;
  // Widths in samples of the final stage's input: the kernel is laid out on
  // the slower of the two rates' sample spacing, the band edge as a
  // fraction of that input's rate.
  const double stageRate = static_cast<double>(rate) / static_cast<double>(1 << halvings_);
  const double scale = stageRate > kOutputRate ? stageRate / kOutputRate : 1.0;
  const double halfWidth = kHalfWidth * scale;
  const double cutoff = kBandEdge / kOutputRate / scale;  // cycles per input sample
  reach_ = static_cast<std::int64_t>(std::ceil(halfWidth)) - 1;
  taps_ = (static_cast<std::size_t>(2 * (reach_ + 1)) + 15) / 16 * 16;
  // One phase per distinct fractional position, as many as the table holds.
  const std::int64_t exact = divisor_ / std::gcd<std::int64_t>(rate, divisor_);
  phases_ = std::min<std::int64_t>(exact, static_cast<std::int64_t>(kTableSize / taps_));
  phaseScale_ = static_cast<double>(phases_) / static_cast<double>(divisor_);
  for (std::int64_t p = 0; p < phases_; ++p) {
    float* h = &table_[static_cast<std::size_t>(p) * taps_];
    const double frac = static_cast<double>(p) / static_cast<double>(phases_);
    double sum = 0.0;
    for (std::size_t j = 0; j < taps_; ++j) {
      const double t = static_cast<double>(j) - static_cast<double>(reach_) - frac;
      const double v = kaiserSinc(t, cutoff, halfWidth, kBeta);
      h[j] = static_cast<float>(v);
      sum += v;
    }
    // Each phase passes a constant level unchanged.
    for (std::size_t j = 0; j < taps_; ++j) h[j] = static_cast<float>(h[j] / sum);
  }
}

void Resampler::start(std::uint32_t rate, std::int64_t frames) {
  if (rate != rate_) design(rate);
  total_ = convertedLength(frames, rate);
  next_ = 0;
  centre_ = 0;
  remainder_ = 0;
  ended_ = false;
  // Silence before the recording: the first output's taps reach back.
  base_ = -reach_;
  filled_ = static_cast<std::size_t>(reach_);
  std::fill_n(buffer_.begin(), filled_, 0.0f);
  for (int i = 0; i < halvings_; ++i) halvers_[static_cast<std::size_t>(i)].start();
}

float* Resampler::input() {
  if (halvings_ > 0) return halvers_[0].input();
  compact();
  return buffer_.data() + filled_;
}

std::size_t Resampler::room() const {
  // Each stage gives at most half its input and one more sample.
  const std::size_t last = kBuffer - filled_;
  const std::size_t fits = halvings_ == 0 ? last : (last - 2 * kMaxHalvings) << halvings_;
  return std::min({kBlock, fits, halvings_ == 0 ? kBlock : halvers_[0].room()});
}

void Resampler::commit(std::size_t count) {
  if (halvings_ == 0) {
    filled_ += count;
  } else {
    halve(count, false);
  }
}

void Resampler::finish() {
  if (ended_) return;
  ended_ = true;
  if (halvings_ > 0) halve(0, true);
}

void Resampler::halve(std::size_t count, bool ended) {
  for (int i = 0; i < halvings_; ++i) {
    const bool last = i + 1 == halvings_;
    if (last) compact();
    float* to = last ? buffer_.data() + filled_ : halvers_[static_cast<std::size_t>(i + 1)].input();
    count = halvers_[static_cast<std::size_t>(i)].run(count, ended, to);
  }
  filled_ += count;
}

void Resampler::compact() {
  const std::int64_t first = centre_ - reach_;
  const std::int64_t drop =
      std::min<std::int64_t>(first - base_, static_cast<std::int64_t>(filled_));
  if (drop <= 0) return;
  std::memmove(buffer_.data(), buffer_.data() + drop,
               (filled_ - static_cast<std::size_t>(drop)) * sizeof(float));
  filled_ -= static_cast<std::size_t>(drop);
  base_ += drop;
}

std::size_t Resampler::produce(float* out, std::size_t max) {
  std::size_t made = 0;
  while (made < max && next_ < total_) {
    // Output k lies at k x rate_ / divisor_ input samples: centre_ whole
    // samples and remainder_ / divisor_ of one, stepped on without
    // dividing; the fraction picks the nearest phase.
    std::int64_t centre = centre_;
    auto phase = static_cast<std::int64_t>(static_cast<double>(remainder_) * phaseScale_ + 0.5);
    if (phase == phases_) {
      phase = 0;
      ++centre;
    }
    const std::int64_t first = centre - reach_;
    const std::int64_t end = first + static_cast<std::int64_t>(taps_);
    if (end > base_ + static_cast<std::int64_t>(filled_)) {
      if (!ended_) break;
      // Silence after the recording.
      compact();
      const auto missing = static_cast<std::size_t>(end - base_) - filled_;
      std::fill_n(buffer_.begin() + static_cast<std::ptrdiff_t>(filled_), missing, 0.0f);
      filled_ += missing;
    }
    out[made++] = dot(&table_[static_cast<std::size_t>(phase) * taps_],
                      buffer_.data() + (first - base_), taps_);
    ++next_;
    for (remainder_ += rate_; remainder_ >= divisor_; remainder_ -= divisor_) ++centre_;
  }
  return made;
}

}  // namespace sndbank
