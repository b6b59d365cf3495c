// Writes a few short generated tones for the sndbank demo:
//   <dir>/CustomAudioFiles/3000.raw ...   word files of a custom-audio library
//   <dir>/speech/<name>.raw               word files of a speech library
//   <dir>/speech.def                      its definition file (names relative to <dir>)
//   <dir>/speech-wav/<name>.wav           the same words as 16-bit WAV files, as an
//   <dir>/speech-wav.def                  audio editor writes them, and their definitions
//   <dir>/EditorExport/3000.WAV           a 44.1 kHz stereo 16-bit export: a chime,
//                                         one note on each side
// Samples are signed 8-bit, 8,000 a second, one byte each; the WAV samples are
// the same values times 256, so both definition files build the same image.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 8000;
constexpr double kPi = 3.14159265358979323846;

struct Tone {
  int code;
  const char* name;  // speech-library file name (without directory)
  double hertz;
  double seconds;
};

// Custom-audio words by code, speech words by name; a name with a "-" or
// "'" shows how the side files turn it into a symbol.
constexpr Tone kCustomTones[] = {
    {3000, nullptr, 440.0, 0.25},
    {3001, nullptr, 660.0, 0.25},
    {3002, nullptr, 880.0, 0.50},
};
constexpr Tone kSpeechTones[] = {
    {42, "beep-low.raw", 330.0, 0.20},
    {100, "beep-high.raw", 990.0, 0.20},
    {3000, "that's-all.raw", 550.0, 0.40},
};

std::vector<unsigned char> toneSamples(const Tone& tone) {
  const int count = static_cast<int>(tone.seconds * kSampleRate);
  std::vector<unsigned char> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    // A short fade in and out keeps the tone from clicking.
    const double fade = std::fmin(1.0, std::fmin(i, count - 1 - i) / 200.0);
    const double value = 100.0 * fade * std::sin(2.0 * kPi * tone.hertz * i / kSampleRate);
    samples[static_cast<std::size_t>(i)] =
        static_cast<unsigned char>(static_cast<signed char>(std::lround(value)));
  }
  return samples;
}

bool writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

bool writeTone(const std::filesystem::path& path, const Tone& tone) {
  const std::vector<unsigned char> samples = toneSamples(tone);
  return writeBytes(path, std::string(samples.begin(), samples.end()));
}

std::string le(unsigned value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

// A 16-bit mono PCM WAV file of the tone: each sample s stored as s * 256.
bool writeWavTone(const std::filesystem::path& path, const Tone& tone) {
  std::string data;
  for (unsigned char s : toneSamples(tone)) data += le(static_cast<unsigned>(static_cast<signed char>(s) * 256), 2);
  const unsigned size = static_cast<unsigned>(data.size());
  const std::string wav = "RIFF" + le(36 + size, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
                          le(kSampleRate, 4) + le(kSampleRate * 2, 4) + le(2, 2) + le(16, 2) + "data" +
                          le(size, 4) + data;
  return writeBytes(path, wav);
}

// An editor's export: 1.5 s at 44,100 Hz, stereo, 16-bit, C5 on the left
// and E5 on the right, each fading out.
bool writeExport(const std::filesystem::path& path) {
  constexpr int kRate = 44100;
  constexpr int kFrames = kRate * 3 / 2;
  std::string data;
  for (int i = 0; i < kFrames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double level = 12000.0 * std::exp(-2.0 * t) * std::fmin(1.0, i / 400.0);
    data += le(static_cast<unsigned>(std::lround(level * std::sin(2.0 * kPi * 523.25 * t))) & 0xFFFF, 2);
    data += le(static_cast<unsigned>(std::lround(level * std::sin(2.0 * kPi * 659.25 * t))) & 0xFFFF, 2);
  }
  const unsigned size = static_cast<unsigned>(data.size());
  const std::string wav = "RIFF" + le(36 + size, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(2, 2) + le(kRate, 4) +
                          le(kRate * 4, 4) + le(4, 2) + le(16, 2) + "data" + le(size, 4) + data;
  return writeBytes(path, wav);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "make_audio_examples");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(root / "CustomAudioFiles", ec);
  std::filesystem::create_directories(root / "speech", ec);
  std::filesystem::create_directories(root / "speech-wav", ec);
  std::filesystem::create_directories(root / "EditorExport", ec);
  if (!writeExport(root / "EditorExport" / "3000.WAV")) {
    std::fprintf(stderr, "cannot write %s\n", (root / "EditorExport" / "3000.WAV").string().c_str());
    return 1;
  }

  for (const Tone& tone : kCustomTones) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d.raw", tone.code);
    if (!writeTone(root / "CustomAudioFiles" / name, tone)) {
      std::fprintf(stderr, "cannot write %s\n", (root / "CustomAudioFiles" / name).string().c_str());
      return 1;
    }
  }

  const std::string heading =
      "# Demo speech library: word code, then the word file.\n"
      "# Names are relative to the directory sndbank runs in.\n\n";
  std::string definitions = heading;
  std::string wavDefinitions = heading;
  for (const Tone& tone : kSpeechTones) {
    const std::string wavName = std::filesystem::path(tone.name).replace_extension(".wav").string();
    if (!writeTone(root / "speech" / tone.name, tone) || !writeWavTone(root / "speech-wav" / wavName, tone)) {
      std::fprintf(stderr, "cannot write the word files of %s\n", tone.name);
      return 1;
    }
    definitions += std::to_string(tone.code) + "  speech/" + tone.name + "\n";
    wavDefinitions += std::to_string(tone.code) + "  speech-wav/" + wavName + "\n";
  }
  if (!writeBytes(root / "speech.def", definitions) || !writeBytes(root / "speech-wav.def", wavDefinitions)) {
    std::fprintf(stderr, "cannot write the definition files\n");
    return 1;
  }
  std::printf("Wrote %zu custom-audio words, %zu speech words, speech.def and a 44.1 kHz stereo export to %s\n",
              std::size(kCustomTones), std::size(kSpeechTones), root.string().c_str());
  return 0;
}
