#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/records/handlers.h"
#include "handler_run.h"
#include "support/image_builder.h"

namespace {

using namespace testsupport;
using cfgscribe::ControllerDefinition;
using cfgscribe::WalkContext;
using cfgscribe::records::etmsReport;
using cfgscribe::records::etmsScript;

WalkContext etmContext(std::uint8_t receivers, std::uint8_t nameDigits = 4) {
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = receivers;
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = nameDigits;
  return ctx;
}

Bytes etmRecord(const Bytes& lists, std::uint8_t numMisc = 10, std::uint8_t numPort = 20) {
  return cat({{8, 0x00, 3, numMisc, numPort}, lists});
}

// Two receivers. Miscellaneous: 0 -> 1234, 30 (not a defined ETM) -> 5555,
// 61 -> 4321; port 1: 2 -> 1111; port 2: none.
Bytes sampleRecord() {
  return etmRecord(cat({{0x00, 0x12, 0x34, 30, 0x55, 0x55, 61, 0x43, 0x21, 0xFF}, {0x02, 0x11, 0x11, 0xFF}, {0xFF}}));
}

bool definedMisc(int e) { return e == 0 || e == 1 || (e >= 61 && e <= 68); }
bool definedPort(int e) {
  const int ranges[][2] = {{0, 19}, {22, 24}, {30, 32}, {38, 40}, {46, 48}, {54, 56}, {71, 79}, {84, 99}};
  for (const auto& r : ranges)
    if (e >= r[0] && e <= r[1]) return true;
  return false;
}

std::string description(int group, int e, char marker) {
  std::string text = cfgscribe::lookupDescription(cfgscribe::kEtmTexts, group, e);
  for (std::size_t at; (at = text.find("%c")) != std::string::npos;) text.replace(at, 2, 1, marker);
  return text;
}

std::string number(int group, int e) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d", group, e);
  return text;
}

// The report as the layout rules build it, for names keyed by group x 100 + number.
std::string expectedReport(const std::map<int, std::string>& names, const std::string& debugLines = "") {
  std::string text =
      "\nEvent-Triggered Macros\n" + debugLines + " Miscellaneous ETMs\n   No.    Macro       Description\n";
  for (int e = 0; e < 100; ++e) {
    if (!definedMisc(e)) continue;
    const auto name = names.find(e);
    text += "   " + number(0, e) + ":  " + (name == names.end() ? "----     -- " : name->second + "     -- ") +
            description(0, e, '0') + "\n";
  }
  text += "\n Port ETMs\n   No.    Macro   No.    Macro   No.    Macro       Description\n";
  for (int e = 0; e < 100; ++e) {
    if (!definedPort(e)) continue;
    for (int g = 1; g <= 3; ++g) {
      const auto name = names.find(g * 100 + e);
      text += "   " + number(g, e) + ":  " + (name == names.end() ? "---- " : name->second + " ");
    }
    text += "    -- " + description(1, e, 'p') + "\n";
  }
  return text;
}

std::string unsetLines(int group, int from, int to) {
  std::string text;
  for (int e = from; e <= to; ++e) {
    if (!(group == 0 ? definedMisc(e) : definedPort(e))) continue;
    text += ";MPW 26 " + number(group, e) + " <macroname> *" + blanks(24) + "; " +
            description(group, e, static_cast<char>('0' + group)) + "\n";
  }
  return text;
}

TEST(EtmsReport, TableOfDefinedEtms) {
  WalkContext ctx = etmContext(2);
  const HandlerRun run = runHandler(etmsReport, sampleRecord(), ctx, Flavour::kReport, true);
  EXPECT_EQ(run.text, expectedReport({{0, "1234"}, {61, "4321"}, {102, "1111"}},
                                     "debug  Record Type       : 8\n"
                                     "debug  Attributes        : 0x0\n"
                                     "debug  Element Size      : 3\n"
                                     "debug  Num Misc          : 10\n"
                                     "debug  Num Port          : 20\n"));
  EXPECT_EQ(run.length, 20u);
  // The rows spelled out.
  EXPECT_NE(run.text.find("   0001:  ----     -- Battery Good-to-Not-Good Macro\n"
                          "   0061:  4321     -- Logic Input 1 Hi-to-Lo Macro\n"),
            std::string::npos);
  EXPECT_NE(run.text.find("   0102:  1111    0202:  ----    0302:  ----     -- Any-Path-Active To TXp Macro\n"),
            std::string::npos);
  EXPECT_EQ(run.text.find("0030"), std::string::npos);
}

const std::string kSetMisc = "MPW 26 0000 1234 *" + blanks(32) + "; Power-On Reset Macro\n";
const std::string kSetReserved = "MPW 26 0030 5555 *" + blanks(32) + "; Reserved\n";
const std::string kSetLogic = "MPW 26 0061 4321 *" + blanks(32) + "; Logic Input 1 Hi-to-Lo Macro\n";
const std::string kSetPort = "MPW 26 0102 1111 *" + blanks(32) + "; Any-Path-Active To TX1 Macro\n";

