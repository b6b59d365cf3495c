// Writes the seed inputs of the fuzz targets under a directory:
//   <dir>/cfgscribe/            configuration files: every record type 0-26 and
//                               a few unknown ones, in small variants of each layout
//   <dir>/cfgscribe_diff/       the same files; the target compares each with a re-drawn copy
//   <dir>/sndbank_definitions/  definition files, good and bad
//   <dir>/sndbank_verify/       library images made by sndbank itself
//   <dir>/sndbank_library/      the same images, for the lister and extractor
//   <dir>/sndbank_wav/          WAV word files: every encoding, width, size form, extensible, odd
//                               data, unknown chunks, and refused ones
// Usage: make_fuzz_seeds <dir>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "examples/example_configs.h"
#include "generators/image_builder.h"
#include "generators/sndbank_files.h"

namespace fs = std::filesystem;
using generators::Bytes;

namespace {

int written = 0;

bool save(const fs::path& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.string().c_str(), "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
    return false;
  }
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !ok) {
    std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
    return false;
  }
  ++written;
  return true;
}

bool save(const fs::path& path, const std::string& text) {
  return save(path, Bytes(text.begin(), text.end()));
}

// Payload bytes in one of three styles: packed keypad digits with 0xFF ends
// (what passwords, macros and messages hold), a rising count (times, levels,
// indexes) and all zeros.
Bytes payload(std::size_t count, int style) {
  Bytes out(count);
  for (std::size_t i = 0; i < count; ++i) {
    switch (style) {
      case 0: out[i] = (i % 5 == 4) ? 0xFF : static_cast<std::uint8_t>(0x12 + 0x11 * (i % 5)); break;
      case 1: out[i] = static_cast<std::uint8_t>(i * 7 + 1); break;
      default: out[i] = 0; break;
    }
  }
  return out;
}

Bytes configWith(std::uint8_t receivers, const Bytes& records, bool end = true) {
  generators::ControllerSpec definition;
  definition.receivers = receivers;
  definition.transmitters = receivers;
  generators::ConfigFile file;
  file.add(generators::controllerRecord(definition)).add(records);
  if (!end) file.noEnd();
  return file.file();
}

bool writeConfigSeeds(const fs::path& dir) {
  using generators::elementArray;
  using generators::portGrouped;
  std::vector<std::uint8_t> types;
  for (unsigned t = 0; t <= 26; ++t) types.push_back(static_cast<std::uint8_t>(t));
  for (unsigned t : {27u, 64u, 200u, 254u}) types.push_back(static_cast<std::uint8_t>(t));

  bool ok = true;
  Bytes everyType;
  for (std::uint8_t type : types) {
    const std::string stem = "type" + std::to_string(type);
    int variant = 0;
    auto put = [&](const Bytes& file) {
      ok = save(dir / (stem + "_" + std::to_string(variant++) + ".cfg"), file) && ok;
    };
    // Element arrays of several element sizes and counts.
    for (std::uint8_t size : {1, 2, 8, 32}) {
      for (std::uint8_t count : {1, 4}) {
        const Bytes record =
            elementArray(type, 0x01, size, count, payload(std::size_t{size} * count, variant % 3));
        put(configWith(3, record));
      }
    }
    // Port-grouped: two miscellaneous elements and two per port, one and three ports.
    for (std::uint8_t ports : {1, 3}) {
      put(configWith(ports, portGrouped(type, 0x00, 2, 2, 2, payload(2u * (2 + ports * 2), 1))));
    }
    // Indexed list: two entries of three bytes, then the closing index 0xFF.
    put(configWith(3, elementArray(type, 0x02, 3, 4,
                                   generators::cat({{0x01}, payload(3, 0), {0x02}, payload(3, 1),
                                                     {0xFF}}))));
    // A record cut short by the end of the image, with no end marker.
    const Bytes longRecord = elementArray(type, 0x01, 16, 8, payload(128, 0));
    put(configWith(3, Bytes(longRecord.begin(), longRecord.begin() + 20), false));
    // Every known type after the controller definition, in one file.
    if (type >= 1 && type <= 26) everyType = generators::cat({everyType, elementArray(type, 0x01, 8, 4, payload(32, 1))});
  }
  ok = save(dir / "every_type.cfg", configWith(3, everyType)) && ok;
  // Macros whose commands start with the macro password, so that the
  // command decoder groups the arguments of every root command 00-99.
  for (unsigned first = 0; first < 100; first += 10) {
    Bytes commands;
    for (unsigned root = first; root < first + 10; ++root) {
      const auto bcdRoot = static_cast<std::uint8_t>((root / 10) << 4 | (root % 10));
      commands = generators::cat(
          {commands, {0x0A, cfgscribe::kMacroPassword, bcdRoot, 0x12, 0x34, 0x56, 0x78, 0x90, 0x1E, 0xFF}});
    }
    const Bytes macros = generators::cat({{10, 0x01, 200, 0x40, 0x00}, generators::be16(5),
                                           generators::digits("1234", 2), {0x00}, commands, {0xFF},
                                           generators::be16(0xFFFF)});
    ok = save(dir / ("macros_roots" + std::to_string(first) + ".cfg"), configWith(3, macros)) && ok;
  }
  // A wide controller: 80 ports of 80 short path priority lists, 6,400
  // settings in one record, which a comparison must pair faster than one
  // by one.
  constexpr std::uint8_t kWide = 80;
  ok = save(dir / "wide_path_priority.cfg",
            configWith(kWide, portGrouped(cfgscribe::kPathPriority, 0x00, 2, 0, kWide,
                                          payload(std::size_t{kWide} * kWide * 2, 1)))) &&
       ok;
  for (const auto& example : generators::exampleConfigs()) {
    ok = save(dir / ("example_" + example.fileName), example.bytes) && ok;
  }
  return ok;
}

