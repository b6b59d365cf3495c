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
using testsupport::fill;
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
std::uint32_t lengthOf(Handler handler, const Bytes& record, unsigned ports, bool all = false) {
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink, false, all, true};
  WalkContext ctx = withPorts(ports);
  return handler(cfgscribe::Record(orva::ByteView(record.data(), record.size())), ctx, o);
}

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

const std::string kHeading = "   Msg#  Contents                                   Description\n";
// The contents column of an empty slot: "----" and 36 blanks.
const std::string kEmpty = "----" + blanks(36);
// The script's placeholder for an empty slot and the blanks after it.
std::string placeholder(const char* number) {
  return std::string(";MPW 31 ") + number + " <message> *" + blanks(26);
}

// Slot counts below the catalogue's so the report stays short: 20
// miscellaneous slots and 3 per port, 6 content bytes each. A message in an
// undefined slot (7), a grouped unit, one that fills its field, an empty
// port and a port with one message.
const Bytes kMessages = portGrouped(15, 0x00, 6, 20, 3,
                                    cat({{1, 0x01, 0x02, 0xFF},
                                         {7, 0x10, 0xFF},
                                         {16, 0x97, 0x41, 0x42, 0x98, 0x05, 0xFF},
                                         {0xFF},
                                         {2, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66},
                                         {0xFF},
                                         {0xFF},
                                         {1, 0x05, 0xFF},
                                         {0xFF}}));

TEST(Messages, ReportListsDefinedSlotsAndStoredMessages) {
  expectGolden(report(kMessages, 3), "messages/report");
  EXPECT_EQ(lengthOf(cfgscribe::records::messagesReport, kMessages, 3), 33u);
}

TEST(Messages, ScriptCommandsEveryStoredMessage) {
  expectGolden(script(kMessages, 3), "messages/script");
  EXPECT_EQ(lengthOf(cfgscribe::records::messagesScript, kMessages, 3), 33u);
}

TEST(Messages, AllValuesScriptAddsPlaceholdersUpToSlot99) {
  expectGolden(script(kMessages, 1, false, true), "messages/script_all");
}

TEST(Messages, DebugLinesAndEmptyGroupLines) {
  const Bytes record = portGrouped(15, 0x00, 4, 2, 1, {1, 0x12, 0xFF, 0xFF, 0xFF});
  EXPECT_EQ(report(record, 1, true),
            "\nMessages\n"
            "debug  Record Type       : 15\n"
            "debug  Attributes        : 0x0\n"
            "debug  Element Size      : 4\n"
            "debug  Num Misc          : 2\n"
            "debug  Num Port          : 1\n"
            " Miscellaneous Messages\n" + kHeading +
            "   0000: " + kEmpty + "-- Warm Reset Command Response Message\n"
            "   0001: 12 " + blanks(37) + "-- OK Command Response Message\n"
            "\n Port 1 Messages\n" + kHeading +
            "   0100: " + kEmpty + "-- Path 11 (RX1-TX1) Courtesy Message\n");
  EXPECT_EQ(script(record, 1, true),
            "\n; Define Messages\n"
            ";debug  Record Type       : 15\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 4\n"
            ";debug  Num Misc          : 2\n"
            ";debug  Num Port          : 1\n"
            ";  Miscellaneous Messages\n"
            "MPW 31 0001 12 * " + blanks(33) + "; OK Command Response Message\n"
            "\n;  Port 1 Messages\n"
            ";    No Messages Set on Port 1\n");
  const Bytes empty = portGrouped(15, 0x00, 4, 25, 14, {0xFF});
  EXPECT_EQ(script(empty, 0), "\n; Define Messages\n;  Miscellaneous Messages\n;    No Misc. Messages Set\n");
}

TEST(Messages, EmptyMiscellaneousGroupListsOnlyTheDefinedSlots) {
  const Bytes empty = portGrouped(15, 0x00, 4, 25, 14, {0xFF});
  const std::string text = report(empty, 0);
  std::size_t rows = 0;
  for (std::size_t at = text.find("   00"); at != std::string::npos; at = text.find("   00", at + 1)) ++rows;
  EXPECT_EQ(rows, 14u);
  EXPECT_NE(text.find("   0003: " + kEmpty + "-- Error 2"), std::string::npos);
  EXPECT_EQ(text.find("   0004: "), std::string::npos);
  EXPECT_EQ(text.find("   0014: "), std::string::npos);
  EXPECT_NE(text.find("   0024: " + kEmpty + "-- User Message #10\n"), std::string::npos);
  EXPECT_EQ(lengthOf(cfgscribe::records::messagesReport, empty, 0), 6u);
}

TEST(Messages, ContentsColumnsAtTheirEdges) {
  // Each byte prints as two digits and a blank: 3 characters.
  struct Case {
    std::size_t bytes;
    int reportPad;  // blanks before "-- " (the column is 40 wide)
    int scriptPad;  // blanks before "; " (column 50 after a 12-character prefix and "* ")
  } cases[] = {{11, 7, 3}, {12, 4, 0}, {13, 1, 0}, {14, 0, 0}};
  for (const Case& c : cases) {
    const Bytes contents = fill(c.bytes, 0x12);
    // The contents fill the field: no end mark, the group's 0xFF follows.
    const Bytes record = portGrouped(15, 0x00, static_cast<std::uint8_t>(c.bytes), 2, 0,
                                     cat({{1}, contents, {0xFF}}));
    std::string shown;
    for (std::size_t k = 0; k < c.bytes; ++k) shown += "12 ";
    EXPECT_NE(report(record, 0).find("   0001: " + shown + blanks(c.reportPad) + "-- OK Command"), std::string::npos)
        << c.bytes;
    EXPECT_NE(script(record, 0).find("MPW 31 0001 " + shown + "* " + blanks(c.scriptPad) + "; OK Command"),
              std::string::npos)
        << c.bytes;
    EXPECT_EQ(lengthOf(cfgscribe::records::messagesReport, record, 0), 5 + 1 + c.bytes + 1) << c.bytes;
  }
}

