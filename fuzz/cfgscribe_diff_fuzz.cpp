// Fuzzes the script of the differences: the input is a configuration file,
// compared with a copy of itself whose fixed-layout records are re-drawn
// and one byte changed. Every line of the script must be safe to send
// (empty, a comment or a keypad command); a breach aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cfgscribe/differences.h"
#include "generators/config_pairs.h"
#include "generators/output_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const generators::Bytes file(data, data + size);
  generators::ConfigPair pair = generators::redrawnPair(file, static_cast<std::uint32_t>(size), 2);
  if (!pair.newFile.empty()) pair.newFile[pair.newFile.size() / 2] ^= 0x5A;
  static cfgscribe::ConfigurationFile files[2];
  files[0].assign(pair.oldFile.data(), pair.oldFile.size());
  files[1].assign(pair.newFile.data(), pair.newFile.size());
  std::string text;
  {
    orva::Sink sink(text);
    cfgscribe::DiffInput inputs[2];
    for (int i = 0; i < 2; ++i) {
      std::string notes;
      orva::Sink noteSink(notes);
      cfgscribe::DamageLog log(noteSink, true);
      files[i].checkHeader(false, ";", log, noteSink);
      inputs[i] = {&files[i], i == 0 ? "old.cfg" : "new.cfg", log.problems(), {}};
    }
    cfgscribe::writeDifferences(sink, inputs[0], inputs[1], "01/01/26 00:00:00");
  }
  if (!generators::firstLineNotSafeToSend(text).empty()) {
    std::fprintf(stderr, "script line neither comment nor command\n%s\n", text.c_str());
    std::abort();
  }
  return 0;
}