bool writeDefinitionSeeds(const fs::path& dir) {
  struct Seed {
    const char* name;
    const char* text;
  };
  static constexpr Seed kSeeds[] = {
      {"good_plain.def", "# speech words\n\n42 beep-low.raw\n100 beep-high.raw\n3000 that's-all.raw\n"},
      {"good_crlf.def", "# comment\r\n\r\n0\tzero.raw\r\n4999  last word.raw  \r\n"},
      {"good_no_final_end.def", "1 one.raw\n2 two.raw"},
      {"good_comments_between.def", "\n# a\n7 seven.raw\n# b\n\n8 eight.raw\n"},
      {"good_signed.def", "+12 twelve.raw\n"},
      {"empty.def", ""},
      {"bad_out_of_order.def", "3000 a.raw\n3002 b.raw\n3001 c.raw\n"},
      {"bad_duplicate.def", "3000 a.raw\n3000 b.raw\n"},
      {"bad_out_of_range.def", "5000 big.raw\n"},
      {"bad_negative.def", "-1 minus.raw\n"},
      {"bad_not_decimal.def", "12x3 word.raw\n"},
      {"bad_no_name.def", "12\n"},
      {"bad_blank_only.def", "   \t \n"},
      {"bad_long_code.def", "123456789012 word.raw\n"},
  };
  bool ok = true;
  for (const Seed& seed : kSeeds) ok = save(dir / seed.name, std::string(seed.text)) && ok;
  ok = save(dir / "bad_long_line.def", "1 " + std::string(170, 'w') + ".raw\n") && ok;
  ok = save(dir / "bad_long_name.def", "1 " + std::string(125, 'n') + "\n") && ok;
  return ok;
}

// Builds speech libraries with sndbank itself in a scratch directory and
// keeps the images: no words, one word, the three words the verify target
// expects (42: 100, 100: 300, 3000: 100 samples), and word 0 of one sample.
bool writeLibrarySeeds(const fs::path& dir) {
  generators::ScratchDir scratch;
  struct Word {
    int code;
    std::size_t samples;
  };
  const std::vector<std::vector<Word>> libraries = {
      {}, {{3000, 100}}, {{42, 100}, {100, 300}, {3000, 100}}, {{0, 1}, {42, 100}}};
  bool ok = true;
  int n = 0;
  for (const auto& words : libraries) {
    std::string definitions = "# seed library\n";
    for (const Word& w : words) {
      const std::string file = scratch / ("w" + std::to_string(w.code).append(".raw"));
      generators::writeRamp(file, w.samples);
      definitions += std::to_string(w.code) + " " + file + "\n";
    }
    generators::writeFile(scratch / "words.def", definitions);
    const std::string bin = scratch / "lib.bin";
    const auto run = generators::runSndbankInProcess(
        {"sndbank", "SeedLib", "1.0", "12/06/26 12:00", scratch / "words.def", bin,
         scratch / "lib.inc", scratch / "lib.tab", scratch / "lib.h"});
    const std::string text = generators::readFile(bin);
    const Bytes image(text.begin(), text.end());
    if (run.status != 0 || image.empty()) {
      std::fprintf(stderr, "sndbank did not build seed library %d:\n%s", n, run.output.c_str());
      ok = false;
    } else {
      ok = save(dir / ("library" + std::to_string(n) + ".bin"), image) && ok;
      // The same image cut short inside its index and inside its word data.
      ok = save(dir / ("library" + std::to_string(n) + "_cut_index.bin"),
                Bytes(image.begin(), image.begin() + std::min<std::size_t>(image.size(), 600))) && ok;
      ok = save(dir / ("library" + std::to_string(n) + "_cut_words.bin"),
                Bytes(image.begin(), image.end() - std::min<std::size_t>(image.size(), 50))) && ok;
    }
    ++n;
  }
  return ok;
}

