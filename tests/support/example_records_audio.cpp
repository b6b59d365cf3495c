#include "support/example_configs.h"

namespace testsupport {

Bytes exampleTimingAndAudioRecords() { return {}; }

}  // namespace testsupport