TEST(Messages, ExtraStoredMessagesAreSkippedToTheGroupEnd) {
  // Two miscellaneous slots but four stored messages: the last two are not
  // shown, and port 1 is still read from its own start.
  const Bytes record = portGrouped(15, 0x00, 4, 2, 14,
                                   cat({{0, 0x01, 0xFF}, {1, 0x02, 0xFF}, {2, 0x03, 0xFF}, {3, 0x04, 0xFF}, {0xFF},
                                        {0, 0x05, 0xFF}, {0xFF}}));
  const std::string text = report(record, 1);
  EXPECT_NE(text.find("   0001: 02 " + blanks(37) + "-- OK Command Response Message\n"
                      "   Warning: 2 stored messages beyond the 2 slots not shown\n"
                      "\n Port 1 Messages\n" + kHeading +
                      "   0100: 05 " + blanks(37) + "-- Path 11 (RX1-TX1) Courtesy Message\n"
                      "   0101: " + kEmpty),
            std::string::npos);
  EXPECT_EQ(text.find("0002: 03"), std::string::npos);
  EXPECT_EQ(script(record, 1),
            "\n; Define Messages\n"
            ";  Miscellaneous Messages\n"
            "MPW 31 0000 01 * " + blanks(33) + "; Warm Reset Command Response Message\n"
            "MPW 31 0001 02 * " + blanks(33) + "; OK Command Response Message\n"
            ";    Warning: 2 stored messages beyond the 2 slots not set\n"
            "\n;  Port 1 Messages\n"
            "MPW 31 0100 05 * " + blanks(33) + "; Path 11 (RX1-TX1) Courtesy Message\n");
  EXPECT_EQ(lengthOf(cfgscribe::records::messagesReport, record, 1), 22u);
  EXPECT_EQ(lengthOf(cfgscribe::records::messagesScript, record, 1), 22u);
}

TEST(Messages, SlotsOutsideTheCatalogueHaveNoDescription) {
  // Port slot 101 is not port entry 1; miscellaneous slot 30 has no entry.
  const Bytes record = portGrouped(15, 0x00, 2, 25, 14, cat({{30, 0x09, 0xFF}, {0xFF}, {101, 0x07, 0xFF}, {0xFF}}));
  const std::string text = report(record, 1);
  EXPECT_NE(text.find("   0030: 09 " + blanks(37) + "-- \n"), std::string::npos);
  EXPECT_NE(text.find("   0113: " + kEmpty + "-- TX1 DTMF Cover Tone Message\n"
                      "   0201: 07 " + blanks(37) + "-- \n"),
            std::string::npos);
  EXPECT_NE(script(record, 1).find("MPW 31 0201 07 * " + blanks(33) + "; \n"), std::string::npos);
}

TEST(Messages, RecordCutShortByTheImageEnd) {
  // No end marks at all: the contents stop at the image end and every
  // later group reads as empty.
  const Bytes cut = portGrouped(15, 0x00, 6, 25, 14, {1, 0x01, 0x02});
  const std::string text = report(cut, 3);
  EXPECT_NE(text.find("   0001: 01 02 " + blanks(34) + "-- OK"), std::string::npos);
  EXPECT_NE(text.find("   0313: " + kEmpty + "-- TX3 DTMF Cover Tone Message\n"), std::string::npos);
  EXPECT_NE(script(cut, 3, false, true).find(placeholder("0313")), std::string::npos);
}

TEST(Messages, ZeroPortsLeaveOnlyTheMiscellaneousGroup) {
  EXPECT_EQ(script(kMessages, 0),
            "\n; Define Messages\n"
            ";  Miscellaneous Messages\n"
            "MPW 31 0001 01 02 * " + blanks(30) + "; OK Command Response Message\n"
            "MPW 31 0007 10 * " + blanks(33) + "; Reserved\n"
            "MPW 31 0016 974142 9805 * " + blanks(24) + "; User Message #2\n");
  EXPECT_EQ(lengthOf(cfgscribe::records::messagesScript, kMessages, 0), 20u);
}

TEST(Messages, TheWalkGoesOnAfterTheMessageGroups) {
  // The record's length comes from its contents; the path mode record
  // after it must be found where it starts, extra stored messages or not.
  testsupport::ControllerSpec controller;
  controller.receivers = 1;
  const Bytes extra = portGrouped(15, 0x00, 4, 1, 14, cat({{0, 0x01, 0xFF}, {1, 0x02, 0xFF}, {0xFF}, {0xFF}}));
  const Bytes image = testsupport::ConfigFile()
                          .add(testsupport::controllerRecord(controller))
                          .add(extra)
                          .add(portGrouped(16, 0x00, 1, 0, 1, {4}))
                          .image();
  const std::string tail = "\nPath Mode\n Port 1 Path Mode\n   RX1-DTMF Mode:  4 -- Carrier OR CTCSS\n\n";
  const std::string text = testsupport::renderWalk(Mode::kReport, image);
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

}  // namespace
