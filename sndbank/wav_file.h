// WAV word files: RIFF WAVE, PCM, one channel, 8,000 samples a second, 8-bit
// unsigned or 16-bit signed little-endian samples. Read for building a
// library, written when words are extracted from one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace sndbank {

// Whether a word file name ends in ".wav", in any case.
bool hasWavName(const char* fileName);

// Where the samples of a WAV file are and how they are stored.
struct WavLayout {
  std::int64_t dataOffset = 0;  // first byte of the data chunk's samples
  std::int64_t samples = 0;     // sample count (an odd pad byte is not a sample)
  unsigned bytesPerSample = 1;  // 1: unsigned 8-bit, 2: signed 16-bit
};

// What a WAV file holds when it is refused, for the message.
struct WavRefusal {
  char text[96] = {};
};

// Reads the chunks of a WAV file of `length` bytes from its start. False,
// with what the file holds in `refusal`, when it is no RIFF WAVE file, no
// PCM, not 8,000 Hz mono 8- or 16-bit, or its data chunk is missing or
// claims more than the file holds.
bool readWavLayout(std::FILE* file, std::int64_t length, WavLayout& layout, WavRefusal& refusal);

// The text that says what a word file must hold.
inline constexpr const char* kWavNeeded = "8000 Hz, mono, 8- or 16-bit PCM";

// Converts `count` bytes of WAV samples in place into raw one-byte samples
// and returns how many samples they held: 8-bit u becomes u - 128; 16-bit v
// becomes (v + 128) >> 8, kept within -128..127. `count` is a multiple of
// the sample width.
std::size_t wavToRaw(std::uint8_t* bytes, std::size_t count, unsigned bytesPerSample);

// The 44-byte header of an 8-bit mono 8,000 Hz PCM file of `samples` samples.
constexpr std::size_t kWavHeaderSize = 44;
void wavHeader(std::uint8_t (&header)[kWavHeaderSize], std::uint32_t samples);

// A raw sample as an 8-bit WAV sample: s + 128.
constexpr std::uint8_t rawToWav(std::uint8_t raw) { return static_cast<std::uint8_t>(raw ^ 0x80); }

}  // namespace sndbank
