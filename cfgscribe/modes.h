// The three output modes: full report, programming script and raw dump.
// Each prints its header block, runs one record walk with its own handler
// table and prints its closing line.
#pragma once

#include <string_view>

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
// walked part of the configuration image.
void runMode(Sink& out, const RunSettings& settings, const orva::HeaderBytes& header, ByteView image);

// The data of a record of unknown type laid out as port groups (kind 0:
// Num Misc + Num Port elements, whatever the ports) or as an element array
// (kind 1), as a hex dump; returns the record length. The modes differ only
// in the kinds they cannot step over as such.
std::uint32_t dumpUnknownElements(Sink& out, const Record& r);

// The unrecognised-record handler of the report and the script alike.
std::uint32_t unrecognisedRecord(const Record& r, const WalkContext& ctx, Out& o);

}  // namespace cfgscribe