TEST(EtmsScript, SetEtmsOnly) {
  WalkContext ctx = etmContext(2);
  const HandlerRun run = runHandler(etmsScript, sampleRecord(), ctx, Flavour::kScriptS, true);
  EXPECT_EQ(run.text,
            "\n; Set Event-Triggered Macros\n"
            ";debug  Record Type       : 8\n"
            ";debug  Attributes        : 0x0\n"
            ";debug  Element Size      : 3\n"
            ";debug  Num Misc          : 10\n"
            ";debug  Num Port          : 20\n"
            ";debug    Note: Unset ETMs Not Listed Here\n"
            ";  Miscellaneous ETMs\n" + kSetMisc + kSetReserved + kSetLogic +
            "\n;  Port 1 ETMs\n" + kSetPort +
            "\n;  Port 2 ETMs\n;    No ETMs Set\n");
  EXPECT_EQ(run.length, 20u);
}

TEST(EtmsScript, AllValuesListUnsetTemplates) {
  WalkContext ctx = etmContext(2);
  const HandlerRun run = runHandler(etmsScript, sampleRecord(), ctx, Flavour::kScriptA);
  EXPECT_EQ(run.text,
            "\n; Set Event-Triggered Macros\n"
            ";  Miscellaneous ETMs\n" + kSetMisc + unsetLines(0, 1, 29) + kSetReserved + kSetLogic +
            unsetLines(0, 62, 99) +
            "\n;  Port 1 ETMs\n" + unsetLines(1, 0, 1) + kSetPort + unsetLines(1, 3, 99) +
            "\n;  Port 2 ETMs\n" + unsetLines(2, 0, 99));
  EXPECT_NE(run.text.find(";MPW 26 0203 <macroname> *" + blanks(24) + "; All-Paths-Inactive To TX2 Macro\n"),
            std::string::npos);
}

TEST(Etms, EmptyListsWithOneReceiver) {
  const Bytes record = etmRecord({0xFF, 0xFF});
  WalkContext ctx = etmContext(1);
  HandlerRun run = runHandler(etmsReport, record, ctx, Flavour::kReport);
  EXPECT_EQ(run.text, expectedReport({}));
  EXPECT_EQ(run.length, 7u);
  run = runHandler(etmsScript, record, ctx, Flavour::kScriptS);
  EXPECT_EQ(run.text,
            "\n; Set Event-Triggered Macros\n;  Miscellaneous ETMs\n;    No ETMs Set\n"
            "\n;  Port 1 ETMs\n;    No ETMs Set\n");
}

TEST(Etms, NameWidthsAndBadInput) {
  struct Case {
    const char* what;
    std::uint8_t receivers, nameDigits, numMisc;
    Bytes lists;
    std::map<int, std::string> shown;
    std::uint32_t length;
  };
  const Case cases[] = {
      {"six-digit names show four digits", 0, 6, 10, {0x00, 0x12, 0x34, 0x56, 0xFF}, {{0, "1234"}}, 10},
      {"a one-byte name is not read past", 0, 2, 10, {0x00, 0x12, 0xFF}, {{0, "12"}}, 8},
      {"ETM 200 has no slot", 0, 4, 10, {0x00, 0x12, 0x34, 200, 0x99, 0x99, 0xFF}, {{0, "1234"}}, 12},
      {"ports 4 and 5 are not in the report", 5, 4, 10, {0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x44, 0x44, 0xFF, 0xFF}, {}, 14},
      {"capacity 1: two entries read, the next byte ends the list", 0, 4, 1,
       {0x00, 0x12, 0x34, 0x01, 0x56, 0x78, 0x61, 0x43, 0x21, 0xFF}, {{0, "1234"}, {1, "5678"}}, 12},
  };
  for (const Case& c : cases) {
    WalkContext ctx = etmContext(c.receivers, c.nameDigits);
    const HandlerRun run = runHandler(etmsReport, etmRecord(c.lists, c.numMisc), ctx, Flavour::kReport);
    EXPECT_EQ(run.text, expectedReport(c.shown)) << c.what;
    EXPECT_EQ(run.length, c.length) << c.what;
  }
  // The script leaves ETM 200 out and writes the ports beyond 3.
  WalkContext ctx = etmContext(0);
  EXPECT_EQ(runHandler(etmsScript, etmRecord(cases[2].lists), ctx, Flavour::kScriptA).text,
            "\n; Set Event-Triggered Macros\n;  Miscellaneous ETMs\n" + kSetMisc + unsetLines(0, 1, 99));
  ctx = etmContext(5);
  EXPECT_NE(runHandler(etmsScript, etmRecord(cases[3].lists), ctx, Flavour::kScriptS)
                .text.find("\n;  Port 4 ETMs\nMPW 26 0402 4444 *" + blanks(32) + "; Any-Path-Active To TX4 Macro\n"
                           "\n;  Port 5 ETMs\n;    No ETMs Set\n"),
            std::string::npos);
}

}  // namespace
