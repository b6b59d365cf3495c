// WAV word files. Read for building a library: RIFF or RF64, PCM 8-bit
// unsigned or 16-, 24-, 32-bit signed, IEEE float 32 or 64, u-law and A-law,
// plain or extensible, 4,000 to 192,000 Hz, 1 to 8 channels. Written when
// words are extracted from a library: 8-bit mono 8,000 Hz PCM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace sndbank {

// Whether a word file name ends in ".wav" (or ".raw"), in any case.
bool hasWavName(const char* fileName);
bool hasRawName(const char* fileName);

enum class Encoding { kPcm, kFloat, kMuLaw, kALaw };

// How a WAV file stores its audio and where the samples are.
struct WavLayout {
  Encoding encoding = Encoding::kPcm;
  unsigned channels = 1;
  std::uint32_t rate = 8000;
  unsigned bytesPerSample = 1;  // of one channel: 1 is unsigned 8-bit PCM
  std::int64_t dataOffset = 0;  // first byte of the data chunk's samples
  std::int64_t frames = 0;      // one sample of every channel (a pad byte is none)

  unsigned frameBytes() const { return channels * bytesPerSample; }
  // 8,000 Hz mono 8- or 16-bit PCM: copied by today's integer rule.
  bool isPlain() const;
};

// What a file holds, in words, for the refusal ("holds MP3 audio", "is not
// a WAV file") and the -v line.
struct WavText {
  char text[112] = {};
};

// Reads the chunks of a WAV file of `length` bytes from its start. False,
// with what the file is or holds in `refusal`, when it is no WAV file, holds an
// encoding, rate or channel count that is not taken, or its data chunk is
// missing or claims more than the file holds. A RIFF or data size of 0 or
// 0xFFFFFFFF (a file written to a pipe) runs to the end of the file.
bool readWavLayout(std::FILE* file, std::int64_t length, WavLayout& layout, WavText& refusal);

// "44100 Hz stereo 16-bit PCM": rate, channels and encoding.
void describeLayout(const WavLayout& layout, WavText& text);

// What a word file may hold, said after the refused files are named.
inline constexpr const char* kWordFilesTaken =
    "  Word files taken: .raw files of signed 8-bit samples at 8000 Hz, and WAV files\n"
    "  (8-bit unsigned or 16-, 24- or 32-bit signed PCM, 32- or 64-bit IEEE float,\n"
    "  u-law or A-law; 4000 to 192000 Hz; 1 to 8 channels), which are converted.\n"
    "  Export or convert other recordings to one of these WAV forms first.\n";

// Converts `count` bytes of 8,000 Hz mono PCM samples in place into raw
// one-byte samples and returns how many samples they held: 8-bit u becomes
// u - 128; 16-bit v becomes (v + 128) >> 8, kept within -128..127. `count`
// is a multiple of the sample width.
std::size_t wavToRaw(std::uint8_t* bytes, std::size_t count, unsigned bytesPerSample);

// The 44-byte header of an 8-bit mono 8,000 Hz PCM file of `samples` samples.
constexpr std::size_t kWavHeaderSize = 44;
void wavHeader(std::uint8_t (&header)[kWavHeaderSize], std::uint32_t samples);

// A raw sample as an 8-bit WAV sample: s + 128.
constexpr std::uint8_t rawToWav(std::uint8_t raw) {
  return static_cast<std::uint8_t>(raw ^ 0x80);
}

}  // namespace sndbank
