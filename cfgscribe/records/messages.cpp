#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/step_over.h"

namespace cfgscribe::records {

std::uint32_t messagesReport(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }
std::uint32_t messagesScript(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }

}  // namespace cfgscribe::records