// One seed of every kind the WAV reader tells apart: each encoding and
// width, plain and extensible, RF64 and pipe-written sizes, rates that are
// resampled up and down, several channels, and the refused and broken kinds.
bool writeWavSeeds(const fs::path& dir) {
  using generators::le;
  using generators::riffChunk;
  using generators::wavFile;
  using WavForm = generators::WavSpec;
  using Sizes = WavForm::Sizes;
  const std::string samples = generators::ramp(300);
  const std::vector<std::pair<const char*, std::string>> seeds = {
      {"pcm8.wav", wavFile({}, samples)},
      {"pcm16.wav", wavFile({1, 1, 8000, 16}, samples)},
      {"pcm24.wav", wavFile({1, 1, 8000, 24}, samples)},
      {"pcm32_stereo.wav", wavFile({1, 2, 8000, 32}, samples)},
      {"float32.wav", wavFile({3, 1, 8000, 32}, samples)},
      {"float64_44k.wav", wavFile({3, 1, 44100, 64}, samples)},
      {"mulaw.wav", wavFile({7, 1, 8000, 8}, samples)},
      {"alaw_stereo.wav", wavFile({6, 2, 8000, 8}, samples)},
      {"extensible.wav", wavFile({1, 1, 8000, 16, true}, samples)},
      {"extensible_6ch.wav", wavFile({3, 6, 96000, 32, true}, samples)},
      {"rate_4000.wav", wavFile({1, 1, 4000, 16}, samples)},
      {"rate_11025.wav", wavFile({1, 1, 11025, 16}, samples)},
      {"rate_48000_stereo.wav", wavFile({1, 2, 48000, 16}, samples)},
      {"rate_192000.wav", wavFile({1, 1, 192000, 16}, samples)},
      {"pipe.wav", wavFile({1, 2, 44100, 16, false, Sizes::kPipe}, samples)},
      {"pipe_zero.wav", wavFile({1, 1, 22050, 16, false, Sizes::kZero}, samples)},
      {"rf64.wav", wavFile({1, 1, 16000, 24, false, Sizes::kRf64}, samples)},
      {"odd.wav", wavFile({}, samples.substr(0, 77))},
      {"list_first.wav", wavFile({}, samples, riffChunk("LIST", "INFOabc"))},
      {"adpcm.wav", wavFile({0x11, 1, 8000, 4}, samples)},
      {"nine_channels.wav", wavFile({1, 9, 8000, 16}, samples)},
      {"no_data.wav", wavFile({}, "").substr(0, 36)},
      {"long_data.wav", wavFile({}, "").substr(0, 36) + "data" + le(100000, 4) + samples},
      {"mp3.wav", "ID3\x04" + samples},
  };
  bool ok = true;
  for (const auto& [name, bytes] : seeds) ok = save(dir / name, bytes) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "make_fuzz_seeds");
    return 2;
  }
  const fs::path root = argv[1];
  const fs::path cfg = root / "cfgscribe";
  const fs::path def = root / "sndbank_definitions";
  const fs::path lib = root / "sndbank_verify";
  const fs::path tools = root / "sndbank_library";
  const fs::path wav = root / "sndbank_wav";
  std::error_code ec;
  for (const fs::path& d : {cfg, def, lib, tools, wav}) {
    fs::create_directories(d, ec);
    if (ec) {
      std::fprintf(stderr, "cannot make %s: %s\n", d.string().c_str(), ec.message().c_str());
      return 1;
    }
  }
  // Every kind is written even when an earlier one failed.
  const bool configs = writeConfigSeeds(cfg);
  const bool definitions = writeDefinitionSeeds(def);
  const bool libraries = writeLibrarySeeds(lib);
  fs::copy(lib, tools, fs::copy_options::overwrite_existing | fs::copy_options::recursive, ec);
  // The comparison of two files starts from the same configurations.
  fs::copy(cfg, root / "cfgscribe_diff", fs::copy_options::overwrite_existing | fs::copy_options::recursive, ec);
  const bool wavs = writeWavSeeds(wav);
  const bool ok = configs && definitions && libraries && !ec && wavs;
  std::printf("wrote %d seeds under %s\n", written, root.string().c_str());
  return ok ? 0 : 1;
}
