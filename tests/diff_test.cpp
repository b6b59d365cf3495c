// The script of the differences: applied to a controller configured as
// OLD, its commands leave it configured as NEW, and it restates nothing.
#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/exit_status.h"
#include "examples/example_configs.h"
#include "generators/config_pairs.h"
#include "generators/output_checks.h"
#include "harness.h"

namespace {

using namespace testsupport;
using nlohmann::json;

// The command lines of a script, without comments and the blanks before them.
std::vector<std::string> commandLines(const std::string& script) {
  std::vector<std::string> commands;
  std::size_t from = 0;
  while (from < script.size()) {
    const std::size_t end = script.find('\n', from);
    std::string line = script.substr(from, end - from);
    from = end == std::string::npos ? script.size() : end + 1;
    if (line.empty() || line[0] == ';') continue;
    line = line.substr(0, line.find("; "));
    while (!line.empty() && line.back() == ' ') line.pop_back();
    commands.push_back(line);
  }
  return commands;
}

// A configuration as the controller holds it: each setting's commands by
// key, and its value where the command does not show it ("MPW 92 CPW *").
// A list is compared by what it holds: its commands as written also show
// other records (a macro's password prefixes).
using State = std::map<std::string, std::pair<std::string, std::string>>;

State stateOf(const json& document) {
  State state;
  for (const json& record : document.at("records")) {
    for (const json& s : record.at("settings")) {
      std::string commands;
      if (s.contains("command")) commands = s.at("command");
      if (s.contains("commands")) {
        for (const json& line : s.at("commands")) commands += std::string(line) + "\n";
      }
      if (commands.empty()) continue;
      state[s.at("key").dump()] = {s.contains("commands") ? "" : commands, s.at("text")};
    }
  }
  return state;
}

bool contains(const std::vector<std::string>& lines, const std::string& commands) {
  std::size_t from = 0;
  while (from < commands.size()) {
    const std::size_t end = commands.find('\n', from);
    if (std::find(lines.begin(), lines.end(), commands.substr(from, end - from)) == lines.end()) return false;
    from = end == std::string::npos ? commands.size() : end + 1;
  }
  return true;
}

const std::string kMasterPassword = json{{"entry", 0}, {"field", 0}, {"group", 0}, {"type", 6}}.dump();

TEST(Differences, ApplyingTheScriptToOldGivesNew) {
  TempDir dir;
  const Bytes base = exampleCompleteConfig();
  for (std::uint32_t seed = 0; seed < 24; ++seed) {
    const ConfigPair pair = redrawnPair(base, seed, seed % 4);  // seed 0, 4, ...: identical files
    const std::string oldPath = dir.write("old.cfg", pair.oldFile), newPath = dir.write("new.cfg", pair.newFile);
    const auto diff = runCfgscribeInProcess({"--diff", oldPath, newPath});
    ASSERT_EQ(diff.status, orva::kExitSuccess) << seed << diff.output;
    EXPECT_EQ(firstLineNotSafeToSend(diff.output), "") << seed;
    const State before = stateOf(json::parse(runCfgscribeInProcess({"--json", oldPath}).output));
    const State after = stateOf(json::parse(runCfgscribeInProcess({"--json", newPath}).output));
    const std::vector<std::string> sent = commandLines(diff.output);
    if (pair.oldFile == pair.newFile) {
      EXPECT_TRUE(sent.empty()) << seed << diff.output;
    }
    for (const auto& [key, setting] : after) {
      if (key == kMasterPassword) continue;
      const std::string& commands = setting.first;
      if (commands.empty()) continue;  // lists: by hand-written cases
      const auto was = before.find(key);
      const bool changed = was == before.end() || was->second != setting;
      // What changed is sent as NEW has it; what did not is not restated.
      EXPECT_EQ(contains(sent, commands), changed) << seed << " " << key << " " << commands;
    }
    // Nothing is sent that NEW does not hold, but the master password, last.
    std::size_t matched = 0;
    for (const std::string& line : sent) {
      const bool ofNew = line.starts_with("MPW 2") || std::any_of(after.begin(), after.end(), [&](const auto& e) {
        return e.first != kMasterPassword && e.second.first.find(line) != std::string::npos;
      });
      matched += ofNew ? 1 : 0;
      if (!ofNew) {
        EXPECT_TRUE(line.starts_with("MPW 93 ") && &line == &sent.back()) << seed << " " << line;
      }
    }
    EXPECT_GE(matched + 1, sent.size());
  }
}

TEST(Differences, HandWrittenCases) {
  TempDir dir;
  const Bytes base = exampleCompleteConfig();
  const std::string basePath = dir.write("base.cfg", base);
  // One timer changed: NEW's command, the all-values comment and what it was.
  Bytes timer = base;
  std::size_t at = 0;  // the 10 ms timers record, where the JSON export says it is
  const json exported = json::parse(runCfgscribeInProcess({"--json", basePath}).output);
  for (const json& record : exported.at("records")) {
    if (record.at("type") == 11) at = 256 + record.at("offset").get<std::size_t>();
  }
  ASSERT_NE(at, 0u);
  timer[at + 5 + 2 * 2] = 0;  // Logic Output #3: 50 in OLD (10 ms units), 100 in the example
  timer[at + 5 + 2 * 2 + 1] = 50;
  const auto one = runCfgscribeInProcess({"--diff", dir.write("t.cfg", timer), basePath});
  EXPECT_EQ(one.status, orva::kExitSuccess);
  EXPECT_NE(one.output.find("\n; cfgRec_Timers10\nMPW 09 0002   100 *" + blanks(31) +
                            ";  1000 ms, Logic Output #3 Momentary Time (was 500 ms)\n"),
            std::string::npos)
      << one.output;
  // A changed path priority list is sent whole, its comment four blanks
  // after the command as in the all-values script.
  Bytes priority = base;
  for (const json& record : exported.at("records")) {
    if (record.at("type") == 17) at = 256 + record.at("offset").get<std::size_t>();
  }
  priority[at + 5 + 1] = 3;  // port 1's priority list: 1 2 in the example, 1 3 here
  const auto lists = runCfgscribeInProcess({"--diff", basePath, dir.write("p.cfg", priority)});
  EXPECT_EQ(commandLines(lists.output), std::vector<std::string>{"MPW 90 1 1 3 *"}) << lists.output;
  EXPECT_NE(lists.output.find("\nMPW 90 1 1 3 *    ; RX-TX1 (was 1 2 )\n"), std::string::npos) << lists.output;
  // A record no command sets (of a type this program does not know) is
  // named when its bytes differ, and only then; a record only NEW has is
  // sent by its commands alone.
  const Bytes unknown = elementArray(200, 0x01, 2, 1, {1, 2});
  const Bytes unknownChanged = elementArray(200, 0x01, 2, 1, {1, 3});
  const auto withUnknown = [&](const Bytes& extra) {
    return ConfigFile().add(controllerRecord({})).add(extra).file();
  };
  const std::string unknownPath = dir.write("u.cfg", withUnknown(unknown));
  const auto unknownDiffers =
      runCfgscribeInProcess({"--diff", unknownPath, dir.write("u2.cfg", withUnknown(unknownChanged))});
  EXPECT_NE(unknownDiffers.output.find("\n; cfgRec_Unrecognized 200\n;  Differs in what no command of this script sets"),
            std::string::npos)
      << unknownDiffers.output;
  const auto unknownSame = runCfgscribeInProcess({"--diff", unknownPath, unknownPath});
  EXPECT_EQ(unknownSame.output.find("Differs in what"), std::string::npos) << unknownSame.output;
  const auto onlyNew = runCfgscribeInProcess(
      {"--diff", unknownPath, dir.write("t2.cfg", withUnknown(cat({unknown, elementArray(11, 0x01, 2, 1, {0, 50})})))});
  EXPECT_EQ(onlyNew.output.find("Differs in what"), std::string::npos) << onlyNew.output;
  EXPECT_FALSE(commandLines(onlyNew.output).empty()) << onlyNew.output;
  // What no command sets is named in the header block: a firmware version
  // of the controller definition (payload byte 5, file offset 256 + 9).
  Bytes firmware = base;
  firmware[256 + 9] = 2;
  const auto versions = runCfgscribeInProcess({"--diff", dir.write("f.cfg", firmware), basePath});
  EXPECT_NE(versions.output.find(";   Differs: Controller Firmware Version: 1.4.2 (was 2.4.2)\n"), std::string::npos)
      << versions.output;
  EXPECT_TRUE(commandLines(versions.output).empty());
  // Identical files: no command at all, the script still closes.
  const auto same = runCfgscribeInProcess({"--diff", basePath, basePath});
  EXPECT_TRUE(commandLines(same.output).empty()) << same.output;
  EXPECT_TRUE(same.output.ends_with("\n; End of Script\n\n"));
  // Controllers that differ: one line, no commands, status 1.
  ControllerSpec two;
  two.receivers = 2;
  const auto other = runCfgscribeInProcess(
      {"--diff", basePath, dir.write("two.cfg", ConfigFile().add(controllerRecord(two)).file())});
  EXPECT_EQ(other.status, orva::kExitFailure);
  EXPECT_NE(other.output.find("; Cannot compare these files setting by setting: their controllers differ"),
            std::string::npos);
  EXPECT_TRUE(commandLines(other.output).empty());
  // A damaged file: the script is written, its header says which file, status 2.
  Bytes cut = base;
  cut.resize(cut.size() - 40);
  const auto damaged = runCfgscribeInProcess({"--diff", basePath, dir.write("cut.cfg", cut)});
  EXPECT_EQ(damaged.status, orva::kExitDamaged);
  EXPECT_NE(damaged.output.find(";   Warning: the new file is damaged"), std::string::npos);
  EXPECT_EQ(firstLineNotSafeToSend(damaged.output), "");
  // The wrong number of files: the usage, status 1.
  EXPECT_EQ(runCfgscribeInProcess({"--diff", basePath}).status, orva::kExitFailure);
}

// Lists: a macro that changed is erased and made again, one only in OLD is
// erased, one only in NEW is made; an entry without a removal command or a
// cold-start value is left to the owner, by name.
TEST(Differences, ListEntriesAddedChangedAndRemoved) {
  TempDir dir;
  auto macros = [](const Bytes& entries) { return cat({{10, 0x01, 32, 0x40, 0x00}, be16(5), entries}); };
  const Bytes callA = {0x03, 0x11, 0x11}, callB = {0x03, 0x22, 0x22}, callC = {0x03, 0x33, 0x33};
  const Bytes before = macros(cat({digits("1234", 2), {0x00}, callA, {0xFF}, be16(6), digits("5678", 2), {0x00},
                                   callB, {0xFF}, be16(0xFFFF)}));
  const Bytes after = macros(cat({digits("1234", 2), {0x00}, callC, {0xFF}, be16(7), digits("9999", 2), {0x00},
                                  callA, {0xFF}, be16(0xFFFF)}));
  // A message only in OLD: the script has no command that clears one.
  const Bytes message = portGrouped(15, 0x00, 4, 2, 0, {1, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  const Bytes noMessage = portGrouped(15, 0x00, 4, 2, 0, {0xFF, 0xFF, 0xFF, 0xFF});
  // A setpoint only in OLD: no command removes one. The master password
  // changes too, with the last command.
  const Bytes setpoint = elementArray(9, 0x02, 8, 2, {0, 0x12, 0x34, 0x00, 0x99, 0x99, 0x99, 0x99, 0x01, 0xFF});
  const Bytes noSetpoint = elementArray(9, 0x02, 8, 2, {0xFF});
  auto passwords = [](std::string_view master) {
    return elementArray(6, 0x01, 4, 2, cat({digits(master, 4), fill(4, 0xFF)}));
  };
  const std::string oldPath = dir.write(
      "o.cfg", ConfigFile().add(controllerRecord({})).add(passwords("12")).add(before).add(message).add(setpoint).file());
  const std::string newPath = dir.write(
      "n.cfg",
      ConfigFile().add(controllerRecord({})).add(passwords("2468")).add(after).add(noMessage).add(noSetpoint).file());
  const auto diff = runCfgscribeInProcess({"--diff", oldPath, newPath});
  EXPECT_EQ(diff.status, orva::kExitSuccess);
  EXPECT_EQ(commandLines(diff.output), (std::vector<std::string>{"MPW 21 1234 *", "MPW 20 1234 3333", "MPW 20 9999 1111",
                                                                 "MPW 21 5678 *", "MPW 93 2468 *"}))
      << diff.output;
  EXPECT_TRUE(diff.output.ends_with(
      "; The master password changes here, with the last command: every command above uses the old one\n"
      "MPW 93 2468 *" + blanks(37) + "; Assign Master Password (was 12)\n\n; End of Script\n\n"))
      << diff.output;
  EXPECT_NE(diff.output.find("\n;  Setpoint 0 (Enabled,  Execute Macro 1234 Every Month"), std::string::npos) << diff.output;
  EXPECT_NE(diff.output.find("MPW 21 5678 *" + blanks(37) + "; Remove Macro 5678 (was 2222)\n"), std::string::npos)
      << diff.output;
  EXPECT_NE(diff.output.find("MPW 21 1234 *" + blanks(37) + "; Erase Macro 1234, to be made again\n"),
            std::string::npos);
  EXPECT_NE(diff.output.find("\n;  OK Command Response Message (12 ) is not in the new configuration: clear it by hand\n"),
            std::string::npos);
}

}  // namespace
