// Decoding the samples of a WAV file's data chunk: every encoding taken,
// with the channels of a frame mixed down to one by averaging.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sndbank/wav_file.h"

namespace sndbank {

// Samples are floats in steps of the 8-bit output: full scale is 128.
constexpr float kFullScale = 128.0f;

// Decodes `frames` whole frames from `bytes` into `mono`, one sample each.
void decodeFrames(const std::uint8_t* bytes, std::size_t frames, const WavLayout& layout,
                  float* mono);

// G.711 expansion of one code to a 16-bit linear value (the ITU scale:
// u-law up to +-32,124, A-law up to +-32,256).
int muLawValue(std::uint8_t code);
int aLawValue(std::uint8_t code);

}  // namespace sndbank
