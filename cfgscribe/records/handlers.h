// Report and script handlers of every known record type, grouped by record
// family; each family's handlers live side by side in its own file.
#pragma once

#include "cfgscribe/image.h"

namespace cfgscribe::records {

#define CFGSCRIBE_HANDLER_PAIR(name)                                   \
  void name##Report(const Record& r, const WalkContext& ctx, Out& o); \
  void name##Script(const Record& r, const WalkContext& ctx, Out& o)

// A handler whose section is the same in the report and the script.
#define CFGSCRIBE_HANDLER(name) void name(const Record& r, const WalkContext& ctx, Out& o)

// identity.cpp
CFGSCRIBE_HANDLER_PAIR(controller);
CFGSCRIBE_HANDLER(identitySection);
CFGSCRIBE_HANDLER(statusSection);
CFGSCRIBE_HANDLER_PAIR(versions);
CFGSCRIBE_HANDLER_PAIR(serial);
CFGSCRIBE_HANDLER(nameSection);
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
#undef CFGSCRIBE_HANDLER

// The handlers of record types 0 to 26 in type order, for one walk (Report
// or Script): the report and script tables are this one list.
#define CFGSCRIBE_HANDLERS_BY_TYPE(walk)                                                               \
  controller##walk, identitySection, statusSection, versions##walk, serial##walk, nameSection,         \
      passwords##walk, switches##walk, etms##walk, scheduler##walk, macros##walk, timers##walk,         \
      timers##walk, timers##walk, counters##walk, messages##walk, pathMode##walk, pathPriority##walk,   \
      ctcss##walk, idTail##walk, messageHandlers##walk, dtmf##walk, access##walk, userTimers##walk,     \
      routing##walk, tones##walk, longNames##walk

}  // namespace cfgscribe::records
