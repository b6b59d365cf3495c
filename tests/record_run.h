// Table-driven record section tests: a record built in the test, the
// context it is read in, the whole section expected and the record length
// the handler returns. Long sections live in golden files.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "golden_support.h"
#include "handler_run.h"
#include "support/image_builder.h"

namespace testsupport {

// Shorthands for the tables: report, script (-s), script with all values (-a).
constexpr Flavour R = Flavour::kReport, S = Flavour::kScriptS, A = Flavour::kScriptA;

struct RecordCase {
  std::string expected;  // "@family/case" names tests/golden/family/case.txt; else the text itself
  Flavour flavour;
  bool debug;
  Bytes record;
  std::uint32_t length = 0;  // the record length returned (0: not checked)
  unsigned receivers = 0, transmitters = 0, nameDigits = 4;
};

inline HandlerRun runCase(cfgscribe::RecordHandler report, cfgscribe::RecordHandler script, const RecordCase& c) {
  using cfgscribe::ControllerDefinition;
  cfgscribe::WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(c.receivers);
  ctx.controller.bytes[ControllerDefinition::kTransmitters] = static_cast<std::uint8_t>(c.transmitters);
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = static_cast<std::uint8_t>(c.nameDigits);
  return runHandler(c.flavour == Flavour::kReport ? report : script, c.record, ctx, c.flavour, c.debug);
}

inline void checkRecords(cfgscribe::RecordHandler report, cfgscribe::RecordHandler script,
                         std::initializer_list<RecordCase> cases) {
  for (const RecordCase& c : cases) {
    SCOPED_TRACE(c.expected.substr(0, 60));
    const HandlerRun run = runCase(report, script, c);
    if (c.expected.starts_with('@')) {
      expectGolden(run.text, c.expected.substr(1));
    } else {
      EXPECT_EQ(run.text, c.expected);
    }
    if (c.length != 0) {
      EXPECT_EQ(run.length, c.length);
    }
  }
}

// Where a whole section would be long: `expected` is a part of it that must
// be present (or, with `present` false, must not be).
inline void checkFragments(cfgscribe::RecordHandler report, cfgscribe::RecordHandler script,
                           std::initializer_list<RecordCase> cases, bool present = true) {
  for (const RecordCase& c : cases) {
    const HandlerRun run = runCase(report, script, c);
    EXPECT_EQ(run.text.find(c.expected) != std::string::npos, present) << c.expected;
    if (c.length != 0) {
      EXPECT_EQ(run.length, c.length) << c.expected;
    }
  }
}

}  // namespace testsupport
