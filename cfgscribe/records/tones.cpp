#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/step_over.h"

namespace cfgscribe::records {

std::uint32_t tonesReport(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }
std::uint32_t tonesScript(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }

}  // namespace cfgscribe::records
