// One scratch file per fuzz process, for code that reads its input by path.
// It is removed when the process ends.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzing {

// A file under $TMPDIR (or /tmp) whose name ends in `suffix`.
inline const std::string& scratchPath(const char* stem, const char* suffix = "") {
  static const std::string path = [&] {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern =
        std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/" + stem + "_XXXXXX" + suffix;
    const int fd = mkstemps(pattern.data(), static_cast<int>(std::char_traits<char>::length(suffix)));
    if (fd < 0) std::abort();
    close(fd);
    std::atexit([] { std::remove(path.c_str()); });
    return pattern;
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
