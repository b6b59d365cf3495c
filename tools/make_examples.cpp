// Writes the example configuration files under a directory (examples/ in
// the source tree): what the README's demo runs cfgscribe on.
#include <cstdio>
#include <string>

#include "examples/example_configs.h"

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "examples";
  for (const auto& example : generators::exampleConfigs()) {
    const std::string path = dir + "/" + example.fileName;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::fwrite(example.bytes.data(), 1, example.bytes.size(), f);
    std::fclose(f);
    std::printf("wrote %s (%zu bytes)\n", path.c_str(), example.bytes.size());
  }
  return 0;
}
