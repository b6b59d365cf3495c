// Builds configuration images and files from readable field values instead
// of hex blobs: the shipped examples, the fuzz seeds and the tests' records.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cfgscribe/image.h"

namespace generators {

using Bytes = std::vector<std::uint8_t>;

// Concatenates byte runs.
Bytes cat(std::initializer_list<Bytes> parts);
// 16-bit big-endian.
Bytes be16(unsigned value);
// Keypad digits ("0"-"9", "A"-"D", "*" as nibble E, "F") packed two per
// byte, high nibble first; an odd count leaves the last low nibble F... use
// an even count. A 0xFF end byte follows when shorter than `width`, and the
// rest up to `width` is 0xFF. width 0: the digits and one 0xFF.
Bytes digits(std::string_view keys, std::size_t width = 0);
// ASCII text padded (or cut) to `width` with `fill`.
Bytes text(std::string_view s, std::size_t width, std::uint8_t fill = 0x00);
// BCD date-time bytes: second, minute, hour, weekday, day, month, year.
Bytes bcd(int second, int minute, int hour, int weekday, int day, int month, int year);
// `count` copies of `value`.
Bytes fill(std::size_t count, std::uint8_t value);

struct ControllerSpec {
  std::string signature = "CNFG";
  std::uint8_t structureVersion = 2;
  std::array<std::uint8_t, 3> firmware{1, 4, 2};
  std::uint8_t configVersion = 7;
  Bytes coldReset = bcd(30, 15, 9, 5, 24, 12, 26);
  std::uint8_t receivers = 3;
  std::uint8_t transmitters = 3;
  std::uint8_t passwordDigits = 8;
  std::uint8_t macroNameDigits = 4;
  std::uint8_t macroAttrSize = 1;
  std::uint8_t recordCount = 0xFE;  // high: the end marker ends most walks
  std::uint8_t elementSize = 32;
  std::uint8_t elementCount = 1;
  std::uint8_t attributes = 0x01;
};
Bytes controllerRecord(const ControllerSpec& definition);

// A 4-byte header (type, attributes, element size, element count) and payload.
Bytes elementArray(std::uint8_t type, std::uint8_t attributes, std::uint8_t elementSize,
                   std::uint8_t elementCount, const Bytes& payload);
// A 5-byte header (type, attributes, element size, Num Misc, Num Port) and payload.
Bytes portGrouped(std::uint8_t type, std::uint8_t attributes, std::uint8_t elementSize,
                  std::uint8_t numMisc, std::uint8_t numPort, const Bytes& payload);

// A whole configuration file: header fields, then records, then the end
// marker (unless noEnd()). isz is the body length unless overridden.
class ConfigFile {
 public:
  ConfigFile& name(std::string v) { name_ = std::move(v); return *this; }
  ConfigFile& version(std::string v) { version_ = std::move(v); return *this; }
  ConfigFile& dateText(std::string v) { dateText_ = std::move(v); return *this; }
  ConfigFile& dateBcd(Bytes v) { dateBcd_ = std::move(v); return *this; }
  ConfigFile& itype(std::uint8_t v) { itype_ = v; return *this; }
  ConfigFile& isz(std::uint32_t v) { isz_ = v; return *this; }
  ConfigFile& add(const Bytes& record);
  ConfigFile& noEnd() { end_ = false; return *this; }

  Bytes image() const;  // the body: records and end marker
  Bytes file() const;   // header + body

 private:
  std::string name_ = "Test Config";
  std::string version_ = "2.1";
  std::string dateText_ = "12/24/26 09:15";
  Bytes dateBcd_;
  std::uint8_t itype_ = 1;
  std::optional<std::uint32_t> isz_;
  Bytes records_;
  bool end_ = true;
};

}  // namespace generators
