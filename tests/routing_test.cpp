// Command response routing: no trace outside debug mode, the header lines
// with -d, and a length that steps the walk to the next record.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using namespace cfgscribe;
using testsupport::Bytes;
using testsupport::elementArray;

// Six command sources of three bytes each: 22 bytes.
const Bytes kSix = elementArray(24, 0x01, 3, 6, testsupport::fill(18, 0x5A));

TEST(CommandResponseRouting, Sections) {
  struct Case {
    Mode mode;
    bool debug, allValues;
    std::string expected;
  };
  const Case cases[] = {
      {Mode::kReport, false, false, ""},
      {Mode::kScript, false, false, ""},
      {Mode::kScript, false, true, ""},
      {Mode::kReport, true, false,
       "debug  Record Type       : 24\ndebug  Attributes        : 0x1\ndebug  Element Size      : 3\n"
       "debug  Num Elements      : 6\ndebug  Command Sources\n"},
      {Mode::kScript, true, true,
       ";debug  Record Type       : 24\n;debug  Attributes        : 0x1\n;debug  Element Size      : 3\n"
       ";debug  Num Elements      : 6\n;debug  Command Sources\n"},
  };
  for (const Case& c : cases) {
    WalkContext ctx;
    EXPECT_EQ(testsupport::renderRecord(c.mode, kSix, ctx, c.debug, c.allValues), c.expected);
  }
}

TEST(CommandResponseRouting, RecordLength) {
  struct Case {
    Bytes record;
    std::uint32_t length;
  };
  const Case cases[] = {{kSix, 22}, {elementArray(24, 1, 3, 0, {}), 4}, {elementArray(24, 1, 255, 255, {}), 65029}};
  for (const Case& c : cases) {
    for (auto handler : {records::routingReport, records::routingScript}) {
      std::string text;
      Sink sink(text);
      Out o{sink, true, false, handler == records::routingScript};
      WalkContext ctx;
      EXPECT_EQ(handler(Record(ByteView(c.record.data(), c.record.size())), ctx, o), c.length);
    }
  }
}

// The next record's section follows directly (tone generators with no
// transmitters, as no controller definition came first).
TEST(CommandResponseRouting, WalkGoesOnToTheNextRecord) {
  const Bytes image = testsupport::cat({kSix, testsupport::portGrouped(25, 0, 7, 0, 1, {}), {0xFF}});
  EXPECT_EQ(testsupport::renderWalk(Mode::kReport, image), "\nTone Generators\n");
  EXPECT_EQ(testsupport::renderWalk(Mode::kScript, image), "\n; Tone Generators\n;   No Tone Generators Configured\n");
}

}  // namespace
