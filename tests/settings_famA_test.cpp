// The settings of the controller records, passwords, switches, access table
// and routing, as any reader of the model gets them: identities, values,
// cold-start defaults, commands and texts, from whole, cut and damaged records.

#include <optional>

#include "cfgscribe/model/decoders.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::Setting;
using cfgscribe::SettingKey;

// What one visited setting writes, captured.
struct Seen {
  Setting setting;
  std::string command;  // "" when it has none
  std::string text;
};

struct Collector : cfgscribe::SettingVisitor {
  std::vector<Seen> seen;
  void setting(const Setting& s) override {
    seen.push_back({s, s.kind->command ? capture([&](orva::Sink& o) { s.kind->command(o, s); }) : "",
                    capture([&](orva::Sink& o) { s.kind->text(o, s); })});
  }
  const Seen* find(const SettingKey& key) const {
    for (const Seen& s : seen)
      if (s.setting.key == key) return &s;
    return nullptr;
  }
};

// A setting the row expects: found by its key; `coldStart` empty when it has
// none. `absent`: the record must not hold it.
struct Expect {
  SettingKey key;
  unsigned value = 0;
  std::optional<unsigned> coldStart;
  std::string command;  // "" when it has none
  std::string text;
  bool absent = false;
};
Expect absent(SettingKey key) { return {key, 0, {}, "", "", true}; }

struct Row {
  const char* what;
  Bytes record;
  std::size_t count;  // settings visited
  std::vector<Expect> expects;
};

// A Bit Set as at cold start (0, 1 and these entries of every port on),
// `flipped` switches changed, cut to `stored` bytes.
Bytes switchRecord(std::initializer_list<unsigned> flipped, std::size_t stored = 50) {
  Bytes bits(50, 0);
  auto flip = [&](unsigned k) { bits[k / 8] ^= static_cast<std::uint8_t>(1u << (k % 8)); };
  for (unsigned k : {0u, 1u}) flip(k);
  for (unsigned p = 1; p <= 3; ++p)
    for (unsigned n : {0, 1, 2, 12, 17, 19, 41, 42, 43, 51, 52, 53, 61, 62, 63}) flip(p * 100 + n);
  for (unsigned k : flipped) flip(k);
  Bytes record = elementArray(7, 0x01, 50, 1, bits);
  record.resize(4 + stored);  // the image ends inside the Bit Set
  return record;
}

Bytes accessRecord(std::initializer_list<unsigned> denied, std::size_t stored = 100) {
  Bytes bytes(100, 0);
  for (unsigned root : denied) bytes[root] = 1;
  Bytes record = elementArray(22, 0x01, 1, 100, bytes);
  record.resize(4 + stored);
  return record;
}

ControllerSpec twoByOne() {
  ControllerSpec s;
  s.receivers = 2;
  s.transmitters = 1;
  return s;
}

