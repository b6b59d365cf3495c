#include "generators/output_checks.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace generators {

namespace {

// A command opens with the master password, as "MPW" or as its digits. (A
// stored macro command, written as it is stored, need not end in "*".)
bool isKeypadCommand(std::string_view line) {
  return line.starts_with("MPW ") || (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])));
}

// Calls onLine(line) for each line (without its line end) until it returns true.
template <class OnLine>
void forEachLine(std::string_view text, OnLine onLine) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (onLine(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

std::string_view firstLineNotSafeToSend(std::string_view script) {
  std::string_view bad;
  forEachLine(script, [&](std::string_view line) {
    if (line.empty() || line.starts_with(';') || isKeypadCommand(line)) return false;
    bad = line;
    return true;
  });
  return bad;
}

std::vector<std::size_t> recordOffsets(std::string_view debugOutput, cfgscribe::Mode mode) {
  const std::string_view marker = mode == cfgscribe::Mode::kRaw      ? "File offset 0x"
                                  : mode == cfgscribe::Mode::kScript ? "; offset 0x"
                                                                     : "debug  offset 0x";
  std::vector<std::size_t> offsets;
  // The unrecognised-record message has no line end, so the next record's
  // dispatch line may follow it on the same line (and nowhere else: texts
  // from the file may hold the marker too).
  forEachLine(debugOutput, [&](std::string_view line) {
    std::size_t at = line.starts_with(marker) ? 0 : line.find(marker);
    if (at != 0 && !(at != std::string_view::npos && line.substr(0, at).ends_with("Call ORVA."))) {
      at = std::string_view::npos;
    }
    if (at != std::string_view::npos) {
      offsets.push_back(std::strtoull(std::string(line.substr(at + marker.size())).c_str(), nullptr, 16));
    }
    return false;
  });
  return offsets;
}

}  // namespace generators
