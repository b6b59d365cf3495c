// The JSON export read back by a real parser: every command line of the
// all-values script is the command of one setting, with the script's
// choice of commenting it out; and damage is in the document too.
#include <nlohmann/json.hpp>

#include <algorithm>
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

struct ScriptCommand {
  std::string text;
  bool atDefault;
  friend bool operator==(const ScriptCommand&, const ScriptCommand&) = default;
};

std::ostream& operator<<(std::ostream& out, const ScriptCommand& c) {
  return out << (c.atDefault ? ";" : "") << c.text;
}

// The command lines of a script, each without its comment and the blanks
// before it; commented-out commands are at their defaults. Template lines
// (placeholders in angle brackets or letters) set nothing.
std::vector<ScriptCommand> scriptCommands(const std::string& script) {
  std::vector<ScriptCommand> commands;
  std::size_t from = 0;
  while (from < script.size()) {
    const std::size_t end = script.find('\n', from);
    std::string line = script.substr(from, end - from);
    from = end == std::string::npos ? script.size() : end + 1;
    const bool commented = line.starts_with(';');
    if (commented) line.erase(0, 1);
    if (!(line.starts_with("MPW ") || (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0]))))) continue;
    if (line.find('<') != std::string::npos || line.find("xxxx") != std::string::npos) continue;
    const std::size_t comment = line.find("; ");
    line = line.substr(0, comment);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    commands.push_back({line, commented});
  }
  return commands;
}

// The commands of every setting of the document, in file order.
std::vector<ScriptCommand> jsonCommands(const json& document) {
  std::vector<ScriptCommand> commands;
  for (const json& record : document.at("records")) {
    for (const json& setting : record.at("settings")) {
      for (const char* field : {"key", "field", "name", "value", "text", "unit"}) {
        EXPECT_TRUE(setting.contains(field)) << field << " in " << setting.dump();
      }
      // A record's settings are its own: each family decodes only its type.
      EXPECT_EQ(setting.at("key").at("type"), record.at("type")) << setting.dump();
      const bool atDefault = setting.value("atDefault", false);
      if (setting.contains("command")) commands.push_back({setting.at("command"), atDefault});
      if (setting.contains("commands")) {
        for (const json& line : setting.at("commands")) commands.push_back({line, atDefault});
      }
    }
  }
  return commands;
}

TEST(JsonExport, EveryScriptCommandIsASetting) {
  TempDir dir;
  // The shipped examples, and the complete one with records re-drawn.
  std::vector<ExampleConfig> files = exampleConfigs();
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    files.push_back({"redrawn" + std::to_string(seed) + ".cfg", redrawnPair(exampleCompleteConfig(), seed, 4).newFile});
  }
  for (const ExampleConfig& example : files) {
    const std::string path = dir.write(example.fileName, example.bytes);
    const auto script = runCfgscribeInProcess({"-a", path});
    const auto exported = runCfgscribeInProcess({"--json", path});
    EXPECT_EQ(exported.status, script.status) << example.fileName;
    const json document = json::parse(exported.output);
    EXPECT_EQ(document.at("formatVersion"), 1);
    EXPECT_EQ(document.at("damaged"), false) << example.fileName;
    const std::vector<ScriptCommand> fromJson = jsonCommands(document);
    const std::vector<ScriptCommand> fromScript = scriptCommands(script.output);
    EXPECT_TRUE(!fromScript.empty() || example.fileName != "summit.cfg");
    EXPECT_EQ(fromJson, fromScript) << example.fileName;
    // The records are those the report's debug lines name, at the same offsets.
    const std::vector<std::size_t> offsets = recordOffsets(runCfgscribeInProcess({"-rd", path}).output, Mode::kReport);
    ASSERT_EQ(document.at("records").size(), offsets.size()) << example.fileName;
    for (std::size_t i = 0; i < offsets.size(); ++i) EXPECT_EQ(document["records"][i].at("offset"), offsets[i]);
  }
}

TEST(JsonExport, DamageAndTextsFromTheFile) {
  TempDir dir;
  // A control byte and a Latin-1 letter in the name; an unknown record; no end marker.
  const Bytes file = ConfigFile()
                         .name(std::string("Club\x01") + "\xE9")
                         .add(controllerRecord({}))
                         .add(elementArray(40, 0x01, 1, 1, {7}))
                         .noEnd()
                         .file();
  const auto exported = runCfgscribeInProcess({"--json", dir.write("d.cfg", file)});
  EXPECT_EQ(exported.status, orva::kExitDamaged);
  EXPECT_EQ(exported.output.find('\x01'), std::string::npos) << "control bytes are escaped";
  const json document = json::parse(exported.output);
  EXPECT_EQ(document.at("header").at("name"), "Club\x01\xC3\xA9");
  EXPECT_EQ(document.at("damaged"), true);
  const json& problems = document.at("problems");
  ASSERT_EQ(problems.size(), 2u) << problems.dump();
  EXPECT_EQ(problems[0], "DAMAGED: offset 0x24, cfgRec_Unrecognized 40: record type 40 is not one this program knows");
  EXPECT_EQ(problems[1], "DAMAGED: the image ends at byte 0x29 without its end marker (0xFF)");
  EXPECT_EQ(document.at("records")[1].at("name"), "cfgRec_Unrecognized 40");
  // Header damage, and a file that cannot be opened gives no document.
  EXPECT_EQ(json::parse(runCfgscribeInProcess({"--json", dir.write("e.cfg", {})}).output).at("problems").size(), 3u);
  EXPECT_EQ(runCfgscribeInProcess({"--json", dir.path() + "/none.cfg"}).status, orva::kExitFailure);
  EXPECT_EQ(runCfgscribeInProcess({"--json"}).status, orva::kExitFailure);
}

}  // namespace
