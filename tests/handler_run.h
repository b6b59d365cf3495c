// Runs one record handler on a record built in a test and keeps both its
// printed section and the record length it returned.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cfgscribe/image.h"

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

// n blanks, for spelling out padded golden lines.
inline std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

}  // namespace testsupport
