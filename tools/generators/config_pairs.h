// Pairs of configuration files of one controller for the comparison of two
// configurations: a file and a copy with some records' values re-drawn.
#pragma once

#include <cstdint>

#include "generators/image_builder.h"

namespace generators {

struct ConfigPair {
  Bytes oldFile;
  Bytes newFile;
};

// `base` and a copy in which `records` of its fixed-layout records (those
// whose values can change without moving anything: passwords, switches,
// timers, counters, path modes, CTCSS encoders, operator access, tone
// generators) get new values drawn from `seed`. Passwords get digits only.
ConfigPair redrawnPair(const Bytes& base, std::uint32_t seed, unsigned records);

}  // namespace generators
