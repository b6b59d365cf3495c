// Command response routing (type 24): one element per command source. The
// elements are not interpreted, so outside debug mode the record leaves no
// trace in the report or the script; it is only stepped over.
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"

namespace cfgscribe::records {
namespace {

void printRoutingDebug(const Record& r, Out& o) {
  if (o.debug) {
    debugRecordHeader(o, r);
    o.dbg("Command Sources\n");
  }
}

}  // namespace

void routingReport(const Record& r, const WalkContext&, Out& o) { printRoutingDebug(r, o); }
void routingScript(const Record& r, const WalkContext&, Out& o) { printRoutingDebug(r, o); }

// The elements are not interpreted, so the record holds no settings.
void routingSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
