#include "cfgscribe/record_length.h"

#include "cfgscribe/encodings.h"
#include "cfgscribe/records/macro_chain.h"

namespace cfgscribe {

namespace {

constexpr std::size_t kControllerPayload = 32;
constexpr unsigned kMostIndexedEntries = 101;
constexpr unsigned kMostStoredMessages = 256;

std::uint64_t elementArray(const Record& r) { return 4 + std::uint64_t{r.elementSize()} * r.elementCount(); }

std::uint64_t portGrouped(const Record& r, unsigned ports) {
  return 5 + std::uint64_t{r.elementSize()} * (r.numMisc() + std::uint64_t{ports} * r.numPort());
}

// Lists of entries (a number byte, then `entryBytes`), one list per group
// (miscellaneous, then each port), each ended by 0xFF. A list holds at most
// its group's capacity + 1 entries; after that the next byte is its end.
std::uint64_t etmLists(const Record& r, const ControllerDefinition& c, DamageLog& log) {
  const std::size_t entryBytes = 1 + c.macroNameDigits() / 2;
  std::size_t offset = 5;
  for (unsigned g = 0; g <= c.receivers(); ++g) {
    const unsigned capacity = g == 0 ? r.numMisc() : r.numPort();
    unsigned entries = 0;
    for (; entries <= capacity && r.u8(offset) != kEndMarker; ++entries) offset += entryBytes;
    if (entries > capacity && r.has(offset) && r.u8(offset) != kEndMarker) {
      log.note("the ETM list of group %u holds more than its %u entries", g, capacity);
    }
    ++offset;
  }
  return offset;
}

// Numbered setpoints from offset 4, each its number and element size
// bytes, ended by 0xFF after at most element count setpoints.
std::uint64_t setpoints(const Record& r, DamageLog& log) {
  const std::size_t step = std::size_t{r.elementSize()} + 1;
  const unsigned count = r.elementCount();
  std::size_t offset = 4;
  unsigned entries = 0;
  bool badNumberNoted = false;
  for (; entries < count && r.u8(offset) != kEndMarker; ++entries, offset += step) {
    if (r.u8(offset) >= count && !badNumberNoted) {
      log.note("setpoint number %u is not below the element count %u", r.u8(offset), count);
      badNumberNoted = true;
    }
  }
  if (entries == count && r.has(offset) && r.u8(offset) != kEndMarker) {
    log.note("the setpoint list does not end after its %u setpoints", count);
  }
  return offset + 1;
}

std::uint64_t macros(const Record& r, const ControllerDefinition& c, DamageLog& log) {
  const std::uint32_t length = forEachMacro(r, c, [](const MacroEntry&) {});
  // The chain ends at a location of 0xFFFF; anything else there means it
  // was cut off by the directory's size or the end of the image.
  if (r.u16(length - 2) != kNoMacro && r.has(length - 2, 2)) {
    log.note("the macro chain does not end within its %u locations and the image", kMacroDirectorySize);
  }
  return length;
}

// One list of stored messages per group: a slot number, then contents up
// to their 0xFF or the element size; the list ends at a 0xFF slot number.
// Messages beyond the group's slots still belong to its list.
std::uint64_t messageLists(const Record& r, const ControllerDefinition& c, DamageLog& log) {
  const std::size_t contentsSize = r.elementSize();
  std::size_t offset = 5;
  for (unsigned g = 0; g <= c.receivers(); ++g) {
    const unsigned slots = g == 0 ? r.numMisc() : r.numPort();
    unsigned stored = 0;
    for (; r.has(offset) && r.u8(offset) != kEndMarker && stored < slots + kMostStoredMessages; ++stored) {
      offset += 1 + messageContentsLength(r.sub(offset + 1), contentsSize);
    }
    if (stored > slots) log.note("group %u holds %u messages beyond its %u slots", g, stored - slots, slots);
    ++offset;
  }
  return offset;
}

// Entries of an indexed list from offset 4, ended by 0xFF.
std::uint64_t indexedList(const Record& r) {
  const std::size_t step = std::size_t{r.elementSize()} + 1;
  std::size_t offset = 4;
  for (unsigned n = 0; n < kMostIndexedEntries && r.u8(offset) != kEndMarker; ++n) offset += step;
  return offset + 1;
}

// A record of a type this program does not know is stepped over by the
// layout kind its attributes name.
std::uint64_t unknownType(const Record& r, DamageLog& log) {
  log.note("record type %u is not one this program knows", r.type());
  switch (r.layoutKind()) {
    case 0: return 5 + std::uint64_t{r.elementSize()} * (r.numMisc() + r.numPort());
    case 1: return elementArray(r);
    case 2: return indexedList(r);
    default: return 5 + std::uint64_t{r.elementSize()};
  }
}

std::uint64_t byType(const Record& r, const ControllerDefinition& c, DamageLog& log) {
  switch (r.type()) {
    case kController:
      if (std::size_t{r.elementSize()} * r.elementCount() != kControllerPayload) {
        log.note("the controller definition holds %u bytes, not %zu", r.elementSize() * r.elementCount(),
                 kControllerPayload);
      }
      return elementArray(r);
    // The identity records hold one element whatever their count says.
    case kID:
    case kStatus:
    case kFWVer:
    case kSerial:
    case kName:
      return 4 + std::uint64_t{r.elementSize()};
    case kPasswords:
    case kSoftwareSwitch:
    case kCPWAccessTable:
    case kUserTimers:
    case kCmdRespRouting:
      return elementArray(r);
    case kEventTrigMacro: return etmLists(r, c, log);
    case kSchedulerSetpoint: return setpoints(r, log);
    case kMacros: return macros(r, c, log);
    case kMessages: return messageLists(r, c, log);
    // One setting block per transmitter.
    case kToneGenerators: return 5 + std::uint64_t{c.transmitters()} * r.elementSize();
    // Slots in the first group only: the fifth header byte counts ports.
    case kLongNames: return portGrouped(r, 0);
    case kTimers10:
    case kTimers100:
    case kTimers1000:
    case kCounters:
    case kPathMode:
    case kPathPriority:
    case kCTCSSEncoders:
    case kIDTail:
    case kMessageHandlers:
    case kDTMFDecoders:
      return portGrouped(r, c.receivers());
    default: return unknownType(r, log);
  }
}

}  // namespace

std::uint32_t recordLength(const Record& r, const ControllerDefinition& c, DamageLog& log) {
  const std::uint64_t length = byType(r, c, log);
  if (length > r.size()) {
    log.note("cut short by the end of the image: %zu of its %llu bytes are there", r.size(),
             static_cast<unsigned long long>(length));
    return static_cast<std::uint32_t>(r.size() > 0 ? r.size() : 1);
  }
  return static_cast<std::uint32_t>(length);
}

}  // namespace cfgscribe
