// Fuzzes the whole cfgscribe pipeline after loading: the input is a
// configuration file (header and image); every mode walks it, with and
// without debug lines, and the script in both flavours.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cfgscribe/modes.h"
#include "common/image_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kMaxImage = 65536 - orva::kHeaderSize;
  orva::HeaderBytes header{};
  for (std::size_t i = 0; i < header.size() && i < size; ++i) header[i] = data[i];
  const std::size_t body = size > orva::kHeaderSize ? size - orva::kHeaderSize : 0;
  const orva::ByteView image(data + (size > orva::kHeaderSize ? orva::kHeaderSize : size),
                             body < kMaxImage ? body : kMaxImage);
  std::string text;
  orva::Sink sink(text);
  // Report, -s, -a and raw dump (which sets the all-values flag), each with
  // and without debug lines.
  struct Flavour {
    cfgscribe::Mode mode;
    bool allValues;
  };
  for (Flavour f : {Flavour{cfgscribe::Mode::kReport, false}, Flavour{cfgscribe::Mode::kScript, false},
                    Flavour{cfgscribe::Mode::kScript, true}, Flavour{cfgscribe::Mode::kRaw, true}}) {
    for (bool debug : {false, true}) {
      cfgscribe::RunSettings s{f.mode, debug, f.allValues, "01/01/26 00:00:00"};
      cfgscribe::runMode(sink, s, header, image);
      text.clear();
    }
  }
  return 0;
}
