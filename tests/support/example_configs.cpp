#include "support/example_configs.h"

namespace testsupport {

Bytes exampleIdentityRecords() {
  // Factory identity: model, serial, manufacture and format dates, customer.
  const Bytes identity = elementArray(cfgscribe::kID, 0x01, 46, 1,
                                      cat({text("RC-3000", 8), text("SN104522", 8),
                                           bcd(0, 30, 14, 2, 15, 3, 21), bcd(10, 5, 16, 3, 2, 6, 21),
                                           text("Hilltop Radio Club", 16)}));
  const Bytes status = elementArray(cfgscribe::kStatus, 0x01, 4, 1, {0x05, 0x00, 0x07, 0x11});
  Bytes versions = {1, 2, 0, 0, 1, 1, 5, 0, 2, 0, 1, 0, 0xFF, 0xFF, 0xFF, 0,
                    1, 4, 2, 0, 0x7F, 0, 0, 0, 1, 0, 7, 0, 0xFF, 0xFF, 0xFF, 0,
                    0x7F, 0, 0, 0, 0x7F, 0, 0, 0, 1, 0, 0, 0, 2, 3, 1, 0};
  const Bytes fwVersions = elementArray(cfgscribe::kFWVer, 0x01, 48, 1, versions);
  const Bytes serial = elementArray(cfgscribe::kSerial, 0x01, 8, 1,
                                    {0x52, 0x32, 0x04, 0x00, 0x03, 0x00, 0x00, 0x00});
  const Bytes name = elementArray(cfgscribe::kName, 0x01, 24, 1, text("W1ABC Hilltop Repeater", 24));
  return cat({identity, status, fwVersions, serial, name});
}

Bytes exampleCompleteConfig() {
  ControllerSpec spec;  // three receivers, three transmitters
  const Bytes records = cat({exampleIdentityRecords(), exampleAccessAndMacroRecords(), exampleTimingAndAudioRecords()});
  ConfigFile file;
  file.name("Summit 3-port").version("2.4.1").dateText("11/30/26 07:45");
  return file.add(controllerRecord(spec)).add(records).file();
}

std::vector<ExampleConfig> exampleConfigs() {
  std::vector<ExampleConfig> all;
  ControllerSpec spec;
  ConfigFile basic;
  basic.name("Hilltop 3-port").version("1.0").dateText("11/28/26 18:40");
  basic.add(controllerRecord(spec));
  basic.add(exampleIdentityRecords());
  all.push_back({"hilltop.cfg", basic.file()});
  all.push_back({"summit.cfg", exampleCompleteConfig()});
  return all;
}

}  // namespace testsupport
