// One scratch file per fuzz process, for code that reads its input by path:
// `name` in a directory of the process's own, both removed at exit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/host.h"

namespace fuzzing {

inline const std::string& scratchPath(const char* name) {
  static const std::string path = [name] {
    static const std::string dir = testhost::makeTempDirectory("fuzz");
    std::atexit([] {
      std::remove(scratchPath("").c_str());
      std::remove(dir.c_str());
    });
    return dir + "/" + name;
  }();
  return path;
}

// Writes the input to the scratch file.
inline void writeScratch(const std::string& path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

}  // namespace fuzzing
