#include "support/example_configs.h"

namespace testsupport {

Bytes exampleAccessAndMacroRecords() { return {}; }

}  // namespace testsupport
