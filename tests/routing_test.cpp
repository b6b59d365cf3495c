// Command response routing: no trace outside debug mode, the header lines
// with -d, and a length that steps the walk to the next record.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "record_run.h"

namespace {

using namespace testsupport;
constexpr Flavour R = Flavour::kReport, S = Flavour::kScriptS, A = Flavour::kScriptA;

// Six command sources of three bytes each: 22 bytes.
const Bytes kSix = elementArray(24, 0x01, 3, 6, fill(18, 0x5A));

TEST(CommandResponseRouting, Sections) {
  const std::string debug = "debug  Record Type       : 24\ndebug  Attributes        : 0x1\n"
                            "debug  Element Size      : 3\ndebug  Num Elements      : 6\ndebug  Command Sources\n";
  const std::string scriptDebug = ";debug  Record Type       : 24\n;debug  Attributes        : 0x1\n"
                                  ";debug  Element Size      : 3\n;debug  Num Elements      : 6\n;debug  Command Sources\n";
  checkRecords(cfgscribe::records::routingReport, cfgscribe::records::routingScript,
               {{"", R, false, kSix, 22},
                {"", S, false, kSix, 22},
                {"", A, false, kSix, 22},
                {debug, R, true, kSix, 22},
                {scriptDebug, A, true, kSix, 22},
                {"", R, false, elementArray(24, 1, 3, 0, {}), 4},
                {"", S, false, elementArray(24, 1, 255, 255, {}), 65029}});
}

// The next record's section follows directly (tone generators with no
// transmitters, as no controller definition came first).
TEST(CommandResponseRouting, WalkGoesOnToTheNextRecord) {
  const Bytes image = cat({kSix, portGrouped(25, 0, 7, 0, 1, {}), {0xFF}});
  EXPECT_EQ(renderWalk(cfgscribe::Mode::kReport, image), "\nTone Generators\n");
  EXPECT_EQ(renderWalk(cfgscribe::Mode::kScript, image), "\n; Tone Generators\n;   No Tone Generators Configured\n");
}

}  // namespace
