// The command decoder: turns one keypad command stored in a macro into
// readable groups of digits (password prefix by name, root command number,
// its arguments) and tells the caller which root command it is.
#pragma once

#include <array>

#include "cfgscribe/image.h"

namespace cfgscribe::records {

using PasswordTable = std::array<PasswordEntry, 5>;

struct DecodedCommand {
  static constexpr int kMacroCall = -1;  // no password prefix matched

  int root = kMacroCall;  // root command number (BCD value of the root byte)
  int chars = 0;          // characters printed, nested commands included
};

// Prints the command whose digit bytes (those after its length byte) are
// `digits` and returns its root number and printed width.
DecodedCommand decodeCommand(Sink& out, const PasswordTable& passwords, ByteView digits);

// The root command number alone, as decodeCommand() gives it.
int commandRoot(const PasswordTable& passwords, ByteView digits);

// The comment that follows a decoded command: "Execute Macro" for a macro
// call, otherwise the root command's name ("" above root 99).
const char* describeCommand(const DecodedCommand& command);

}  // namespace cfgscribe::records
