#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "handler_run.h"
#include "support/image_builder.h"

namespace {

using namespace testsupport;
using cfgscribe::WalkContext;
using cfgscribe::records::passwordsReport;
using cfgscribe::records::passwordsScript;

// MPW at its default (12), CPW 2468, RBPW 135790, APW 4455; 4 bytes each.
Bytes fourPasswords() {
  return elementArray(6, 0x01, 4, 4, cat({digits("12", 4), digits("2468", 4), digits("135790", 4), digits("4455", 4)}));
}

Bytes defaultsOnly() {
  return elementArray(6, 0x01, 4, 4, cat({digits("12", 4), fill(4, 0xFF), fill(4, 0xFF), fill(4, 0xFF)}));
}

TEST(PasswordsReport, ShowsEachPasswordAndFillsTheTableButTheApw) {
  WalkContext ctx;
  const HandlerRun run = runHandler(passwordsReport, fourPasswords(), ctx, Flavour::kReport, true);
  EXPECT_EQ(run.text,
            "\nPasswords\n"
            "debug  Record Type       : 6\n"
            "debug  Attributes        : 0x1\n"
            "debug  Element Size      : 4\n"
            "debug  Num Elements      : 4\n"
            " MPW : 12\n"
            " CPW : 2468\n"
            " RBPW: 135790\n"
            " APW : 4455\n");
  EXPECT_EQ(run.length, 20u);
  EXPECT_EQ(ctx.passwords[1].count, 1);
  EXPECT_EQ(ctx.passwords[3].count, 3);
  EXPECT_EQ(ctx.passwords[4].count, 0);  // the report walk leaves the APW out
}

const std::string kSetPasswords =
    ";  Set CPW\n"
    "MPW 92 CPW *" + blanks(38) + "; Assign Control Operator Password\n"
    ";  Set RBPW\n"
    "MPW 39 02 135790 *" + blanks(32) + "; Reserved\n"
    ";  Set APW\n"
    "MPW 23 4455 *" + blanks(37) + "; Reserved\n";

TEST(PasswordsScript, OnlyTheSetPasswordsUnderS) {
  WalkContext ctx;
  const HandlerRun run = runHandler(passwordsScript, fourPasswords(), ctx, Flavour::kScriptS);
  EXPECT_EQ(run.text, "\n; Define Passwords\n" + kSetPasswords);
  EXPECT_EQ(run.length, 20u);
  EXPECT_EQ(ctx.passwords[4].count, 2);
}

TEST(PasswordsScript, AllValuesWithDebugDumpsTheTable) {
  WalkContext ctx;
  const HandlerRun run = runHandler(passwordsScript, fourPasswords(), ctx, Flavour::kScriptA, true);
  EXPECT_EQ(run.text,
            "\n; Define Passwords\n"
            ";debug  Record Type       : 6\n"
            ";debug  Attributes        : 0x1\n"
            ";debug  Element Size      : 4\n"
            ";debug  Num Elements      : 4\n"
            ";  Set MPW\n"
            ";12 93 MPW *" + blanks(38) + "; Assign Master Password\n" + kSetPasswords +
            ";debug  MacroPW : 01 99 ff ff ff ff ff ff - ff \n"
            ";debug  MPW     : 01 12 ff ff ff ff ff ff - ff \n"
            ";debug  CPW     : 02 24 68 ff ff ff ff ff - ff \n"
            ";debug  RBPW    : 03 13 57 90 ff ff ff ff - ff \n"
            "\n");
}

TEST(Passwords, AllAtDefault) {
  WalkContext ctx;
  EXPECT_EQ(runHandler(passwordsReport, defaultsOnly(), ctx, Flavour::kReport).text,
            "\nPasswords\n MPW : 12\n CPW : ----\n RBPW: ----\n APW : ----\n");
  EXPECT_EQ(runHandler(passwordsScript, defaultsOnly(), ctx, Flavour::kScriptS).text,
            "\n; Define Passwords\n;  All passwords are set to their cold start defaults.\n");
  EXPECT_EQ(runHandler(passwordsScript, defaultsOnly(), ctx, Flavour::kScriptA).text,
            "\n; Define Passwords\n"
            ";  Set MPW\n"
            ";12 93 MPW *" + blanks(38) + "; Assign Master Password\n"
            ";  Set CPW\n"
            ";MPW 92 CPW *" + blanks(37) + "; Assign Control Operator Password\n");
}

TEST(PasswordsScript, MasterPasswordDefaultTest) {
  struct Case {
    const char* what;
    Bytes record;
    bool changed;
  };
  const Case cases[] = {
      {"default digits then the end byte", elementArray(6, 1, 4, 1, digits("12", 4)), false},
      {"default digits followed by more digits", elementArray(6, 1, 4, 1, digits("1234", 4)), true},
      {"not set", elementArray(6, 1, 4, 1, fill(4, 0xFF)), true},
      {"one-byte element holding the default", elementArray(6, 1, 1, 2, {0x12, 0xFF}), false},
  };
  for (const Case& c : cases) {
    WalkContext ctx;
    const std::string text = runHandler(passwordsScript, c.record, ctx, Flavour::kScriptS).text;
    const std::string changed = ";  Set MPW\n12 93 MPW *" + blanks(39) + "; Assign Master Password\n";
    EXPECT_EQ(text.find(changed) != std::string::npos, c.changed) << c.what << "\n" << text;
  }
}

TEST(Passwords, FifthLocationAndEightByteRbpw) {
  const Bytes record = elementArray(
      6, 0x01, 8, 5,
      cat({digits("12", 8), fill(8, 0xFF), digits("11223344", 8), fill(8, 0xFF), digits("77", 8)}));
  WalkContext ctx;
  EXPECT_EQ(runHandler(passwordsReport, record, ctx, Flavour::kReport).text,
            "\nPasswords\n MPW : 12\n CPW : ----\n RBPW: 11223344\n APW : ----\n"
            " FIXME Other Password Location Found\n77\n");
  const HandlerRun run = runHandler(passwordsScript, record, ctx, Flavour::kScriptS);
  EXPECT_EQ(run.text,
            "\n; Define Passwords\n"
            ";  Set RBPW\n"
            "MPW 39 02 11223344 *" + blanks(30) + "; Reserved\n"
            ";  FIXME Other Password Location Found\n");
  EXPECT_EQ(run.length, 44u);
  EXPECT_EQ(ctx.passwords[3].count, 4);
}

TEST(Passwords, ElementsLongerThanATableEntry) {
  // Element size 10: a short MPW fits the table whole; a CPW of 9 bytes is
  // cut to its first 8.
  const Bytes record = elementArray(6, 0x01, 10, 2,
                                    cat({digits("1234", 10), digits("112233445566778899", 10)}));
  WalkContext ctx;
  EXPECT_EQ(runHandler(passwordsReport, record, ctx, Flavour::kReport).text,
            "\nPasswords\n MPW : 1234\n CPW : 112233445566778899\n");
  EXPECT_EQ(ctx.passwords[1].count, 2);
  EXPECT_EQ(ctx.passwords[2].count, 8);
  EXPECT_EQ(ctx.passwords[2].digits[7], 0x88);
}

}  // namespace
