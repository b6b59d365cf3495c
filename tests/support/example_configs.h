// The example configuration files that the project ships, made by the
// test-side image builder.
#pragma once

#include <string>
#include <vector>

#include "support/image_builder.h"

namespace testsupport {

struct ExampleConfig {
  std::string fileName;
  Bytes bytes;
};

std::vector<ExampleConfig> exampleConfigs();

// Identity section records of a typical three-port controller.
Bytes exampleIdentityRecords();

}  // namespace testsupport
