// Messages (type 15): the stored contents of command-response, user,
// courtesy, timeout and ID messages. Each group (miscellaneous, then one per
// port) lists its stored messages in slot order, each a slot byte followed
// by contents of at most S bytes, and ends with 0xFF. Slots without a
// stored message are empty, their cold-start state.
#include <cstddef>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"
#include "cfgscribe/model/decoders.h"
#include "cfgscribe/records/handlers.h"
#include "cfgscribe/port_groups.h"

namespace cfgscribe::records {
namespace {

// Width of the report's contents column; "-- " follows it.
constexpr int kContentsColumn = 40;
// The script's placeholder command is 24 characters; the comment follows
// 26 blanks, after column 50.
constexpr int kPlaceholderWidth = 23;  // "MPW 31 nnnn <message> *"
// Slot numbers are one byte and ascend, so a sound group holds fewer
// messages; the cap bounds the step over a group that does not end.
constexpr unsigned kMostStoredMessages = 256;

// Slots that exist on the controller: the command responses and user
// messages of the miscellaneous group, every slot of a port group.
bool isDefinedSlot(unsigned group, unsigned slot) { return isDefinedEntry(Catalogue::kMessages, group, slot); }

void printSlotDescription(Sink& s, unsigned group, unsigned slot) {
  // Port slots from 100 on are no port entry (the catalogue would read
  // slot 101 as entry 1), so they have no description.
  const char* text = group != 0 && slot >= 100
                         ? ""
                         : lookupDescription(Catalogue::kMessages, group, slot);
  printDescription(s, text, portDigit(group));
}

// One group being read: how many slots it has, how long contents may be,
// and the position of the next stored message.
struct GroupReader {
  const Record& record;
  unsigned slotCount;
  std::size_t contentsSize;
  std::size_t position;
  unsigned stored = 0;

  bool hasNext() const { return stored < slotCount && record.u8(position) != kEndMarker; }
  unsigned slot() const { return record.u8(position); }
  ByteView contents() const { return record.sub(position + 1, contentsSize); }
  void advance(std::size_t contentsUsed) {
    position += 1 + contentsUsed;
    ++stored;
  }
  // Steps over stored messages beyond the slot count so that the next group
  // starts at this group's real end mark; returns how many were skipped.
  unsigned skipExcess() {
    unsigned skipped = 0;
    while (record.has(position) && record.u8(position) != kEndMarker && skipped < kMostStoredMessages) {
      position += 1 + messageContentsLength(contents(), contentsSize);
      ++skipped;
    }
    return skipped;
  }
  // Past the end mark.
  std::size_t end() const { return position + 1; }
};

void printEmptyRow(Sink& s, unsigned group, unsigned slot) {
  s.printf("   %04u: ----", group * 100 + slot);
  s.pad(kContentsColumn - 4);
  s.put("-- ");
  printSlotDescription(s, group, slot);
  s.put('\n');
}

void emptyRowsBetween(Sink& s, unsigned group, unsigned from, unsigned to) {
  for (unsigned i = from; i < to; ++i) {
    if (isDefinedSlot(group, i)) printEmptyRow(s, group, i);
  }
}

std::size_t reportGroup(Sink& s, const Record& r, unsigned group, unsigned slotCount, std::size_t start) {
  if (group == 0) {
    s.put(" Miscellaneous Messages\n");
  } else {
    s.printf("\n Port %u Messages\n", group);
  }
  s.put("   Msg#  Contents                                   Description\n");
  GroupReader g{r, slotCount, r.elementSize(), start};
  unsigned next = 0;
  while (g.hasNext()) {
    const unsigned n = g.slot();
    emptyRowsBetween(s, group, next, n);
    s.printf("   %04u: ", group * 100 + n);
    const Printed printed = printMessageContents(s, g.contents(), g.contentsSize);
    if (printed.chars < kContentsColumn) s.pad(kContentsColumn - printed.chars);
    s.put("-- ");
    printSlotDescription(s, group, n);
    s.put('\n');
    g.advance(printed.consumed);
    next = n + 1;
  }
  emptyRowsBetween(s, group, next, slotCount);
  if (const unsigned skipped = g.skipExcess()) {
    s.printf("   Warning: %u stored messages beyond the %u slots not shown\n", skipped, slotCount);
  }
  return g.end();
}

void printPlaceholder(Out& o, unsigned group, unsigned slot) {
  o.commandAs(kPlaceholderWidth, true, "MPW 31 %02u%02u <message> *", group, slot);
  printSlotDescription(o.sink, group, slot);
  o.sink.put('\n');
}

void placeholdersBetween(Out& o, unsigned group, unsigned from, unsigned to) {
  for (unsigned i = from; i < to; ++i) {
    if (isDefinedSlot(group, i)) printPlaceholder(o, group, i);
  }
}

// Placeholders of the all-values script run up to this slot.
constexpr unsigned kLastPlaceholderSlot = 99;

std::size_t scriptGroup(Out& o, const Record& r, unsigned group, unsigned slotCount, std::size_t start) {
  Sink& s = o.sink;
  const bool allValues = o.allValues;
  if (group == 0) {
    s.put(";  Miscellaneous Messages\n");
  } else {
    s.printf("\n;  Port %u Messages\n", group);
  }
  GroupReader g{r, slotCount, r.elementSize(), start};
  unsigned next = 0;
  while (g.hasNext()) {
    const unsigned n = g.slot();
    if (allValues) placeholdersBetween(o, group, next, n);
    int line = s.printf("MPW 31 %04u ", group * 100 + n);
    const Printed printed = printMessageContents(s, g.contents(), g.contentsSize);
    line += printed.chars + s.put("* ");
    o.toComment(line);
    printSlotDescription(s, group, n);
    s.put('\n');
    g.advance(printed.consumed);
    next = n + 1;
  }
  if (allValues) placeholdersBetween(o, group, next, kLastPlaceholderSlot + 1);
  if (!allValues && g.stored == 0) {
    if (group == 0) {
      s.put(";    No Misc. Messages Set\n");
    } else {
      s.printf(";    No Messages Set on Port %u\n", group);
    }
  }
  if (const unsigned skipped = g.skipExcess()) {
    s.printf(";    Warning: %u stored messages beyond the %u slots not set\n", skipped, slotCount);
  }
  return g.end();
}

// The heading, then each group's list in turn (miscellaneous, then each
// port), each read from where the one before ended.
template <class PrintGroup>
void printGroups(const Record& r, const WalkContext& ctx, Out& o, const char* heading, PrintGroup printGroup) {
  o.sink.put(heading);
  if (o.debug) debugPortGroupedHeader(o, r);
  std::size_t position = 5;
  for (unsigned g = 0; g <= ctx.controller.receivers(); ++g) {
    position = printGroup(g, g == 0 ? r.numMisc() : r.numPort(), position);
  }
}

}  // namespace

void messagesReport(const Record& r, const WalkContext& ctx, Out& o) {
  printGroups(r, ctx, o, "\nMessages\n", [&](unsigned g, unsigned slots, std::size_t start) {
    return reportGroup(o.sink, r, g, slots, start);
  });
}

void messagesScript(const Record& r, const WalkContext& ctx, Out& o) {
  printGroups(r, ctx, o, "\n; Define Messages\n", [&](unsigned g, unsigned slots, std::size_t start) {
    return scriptGroup(o, r, g, slots, start);
  });
}

// Not decoded yet: the family still prints from its bytes.
void messagesSettings(const Record&, const WalkContext&, SettingVisitor&) {}

}  // namespace cfgscribe::records
