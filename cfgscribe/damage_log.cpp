#include "cfgscribe/damage_log.h"

#include <cstdarg>

#include "cfgscribe/image.h"

namespace cfgscribe {

void DamageLog::note(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  // A line of its own even after a section that leaves its last line open.
  sink_.printf("\n%s  DAMAGED: offset 0x%zx, ", script_ ? ";" : "", offset_);
  if (const char* name = recordTypeName(type_)) {
    sink_.put(name);
  } else {
    sink_.printf("cfgRec_Unrecognized %u", type_);
  }
  sink_.put(": ");
  finish(format, args);
  va_end(args);
}

void DamageLog::noteFile(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  sink_.printf("\n%s  DAMAGED: ", script_ ? ";" : "");
  finish(format, args);
  va_end(args);
}

void DamageLog::finish(const char* format, std::va_list args) {
  sink_.vprintf(format, args);
  sink_.put('\n');
  ++problems_;
}

void DamageLog::printSummary() {
  if (problems_ == 0) return;
  const char* plural = problems_ == 1 ? "" : "s";
  if (script_) {
    sink_.printf("; Warning: the configuration file is damaged (%u problem%s, named above); "
                 "check every command of this script before sending it\n",
                 problems_, plural);
  } else {
    sink_.printf("WARNING: the configuration file is damaged (%u problem%s, named above); "
                 "this output is not a faithful reading of it\n",
                 problems_, plural);
  }
}

}  // namespace cfgscribe
