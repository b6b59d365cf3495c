

#include "cfgscribe/records/setpoint_text.h"
#include "harness.h"

namespace {

using namespace testsupport;
using cfgscribe::WalkContext;

std::string sentence(std::uint8_t month, std::uint8_t day, std::uint8_t hour, std::uint8_t minute) {
  const Bytes setpoint{0x12, 0x34, 0x00, month, day, hour, minute, 0x01};
  return capture([&](orva::Sink& sink) { cfgscribe::records::printSetpointSentence(sink, recordOf(setpoint)); });
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
      {0x13, 0x99, 0x99, 0x99, "[MoError: 0x13], Every Day, Every Hour, Every Minute"},
      {0x0A, 0x99, 0x99, 0x99, "[MoError: 0xa], Every Day, Every Hour, Every Minute"},
      {0x99, 0x20, 0x99, 0x99, "Month, On The Twenty, Every Hour, Every Minute"},
      {0x99, 0x32, 0x99, 0x99, "Month, On weekdays (Mon-Fri), Every Hour, Every Minute"},
      {0x99, 0x41, 0x99, 0x99, "Month, On The 1st Sunday Of The Month, Every Hour, Every Minute"},
      {0x99, 0x82, 0x99, 0x99, "Month, On The Last Saturday Of The Month, Every Hour, Every Minute"},
      {0x99, 0x83, 0x99, 0x99, "Month, [DError: 0x83], Every Hour, Every Minute"},
      {0x99, 0x3A, 0x99, 0x99, "Month, [DError: 0x3a], Every Hour, Every Minute"},
      {0x05, 0x99, 0x07, 0x99, "May, Every Day, Every Minute From 7:00 Thru 7:59"},
      {0x05, 0x99, 0x99, 0x05, "May, Every Day, Every Hour, At 0:05 Minutes"},
      {0x05, 0x99, 0x99, 0x60, "May, Every Day, Every Hour, [MiError: 0x60], "},
      {0x05, 0x99, 0x24, 0x99, "May, Every Day, [HError: 0x24], "},
      {0x05, 0x99, 0x10, 0x5F, "May, Every Day, [MiError: 0x5f], "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(sentence(c.month, c.day, c.hour, c.minute), std::string("Execute Macro 1234 Every ") + c.tail)
        << std::hex << int(c.month) << " " << int(c.day) << " " << int(c.hour) << " " << int(c.minute);
}

TEST(Scheduler, Sections) {
  const Bytes none = {9, 0x01, 8, 100, 0xFF};
  // A first number at the count: nothing shown, the list still runs to its end byte.
  const Bytes noneThenData = {9, 0x01, 8, 100, 100, 1, 2, 3, 4, 5, 6, 7, 8, 0xFF};
  // A chain that points back ends at the element count.
  const Bytes setpoint{0x12, 0x34, 0x00, 0x99, 0x99, 0x99, 0x99, 0x01};
  const Bytes looping = cat({{9, 0x01, 8, 3, 0}, setpoint, {0}, setpoint, {0}, setpoint, {0}, setpoint, {0xFF}});
  // Element size 4: the month is stored, day, hour, minute and flags are not.
  const Bytes shortElement = {9, 0x01, 4, 2, 0, 0x12, 0x34, 0x00, 0x05, 0xFF};
  checkRecords({{"\nScheduler\n Scheduler is Enabled\n   No Setpoints Set\n", R, false, none, 5},
                {"\nScheduler\n Scheduler is Enabled\n   No Setpoints Set\n", R, false, noneThenData, 14},
                {"\n; Set Scheduler Setpoints\n;   No Setpoints Set\n", S, false, noneThenData, 14},
                {"@scheduler/script_all_none", A, false, none, 5},
                {"@scheduler/script_all_none", A, false, noneThenData, 14},
                {"@scheduler/report_chain_back", R, false, looping, 5 + 3 * 9},
                {"@scheduler/report_short_element", R, false, shortElement, 10}});
  // Switch 1 (Scheduler Enable) cleared by an earlier switch record.
  WalkContext ctx;
  ctx.switchBitCount = 1;
  ctx.switchBits[0] = 0x01;
  EXPECT_TRUE(runRecord(R, none, ctx).text.starts_with("\nScheduler\n Scheduler is Disabled\n"));
}

}  // namespace
