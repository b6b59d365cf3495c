// Writes the benchmark's maximal configuration image: the complete
// example's records (every record type, three ports) repeated as often as
// they fit in the 64 KiB load buffer. Usage: make_bench_image <file>
#include <cstdio>

#include "examples/example_configs.h"

using namespace generators;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_bench_image <file>\n");
    return 1;
  }
  ControllerSpec definition;
  definition.recordCount = 255;
  const Bytes controller = controllerRecord(definition);
  const Bytes body = cat({exampleIdentityRecords(), exampleAccessAndMacroRecords(),
                          exampleTimingAndAudioRecords()});
  ConfigFile file;
  file.name("Bench maximal").version("2.4.1").dateText("11/30/26 07:45");
  file.add(controller);
  // The body after the image header, with its end marker, stays in the buffer.
  for (std::size_t size = controller.size(); size + body.size() + 1 <= 65536 - 256;
       size += body.size()) {
    file.add(body);
  }
  const Bytes bytes = file.file();
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
      std::fclose(out) != 0) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