TEST(SettingsFamA, RecordsDecodeIntoSettings) {
  const Row rows[] = {
      {"switches: a port switch turned off, a misc one on; reserved 5 never a setting",
       switchRecord({112, 3, 5}),
       0,
       {{{7, 0, 3, 0}, 1, 0u, "MPW 63 0003 1 * ", "Enabled"},
        {{7, 1, 12, 0}, 0, 1u, "MPW 63 0112 0 * ", "Disabled"},
        {{7, 3, 12, 0}, 1, 1u, "MPW 63 0312 1 * ", "Enabled"},
        absent({7, 0, 5, 0})}},
      {"switches: a Bit Set cut to two bytes holds switches 0 to 15",
       switchRecord({1}, 2),
       0,
       {{{7, 0, 1, 0}, 0, 1u, "MPW 63 0001 0 * ", "Disabled"}, {{7, 0, 15, 0}, 0, 0u, "MPW 63 0015 0 * ", "Disabled"},
        absent({7, 0, 16, 0})}},
      {"switches: no element, no Bit Set", elementArray(7, 0x01, 50, 0, {}), 0, {}},
      {"access: denied and allowed roots; roots 0 and 1 are not controllable",
       accessRecord({3, 9}),
       0,
       {{{22, 0, 3, 0}, 1, 0u, "MPW 94 03 1 *", "Disabled"},
        {{22, 0, 2, 0}, 0, 0u, "MPW 94 02 0 *", "Enabled"},
        absent({22, 0, 1, 0})}},
      {"access: cut after root 9", accessRecord({9, 10}, 10), 0,
       {{{22, 0, 9, 0}, 1, 0u, "MPW 94 09 1 *", "Disabled"}, absent({22, 0, 10, 0})}},
      {"passwords: changed MPW, no CPW, an RBPW, no APW and a fifth location",
       elementArray(6, 0x01, 4, 5,
                    cat({digits("1234", 4), fill(4, 0xFF), digits("112233", 4), fill(4, 0xFF), digits("77", 4)})),
       5,
       {{{6, 0, 0, 0}, 1, 0u, "12 93 MPW *", "1234"},
        {{6, 0, 1, 0}, 0, 0u, "MPW 92 CPW *", "----"},
        {{6, 0, 2, 0}, 1, 0u, "MPW 39 02 112233 *", "112233"},
        {{6, 0, 3, 0}, 0, 0u, "", "----"},  // an unset APW has no command
        {{6, 0, 4, 0}, 1, 0u, "", "77"}}},
      {"passwords: the cold-start MPW in a one-byte element", elementArray(6, 0x01, 1, 1, {0x12}), 1,
       {{{6, 0, 0, 0}, 0, 0u, "12 93 MPW *", "12"}}},
      {"passwords: elements of no bytes hold no password", elementArray(6, 0x01, 0, 2, {}), 2,
       {{{6, 0, 0, 0}, 1, 0u, "12 93 MPW *", "----"}, {{6, 0, 1, 0}, 0, 0u, "MPW 92 CPW *", "----"}}},
      {"controller: read from the record, not from the context's three receivers", controllerRecord(twoByOne()), 10,
       {{{0, 0, 0, 0}, 0x0201, {}, "", "5210"},
        {{0, 0, 1, 0}, 0x010402, {}, "", "1.4.2"},
        {{0, 0, 4, 0}, 2, {}, "", "2"}}},
      {"identity: element size 20 holds no customer name and no dates",
       cat({elementArray(1, 0x01, 20, 1, cat({text("MODEL", 8), text("SERIAL", 8), {1, 2, 3, 4}}))}),
       5,
       {{{1, 0, 0, 0}, 0, {}, "", "----"}, {{1, 0, 1, 0}, 1, {}, "", "SERIAL"}, {{1, 0, 3, 0}, 0, {}, "", "----"}}},
      {"status: COR2 and AUX5 in", elementArray(2, 0x01, 4, 1, {0x02, 0x00, 0x00, 0x10}), 14,
       {{{2, 0, 1, 0}, 1, {}, "", "In/Active-High"}, {{2, 0, 13, 0}, 1, {}, "", "In"},
        {{2, 0, 12, 0}, 0, {}, "", "Out"}}},
      {"serial: RS232-2 is the console", elementArray(4, 0x01, 8, 1, {0x12, 0x34, 0, 0, 0, 0, 0, 1}), 3,
       {{{4, 0, 2, 0}, 1, {}, "", "RS232-2"}}},
      {"name: cut short of its element is absent", elementArray(5, 0x01, 16, 1, text("REPEATER", 8)), 1,
       {{{5, 0, 0, 0}, 0, {}, "", "----"}}},
      {"routing: its elements are not interpreted", elementArray(24, 0x01, 2, 3, fill(6, 0)), 0, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Collector c;
    // As the walk hands a record over: its context has taken the record.
    cfgscribe::WalkContext ctx = context(3, 3);
    ctx.take(recordOf(row.record));
    cfgscribe::visitRecordSettings(recordOf(row.record), ctx, c);
    if (row.count != 0 || row.expects.empty()) {
      EXPECT_EQ(c.seen.size(), row.count);
    }
    for (const Expect& e : row.expects) {
      const Seen* s = c.find(e.key);
      SCOPED_TRACE(testing::Message() << "entry " << e.key.entry << " of group " << unsigned(e.key.group));
      if (e.absent) {
        EXPECT_EQ(s, nullptr);
        continue;
      }
      ASSERT_NE(s, nullptr);
      EXPECT_EQ(s->setting.value, e.value);
      EXPECT_EQ(s->setting.hasColdStart, e.coldStart.has_value());
      if (e.coldStart) {
        EXPECT_EQ(s->setting.coldStart, *e.coldStart);
      }
      EXPECT_EQ(s->command, e.command);
      EXPECT_EQ(s->text, e.text);
    }
  }
}

}  // namespace
