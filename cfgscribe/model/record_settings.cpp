#include "cfgscribe/model/decoders.h"

namespace cfgscribe {

void visitRecordSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  using namespace records;
  switch (r.type()) {
    case kController:
    case kID:
    case kStatus:
    case kFWVer:
    case kSerial:
    case kName: controllerSettings(r, ctx, visitor); break;
    case kPasswords: passwordsSettings(r, ctx, visitor); break;
    case kSoftwareSwitch: switchesSettings(r, ctx, visitor); break;
    case kEventTrigMacro: etmsSettings(r, ctx, visitor); break;
    case kSchedulerSetpoint: schedulerSettings(r, ctx, visitor); break;
    case kMacros: macrosSettings(r, ctx, visitor); break;
    case kTimers10:
    case kTimers100:
    case kTimers1000: timersSettings(r, ctx, visitor); break;
    case kCounters: countersSettings(r, ctx, visitor); break;
    case kMessages: messagesSettings(r, ctx, visitor); break;
    case kPathMode: pathModeSettings(r, ctx, visitor); break;
    case kPathPriority: pathPrioritySettings(r, ctx, visitor); break;
    case kCTCSSEncoders: ctcssSettings(r, ctx, visitor); break;
    case kIDTail: idTailSettings(r, ctx, visitor); break;
    case kMessageHandlers: messageHandlersSettings(r, ctx, visitor); break;
    case kDTMFDecoders: dtmfSettings(r, ctx, visitor); break;
    case kCPWAccessTable: accessSettings(r, ctx, visitor); break;
    case kUserTimers: userTimersSettings(r, ctx, visitor); break;
    case kCmdRespRouting: routingSettings(r, ctx, visitor); break;
    case kToneGenerators: tonesSettings(r, ctx, visitor); break;
    case kLongNames: longNamesSettings(r, ctx, visitor); break;
    default: break;  // a record of unknown type holds no settings
  }
}

}  // namespace cfgscribe
