#include "harness.h"

#include <algorithm>

#include "cfgscribe/cli.h"
#include "cfgscribe/record_length.h"
#include "common/image_header.h"

namespace testsupport {

namespace {

const cfgscribe::HandlerTable& tableFor(Mode mode) {
  switch (mode) {
    case Mode::kScript: return cfgscribe::scriptHandlers();
    case Mode::kRaw: return cfgscribe::rawHandlers();
    default: return cfgscribe::reportHandlers();
  }
}

}  // namespace

WalkContext context(unsigned receivers, unsigned transmitters, unsigned nameDigits) {
  using cfgscribe::ControllerDefinition;
  WalkContext ctx;
  ctx.controller.bytes[ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  ctx.controller.bytes[ControllerDefinition::kTransmitters] = static_cast<std::uint8_t>(transmitters);
  ctx.controller.bytes[ControllerDefinition::kMacroNameDigits] = static_cast<std::uint8_t>(nameDigits);
  ctx.controller.bytes[ControllerDefinition::kMacroAttrSize] = 1;
  return ctx;
}

Rendered runRecord(Mode mode, const Bytes& record, WalkContext& ctx, bool debug, bool allValues) {
  Rendered run;
  run.text = capture([&](orva::Sink& sink) {
    cfgscribe::Out o{sink, debug, allValues, mode == Mode::kScript};
    const cfgscribe::Record rest(orva::ByteView(record.data(), record.size()));
    // As the walk does: the length rule (its damage lines kept apart), the
    // context takes what the record defines, then the handler.
    std::string damage;
    orva::Sink damageSink(damage);
    cfgscribe::DamageLog log(damageSink, mode == Mode::kScript);
    run.length = cfgscribe::recordLength(rest, ctx.controller, log);
    run.problems = log.problems();
    const cfgscribe::Record r(rest.sub(0, run.length));
    ctx.take(r);
    tableFor(mode).handlerFor(r.type())(r, ctx, o);
  });
  return run;
}

Rendered runRecord(Flavour flavour, const Bytes& record, WalkContext& ctx, bool debug) {
  return runRecord(flavour == Flavour::kReport ? Mode::kReport : Mode::kScript, record, ctx, debug,
                   flavour == Flavour::kScriptA);
}

std::string renderWalk(Mode mode, const Bytes& image, bool debug, bool allValues) {
  return capture([&](orva::Sink& sink) {
    cfgscribe::Out o{sink, debug, allValues, mode == Mode::kScript};
    cfgscribe::DamageLog log(sink, mode == Mode::kScript);
    cfgscribe::walkRecords(orva::ByteView(image.data(), image.size()), tableFor(mode), o, log);
  });
}

std::string render(Mode mode, const Bytes& file, bool debug, bool allValues) {
  orva::HeaderBytes header{};
  std::copy_n(file.begin(), std::min(file.size(), header.size()), header.begin());
  const std::size_t body = file.size() > orva::kHeaderSize ? file.size() - orva::kHeaderSize : 0;
  return capture([&](orva::Sink& sink) {
    cfgscribe::runMode(sink, {mode, debug, allValues, kGeneratedAt}, header,
                       orva::ByteView(file.data() + orva::kHeaderSize, body));
  });
}

Run runCfgscribeInProcess(std::vector<std::string> args) {
  args.insert(args.begin(), "cfgscribe");
  std::vector<const char*> argv;
  for (const auto& a : args) argv.push_back(a.c_str());
  Run r{0, {}};
  r.output = capture([&](orva::Sink& sink) {
    r.status = cfgscribe::runCfgscribe(static_cast<int>(argv.size()), argv.data(), sink, kGeneratedAt);
  });
  return r;
}

namespace {

Rendered runCase(const RecordCase& c) {
  WalkContext ctx = context(c.receivers, c.transmitters, c.nameDigits);
  return runRecord(c.flavour, c.record, ctx, c.debug);
}

}  // namespace

void checkRecords(std::initializer_list<RecordCase> cases) {
  for (const RecordCase& c : cases) {
    SCOPED_TRACE(c.expected.substr(0, 60));
    const Rendered run = runCase(c);
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

void checkFragments(std::initializer_list<RecordCase> cases, bool present) {
  for (const RecordCase& c : cases) {
    const Rendered run = runCase(c);
    EXPECT_EQ(run.text.find(c.expected) != std::string::npos, present) << c.expected << "\n in:\n" << run.text;
    if (c.length != 0) {
      EXPECT_EQ(run.length, c.length) << c.expected;
    }
  }
}

}  // namespace testsupport
