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

// A stored message of group g in slot n (group g, entry n): its bytes are
// its contents up to the end mark, its value the bytes they use. Empty slots
// are the cold-start state, so a stored message is always written.
int messageCommand(Sink& out, const Setting& s) {
  const int n = out.printf("MPW 31 %04u ", s.key.group * 100u + s.key.entry);
  return n + printMessageContents(out, s.bytes, s.bytes.size()).chars + out.put("* ");
}
void messageComment(Sink& out, const Setting& s) { printSlotDescription(out, s.key.group, s.key.entry); }
void messageText(Sink& out, const Setting& s) { printMessageContents(out, s.bytes, s.bytes.size()); }
constexpr SettingKind kMessage{"contents", "", messageCommand, messageComment, messageText, messageComment};

// The stored messages of one record, decoded on demand group by group:
// each group is read from where the one before ended.
class StoredMessages {
 public:
  StoredMessages(const Record& r, const WalkContext& ctx) : r_(r), ports_(ctx.controller.receivers()) {}

  // For each group g: onGroup(g, slots), onMessage(setting) per stored
  // message in slot order, then onEnd(g, slots, stored, skipped), where
  // `skipped` counts the messages stored beyond the slot count.
  template <class OnGroup, class OnMessage, class OnEnd>
  void walk(OnGroup onGroup, OnMessage onMessage, OnEnd onEnd) const {
    const std::size_t contentsSize = r_.elementSize();
    std::size_t position = 5;
    for (unsigned g = 0; g <= ports_; ++g) {
      const unsigned slots = g == 0 ? r_.numMisc() : r_.numPort();
      onGroup(g, slots);
      unsigned stored = 0;
      for (; stored < slots && r_.u8(position) != kEndMarker; ++stored) {
        const ByteView contents = r_.sub(position + 1, contentsSize);
        const std::size_t used = messageContentsLength(contents, contentsSize);
        Setting s;
        s.key = SettingKey{static_cast<std::uint8_t>(r_.type()), static_cast<std::uint8_t>(g),
                           static_cast<std::uint16_t>(r_.u8(position)), 0};
        s.kind = &kMessage;
        s.value = static_cast<unsigned>(used);
        s.bytes = contents;
        onMessage(s);
        position += 1 + used;
      }
      // Steps over stored messages beyond the slot count so that the next
      // group starts at this group's real end mark.
      unsigned skipped = 0;
      while (r_.has(position) && r_.u8(position) != kEndMarker && skipped < kMostStoredMessages) {
        position += 1 + messageContentsLength(r_.sub(position + 1, contentsSize), contentsSize);
        ++skipped;
      }
      onEnd(g, slots, stored, skipped);
      ++position;  // past the end mark
    }
  }

 private:
  const Record& r_;
  unsigned ports_;
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

}  // namespace

void messagesReport(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  s.put("\nMessages\n");
  if (o.debug) debugPortGroupedHeader(o, r);
  unsigned next = 0;
  StoredMessages(r, ctx).walk(
      [&](unsigned group, unsigned) {
        if (group == 0) {
          s.put(" Miscellaneous Messages\n");
        } else {
          s.printf("\n Port %u Messages\n", group);
        }
        s.put("   Msg#  Contents                                   Description\n");
        next = 0;
      },
      [&](const Setting& m) {
        emptyRowsBetween(s, m.key.group, next, m.key.entry);
        s.printf("   %04u: ", m.key.group * 100u + m.key.entry);
        const Printed printed = printMessageContents(s, m.bytes, m.bytes.size());
        if (printed.chars < kContentsColumn) s.pad(kContentsColumn - printed.chars);
        s.put("-- ");
        messageComment(s, m);
        s.put('\n');
        next = m.key.entry + 1u;
      },
      [&](unsigned group, unsigned slots, unsigned, unsigned skipped) {
        emptyRowsBetween(s, group, next, slots);
        if (skipped != 0) s.printf("   Warning: %u stored messages beyond the %u slots not shown\n", skipped, slots);
      });
}

void messagesScript(const Record& r, const WalkContext& ctx, Out& o) {
  Sink& s = o.sink;
  const bool allValues = o.allValues;
  s.put("\n; Define Messages\n");
  if (o.debug) debugPortGroupedHeader(o, r);
  unsigned next = 0;
  StoredMessages(r, ctx).walk(
      [&](unsigned group, unsigned) {
        if (group == 0) {
          s.put(";  Miscellaneous Messages\n");
        } else {
          s.printf("\n;  Port %u Messages\n", group);
        }
        next = 0;
      },
      [&](const Setting& m) {
        if (allValues) placeholdersBetween(o, m.key.group, next, m.key.entry);
        o.setting(m);
        next = m.key.entry + 1u;
      },
      [&](unsigned group, unsigned slots, unsigned stored, unsigned skipped) {
        if (allValues) placeholdersBetween(o, group, next, kLastPlaceholderSlot + 1);
        if (!allValues && stored == 0) {
          if (group == 0) {
            s.put(";    No Misc. Messages Set\n");
          } else {
            s.printf(";    No Messages Set on Port %u\n", group);
          }
        }
        if (skipped != 0) s.printf(";    Warning: %u stored messages beyond the %u slots not set\n", skipped, slots);
      });
}

void messagesSettings(const Record& r, const WalkContext& ctx, SettingVisitor& visitor) {
  StoredMessages(r, ctx).walk([](unsigned, unsigned) {}, [&](const Setting& s) { visitor.setting(s); },
                              [](unsigned, unsigned, unsigned, unsigned) {});
}

}  // namespace cfgscribe::records
