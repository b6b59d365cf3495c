// The macro command decoder: each root's argument groups and the prefixes.
#include "cfgscribe/records/command_decoder.h"

#include "harness.h"

namespace {

using cfgscribe::PasswordEntry;
using cfgscribe::records::DecodedCommand;
using cfgscribe::records::PasswordTable;

PasswordEntry entry(std::vector<std::uint8_t> bytes) {
  PasswordEntry e;
  e.count = static_cast<std::uint8_t>(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) e.digits[i] = bytes[i];
  return e;
}

// Macro password 99; MPW 1234 and CPW 12 share their leading digits.
const PasswordTable kTable = {entry({0x99}), entry({0x12, 0x34}), entry({0x12}), entry({0x56, 0x78, 0x90}),
                              entry({0x44})};

DecodedCommand decode(const PasswordTable& table, const std::vector<std::uint8_t>& digits, std::string& text) {
  DecodedCommand command;
  text = testsupport::capture([&](orva::Sink& sink) {
    command = cfgscribe::records::decodeCommand(sink, table, orva::ByteView(digits.data(), digits.size()));
  });
  return command;
}

TEST(CommandDecoder, EachBranchAndPrefix) {
  constexpr int kCall = DecodedCommand::kMacroCall;
  const struct {
    const char* what;
    std::vector<std::uint8_t> digits;
    const char* text;
    int root;
    const char* description;
  } cases[] = {
      {"no prefix: digits, a low star spaced", {0x31, 0x41, 0x5E}, "31415 *", kCall, "Execute Macro"},
      {"no prefix: a high star spaced too", {0x3E, 0xE1}, "3 * *", kCall, "Execute Macro"},
      {"shorter than the password it begins like", {0x56, 0x78}, "5678", kCall, "Execute Macro"},
      {"no digits at all", {}, "", kCall, "Execute Macro"},
      {"MPW and CPW match: the lower entry wins", {0x12, 0x34, 0x09, 0x11, 0x22}, "MPW 09 11 22 ", 9, "Set Timer Value"},
      {"CPW alone matches", {0x12, 0x56, 0x09}, "CPW 56 09 ", 56, "Reserved"},
      {"macro password, root 21", {0x99, 0x21, 0x01, 0x23}, "99 21 0123 ", 21, "Erase Macro"},
      {"root 26", {0x99, 0x26, 0x00, 0x61, 0x12, 0x34}, "99 26 0061 12 34 ", 26, "Set Event-Triggered Macro"},
      {"root 34", {0x99, 0x34, 0x00, 0x05}, "99 34 0005 ", 34, "Review Message"},
      {"root 63", {0x12, 0x34, 0x63, 0x01, 0x23, 0x04, 0x05}, "MPW 63 0123 04 05 ", 63, "Set/Clear Software Switches"},
      {"root 76, four groups", {0x12, 0x34, 0x76, 0xA1, 2, 3, 4, 5, 6, 7, 8}, "MPW 76 A1 0203 0405 0607 08 ", 76,
       "If-Then-Else"},
      {"root 76, two bytes left", {0x12, 0x34, 0x76, 0xA1, 2, 3, 4, 5, 6, 7}, "MPW 76 A1 0203 0405 06 07 ", 76,
       "If-Then-Else"},
      {"root 76 ending early", {0x12, 0x34, 0x76, 0xA1}, "MPW 76 A1   ", 76, "If-Then-Else"},
      {"root 15: message contents", {0x44, 0x15, 0x97, 0x41, 0x42, 0x98, 0x05, 0xFF, 0x11}, "APW 15 974142 9805  11 ",
       15, "Send Message"},
      {"root 31: number, contents", {0x56, 0x78, 0x90, 0x31, 0, 0x12, 1, 2}, "RBPW 31 0012 01 02  ", 31,
       "Select Message"},
      {"root 20, nested prefixed command", {0x12, 0x34, 0x20, 0x45, 0x67, 0x12, 0x34, 0x63, 0, 1},
       "MPW 20 4567 MPW 63 0001 ", 20, "Create New Macro"},
      {"root 29, nested call, bytes after its end", {0x99, 0x29, 0x45, 0x67, 0x88, 0x88, 0xFF, 0x33},
       "99 29 4567 888833 ", 29, "Append to Macro"},
      {"root 49, long value", {0x12, 0x34, 0x49, 1, 2, 3, 4, 5}, "MPW 49 01 02 0304 05 ", 49, "Set and Control User Timer"},
      {"root 49, one byte left", {0x12, 0x34, 0x49, 1, 2, 3}, "MPW 49 01 02 03 ", 49, "Set and Control User Timer"},
      {"root 28, time group", {0x12, 0x34, 0x28, 0x05, 0x11, 0x22, 0x33, 0x44}, "MPW 28 05 1122 33 44  ", 28,
       "Set and Control Scheduler Setpoint"},
      {"root 28, three bytes left", {0x12, 0x34, 0x28, 0x05, 0x11, 0x22, 0x33}, "MPW 28 05 11 22 33  ", 28,
       "Set and Control Scheduler Setpoint"},
      {"prefix without a root byte", {0x12, 0x34}, "MPW ", 255, ""},
      {"root byte that is not two digits", {0x12, 0x34, 0xAB, 0x01}, "MPW AB 01 ", 111, ""},
  };
  for (const auto& c : cases) {
    std::string text;
    const DecodedCommand command = decode(kTable, c.digits, text);
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_EQ(command.chars, static_cast<int>(text.size())) << c.what;
    EXPECT_EQ(command.root, c.root) << c.what;
    EXPECT_STREQ(cfgscribe::records::describeCommand(command), c.description) << c.what;
  }
}

TEST(CommandDecoder, MacroPasswordKnownWithoutPasswords) {
  const cfgscribe::WalkContext ctx;
  std::string text;
  EXPECT_EQ(decode(ctx.passwords, {cfgscribe::kMacroPassword, 0x21, 0x12, 0x34}, text).root, 21);
  EXPECT_EQ(text, "99 21 1234 ");
  // Without passwords, an MPW-prefixed command is a macro call.
  EXPECT_EQ(decode(ctx.passwords, {0x12, 0x34, 0x21}, text).root, DecodedCommand::kMacroCall);
}

}  // namespace
