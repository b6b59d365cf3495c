// What the safe-script rules promise whatever the file holds: every mode
// steps over each record by the same length, damage is named where it is
// found and once more at the end with exit status 2, and a script has no
// line that a controller would key in by mistake.
#include <string>
#include <vector>

#include "common/exit_status.h"
#include "generators/output_checks.h"
#include "harness.h"

namespace {

using namespace testsupport;

const Bytes kMarker = elementArray(99, 0x01, 1, 1, {0});  // where the next record must start

Bytes fileOf(std::initializer_list<Bytes> records, bool end = true) {
  ConfigFile f;
  for (const Bytes& r : records) f.add(r);
  if (!end) f.noEnd();
  return f.file();
}

// Runs each mode with -d on the file; expects the same record offsets in all.
std::vector<std::size_t> offsetsInEveryMode(const TempDir& dir, const Bytes& file, const std::string& what) {
  const std::string path = dir.write("o.cfg", file);
  const std::vector<std::size_t> report = recordOffsets(runCfgscribeInProcess({"-rd", path}).output, Mode::kReport);
  EXPECT_EQ(recordOffsets(runCfgscribeInProcess({"-sd", path}).output, Mode::kScript), report) << what;
  EXPECT_EQ(recordOffsets(runCfgscribeInProcess({"-Cd", path}).output, Mode::kRaw), report) << what;
  return report;
}

// Records whose length the report, the script and the raw dump used to work
// out differently; each is followed by a record that must be found where
// the first one ends.
TEST(RecordLength, EveryModeStepsEachRecordAlike) {
  const Bytes setpoint = {0x12, 0x34, 0x00, 0x99, 0x99, 0x99, 0x99, 0x01};
  const struct {
    const char* what;
    Bytes record;
    std::size_t length;
  } cases[] = {
      {"firmware versions: one element whatever the count", elementArray(3, 0x01, 16, 0, fill(16, 1)), 20},
      {"serial ports: one element whatever the count", elementArray(4, 0x01, 8, 2, fill(8, 0)), 12},
      {"tone generators: one block per transmitter", portGrouped(25, 0x00, 7, 0, 2, fill(21, 0)), 26},
      {"a setpoint number at the count: to the end byte", elementArray(9, 0x02, 8, 1, cat({{5}, setpoint, {0xFF}})),
       14},
      {"messages beyond their slots still belong to the list",
       portGrouped(15, 0x00, 4, 1, 0, {1, 0x12, 0xFF, 2, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 15},
      {"macros of element size 0: one command each",
       elementArray(10, 0x02, 0, 1, {0, 0x00, 0x01, 0x12, 0x34, 0x00, 0x03, 0x99, 0x1E, 0xFF, 0xFF, 0xFF}), 16},
      {"unknown, an indexed list from offset 4", elementArray(40, 0x02, 1, 9, {7, 0xAA, 8, 0xBB, 0xFF}), 9},
      {"unknown, kind 3: its message has no line end", elementArray(70, 0x03, 2, 1, {0, 4, 2}), 7},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::vector<std::size_t> offsets =
        offsetsInEveryMode(dir, fileOf({controllerRecord({}), c.record, kMarker}), c.what);
    EXPECT_EQ(offsets, (std::vector<std::size_t>{0, 0x24, 0x24 + c.length})) << c.what;
  }
  // Texts from the file that look like dispatch lines are not taken for them.
  const Bytes disguised = ConfigFile().name("; offset 0x99:").add(controllerRecord({})).add(kMarker).file();
  EXPECT_EQ(offsetsInEveryMode(dir, disguised, "disguised name"), (std::vector<std::size_t>{0, 0x24}));
  // A controller definition of 16 bytes is stepped by its own header; with
  // no record count stored it limits nothing.
  ControllerSpec shortDefinition;
  shortDefinition.elementSize = 16;
  Bytes definition = controllerRecord(shortDefinition);
  definition.resize(20);
  EXPECT_EQ(offsetsInEveryMode(dir, fileOf({definition, kMarker}), "short definition"),
            (std::vector<std::size_t>{0, 20}));
}

// Each kind of damage: the line that names it (report form; a script has
// ";" before it), status 2 in every mode, and the closing warning.
TEST(Damage, NamedWhereFoundAndSummedUp) {
  const Bytes setpoint = {0x12, 0x34, 0x00, 0x99, 0x99, 0x99, 0x99, 0x01};
  ControllerSpec sixteen;
  sixteen.elementSize = 16;
  const struct {
    const char* what;
    Bytes file;
    std::string line;
  } cases[] = {
      {"empty file", {}, "  VERIFY ERROR: the file holds 0 bytes, less than the 256-byte image header\n"},
      {"a library image", ConfigFile().itype(3).file(),
       "  VERIFY ERROR: ffs_imageHeader->itype expected=0x1, actual=0x3\n"},
      {"isz past the body", ConfigFile().isz(0x1000).file(),
       "  VERIFY ERROR: ffs_imageHeader->isz expected=0x1, actual=0x1000\n"},
      {"no end marker", fileOf({controllerRecord({})}, false),
       "\n  DAMAGED: the image ends at byte 0x24 without its end marker (0xFF)\n"},
      {"record cut short", fileOf({controllerRecord({}), elementArray(22, 0x01, 10, 10, fill(20, 0))}, false),
       "\n  DAMAGED: offset 0x24, cfgRec_CPWAccessTable: cut short by the end of the image: 24 of its 104 bytes "
       "are there\n"},
      {"unknown type", fileOf({controllerRecord({}), elementArray(40, 0x01, 2, 1, {1, 2})}),
       "\n  DAMAGED: offset 0x24, cfgRec_Unrecognized 40: record type 40 is not one this program knows\n"},
      {"controller definition of 16 bytes", fileOf({controllerRecord(sixteen)}),
       "\n  DAMAGED: offset 0x0, cfgRec_Controller: the controller definition holds 16 bytes, not 32\n"},
      {"ETM list past its capacity",
       fileOf({controllerRecord({}), portGrouped(8, 0x00, 3, 0, 0, {1, 0x12, 0x34, 2, 0x12, 0x34, 0xFF, 0xFF, 0xFF})}),
       "\n  DAMAGED: offset 0x24, cfgRec_EventTrigMacro: the ETM list of group 0 holds more than its 0 entries\n"},
      {"setpoint number at the count", fileOf({controllerRecord({}), elementArray(9, 0x02, 8, 1, cat({{5}, setpoint, {0xFF}}))}),
       "\n  DAMAGED: offset 0x24, cfgRec_SchedulerSetpoint: setpoint number 5 is not below the element count 1\n"},
      {"setpoint list without its end byte",
       fileOf({controllerRecord({}), elementArray(9, 0x02, 8, 1, cat({{0}, setpoint, {0}}))}),
       "\n  DAMAGED: offset 0x24, cfgRec_SchedulerSetpoint: the setpoint list does not end after its 1 setpoints\n"},
      {"macro chain running off the image",
       fileOf({controllerRecord({}), elementArray(10, 0x02, 32, 1, {0, 0x00, 0x01, 0x12, 0x34, 0x00, 0xFF, 0x00, 0x02})},
              false),
       "\n  DAMAGED: offset 0x24, cfgRec_Macros: the macro chain does not end within its 340 locations and the image\n"},
      {"messages beyond their slots",
       fileOf({controllerRecord({}), portGrouped(15, 0x00, 4, 1, 0, {1, 0x12, 0xFF, 2, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})}),
       "\n  DAMAGED: offset 0x24, cfgRec_Messages: group 0 holds 1 messages beyond its 1 slots\n"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string path = dir.write("d.cfg", c.file);
    const auto report = runCfgscribeInProcess({path});
    EXPECT_EQ(report.status, orva::kExitDamaged) << c.what;
    EXPECT_NE(report.output.find(c.line), std::string::npos) << c.what << "\n" << report.output;
    EXPECT_NE(report.output.find("\nEnd of Report\n\nWARNING: the configuration file is damaged ("), std::string::npos)
        << c.what;
    const auto script = runCfgscribeInProcess({"-s", path});
    EXPECT_EQ(script.status, orva::kExitDamaged) << c.what;
    const std::string commented = c.line[0] == '\n' ? "\n;" + c.line.substr(1) : ";" + c.line;
    EXPECT_NE(script.output.find(commented), std::string::npos) << c.what << "\n" << script.output;
    EXPECT_NE(script.output.find("; End of Script\n\n; Warning: the configuration file is damaged ("), std::string::npos)
        << c.what;
    EXPECT_TRUE(script.output.ends_with("check every command of this script before sending it\n")) << c.what;
    EXPECT_EQ(runCfgscribeInProcess({"-C", path}).status, orva::kExitDamaged) << c.what;
  }
  // A sound file says nothing of the kind.
  const auto sound = runCfgscribeInProcess({"-a", dir.write("s.cfg", fileOf({controllerRecord({})}))});
  EXPECT_EQ(sound.status, orva::kExitSuccess);
  EXPECT_EQ(sound.output.find("amage"), std::string::npos) << sound.output;
}

// Lines a script used to print bare: header checks, debug lines, hex dumps
// of unknown records and of debug sections, the definition's size warning.
TEST(ScriptLines, EveryLineIsACommentOrACommand) {
  ControllerSpec sixteen;
  sixteen.elementSize = 16;
  const Bytes macros =
      elementArray(10, 0x02, 32, 1, {0, 0x00, 0x01, 0x12, 0x34, 0x00, 0x04, 0x99, 0x02, 0x1E, 0xFF, 0xFF, 0xFF});
  const struct {
    const char* what;
    Bytes file;
  } cases[] = {
      {"header mismatches", ConfigFile().itype(2).isz(0x1000).file()},
      {"unknown records of every layout kind",
       fileOf({controllerRecord({}), elementArray(40, 0x01, 2, 1, {1, 2}), portGrouped(41, 0x00, 1, 1, 1, {3, 4}),
               elementArray(42, 0x02, 1, 2, {1, 0xAA, 0xFF}), elementArray(43, 0x03, 1, 1, {0, 5})})},
      {"a short controller definition", fileOf({controllerRecord(sixteen)})},
      {"debug dumps of macros, access and message handlers",
       fileOf({controllerRecord({}), macros, elementArray(22, 0x01, 4, 2, fill(8, 0)),
               portGrouped(20, 0x00, 1, 2, 2, fill(8, 0x10))})},
      {"a shipped example", [] {
         const std::string bytes = readFile(std::string(ORVA_SOURCE_DIR) + "/examples/hilltop.cfg");
         return Bytes(bytes.begin(), bytes.end());
       }()},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string path = dir.write("l.cfg", c.file);
    for (const char* flags : {"-s", "-a", "-sd", "-ad"}) {
      const std::string out = runCfgscribeInProcess({flags, path}).output;
      EXPECT_EQ(firstLineNotSafeToSend(out), "") << c.what << " " << flags;
    }
  }
}

}  // namespace
