// Report and script handlers of every known record type, grouped by record
// family; each family's handlers live side by side in its own file.
#pragma once

#include "cfgscribe/image.h"

namespace cfgscribe::records {

#define CFGSCRIBE_HANDLER_PAIR(name)                                   \
  std::uint32_t name##Report(const Record& r, const WalkContext& ctx, Out& o); \
  std::uint32_t name##Script(const Record& r, const WalkContext& ctx, Out& o)

// identity.cpp
CFGSCRIBE_HANDLER_PAIR(controller);
CFGSCRIBE_HANDLER_PAIR(identity);
CFGSCRIBE_HANDLER_PAIR(status);
CFGSCRIBE_HANDLER_PAIR(versions);
CFGSCRIBE_HANDLER_PAIR(serial);
CFGSCRIBE_HANDLER_PAIR(name);
// passwords.cpp
CFGSCRIBE_HANDLER_PAIR(passwords);
// switches.cpp
CFGSCRIBE_HANDLER_PAIR(switches);
// etms.cpp
CFGSCRIBE_HANDLER_PAIR(etms);
// scheduler.cpp
CFGSCRIBE_HANDLER_PAIR(scheduler);
// macros.cpp
CFGSCRIBE_HANDLER_PAIR(macros);
// timers.cpp (types 11, 12, 13)
CFGSCRIBE_HANDLER_PAIR(timers);
// counters.cpp
CFGSCRIBE_HANDLER_PAIR(counters);
// messages.cpp
CFGSCRIBE_HANDLER_PAIR(messages);
// paths.cpp
CFGSCRIBE_HANDLER_PAIR(pathMode);
CFGSCRIBE_HANDLER_PAIR(pathPriority);
// ctcss.cpp
CFGSCRIBE_HANDLER_PAIR(ctcss);
// id_tail.cpp
CFGSCRIBE_HANDLER_PAIR(idTail);
// message_handlers.cpp
CFGSCRIBE_HANDLER_PAIR(messageHandlers);
// dtmf.cpp
CFGSCRIBE_HANDLER_PAIR(dtmf);
// access.cpp
CFGSCRIBE_HANDLER_PAIR(access);
// user_timers.cpp
CFGSCRIBE_HANDLER_PAIR(userTimers);
// routing.cpp
CFGSCRIBE_HANDLER_PAIR(routing);
// tones.cpp
CFGSCRIBE_HANDLER_PAIR(tones);
// long_names.cpp
CFGSCRIBE_HANDLER_PAIR(longNames);

#undef CFGSCRIBE_HANDLER_PAIR

}  // namespace cfgscribe::records
