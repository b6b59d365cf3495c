// The example configuration files that the project ships, made by the
// image builder.
#pragma once

#include <string>
#include <vector>

#include "generators/image_builder.h"

namespace generators {

struct ExampleConfig {
  std::string fileName;
  Bytes bytes;
};

std::vector<ExampleConfig> exampleConfigs();

// Identity section records of a typical three-port controller.
Bytes exampleIdentityRecords();

// Records of the complete example, by family (three receivers and three
// transmitters, values off their cold-start defaults on every port):
// passwords, switches, event-triggered macros, scheduler, macros, operator
// access and long names.
Bytes exampleAccessAndMacroRecords();
// Timers, counters, messages, paths, CTCSS encoders, ID tail, message
// handlers, DTMF decoders, user timers, command response routing and tone
// generators.
Bytes exampleTimingAndAudioRecords();

// The complete example: every record type 0 to 26.
Bytes exampleCompleteConfig();

// A configuration image that nearly fills the 64 KiB load buffer: the
// complete example's records three times over, then message records with
// every slot holding 40 bytes of contents. For the benchmark.
Bytes exampleLargeConfig();

}  // namespace generators
