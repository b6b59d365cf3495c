// The hidden raw dump (-C): the image header field by field; its record
// printers are the raw handler table (see modes.h).
#pragma once

#include <cstddef>

#include "cfgscribe/image.h"
#include "common/image_header.h"

namespace cfgscribe {

// The header fields as stored, and the length of the walked image.
void printRawHeader(Sink& out, const orva::HeaderBytes& header, std::size_t walkLength);

}  // namespace cfgscribe
