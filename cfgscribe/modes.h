// The three output modes: full report, programming script and raw dump.
// Each prints its header block, runs one record walk with its own handler
// table and prints its closing line.
#pragma once

#include <string_view>

#include "cfgscribe/damage_log.h"
#include "cfgscribe/image.h"
#include "common/image_header.h"

namespace cfgscribe {

enum class Mode { kReport, kScript, kRaw };

struct RunSettings {
  Mode mode = Mode::kReport;
  bool debug = false;
  bool allValues = false;
  std::string_view generatedAt;  // local time, "%m/%d/%y %H:%M:%S"
};

const HandlerTable& reportHandlers();
const HandlerTable& scriptHandlers();
const HandlerTable& rawHandlers();

// Header block, walk and closing line of the chosen mode. `image` is the
// walked part of the configuration image. Damage found in the walk is named
// where found in `log`, which then prints its closing warning; returns the
// number of problems `log` holds, those of the header checks included.
unsigned runMode(Sink& out, const RunSettings& settings, const orva::HeaderBytes& header, ByteView image,
                 DamageLog& log);
// The same with a log of its own.
unsigned runMode(Sink& out, const RunSettings& settings, const orva::HeaderBytes& header, ByteView image);

// The data of a record of unknown type laid out as port groups (kind 0:
// Num Misc + Num Port elements, whatever the ports) or as an element array
// (kind 1), as a hex dump, its rows commented out if asked.
void dumpUnknownElements(Sink& out, const Record& r, bool commented = false);

// The unrecognised-record handler of the report and the script alike.
void unrecognisedRecord(const Record& r, const WalkContext& ctx, Out& o);

}  // namespace cfgscribe
