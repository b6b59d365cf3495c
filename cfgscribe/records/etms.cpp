#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/step_over.h"

namespace cfgscribe::records {

std::uint32_t etmsReport(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }
std::uint32_t etmsScript(const Record& r, WalkContext& ctx, Out&) { return stepOverByLayout(r, ctx); }

}  // namespace cfgscribe::records
