// Fuzzes the whole cfgscribe pipeline after loading: the input is a
// configuration file (header and image); every mode walks it, with and
// without debug lines, and the script in both flavours. Two properties are
// checked on every input, and a breach aborts so that libFuzzer keeps it:
// every script line is safe to send (empty, a comment or a keypad command),
// and the report, the script and the raw dump name the same record offsets.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cfgscribe/modes.h"
#include "common/image_header.h"
#include "generators/output_checks.h"

namespace {

[[noreturn]] void breach(const char* what, const std::string& text) {
  std::fprintf(stderr, "%s\n%s\n", what, text.c_str());
  std::abort();
}

}  // namespace

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
  std::vector<std::size_t> reportOffsets;
  for (Flavour f : {Flavour{cfgscribe::Mode::kReport, false}, Flavour{cfgscribe::Mode::kScript, false},
                    Flavour{cfgscribe::Mode::kScript, true}, Flavour{cfgscribe::Mode::kRaw, true}}) {
    for (bool debug : {false, true}) {
      cfgscribe::RunSettings s{f.mode, debug, f.allValues, "01/01/26 00:00:00"};
      cfgscribe::runMode(sink, s, header, image);
      if (f.mode == cfgscribe::Mode::kScript && !generators::firstLineNotSafeToSend(text).empty()) {
        breach("script line neither comment nor command", text);
      }
      if (debug) {
        const std::vector<std::size_t> offsets = generators::recordOffsets(text, f.mode);
        if (f.mode == cfgscribe::Mode::kReport) {
          reportOffsets = offsets;
        } else if (offsets != reportOffsets) {
          breach("record offsets differ from the report's", text);
        }
      }
      text.clear();
    }
  }
  return 0;
}
