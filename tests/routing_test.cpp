// Command response routing: no trace outside debug mode, the header lines
// with -d, and the length the walk steps by to the next record.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "harness.h"

namespace {

using namespace testsupport;

// Six command sources of three bytes each: 22 bytes.
const Bytes kSix = elementArray(24, 0x01, 3, 6, fill(18, 0x5A));

TEST(CommandResponseRouting, Sections) {
  const std::string debug = "debug  Record Type       : 24\ndebug  Attributes        : 0x1\n"
                            "debug  Element Size      : 3\ndebug  Num Elements      : 6\ndebug  Command Sources\n";
  const std::string scriptDebug = ";debug  Record Type       : 24\n;debug  Attributes        : 0x1\n"
                                  ";debug  Element Size      : 3\n;debug  Num Elements      : 6\n;debug  Command Sources\n";
  checkRecords({{"", R, false, kSix, 22},
                {"", S, false, kSix, 22},
                {"", A, false, kSix, 22},
                {debug, R, true, kSix, 22},
                {scriptDebug, A, true, kSix, 22},
                {"", R, false, elementArray(24, 1, 3, 0, {}), 4},
                {"", S, false, elementArray(24, 1, 255, 255, {}), 65029}});
}

}  // namespace
