// DTMF decoders: the heading without a line end, one digit count per port,
// the comment-only script, and port groups that hold no byte.
#include <gtest/gtest.h>

#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace {

using namespace cfgscribe;
using testsupport::Bytes;
using testsupport::portGrouped;

struct Case {
  const char* name;
  Mode mode;
  bool debug, allValues;
  unsigned receivers;
  Bytes record;  // may run on into the next record
  std::string expected;
  std::uint32_t length;
};

void check(const Case& c) {
  SCOPED_TRACE(c.name);
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(c.receivers);
  std::string text;
  Sink sink(text);
  Out o{sink, c.debug, c.allValues, c.mode == Mode::kScript};
  const Record r(ByteView(c.record.data(), c.record.size()));
  const auto handler = c.mode == Mode::kScript ? records::dtmfScript : records::dtmfReport;
  EXPECT_EQ(handler(r, ctx, o), c.length);
  sink.flush();
  EXPECT_EQ(text, c.expected);
  // The dispatch table reaches the same handler.
  WalkContext again = ctx;
  EXPECT_EQ(testsupport::renderRecord(c.mode, c.record, again, c.debug, c.allValues), c.expected);
}

TEST(DtmfDecoders, Sections) {
  // Two ports of one 4-byte element: port 1's count is byte 5, port 2's byte 9.
  const Bytes two = portGrouped(21, 0x00, 4, 0, 1, {5, 9, 9, 9, 255, 9, 9, 9});
  const std::string report = "\n Port 1\n  DTMF Commands Execute on Digit Count: 5\n"
                             "\n Port 2\n  DTMF Commands Execute on Digit Count: 255\n";
  const std::string script = "\n;  Port 1\n;   DTMF Commands Execute on Digit Count: 5\n"
                             "\n;  Port 2\n;   DTMF Commands Execute on Digit Count: 255\n";
  const std::string debug = "debug  Record Type       : 21\ndebug  Attributes        : 0x0\n"
                            "debug  Element Size      : 4\ndebug  nMisc             : 0\n"
                            "debug  nPort             : 1\n";
  const std::string scriptDebug = ";debug  Record Type       : 21\n;debug  Attributes        : 0x0\n"
                                  ";debug  Element Size      : 4\n;debug  nMisc             : 0\n"
                                  ";debug  nPort             : 1\n";
  const Case cases[] = {
      {"report", Mode::kReport, false, false, 2, two, "\nDTMF Decoders" + report, 13},
      {"report -d: debug lines continue the heading line", Mode::kReport, true, false, 2, two,
       "\nDTMF Decoders" + debug + report, 13},
      {"-s", Mode::kScript, false, false, 2, two, "\n; Set DTMF Decoders" + script, 13},
      {"-a is the same as -s", Mode::kScript, false, true, 2, two, "\n; Set DTMF Decoders" + script, 13},
      {"-a -d", Mode::kScript, true, true, 2, two, "\n; Set DTMF Decoders" + scriptDebug + script, 13},
      {"no ports: the heading alone, still without line end", Mode::kReport, false, false, 0,
       portGrouped(21, 0x00, 4, 0, 3, {}), "\nDTMF Decoders", 5},
      {"no ports, script", Mode::kScript, false, false, 0, portGrouped(21, 0x00, 4, 0, 3, {}),
       "\n; Set DTMF Decoders", 5},
      // Laid out like any port-grouped record: a stray miscellaneous group
      // is stepped over, not read as port 1.
      {"miscellaneous group", Mode::kReport, false, false, 1, portGrouped(21, 0x00, 2, 1, 1, {77, 77, 3, 0}),
       "\nDTMF Decoders\n Port 1\n  DTMF Commands Execute on Digit Count: 3\n", 9},
  };
  for (const Case& c : cases) check(c);
}

// Groups without bytes, or past the image end, are left out with a warning;
// nothing is read from the next record (its type byte 7 is not a count).
TEST(DtmfDecoders, PortsWithoutBytes) {
  const Bytes next = {7, 1, 1, 1, 0};
  const Case cases[] = {
      {"no elements per port", Mode::kReport, false, false, 2, testsupport::cat({portGrouped(21, 0, 4, 0, 0, {}), next}),
       "\nDTMF Decoders\n  WARNING: Record data missing, 2 of 2 ports not shown\n", 5},
      {"zero-byte elements", Mode::kScript, false, false, 2, testsupport::cat({portGrouped(21, 0, 0, 0, 3, {}), next}),
       "\n; Set DTMF Decoders\n;   WARNING: Record data missing, 2 of 2 ports not shown\n", 5},
      {"image ends after port 1", Mode::kReport, false, false, 3, portGrouped(21, 0, 1, 0, 1, {6}),
       "\nDTMF Decoders\n Port 1\n  DTMF Commands Execute on Digit Count: 6\n"
       "\n  WARNING: Record data missing, 2 of 3 ports not shown\n", 8},
  };
  for (const Case& c : cases) check(c);
}

}  // namespace
