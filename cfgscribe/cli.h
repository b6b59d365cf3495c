// The cfgscribe command line: options, banner, loading of the
// configuration file and its header checks, then the chosen output mode.
#pragma once

#include <string_view>

#include "common/sink.h"

namespace cfgscribe {

// Runs the program; returns the exit status (common/exit_status.h): a
// failure only when the file cannot be opened; "damaged" when the output was
// written but the file did not hold together (header mismatches, records
// cut short or of unknown types, lists past their records, no end marker).
// `generatedAt` overrides the local time shown in the report and script
// headers (tests); empty means now.
int runCfgscribe(int argc, const char* const* argv, orva::Sink& out, std::string_view generatedAt = {});

}  // namespace cfgscribe
