// Access, switch and macro records of the complete example: a three-port
// controller whose owner changed passwords, switches, event macros,
// scheduler setpoints, macros, operator access and long names on every port.
#include <initializer_list>
#include <string>
#include <utility>

#include "examples/example_configs.h"

namespace generators {

namespace {

// The passwords the example controller uses; macro commands below are
// stored behind these prefixes.
constexpr std::string_view kMpw = "5732";
constexpr std::string_view kCpw = "4680";
constexpr std::string_view kRbpw = "13579024";
constexpr std::string_view kApw = "2468";
constexpr std::string_view kMacroPw = "99";

// Keypad digits packed two per byte, exactly as many bytes as they fill.
Bytes keys(std::string_view k) { return digits(k, (k.size() + 1) / 2); }

// One stored command: its length byte (counting itself) and its digits.
Bytes command(std::initializer_list<std::string_view> parts) {
  std::string all;
  for (std::string_view p : parts) all += p;
  Bytes body = keys(all);
  body.insert(body.begin(), static_cast<std::uint8_t>(body.size() + 1));
  return body;
}

// MPW, CPW, RBPW (all eight digits, no end byte) and APW, four bytes each.
Bytes passwordsRecord() {
  return elementArray(cfgscribe::kPasswords, 0x41, 4, 4,
                      cat({digits(kMpw, 4), digits(kCpw, 4), digits(kRbpw, 4), digits(kApw, 4)}));
}

constexpr unsigned kDefaultPortSwitches[] = {0, 1, 2, 12, 17, 19, 41, 42, 43, 51, 52, 53, 61, 62, 63};

// The cold-start switch bits with the owner's changes on top: the front
// panel locked out, user switches and port options changed on each port,
// and two stray bits on reserved numbers (7 and 330) that are never shown.
Bytes softwareSwitchesRecord() {
  Bytes bits(50, 0);
  auto set = [&bits](unsigned k, bool on) {
    const std::uint8_t mask = static_cast<std::uint8_t>(1u << (k % 8));
    if (on) bits[k / 8] |= mask; else bits[k / 8] &= static_cast<std::uint8_t>(~mask);
  };
  set(0, true);
  set(1, true);
  for (unsigned port = 1; port <= 3; ++port)
    for (unsigned n : kDefaultPortSwitches) set(port * 100 + n, true);
  for (unsigned k : {0u, 101u, 212u, 242u, 317u}) set(k, false);
  for (unsigned k : {7u, 12u, 15u, 60u, 99u, 103u, 120u, 195u, 204u, 218u, 305u, 330u, 371u, 390u}) set(k, true);
  return elementArray(cfgscribe::kSoftwareSwitch, 0x01, 50, 1, bits);
}

using EtmEntry = std::pair<std::uint8_t, std::string_view>;

// One group's list: ETM number and four-digit macro name, then the end byte.
Bytes etmList(std::initializer_list<EtmEntry> entries) {
  Bytes list;
  for (const EtmEntry& e : entries) list = cat({list, {e.first}, keys(e.second)});
  list.push_back(0xFF);
  return list;
}

// Power-on, clock and logic-input macros; on each port path and timeout
// events. Miscellaneous 30 is not a defined ETM number but is stored.
Bytes eventTriggeredMacrosRecord() {
  return portGrouped(cfgscribe::kEventTrigMacro, 0x00, 2, 100, 100,
                     cat({etmList({{0, "1000"}, {30, "5555"}, {61, "2061"}, {64, "3000"}}),
                          etmList({{2, "4410"}, {17, "1000"}, {46, "2001"}}),
                          etmList({{0, "2061"}, {22, "4410"}, {99, "3000"}}),
                          etmList({{3, "1000"}, {71, "2001"}, {84, "4410"}})}));
}

struct Setpoint {
  std::uint8_t number;
  std::string_view macro;
  std::uint8_t month, day, hour, minute;  // BCD, 0x99 = every
  bool enabled;
};

// Setpoints chained in ascending order, 100 setpoint numbers.
Bytes schedulerRecord(std::initializer_list<Setpoint> setpoints) {
  Bytes chain;
  for (const Setpoint& s : setpoints) {
    chain = cat({chain, {s.number}, keys(s.macro),
                 {0x00, s.month, s.day, s.hour, s.minute, static_cast<std::uint8_t>(s.enabled ? 1 : 0)}});
  }
  chain.push_back(0xFF);
  return cat({{cfgscribe::kSchedulerSetpoint, 0x02, 8, 100}, chain});
}

Bytes schedulerSetpointsRecord() {
  return schedulerRecord({
      {3, "1000", 0x99, 0x32, 0x07, 0x30, true},   // weekdays at 07:30
      {10, "2061", 0x12, 0x25, 0x08, 0x00, true},  // Christmas morning
      {25, "3000", 0x99, 0x76, 0x99, 0x15, false},  // last Sunday, quarter past each hour
      {40, "4410", 0x99, 0x99, 0x06, 0x99, true},  // every minute of the 6 o'clock hour
  });
}

// A macro entry: name, one attribute byte, commands, the end byte and the
// location of the next macro.
Bytes macroEntry(std::string_view name, std::initializer_list<Bytes> commands, unsigned next) {
  Bytes entry = cat({keys(name), {0x00}});
  for (const Bytes& c : commands) entry = cat({entry, c});
  return cat({entry, {0xFF}, be16(next)});
}

// Five macros whose commands reach every branch of the command decoder
// (roots 76, 15, 31, 21/26/34/63, 20/29 with nested commands, 49, 28 and a
// plain root) behind every prefix: the macro password, MPW, CPW, RBPW, APW
// (known to the script walk only) and none (a macro call).
Bytes macrosRecord() {
  const Bytes power = macroEntry("1000", {command({kMacroPw, "63", "0000", "1*"}),
                                          command({kMpw, "15", "970512"}),
                                          command({"2001"})}, 2);
  const Bytes morning = macroEntry("2061", {command({kCpw, "76", "01", "0012", "1000", "2001", "30"}),
                                            command({kMpw, "31", "0123", "974142", "9805"}),
                                            command({kMpw, "49", "0301", "5000", "1*"})}, 5);
  const Bytes builder = macroEntry("3000", {command({kMpw, "28", "03", "1000", "99320730"}),
                                            command({kMpw, "20", "4410", kMpw, "26", "0102", "4410"}),
                                            command({kMpw, "29", "4410", kMacroPw, "63", "0105", "1*"}),
                                            command({kApw, "21", "5555"}),
                                            command({kRbpw, "34", "0105"})}, 9);
  const Bytes tones = macroEntry("4410", {command({kMacroPw, "02", "01", "1*"}),
                                          command({kCpw, "95"}),
                                          command({"551*"}),
                                          command({kMpw, "76", "02", "0105", "0204", "0301", "0402", "0503",
                                                   "0604", "0705", "0806"})}, 12);
  const Bytes empty = macroEntry("5555", {}, 0xFFFF);
  return cat({{cfgscribe::kMacros, 0x01, 64, 1, 0x00}, be16(1), power, morning, builder, tones, empty});
}

// The control operator may not erase all macros, set the clock, change the
// switches, assign passwords or privileges, or reset the controller; root
// 37 is denied too but is not controllable, so it never shows.
Bytes operatorAccessRecord() {
  Bytes access(100, 0);
  for (unsigned root : {22u, 25u, 93u, 94u, 95u}) access[root] = 1;
  access[63] = 0xFF;
  access[37] = 1;
  return elementArray(cfgscribe::kCPWAccessTable, 0x01, 1, 100, access);
}

// One long-name slot: flags (bit 7 enabled, bits 0-2 ports), the macro in a
// three-byte field, the digit count and four bytes of long-name digits.
Bytes longNameSlot(std::uint8_t flags, std::string_view macro, std::string_view name) {
  const Bytes macroField = macro.empty() ? fill(3, 0xFF) : digits(macro, 3);
  const Bytes nameField = name.empty() ? fill(4, 0xFF) : digits(name, 4);
  return cat({{flags}, macroField, {static_cast<std::uint8_t>(name.size())}, nameField});
}

// Eight slots: all ports, single ports, none, at default, and disabled ones.
Bytes longNamesRecord() {
  return portGrouped(cfgscribe::kLongNames, 0x00, 9, 8, 3,
                     cat({longNameSlot(0x87, "1000", "73001000"), longNameSlot(0x02, "2061", "4357"),
                          longNameSlot(0x00, "", ""), longNameSlot(0x85, "4410", "911911"),
                          longNameSlot(0x80, "", "123456"), longNameSlot(0x00, "", ""),
                          longNameSlot(0x04, "3000", ""), longNameSlot(0x00, "", "")}));
}

}  // namespace

Bytes exampleAccessAndMacroRecords() {
  return cat({passwordsRecord(), softwareSwitchesRecord(), eventTriggeredMacrosRecord(), schedulerSetpointsRecord(),
              macrosRecord(), operatorAccessRecord(), longNamesRecord()});
}

}  // namespace generators
