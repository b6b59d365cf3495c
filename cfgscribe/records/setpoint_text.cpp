#include "cfgscribe/records/setpoint_text.h"

#include "cfgscribe/encodings.h"

namespace cfgscribe::records {
namespace {

constexpr const char* kMonthNames[13] = {
    nullptr,   "January", "February", "March",    "April",    "May",      "June",
    "July",    "August",  "September", "October", "November", "December",
};

// Day codes 1 to 40; codes 41 to 82 are built from kNth and kWeekdays.
constexpr const char* kDayTexts[41] = {
    nullptr,
    "First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh", "Eighth", "Ninth", "Tenth",
    "Eleventh", "Twelfth", "Thirteenth", "Fourteenth", "Fifteenth", "Sixteenth", "Seventeenth",
    "Eighteenth", "Nineteenth",
    "Twenty",
    "Twenty-First", "Twenty-Second", "Twenty-Third", "Twenty-Fourth", "Twenty-Fifth",
    "Twenty-Sixth", "Twenty-Seventh", "Twenty-Eighth", "Twenty-Ninth",
    "Thirty",
    "Thirty-First",
    "weekdays (Mon-Fri)",
    "weekends (Sat-Sun)",
    "Sundays", "Mondays", "Tuesdays", "Wednesdays", "Thursdays", "Fridays", "Saturdays",
};
constexpr int kFirstNthDay = 41;
constexpr int kLastDayCode = 82;
constexpr const char* kNth[6] = {"1st", "2nd", "3rd", "4th", "5th", "Last"};
constexpr const char* kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

// Only bytes whose two nibbles are decimal digits name a month, day or time;
// the range checks alone would let 0x0A..0x0F and 0x7A..0x7F through.
bool isBcd(std::uint8_t b) { return (b >> 4) <= 9 && (b & 0x0F) <= 9; }
int bcdValue(std::uint8_t b) { return (b >> 4) * 10 + (b & 0x0F); }

void printMonth(Sink& out, std::uint8_t month) {
  if (month == Setpoint::kEvery) {
    out.put("Month, ");
  } else if (month == 0 || month > 0x12 || !isBcd(month)) {
    out.printf("[MoError: 0x%x], ", month);
  } else {
    out.printf("%s, ", kMonthNames[bcdValue(month)]);
  }
}

void printDay(Sink& out, std::uint8_t day) {
  if (day == Setpoint::kEvery) {
    out.put("Every Day, ");
    return;
  }
  if (day == 0 || day > 0x82 || !isBcd(day)) {
    out.printf("[DError: 0x%x], ", day);
    return;
  }
  out.put("On ");
  if (day < 0x32 || day > 0x40) out.put("The ");
  const int code = bcdValue(day);
  if (code < kFirstNthDay) {
    out.printf("%s, ", kDayTexts[code]);
  } else if (code <= kLastDayCode) {
    const int n = code - kFirstNthDay;
    out.printf("%s %s Of The Month, ", kNth[n / 7], kWeekdays[n % 7]);
  }
}

bool isHour(std::uint8_t b) { return b <= 0x23 && isBcd(b); }
bool isMinute(std::uint8_t b) { return b <= 0x59 && isBcd(b); }

void printTime(Sink& out, std::uint8_t hour, std::uint8_t minute) {
  if (hour == Setpoint::kEvery) {
    out.put("Every Hour, ");
    if (minute == Setpoint::kEvery)
      out.put("Every Minute");
    else if (!isMinute(minute))
      out.printf("[MiError: 0x%x], ", minute);
    else
      out.printf("At 0:%02d Minutes", bcdValue(minute));
  } else if (minute == Setpoint::kEvery) {
    if (isHour(hour))
      out.printf("Every Minute From %d:00 Thru %d:59", bcdValue(hour), bcdValue(hour));
    else
      out.printf("[HError: 0x%x], ", hour);
  } else if (!isHour(hour)) {
    out.printf("[HError: 0x%x], ", hour);
  } else if (!isMinute(minute)) {
    out.printf("[MiError: 0x%x], ", minute);
  } else {
    out.printf("At %02d:%02d", bcdValue(hour), bcdValue(minute));
  }
}

}  // namespace

void printSetpointSentence(Sink& out, ByteView setpoint) {
  out.put("Execute Macro ");
  printDigitString(out, setpoint.sub(Setpoint::kMacroName, 2), 2);
  out.put(" Every ");
  printMonth(out, setpoint.u8(Setpoint::kMonth));
  printDay(out, setpoint.u8(Setpoint::kDay));
  printTime(out, setpoint.u8(Setpoint::kHour), setpoint.u8(Setpoint::kMinute));
}

}  // namespace cfgscribe::records
