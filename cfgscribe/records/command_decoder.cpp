#include "cfgscribe/records/command_decoder.h"

#include <algorithm>

#include "cfgscribe/catalogue.h"
#include "cfgscribe/encodings.h"

namespace cfgscribe::records {
namespace {

// A command's prefix is shown by the name of the password it matched.
// Entry 0, the macro password, is shown by its own digits instead.
constexpr const char* kPrefixNames[5] = {nullptr, "MPW", "CPW", "RBPW", "APW"};

// Root number given when a prefix matched but no root byte follows it; it
// is above 99 so that its description is empty.
constexpr int kNoRoot = 255;

// The digits of one command that are not printed yet, and the count of
// characters printed so far. Every group is cut at the command's end.
class CommandCursor {
 public:
  CommandCursor(Sink& out, ByteView digits) : out_(out), digits_(digits) {}

  std::size_t left() const { return digits_.size() - pos_; }
  std::size_t used() const { return pos_; }
  int chars() const { return chars_; }
  ByteView rest() const { return digits_.sub(pos_); }
  std::uint8_t next() const { return digits_.u8(pos_); }

  void skip(std::size_t n) { pos_ += std::min(n, left()); }
  void add(int chars, std::size_t consumed) {
    chars_ += chars;
    skip(consumed);
  }
  void blank() { chars_ += out_.put(' '); }

  // Up to n bytes as digits; a 0xFF byte ends the group and is used up.
  // `blankAfterByte` puts a blank after every byte.
  void group(std::size_t n, bool blankAfterByte = false) {
    n = std::min(n, left());
    const Printed p = printDigitString(out_, digits_.sub(pos_, n), n, blankAfterByte);
    add(p.chars, p.consumed);
  }
  void groupRest(bool blankAfterByte) { group(left(), blankAfterByte); }
  void messageRest() {
    const Printed p = printMessageContents(out_, rest(), left());
    add(p.chars, p.consumed);
  }

  Sink& out() { return out_; }

 private:
  Sink& out_;
  ByteView digits_;
  std::size_t pos_ = 0;
  int chars_ = 0;
};

struct Decoded {
  int root;
  int chars;
  std::size_t consumed;
};

// The first table entry whose digits begin the command; -1 if none does.
// A command shorter than a password never matches it.
int findPrefix(const PasswordTable& passwords, ByteView digits) {
  for (std::size_t i = 0; i < passwords.size(); ++i) {
    const std::size_t count = std::min<std::size_t>(passwords[i].count, passwords[i].digits.size());
    if (count == 0 || !digits.has(0, count)) continue;
    if (std::equal(passwords[i].digits.begin(), passwords[i].digits.begin() + count, digits.data()))
      return static_cast<int>(i);
  }
  return -1;
}

// The arguments after the root byte, grouped by what the root command takes.
void printArguments(CommandCursor& c, int root, const PasswordTable& passwords);

Decoded decode(Sink& out, const PasswordTable& passwords, ByteView digits) {
  const int entry = findPrefix(passwords, digits);
  if (entry < 0) {
    const Printed p = printDigitStringSpacedStars(out, digits, digits.size());
    return {DecodedCommand::kMacroCall, p.chars, std::min(p.consumed, digits.size())};
  }

  CommandCursor c(out, digits);
  if (entry == 0)
    c.add(printDigitPair(out, passwords[0].digits[0]), 0);
  else
    c.add(out.put(kPrefixNames[entry]), 0);
  c.blank();
  c.skip(passwords[entry].count);
  if (c.left() == 0) return {kNoRoot, c.chars(), c.used()};

  const std::uint8_t rootByte = c.next();
  const int root = (rootByte >> 4) * 10 + (rootByte & 0x0F);
  printArguments(c, root, passwords);
  return {root, c.chars(), c.used()};
}

void printArguments(CommandCursor& c, int root, const PasswordTable& passwords) {
  switch (root) {
    case 76:  // If-Then-Else
      c.group(1, true);
      c.group(1);
      c.blank();
      c.group(2);
      c.blank();
      c.group(2);
      c.blank();
      if (c.left() > 2) {
        c.group(2);
        c.blank();
      }
      c.groupRest(true);
      return;
    case 15:  // Send Message: message contents follow the root
      c.group(1, true);
      c.messageRest();
      c.blank();
      c.groupRest(true);
      return;
    case 31:  // Select Message: a four-digit number, then message contents
      c.group(1, true);
      c.group(2);
      c.blank();
      c.messageRest();
      c.blank();
      c.groupRest(true);
      return;
    case 21:
    case 26:
    case 34:
    case 63:  // a four-digit number, then single bytes
      c.group(1, true);
      c.group(2);
      c.blank();
      c.groupRest(true);
      return;
    case 20:
    case 29: {  // Create New / Append to Macro: the macro name, then a command
      c.group(1, true);
      c.group(2);
      c.blank();
      // The nested command is strictly shorter than this one, so the
      // nesting ends after at most half the command's length.
      const Decoded inner = decode(c.out(), passwords, c.rest());
      c.add(inner.chars, inner.consumed);
      c.groupRest(true);
      return;
    }
    case 49:  // Set and Control User Timer
      c.group(1, true);
      c.group(2, true);
      if (c.left() > 1) {
        c.group(c.left() - 1);
        c.blank();
      }
      c.groupRest(true);
      return;
    case 28:  // Set and Control Scheduler Setpoint
      c.group(1, true);
      c.group(1, true);
      if (c.left() > 3) {
        c.group(2);
        c.blank();
      }
      c.groupRest(true);
      c.blank();
      return;
    default:
      c.groupRest(true);
      return;
  }
}

}  // namespace

DecodedCommand decodeCommand(Sink& out, const PasswordTable& passwords, ByteView digits) {
  const Decoded d = decode(out, passwords, digits);
  return {d.root, d.chars};
}

int commandRoot(const PasswordTable& passwords, ByteView digits) {
  const int entry = findPrefix(passwords, digits);
  if (entry < 0) return DecodedCommand::kMacroCall;
  const std::size_t prefix = passwords[entry].count;
  if (!digits.has(prefix)) return kNoRoot;
  const std::uint8_t rootByte = digits.u8(prefix);
  return (rootByte >> 4) * 10 + (rootByte & 0x0F);
}

const char* describeCommand(const DecodedCommand& command) {
  if (command.root == DecodedCommand::kMacroCall) return "Execute Macro";
  return rootCommandName(command.root);
}

}  // namespace cfgscribe::records
