#include "generators/image_builder.h"

#include <algorithm>

#include "common/image_header.h"

namespace generators {

Bytes cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

Bytes be16(unsigned value) {
  return {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

namespace {
std::uint8_t nibble(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'D') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c == '*') return 0xE;
  return 0xF;
}
}  // namespace

Bytes digits(std::string_view keys, std::size_t width) {
  Bytes b;
  for (std::size_t i = 0; i < keys.size(); i += 2) {
    const std::uint8_t high = nibble(keys[i]);
    const std::uint8_t low = i + 1 < keys.size() ? nibble(keys[i + 1]) : 0xF;
    b.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  if (width == 0) {
    b.push_back(0xFF);
  } else if (b.size() < width) {
    b.resize(width, 0xFF);
  } else {
    b.resize(width);
  }
  return b;
}

Bytes text(std::string_view s, std::size_t width, std::uint8_t fillByte) {
  Bytes b(s.begin(), s.end());
  b.resize(width, fillByte);
  return b;
}

Bytes bcd(int second, int minute, int hour, int weekday, int day, int month, int year) {
  auto v = [](int x) { return static_cast<std::uint8_t>((x / 10) << 4 | x % 10); };
  return {v(second), v(minute), v(hour), v(weekday), v(day), v(month), v(year)};
}

Bytes fill(std::size_t count, std::uint8_t value) { return Bytes(count, value); }

Bytes controllerRecord(const ControllerSpec& s) {
  Bytes payload = text(s.signature, 4);
  payload.push_back(s.structureVersion);
  payload.insert(payload.end(), s.firmware.begin(), s.firmware.end());
  payload.push_back(s.configVersion);
  Bytes reset = s.coldReset;
  reset.resize(7, 0);
  payload.insert(payload.end(), reset.begin(), reset.end());
  payload.resize(26, 0);  // bytes not interpreted
  payload.push_back(s.receivers);
  payload.push_back(s.transmitters);
  payload.push_back(s.passwordDigits);
  payload.push_back(s.macroNameDigits);
  payload.push_back(s.macroAttrSize);
  payload.push_back(s.recordCount);
  return cat({{0, s.attributes, s.elementSize, s.elementCount}, payload});
}

Bytes elementArray(std::uint8_t type, std::uint8_t attributes, std::uint8_t elementSize,
                   std::uint8_t elementCount, const Bytes& payload) {
  return cat({{type, attributes, elementSize, elementCount}, payload});
}

Bytes portGrouped(std::uint8_t type, std::uint8_t attributes, std::uint8_t elementSize,
                  std::uint8_t numMisc, std::uint8_t numPort, const Bytes& payload) {
  return cat({{type, attributes, elementSize, numMisc, numPort}, payload});
}

ConfigFile& ConfigFile::add(const Bytes& record) {
  records_.insert(records_.end(), record.begin(), record.end());
  return *this;
}

Bytes ConfigFile::image() const {
  Bytes body = records_;
  if (end_) body.push_back(0xFF);
  return body;
}

Bytes ConfigFile::file() const {
  const Bytes body = image();
  orva::HeaderFields f;
  f.name = name_;
  f.version = version_;
  f.dateText = dateText_;
  f.type = itype_;
  f.size = isz_ ? *isz_ : static_cast<std::uint32_t>(body.size());
  orva::HeaderBytes h = orva::buildHeader(f);
  if (version_.empty()) h[orva::hdr::kVersion] = 0xFF;
  if (!dateBcd_.empty()) std::copy_n(dateBcd_.begin(), std::min<std::size_t>(7, dateBcd_.size()), h.begin() + orva::hdr::kDateBcd);
  Bytes all(h.size() + body.size());
  std::copy(h.begin(), h.end(), all.begin());
  std::copy(body.begin(), body.end(), all.begin() + static_cast<long>(h.size()));
  return all;
}

}  // namespace generators
