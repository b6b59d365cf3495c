// Each record family's settings, decoded from its record (see setting.h).
// A family's report and script sections read its settings; so do the JSON
// export and the comparison of two files, through visitRecordSettings().
#pragma once

#include "cfgscribe/image.h"
#include "cfgscribe/model/port_values.h"
#include "cfgscribe/model/setting.h"

namespace cfgscribe {

// Every setting of record `r` (its type chooses the family), in script
// order. `ctx` is the walk's context for the record, which has taken what
// the record defines; settings may point into it and into the record.
void visitRecordSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor);

}  // namespace cfgscribe

namespace cfgscribe::records {

// The numbered values of the fixed-purpose timers (types 11, 12, 13) and of
// the counters (type 14).
PortValueSettings timerSettings(const Record& r, const WalkContext& ctx);
PortValueSettings counterSettings(const Record& r, const WalkContext& ctx);

// One visitor entry per record family, beside its handlers.
#define CFGSCRIBE_SETTINGS(name) void name##Settings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor)
CFGSCRIBE_SETTINGS(controller);   // identity.cpp: types 0 to 5
CFGSCRIBE_SETTINGS(passwords);    // passwords.cpp
CFGSCRIBE_SETTINGS(switches);     // switches.cpp
CFGSCRIBE_SETTINGS(etms);         // etms.cpp
CFGSCRIBE_SETTINGS(scheduler);    // scheduler.cpp
CFGSCRIBE_SETTINGS(macros);       // macros.cpp
CFGSCRIBE_SETTINGS(timers);       // timers.cpp: types 11, 12, 13
CFGSCRIBE_SETTINGS(counters);     // counters.cpp
CFGSCRIBE_SETTINGS(messages);     // messages.cpp
CFGSCRIBE_SETTINGS(pathMode);     // paths.cpp
CFGSCRIBE_SETTINGS(pathPriority); // paths.cpp
CFGSCRIBE_SETTINGS(ctcss);        // ctcss.cpp
CFGSCRIBE_SETTINGS(idTail);       // id_tail.cpp
CFGSCRIBE_SETTINGS(messageHandlers);  // message_handlers.cpp
CFGSCRIBE_SETTINGS(dtmf);         // dtmf.cpp
CFGSCRIBE_SETTINGS(access);       // access.cpp
CFGSCRIBE_SETTINGS(userTimers);   // user_timers.cpp
CFGSCRIBE_SETTINGS(routing);      // routing.cpp
CFGSCRIBE_SETTINGS(tones);        // tones.cpp
CFGSCRIBE_SETTINGS(longNames);    // long_names.cpp
#undef CFGSCRIBE_SETTINGS

}  // namespace cfgscribe::records
