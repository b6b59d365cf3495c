#include "examples/example_configs.h"

namespace generators {

Bytes exampleIdentityRecords() {
  // Factory identity: model, serial, manufacture and format dates, customer.
  const Bytes identity = elementArray(cfgscribe::kID, 0x01, 48, 1,
                                      cat({text("RC-3000", 8), text("SN104522", 8),
                                           bcd(0, 30, 14, 2, 15, 3, 21), bcd(10, 5, 16, 3, 2, 6, 21),
                                           text("Hilltop Radio Club", 18)}));
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
  ControllerSpec definition;  // three receivers, three transmitters
  definition.recordCount = 27;  // every record type once, the definition included
  const Bytes records = cat({exampleIdentityRecords(), exampleAccessAndMacroRecords(), exampleTimingAndAudioRecords()});
  ConfigFile file;
  file.name("Summit 3-port").version("2.4.1").dateText("11/30/26 07:45").dateBcd(bcd(0, 45, 7, 1, 30, 11, 26));
  return file.add(controllerRecord(definition)).add(records).file();
}

namespace {

// A message record with all its slots set: contents of 40 bytes mixing
// plain digit pairs with the unit prefixes the display groups.
Bytes fullMessagesRecord(std::uint8_t seed) {
  constexpr std::uint8_t kSize = 40;
  Bytes body;
  auto group = [&](unsigned slots) {
    for (unsigned slot = 0; slot < slots; ++slot) {
      body.push_back(static_cast<std::uint8_t>(slot));
      for (unsigned i = 0; i < kSize; ++i) {
        const unsigned k = (seed + slot + i) % 12;
        body.push_back(k == 0 ? 0x97 : k == 5 ? 0x98 : k == 9 ? 0x99 : static_cast<std::uint8_t>((slot * 7 + i) % 0x90));
      }
    }
    body.push_back(0xFF);
  };
  group(25);
  for (int port = 0; port < 3; ++port) group(14);
  return portGrouped(cfgscribe::kMessages, 0x00, kSize, 25, 14, body);
}

}  // namespace

Bytes exampleLargeConfig() {
  ControllerSpec definition;
  definition.recordCount = 255;
  const Bytes body = cat({exampleIdentityRecords(), exampleAccessAndMacroRecords(), exampleTimingAndAudioRecords()});
  ConfigFile file;
  file.name("Summit x3 + msgs").version("2.4.1").dateText("11/30/26 07:45");
  file.add(controllerRecord(definition)).add(body).add(body).add(body);
  std::size_t size = controllerRecord(definition).size() + 3 * body.size();
  for (std::uint8_t seed = 0;; ++seed) {
    const Bytes messages = fullMessagesRecord(seed);
    if (size + messages.size() + 1 > 65536 - 256) break;
    file.add(messages);
    size += messages.size();
  }
  return file.file();
}

std::vector<ExampleConfig> exampleConfigs() {
  std::vector<ExampleConfig> all;
  ControllerSpec definition;
  ConfigFile basic;
  basic.name("Hilltop 3-port").version("1.0").dateText("11/28/26 18:40");
  basic.add(controllerRecord(definition));
  basic.add(exampleIdentityRecords());
  all.push_back({"hilltop.cfg", basic.file()});
  all.push_back({"summit.cfg", exampleCompleteConfig()});
  all.push_back({"large.cfg", exampleLargeConfig()});
  return all;
}

}  // namespace generators
