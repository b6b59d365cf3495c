// The settings of the CTCSS, tone generator, path, ID tail, DTMF, message
// handler and message records: each row decodes one small record through
// visitRecordSettings and checks a few settings' keys, values, cold-start
// defaults and commands, cut-short records included.
#include <string>
#include <vector>

#include "cfgscribe/model/decoders.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::Setting;

struct Collected : cfgscribe::SettingVisitor {
  std::vector<Setting> settings;
  void setting(const Setting& s) override { settings.push_back(s); }
};

// A setting's command lines as -a would start them: ";" when at default,
// lines joined by "|"; "" when the script cannot set it.
std::string commandOf(const Setting& s) {
  if (s.kind->command == nullptr) return "";
  const unsigned lines = s.kind->lines ? s.kind->lines(s) : 1;
  return capture([&](orva::Sink& sink) {
    for (unsigned l = 0; l < lines; ++l) {
      Setting line = s;
      line.line = l;
      if (l != 0) sink.put('|');
      if (s.atDefault()) sink.put(';');
      s.kind->command(sink, line);
    }
  });
}

struct Expect {
  std::size_t index;
  unsigned group, entry, field, value;
  int coldStart;  // -1: none
  std::string command;
};

struct Row {
  const char* what;
  Bytes record;
  unsigned receivers, transmitters;
  std::size_t count;
  std::vector<Expect> expects;
};

Bytes handlerPort(unsigned speedCode) {
  return cat({{static_cast<std::uint8_t>(speedCode)}, be16(248), {12}, be16(6), be16(2), {12, 12, 6, 6, 6},
              be16(10), be16(10), {6, 6, 0}});
}

TEST(SettingsFamC, RecordsDecodeIntoSettings) {
  const Row rows[] = {
      {"ctcss: tone, mode and the burst its command carries", portGrouped(18, 0, 3, 0, 1, {30, 1, 2, 26, 0, 0}), 2,
       0, 6,
       {{0, 1, 0, 0, 30, 26, "MPW 03 1 30 * "},
        {1, 1, 1, 0, 1, 0, "MPW 02 1 1 2 * "},
        {2, 1, 1, 1, 2, -1, ""},
        {3, 2, 0, 0, 26, 26, ";MPW 03 2 26 * "},
        {4, 2, 1, 0, 0, 0, ";MPW 02 2 0 0 * "}}},
      {"ctcss cut short: missing bytes read 0xFF", portGrouped(18, 0, 3, 0, 1, {30}), 1, 0, 3,
       {{1, 1, 1, 0, 0xFF, 0, "MPW 02 1 255 255 * "}}},
      {"tones: the mode's command carries level and code",
       portGrouped(25, 0, 7, 0, 2, cat({{1, 2, 7}, be16(48), {0, 0}, {0, 0, 0}, be16(0), {0, 0}})), 0, 2, 8,
       {{0, 1, 0, 0, 2, 0, "MPW 79 1 02 07 0048 *"},
        {2, 1, 0, 2, 48, -1, ""},
        {3, 1, 0, 3, 1, -1, ""},
        {4, 2, 0, 0, 0, 0, ";MPW 79 2 00 00 0000 *"}}},
      {"tones cut short: a partial block is not decoded",
       portGrouped(25, 0, 7, 0, 2, cat({{1, 2, 7}, be16(48), {0, 0}, {0, 3}})), 0, 2, 4, {}},
      {"path modes: no cold start", portGrouped(16, 0, 1, 0, 2, {4, 6, 1, 0}), 2, 0, 4,
       {{1, 1, 1, 0, 6, -1, "MPW 57 11 6 *"}, {2, 2, 0, 0, 1, -1, "MPW 57  2 1 *"}}},
      {"path priority: one list per element, an empty one has no line",
       portGrouped(17, 0, 2, 0, 2, {2, 1, 0, 0, 0, 0, 1, 0}), 2, 0, 4,
       {{0, 1, 0, 0, 2, -1, "MPW 90 1 2 1 *"}, {1, 1, 1, 0, 2, -1, ""}, {3, 2, 1, 0, 2, -1, "MPW 90 2 1 *"}}},
      {"id tails: a set tail has its command, an unset one none",
       portGrouped(19, 0, 2, 0, 2, {0x12, 0x34, 0xFF, 0xFF, 0x56, 0x78, 0x90, 0x12}), 2, 0, 4,
       {{0, 1, 0, 0, 1, -1, "MPW 50 00 1234 *"}, {1, 1, 1, 0, 0, -1, ""}, {3, 2, 1, 0, 1, -1, "MPW 50 03 9012 *"}}},
      {"dtmf: report-only digit counts up to the first empty port", portGrouped(21, 0, 1, 0, 1, {3, 5}), 3, 0, 2,
       {{1, 2, 0, 0, 5, -1, ""}}},
      {"message handlers: beeps, then each transmitter's settings",
       portGrouped(20, 0, 1, 12, 20,
                   cat({be16(48), be16(100), be16(148), be16(198), be16(248), be16(298), handlerPort(12)})),
       1, 0, 6 + 15,
       {{0, 0, 0, 0, 48, 48, ";MPW 06 01 0048 * "},
        {1, 0, 1, 0, 100, 98, "MPW 06 02 0100 * "},
        {6, 1, 0, 0, 12, 6, "MPW 12 10 2 * "},
        {8, 1, 2, 0, 12, 12, ";MPW 10 0100 12 * "},
        {17, 1, 11, 0, 10, 10, ";MPW 08 07 10 * "}}},
      {"message handlers cut short: only stored values", portGrouped(20, 0, 1, 12, 20, cat({be16(48), {0}})), 1, 0, 1,
       {{0, 0, 0, 0, 48, 48, ";MPW 06 01 0048 * "}}},
      {"messages: stored slots in order, excess stepped over",
       portGrouped(15, 0, 4, 2, 0, {1, 0x12, 0xFF, 7, 0x34, 0x56, 0xFF, 9, 0x11, 0xFF, 0xFF}), 0, 0, 2,
       {{0, 0, 1, 0, 2, -1, "MPW 31 0001 12 * "}, {1, 0, 7, 0, 3, -1, "MPW 31 0007 34 56 * "}}},
      {"messages cut short inside a message's contents", portGrouped(15, 0, 4, 2, 0, {3, 0x12}), 0, 0, 1,
       {{0, 0, 3, 0, 2, -1, "MPW 31 0003 12 * "}}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const WalkContext ctx = context(row.receivers, row.transmitters);
    Collected visited;
    cfgscribe::visitRecordSettings(recordOf(row.record), ctx, visited);
    ASSERT_EQ(visited.settings.size(), row.count);
    for (const Expect& e : row.expects) {
      const Setting& s = visited.settings[e.index];
      SCOPED_TRACE(e.index);
      EXPECT_EQ(s.key, (cfgscribe::SettingKey{row.record[0], static_cast<std::uint8_t>(e.group),
                                              static_cast<std::uint16_t>(e.entry), static_cast<std::uint8_t>(e.field)}));
      EXPECT_EQ(s.value, e.value);
      EXPECT_EQ(s.hasColdStart, e.coldStart >= 0);
      if (e.coldStart >= 0) {
        EXPECT_EQ(s.coldStart, static_cast<unsigned>(e.coldStart));
      }
      EXPECT_EQ(commandOf(s), e.command);
    }
  }
}

}  // namespace
