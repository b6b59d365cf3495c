#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "golden_support.h"
#include "support/image_builder.h"

namespace {

using cfgscribe::Mode;
using cfgscribe::WalkContext;
using testsupport::Bytes;
using testsupport::cat;
using testsupport::expectGolden;
using testsupport::portGrouped;
using testsupport::renderRecord;

WalkContext withPorts(unsigned ports) {
  WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(ports);
  return ctx;
}

std::string report(const Bytes& record, unsigned ports, bool debug = false) {
  WalkContext ctx = withPorts(ports);
  return renderRecord(Mode::kReport, record, ctx, debug);
}
std::string script(const Bytes& record, unsigned ports, bool debug = false, bool all = false) {
  WalkContext ctx = withPorts(ports);
  return renderRecord(Mode::kScript, record, ctx, debug, all);
}

template <typename Handler>
std::uint32_t lengthOf(Handler handler, const Bytes& record, unsigned ports) {
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  WalkContext ctx = withPorts(ports);
  return handler(cfgscribe::Record(orva::ByteView(record.data(), record.size())), ctx, o);
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// Three ports of four paths each, every mode value and one out of range.
const Bytes kModes = portGrouped(16, 0x00, 1, 0, 4, {1, 2, 3, 4, 5, 6, 0, 7, 2, 9, 1, 3});

TEST(PathMode, ReportListsEveryPathOfEveryPort) {
  expectGolden(report(kModes, 3), "paths/mode_report");
  EXPECT_EQ(lengthOf(cfgscribe::records::pathModeReport, kModes, 3), 17u);
}

TEST(PathMode, ScriptCommandsEveryPathInBothFlavours) {
  expectGolden(script(kModes, 3), "paths/mode_script");
  expectGolden(script(kModes, 3, false, true), "paths/mode_script");
  EXPECT_EQ(lengthOf(cfgscribe::records::pathModeScript, kModes, 3), 17u);
}

TEST(PathMode, DebugLinesFollowTheHeading) {
  const Bytes record = portGrouped(16, 0x20, 1, 0, 1, {6});
  EXPECT_EQ(report(record, 1, true),
            "\nPath Mode\n"
            "debug  Record Type       : 16\n"
            "debug  Attributes        : 0x20\n"
            "debug  Element Size      : 1\n"
            "debug  Num Misc          : 0\n"
            "debug  Num Port          : 1\n"
            " Port 1 Path Mode\n"
            "   RX1-DTMF Mode:  6 -- Always ON\n"
            "\n");
  EXPECT_EQ(script(record, 1, true),
            "\n; Set Path Mode\n"
            ";debug  Record Type       : 16\n"
            ";debug  Attributes        : 0x20\n"
            ";debug  Element Size      : 1\n"
            ";debug  Num Misc          : 0\n"
            ";debug  Num Port          : 1\n"
            ";  Port 1 Path Mode\n"
            "MPW 57  1 6 *" + blanks(37) + "; RX1-DTMF, Always ON\n"
            "\n");
}

TEST(PathMode, MiscellaneousElementsAreSteppedOver) {
  // Two miscellaneous bytes before the port groups must not shift them.
  const Bytes withMisc = portGrouped(16, 0x00, 1, 2, 4, cat({{0xAA, 0xBB}, {1, 2, 3, 4, 5, 6, 0, 7, 2, 9, 1, 3}}));
  EXPECT_EQ(report(withMisc, 3), report(kModes, 3));
  EXPECT_EQ(script(withMisc, 3), script(kModes, 3));
  EXPECT_EQ(lengthOf(cfgscribe::records::pathModeReport, withMisc, 3), 19u);
  EXPECT_EQ(lengthOf(cfgscribe::records::pathModeScript, withMisc, 3), 19u);
}

TEST(PathMode, WiderElementsShowTheirFirstByte) {
  const Bytes wide = portGrouped(16, 0x00, 2, 0, 2, {3, 0x55, 6, 0x66});
  EXPECT_EQ(report(wide, 1),
            "\nPath Mode\n"
            " Port 1 Path Mode\n"
            "   RX1-DTMF Mode:  3 -- Carrier AND CTCSS\n"
            "   RX1-TX1  Mode:  6 -- Always ON\n"
            "\n");
}

TEST(PathMode, ElementsWithoutAModeByteShowAsErrors) {
  // Element size 0 stores no mode; a record cut short by the end of the
  // image stores none for its last ports. Neither reads a neighbour.
  const Bytes empty = portGrouped(16, 0x00, 0, 0, 1, {});
  EXPECT_EQ(report(cat({empty, {4}}), 1),
            "\nPath Mode\n"
            " Port 1 Path Mode\n"
            "   RX1-DTMF Mode:  255 -- [Error: 0xff], \n"
            "\n");
  EXPECT_EQ(lengthOf(cfgscribe::records::pathModeReport, empty, 1), 5u);

  const Bytes cut = portGrouped(16, 0x00, 1, 0, 1, {2});
  EXPECT_EQ(script(cut, 2),
            "\n; Set Path Mode\n"
            ";  Port 1 Path Mode\n"
            "MPW 57  1 2 *" + blanks(37) + "; RX1-DTMF, CTCSS Only\n"
            "\n"
            ";  Port 2 Path Mode\n"
            "MPW 57  2 255 *" + blanks(37) + "; RX2-DTMF, [Error: 0xff], \n"
            "\n");
}

TEST(PathMode, ZeroPortsPrintOnlyTheHeadings) {
  EXPECT_EQ(report(kModes, 0), "\nPath Mode\n");
  EXPECT_EQ(script(kModes, 0), "\n; Set Path Mode\n");
  EXPECT_EQ(lengthOf(cfgscribe::records::pathModeReport, kModes, 0), 5u);
}

Bytes priorityGroup(Bytes priority, Bytes mix) { return cat({priority, mix}); }

// Port 1: a gap in the priority list; port 2: nothing; port 3: a mix entry
// beyond the port count, which is neither shown nor commanded.
const Bytes kPriority = portGrouped(17, 0x00, 6, 0, 2,
                                    cat({priorityGroup({3, 0, 1, 0, 0, 0}, {2, 0, 0, 0, 0, 0}),
                                         priorityGroup({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}),
                                         priorityGroup({1, 2, 3, 0, 0, 0}, {0, 0, 0, 9, 0, 0})}));

TEST(PathPriority, ReportShowsTheFirstEntriesOfEachList) {
  EXPECT_EQ(report(kPriority, 3),
            "\nPath Priority\n"
            " Receivers Priority to Port 1 : 3 1 \n"
            " Receivers Mixed to Port 1    : 2 \n"
            " Receivers Priority to Port 2 : none \n"
            " Receivers Mixed to Port 2    : none \n"
            " Receivers Priority to Port 3 : 1 2 3 \n"
            " Receivers Mixed to Port 3    : none \n");
  EXPECT_EQ(lengthOf(cfgscribe::records::pathPriorityReport, kPriority, 3), 5u + 36u);
}

TEST(PathPriority, ScriptCommandsEachNonEmptyList) {
  const std::string expected =
      "\n; Set Path Priority\n"
      ";  Receiver Priority to Port 1 : 3 1 \n"
      ";  Receiver Mixed to Port 1    : 2 \n"
      "MPW 90 1 3 1 *    ; RX-TX1\n"
      "MPW 90 1 2 *    ; RX-TX1\n"
      "\n"
      ";  Receiver Priority to Port 2 : none \n"
      ";  Receiver Mixed to Port 2    : none \n"
      "\n"
      ";  Receiver Priority to Port 3 : 1 2 3 \n"
      ";  Receiver Mixed to Port 3    : none \n"
      "MPW 90 3 1 2 3 *    ; RX-TX3\n"
      "\n";
  EXPECT_EQ(script(kPriority, 3), expected);
  EXPECT_EQ(script(kPriority, 3, false, true), expected);
  EXPECT_EQ(lengthOf(cfgscribe::records::pathPriorityScript, kPriority, 3), 41u);
}

TEST(PathPriority, DebugLinesFollowTheHeading) {
  const Bytes record = portGrouped(17, 0x00, 6, 0, 2, priorityGroup({1, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(script(record, 1, true),
            "\n; Set Path Priority\n"
            ";debug  Record Type       : 17\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 6\n"
            ";debug  Num Misc          : 0\n"
            ";debug  Num Port          : 2\n"
            ";  Receiver Priority to Port 1 : 1 \n"
            ";  Receiver Mixed to Port 1    : none \n"
            "MPW 90 1 1 *    ; RX-TX1\n"
            "\n");
}

TEST(PathPriority, ListsAreTheElementsWhateverTheirSize) {
  // Element size 2 with two ports: the mix list is the second element, not
  // the bytes at group offset 6 (which belong to the next port).
  const Bytes narrow = portGrouped(17, 0x00, 2, 0, 2, {2, 1, 1, 0, 0, 0, 0, 2});
  EXPECT_EQ(report(narrow, 2),
            "\nPath Priority\n"
            " Receivers Priority to Port 1 : 2 1 \n"
            " Receivers Mixed to Port 1    : 1 \n"
            " Receivers Priority to Port 2 : none \n"
            " Receivers Mixed to Port 2    : 2 \n");
  // Entries are cut to the element (three ports, two bytes per list) and to
  // the image, which ends after the first byte of port 3.
  const Bytes oneList = portGrouped(17, 0x00, 2, 0, 1, {3, 1, 7, 7, 7});
  EXPECT_EQ(report(oneList, 3),
            "\nPath Priority\n"
            " Receivers Priority to Port 1 : 3 1 \n"
            " Receivers Mixed to Port 1    : none \n"
            " Receivers Priority to Port 2 : 7 7 \n"
            " Receivers Mixed to Port 2    : none \n"
            " Receivers Priority to Port 3 : 7 \n"
            " Receivers Mixed to Port 3    : none \n");
}

TEST(PathPriority, MiscellaneousElementsAreSteppedOverAndZeroPortsPrintHeadings) {
  const Bytes withMisc = portGrouped(17, 0x00, 6, 1, 2,
                                     cat({{9, 9, 9, 9, 9, 9}, priorityGroup({3, 0, 1, 0, 0, 0}, {2, 0, 0, 0, 0, 0}),
                                          priorityGroup({0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}),
                                          priorityGroup({1, 2, 3, 0, 0, 0}, {0, 0, 0, 9, 0, 0})}));
  EXPECT_EQ(report(withMisc, 3), report(kPriority, 3));
  EXPECT_EQ(lengthOf(cfgscribe::records::pathPriorityScript, withMisc, 3), 47u);
  EXPECT_EQ(report(kPriority, 0), "\nPath Priority\n");
  EXPECT_EQ(script(kPriority, 0), "\n; Set Path Priority\n");
  EXPECT_EQ(lengthOf(cfgscribe::records::pathPriorityScript, kPriority, 0), 5u);
}

}  // namespace
