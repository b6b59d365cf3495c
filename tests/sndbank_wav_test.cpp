// WAV word files: what each encoding gives, what is refused and how it is
// said, the resampler's measured response, and a converted word's round trip.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sndbank/resampler.h"
#include "sndbank/wav_file.h"
#include "support/sndbank_files.h"

namespace sndbank {
namespace {

using generators::le;
using generators::riffChunk;
using generators::wavFile;
using WavForm = generators::WavSpec;
using Sizes = WavForm::Sizes;
using testsupport::readFile;
using testsupport::runSndbankInProcess;
using testsupport::ScratchDir;
using testsupport::writeFile;

std::string le16s(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += le(static_cast<std::uint16_t>(v), 2);
  return out;
}
std::string le24s(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out += le(static_cast<std::uint32_t>(v) & 0xFFFFFF, 3);
  return out;
}
std::string le32s(std::initializer_list<std::int64_t> values) {
  std::string out;
  for (const std::int64_t v : values) out += le(static_cast<std::uint32_t>(v), 4);
  return out;
}
template <typename Float>
std::string floats(std::initializer_list<Float> values) {
  std::string out;
  for (const Float v : values) out.append(reinterpret_cast<const char*>(&v), sizeof v);
  return out;
}

// The signed samples of a word file extracted with -e.
std::vector<int> samplesOf(const std::string& raw) {
  std::vector<int> out;
  for (const char c : raw) out.push_back(static_cast<signed char>(c));
  return out;
}

// Every encoding, width and size form taken, at 8,000 Hz unless a row says
// otherwise, in one build: what each word's samples become.
TEST(WavFile, EveryFormatTakenGivesItsSamples) {
  const float nan = std::nanf("");
  struct Row {
    const char* what;
    std::string file;
    std::vector<int> samples;
  } rows[] = {
      {"8-bit PCM is unsigned",
       wavFile({}, std::string("\x80\x81\x7f\x00\xff", 5)),
       {0, 1, -1, -128, 127}},
      {"16-bit PCM rounds halves up",
       wavFile({1, 1, 8000, 16}, le16s({0, 128, 127, -129, 32767, -32768})),
       {0, 1, 0, -1, 127, -128}},
      {"24-bit PCM",
       wavFile({1, 1, 8000, 24}, le24s({65536, 32768, 32767, -65536, 8388607, -8388608})),
       {1, 1, 0, -1, 127, -128}},
      {"32-bit PCM",
       wavFile({1, 1, 8000, 32}, le32s({1 << 24, -3 * (1 << 24), INT32_MAX, INT32_MIN})),
       {1, -3, 127, -128}},
      {"32-bit float, NaN silent",
       wavFile({3, 1, 8000, 32}, floats<float>({0.5f, -0.25f, 1.0f, -1.0f, nan})),
       {64, -32, 127, -128, 0}},
      {"64-bit float", wavFile({3, 1, 8000, 64}, floats<double>({0.5, -0.5})), {64, -64}},
      {"u-law",
       wavFile({7, 1, 8000, 8}, std::string("\xff\x7f\x80\x00\xcf", 5)),
       {0, 0, 125, -125, 4}},
      {"A-law", wavFile({6, 1, 8000, 8}, "\xd5\xaa\x2a\xe5"), {0, 126, -126, 4}},
      {"stereo is averaged",
       wavFile({1, 2, 8000, 16}, le16s({256, 768, -256, 256, 32767, 32767, -32768, -32768})),
       {2, 0, 127, -128}},
      {"six channels, extensible float",
       wavFile({3, 6, 8000, 32, true},
               floats<float>({.5f, .5f, .5f, .5f, .5f, .5f, 1, -1, 0, 0, 0, 0})),
       {64, 0}},
      {"eight channels, the most taken",
       wavFile({1, 8, 8000, 8}, std::string("\x88\x88\x88\x88\x88\x88\x88\x88", 8)), {8}},
      {"extensible 24-bit", wavFile({1, 1, 8000, 24, true}, le24s({5 << 16})), {5}},
      {"RF64", wavFile({1, 1, 8000, 8, false, Sizes::kRf64}, "\x85\x80"), {5, 0}},
      {"written to a pipe", wavFile({1, 1, 8000, 8, false, Sizes::kPipe}, "\x83"), {3}},
      {"sizes left 0", wavFile({1, 1, 8000, 8, false, Sizes::kZero}, "\x7e\x7e"), {-2, -2}},
      {"unknown chunk first", wavFile({}, "\x81", riffChunk("LIST", "odd")), {1}},
      // Silence keeps its length rounded to the nearest 8 kHz sample.
      {"16 kHz, 101 frames", wavFile({1, 1, 16000, 16}, std::string(202, '\0')),
       std::vector<int>(51, 0)},
      {"4 kHz, 3 frames", wavFile({1, 1, 4000, 16}, std::string(6, '\0')), std::vector<int>(6, 0)},
      {"192 kHz, the highest rate taken, 48 frames", wavFile({1, 1, 192000, 16}, std::string(96, '\0')),
       std::vector<int>(2, 0)},
  };
  ScratchDir dir;
  std::string definitions;
  int code = 0;
  for (const Row& row : rows) {
    ++code;
    const std::string name = dir / ("w" + std::to_string(code) + (code % 2 != 0 ? ".wav" : ".WAV"));
    writeFile(name, row.file);
    definitions += std::to_string(code) + " " + name + "\n";
  }
  const testsupport::Run run = testsupport::buildSpeechLibrary(dir, definitions);
  ASSERT_EQ(run.status, 0) << run.output;
  ASSERT_EQ(runSndbankInProcess({"sndbank", "-e", dir / "lib.bin", dir / "out"}).status, 0);
  code = 0;
  for (const Row& row : rows) {
    char name[16];
    std::snprintf(name, sizeof name, "out/%04d.raw", ++code);
    EXPECT_EQ(samplesOf(readFile(dir / name)), row.samples) << row.what;
  }
}

// Every file that cannot be taken is named in one run, with what it is or
// holds in words, and then what sndbank takes; no library is made.
TEST(WavFile, EveryRefusedFileIsNamedInOneRun) {
  struct Row {
    const char* what;
    std::string file;
    std::string says;
  } rows[] = {
      {"MP3", "ID3\x04" + std::string(40, 'x'), "holds MP3 audio"},
      {"Ogg", "OggS" + std::string(40, 'x'), "holds Ogg audio"},
      {"nothing but a magic number", "OggS", "holds Ogg audio"},
      {"nothing but an MP3 frame sync", "\xff\xfb", "holds MP3 audio"},
      {"text", "hello, world", "is not a WAV file"},
      {"too short to tell", "RIF", "is not a WAV file"},
      {"compressed", wavFile({0x11, 1, 8000, 4}, "abcd"),
       "holds 8000 Hz mono IMA ADPCM, a compressed encoding"},
      {"extensible, unknown encoding", wavFile({0x1234, 2, 44100, 16, true}, "abcd"),
       "holds 44100 Hz stereo audio in an unknown encoding"},
      {"rate too low", wavFile({1, 1, 2000, 16}, "abcd"),
       "holds 2000 Hz mono 16-bit PCM, a rate outside 4000 to 192000 Hz"},
      {"rate too high", wavFile({3, 2, 384000, 32}, "abcdefgh"),
       "holds 384000 Hz stereo 32-bit IEEE float, a rate outside 4000 to 192000 Hz"},
      {"nine channels", wavFile({1, 9, 8000, 16}, "ab"),
       "holds 8000 Hz 9 channels 16-bit PCM, more than 8 channels"},
      {"no channels", wavFile({1, 0, 8000, 16}, "ab"),
       "holds 8000 Hz 0 channels 16-bit PCM, no channels"},
      {"12-bit", wavFile({1, 1, 8000, 12}, "ab"),
       "holds 8000 Hz mono 12-bit PCM, a sample width not taken"},
      {"16-bit float", wavFile({3, 1, 8000, 16}, "ab"),
       "holds 8000 Hz mono 16-bit IEEE float, a sample width not taken"},
      {"u-law of 16 bits", wavFile({7, 1, 8000, 16}, "ab"),
       "holds 8000 Hz mono u-law of 16 bits, a sample width not taken"},
      {"data past the end", wavFile({}, "").substr(0, 36) + "data" + le(1000, 4) + "abc",
       "holds a data chunk of 1000 bytes in a file of 47 bytes"},
      {"no data chunk", wavFile({}, "").substr(0, 36) + riffChunk("LIST", "ab"),
       "has no data chunk"},
      {"data first", "RIFF" + le(20, 4) + "WAVE" + riffChunk("data", "ab"),
       "holds a data chunk before any format chunk"},
      {"short format chunk", "RIFF" + le(20, 4) + "WAVE" + riffChunk("fmt ", "abcd"),
       "holds a format chunk of 4 bytes, too short"},
      {"empty", wavFile({}, ""), "is empty"},
  };
  ScratchDir dir;
  writeFile(dir / "lib.bin", "earlier");
  writeFile(dir / "good.wav", wavFile({}, "abc"));
  std::string definitions = "1 " + (dir / "good.wav") + "\n";
  int code = 1;
  for (const Row& row : rows) {
    const std::string name = dir / ("r" + std::to_string(++code) + ".wav");
    writeFile(name, row.file);
    definitions += std::to_string(code) + " " + name + "\n";
  }
  const testsupport::Run run = testsupport::buildSpeechLibrary(dir, definitions);
  EXPECT_EQ(run.status, 1);
  code = 1;
  for (const Row& row : rows) {
    const std::string line = "Error: During getImageSize, input file " +
                             (dir / ("r" + std::to_string(++code) + ".wav")) + " " + row.says +
                             ".\n";
    EXPECT_NE(run.output.find(line), std::string::npos) << row.what << "\n" << run.output;
  }
  EXPECT_TRUE(run.output.ends_with(kWordFilesTaken)) << run.output;
  EXPECT_EQ(readFile(dir / "lib.bin"), "earlier");
}

// -v says what each converted word was made from; a peak beyond full scale
// and a .raw word whose samples look unsigned are warned about by name, and
// both words are still taken.
TEST(WavFile, VerboseLinesAndWarnings) {
  ScratchDir dir;
  writeFile(dir / "export.wav",
            wavFile({1, 2, 44100, 16}, std::string(105840 * 4, '\0')));  // 2.4 s
  writeFile(dir / "loud.wav", wavFile({3, 1, 8000, 32}, floats<float>({0.5f, 1.5f, -2.0f, 1.0f})));
  writeFile(dir / "louder.wav", wavFile({3, 1, 8000, 32}, floats<float>({1.01f})));
  writeFile(dir / "unsigned.raw", "\x80\x7f\x81\x80\x82\x7e");
  writeFile(dir / "signed.raw", std::string("\x00\x01\xff\x02\x80\x7f", 6));
  writeFile(dir / "words.def", "1 " + (dir / "export.wav") + "\n2 " + (dir / "loud.wav") + "\n3 " +
                                   (dir / "louder.wav") + "\n4 " + (dir / "unsigned.raw") + "\n5 " +
                                   (dir / "signed.raw") + "\n");
  std::vector<std::string> args = testsupport::speechArgs(dir);
  args.insert(args.begin() + 1, "-v");
  const testsupport::Run run = runSndbankInProcess(args);
  EXPECT_EQ(run.status, 0);
  for (const std::string& line :
       {"  " + (dir / "export.wav") + ": 44100 Hz stereo 16-bit PCM, 2.4 s -> 19,200 samples\n",
        "  " + (dir / "loud.wav") + ": 8000 Hz mono 32-bit IEEE float, 0.0 s -> 4 samples\n",
        "Warning: " + (dir / "loud.wav") + ": 2 samples above full scale were clipped.\n",
        "Warning: " + (dir / "louder.wav") + ": 1 sample above full scale was clipped.\n",
        "Warning: " + (dir / "unsigned.raw") +
            " looks like unsigned 8-bit samples (they centre on 128, not 0); "
            "a .raw word must hold signed 8-bit samples. It is taken as it is.\n"}) {
    EXPECT_NE(run.output.find(line), std::string::npos) << line << run.output;
  }
  EXPECT_EQ(run.output.find("/signed.raw looks"), std::string::npos);
  EXPECT_NE(run.output.find("Verify Pass: Found 5 entries"), std::string::npos);
}

// The response of the rate conversion, measured on full-scale (127-step)
// tones: the level and phase of a tone in the pass band (phase 0 is no
// delay: output sample k is the input at k / 8000 s), what is left over
// beside it, and what comes through of a tone above 4 kHz.
struct Response {
  double gainDb;
  double phase;     // radians
  double residual;  // RMS steps beside the fitted tone
};

Response measure(Resampler& resampler, std::uint32_t rate, double frequency) {
  const std::int64_t frames = rate / 2;  // half a second
  resampler.start(rate, frames);
  std::vector<float> out;
  std::int64_t n = 0;
  float block[512];
  while (!resampler.done()) {
    const std::size_t got = resampler.produce(block, 512);
    out.insert(out.end(), block, block + got);
    if (got > 0) continue;
    const std::size_t room =
        static_cast<std::size_t>(std::min<std::int64_t>(resampler.room(), frames - n));
    float* in = resampler.input();
    for (std::size_t i = 0; i < room; ++i) {
      in[i] = static_cast<float>(
          127.0 * std::sin(2 * std::numbers::pi * frequency *
                           static_cast<double>(n + static_cast<std::int64_t>(i)) / rate));
    }
    resampler.commit(room);
    n += static_cast<std::int64_t>(room);
    if (n == frames) resampler.finish();
  }
  EXPECT_EQ(static_cast<std::int64_t>(out.size()), convertedLength(frames, rate));
  // Least-squares fit of a sin b cos on the middle, away from the ends.
  const double w = 2 * std::numbers::pi * frequency / kOutputRate;
  double ss = 0, cc = 0, sc = 0, ys = 0, yc = 0;
  const std::size_t from = 600, to = out.size() - 600;
  for (std::size_t k = from; k < to; ++k) {
    const double s = std::sin(w * static_cast<double>(k)), c = std::cos(w * static_cast<double>(k));
    ss += s * s, cc += c * c, sc += s * c, ys += out[k] * s, yc += out[k] * c;
  }
  const double det = ss * cc - sc * sc;
  const double a = (ys * cc - yc * sc) / det, b = (yc * ss - ys * sc) / det;
  double residual = 0;
  for (std::size_t k = from; k < to; ++k) {
    const double e = out[k] - a * std::sin(w * static_cast<double>(k)) -
                     b * std::cos(w * static_cast<double>(k));
    residual += e * e;
  }
  return {20 * std::log10(std::hypot(a, b) / 127.0), std::atan2(b, a),
          std::sqrt(residual / static_cast<double>(to - from))};
}

TEST(Resampler, PassBandStopBandAndNoDelay) {
  const auto resampler = std::make_unique<Resampler>();
  // 44,056 Hz has more phases than the table holds: positions are rounded.
  for (const std::uint32_t rate :
       {4000u, 6000u, 11025u, 16000u, 22050u, 44056u, 44100u, 48000u, 96000u, 192000u}) {
    for (const double f : {1000.0, 3400.0}) {
      if (f >= rate / 2.0) continue;
      const Response r = measure(*resampler, rate, f);
      EXPECT_LT(std::fabs(r.gainDb), f < 2000 ? 0.01 : 0.1) << rate << " Hz, tone " << f;
      EXPECT_LT(std::fabs(r.phase), 0.002) << rate << " Hz, tone " << f;
      EXPECT_LT(r.residual, 0.05) << rate << " Hz, tone " << f;  // nothing folded or imaged
    }
    for (const double f : {4100.0, 5000.0, 7900.0, 12000.0, 20000.0, 90000.0}) {
      if (f >= rate / 2.0) continue;
      // Nothing of the tone is left: every sample rounds to silence.
      EXPECT_LT(measure(*resampler, rate, f).residual, 0.05) << rate << " Hz, tone " << f;
    }
  }
}

// A 44.1 kHz stereo word is the same audio as the 8 kHz mono recording of
// the same sound: built and extracted with -w, sample for sample within one
// step (the few exceptions at the very start, where the recording begins
// abruptly).
TEST(WavFile, ConvertedWordRoundTrip) {
  const auto sound = [](double t) {
    return 0.3 * std::sin(2 * std::numbers::pi * 440 * t) + 0.25 * std::sin(2 * std::numbers::pi * 1234 * t + 1);
  };
  std::string mono, stereo;
  for (int k = 0; k < 4000; ++k)
    mono += le16s({static_cast<int>(std::lround(32767 * sound(k / 8000.0)))});
  for (int n = 0; n < 22050; ++n) {
    const int v = static_cast<int>(std::lround(32767 * sound(n / 44100.0)));
    stereo += le16s({v, v});
  }
  ScratchDir dir;
  writeFile(dir / "mono.wav", wavFile({1, 1, 8000, 16}, mono));
  writeFile(dir / "stereo.wav", wavFile({1, 2, 44100, 16}, stereo));
  ASSERT_EQ(testsupport::buildSpeechLibrary(
                dir, "1 " + (dir / "mono.wav") + "\n2 " + (dir / "stereo.wav") + "\n")
                .status,
            0);
  ASSERT_EQ(runSndbankInProcess({"sndbank", "-w", dir / "lib.bin", dir / "out"}).status, 0);
  const std::string a = readFile(dir / "out/0001.wav"), b = readFile(dir / "out/0002.wav");
  ASSERT_EQ(a.size(), 44u + 4000u);
  ASSERT_EQ(b.size(), a.size());
  int within = 0;
  for (std::size_t i = 44; i < a.size(); ++i)
    within += std::abs(static_cast<std::uint8_t>(a[i]) - static_cast<std::uint8_t>(b[i])) <= 1;
  EXPECT_GE(within, 3960);
}

}  // namespace
}  // namespace sndbank
