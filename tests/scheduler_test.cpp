#include <gtest/gtest.h>

#include <string>

#include "cfgscribe/records/handlers.h"
#include "cfgscribe/records/setpoint_text.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::WalkContext;

std::string sentence(std::uint8_t month, std::uint8_t day, std::uint8_t hour, std::uint8_t minute) {
  const Bytes setpoint{0x12, 0x34, 0x00, month, day, hour, minute, 0x01};
  std::string text;
  {
    orva::Sink sink(text);
    cfgscribe::records::printSetpointSentence(sink, orva::ByteView(setpoint.data(), setpoint.size()));
  }
  return text;
}

TEST(SetpointSentence, EveryBranch) {
  const struct {
    std::uint8_t month, day, hour, minute;
    const char* tail;  // after "Execute Macro 1234 Every "
  } cases[] = {
      {0x99, 0x99, 0x99, 0x99, "Month, Every Day, Every Hour, Every Minute"},
      {0x10, 0x76, 0x08, 0x30, "October, On The Last Sunday Of The Month, At 08:30"},
      {0x12, 0x31, 0x23, 0x59, "December, On The Thirty-First, At 23:59"},
      {0x00, 0x99, 0x99, 0x99, "[MoError: 0x0], Every Day, Every Hour, Every Minute"},
      {0x0A, 0x99, 0x99, 0x99, "[MoError: 0xa], Every Day, Every Hour, Every Minute"},
      {0x99, 0x20, 0x99, 0x99, "Month, On The Twenty, Every Hour, Every Minute"},
      {0x99, 0x32, 0x99, 0x99, "Month, On weekdays (Mon-Fri), Every Hour, Every Minute"},
      {0x99, 0x34, 0x99, 0x99, "Month, On Sundays, Every Hour, Every Minute"},
      {0x99, 0x40, 0x99, 0x99, "Month, On Saturdays, Every Hour, Every Minute"},
      {0x99, 0x41, 0x99, 0x99, "Month, On The 1st Sunday Of The Month, Every Hour, Every Minute"},
      {0x99, 0x69, 0x99, 0x99, "Month, On The 5th Sunday Of The Month, Every Hour, Every Minute"},
      {0x99, 0x82, 0x99, 0x99, "Month, On The Last Saturday Of The Month, Every Hour, Every Minute"},
      {0x99, 0x83, 0x99, 0x99, "Month, [DError: 0x83], Every Hour, Every Minute"},
      {0x99, 0x7D, 0x99, 0x99, "Month, [DError: 0x7d], Every Hour, Every Minute"},
      {0x99, 0x3A, 0x99, 0x99, "Month, [DError: 0x3a], Every Hour, Every Minute"},
      {0x05, 0x99, 0x07, 0x99, "May, Every Day, Every Minute From 7:00 Thru 7:59"},
      {0x05, 0x99, 0x99, 0x05, "May, Every Day, Every Hour, At 0:05 Minutes"},
      {0x05, 0x99, 0x99, 0x60, "May, Every Day, Every Hour, [MiError: 0x60], "},
      {0x05, 0x99, 0x24, 0x99, "May, Every Day, [HError: 0x24], "},
      {0x05, 0x99, 0x23, 0x60, "May, Every Day, [MiError: 0x60], "},
      {0x05, 0x99, 0x1A, 0x00, "May, Every Day, [HError: 0x1a], "},
      {0x05, 0x99, 0x10, 0x5F, "May, Every Day, [MiError: 0x5f], "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(sentence(c.month, c.day, c.hour, c.minute), std::string("Execute Macro 1234 Every ") + c.tail)
        << std::hex << int(c.month) << " " << int(c.day) << " " << int(c.hour) << " " << int(c.minute);
}

TEST(Scheduler, WholeSections) {
  // Setpoint 3 (enabled, October, last Sunday, 08:30) chained to setpoint 7
  // (disabled, every minute); 100 setpoint numbers.
  const Bytes two = cat({{9, 0x01, 8, 100, 3},
                         {0x12, 0x34, 0x00, 0x10, 0x76, 0x08, 0x30, 0x01}, {7},
                         {0x56, 0x78, 0x00, 0x99, 0x99, 0x99, 0x99, 0x00}, {0xFF}});
  WalkContext ctx;
  ctx.switchBitCount = 1;
  ctx.switchBits[0] = 0x01;  // switch 1 (Scheduler Enable) cleared
  Rendered run = runRecord(Flavour::kReport, two, ctx, true);
  expectGolden(run.text, "scheduler/report_debug");
  EXPECT_EQ(run.length, 23u);
  run = runRecord(Flavour::kScriptS, two, ctx);
  expectGolden(run.text, "scheduler/script");
  EXPECT_EQ(run.length, 23u);
  expectGolden(runRecord(Flavour::kScriptA, two, ctx, true).text, "scheduler/script_all_debug");
}

TEST(Scheduler, NoSetpoints) {
  for (const Bytes& record : {Bytes{9, 0x01, 8, 100, 0xFF}, Bytes{9, 0x01, 8, 100, 100, 1, 2, 3, 4, 5, 6, 7, 8, 0xFF}}) {
    WalkContext ctx;
    Rendered run = runRecord(Flavour::kReport, record, ctx);
    EXPECT_EQ(run.text, "\nScheduler\n Scheduler is Enabled\n   No Setpoints Set\n");
    EXPECT_EQ(run.length, 5u);
    run = runRecord(Flavour::kScriptS, record, ctx);
    EXPECT_EQ(run.text, "\n; Set Scheduler Setpoints\n;   No Setpoints Set\n");
    run = runRecord(Flavour::kScriptA, record, ctx);
    expectGolden(run.text, "scheduler/script_all_none");
    EXPECT_EQ(run.length, 5u);
  }
}

TEST(Scheduler, BadChainsAndShortElements) {
  // A chain that points back ends at the element count.
  const Bytes setpoint{0x12, 0x34, 0x00, 0x99, 0x99, 0x99, 0x99, 0x01};
  const Bytes looping = cat({{9, 0x01, 8, 3, 0}, setpoint, {0}, setpoint, {0}, setpoint, {0}, setpoint, {0xFF}});
  WalkContext ctx;
  Rendered run = runRecord(Flavour::kReport, looping, ctx);
  expectGolden(run.text, "scheduler/report_chain_back");
  EXPECT_EQ(run.length, 5u + 3 * 9);
  // Element size 4: the month is stored, day, hour, minute and flags are not.
  run = runRecord(Flavour::kReport, Bytes{9, 0x01, 4, 2, 0, 0x12, 0x34, 0x00, 0x05, 0xFF}, ctx);
  expectGolden(run.text, "scheduler/report_short_element");
  EXPECT_EQ(run.length, 10u);
}

}  // namespace
