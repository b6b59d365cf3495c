// Writes a few short generated tones for the sndbank demo:
//   <dir>/CustomAudioFiles/3000.raw ...   word files of a custom-audio library
//   <dir>/speech/<name>.raw               word files of a speech library
//   <dir>/speech.def                      its definition file (names relative to <dir>)
// Samples are signed 8-bit, 8,000 a second, one byte each.
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

bool writeTone(const std::filesystem::path& path, const Tone& tone) {
  const int count = static_cast<int>(tone.seconds * kSampleRate);
  std::vector<unsigned char> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    // A short fade in and out keeps the tone from clicking.
    const double fade = std::fmin(1.0, std::fmin(i, count - 1 - i) / 200.0);
    const double value = 100.0 * fade * std::sin(2.0 * kPi * tone.hertz * i / kSampleRate);
    samples[static_cast<std::size_t>(i)] =
        static_cast<unsigned char>(static_cast<signed char>(std::lround(value)));
  }
  std::FILE* file = std::fopen(path.string().c_str(), "wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(samples.data(), 1, samples.size(), file) == samples.size();
  return std::fclose(file) == 0 && ok;
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

  for (const Tone& tone : kCustomTones) {
    char name[16];
    std::snprintf(name, sizeof name, "%04d.raw", tone.code);
    if (!writeTone(root / "CustomAudioFiles" / name, tone)) {
      std::fprintf(stderr, "cannot write %s\n", (root / "CustomAudioFiles" / name).string().c_str());
      return 1;
    }
  }

  std::string definitions =
      "# Demo speech library: word code, then the word file.\n"
      "# Names are relative to the directory sndbank runs in.\n\n";
  for (const Tone& tone : kSpeechTones) {
    if (!writeTone(root / "speech" / tone.name, tone)) {
      std::fprintf(stderr, "cannot write %s\n", (root / "speech" / tone.name).string().c_str());
      return 1;
    }
    definitions += std::to_string(tone.code) + "  speech/" + tone.name + "\n";
  }
  std::FILE* def = std::fopen((root / "speech.def").string().c_str(), "w");
  if (def == nullptr || std::fputs(definitions.c_str(), def) < 0 || std::fclose(def) != 0) {
    std::fprintf(stderr, "cannot write %s\n", (root / "speech.def").string().c_str());
    return 1;
  }
  std::printf("Wrote %zu custom-audio words, %zu speech words and speech.def to %s\n",
              std::size(kCustomTones), std::size(kSpeechTones), root.string().c_str());
  return 0;
}
