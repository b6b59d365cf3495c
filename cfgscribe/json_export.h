// The JSON export (--json): the image header, then every record the report
// shows with its settings, and the damage found, as one JSON document.
// Field names are an interface: docs/cfgscribe-json.schema.json describes
// them, and they change only with its "formatVersion".
#pragma once

#include <string_view>

#include "cfgscribe/damage_log.h"
#include "cfgscribe/image.h"
#include "common/image_header.h"

namespace cfgscribe {

constexpr unsigned kJsonFormatVersion = 1;

// Writes the document for the walked image. `problems` holds the lines that
// named damage before the walk (header checks); the walk's own go with them.
// Returns the number of problems.
unsigned writeJson(Sink& out, std::string_view fileName, const orva::HeaderBytes& header, ByteView image,
                   std::string_view problems, unsigned problemCount);

}  // namespace cfgscribe
