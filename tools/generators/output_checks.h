// Properties every cfgscribe output must have, checked by the tests and the
// fuzz targets on whatever the file holds.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "cfgscribe/modes.h"

namespace generators {

// The first line of a script (-s or -a output) that is neither empty, nor a
// ";" comment, nor a keypad command (opening with the master password, as
// "MPW" or its digits); empty when every line is one of those.
std::string_view firstLineNotSafeToSend(std::string_view script);

// The record offsets a debug output (-rd, -sd, -ad, -Cd) names, in order.
std::vector<std::size_t> recordOffsets(std::string_view debugOutput, cfgscribe::Mode mode);

}  // namespace generators
