#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/step_over.h"

namespace cfgscribe::records {

std::uint32_t pathModeReport(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }
std::uint32_t pathModeScript(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }
std::uint32_t pathPriorityReport(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }
std::uint32_t pathPriorityScript(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }

}  // namespace cfgscribe::records
