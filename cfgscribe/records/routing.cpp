// Command response routing (type 24): one element per command source. The
// elements are not interpreted, so outside debug mode the record leaves no
// trace in the report or the script; it is only stepped over.
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {
namespace {

std::uint32_t printRoutingDebug(const Record& r, Out& o) {
  if (o.debug) {
    debugRecordHeader(o, r);
    o.dbg("Command Sources\n");
  }
  return elementArrayLength(r);
}

}  // namespace

std::uint32_t routingReport(const Record& r, const WalkContext&, Out& o) { return printRoutingDebug(r, o); }
std::uint32_t routingScript(const Record& r, const WalkContext&, Out& o) { return printRoutingDebug(r, o); }

}  // namespace cfgscribe::records
