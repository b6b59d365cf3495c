// Runs one record handler on a record built in a test and keeps both its
// printed section and the record length it returned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cfgscribe/image.h"
#include "cfgscribe/records/handlers.h"
#include "support/image_builder.h"

namespace testsupport {

struct HandlerRun {
  std::string text;
  std::uint32_t length = 0;
};

enum class Flavour { kReport, kScriptS, kScriptA };

inline HandlerRun runHandler(cfgscribe::RecordHandler handler, const std::vector<std::uint8_t>& record,
                             cfgscribe::WalkContext& ctx, Flavour flavour, bool debug = false) {
  HandlerRun run;
  {
    orva::Sink sink(run.text);
    cfgscribe::Out o{sink, debug, flavour == Flavour::kScriptA, flavour != Flavour::kReport};
    if (ctx.remaining == 0) ctx.remaining = record.size();
    run.length = handler(cfgscribe::Record(orva::ByteView(record.data(), record.size())), ctx, o);
  }
  return run;
}

// A port-grouped record of 16-bit values (timers, counters): the
// miscellaneous group, then one group per port.
inline std::vector<std::uint8_t> wordsRecord(std::uint8_t type, const std::vector<unsigned>& misc,
                                             const std::vector<std::vector<unsigned>>& ports, std::uint8_t perPort) {
  std::vector<std::uint8_t> payload;
  for (unsigned v : misc) payload = cat({payload, be16(v)});
  for (const auto& port : ports)
    for (unsigned v : port) payload = cat({payload, be16(v)});
  return portGrouped(type, 0x00, 2, static_cast<std::uint8_t>(misc.size()), perPort, payload);
}

// One record through the walk's handler table for its type, with the given
// receiver count: the printed section, or the returned record length.
inline std::string renderPorts(cfgscribe::Mode mode, const std::vector<std::uint8_t>& record, unsigned receivers,
                               bool debug = false, bool allValues = false) {
  cfgscribe::WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  return renderRecord(mode, record, ctx, debug, allValues);
}
inline std::uint32_t lengthOf(cfgscribe::Mode mode, const std::vector<std::uint8_t>& record, unsigned receivers = 3) {
  cfgscribe::WalkContext ctx;
  ctx.controller.bytes[cfgscribe::ControllerDefinition::kReceivers] = static_cast<std::uint8_t>(receivers);
  std::string text;
  orva::Sink sink(text);
  cfgscribe::Out o{sink};
  const cfgscribe::Record r(orva::ByteView(record.data(), record.size()));
  const auto& table = mode == cfgscribe::Mode::kReport ? cfgscribe::reportHandlers() : cfgscribe::scriptHandlers();
  return table.known[r.type()](r, ctx, o);
}

// n blanks, for spelling out padded golden lines.
inline std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace testsupport
